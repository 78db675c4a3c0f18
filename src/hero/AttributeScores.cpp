#include "hero/AttributeScores.h"

#include "app/HeroBuilder.h"
#include "hero/Professions.h"

#include <algorithm>

std::string AttributeViewName(int attribute, const char* column) {
    return kAttributeNames[static_cast<std::size_t>(attribute)] + "." + column;
}

BonusTotals AttributeScores::Bonuses() const {
    const THero& hero = builder_.Hero;
    return SumBonuses(hero.BenefitTotals, hero.MutationTotals, hero.FXTotals);
}

void AttributeScores::SetScore(int attribute, int score) {
    if (attribute < 0 || attribute >= kAttributeCount) return;
    const std::size_t a = static_cast<std::size_t>(attribute);
    builder_.Hero.Score[a] =
        std::clamp(score, limits_.Min[a], std::max(limits_.Min[a], limits_.Max[a]));
    AttributeChanged(attribute);
}

void AttributeScores::KeyPress(int attribute, char key) {
    if (attribute < 0 || attribute >= kAttributeCount) return;
    const int score = builder_.Hero.Score[static_cast<std::size_t>(attribute)];
    if (key == 'w')
        SetScore(attribute, score + 1);
    else if (key == 'q')
        SetScore(attribute, score - 1);
}

void AttributeScores::PaintAttribute(int attribute) {
    const std::size_t a = static_cast<std::size_t>(attribute);
    const THero& hero = builder_.Hero;
    const int score = hero.Score[a];
    ViewData& views = builder_.Views;
    views.SetLabel(AttributeViewName(attribute, "Total"), std::to_string(score));
    views.SetLabel(AttributeViewName(attribute, "Base"),
                   std::to_string(AttributeBase(score, Bonuses().Attr[a])));
    views.SetLabel(AttributeViewName(attribute, "Ut"), std::to_string(UntrainedScore(score)));
    if (attribute != attCON && attribute != attPER) {
        const bool bonus = HasResistanceBonus(hero.ProfessionIndex, hero.Specialization, attribute);
        views.SetLabel(AttributeViewName(attribute, "Res"), ResistanceText(score, bonus));
    }
}

void AttributeScores::AttributeChanged(int attribute) {
    PaintAttribute(attribute);
    switch (attribute) {
    case attSTR:
        SetMovement();
        UpdateCost();
        builder_.PaintSelectedSkills();
        builder_.PaintCombat();
        break;
    case attDEX:
        SetActionScore();
        SetMovement();
        UpdateCost();
        builder_.PaintSelectedSkills();
        break;
    case attCON:
        SetActionCount();
        SetDurability();
        // Species that add CON to their movement base move differently with it.
        SetMovement();
        UpdateCost();
        builder_.PaintSelectedSkills();
        builder_.SetCyberTolerance();
        break;
    case attINT:
        SetActionScore();
        UpdateCost();
        builder_.PaintSelectedSkills();
        break;
    case attWIL:
        SetActionCount();
        UpdateCost();
        builder_.PaintSelectedSkills();
        break;
    case attPER:
        SetLastResort();
        UpdateCost();
        builder_.PaintSelectedSkills();
        builder_.PaintSelectedPsionics();
        break;
    default:
        break;
    }
    builder_.SetChanged(true);
}

void AttributeScores::SetAttribLevels() {
    THero& hero = builder_.Hero;
    limits_ = ComputeLimits(hero.CurrentSpecies, hero.ProfessionMinimums, hero.MutationTotals);
    const BonusTotals bonus = Bonuses();
    for (int attribute = 0; attribute < kAttributeCount; ++attribute) {
        const std::size_t a = static_cast<std::size_t>(attribute);
        builder_.Views.SetLabel(AttributeViewName(attribute, "Limits"),
                                LimitsText(limits_.Min[a], limits_.Max[a]));
        const int base = AttributeBase(hero.Score[a], bonus.Attr[a]);
        if (base < limits_.Min[a] || base > limits_.Max[a]) {
            hero.Score[a] = limits_.Min[a];
            AttributeChanged(attribute);
        }
    }
}

void AttributeScores::UpdateCost() {
    const int cost = AttributePointCost(builder_.Hero.Score, Bonuses());
    builder_.Views.SetLabel("AttributeCost", std::to_string(cost),
                            CostIsRed(cost, builder_.RuleSet().AttributePts));
}

void AttributeScores::SetActionScore() {
    const THero& hero = builder_.Hero;
    std::optional<int> modifier;
    if (const TProfData* profession = builder_.Professions.Chosen())
        modifier = profession->ActionMod;
    const ActionCheck check = ComputeActionCheck(hero.Score[attDEX], hero.Score[attINT], modifier,
                                                 Bonuses(), hero.CurrentSpecies.ActionStep);
    ViewData& views = builder_.Views;
    views.SetLabel("ActionCheck.Marginal", check.MarginalText);
    views.SetLabel("ActionCheck.Ordinary", std::to_string(check.Ordinary));
    views.SetLabel("ActionCheck.Good", std::to_string(check.Good));
    views.SetLabel("ActionCheck.Amazing", std::to_string(check.Amazing));
    views.SetLabel("ActionDie", check.Die);
}

void AttributeScores::SetActionCount() {
    const THero& hero = builder_.Hero;
    builder_.Views.SetLabel(
        "Actions",
        std::to_string(ActionCount(hero.Score[attWIL], hero.Score[attCON], Bonuses().Action)));
}

void AttributeScores::SetMovement() {
    const THero& hero = builder_.Hero;
    const MovementRates rates =
        ComputeMovement(hero.Score[attSTR], hero.Score[attDEX], hero.Score[attCON],
                        hero.CurrentSpecies, builder_.DecimalSeparator);
    ViewData& views = builder_.Views;
    views.SetLabel("Move.Sprint", rates.Sprint);
    views.SetLabel("Move.Run", rates.Run);
    views.SetLabel("Move.Walk", rates.Walk);
    views.SetLabel("Move.EasySwim", rates.EasySwim);
    views.SetLabel("Move.Swim", rates.Swim);
    views.SetLabel("Move.Glide", rates.Glide);
    views.SetLabel("Move.Fly", rates.Fly);
}

void AttributeScores::SetDurability() {
    const THero& hero = builder_.Hero;
    const Durability durability =
        ComputeDurability(hero.Score[attCON], hero.CurrentSpecies.DurMult, Bonuses());
    ViewData& views = builder_.Views;
    views.SetLabel("Stun", std::to_string(durability.Stun));
    views.SetLabel("Wound", std::to_string(durability.Wound));
    views.SetLabel("Mortal", std::to_string(durability.Mortal));
    views.SetLabel("Fatigue", std::to_string(durability.Fatigue));
}

void AttributeScores::SetLastResort() {
    const THero& hero = builder_.Hero;
    const LastResort lastResort =
        ComputeLastResort(hero.Score[attPER], hero.ProfessionIndex == kLastResortBonusPosition);
    builder_.Views.SetLabel("LastResortCost", lastResort.Cost);
    builder_.Views.SetLabel("LastResortMax", std::to_string(lastResort.Max));
}
