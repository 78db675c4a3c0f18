#include "skills/SkillPurchases.h"

#include "hero/ProfessionChoice.h"
#include "hero/Professions.h"
#include "rules/RulesConfiguration.h"
#include "skills/SkillCatalogue.h"
#include "skills/SkillCosts.h"
#include "xml/ValueParsing.h"

#include <algorithm>

namespace {
constexpr const char* kCashOutQuestion = "Cashing out a free skill cannot be undone.\rProceed?";
const TableRow kSkillHeader{"Skills", "Rank", "Att", "Score", "Die", "Cost"};

// The first cell of a table row without its leading and trailing blanks.
std::string RowKey(const TableView& table, int row) {
    if (row < 1 || row >= static_cast<int>(table.size())) return {};
    const TableRow& cells = table[static_cast<std::size_t>(row)];
    return cells.empty() ? std::string() : Trim(cells[0]);
}

bool ValidAttribute(const TSkillItem& skill) {
    return skill.Attrib >= 0 && skill.Attrib <= kAttributeCount;
}

// Calls `row` for each skill and instance the skill table shows, in its order.
template <class RowFunction> void ForEachTableRow(const THero& hero, RowFunction row) {
    for (const TSkillItem& entry : hero.Skills) {
        if (!entry.Selected) continue;
        if (entry.Multi) {
            for (const TSkillItem& instance : hero.SkillInstances)
                if (instance.Selected && instance.Name == entry.Name) row(instance, true);
        } else {
            row(entry, false);
        }
    }
}
} // namespace

void SkillPurchases::LoadSkills() {
    HeroDocument::Operation operation(document_);
    document_.Hero.Skills.clear();
    XmlReadResult read;
    const auto file = document_.paths.InDataDir("skills.xml");
    catalogue_ = ReadSkillCatalogue(file, &read);
    document_.ReportReadErrors(read);
    if (catalogue_.empty() && read.ok()) document_.ReportEmptyCatalogue(file, "skills");
    OfferSkills();
    if (document_.Hero.SpeciesIndex >= 0) GrantFreeSkills();
}

void SkillPurchases::OfferSkills() {
    HeroDocument::Operation operation(document_);
    THero& hero = document_.Hero;
    const std::vector<TSkillItem> keptSkills = std::move(hero.Skills);
    const std::vector<TSkillItem> keptInstances = std::move(hero.SkillInstances);
    hero.Skills.clear();
    hero.SkillInstances.clear();

    const TProfData* profession = professions_.Chosen();
    const std::string code = profession ? profession->SkillDiscount : std::string();
    TableView tree;
    std::string previousBroadSkill;
    int current = -1; // the node new nodes go under; -1 is the top level
    std::vector<int> parents;
    for (const TSkillItem& entry : catalogue_) {
        if (!rules_.ValidSource(entry.Source)) continue;
        TSkillItem offered = entry;
        offered.Cost = PriceFor(entry, code, profession != nullptr);
        offered.TotalCost = offered.Cost;
        offered.Rank = 1;
        hero.Skills.push_back(offered);

        // Each run of one broad skill name hangs under the run's first entry.
        if (offered.BroadSkill != previousBroadSkill && !previousBroadSkill.empty() && current >= 0)
            current = parents[static_cast<std::size_t>(current)];
        const int node = static_cast<int>(parents.size());
        parents.push_back(current);
        const int depth = current < 0 ? 0 : 1;
        tree.push_back(
            {std::to_string(depth), offered.Name + " [" + std::to_string(offered.Cost) + "]"});
        current = node;
        if (offered.BroadSkill == previousBroadSkill && !previousBroadSkill.empty())
            current = parents[static_cast<std::size_t>(current)];
        previousBroadSkill = offered.BroadSkill;
    }
    document_.Views.SetTable(kSkillTree, std::move(tree));

    RestorePurchases(keptSkills, keptInstances);
}

void SkillPurchases::RestorePurchases(const std::vector<TSkillItem>& keptSkills,
                                      const std::vector<TSkillItem>& keptInstances) {
    HeroDocument::Operation operation(document_);
    THero& hero = document_.Hero;
    for (const TSkillItem& kept : keptSkills) {
        if (!kept.Selected) continue;
        bool multi = false;
        for (TSkillItem& offered : hero.Skills) {
            if (offered.Name != kept.Name) continue;
            offered.Selected = true;
            multi = multi || offered.Multi;
        }
        for (int raise = 1; raise < kept.Rank; ++raise)
            RaiseSkillRank(kept.Name);
        if (multi)
            for (const TSkillItem& instance : keptInstances)
                if (instance.Name == kept.Name) hero.SkillInstances.push_back(instance);
    }
    document_.Touch(Aspect::Skills);
}

