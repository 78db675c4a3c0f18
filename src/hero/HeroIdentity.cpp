#include "hero/HeroIdentity.h"

#include "rules/RulesConfiguration.h"

void HeroIdentity::SetText(IdentityField field, const std::string& text) {
    HeroDocument::Operation operation(document_);
    THero& hero = document_.Hero;
    switch (field) {
    case IdentityField::HeroName:
        hero.HeroName = text;
        break;
    case IdentityField::Player:
        hero.Player = text;
        break;
    case IdentityField::GameMaster:
        hero.GameMaster = text;
        break;
    case IdentityField::Career:
        hero.Career = text;
        break;
    case IdentityField::FreeNotes:
        hero.FreeNotes = text;
        break;
    }
    document_.Touch(Aspect::Identity);
    document_.SetChanged(true);
}

void HeroIdentity::Choose(IdentityChoice choice, int index) {
    HeroDocument::Operation operation(document_);
    auto pick = [index](const std::vector<std::string>& items) {
        return index >= 0 && index < static_cast<int>(items.size())
                   ? items[static_cast<std::size_t>(index)]
                   : std::string();
    };
    const GameConfiguration& config = rules_.config;
    THero& hero = document_.Hero;
    switch (choice) {
    case IdentityChoice::Gender:
        hero.Gender = pick(kGenderChoices);
        break;
    case IdentityChoice::Motivation:
        hero.Motivation = pick(config.motivations);
        break;
    case IdentityChoice::MoralAttitude:
        hero.MoralAttitude = pick(config.moralAttitudes);
        break;
    case IdentityChoice::Trait1:
        hero.Trait1 = pick(config.traits);
        break;
    case IdentityChoice::Trait2:
        hero.Trait2 = pick(config.traits);
        break;
    }
    document_.Touch(Aspect::Identity);
    document_.SetChanged(true);
}

void HeroIdentity::Paint() {
    const THero& hero = document_.Hero;
    ViewData& views = document_.Views;
    views.SetLabel(kHeroNameLabel, hero.HeroName);
    views.SetLabel(kPlayerNameLabel, hero.Player);
    views.SetLabel(kGameMasterLabel, hero.GameMaster);
    views.SetLabel(kCareerLabel, hero.Career);
    views.SetLabel(kFileNameLabel, hero.FileName);
    views.SetLabel(kFreeNotesLabel, hero.FreeNotes);
    views.SetLabel(kRulesetLabel, rules_.ruleSets.CurrentName());
    auto choice = [&views](ChoiceName name, const std::vector<std::string>& items,
                           const std::string& chosen) {
        ChoiceView view;
        view.items = items;
        if (!chosen.empty()) {
            for (std::size_t i = 0; i < items.size(); ++i)
                if (items[i] == chosen) view.index = static_cast<int>(i);
        }
        views.SetChoice(name, std::move(view));
        views.SetLabel(LabelName(name.name), chosen);
    };
    const GameConfiguration& config = rules_.config;
    choice(kGenderChoice, kGenderChoices, hero.Gender);
    choice(kMotivationChoice, config.motivations, hero.Motivation);
    choice(kMoralAttitudeChoice, config.moralAttitudes, hero.MoralAttitude);
    choice(kTrait1Choice, config.traits, hero.Trait1);
    choice(kTrait2Choice, config.traits, hero.Trait2);
}
