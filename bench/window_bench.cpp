// Operations as the person sees them: the real main window, offscreen, with the large hero
// (about 300 entries) open; each iteration runs one operation and lets the window repaint
// what changed before the next.

#include "BenchSupport.h"

#include "app/Pages.h"
#include "app/ui/AppWindows.h"
#include "app/ui/TFrmMain.h"
#include "hero/SpeciesChoice.h"

#include <QApplication>
#include <QWidget>

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

using bench::BenchApp;

// The program's windows on a bench folder, with the large hero open on `page`.
struct Window {
    BenchApp app; // writes the large hero and holds the folder
    std::filesystem::path hero;
    ScriptedPrompter prompter;
    HeroBuilder builder;
    AppWindows windows;

    Window(int scale, int page)
        : app(scale), hero(app.SaveLargeHero()), builder(prompter, *app.paths),
          windows(builder, prompter, *app.paths) {
        windows.main->Files().LoadHeroFile(hero);
        windows.main->ShowPage(page);
        windows.main->resize(1200, 800);
        windows.main->show();
        Repaint();
        prompter.Clear();
    }

    // Delivers the posted events, the repaints of the changed widgets among them.
    static void Repaint() {
        QApplication::sendPostedEvents();
        QApplication::processEvents();
    }
};

int PageOf(const char* caption) {
    for (int i = 0; i < static_cast<int>(kPageCaptions.size()); ++i)
        if (kPageCaptions[static_cast<std::size_t>(i)].find(caption) != std::string_view::npos)
            return i;
    return 0;
}

void BM_WindowRaiseRank(benchmark::State& state) {
    Window window(static_cast<int>(state.range(0)), PageOf("Skills"));
    int step = 0;
    for (auto _ : state) {
        if (++step % 2)
            window.builder.Skills().RaiseRowRank(2);
        else
            window.builder.Skills().LowerRowRank(2);
        Window::Repaint();
    }
}
BENCHMARK(BM_WindowRaiseRank)->Arg(1)->Arg(20)->Unit(benchmark::kMillisecond);

void BM_WindowAttributeChange(benchmark::State& state) {
    Window window(static_cast<int>(state.range(0)), PageOf("Skills"));
    int score = 10;
    for (auto _ : state) {
        score = score == 10 ? 11 : 10;
        window.builder.Attributes().SetScore(attINT, score);
        Window::Repaint();
    }
}
BENCHMARK(BM_WindowAttributeChange)->Arg(1)->Arg(20)->Unit(benchmark::kMillisecond);

void BM_WindowBuyFromTree(benchmark::State& state) {
    Window window(static_cast<int>(state.range(0)), PageOf("Skills"));
    int node = -1;
    const auto& skills = window.builder.Hero().Skills;
    for (int i = static_cast<int>(skills.size()) - 1; i >= 0 && node < 0; --i)
        if (!skills[static_cast<std::size_t>(i)].Selected &&
            !skills[static_cast<std::size_t>(i)].Multi)
            node = i;
    for (auto _ : state) {
        const int row = window.builder.Skills().BuySkill(node);
        Window::Repaint();
        window.builder.Skills().RemoveSkill(row);
        Window::Repaint();
    }
}
BENCHMARK(BM_WindowBuyFromTree)->Arg(1)->Arg(20)->Unit(benchmark::kMillisecond);

void BM_WindowTickPerk(benchmark::State& state) {
    Window window(static_cast<int>(state.range(0)), PageOf("Perks"));
    for (auto _ : state) {
        window.builder.PerksFlaws().TogglePerk(15);
        Window::Repaint();
    }
}
BENCHMARK(BM_WindowTickPerk)->Arg(1)->Arg(20)->Unit(benchmark::kMillisecond);

void BM_WindowChooseLastSpecies(benchmark::State& state) {
    Window window(static_cast<int>(state.range(0)), 0);
    const int last =
        static_cast<int>(window.builder.Views().Choice(kSpeciesChoice).items.size()) - 1;
    int species = last;
    for (auto _ : state) {
        species = species == last ? last - 1 : last;
        window.builder.ChooseSpecies(species);
        Window::Repaint();
        window.prompter.Clear();
    }
}
BENCHMARK(BM_WindowChooseLastSpecies)->Arg(1)->Arg(20)->Unit(benchmark::kMillisecond);

void BM_WindowOpenLargeHero(benchmark::State& state) {
    Window window(static_cast<int>(state.range(0)), PageOf("Skills"));
    for (auto _ : state) {
        window.windows.main->Files().LoadHeroFile(window.hero);
        Window::Repaint();
        window.prompter.Clear();
    }
}
BENCHMARK(BM_WindowOpenLargeHero)->Arg(1)->Arg(20)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
