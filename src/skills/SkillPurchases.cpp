#include "skills/SkillPurchases.h"

#include "hero/ProfessionChoice.h"
#include "hero/Professions.h"
#include "rules/RulesConfiguration.h"
#include "skills/SkillCatalogue.h"
#include "skills/SkillCosts.h"
#include "skills/SkillTree.h"
#include "xml/ValueParsing.h"

#include <algorithm>
#include <map>
#include <string_view>
#include <unordered_map>

namespace {
constexpr const char* kCashOutQuestion = "Cashing out a free skill cannot be undone.\rProceed?";
const TableRow kSkillHeader{"Skills", "Rank", "Att", "Score", "Die", "Cost"};

// The first cell of a table row without its leading and trailing blanks.
std::string RowKey(const TableView& table, int row) {
    if (row < 1 || row >= static_cast<int>(table.size())) return {};
    const TableRow& cells = table[static_cast<std::size_t>(row)];
    return cells.empty() ? std::string() : Trim(cells[0]);
}

using Strings = std::vector<std::string>;

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
    GrantFreeSkills();
}

void SkillPurchases::OfferSkills() {
    HeroDocument::Operation operation(document_);
    THero& hero = document_.Hero;
    const std::vector<TSkillItem> keptSkills = std::move(hero.Skills);
    const std::vector<TSkillItem> keptInstances = std::move(hero.SkillInstances);
    hero.Skills.clear();
    hero.SkillInstances.clear();
    ForgetInstanceIndex();

    const TProfData* profession = professions_.Chosen();
    const std::string code = profession ? profession->SkillDiscount : std::string();
    for (const TSkillItem& entry : catalogue_) {
        if (!rules_.ValidSource(entry.Source)) continue;
        TSkillItem offered = entry;
        offered.Cost = PriceFor(entry, code, profession != nullptr);
        offered.TotalCost = offered.Cost;
        offered.Rank = 1;
        hero.Skills.push_back(offered);
    }
    TableView tree = OfferedSkillTree(hero.Skills);
    document_.Views.SetTable(kSkillTree, std::move(tree));

    RestorePurchases(keptSkills, keptInstances);
}

void SkillPurchases::RestorePurchases(const std::vector<TSkillItem>& keptSkills,
                                      const std::vector<TSkillItem>& keptInstances) {
    HeroDocument::Operation operation(document_);
    THero& hero = document_.Hero;
    // The offered entries of each name, in list order, found once for every kept purchase.
    std::unordered_map<std::string_view, std::vector<std::size_t>> offeredByName;
    if (std::any_of(keptSkills.begin(), keptSkills.end(),
                    [](const TSkillItem& kept) { return kept.Selected; }))
        for (std::size_t i = 0; i < hero.Skills.size(); ++i)
            offeredByName[hero.Skills[i].Name].push_back(i);
    for (const TSkillItem& kept : keptSkills) {
        if (!kept.Selected) continue;
        bool multi = false;
        const auto named = offeredByName.find(kept.Name);
        if (named == offeredByName.end()) continue;
        for (const std::size_t at : named->second) {
            TSkillItem& offered = hero.Skills[at];
            offered.Selected = true;
            if (offered.Multi)
                multi = true;
            else if (!IsBroadSkill(offered))
                offered.Rank = RankWithinLimits(kept.Rank);
        }
        if (!multi) continue;
        for (const TSkillItem& instance : keptInstances) {
            if (!instance.Selected || instance.Name != kept.Name) continue;
            if (FindInstance(instance.Name, instance.Detail)) continue; // kept once
            AddInstance(instance).Rank = RankWithinLimits(instance.Rank);
        }
    }
    PriceSkills();
    document_.Touch(Aspect::Skills);
}

bool SkillPurchases::IsFreeSkill(const std::string& name) const {
    const THero& hero = document_.Hero;
    if (name.empty()) return false;
    const TSpeciesData& species = hero.CurrentSpecies;
    const auto first = species.FreeSkills.begin();
    const auto last =
        first + std::clamp(species.FreeSkillCount, 0, static_cast<int>(species.FreeSkills.size()));
    return std::find(first, last, name) != last &&
           std::find(hero.CashedOutSkills.begin(), hero.CashedOutSkills.end(), name) ==
               hero.CashedOutSkills.end();
}

void SkillPurchases::GrantFreeSkills() {
    HeroDocument::Operation operation(document_);
    const std::vector<std::string> before = UnmatchedRows();
    THero& hero = document_.Hero;

    // A cash-out stands for a free skill of this species, once; others are worth nothing.
    std::vector<std::string> cashedOut = std::move(hero.CashedOutSkills);
    hero.CashedOutSkills.clear();
    for (const std::string& name : cashedOut)
        if (IsFreeSkill(name)) hero.CashedOutSkills.push_back(name);

    for (TSkillItem& offered : hero.Skills) {
        if (offered.Selected || !IsFreeSkill(offered.Name)) continue;
        offered.Selected = true;
        offered.Rank = IsBroadSkill(offered) ? 0 : 1;
    }
    PriceSkills();
    document_.Touch(Aspect::Skills);
    ReportUnmatchedAttributes(before);
}

