#pragma once
// The views of the achievements page that the builder sets up
// and clears with the hero; their pages fill them.

#include "app/ViewData.h"

inline constexpr LabelName kBenefitsPurchasedLabel{"BenefitsPurchased"};
inline constexpr LabelName kPointsEarnedLabel{"PointsEarned"};
inline constexpr LabelName kPointsNeededLabel{"PointsNeeded"};
inline constexpr LabelName kPointsAvailableLabel{"PointsAvailable"};
inline constexpr LabelName kLevelLabel{"Level"};
