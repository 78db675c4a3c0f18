#include "files/HeroFileWriter.h"

#include "xml/ValueParsing.h"
#include "xml/XmlEventReader.h"

#include "app/HeroOperations.h"
#include "gear/Achievements.h"
#include "gear/WealthAmounts.h"
#include "hero/AttributeScores.h"
#include "hero/HeroIdentity.h"
#include "hero/ProfessionChoice.h"
#include "hero/Professions.h"
#include "hero/SpeciesChoice.h"
#include "rules/RulesConfiguration.h"
#include "skills/FXPurchases.h"
#include "skills/SkillBudget.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>

namespace {

constexpr const char* kEol = "\r\n";

const char* BooleanText(bool value) {
    return value ? "True" : "False";
}

// One element line under construction: indent, name, attributes in the order added.
class Element {
public:
    Element(int indent, std::string_view name) : text_(static_cast<std::size_t>(indent), ' ') {
        text_ += '<';
        text_ += name;
    }

    Element& Attr(std::string_view name, std::string_view value) {
        text_ += ' ';
        text_ += name;
        text_ += "=\"";
        text_ += XmlEscape(value);
        text_ += '"';
        return *this;
    }
    Element& Attr(std::string_view name, int value) { return Attr(name, std::to_string(value)); }
    Element& Attr(std::string_view name, bool value) { return Attr(name, BooleanText(value)); }
    Element& Attr(std::string_view name, const char* value) {
        return Attr(name, std::string_view(value));
    }
    // An attribute whose value is already markup (character references the file keeps).
    Element& RawAttr(std::string_view name, std::string_view markup) {
        text_ += ' ';
        text_ += name;
        text_ += "=\"";
        text_ += markup;
        text_ += '"';
        return *this;
    }

    // One more blank before the next attribute.
    Element& Gap() {
        text_ += ' ';
        return *this;
    }

    // The start tag alone: "<Name ...>", or "<Name ... >" with a blank before the ">".
    std::string Open(bool blank = false) const { return text_ + (blank ? " >" : ">"); }
    // An empty-element tag: "<Name .../>" or, with a blank, "<Name ... />".
    std::string Empty(bool blank) const { return text_ + (blank ? " />" : "/>"); }

private:
    std::string text_;
};

void Line(std::string& out, const std::string& text) {
    out += text;
    out += kEol;
}

// "<Name>content</Name>" at an indent.
std::string Enclosed(int indent, std::string_view name, std::string_view content) {
    std::string text(static_cast<std::size_t>(indent), ' ');
    text += '<';
    text += name;
    text += '>';
    text += XmlEscape(content);
    text += "</";
    text += name;
    text += '>';
    return text;
}

std::string EndTag(int indent, std::string_view name) {
    return std::string(static_cast<std::size_t>(indent), ' ') + "</" + std::string(name) + ">";
}

// The text "&#127;" repeated `count` times: the boxes of a durability line.
std::string Boxes(int count) {
    std::string boxes;
    for (int i = 0; i < count; ++i)
        boxes += "&#127;";
    return boxes;
}

// The score a written line takes for an attribute number: the hero's score of STR..PER, 4
// for any other number.
int AttributeScore(const THero& hero, int attributeNumber) {
    if (attributeNumber >= 1 && attributeNumber <= kAttributeCount)
        return hero.Score[static_cast<std::size_t>(attributeNumber - 1)];
    return 4;
}

} // namespace

std::vector<std::string> TextLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(std::move(line));
        start = end + 1;
    }
    return lines;
}

std::string AttributeAbbreviation(int attributeNumber) {
    if (attributeNumber >= 1 && attributeNumber <= kAttributeCount)
        return kAttributeNames[static_cast<std::size_t>(attributeNumber - 1)];
    return "???";
}

const THero& HeroFileWriter::Hero() const {
    return builder_.Document().Hero;
}

std::string HeroFileWriter::Label(LabelName name) const {
    return builder_.Document().Views.Label(name).text;
}

