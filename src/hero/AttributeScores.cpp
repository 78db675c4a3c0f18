#include "hero/AttributeScores.h"

#include "hero/CheckedArithmetic.h"
#include "hero/ProfessionChoice.h"
#include "hero/Professions.h"
#include "rules/RulesConfiguration.h"

#include <algorithm>

namespace {
using Column = std::array<LabelName, kAttributeCount>;
constexpr std::array<Column, 5> kColumns{{
    {LabelName("STR.Base"), LabelName("DEX.Base"), LabelName("CON.Base"), LabelName("INT.Base"),
     LabelName("WIL.Base"), LabelName("PER.Base")},
    {LabelName("STR.Total"), LabelName("DEX.Total"), LabelName("CON.Total"), LabelName("INT.Total"),
     LabelName("WIL.Total"), LabelName("PER.Total")},
    {LabelName("STR.Res"), LabelName("DEX.Res"), LabelName("CON.Res"), LabelName("INT.Res"),
     LabelName("WIL.Res"), LabelName("PER.Res")},
    {LabelName("STR.Ut"), LabelName("DEX.Ut"), LabelName("CON.Ut"), LabelName("INT.Ut"),
     LabelName("WIL.Ut"), LabelName("PER.Ut")},
    {LabelName("STR.Limits"), LabelName("DEX.Limits"), LabelName("CON.Limits"),
     LabelName("INT.Limits"), LabelName("WIL.Limits"), LabelName("PER.Limits")},
}};
} // namespace

LabelName AttributeLabel(int attribute, AttributeColumn column) {
    return kColumns[static_cast<std::size_t>(column)][static_cast<std::size_t>(attribute)];
}

bool ShowsResistanceModifier(int attribute) {
    return attribute != attCON && attribute != attPER;
}

BonusTotals AttributeScores::Bonuses() const {
    const THero& hero = document_.Hero;
    return SumBonuses(hero.BenefitTotals, hero.MutationTotals, hero.FXTotals);
}

AttributeLimits AttributeScores::Limits() const {
    const THero& hero = document_.Hero;
    AttributeLimits limits =
        ComputeLimits(hero.CurrentSpecies, hero.ProfessionMinimums, hero.MutationTotals);
    // An always-active FX raises the maximum as it raises the score.
    const int fx[] = {hero.FXTotals.Str, hero.FXTotals.Dex, hero.FXTotals.Con,
                      hero.FXTotals.Int, hero.FXTotals.Wil, hero.FXTotals.Per};
    for (std::size_t a = 0; a < kAttributeCount; ++a)
        limits.Max[a] = AddClamped(limits.Max[a], fx[a]);
    return limits;
}

void AttributeScores::SetScore(int attribute, int score) {
    if (attribute < 0 || attribute >= kAttributeCount) return;
    HeroDocument::Operation operation(document_);
    const std::size_t a = static_cast<std::size_t>(attribute);
    const AttributeLimits limits = Limits();
    document_.Hero.Score[a] =
        std::clamp(score, limits.Min[a], std::max(limits.Min[a], limits.Max[a]));
    document_.Touch(Aspect::Attributes);
    document_.SetChanged(true);
}

void AttributeScores::StepScore(int attribute, char key) {
    if (attribute < 0 || attribute >= kAttributeCount) return;
    const int score = document_.Hero.Score[static_cast<std::size_t>(attribute)];
    if (key == 'w')
        SetScore(attribute, score + 1);
    else if (key == 'q')
        SetScore(attribute, score - 1);
}

void AttributeScores::ApplyLimits() {
    THero& hero = document_.Hero;
    const AttributeLimits limits = Limits();
    const BonusTotals bonus = Bonuses();
    for (std::size_t a = 0; a < kAttributeCount; ++a) {
        const int base = AttributeBase(hero.Score[a], bonus.Attr[a]);
        if (base < limits.Min[a] || base > limits.Max[a]) hero.Score[a] = limits.Min[a];
    }
}