void SkillPurchases::GrantFreeSkills() {
    HeroDocument::Operation operation(document_);
    const std::vector<std::string> before = UnmatchedRows();
    THero& hero = document_.Hero;
    for (TSkillItem& offered : hero.Skills) {
        if (offered.Cost != 0) continue;
        for (const TSkillItem& entry : catalogue_) {
            if (entry.Name == offered.Name) {
                offered.Cost = entry.Cost;
                offered.TotalCost = entry.Cost;
                break;
            }
        }
    }
    const TSpeciesData& species = hero.CurrentSpecies;
    const int count =
        std::clamp(species.FreeSkillCount, 0, static_cast<int>(species.FreeSkills.size()));
    for (int i = 0; i < count; ++i) {
        const std::string& name = species.FreeSkills[static_cast<std::size_t>(i)];
        for (TSkillItem& offered : hero.Skills) {
            if (offered.Name != name) continue;
            offered.Cost = 0;
            offered.TotalCost = 0;
            offered.Selected = true;
        }
    }
    document_.Touch(Aspect::Skills);
    ReportUnmatchedAttributes(before);
}

int SkillPurchases::BuySkill(int node) {
    THero& hero = document_.Hero;
    if (node < 0 || node >= static_cast<int>(hero.Skills.size())) return 0;
    HeroDocument::Operation operation(document_);
    const std::vector<std::string> before = UnmatchedRows();
    document_.SetChanged(true);
    document_.Touch(Aspect::Skills);
    const std::size_t index = static_cast<std::size_t>(node);
    if (!hero.Skills[index].Selected || hero.Skills[index].Multi) {
        TSkillItem& entry = hero.Skills[index];
        entry.Selected = true;
        if (entry.Multi) {
            TSkillItem instance = entry;
            instance.Selected = true;
            instance.Detail.clear();
            instance.Rank = 1;
            instance.TotalCost = entry.Cost;
            entry.TotalCost = 0;
            const auto detail = document_.prompter.askText(
                "Skill Details", "Provide details for this instance of: \r" + entry.Name, "");
            if (!detail) return 0;
            if (detail->empty()) {
                document_.prompter.error("Detail cannot be null");
                return 0;
            }
            instance.Detail = *detail;
            hero.SkillInstances.push_back(std::move(instance));
        } else {
            entry.TotalCost = entry.Cost;
            entry.Rank = IsBroadSkill(entry) ? 0 : 1;
        }
        const std::string broadSkill = hero.Skills[index].BroadSkill;
        for (TSkillItem& offered : hero.Skills) {
            if (offered.Name != broadSkill) continue;
            offered.Selected = true;
            offered.TotalCost = offered.Cost;
            offered.Rank = 1;
        }
    }
    ReportUnmatchedAttributes(before);
    const TableView table = SkillTable();
    const std::string& name = hero.Skills[index].Name;
    for (int row = 1; row < static_cast<int>(table.size()); ++row)
        if (RowKey(table, row) == name) return row;
    return 0;
}