std::string HeroFileWriter::Text() const {
    std::string out;
    Line(out, "<?xml version=\"1.0\" standalone=\"yes\"?>");
    Line(out, "<HeroData>");
    WriteSources(out);
    if (career_) {
        WriteCareerStart(out);
    } else {
        WriteHeroStart(out);
        WriteHeroAttributes(out);
        WriteAbilities(out);
        WriteSnapshot(out);
        WriteAdvancement(out);
    }

    WriteSkills(out);
    // A template holds no perks or flaws: they belong to the hero, not the career.
    if (!career_) {
        WritePerks(out);
        WriteFlaws(out);
    }
    WritePsionics(out);
    WriteEquipment(out);
    WriteCyberware(out);
    WriteMutations(out);
    WriteFX(out);
    WriteSpecialItems(out);
    WriteAchievements(out);
    WriteSpecialNotes(out);
    WriteNotes(out);
    WriteWealth(out);
    WriteLastResortPoints(out);
    WriteSkillPointAdjustments(out);

    Line(out, "</Hero>");
    Line(out, "</HeroData>");
    return out;
}

// --- the envelope -------------------------------------------------------------------------

void HeroFileWriter::WriteSources(std::string& out) const {
    Line(out, "<Sources>");
    for (const std::string& source : builder_.Rules().sources.Active())
        Line(out, Element(2, "Source").Attr("Name", source).Empty(true));
    Line(out, "</Sources>");
}

void HeroFileWriter::WriteHeroStart(std::string& out) const {
    const THero& hero = Hero();
    int gender = -1;
    for (std::size_t i = 0; i < kGenderChoices.size(); ++i)
        if (!hero.Gender.empty() && kGenderChoices[i] == hero.Gender) gender = static_cast<int>(i);

    Element heroTag(0, "Hero");
    heroTag.Attr("HeroName", hero.HeroName)
        .Attr("PlayerName", hero.Player)
        .Attr("Career", hero.Career)
        .Attr("Setting", "")
        .Attr("GameMaster", hero.GameMaster)
        .Attr("Gender", gender)
        .Attr("Profession", builder_.Professions().ChosenName())
        .Attr("Species", builder_.Species().ChosenName());
    if (SpecializationLabel(hero.ProfessionIndex) != kNoSpecializationLabel)
        heroTag.Attr("Specialization", builder_.Professions().ChosenSpecialization());
    heroTag.Attr("Ruleset", builder_.Rules().RuleSet().Name);

    const TSpeciesData& species = hero.CurrentSpecies;
    Element speciesTag(0, "Species");
    speciesTag.Attr("Psionic", species.Psionic)
        .Attr("CanGlide", species.CanGlide)
        .Attr("CanFly", species.CanFly)
        .Attr("SkillPoints", species.SkillPoints)
        .Attr("BroadSkills", species.BroadSkills)
        .Attr("PsiMult", FormatDecimal(species.PsiMult));
    Line(out, heroTag.Open() + speciesTag.Open());

    Line(out, Enclosed(2, "Name", species.Name));
    Line(out, Enclosed(2, "ActionStep", std::to_string(species.ActionStep)));
    Line(out, Enclosed(2, "Source", species.Source));
    for (int a = 0; a < kAttributeCount; ++a) {
        const std::size_t i = static_cast<std::size_t>(a);
        Line(out, Element(2, kAttributeNames[i])
                      .Attr("ID", a + 1)
                      .Attr("Min", species.AttrMin[i])
                      .Attr("Max", species.AttrMax[i])
                      .Empty(false));
    }
    Line(out, Element(2, "FreeSkills").Attr("Count", species.FreeSkillCount).Open());
    for (int i = 0; i < species.FreeSkillCount && i < static_cast<int>(species.FreeSkills.size());
         ++i)
        Line(out, Element(4, "FreeSkill")
                      .Attr("Name", species.FreeSkills[static_cast<std::size_t>(i)])
                      .Empty(false));
    Line(out, EndTag(2, "FreeSkills"));
    Line(out, "  <SpecialItems>");
    for (std::size_t i = 0; i < 4 && i < species.Notes.size(); ++i)
        if (!species.Notes[i].empty())
            Line(out,
                 "    <SpecialItem>" + Enclosed(0, "Note", species.Notes[i]) + "</SpecialItem>");
    Line(out, EndTag(2, "SpecialItems"));
    Line(out, "</Species>");
}