void AttributeScores::PaintAttribute(int attribute) {
    const std::size_t a = static_cast<std::size_t>(attribute);
    const THero& hero = document_.Hero;
    const int score = hero.Score[a];
    ViewData& views = document_.Views;
    views.SetLabel(AttributeLabel(attribute, AttributeColumn::Total), std::to_string(score));
    views.SetLabel(AttributeLabel(attribute, AttributeColumn::Base),
                   std::to_string(AttributeBase(score, Bonuses().Attr[a])));
    views.SetLabel(AttributeLabel(attribute, AttributeColumn::Ut),
                   std::to_string(UntrainedScore(score)));
    if (ShowsResistanceModifier(attribute)) {
        const bool bonus = HasResistanceBonus(hero.ProfessionIndex, hero.Specialization, attribute);
        views.SetLabel(AttributeLabel(attribute, AttributeColumn::Res),
                       ResistanceText(score, bonus));
    }
}

void AttributeScores::PaintScores() {
    const THero& hero = document_.Hero;
    ViewData& views = document_.Views;
    const BonusTotals bonus = Bonuses();
    const AttributeLimits limits = Limits();
    for (int attribute = 0; attribute < kAttributeCount; ++attribute) {
        const std::size_t a = static_cast<std::size_t>(attribute);
        views.SetLabel(AttributeLabel(attribute, AttributeColumn::Limits),
                       LimitsText(limits.Min[a], limits.Max[a]));
        PaintAttribute(attribute);
    }

    const int cost = AttributePointCost(hero.Score, bonus);
    views.SetLabel(kAttributeCostLabel, std::to_string(cost),
                   CostIsRed(cost, rules_.RuleSet().AttributePts));

    std::optional<int> modifier;
    if (const TProfData* profession = professions_.Chosen()) modifier = profession->ActionMod;
    const ActionCheck check = ComputeActionCheck(hero.Score[attDEX], hero.Score[attINT], modifier,
                                                 bonus, hero.CurrentSpecies.ActionStep);
    views.SetLabel(kActionMarginalLabel, check.MarginalText);
    views.SetLabel(kActionOrdinaryLabel, std::to_string(check.Ordinary));
    views.SetLabel(kActionGoodLabel, std::to_string(check.Good));
    views.SetLabel(kActionAmazingLabel, std::to_string(check.Amazing));
    views.SetLabel(kActionDieLabel, check.Die);
    views.SetLabel(kActionsLabel, std::to_string(ActionCount(hero.Score[attWIL], hero.Score[attCON],
                                                             bonus.Action)));

    const MovementRates rates =
        ComputeMovement(hero.Score[attSTR], hero.Score[attDEX], hero.Score[attCON],
                        hero.CurrentSpecies, document_.DecimalSeparator);
    views.SetLabel(kSprintLabel, rates.Sprint);
    views.SetLabel(kRunLabel, rates.Run);
    views.SetLabel(kWalkLabel, rates.Walk);
    views.SetLabel(kEasySwimLabel, rates.EasySwim);
    views.SetLabel(kSwimLabel, rates.Swim);
    views.SetLabel(kGlideLabel, rates.Glide);
    views.SetLabel(kFlyLabel, rates.Fly);

    const Durability durability =
        ComputeDurability(hero.Score[attCON], hero.CurrentSpecies.DurMult, bonus);
    views.SetLabel(kStunLabel, std::to_string(durability.Stun));
    views.SetLabel(kWoundLabel, std::to_string(durability.Wound));
    views.SetLabel(kMortalLabel, std::to_string(durability.Mortal));
    views.SetLabel(kFatigueLabel, std::to_string(durability.Fatigue));

    const LastResort lastResort =
        ComputeLastResort(hero.Score[attPER], hero.ProfessionIndex == kLastResortBonusPosition);
    views.SetLabel(kLastResortCostLabel, lastResort.Cost);
    views.SetLabel(kLastResortMaxLabel, std::to_string(lastResort.Max));
}
