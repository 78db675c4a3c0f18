#include "skills/SkillPurchases.h"

#include "app/HeroBuilder.h"
#include "hero/Professions.h"
#include "skills/SkillCatalogue.h"
#include "skills/SkillCosts.h"
#include "xml/ValueParsing.h"

namespace {
constexpr const char* kCashOutQuestion = "Cashing out a free skill cannot be undone.\rProceed?";
const TableRow kSkillHeader{"Skills", "Rank", "Att", "Score", "Die", "Cost"};

// The first cell of a table row without its leading and trailing blanks.
std::string RowKey(const TableView& table, int row) {
    if (row < 1 || row >= static_cast<int>(table.size())) return {};
    const TableRow& cells = table[static_cast<std::size_t>(row)];
    return cells.empty() ? std::string() : Trim(cells[0]);
}
} // namespace

void SkillPurchases::PopulateSkills() {
    builder_.Hero.Skills.clear();
    XmlReadResult read;
    catalogue_ = ReadSkillCatalogue(builder_.paths.InDataDir("skills.xml"), &read);
    builder_.ReportReadErrors(read);
    PaintAllSkills(); // paints the skill table as it ends
    if (builder_.Hero.SpeciesIndex >= 0) ProcessFreeSkills();
}

void SkillPurchases::PaintAllSkills() {
    THero& hero = builder_.Hero;
    const std::vector<TSkillItem> keptSkills = std::move(hero.Skills);
    const std::vector<TSkillItem> keptInstances = std::move(hero.SkillInstances);
    hero.Skills.clear();
    hero.SkillInstances.clear();

    const TProfData* profession = builder_.Professions.Chosen();
    const std::string code = profession ? profession->SkillDiscount : std::string();
    TableView tree;
    std::string previousBroadSkill;
    int current = -1; // the node new nodes go under; -1 is the top level
    std::vector<int> parents;
    for (const TSkillItem& entry : catalogue_) {
        if (!builder_.Rules.ValidSource(entry.Source)) continue;
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
    builder_.Views.SetTable("SkillTree", std::move(tree));

    RestorePurchases(keptSkills, keptInstances);
}

void SkillPurchases::RestorePurchases(const std::vector<TSkillItem>& keptSkills,
                                      const std::vector<TSkillItem>& keptInstances) {
    THero& hero = builder_.Hero;
    for (const TSkillItem& kept : keptSkills) {
        if (!kept.Selected) continue;
        bool multi = false;
        for (TSkillItem& offered : hero.Skills) {
            if (offered.Name != kept.Name) continue;
            offered.Selected = true;
            multi = multi || offered.Multi;
        }
        for (int raise = 1; raise < kept.Rank; ++raise)
            IncreaseSkillRank(kept.Name);
        if (multi)
            for (const TSkillItem& instance : keptInstances)
                if (instance.Name == kept.Name) hero.SkillInstances.push_back(instance);
    }
    PaintSelectedSkills();
}

void SkillPurchases::ProcessFreeSkills() {
    THero& hero = builder_.Hero;
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
    PaintSelectedSkills();
}

void SkillPurchases::TvSkillsDblClick(int node) {
    THero& hero = builder_.Hero;
    if (node < 0 || node >= static_cast<int>(hero.Skills.size())) return;
    builder_.SetChanged(true);
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
            const auto detail = builder_.prompter.askText(
                "Skill Details", "Provide details for this instance of: \r" + entry.Name, "");
            if (!detail) {
                PaintSelectedSkills();
                return;
            }
            if (detail->empty()) {
                builder_.prompter.error("Detail cannot be null");
                PaintSelectedSkills();
                return;
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
    PaintSelectedSkills();
    const std::string name = hero.Skills[index].Name;
    const TableView& table = builder_.Views.Table("Skills");
    int selectedRow = 0;
    for (int row = 1; row < static_cast<int>(table.size()); ++row)
        if (RowKey(table, row) == name) {
            selectedRow = row;
            break;
        }
    builder_.Views.SetLabel("Skills.SelectedRow", std::to_string(selectedRow));
    builder_.PaintCombat();
}

bool SkillPurchases::AddSkill(const std::string& name, const std::string& detail, int rank) {
    THero& hero = builder_.Hero;
    AppLogs& logs = builder_.logs;
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
                    IncreaseSkillRank(name + ":" + detail);
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
                    IncreaseSkillRank(name);
            }
            logs.DebugLog(2, " *AddSkill: Cost=" + std::to_string(hero.Skills[i].TotalCost));
        }
    }
    logs.DebugLog(2, std::string(bought ? "+AddSkill" : "-AddSkill") + "\"" + name + ":" + detail +
                         "\"");
    PaintSelectedSkills();
    return bought;
}