bool SkillPurchases::AddSkill(const std::string& name, const std::string& detail, int rank) {
    HeroDocument::Operation operation(document_);
    const std::vector<std::string> before = UnmatchedRows();
    THero& hero = document_.Hero;
    AppLogs& logs = document_.logs;
    logs.DebugLog(2, "?AddSkill\"" + name + ":" + detail + "\"");
    bool bought = false;
    for (std::size_t i = 0; i < hero.Skills.size(); ++i) {
        TSkillItem& entry = hero.Skills[i];
        if (entry.Name != name) continue;
        entry.Selected = true;
        if (!detail.empty()) {
            bought = true;
            TSkillItem instance = entry;
            instance.Rank = 1;
            instance.Detail = detail;
            entry.TotalCost = 0;
            if (rank < 2) {
                instance.TotalCost = instance.Cost;
                hero.SkillInstances.push_back(std::move(instance));
            } else {
                hero.SkillInstances.push_back(std::move(instance));
                for (int raise = 1; raise < rank; ++raise)
                    RaiseSkillRank(name + ":" + detail);
            }
        } else {
            bought = bought || !entry.Multi;
            logs.DebugLog(2, " *AddSkill: Not a multiple");
            entry.Rank = IsBroadSkill(entry) ? 0 : 1;
            logs.DebugLog(2, " *AddSkill: Rank=" + std::to_string(entry.Rank));
            if (rank < 2) {
                entry.TotalCost = entry.Cost;
            } else {
                for (int raise = 1; raise < rank; ++raise)
                    RaiseSkillRank(name);
            }
            logs.DebugLog(2, " *AddSkill: Cost=" + std::to_string(hero.Skills[i].TotalCost));
        }
    }
    logs.DebugLog(2, std::string(bought ? "+AddSkill" : "-AddSkill") + "\"" + name + ":" + detail +
                         "\"");
    document_.Touch(Aspect::Skills);
    ReportUnmatchedAttributes(before);
    return bought;
}

void SkillPurchases::RaiseSkillRank(const std::string& key) {
    HeroDocument::Operation operation(document_);
    THero& hero = document_.Hero;
    const SkillKey parts = SplitKeyTrimmed(key);
    AppLogs& logs = document_.logs;
    logs.DebugLog(2, "*IncreaseRank(" + parts.name + ":" + parts.detail + ")");
    const bool rule2C = rules_.RuleSet().Rule2C;
    for (TSkillItem& entry : hero.Skills) {
        if (entry.Name != parts.name) continue;
        if (entry.Multi) {
            for (TSkillItem& instance : hero.SkillInstances) {
                if (instance.Name != parts.name || instance.Detail != parts.detail) continue;
                ++instance.Rank;
                instance.TotalCost = RankCost(instance.Cost, instance.Rank, false, rule2C);
            }
        } else if (!IsBroadSkill(entry)) {
            ++entry.Rank;
            logs.DebugLog(2, "*IncreaseRank Rank=" + std::to_string(entry.Rank) +
                                 " Cost=" + std::to_string(entry.Cost));
            entry.TotalCost = RankCost(entry.Cost, entry.Rank, false, rule2C);
            logs.DebugLog(2, "*IncreaseRank ExtCost=" + std::to_string(entry.TotalCost));
        }
    }
    document_.Touch(Aspect::Skills);
}

void SkillPurchases::LowerSkillRank(const std::string& key) {
    HeroDocument::Operation operation(document_);
    THero& hero = document_.Hero;
    const SkillKey parts = SplitKeyAfterBlank(key);
    const bool rule2C = rules_.RuleSet().Rule2C;
    for (TSkillItem& entry : hero.Skills) {
        if (entry.Name != parts.name) continue;
        if (entry.Multi) {
            for (TSkillItem& instance : hero.SkillInstances) {
                if (instance.Name != parts.name || instance.Detail != parts.detail ||
                    instance.Rank < 2)
                    continue;
                --instance.Rank;
                instance.TotalCost = RankCost(instance.Cost, instance.Rank, false, rule2C);
            }
        } else if (!IsBroadSkill(entry) && entry.Rank >= 2) {
            --entry.Rank;
            entry.TotalCost = RankCost(entry.Cost, entry.Rank, false, rule2C);
        }
    }
    document_.Touch(Aspect::Skills);
}

void SkillPurchases::RaiseRowRank(int row) {
    const std::string key = RowKey(document_.Views.Table(kSkillTable), row);
    if (key.empty()) {
        document_.prompter.plain("Please select a skill to raise");
        return;
    }
    HeroDocument::Operation operation(document_);
    document_.SetChanged(true);
    RaiseSkillRank(key);
}

void SkillPurchases::LowerRowRank(int row) {
    const std::string key = RowKey(document_.Views.Table(kSkillTable), row);
    if (key.empty()) {
        document_.prompter.plain("Please select a skill to lower");
        return;
    }
    HeroDocument::Operation operation(document_);
    document_.SetChanged(true);
    LowerSkillRank(key);
}