void HeroFileWriter::WriteCareerStart(std::string& out) const {
    // No names of the hero, no specialization, no traits and no scores: a template is a
    // starting point that any hero of the career can be built from.
    Line(out, Element(0, "Hero")
                  .Attr("Profession", builder_.Professions().ChosenName())
                  .Attr("Species", builder_.Species().ChosenName())
                  .Attr("Ruleset", builder_.Rules().RuleSet().Name)
                  .Attr("Career", career_->Name)
                  .Attr("Source", career_->Source)
                  .Open());
    for (const std::string& note : career_->Notes)
        Line(out, Element(0, "CareerNote").Attr("Text", note).Empty(true));
}

void HeroFileWriter::WriteHeroAttributes(std::string& out) const {
    const THero& hero = Hero();
    const std::string summary =
        hero.Motivation + ", " + hero.MoralAttitude + ", " + hero.Trait1 + ", " + hero.Trait2;
    Line(out, Element(0, "HeroAttributes")
                      .Attr("Motivation", hero.Motivation)
                      .Attr("MoralAttitude", hero.MoralAttitude)
                      .Attr("Trait1", hero.Trait1)
                      .Attr("Trait2", hero.Trait2)
                      .Open() +
                  XmlEscape(summary) + "</HeroAttributes>");
}

void HeroFileWriter::WriteAbilities(std::string& out) const {
    const THero& hero = Hero();
    const BonusTotals bonus = builder_.Attributes().Bonuses();
    Line(out, "<Abilities>");
    for (int a = 0; a < kAttributeCount; ++a) {
        const std::size_t i = static_cast<std::size_t>(a);
        const std::string& name = kAttributeNames[i];
        const std::string resistance =
            ShowsResistanceModifier(a) ? Label(AttributeLabel(a, AttributeColumn::Res)) : "+0";
        Line(out,
             Element(2, name).Attr("Score", AttributeBase(hero.Score[i], bonus.Attr[i])).Open() +
                 Enclosed(0, "Untrained", Label(AttributeLabel(a, AttributeColumn::Ut))) +
                 Enclosed(0, "ResMod", resistance) + "</" + name + ">");
    }
    Line(out, "</Abilities>");
}

void HeroFileWriter::WriteSnapshot(std::string& out) const {
    Line(out, Element(0, "ActionCheck")
                  .Attr("Marginal", Label(kActionMarginalLabel))
                  .Attr("Ordinary", Label(kActionOrdinaryLabel))
                  .Attr("Good", Label(kActionGoodLabel))
                  .Attr("Amazing", Label(kActionAmazingLabel))
                  .Attr("Die", Label(kActionDieLabel))
                  .Attr("Actions", Label(kActionsLabel))
                  .Empty(false));

    // Rates are shown in the person's locale; the file always holds "." decimals.
    const char separator = builder_.Document().DecimalSeparator;
    auto rate = [this, separator](LabelName name) {
        std::string text = Label(name);
        if (separator != '.')
            for (char& c : text)
                if (c == separator) c = '.';
        return text;
    };
    Line(out, Element(0, "Movement")
                  .Attr("Sprint", rate(kSprintLabel))
                  .Attr("Run", rate(kRunLabel))
                  .Attr("Walk", rate(kWalkLabel))
                  .Attr("EasySwim", rate(kEasySwimLabel))
                  .Attr("Swim", rate(kSwimLabel))
                  .Attr("Glide", rate(kGlideLabel))
                  .Attr("Fly", rate(kFlyLabel))
                  .Empty(false));

    const int stun = std::atoi(Label(kStunLabel).c_str());
    const int fatigue = std::atoi(Label(kFatigueLabel).c_str());
    Line(out, "<Durability>");
    auto durability = [&](LabelName label, int boxes) {
        const std::string name(label.name);
        Line(out, Element(2, name).RawAttr("Boxes", Boxes(boxes)).Open() + XmlEscape(Label(label)) +
                      "</" + name + ">");
    };
    durability(kStunLabel, stun);
    durability(kWoundLabel, stun);
    durability(kMortalLabel, fatigue);
    durability(kFatigueLabel, fatigue);
    Line(out, "</Durability>");
}

