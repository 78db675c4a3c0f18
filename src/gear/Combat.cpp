#include "gear/Combat.h"

#include "hero/StepNotation.h"
#include "xml/ValueParsing.h"

#include <algorithm>
#include <cctype>

namespace {

const TableRow kWeaponHeader{"Weapon", "Score", "Die", "Type", "Range", "Damage"};
const TableRow kArmorHeader{"Armor", "Score", "Die", "Type", "Effect", "AP", "Hide"};

std::string Upper(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

// A score and its two halvings: "12/6/3".
std::string ScoreTriple(int score) {
    const int good = score / 2;
    return std::to_string(score) + "/" + std::to_string(good) + "/" + std::to_string(good / 2);
}

int StrengthModifier(const THero& hero) {
    return AttMod(hero.Score[attSTR]);
}

int AttributeOf(const THero& hero, int attribute) {
    if (attribute == 1) return hero.Score[attSTR];
    if (attribute == 2) return hero.Score[attDEX];
    return 4;
}

// The skill grid's row of a skill, matched by trimmed, upper-cased name; null when none.
const TableRow* GridRow(const TableView& grid, const std::string& upperName) {
    for (std::size_t r = 1; r < grid.size(); ++r)
        if (!grid[r].empty() && Upper(Trim(grid[r][0])) == upperName) return &grid[r];
    return nullptr;
}

struct UnarmedDamage {
    const char* ordinary;
    const char* good;
    const char* amazing;
};

UnarmedDamage UnarmedDamageOf(const std::string& skill, int rank) {
    if (skill == "Brawl")
        return rank < 8 ? UnarmedDamage{"d4s", "d4+1s", "d4+2s"}
                        : UnarmedDamage{"d6s", "d6+2s", "d4w"};
    if (skill == "Power Martial Arts")
        return rank < 7 ? UnarmedDamage{"d6s", "d6+2s", "d4w"}
                        : UnarmedDamage{"d6+2s", "d4w", "d4+2w"};
    return {"d4s", "d4+1s", "d4+2s"};
}

std::string DamageText(const std::string& o, const std::string& g, const std::string& a) {
    return o + "/" + g + "/" + a;
}

} // namespace

std::string StrengthAdjusted(const std::string& damage, int strengthModifier) {
    if (damage.empty()) return damage;
    const char letter = damage.back();
    const std::string rest = damage.substr(0, damage.size() - 1);
    std::string prefix = rest;
    int value = strengthModifier;
    const auto plus = rest.find('+');
    const auto minus = rest.find('-');
    if (plus != std::string::npos || minus != std::string::npos) {
        const bool added = plus != std::string::npos;
        const auto at = added ? plus : minus;
        const auto number = ParseInteger(rest.substr(at + 1));
        if (!number) return damage;
        prefix = rest.substr(0, at);
        value = added ? strengthModifier + *number : strengthModifier - *number;
    }
    std::string result = prefix;
    if (value >= 1)
        result += "+" + std::to_string(value);
    else if (value < 0)
        result += std::to_string(value);
    return result + letter;
}

CombatScore ScoreForSubcategory(const THero& hero, const TableView& skillGrid,
                                const std::string& subcategory) {
    CombatScore result;
    std::string wanted = Upper(subcategory);
    if (const auto dash = wanted.find('-'); dash != std::string::npos)
        wanted = Trim(wanted.substr(dash + 1));
    if (Upper(Trim(subcategory)) == "BASIC ARMOR") wanted = "ARMOR OPERATION";

    const TSkillItem* use = nullptr;
    std::string broad;
    for (const TSkillItem& skill : hero.Skills)
        if (Upper(skill.Name) == wanted) {
            if (skill.Selected)
                use = &skill;
            else
                broad = Upper(skill.BroadSkill);
            break;
        }
    int keyAttribute = -1;
    if (!use)
        for (const TSkillItem& skill : hero.Skills) {
            const std::string name = Upper(skill.Name);
            if (name != wanted && (broad.empty() || name != broad)) continue;
            if (skill.Selected)
                use = &skill;
            else
                keyAttribute = skill.Attrib;
            break;
        }
    if (use) {
        if (const TableRow* row = GridRow(skillGrid, Upper(Trim(use->Name)));
            row && row->size() > 4) {
            result.score = (*row)[3];
            result.step = (*row)[4];
        }
    } else if (keyAttribute != -1) {
        const int base = keyAttribute == 1   ? hero.Score[attSTR] / 2
                         : keyAttribute == 2 ? hero.Score[attDEX] / 2
                                             : 2;
        result.score = ScoreTriple(base);
        result.step = "+d4";
    }
    return result;
}

TableView WeaponTable(const THero& hero, const CombatContext& context) {
    TableView table{kWeaponHeader};
    const int modifier = StrengthModifier(hero);

    // Unarmed attacks, in the order of the skill list.
    bool broadBought = false;
    for (const TSkillItem& skill : hero.Skills) {
        if (skill.Name == "Unarmed Attack" && skill.Selected) broadBought = true;
        const bool brawl = skill.Name == "Brawl";
        const bool defensive = skill.Name == "Defensive Martial Arts";
        if (!brawl && !((skill.Name == "Power Martial Arts" || defensive) && skill.Selected))
            continue;
        const UnarmedDamage damage = UnarmedDamageOf(skill.Name, skill.Rank);
        int score = AttributeOf(hero, skill.Attrib);
        if (!defensive && !broadBought) score /= 2;
        if (defensive || (broadBought && skill.Selected)) score += skill.Rank;
        std::string step = "+d4";
        if (skill.Selected)
            step =
                !context.weaponSpecialization.empty() && context.weaponSpecialization == skill.Name
                    ? "-d4"
                    : "+d0";
        table.push_back({skill.Name, ScoreTriple(score), step, "LI/O", "Personal",
                         DamageText(StrengthAdjusted(damage.ordinary, modifier),
                                    StrengthAdjusted(damage.good, modifier),
                                    StrengthAdjusted(damage.amazing, modifier))});
    }

    // The species' natural attack, scored like its best unarmed attack.
    const TSpeciesData& species = hero.CurrentSpecies;
    if (!species.NaturalAttack.empty()) {
        std::string score = "-", step = "-";
        if (table.size() >= 3 && table[2][0] == "Power Martial Arts") {
            score = table[2][1];
            step = table[2][2];
        } else if (table.size() >= 2) {
            score = table[1][1];
            step = table[1][2];
        }
        table.push_back({species.NaturalAttack, score, step, "LI/O", "Personal",
                         DamageText(StrengthAdjusted(species.DmgO, modifier),
                                    StrengthAdjusted(species.DmgG, modifier),
                                    StrengthAdjusted(species.DmgA, modifier))});
    }

    // Carried weapons: hand weapons hit harder with Strength.
    for (const TEquipmentItem& item : hero.Equipment) {
        if (item.Category != "Weapons") continue;
        const CombatScore score = ScoreForSubcategory(hero, context.skillGrid, item.Subcategory);
        const bool adjusted = item.Range == "Personal" && modifier != 0;
        const auto damage = [&](const std::string& text) {
            return adjusted ? StrengthAdjusted(text, modifier) : text;
        };
        table.push_back({item.Name, score.score, score.step, item.Type, item.Range,
                         DamageText(damage(item.DmgO), damage(item.DmgG), damage(item.DmgA))});
    }
    return table;
}

TableView ArmorTable(const THero& hero, const CombatContext& context) {
    TableView table{kArmorHeader};
    if (!hero.CurrentSpecies.Armor.empty())
        table.push_back({"Natural Armor", "N/A", "N/A", "O", hero.CurrentSpecies.Armor, "-", "-"});
    for (const TEquipmentItem& item : hero.Equipment) {
        if (item.Category != "Armor") continue;
        const CombatScore score = ScoreForSubcategory(hero, context.skillGrid, item.Subcategory);
        table.push_back({item.Name, score.score, score.step, item.Type,
                         DamageText(item.DmgO, item.DmgG, item.DmgA), item.AP, item.Hide});
    }
    return table;
}
