#include "skills/PsionicPurchases.h"

#include "hero/DerivedScores.h"
#include "hero/ProfessionChoice.h"
#include "hero/Professions.h"
#include "rules/RulesConfiguration.h"
#include "skills/SkillBudget.h"
#include "skills/SkillCatalogue.h"
#include "skills/SkillCosts.h"
#include "skills/SkillTree.h"
#include "xml/ValueParsing.h"

#include <algorithm>

namespace {
const TableRow kPsionicHeader{"Skills", "Rank", "Att", "Score", "Die", "Cost"};
// The base of a row whose attribute is none of the six.
constexpr int kNoAttributeBase = 20;

std::string RowKey(const TableView& table, int row) {
    if (row < 1 || row >= static_cast<int>(table.size())) return {};
    const TableRow& cells = table[static_cast<std::size_t>(row)];
    return cells.empty() ? std::string() : Trim(cells[0]);
}

bool SixAttributes(int attrib) {
    return attrib >= 1 && attrib <= kAttributeCount;
}
} // namespace

void PsionicPurchases::LoadPsionics() {
    HeroDocument::Operation operation(document_);
    XmlReadResult read;
    const auto file = document_.paths.InDataDir("psionics.xml");
    catalogue_ = ReadSkillCatalogue(file, &read);
    // A psionic skill has no combat specialization and is bought once.
    for (TSkillItem& entry : catalogue_) {
        entry.CombatSpec = false;
        entry.Multi = false;
    }
    document_.ReportReadErrors(read);
    if (catalogue_.empty() && read.ok()) document_.ReportEmptyCatalogue(file, "psionic skills");
    OfferPsionics();
    GrantFreePsionics();
}

void PsionicPurchases::OfferPsionics() {
    HeroDocument::Operation operation(document_);
    THero& hero = document_.Hero;
    hero.Psionics.clear();
    const TProfData* profession = professions_.Chosen();
    const std::string code = profession ? profession->SkillDiscount : std::string();
    for (const TSkillItem& entry : catalogue_) {
        if (!rules_.ValidSource(entry.Source)) continue;
        TSkillItem offered = entry;
        offered.Cost = PriceFor(entry, code, profession != nullptr);
        offered.TotalCost = offered.Cost;
        offered.Rank = 1;
        offered.Selected = false;
        hero.Psionics.push_back(std::move(offered));
    }
    document_.Views.SetTable(kPsionicTree, OfferedSkillTree(hero.Psionics));
    document_.Touch(Aspect::Psionics);
}

bool PsionicPurchases::IsFree(const std::string& name) const {
    const TSpeciesData& species = document_.Hero.CurrentSpecies;
    const auto first = species.FreeSkills.begin();
    const auto last =
        first + std::clamp(species.FreeSkillCount, 0, static_cast<int>(species.FreeSkills.size()));
    return !name.empty() && std::find(first, last, name) != last;
}

void PsionicPurchases::GrantFreePsionics() {
    HeroDocument::Operation operation(document_);
    for (TSkillItem& offered : document_.Hero.Psionics) {
        offered.Selected = false;
        if (!IsFree(offered.Name)) continue;
        offered.Cost = 0;
        offered.TotalCost = 0;
        offered.Rank = 1;
        offered.Selected = true;
    }
    document_.Touch(Aspect::Psionics);
}

void PsionicPurchases::RestorePurchases(const std::vector<TSkillItem>& kept) {
    HeroDocument::Operation operation(document_);
    for (const TSkillItem& before : kept) {
        if (!before.Selected) continue;
        for (TSkillItem& offered : document_.Hero.Psionics) {
            if (offered.Name != before.Name) continue;
            offered.Selected = true;
            offered.Rank = IsBroadSkill(offered) ? 1 : RankWithinLimits(before.Rank);
        }
    }
    document_.Touch(Aspect::Psionics);
}

int PsionicPurchases::RowOf(const std::string& name) const {
    int row = 0;
    for (const TSkillItem& entry : document_.Hero.Psionics) {
        if (!entry.Selected) continue;
        ++row;
        if (entry.Name == name) return row;
    }
    return 0;
}

int PsionicPurchases::BuyPsionic(int node) {
    THero& hero = document_.Hero;
    if (node < 0 || node >= static_cast<int>(hero.Psionics.size())) return 0;
    const std::string name = hero.Psionics[static_cast<std::size_t>(node)].Name;
    if (!hero.Psionics[static_cast<std::size_t>(node)].Selected) {
        HeroDocument::Operation operation(document_);
        document_.SetChanged(true);
        TSkillItem& entry = hero.Psionics[static_cast<std::size_t>(node)];
        entry.Selected = true;
        entry.Rank = 1;
        const std::string broadSkill = entry.BroadSkill;
        for (TSkillItem& offered : hero.Psionics) {
            if (offered.Name != broadSkill || offered.Selected) continue;
            offered.Selected = true;
            offered.Rank = 1;
        }
        document_.Touch(Aspect::Psionics);
    }
    return RowOf(name);
}