void HeroFileWriter::WriteAdvancement(std::string& out) const {
    const THero& hero = Hero();
    const int intBase =
        AttributeBase(hero.Score[attINT], builder_.Attributes().Bonuses().Attr[attINT]);
    Line(out, Element(0, "Advancement")
                  .Attr("Level", "1")
                  .Attr("Points", "0")
                  .Attr("Available", "0")
                  .Attr("Used", "0")
                  .Attr("INT", intBase)
                  .Attr("INTResMod", "0")
                  .Open());
    Line(out, "</Advancement>");
}

// --- the list sections --------------------------------------------------------------------

void HeroFileWriter::WriteSkills(std::string& out) const {
    const THero& hero = Hero();
    const TSkillPointBudget& budget = hero.SkillPointBudget;
    Line(out, Element(0, "Skills")
                  .Attr("StartingPoints", budget.StartingPoints)
                  .Attr("PointsUsed", budget.PointsUsed)
                  .Attr("PointsRemaining", budget.StartingPoints - budget.PointsUsed)
                  .Attr("MaxBroadSkills", budget.MaxBroadSkills)
                  .Attr("BroadSkillsUsed", budget.BroadSkillsUsed)
                  .Attr("BroadSkillsRemaining", budget.MaxBroadSkills - budget.BroadSkillsUsed)
                  .Open());
    for (const std::string& name : hero.CashedOutSkills)
        Line(out, Element(0, "CashedOutSkill").Attr("Name", name).Empty(false));

    auto skillLine = [&out](const TSkillItem& skill, bool withDetail) {
        // A broad skill has no rank of its own; whichever way it was bought, it is written
        // with the rank it is bought with again when the file is read, 0.
        const bool broad = !withDetail && skill.Name == skill.BroadSkill;
        Element line(0, "Skill");
        line.Attr("Level", broad ? 0 : skill.Rank).Attr("Name", skill.Name);
        if (withDetail) line.Attr("Detail", skill.Detail);
        line.Attr("Cost", skill.Cost).Attr("Source", skill.Source);
        Line(out, line.Open(true) + Enclosed(0, "Ability", AttributeAbbreviation(skill.Attrib)) +
                      "</Skill>");
    };
    for (const TSkillItem& skill : hero.Skills) {
        if (!skill.Selected) continue;
        if (!skill.Multi) {
            skillLine(skill, false);
            continue;
        }
        for (const TSkillItem& instance : hero.SkillInstances)
            if (instance.Selected && instance.Name == skill.Name) skillLine(instance, true);
    }
    Line(out, "</Skills>");
}

void HeroFileWriter::WritePerks(std::string& out) const {
    WritePerkFlawLines(out, "Perks", "Perk", Hero().Perks, builder_.Rules().customPerks);
}

void HeroFileWriter::WriteFlaws(std::string& out) const {
    WritePerkFlawLines(out, "Flaws", "Flaw", Hero().Flaws, builder_.Rules().customFlaws);
}

void HeroFileWriter::WritePerkFlawLines(std::string& out, std::string_view section,
                                        std::string_view element,
                                        const std::vector<PerkFlawItem>& catalogue,
                                        const std::vector<PerkFlawItem>& custom) const {
    // Every ticked entry, also one whose source is not in play now: the hero keeps it.
    Line(out, "<" + std::string(section) + ">");
    for (const auto* list : {&catalogue, &custom})
        for (const PerkFlawItem& item : *list)
            if (item.Selected)
                Line(out,
                     Element(0, element).Attr("cost", item.Cost).Attr("Name", item.Name).Open() +
                         XmlEscape(item.Name) + "</" + std::string(element) + ">");
    Line(out, EndTag(0, section));
}

