// The configuration load (every catalogue that follows the sources read again, the hero's
// choices put back, the views recomputed) against its floor: one bare libxml2 SAX pass over
// the bytes of the same catalogues, timed in the same run. The `ratio` counter is the load's
// time over the floor's.

#include "BenchSupport.h"

#include <libxml/parser.h>

#include <benchmark/benchmark.h>

#include <ctime>
#include <fstream>
#include <iterator>

namespace {

using bench::BenchApp;
namespace fs = std::filesystem;
// CPU time of the calling thread, in seconds.
double ThreadSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

std::vector<std::string> CatalogueBytes(const fs::path& dataDir) {
    std::vector<std::string> files;
    for (const char* name : bench::kLoadedCatalogues) {
        std::ifstream in(dataDir / name, std::ios::binary);
        files.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    return files;
}

// One SAX pass that only counts elements: what reading the bytes costs at the least.
int SaxPass(const std::vector<std::string>& files) {
    int elements = 0;
    xmlSAXHandler sax{};
    sax.startElement = [](void* count, const xmlChar*, const xmlChar**) {
        ++*static_cast<int*>(count);
    };
    sax.endElement = [](void*, const xmlChar*) {};
    sax.characters = [](void*, const xmlChar*, int) {};
    for (const std::string& bytes : files)
        xmlSAXUserParseMemory(&sax, &elements, bytes.data(), static_cast<int>(bytes.size()));
    return elements;
}

// Seconds per SAX pass, from enough passes to fill a tenth of a second.
double FloorSeconds(const std::vector<std::string>& files) {
    int passes = 0;
    const double start = ThreadSeconds();
    double spent = 0;
    while (passes < 10 || spent < 0.1) {
        benchmark::DoNotOptimize(SaxPass(files));
        ++passes;
        spent = ThreadSeconds() - start;
    }
    return spent / passes;
}

void BM_SaxFloor(benchmark::State& state) {
    const auto files = CatalogueBytes(bench::DataFolder(static_cast<int>(state.range(0))));
    for (auto _ : state)
        benchmark::DoNotOptimize(SaxPass(files));
}
BENCHMARK(BM_SaxFloor)->Arg(1)->Arg(20)->Unit(benchmark::kMillisecond);

void BM_ConfigurationLoad(benchmark::State& state) {
    const int scale = static_cast<int>(state.range(0));
    BenchApp app(scale);
    app.BuildFortySkillHero();
    const auto files = CatalogueBytes(app.root / "Data");
    const double floor = FloorSeconds(files);
    double spent = 0;
    for (auto _ : state) {
        const double start = ThreadSeconds();
        app.builder->ReloadCatalogues();
        spent += ThreadSeconds() - start;
        app.prompter.Clear();
    }
    const double perLoad = spent / static_cast<double>(state.iterations());
    state.counters["floor_ms"] = floor * 1e3;
    state.counters["ratio"] = perLoad / floor;
}
BENCHMARK(BM_ConfigurationLoad)->Arg(1)->Arg(20)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
