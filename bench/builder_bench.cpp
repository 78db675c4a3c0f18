// How long the hero builder's operations take on the bundled catalogues. Every action a
// person takes should finish well inside one screen frame (16 ms).

#include "app/HeroBuilder.h"
#include "app/ScriptedPrompter.h"
#include "files/HeroFiles.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>

namespace fs = std::filesystem;

namespace {

// A program folder holding a copy of the bundled catalogues, removed at the end.
struct BenchApp {
    fs::path root;
    ScriptedPrompter prompter;
    std::unique_ptr<AppPaths> paths;
    std::unique_ptr<HeroBuilder> builder;
    std::unique_ptr<HeroFiles> files;

    BenchApp() {
        root =
            fs::temp_directory_path() / ("tavorn-bench-" + std::to_string(std::random_device{}()));
        fs::create_directories(root);
        fs::copy(fs::path(TAVORN_SOURCE_DIR) / "Data", root / "Data", fs::copy_options::recursive);
        paths = std::make_unique<AppPaths>(root);
        builder = std::make_unique<HeroBuilder>(prompter, *paths);
        builder->Start();
        files = std::make_unique<HeroFiles>(*builder);
    }
    ~BenchApp() {
        files.reset();
        builder.reset();
        std::error_code error;
        fs::remove_all(root, error);
    }

    // A hero with a species, a profession and a score of skills, several raised.
    void BuildHero() {
        builder->ChooseSpecies(1);
        builder->ChooseProfession(0);
        int bought = 0;
        for (int node = 0; node < static_cast<int>(builder->Hero().Skills.size()) && bought < 20;
             node += 7, ++bought) {
            if (builder->Hero().Skills[static_cast<std::size_t>(node)].Multi) continue;
            builder->Skills().BuySkill(node);
            builder->Skills().RaiseSkillRank(
                builder->Hero().Skills[static_cast<std::size_t>(node)].Name);
        }
        prompter.Clear();
    }
};

void BM_StartUp(benchmark::State& state) {
    BenchApp app;
    for (auto _ : state) {
        HeroBuilder builder(app.prompter, *app.paths);
        benchmark::DoNotOptimize(builder.Start());
    }
}
BENCHMARK(BM_StartUp)->Unit(benchmark::kMillisecond);

void BM_AttributeChange(benchmark::State& state) {
    BenchApp app;
    app.BuildHero();
    int score = 10;
    for (auto _ : state) {
        score = score == 10 ? 11 : 10;
        app.builder->Attributes().SetScore(attINT, score);
    }
}
BENCHMARK(BM_AttributeChange)->Unit(benchmark::kMicrosecond);

void BM_RaiseAndLowerSkill(benchmark::State& state) {
    BenchApp app;
    app.BuildHero();
    const int row = 2;
    for (auto _ : state) {
        app.builder->Skills().RaiseRowRank(row);
        app.builder->Skills().LowerRowRank(row);
    }
}
BENCHMARK(BM_RaiseAndLowerSkill)->Unit(benchmark::kMicrosecond);

void BM_ProfessionChange(benchmark::State& state) {
    BenchApp app;
    app.BuildHero();
    int profession = 0;
    for (auto _ : state) {
        profession = profession == 0 ? 5 : 0;
        app.builder->ChooseProfession(profession);
    }
}
BENCHMARK(BM_ProfessionChange)->Unit(benchmark::kMicrosecond);

void BM_SourceToggle(benchmark::State& state) {
    BenchApp app;
    app.BuildHero();
    for (auto _ : state) {
        app.builder->ToggleSource(1); // the answer to "Make this the default?" is No
        app.prompter.Clear();
    }
}
BENCHMARK(BM_SourceToggle)->Unit(benchmark::kMillisecond);

void BM_OpenAndSaveHero(benchmark::State& state) {
    BenchApp app;
    const fs::path hero = fs::path(TAVORN_SOURCE_DIR) / "examples" / "aerlithi-courier.xml";
    const fs::path copy = app.root / "hero.xml";
    for (auto _ : state) {
        app.files->LoadHeroFile(hero);
        app.files->SaveHeroFile(copy);
        app.prompter.Clear();
    }
}
BENCHMARK(BM_OpenAndSaveHero)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