void HeroFileWriter::WritePsionics(std::string& out) const {
    const THero& hero = Hero();
    const TProfData* profession = builder_.Professions().Chosen();
    // Without a profession there is no profession adjustment: the species multiplier alone.
    const double adjustment = profession ? profession->PsiAdj : 0.0;
    const int energy = PsionicEnergy(adjustment, hero.CurrentSpecies.PsiMult, hero.Score[attWIL]);
    Line(out, Element(0, "PsionicSkills").Attr("Energy", energy).Open());
    for (const TSkillItem& psionic : hero.Psionics) {
        if (!psionic.Selected) continue;
        const int ordinary = AttributeScore(hero, psionic.Attrib) + psionic.Rank;
        const int good = ordinary / 2;
        const int amazing = good / 2;
        Line(out, Element(0, "PsionicSkill")
                          .Attr("Level", psionic.Rank)
                          .Attr("Name", psionic.Name)
                          .Gap()
                          .Attr("Cost", psionic.TotalCost)
                          .Attr("Source", psionic.Source)
                          .Open() +
                      Enclosed(0, "Ability", AttributeAbbreviation(psionic.Attrib)) +
                      Enclosed(0, "Die", psionic.Name == psionic.BroadSkill ? "+d4" : "+d0") +
                      "<Specific/>" +
                      Element(0, "Score")
                          .Attr("Ordinary", ordinary)
                          .Attr("Good", good)
                          .Attr("Amazing", amazing)
                          .Empty(false) +
                      "</PsionicSkill>");
    }
    Line(out, "</PsionicSkills>");
}

void HeroFileWriter::WriteEquipment(std::string& out) const {
    Line(out, "<Equipment>");
    Line(out, "  <EquipmentList>");
    for (const TEquipmentItem& item : Hero().Equipment) {
        Element line(0, "EquipmentItem");
        line.Attr("Name", item.Name)
            .Attr("Category", item.Category)
            .Attr("Subcategory", item.Subcategory)
            .Attr("Availability", item.Availability)
            .Attr("Mass", FormatDecimal(item.Mass))
            .Attr("Cost", item.Cost)
            .Attr("PL", item.PL)
            .Attr("Source", item.Source)
            .Attr("Number", item.Quantity);
        if (item.Ammo >= 0) line.Attr("Ammo", item.Ammo);
        const std::pair<const char*, const std::string*> optional[] = {
            {"Type", &item.Type}, {"Range", &item.Range}, {"Dmg1", &item.DmgO},
            {"Dmg2", &item.DmgG}, {"Dmg3", &item.DmgA},   {"AP", &item.AP},
            {"Hide", &item.Hide}};
        for (const auto& [name, value] : optional)
            if (!value->empty()) line.Attr(name, *value);
        Line(out, line.Empty(true));
    }
    Line(out, "   </EquipmentList>");
    Line(out, "</Equipment>");
}

void HeroFileWriter::WriteCyberware(std::string& out) const {
    Element start(0, "Cyberware");
    if (Hero().CyberSkill) start.Attr("Skill", "True");
    Line(out, start.Open());
    for (const TCyberTech& item : Hero().Cyberware)
        Line(out, Element(2, "CyberItem")
                      .Attr("Name", item.Name)
                      .Attr("source", item.Source)
                      .Attr("Quality", item.Quality)
                      .Attr("Size", item.Size)
                      .Attr("PL", item.PL)
                      .Attr("Mass", FormatDecimal(item.Mass))
                      .Attr("Multi", item.Multi)
                      .Attr("NanoCompReq", item.NanoCompReq)
                      .Attr("Cost", item.Cost)
                      .Attr("SkillReq", item.SkillReq)
                      .Empty(false));
    Line(out, "</Cyberware>");
}

void HeroFileWriter::WriteMutations(std::string& out) const {
    Line(out, "<Mutations>");
    for (const TMutation& mutation : Hero().Advantages)
        Line(out, Element(2, "Advantage")
                      .Attr("Name", mutation.Name)
                      .Attr("Source", mutation.Source)
                      .Empty(true));
    for (const TMutation& mutation : Hero().Drawbacks)
        Line(out, Element(2, "Drawback")
                      .Attr("Name", mutation.Name)
                      .Attr("Source", mutation.Source)
                      .Empty(true));
    Line(out, "</Mutations>");
}