void SkillPurchases::PriceSkills() {
    THero& hero = document_.Hero;
    const TProfData* profession = professions_.Chosen();
    const std::string code = profession ? profession->SkillDiscount : std::string();
    const bool rule2C = rules_.RuleSet().Rule2C;
    // The offered list follows the catalogue in order, so each entry's catalogue entry (the
    // base price) is found walking both lists once.
    std::size_t next = 0;
    // The price of the first entry of each name an instance carries (only instances read it).
    struct EntryPrice {
        int cost = 0;
        bool set = false;
    };
    std::unordered_map<std::string_view, EntryPrice> entryPrices;
    for (const TSkillItem& instance : hero.SkillInstances)
        entryPrices.try_emplace(instance.Name);
    for (TSkillItem& offered : hero.Skills) {
        std::size_t at = next;
        while (at < catalogue_.size() &&
               (catalogue_[at].Name != offered.Name || catalogue_[at].Source != offered.Source))
            ++at;
        if (IsFreeSkill(offered.Name)) {
            offered.Cost = 0;
        } else if (at < catalogue_.size()) {
            offered.Cost = PriceFor(catalogue_[at], code, profession != nullptr);
        }
        if (at < catalogue_.size()) next = at + 1;
        if (!entryPrices.empty())
            if (const auto price = entryPrices.find(offered.Name);
                price != entryPrices.end() && !price->second.set)
                price->second = {offered.Cost, true};

        if (!offered.Selected)
            offered.TotalCost = offered.Cost;
        else if (offered.Multi)
            offered.TotalCost = 0; // its instances carry the cost
        else
            offered.TotalCost = RankCost(offered.Cost, offered.Rank, IsBroadSkill(offered), rule2C);
    }
    for (TSkillItem& instance : hero.SkillInstances) {
        if (const auto price = entryPrices.find(instance.Name);
            price != entryPrices.end() && price->second.set)
            instance.Cost = price->second.cost;
        instance.TotalCost = RankCost(instance.Cost, instance.Rank, false, rule2C);
    }
}

namespace {
std::string InstanceKey(const std::string& name, const std::string& detail) {
    return name + '\0' + detail; // no name holds a NUL
}
} // namespace

TSkillItem* SkillPurchases::FindInstance(const std::string& name, const std::string& detail) {
    std::vector<TSkillItem>& instances = document_.Hero.SkillInstances;
    if (!InstanceIndexCurrent()) {
        instanceIndex_.clear();
        for (std::size_t i = 0; i < instances.size(); ++i)
            instanceIndex_.try_emplace(InstanceKey(instances[i].Name, instances[i].Detail), i);
        indexedData_ = instances.data();
        indexedSize_ = instances.size();
        indexedRestores_ = document_.Restores();
    }
    const auto found = instanceIndex_.find(InstanceKey(name, detail));
    if (found == instanceIndex_.end()) return nullptr;
    TSkillItem& instance = instances[found->second];
    if (instance.Name == name && instance.Detail == detail) return &instance;
    // Changed behind the index's back: look the slow way, and index afresh next time.
    ForgetInstanceIndex();
    for (TSkillItem& other : instances)
        if (other.Name == name && other.Detail == detail) return &other;
    return nullptr;
}

TSkillItem& SkillPurchases::AddInstance(TSkillItem instance) {
    std::vector<TSkillItem>& instances = document_.Hero.SkillInstances;
    const bool indexed = InstanceIndexCurrent();
    instances.push_back(std::move(instance));
    if (indexed) {
        instanceIndex_.try_emplace(InstanceKey(instances.back().Name, instances.back().Detail),
                                   instances.size() - 1);
        indexedData_ = instances.data();
        indexedSize_ = instances.size();
    }
    return instances.back();
}

bool SkillPurchases::InstanceIndexCurrent() const {
    const std::vector<TSkillItem>& instances = document_.Hero.SkillInstances;
    return instances.data() == indexedData_ && instances.size() == indexedSize_ &&
           document_.Restores() == indexedRestores_;
}

void SkillPurchases::ForgetInstanceIndex() {
    instanceIndex_.clear();
    indexedData_ = nullptr;
    indexedSize_ = 0;
}

