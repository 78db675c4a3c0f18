#pragma once
// The operations a person performs on the hero that span several subsystems, and access to
// the subsystems themselves: what the hero file reader replays and the file commands use.
// The hero builder implements it; the file layer sees only this.

#include <string>

class HeroDocument;
class RulesConfiguration;
class HeroIdentity;
class SpeciesChoice;
class ProfessionChoice;
class AttributeScores;
class SkillPurchases;
class SkillBudget;
class PsionicPurchases;
class FXPurchases;
class PerksAndFlaws;
class Achievements;
class Mutations;
class WealthAccounts;
class LastResortPoints;
class Equipment;
class Cyberware;

class HeroOperations {
public:
    virtual ~HeroOperations() = default;

    virtual HeroDocument& Document() = 0;
    virtual const HeroDocument& Document() const = 0;
    virtual RulesConfiguration& Rules() = 0;
    virtual const RulesConfiguration& Rules() const = 0;
    virtual HeroIdentity& Identity() = 0;
    virtual const SpeciesChoice& Species() const = 0;
    virtual const ProfessionChoice& Professions() const = 0;
    virtual AttributeScores& Attributes() = 0;
    virtual const AttributeScores& Attributes() const = 0;
    virtual SkillPurchases& Skills() = 0;
    virtual SkillBudget& Budget() = 0;
    virtual PsionicPurchases& Psionics() = 0;
    virtual FXPurchases& FX() = 0;
    virtual PerksAndFlaws& PerksFlaws() = 0;
    virtual class Achievements& Advancement() = 0;
    virtual class Mutations& Mutants() = 0;
    virtual WealthAccounts& Wealth() = 0;
    virtual LastResortPoints& LastResortLedger() = 0;
    virtual class Equipment& Gear() = 0;
    virtual class Cyberware& Cyber() = 0;

    // Clears the hero back to its initial state (the rules in force stay).
    virtual void ClearHero() = 0;
    // Reads every catalogue that depends on the active sources again and puts the hero's
    // choices back by name.
    virtual void ReloadCatalogues() = 0;
    // Puts a named rule set in force; says so when there is none.
    virtual void SetRuleSet(const std::string& name) = 0;
    // The species at `index` of the species list; asks "Clear skill list?" when the hero
    // has skills and no file is being read.
    virtual void ChooseSpecies(int index) = 0;
    virtual void ChooseProfession(int index) = 0;
    virtual void ChooseSpecialization(int index) = 0;
    virtual void SetPrimitive(bool reduced) = 0;
    virtual void SetCyberSkill(bool taken) = 0;
};