void HeroFileWriter::WriteFX(std::string& out) const {
    // The specialization while the FX label asks for one; then each bought FX (the FX type
    // placeholders of the offered list are never bought), active as the always-active list
    // shows it.
    const THero& hero = Hero();
    Element start(0, "FX");
    if (ChoosesFXSpecialization(Label(kFXLabel)) && !hero.FXSpecialization.empty())
        start.Attr("Specialization", hero.FXSpecialization);
    Line(out, start.Open());
    const TableView& active = builder_.Document().Views.Table(kAlwaysActiveTable);
    for (const TFX& fx : hero.FXSkills) {
        if (!fx.Selected) continue;
        const bool isActive = std::any_of(active.begin(), active.end(), [&fx](const TableRow& row) {
            return !row.empty() && row[0] == fx.Name;
        });
        Line(out, Element(2, "FXSkill")
                      .Attr("Name", fx.Name)
                      .Attr("Source", fx.Source)
                      .Attr("FXType", fx.FXType)
                      .Attr("Broadskill", fx.BroadSkill)
                      .Attr("Attribute", AttributeAbbreviation(fx.Attrib))
                      .Attr("UnTrained", fx.Untrained)
                      .Attr("Cost", fx.Cost)
                      .Attr("Energy", fx.Energy)
                      .Attr("Rank", fx.Rank)
                      .Attr("Active", isActive)
                      .Empty(true));
    }
    Line(out, "</FX>");
}

void HeroFileWriter::WriteSpecialItems(std::string& out) const {
    const THero& hero = Hero();
    Line(out, "<SpecialItems>");
    if (hero.CurrentSpecies.Primitive)
        Line(out, Element(0, "Primitive").Attr("ReducePenalty", hero.Primitive).Empty(false));
    Line(out, "</SpecialItems>");
}

void HeroFileWriter::WriteAchievements(std::string& out) const {
    // Written only when the hero has achievement point entries; the rows as their tables
    // show them.
    const ViewData& views = builder_.Document().Views;
    const TableView& entries = views.Table(kAchievementTable);
    if (entries.empty()) return;
    Line(out, "<Achievements>");
    for (const TableRow& row : entries)
        Line(out, Element(2, "Achievement")
                      .Attr("Points", row.at(0))
                      .Attr("Description", row.at(1))
                      .Empty(true));
    for (const TableRow& row : views.Table(kBenefitsTable))
        Line(out,
             Element(2, "Benefit").Attr("Cost", row.at(0)).Attr("Name", row.at(1)).Empty(true));
    Line(out, "</Achievements>");
}

void HeroFileWriter::WriteSpecialNotes(std::string& out) const {
    Line(out, "<SpecialNotes>");
    Line(out, "</SpecialNotes>");
}

void HeroFileWriter::WriteNotes(std::string& out) const {
    Line(out, "<Notes>");
    for (const std::string& line : TextLines(Hero().FreeNotes))
        Line(out, Enclosed(0, "Note", line));
    Line(out, "</Notes>");
}

void HeroFileWriter::WriteWealth(std::string& out) const {
    // Written only when the hero has accounts; amounts in units, with "." whatever the locale.
    const auto& accounts = Hero().Accounts;
    if (accounts.empty()) return;
    Line(out, "<Wealth>");
    for (const TAccount& account : accounts) {
        Line(out, Element(2, "Account").Attr("Name", account.Name).Open());
        for (const TAccountEntry& entry : account.Entries)
            Line(out, Element(4, "AccountDetail")
                          .Attr("Desc", entry.Description)
                          .Attr("Amt", FormatMoney(entry.Amount, '.'))
                          .Empty(true));
        Line(out, EndTag(2, "Account"));
    }
    Line(out, "</Wealth>");
}

void HeroFileWriter::WriteLastResortPoints(std::string& out) const {
    Line(out, "<LastResortPoints>");
    for (const TLRPEntry& entry : Hero().LastResortEntries)
        Line(out, Element(2, "LastResortPoint")
                      .Attr("Cost", entry.Cost)
                      .Attr("Amt", entry.Points)
                      .Attr("Desc", entry.Description)
                      .Empty(true));
    Line(out, "</LastResortPoints>");
}

void HeroFileWriter::WriteSkillPointAdjustments(std::string& out) const {
    const auto& adjustments = Hero().SkillPointAdjustments;
    if (adjustments.empty()) return;
    Line(out, "<SkillPointAdjustments>");
    for (const TSkillPointAdjustment& adjustment : adjustments)
        Line(out, Element(2, "SkillPointAdj")
                      .Attr("Amt", adjustment.Points)
                      .Attr("Desc", adjustment.Description)
                      .Empty(true));
    Line(out, "</SkillPointAdjustments>");
}
