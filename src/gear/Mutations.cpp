#include "gear/Mutations.h"

#include "gear/AdvancementRules.h"
#include "gear/MutationCatalogue.h"
#include "hero/AttributeScores.h"
#include "hero/CheckedArithmetic.h"
#include "rules/RulesConfiguration.h"

#include <algorithm>

namespace {
const TableRow kHeader{"Pts", "Description"};
} // namespace

void Mutations::LoadMutations() {
    HeroDocument::Operation operation(document_);
    XmlReadResult read;
    const auto file = document_.paths.InDataDir("mutations.xml");
    MutationCatalogue catalogue = ReadMutationCatalogue(file, &read);
    document_.ReportReadErrors(read);
    if (catalogue.advantages.empty() && catalogue.drawbacks.empty() && read.ok())
        document_.ReportEmptyCatalogue(file, "mutations");
    advantages_ = std::move(catalogue.advantages);
    drawbacks_ = std::move(catalogue.drawbacks);

    // Taken mutations whose source went away are dropped, and give their change back.
    THero& hero = document_.Hero;
    for (auto* taken : {&hero.Advantages, &hero.Drawbacks}) {
        std::vector<TMutation> kept;
        for (TMutation& mutation : *taken) {
            if (rules_.ValidSource(mutation.Source))
                kept.push_back(std::move(mutation));
            else
                ApplyChange(mutation, -1);
        }
        *taken = std::move(kept);
    }
    hero.MutationTotals = MutationTotalsOf(hero.Advantages, hero.Drawbacks);
    document_.Touch(Aspect::Mutations);
    document_.Touch(Aspect::Attributes);
}

std::vector<const TMutation*> Mutations::Offered(MutationKind kind) const {
    std::vector<const TMutation*> offered;
    for (const TMutation& mutation : kind == MutationKind::Advantage ? advantages_ : drawbacks_)
        if (rules_.ValidSource(mutation.Source)) offered.push_back(&mutation);
    return offered;
}

void Mutations::ApplyChange(const TMutation& mutation, int sign) {
    const auto change = ChangeOf(mutation);
    if (!change) return;
    int& score = document_.Hero.Score[static_cast<std::size_t>(change->attribute)];
    score = sign > 0 ? AddClamped(score, change->amount) : SubtractClamped(score, change->amount);
}

void Mutations::KeepWithinMaxima() {
    THero& hero = document_.Hero;
    const AttributeLimits limits = attributes_.Limits();
    const BonusTotals bonus = attributes_.Bonuses();
    for (std::size_t a = 0; a < kAttributeCount; ++a) {
        const int base = AttributeBase(hero.Score[a], bonus.Attr[a]);
        if (base > limits.Max[a])
            hero.Score[a] = SubtractClamped(hero.Score[a], SubtractClamped(base, limits.Max[a]));
    }
}

void Mutations::Take(MutationKind kind, const TMutation& mutation) {
    HeroDocument::Operation operation(document_);
    THero& hero = document_.Hero;
    (kind == MutationKind::Advantage ? hero.Advantages : hero.Drawbacks).push_back(mutation);
    // The maximum moves with the totals; the score follows.
    hero.MutationTotals = MutationTotalsOf(hero.Advantages, hero.Drawbacks);
    ApplyChange(mutation, +1);
    KeepWithinMaxima();
    document_.SetChanged(true);
    document_.Touch(Aspect::Mutations);
    document_.Touch(Aspect::Attributes);
}

void Mutations::TakeMutation(MutationKind kind, int row) {
    const std::vector<const TMutation*> offered = Offered(kind);
    if (row < 1 || row > static_cast<int>(offered.size())) return;
    Take(kind, *offered[static_cast<std::size_t>(row - 1)]);
}

bool Mutations::AddMutation(MutationKind kind, const std::string& name) {
    for (const TMutation& mutation : kind == MutationKind::Advantage ? advantages_ : drawbacks_)
        if (mutation.Name == name) {
            Take(kind, mutation);
            return true;
        }
    return false;
}

void Mutations::GiveUpMutation(MutationKind kind, int row) {
    THero& hero = document_.Hero;
    auto& taken = kind == MutationKind::Advantage ? hero.Advantages : hero.Drawbacks;
    if (row < 1 || row > static_cast<int>(taken.size())) {
        document_.prompter.error(kind == MutationKind::Advantage
                                     ? "Select a mutation to remove."
                                     : "Select a mutational drawback to remove.");
        return;
    }
    HeroDocument::Operation operation(document_);
    const TMutation mutation = taken[static_cast<std::size_t>(row - 1)];
    taken.erase(taken.begin() + (row - 1));
    hero.MutationTotals = MutationTotalsOf(hero.Advantages, hero.Drawbacks);
    ApplyChange(mutation, -1);
    KeepWithinMaxima();
    document_.SetChanged(true);
    document_.Touch(Aspect::Mutations);
    document_.Touch(Aspect::Attributes);
}

void Mutations::ClearMutations() {
    HeroDocument::Operation operation(document_);
    THero& hero = document_.Hero;
    hero.Advantages.clear();
    hero.Drawbacks.clear();
    hero.MutationTotals = TMutation{};
    document_.Touch(Aspect::Mutations);
}

void Mutations::CountMutations() {
    THero& hero = document_.Hero;
    hero.MutationTotals = MutationTotalsOf(hero.Advantages, hero.Drawbacks);
}

void Mutations::PaintMutations() {
    const auto rows = [](const std::vector<const TMutation*>& mutations) {
        TableView table{kHeader};
        for (const TMutation* mutation : mutations)
            table.push_back({std::to_string(mutation->Cost), mutation->Name});
        return table;
    };
    const auto all = [](const std::vector<TMutation>& list) {
        std::vector<const TMutation*> pointers;
        for (const TMutation& mutation : list)
            pointers.push_back(&mutation);
        return pointers;
    };
    ViewData& views = document_.Views;
    views.SetTable(kOfferedAdvantagesTable, rows(Offered(MutationKind::Advantage)));
    views.SetTable(kOfferedDrawbacksTable, rows(Offered(MutationKind::Drawback)));
    views.SetTable(kAdvantagesTable, rows(all(document_.Hero.Advantages)));
    views.SetTable(kDrawbacksTable, rows(all(document_.Hero.Drawbacks)));
}