void SkillPurchases::Deselect(TSkillItem& entry) {
    entry.Selected = false;
    if (!entry.Multi) return;
    std::erase_if(document_.Hero.SkillInstances,
                  [&entry](const TSkillItem& instance) { return instance.Name == entry.Name; });
    ForgetInstanceIndex();
}

int SkillPurchases::BuySkill(int node) {
    THero& hero = document_.Hero;
    if (node < 0 || node >= static_cast<int>(hero.Skills.size())) return 0;
    HeroDocument::Operation operation(document_);
    const std::vector<std::string> before = UnmatchedRows();
    document_.SetChanged(true);
    document_.Touch(Aspect::Skills);
    const std::size_t index = static_cast<std::size_t>(node);
    std::string rowKey = hero.Skills[index].Name;
    if (!hero.Skills[index].Selected || hero.Skills[index].Multi) {
        TSkillItem& entry = hero.Skills[index];
        entry.Selected = true;
        if (entry.Multi) {
            const auto answer = document_.prompter.askText(
                "Skill Details", "Provide details for this instance of: \r" + entry.Name, "");
            if (!answer) return 0;
            const std::string detail = Trim(*answer);
            if (detail.empty()) {
                document_.prompter.error("Detail cannot be null");
                return 0;
            }
            // A detail bought already is the same instance: its row is selected.
            if (!FindInstance(entry.Name, detail)) {
                TSkillItem instance = entry;
                instance.Selected = true;
                instance.Detail = detail;
                instance.Rank = 1;
                instance.TotalCost = entry.Cost;
                AddInstance(std::move(instance));
            }
            entry.TotalCost = 0;
            rowKey = entry.Name + ": " + detail;
        } else {
            entry.TotalCost = entry.Cost;
            entry.Rank = IsBroadSkill(entry) ? 0 : 1;
        }
        const std::string broadSkill = hero.Skills[index].BroadSkill;
        for (TSkillItem& offered : hero.Skills) {
            if (offered.Name != broadSkill || offered.Selected) continue;
            offered.Selected = true;
            offered.TotalCost = offered.Cost;
            offered.Rank = 1;
        }
    }
    ReportUnmatchedAttributes(before);
    const TableView table = SkillTable();
    for (int row = 1; row < static_cast<int>(table.size()); ++row)
        if (RowKey(table, row) == rowKey) return row;
    return 0;
}

bool SkillPurchases::AddSkill(const std::string& name, const std::string& detail, int rank) {
    HeroDocument::Operation operation(document_);
    THero& hero = document_.Hero;
    // Only rows of this skill can come into the table: the table is searched for rows without
    // a valid attribute only when this skill has none (a file may hold thousands of lines).
    const bool unmatched =
        std::any_of(hero.Skills.begin(), hero.Skills.end(), [&name](const TSkillItem& entry) {
            return entry.Name == name && !ValidAttribute(entry);
        });
    const std::vector<std::string> before = unmatched ? UnmatchedRows() : Strings();
    // The trace lines of one purchase are written to the debug log at once.
    std::string trace = "?AddSkill\"" + name + ":" + detail + "\"";
    const auto log = [&trace](const std::string& line) { trace += "\n" + line; };
    const std::string trimmed = Trim(detail);
    const int wanted = RankWithinLimits(rank);
    const bool rule2C = rules_.RuleSet().Rule2C;
    bool bought = false;
    for (TSkillItem& entry : hero.Skills) {
        if (entry.Name != name) continue;
        entry.Selected = true;
        if (entry.Multi && !trimmed.empty()) {
            bought = true;
            entry.TotalCost = 0;
            // One instance per detail: a detail read again sets the rank of the one there.
            TSkillItem* instance = FindInstance(name, trimmed);
            if (!instance) {
                TSkillItem added = entry;
                added.Detail = trimmed;
                instance = &AddInstance(std::move(added));
            }
            instance->Selected = true;
            instance->Rank = wanted;
            instance->TotalCost = RankCost(instance->Cost, wanted, false, rule2C);
        } else {
            // A skill that is not Multi is bought plainly, whatever detail came with it; a
            // Multi skill without a detail is selected but buys nothing.
            bought = bought || !entry.Multi;
            log(" *AddSkill: Not a multiple");
            entry.Rank = IsBroadSkill(entry) ? 0 : wanted;
            log(" *AddSkill: Rank=" + std::to_string(entry.Rank));
            entry.TotalCost = RankCost(entry.Cost, entry.Rank, IsBroadSkill(entry), rule2C);
            log(" *AddSkill: Cost=" + std::to_string(entry.TotalCost));
        }
    }
    log(std::string(bought ? "+AddSkill" : "-AddSkill") + "\"" + name + ":" + detail + "\"");
    document_.logs.DebugLog(2, trace);
    document_.Touch(Aspect::Skills);
    if (unmatched) ReportUnmatchedAttributes(before);
    return bought;
}

