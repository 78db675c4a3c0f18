#pragma once
// The views of the equipment, combat and achievements pages that the builder sets up
// and clears with the hero; their pages fill them.

#include "app/ViewData.h"

inline constexpr TableName kAvailableEquipmentTable{"AvailableEquipment"};
inline constexpr TableName kCarriedEquipmentTable{"CarriedEquipment"};
inline constexpr TableName kWeaponsTable{"Weapons"};
inline constexpr TableName kArmorTable{"Armor"};
inline constexpr LabelName kBenefitsPurchasedLabel{"BenefitsPurchased"};
inline constexpr LabelName kPointsEarnedLabel{"PointsEarned"};
inline constexpr LabelName kPointsNeededLabel{"PointsNeeded"};
inline constexpr LabelName kPointsAvailableLabel{"PointsAvailable"};
inline constexpr LabelName kLevelLabel{"Level"};
