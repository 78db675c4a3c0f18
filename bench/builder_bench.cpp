// How long the hero builder's operations take, on the bundled catalogues (scale 1) and on a
// copy with every entry twenty times (scale 20), for a hero of 40 skills and one of about 300
// entries. Every action a person takes should finish well inside one screen frame (16 ms).
//
// Benchmarks named Name/S/H run on scale S with hero H (40 or 300).

#include "BenchSupport.h"

#include "files/HeroSheet.h"
#include "hero/SpeciesChoice.h"
#include "roster/Roster.h"

#include <algorithm>

#include <benchmark/benchmark.h>

namespace {

using bench::BenchApp;
namespace fs = std::filesystem;

// The hero of a benchmark's second argument.
void BuildHero(BenchApp& app, const benchmark::State& state) {
    if (state.range(1) >= 300)
        app.BuildLargeHero();
    else
        app.BuildFortySkillHero();
}

void HeroArguments(benchmark::internal::Benchmark* b) {
    b->Args({1, 40})->Args({1, 300})->Args({20, 300});
}

void BM_StartUp(benchmark::State& state) {
    BenchApp app(static_cast<int>(state.range(0)), false);
    for (auto _ : state) {
        HeroBuilder builder(app.prompter, *app.paths);
        benchmark::DoNotOptimize(builder.Start());
        app.prompter.Clear();
    }
}
BENCHMARK(BM_StartUp)->Arg(1)->Arg(20)->Unit(benchmark::kMillisecond);

// Buying the last unbought skill of the tree, and removing it again.
void BM_BuyFromTreeAndRemove(benchmark::State& state) {
    BenchApp app(static_cast<int>(state.range(0)));
    BuildHero(app, state);
    const int node = app.UnboughtSkillNode();
    for (auto _ : state) {
        const int row = app.builder->Skills().BuySkill(node);
        app.builder->Skills().RemoveSkill(row);
    }
    state.counters["rows"] = static_cast<double>(app.builder->Skills().TableRowCount());
}
BENCHMARK(BM_BuyFromTreeAndRemove)->Apply(HeroArguments)->Unit(benchmark::kMicrosecond);

void BM_RaiseAndLowerRank(benchmark::State& state) {
    BenchApp app(static_cast<int>(state.range(0)));
    BuildHero(app, state);
    const int row = 2;
    for (auto _ : state) {
        app.builder->Skills().RaiseRowRank(row);
        app.builder->Skills().LowerRowRank(row);
    }
}
BENCHMARK(BM_RaiseAndLowerRank)->Apply(HeroArguments)->Unit(benchmark::kMicrosecond);

void BM_TickPerk(benchmark::State& state) {
    BenchApp app(static_cast<int>(state.range(0)));
    BuildHero(app, state);
    for (auto _ : state)
        app.builder->PerksFlaws().TogglePerk(15);
}
BENCHMARK(BM_TickPerk)->Apply(HeroArguments)->Unit(benchmark::kMicrosecond);

void BM_AttributeChange(benchmark::State& state) {
    BenchApp app(static_cast<int>(state.range(0)));
    BuildHero(app, state);
    int score = 10;
    for (auto _ : state) {
        score = score == 10 ? 11 : 10;
        app.builder->Attributes().SetScore(attINT, score);
    }
}
BENCHMARK(BM_AttributeChange)->Apply(HeroArguments)->Unit(benchmark::kMicrosecond);

// Choosing the last species of the list, then the one before it (the skill list is kept).
void BM_ChooseLastSpecies(benchmark::State& state) {
    BenchApp app(static_cast<int>(state.range(0)));
    BuildHero(app, state);
    const int last = static_cast<int>(app.builder->Views().Choice(kSpeciesChoice).items.size()) - 1;
    int species = last;
    for (auto _ : state) {
        species = species == last ? last - 1 : last;
        app.builder->ChooseSpecies(species);
        app.prompter.Clear();
    }
}
BENCHMARK(BM_ChooseLastSpecies)->Apply(HeroArguments)->Unit(benchmark::kMicrosecond);

void BM_ProfessionChange(benchmark::State& state) {
    BenchApp app(static_cast<int>(state.range(0)));
    BuildHero(app, state);
    int profession = 0;
    for (auto _ : state) {
        profession = profession == 0 ? 5 : 0;
        app.builder->ChooseProfession(profession);
    }
}
BENCHMARK(BM_ProfessionChange)->Apply(HeroArguments)->Unit(benchmark::kMicrosecond);

// The equipment filter: a category, then one of its subcategories.
void BM_EquipmentFilter(benchmark::State& state) {
    BenchApp app(static_cast<int>(state.range(0)));
    BuildHero(app, state);
    const auto& categories = app.builder->Views().Choice(kEquipmentCategoryChoice).items;
    const std::string category = categories.empty() ? std::string() : categories.front();
    for (auto _ : state) {
        app.builder->Gear().ChooseCategory(category);
        const auto& subcategories = app.builder->Views().Choice(kEquipmentSubcategoryChoice).items;
        if (!subcategories.empty()) app.builder->Gear().ChooseSubcategory(subcategories.front());
    }
}
BENCHMARK(BM_EquipmentFilter)->Apply(HeroArguments)->Unit(benchmark::kMicrosecond);

void BM_SourceToggle(benchmark::State& state) {
    BenchApp app(static_cast<int>(state.range(0)));
    BuildHero(app, state);
    for (auto _ : state) {
        app.builder->ToggleSource(1); // the answer to "Make this the default?" is No
        app.prompter.Clear();
    }
}
BENCHMARK(BM_SourceToggle)->Apply(HeroArguments)->Unit(benchmark::kMillisecond);

// Open and save of the large hero, together and apart.
void BM_OpenAndSaveLargeHero(benchmark::State& state) {
    BenchApp app(static_cast<int>(state.range(0)));
    const fs::path hero = app.SaveLargeHero();
    const fs::path copy = app.root / "copy.xml";
    for (auto _ : state) {
        app.files->LoadHeroFile(hero);
        app.files->SaveHeroFile(copy);
        app.prompter.Clear();
    }
    state.counters["bytes"] = static_cast<double>(fs::file_size(hero));
}
BENCHMARK(BM_OpenAndSaveLargeHero)->Arg(1)->Arg(20)->Unit(benchmark::kMillisecond);

void BM_OpenLargeHero(benchmark::State& state) {
    BenchApp app(static_cast<int>(state.range(0)));
    const fs::path hero = app.SaveLargeHero();
    for (auto _ : state) {
        app.files->LoadHeroFile(hero);
        app.prompter.Clear();
    }
}
BENCHMARK(BM_OpenLargeHero)->Arg(1)->Arg(20)->Unit(benchmark::kMillisecond);

void BM_SaveLargeHero(benchmark::State& state) {
    BenchApp app(static_cast<int>(state.range(0)));
    const fs::path copy = app.root / "copy.xml";
    app.BuildLargeHero();
    for (auto _ : state)
        app.files->SaveHeroFile(copy);
}
BENCHMARK(BM_SaveLargeHero)->Arg(1)->Arg(20)->Unit(benchmark::kMillisecond);

// The roster of the three example heroes: each opened and added, then the page written.
// The hero sheet of the 300-entry hero, both layouts (the zero-level one lists every skill).
void BM_HeroSheet(benchmark::State& state) {
    BenchApp app(1);
    app.files->LoadHeroFile(app.SaveLargeHero());
    const fs::path sheet = app.root / "sheet.html";
    const bool zeroLevel = state.range(0) != 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(WriteHeroSheet(*app.builder, sheet, zeroLevel));
        app.prompter.Clear();
    }
    state.counters["bytes"] = static_cast<double>(fs::file_size(sheet));
}
BENCHMARK(BM_HeroSheet)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_RosterPage(benchmark::State& state) {
    BenchApp app(1, false);
    const fs::path examples = fs::path(TAVORN_SOURCE_DIR) / "examples";
    std::vector<fs::path> heroes;
    for (const auto& entry : fs::directory_iterator(examples))
        if (entry.path().extension() == ".xml") heroes.push_back(entry.path());
    std::sort(heroes.begin(), heroes.end());
    const fs::path page = app.root / "Roster.html";
    for (auto _ : state) {
        Roster roster(app.prompter, *app.paths);
        for (const fs::path& hero : heroes) {
            app.files->LoadHeroFile(hero);
            roster.AddRow(HeroRosterRow(app.builder->Hero().HeroName, app.builder->Views()));
        }
        benchmark::DoNotOptimize(roster.WritePage(page));
        app.prompter.Clear();
    }
}
BENCHMARK(BM_RosterPage)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