void SkillPurchases::RaiseSkillRank(const std::string& key) {
    HeroDocument::Operation operation(document_);
    THero& hero = document_.Hero;
    const SkillKey parts = SplitKey(key);
    AppLogs& logs = document_.logs;
    logs.DebugLog(2, "*IncreaseRank(" + parts.name + ":" + parts.detail + ")");
    const bool rule2C = rules_.RuleSet().Rule2C;
    bool multi = false;
    for (TSkillItem& entry : hero.Skills) {
        if (entry.Name != parts.name) continue;
        if (entry.Multi) {
            multi = true;
        } else if (!IsBroadSkill(entry) && entry.Rank < kHighestRank) {
            entry.Rank = std::max(entry.Rank + 1, 1);
            logs.DebugLog(2, "*IncreaseRank Rank=" + std::to_string(entry.Rank) +
                                 " Cost=" + std::to_string(entry.Cost));
            entry.TotalCost = RankCost(entry.Cost, entry.Rank, false, rule2C);
            logs.DebugLog(2, "*IncreaseRank ExtCost=" + std::to_string(entry.TotalCost));
        }
    }
    if (multi)
        if (TSkillItem* instance = FindInstance(parts.name, parts.detail);
            instance && instance->Rank < kHighestRank) {
            instance->Rank = std::max(instance->Rank + 1, 1);
            instance->TotalCost = RankCost(instance->Cost, instance->Rank, false, rule2C);
        }
    document_.Touch(Aspect::Skills);
}

void SkillPurchases::LowerSkillRank(const std::string& key) {
    HeroDocument::Operation operation(document_);
    THero& hero = document_.Hero;
    const SkillKey parts = SplitKey(key);
    const bool rule2C = rules_.RuleSet().Rule2C;
    bool multi = false;
    for (TSkillItem& entry : hero.Skills) {
        if (entry.Name != parts.name) continue;
        if (entry.Multi) {
            multi = true;
        } else if (!IsBroadSkill(entry) && entry.Rank >= 2) {
            entry.Rank = std::min(entry.Rank - 1, kHighestRank);
            entry.TotalCost = RankCost(entry.Cost, entry.Rank, false, rule2C);
        }
    }
    if (multi)
        if (TSkillItem* instance = FindInstance(parts.name, parts.detail);
            instance && instance->Rank >= 2) {
            instance->Rank = std::min(instance->Rank - 1, kHighestRank);
            instance->TotalCost = RankCost(instance->Cost, instance->Rank, false, rule2C);
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
    const std::string key = RowKey(document_.Views.Table(kSkillTable), row);
    if (key.empty()) {
        document_.prompter.plain("Please select a skill to remove");
        return;
    }
    HeroDocument::Operation operation(document_);
    const SkillKey parts = SplitKey(key);
    // A free skill is not removed: it can only be cashed out, once.
    if (IsFreeSkill(parts.name)) {
        if (document_.prompter.confirm(kCashOutQuestion) && CashOutFreeSkill(parts.name))
            document_.SetChanged(true);
        return;
    }
    document_.SetChanged(true);
    if (!parts.detail.empty()) {
        std::erase_if(hero.SkillInstances, [&parts](const TSkillItem& instance) {
            return instance.Name == parts.name && instance.Detail == parts.detail;
        });
        ForgetInstanceIndex();
    } else {
        // A broad skill goes with its specialties, except those the species grants free.
        for (TSkillItem& entry : hero.Skills)
            if (entry.Name == parts.name ||
                (entry.BroadSkill == parts.name && !IsFreeSkill(entry.Name)))
                Deselect(entry);
    }
    document_.Touch(Aspect::Skills);
}

bool SkillPurchases::CashOutFreeSkill(const std::string& name) {
    if (!IsFreeSkill(name)) return false;
    HeroDocument::Operation operation(document_);
    THero& hero = document_.Hero;
    hero.CashedOutSkills.push_back(name);
    // The skill goes, and a broad skill's specialties with it unless they are free themselves.
    for (TSkillItem& entry : hero.Skills)
        if (entry.Name == name || (entry.BroadSkill == name && !IsFreeSkill(entry.Name)))
            Deselect(entry);
    PriceSkills();
    document_.Touch(Aspect::Skills);
    return true;
}

void SkillPurchases::ClearSkills() {
    HeroDocument::Operation operation(document_);
    THero& hero = document_.Hero;
    for (TSkillItem& entry : hero.Skills) {
        entry.Selected = false;
        entry.Rank = 1;
    }
    hero.SkillInstances.clear();
    ForgetInstanceIndex();
    hero.CashedOutSkills.clear();
    PriceSkills();
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
    PriceSkills();
    document_.Views.SetTable(kSkillTable, SkillTable());
}