void SkillPurchases::RemoveSkill(int row) {
    THero& hero = document_.Hero;
    const TableView& table = document_.Views.Table(kSkillTable);
    const std::string key = RowKey(table, row);
    if (key.empty()) {
        document_.prompter.plain("Please select a skill to remove");
        return;
    }
    HeroDocument::Operation operation(document_);
    const SkillKey parts = SplitKeyAfterBlank(key);
    const TableRow& cells = table[static_cast<std::size_t>(row)];
    const int cost = cells.size() > 5 ? ParseInteger(cells[5]).value_or(-1) : -1;
    document_.SetChanged(true);
    if (cost != 0) {
        if (!parts.detail.empty()) {
            for (TSkillItem& instance : hero.SkillInstances)
                if (instance.Name == parts.name && instance.Detail == parts.detail)
                    instance.Selected = false;
        } else {
            for (TSkillItem& entry : hero.Skills)
                if (entry.Name == parts.name || entry.BroadSkill == parts.name)
                    entry.Selected = false;
        }
        document_.Touch(Aspect::Skills);
        return;
    }
    if (document_.prompter.confirm(kCashOutQuestion)) CashOutFreeSkill(parts.name);
}

void SkillPurchases::CashOutFreeSkill(const std::string& name) {
    HeroDocument::Operation operation(document_);
    THero& hero = document_.Hero;
    hero.CashedOutSkills.push_back(name);
    for (TSkillItem& entry : hero.Skills)
        if (entry.BroadSkill == name) entry.Selected = false;
    document_.Touch(Aspect::Skills);
}

void SkillPurchases::ClearSkills() {
    HeroDocument::Operation operation(document_);
    THero& hero = document_.Hero;
    for (TSkillItem& entry : hero.Skills)
        entry.Selected = false;
    hero.SkillInstances.clear();
    document_.Touch(Aspect::Skills);
}

int SkillPurchases::TableRowCount() const {
    int rows = 0;
    ForEachTableRow(document_.Hero, [&rows](const TSkillItem&, bool) { ++rows; });
    return rows;
}

std::vector<std::string> SkillPurchases::UnmatchedRows() const {
    std::vector<std::string> names;
    ForEachTableRow(document_.Hero, [&names](const TSkillItem& skill, bool instance) {
        if (!ValidAttribute(skill))
            names.push_back(instance ? skill.Name + ":" + skill.Detail : skill.Name);
    });
    return names;
}

void SkillPurchases::ReportUnmatchedAttributes(const std::vector<std::string>& rowsBefore) {
    ForEachTableRow(document_.Hero, [&](const TSkillItem& skill, bool instance) {
        if (ValidAttribute(skill)) return;
        const std::string key = instance ? skill.Name + ":" + skill.Detail : skill.Name;
        if (std::find(rowsBefore.begin(), rowsBefore.end(), key) == rowsBefore.end())
            document_.prompter.error(skill.Name + " is not matched to a valid attribute");
    });
}

TableView SkillPurchases::SkillTable() const {
    const THero& hero = document_.Hero;
    TableView table{kSkillHeader};
    const bool weaponSpecialist = hero.ProfessionIndex == kWeaponSpecializationPosition;
    const std::string specialization = professions_.ChosenSpecialization();
    ForEachTableRow(hero, [&](const TSkillItem& skill, bool instance) {
        const bool broad = !instance && IsBroadSkill(skill);
        TableRow row(6);
        row[0] = broad ? skill.Name : "  " + skill.Name;
        if (instance) row[0] += ": " + skill.Detail;
        if (!broad) row[1] = "  " + std::to_string(skill.Rank);
        if (ValidAttribute(skill)) {
            if (skill.Attrib == 0) {
                row[2] = "-";
                row[3] = "N/A";
            } else {
                row[2] = kAttributeNames[static_cast<std::size_t>(skill.Attrib - 1)];
                const int score = hero.Score[static_cast<std::size_t>(skill.Attrib - 1)] +
                                  (broad ? 0 : skill.Rank);
                row[3] = ScoreText(score);
            }
            if (broad)
                row[4] = "+d4";
            else
                row[4] = weaponSpecialist && !specialization.empty() && skill.Name == specialization
                             ? "-d4"
                             : "+d0";
            row[5] = std::to_string(skill.TotalCost);
        }
        table.push_back(std::move(row));
    });
    return table;
}

void SkillPurchases::PaintSelectedSkills() {
    document_.Views.SetTable(kSkillTable, SkillTable());
}
