#include "skills/FXCatalogue.h"

#include "hero/BonusAttributes.h"
#include "hero/CheckedArithmetic.h"
#include "hero/NumberRanges.h"
#include "xml/ValueParsing.h"

#include <algorithm>
#include <utility>

namespace {
// Fallback of ENERGY, COST, ACTIVECOST and ACTIVECOST2.
constexpr int kFXNumberFallback = 99;
constexpr int kFXAttributeFallback = -2;
// Ranks of benefit steps; steps far above any rank a hero reaches never apply.
constexpr IntRange kStepRankRange{-1000, 1000};
constexpr long long kFXPointsLimit = 1'000'000;

void ReadSkillAttribute(TFX& fx, const std::string& upper, const std::string& value) {
    if (upper == "NAME") {
        fx.Name = value;
    } else if (upper == "SOURCE") {
        fx.Source = value;
    } else if (upper == "FXT") {
        fx.FXType = value;
    } else if (upper == "BROADSKILL") {
        fx.BroadSkill = value;
    } else if (upper == "ATTRIB") {
        fx.Attrib = ParseIntegerIn(value, kModifierRange).value_or(kFXAttributeFallback);
    } else if (upper == "CANBEACTIVE") {
        if (const auto active = ParseBooleanText(value)) fx.CanBeActive = *active;
    } else if (upper == "UNTRAINED") {
        fx.Untrained = UpperCase(value) == "TRUE";
    } else if (upper == "ENERGY") {
        fx.Energy = ParseIntegerIn(value, kSkillPointRange).value_or(kFXNumberFallback);
    } else if (upper == "ACTIVECOST") {
        fx.ActiveCost = ParseIntegerIn(value, kSkillPointRange).value_or(kFXNumberFallback);
    } else if (upper == "ACTIVECOST2") {
        fx.ActiveCost2 = ParseIntegerIn(value, kSkillPointRange).value_or(kFXNumberFallback);
    } else if (upper == "COST") {
        fx.Cost = ParseIntegerIn(value, kSkillPointRange).value_or(kFXNumberFallback);
    }
}

void ReadBenefitAttribute(TFXBenefit& step, const std::string& upper, const std::string& value) {
    if (upper == "NAME") {
        step.Name = value;
        return;
    }
    if (upper == "NOTE") {
        step.Note = value;
        return;
    }
    if (upper == "RANK") {
        step.Rank = ParseIntegerIn(value, kStepRankRange).value_or(0);
        return;
    }
    ReadBonusAttribute(step, upper, value);
}
} // namespace

FXCatalogue ReadFXCatalogue(const std::filesystem::path& file, XmlReadResult* readResult) {
    FXCatalogue catalogue;
    auto result = ReadXmlFile(file, XmlHandlers::ForTags([&](const std::string& element,
                                                             const XmlAttributes& attributes) {
                                  if (element == "Skill") {
                                      TFX fx;
                                      for (const auto& [name, value] : attributes)
                                          ReadSkillAttribute(fx, UpperCase(name), value);
                                      // An FX that can be active and names no active cost spends
                                      // its energy three times.
                                      if (fx.CanBeActive && fx.ActiveCost == 0)
                                          fx.ActiveCost = 3 * fx.Energy;
                                      catalogue.skills.push_back(std::move(fx));
                                  } else if (element == "FXBenefit") {
                                      TFXBenefit step;
                                      for (const auto& [name, value] : attributes)
                                          ReadBenefitAttribute(step, UpperCase(name), value);
                                      catalogue.benefits.push_back(std::move(step));
                                  }
                              }));
    if (readResult) *readResult = std::move(result);
    return catalogue;
}

std::vector<std::string> FXSpecializationChoices(const std::vector<TFX>& catalogue) {
    std::vector<std::string> choices;
    for (const TFX& fx : catalogue)
        if (IsBroadFX(fx)) choices.push_back(fx.Name);
    return choices;
}

std::string FXLabelFor(const std::string& professionName) {
    const std::size_t at = professionName.find("Adept");
    if (at == 0) return kFXAdept;
    if (at != std::string::npos) return kFXTalentStar;
    return kFXTalent;
}

const TFXBenefit* FXBenefitStep(const std::vector<TFXBenefit>& steps, const std::string& name,
                                int rank) {
    const TFXBenefit* best = nullptr;
    for (const TFXBenefit& step : steps)
        if (step.Name == name && step.Rank <= rank && (!best || step.Rank > best->Rank))
            best = &step;
    return best;
}

void AddFXBenefit(TFXBenefit& totals, const TFXBenefit& step) {
    for (int TBonuses::*field :
         {&TBonuses::ACBonus, &TBonuses::ACIncrease, &TBonuses::Action, &TBonuses::Str,
          &TBonuses::Dex, &TBonuses::Con, &TBonuses::Int, &TBonuses::Wil, &TBonuses::Per,
          &TBonuses::Fatigue, &TBonuses::Mortal, &TBonuses::Stun, &TBonuses::Wound})
        totals.*field = AddClamped(totals.*field, step.*field);
}

TFXBenefit FXTotalsOf(const std::vector<TFX>& offered, const std::vector<TFXBenefit>& steps) {
    TFXBenefit totals;
    for (const TFX& fx : offered) {
        if (!fx.Selected || !fx.Active) continue;
        if (const TFXBenefit* step = FXBenefitStep(steps, fx.Name, fx.Rank))
            AddFXBenefit(totals, *step);
    }
    return totals;
}

int FXPointsSpent(const std::vector<TFX>& offered) {
    long long spent = 0;
    for (const TFX& fx : offered)
        if (fx.Selected && fx.Active)
            spent = std::clamp(spent + 3LL * fx.Energy, -kFXPointsLimit, kFXPointsLimit);
    return static_cast<int>(spent);
}