void SkillPurchases::IncreaseSkillRank(const std::string& key) {
    THero& hero = builder_.Hero;
    const SkillKey parts = SplitKeyTrimmed(key);
    AppLogs& logs = builder_.logs;
    logs.DebugLog(2, "*IncreaseRank(" + parts.name + ":" + parts.detail + ")");
    const bool rule2C = builder_.RuleSet().Rule2C;
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
    PaintSelectedSkills();
}

void SkillPurchases::DecreaseSkillRank(const std::string& key) {
    THero& hero = builder_.Hero;
    const SkillKey parts = SplitKeyAfterBlank(key);
    const bool rule2C = builder_.RuleSet().Rule2C;
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
    PaintSelectedSkills();
}

void SkillPurchases::CmdSkillUpClick(int row) {
    const std::string key = RowKey(builder_.Views.Table("Skills"), row);
    if (key.empty()) {
        builder_.prompter.plain("Please select a skill to raise");
        return;
    }
    builder_.SetChanged(true);
    IncreaseSkillRank(key);
    builder_.Views.SetLabel("Skills.SelectedRow", std::to_string(row));
    builder_.PaintCombat();
}

void SkillPurchases::CmdSkillDnClick(int row) {
    const std::string key = RowKey(builder_.Views.Table("Skills"), row);
    if (key.empty()) {
        builder_.prompter.plain("Please select a skill to lower");
        return;
    }
    builder_.SetChanged(true);
    DecreaseSkillRank(key);
    builder_.Views.SetLabel("Skills.SelectedRow", std::to_string(row));
    builder_.PaintCombat();
}

void SkillPurchases::CmdSkillRemClick(int row) {
    THero& hero = builder_.Hero;
    const TableView& table = builder_.Views.Table("Skills");
    const std::string key = RowKey(table, row);
    if (key.empty()) return;
    const SkillKey parts = SplitKeyAfterBlank(key);
    const TableRow& cells = table[static_cast<std::size_t>(row)];
    const int cost = cells.size() > 5 ? ParseInteger(cells[5]).value_or(-1) : -1;
    builder_.SetChanged(true);
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
        PaintSelectedSkills();
        builder_.PaintCombat();
        return;
    }
    if (builder_.prompter.confirm(kCashOutQuestion)) CashOutFreeSkill(parts.name);
}

void SkillPurchases::CashOutFreeSkill(const std::string& name) {
    THero& hero = builder_.Hero;
    hero.CashedOutSkills.push_back(name);
    for (TSkillItem& entry : hero.Skills)
        if (entry.BroadSkill == name) entry.Selected = false;
    PaintSelectedSkills();
}

void SkillPurchases::ClearSkills() {
    THero& hero = builder_.Hero;
    for (TSkillItem& entry : hero.Skills)
        entry.Selected = false;
    hero.SkillInstances.clear();
    PaintSelectedSkills();
}

void SkillPurchases::PaintSelectedSkills() {
    const THero& hero = builder_.Hero;
    TableView table{kSkillHeader};
    const bool weaponSpecialist = hero.ProfessionIndex == kWeaponSpecializationPosition;
    const std::string specialization = builder_.Professions.ChosenSpecialization();
    auto paintRow = [&](const TSkillItem& skill, bool instance) {
        const bool broad = !instance && IsBroadSkill(skill);
        TableRow row(6);
        row[0] = broad ? skill.Name : "  " + skill.Name;
        if (instance) row[0] += ": " + skill.Detail;
        if (!broad) row[1] = "  " + std::to_string(skill.Rank);
        if (skill.Attrib < 0 || skill.Attrib > kAttributeCount) {
            builder_.prompter.error(skill.Name + " is not matched to a valid attribute");
        } else {
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
    };
    for (const TSkillItem& entry : hero.Skills) {
        if (!entry.Selected) continue;
        if (entry.Multi) {
            for (const TSkillItem& instance : hero.SkillInstances)
                if (instance.Selected && instance.Name == entry.Name) paintRow(instance, true);
        } else {
            paintRow(entry, false);
        }
    }
    builder_.Views.SetTable("Skills", std::move(table));
    builder_.CalculateSkillPoints();
}
