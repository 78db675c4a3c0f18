#pragma once
// What the benchmarks share: a throw-away program folder holding the bundled catalogues or a
// scaled copy of them, a started builder on it with every source in play, and the two heroes
// the operations are timed on (40 skills, and about 300 entries of every kind).

#include "app/HeroBuilder.h"
#include "app/ScriptedPrompter.h"
#include "files/HeroFiles.h"
#include "gear/Equipment.h"

#include <filesystem>
#include <memory>
#include <random>
#include <string>

namespace bench {

namespace fs = std::filesystem;

// The catalogues copied into a bench folder: 1 = the bundled Data/, 20 = the 20x copy the
// build writes with tools/scale-data.py.
inline fs::path DataFolder(int scale) {
    if (scale == 1) return fs::path(TAVORN_SOURCE_DIR) / "Data";
    return fs::path(TAVORN_BENCH_DATA_DIR) / ("x" + std::to_string(scale));
}

// Every file of a data folder that the configuration load reads.
inline const char* const kLoadedCatalogues[] = {
    "config.xml",   "species.xml",   "skills.xml",    "psionics.xml",  "perksnflaws.xml",
    "benefits.xml", "mutations.xml", "cyberware.xml", "equipment.xml", "fx.xml"};

struct BenchApp {
    fs::path root;
    ScriptedPrompter prompter;
    std::unique_ptr<AppPaths> paths;
    std::unique_ptr<HeroBuilder> builder;
    std::unique_ptr<HeroFiles> files;

    explicit BenchApp(int scale = 1, bool allSources = true) {
        root =
            fs::temp_directory_path() / ("tavorn-bench-" + std::to_string(std::random_device{}()));
        fs::create_directories(root);
        fs::copy(DataFolder(scale), root / "Data", fs::copy_options::recursive);
        paths = std::make_unique<AppPaths>(root);
        builder = std::make_unique<HeroBuilder>(prompter, *paths);
        builder->Start();
        files = std::make_unique<HeroFiles>(*builder);
        if (allSources) {
            const auto& entries = builder->Rules().sources.Entries();
            for (std::size_t i = 0; i < entries.size(); ++i)
                if (!entries[i].checked) builder->ToggleSource(i);
        }
        prompter.Clear();
    }
    ~BenchApp() {
        files.reset();
        builder.reset();
        std::error_code error;
        fs::remove_all(root, error);
    }
    BenchApp(const BenchApp&) = delete;
    BenchApp& operator=(const BenchApp&) = delete;

    THero& Hero() { return builder->Hero(); }

    // The index of the last offered skill that is neither bought nor Multi, or -1.
    int UnboughtSkillNode() const {
        const auto& skills = builder->Hero().Skills;
        for (int i = static_cast<int>(skills.size()) - 1; i >= 0; --i)
            if (!skills[static_cast<std::size_t>(i)].Selected &&
                !skills[static_cast<std::size_t>(i)].Multi)
                return i;
        return -1;
    }

    // A hero with a species, a profession and `count` skills bought at rank 2.
    void BuySkills(int count) {
        int bought = 0;
        const std::vector<TSkillItem> offered = builder->Hero().Skills;
        for (std::size_t i = 0; i < offered.size() && bought < count; ++i) {
            if (offered[i].Multi || offered[i].Selected) continue;
            if (builder->Skills().AddSkill(offered[i].Name, "", 2)) ++bought;
        }
    }

    void BuildFortySkillHero() {
        builder->ChooseSpecies(0);
        builder->ChooseProfession(0);
        BuySkills(40);
        prompter.Clear();
    }

    // About 300 entries: 150 skills, 30 instances of Multi skills, 20 perks and flaws, 90
    // items carried and 10 pieces of cyberware.
    void BuildLargeHero() {
        builder->ChooseSpecies(0);
        builder->ChooseProfession(0);
        HeroDocument::Operation operation(builder->Document());
        BuySkills(150);
        int instances = 0;
        const std::vector<TSkillItem> offered = builder->Hero().Skills;
        for (const TSkillItem& skill : offered)
            for (int detail = 0; skill.Multi && detail < 6 && instances < 30; ++detail, ++instances)
                builder->Skills().AddSkill(skill.Name, "Field " + std::to_string(detail), 1);
        for (int i = 0; i < 10; ++i) {
            builder->PerksFlaws().TogglePerk(i);
            builder->PerksFlaws().ToggleFlaw(i);
        }
        const auto items = ReadEquipmentCatalogue(paths->InDataDir("equipment.xml"));
        for (std::size_t i = 0; i < 90 && !items.empty(); ++i)
            builder->Gear().AddEquipment(items[i % items.size()]);
        for (int i = 0; i < 10; ++i)
            builder->Cyber().Install(1 + i);
        prompter.Clear();
    }

    // The large hero saved once, for the benchmarks that open it.
    fs::path SaveLargeHero() {
        BuildLargeHero();
        const fs::path file = root / "large-hero.xml";
        files->SaveHeroFile(file);
        prompter.Clear();
        return file;
    }
};

} // namespace bench