bool PsionicPurchases::AddPsi(const std::string& name, int rank) {
    HeroDocument::Operation operation(document_);
    bool found = false;
    for (TSkillItem& entry : document_.Hero.Psionics) {
        if (entry.Name != name) continue;
        found = true;
        entry.Selected = true;
        entry.Rank = IsBroadSkill(entry) ? 1 : RankWithinLimits(rank);
    }
    document_.Touch(Aspect::Psionics);
    return found;
}

void PsionicPurchases::RaisePsionicRank(const std::string& name) {
    HeroDocument::Operation operation(document_);
    for (TSkillItem& entry : document_.Hero.Psionics)
        if (entry.Name == name && !IsBroadSkill(entry) && entry.Rank < kHighestRank)
            entry.Rank = std::max(entry.Rank + 1, 1);
    document_.Touch(Aspect::Psionics);
}

void PsionicPurchases::LowerPsionicRank(const std::string& name) {
    HeroDocument::Operation operation(document_);
    for (TSkillItem& entry : document_.Hero.Psionics)
        if (entry.Name == name && !IsBroadSkill(entry) && entry.Rank >= 2)
            entry.Rank = std::min(entry.Rank - 1, kHighestRank);
    document_.Touch(Aspect::Psionics);
}

void PsionicPurchases::RaiseRowRank(int row) {
    const std::string name = RowKey(document_.Views.Table(kPsionicTable), row);
    if (name.empty()) {
        document_.prompter.plain("Please select a psionic ability to raise");
        return;
    }
    HeroDocument::Operation operation(document_);
    document_.SetChanged(true);
    RaisePsionicRank(name);
}

void PsionicPurchases::LowerRowRank(int row) {
    const std::string name = RowKey(document_.Views.Table(kPsionicTable), row);
    if (name.empty()) {
        document_.prompter.plain("Please select a skill to lower");
        return;
    }
    HeroDocument::Operation operation(document_);
    document_.SetChanged(true);
    LowerPsionicRank(name);
}

void PsionicPurchases::RemovePsionic(int row) {
    const std::string name = RowKey(document_.Views.Table(kPsionicTable), row);
    if (name.empty()) return;
    THero& hero = document_.Hero;
    // A free psionic skill keeps its price of 0 at every rank: it cannot be removed.
    const auto entry = std::find_if(hero.Psionics.begin(), hero.Psionics.end(),
                                    [&name](const TSkillItem& e) { return e.Selected && e.Name == name; });
    if (entry != hero.Psionics.end() && entry->Cost == 0) {
        document_.prompter.error("You cannot remove a free skill.");
        return;
    }
    HeroDocument::Operation operation(document_);
    document_.SetChanged(true);
    for (TSkillItem& offered : hero.Psionics)
        if (offered.Name == name || offered.BroadSkill == name) offered.Selected = false;
    document_.Touch(Aspect::Psionics);
}

void PsionicPurchases::ClearPsi() {
    HeroDocument::Operation operation(document_);
    for (TSkillItem& entry : document_.Hero.Psionics) {
        entry.Selected = false;
        entry.Rank = 1;
    }
    document_.Touch(Aspect::Psionics);
}

int PsionicPurchases::Energy() const {
    const THero& hero = document_.Hero;
    const TProfData* profession = professions_.Chosen();
    const double adjustment = profession ? profession->PsiAdj : 0.0;
    return PsionicEnergy(adjustment, hero.CurrentSpecies.PsiMult, hero.Score[attWIL]);
}

TableView PsionicPurchases::PsionicTable() const {
    const THero& hero = document_.Hero;
    TableView table{kPsionicHeader};
    const std::string specialization = hero.ProfessionIndex == kPsionicSpecializationPosition
                                           ? professions_.ChosenSpecialization()
                                           : std::string();
    for (const TSkillItem& entry : hero.Psionics) {
        if (!entry.Selected) continue;
        const bool broad = IsBroadSkill(entry);
        TableRow row(6);
        row[0] = broad ? entry.Name : "  " + entry.Name;
        if (!broad) row[1] = "  " + std::to_string(entry.Rank);
        const bool six = SixAttributes(entry.Attrib);
        row[2] = six ? kAttributeNames[static_cast<std::size_t>(entry.Attrib - 1)] : "???";
        const int base = six ? hero.Score[static_cast<std::size_t>(entry.Attrib - 1)] : kNoAttributeBase;
        row[3] = ScoreText(broad ? base : base + entry.Rank);
        const bool specialized = !specialization.empty() && entry.BroadSkill == specialization;
        if (broad)
            row[4] = specialized ? "+d0" : "+d4";
        else
            row[4] = specialized ? "-d4" : "+d0";
        row[5] = std::to_string(entry.TotalCost);
        table.push_back(std::move(row));
    }
    return table;
}

void PsionicPurchases::PaintSelectedPsionics() {
    const bool rule2C = rules_.RuleSet().Rule2C;
    for (TSkillItem& entry : document_.Hero.Psionics)
        entry.TotalCost = RankCost(entry.Cost, entry.Rank, IsBroadSkill(entry), rule2C);
    document_.Views.SetTable(kPsionicTable, PsionicTable());
    document_.Views.SetLabel(kPsionicEnergyLabel, std::to_string(Energy()));
}
