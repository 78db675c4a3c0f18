// The sample heroes of examples/, on the bundled catalogues: each opens without an import
// message and writes back its own bytes, and the full-roster hero leaves no section of the
// hero file and no page of the builder empty.

#include "BuilderTest.h"

#include <algorithm>
#include <filesystem>
#include <iterator>
#include <sstream>

namespace {

namespace fs = std::filesystem;

const fs::path kExamples = fs::path(TAVORN_SOURCE_DIR) / "examples";
const fs::path kFullHero = kExamples / "veyra-sollenmark.xml";

// A builder started on the bundled catalogues in a folder of its own, as "tavorn-cli" starts
// one for each file it reads.
class ExampleHero : public ::testing::Test {
protected:
    void SetUp() override { app.CopyBundledData(); }

    // Opens `path` in a freshly started program, as the first file it opens.
    void OpenFresh(const fs::path& path) {
        files.reset();
        builder.reset();
        paths.emplace(app.Root());
        builder.emplace(prompter, *paths);
        files.emplace(*builder);
        ASSERT_TRUE(builder->Start());
        ASSERT_TRUE(files->OpenPath(path)) << path;
    }
    void ExpectCleanImport() {
        EXPECT_EQ(files->ImportErrors(), Strings{});
        EXPECT_TRUE(files->XmlErrors().empty());
    }

    TempAppDir app;
    ScriptedPrompter prompter;
    std::optional<AppPaths> paths;
    std::optional<HeroBuilder> builder;
    std::optional<HeroFiles> files;
};

std::vector<fs::path> HeroExamples() {
    std::vector<fs::path> heroes;
    for (const auto& entry : fs::directory_iterator(kExamples))
        if (entry.is_regular_file() && entry.path().extension() == ".xml")
            heroes.push_back(entry.path());
    std::sort(heroes.begin(), heroes.end());
    return heroes;
}

bool Contains(const Strings& list, const std::string& item) {
    return std::find(list.begin(), list.end(), item) != list.end();
}

// The element names that open lines of a hero file (after their indent), in file order,
// each once.
Strings ElementsOf(const std::string& text) {
    Strings names;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        const std::string line = text.substr(start, end - start);
        const std::size_t open = line.find_first_not_of(' ');
        if (open != std::string::npos && line[open] == '<' && open + 1 < line.size() &&
            line[open + 1] != '/' && line[open + 1] != '?') {
            const std::size_t nameEnd = line.find_first_of(" />", open + 1);
            std::string name = line.substr(open + 1, nameEnd - open - 1);
            if (!Contains(names, name)) names.push_back(std::move(name));
        }
        start = end + 1;
    }
    return names;
}

// Where two file texts part: empty when they are the same, else the first line that differs
// in each (a whole file in a failure message hides the one line that matters).
std::string Difference(const std::string& expected, const std::string& actual) {
    if (expected == actual) return "";
    std::istringstream a(expected), b(actual);
    std::string lineA, lineB;
    for (int number = 1;; ++number) {
        const bool moreA = static_cast<bool>(std::getline(a, lineA));
        const bool moreB = static_cast<bool>(std::getline(b, lineB));
        if (!moreA && !moreB) return "the texts differ only past their last line break";
        if (!moreA || !moreB || lineA != lineB)
            return "line " + std::to_string(number) + ": expected \"" + (moreA ? lineA : "") +
                   "\", written \"" + (moreB ? lineB : "") + "\"";
    }
}

TEST_F(ExampleHero, EachOpensCleanlyAndSavesItsOwnBytesTwice) {
    const std::vector<fs::path> heroes = HeroExamples();
    ASSERT_NE(std::find(heroes.begin(), heroes.end(), kFullHero), heroes.end()) << kFullHero;
    for (const fs::path& hero : heroes) {
        SCOPED_TRACE(hero.string());
        OpenFresh(hero);
        ExpectCleanImport();
        const std::string original = ReadWholeFile(hero);
        const fs::path saved = app.Root() / "saved.xml";
        ASSERT_TRUE(files->SaveHeroFile(saved));
        EXPECT_EQ(Difference(original, ReadWholeFile(saved)), "");

        // What the program wrote reads back into the same hero: a second round is stable.
        OpenFresh(saved);
        ExpectCleanImport();
        EXPECT_EQ(Difference(original, files->HeroFileText()), "");
        EXPECT_FALSE(builder->Document().Changed());
    }
}

TEST_F(ExampleHero, FullRosterHeroWritesEverySectionOfTheFile) {
    // Every element a hero-mode file may hold on a line of its own; the sections written only
    // when they have entries (achievements, wealth, skill point adjustments) among them.
    std::istringstream names(
        "HeroData Sources Source Hero Name ActionStep STR DEX CON INT WIL PER FreeSkills "
        "FreeSkill SpecialItems SpecialItem HeroAttributes Abilities ActionCheck Movement "
        "Durability Stun Wound Mortal Fatigue Advancement Skills CashedOutSkill Skill Perks Perk "
        "Flaws Flaw PsionicSkills PsionicSkill Equipment EquipmentList EquipmentItem Cyberware "
        "CyberItem Mutations Advantage Drawback FX FXSkill Achievements Achievement Benefit "
        "SpecialNotes Notes Note Wealth Account AccountDetail LastResortPoints LastResortPoint "
        "SkillPointAdjustments SkillPointAdj");
    const Strings expected{std::istream_iterator<std::string>(names), {}};
    const std::string text = ReadWholeFile(kFullHero);
    const Strings written = ElementsOf(text);
    for (const std::string& name : expected)
        EXPECT_TRUE(Contains(written, name)) << name;

    // The attributes that only some heroes carry.
    for (const char* marker : {" Specialization=\"", "<Cyberware Skill=\"True\">",
                               " Active=\"True\"", " Detail=\"", " Ammo=\"", " AP=\""})
        EXPECT_NE(text.find(marker), std::string::npos) << marker;
}

TEST_F(ExampleHero, FullRosterHeroFillsEveryPage) {
    OpenFresh(kFullHero);
    ExpectCleanImport();
    const THero& hero = builder->Hero();

    for (const std::string* field :
         {&hero.HeroName, &hero.Player, &hero.GameMaster, &hero.Career, &hero.Gender,
          &hero.Motivation, &hero.MoralAttitude, &hero.Trait1, &hero.Trait2, &hero.FreeNotes})
        EXPECT_FALSE(field->empty());
    EXPECT_GE(hero.ProfessionIndex, 0);
    EXPECT_GE(hero.SpeciesIndex, 0);
    EXPECT_GE(hero.Specialization, 0);

    const auto selected = [](const auto& list) {
        return std::count_if(list.begin(), list.end(),
                             [](const auto& entry) { return entry.Selected; });
    };
    EXPECT_FALSE(hero.CashedOutSkills.empty());
    EXPECT_GE(selected(hero.SkillInstances), 2);
    EXPECT_GT(selected(hero.Psionics), 0);
    EXPECT_GT(selected(hero.Perks), 0);
    EXPECT_GT(selected(hero.Flaws), 0);
    EXPECT_TRUE(std::any_of(hero.FXSkills.begin(), hero.FXSkills.end(),
                            [](const TFX& fx) { return fx.Selected && fx.Active; }));
    for (const char* category : {"Weapons", "Armor"})
        EXPECT_TRUE(std::any_of(
            hero.Equipment.begin(), hero.Equipment.end(),
            [category](const TEquipmentItem& item) { return item.Category == category; }))
            << category;
    EXPECT_TRUE(hero.CyberSkill);
    EXPECT_FALSE(hero.Cyberware.empty());
    EXPECT_FALSE(hero.Advantages.empty());
    EXPECT_FALSE(hero.Drawbacks.empty());
    EXPECT_FALSE(hero.AchievementEntries.empty());
    EXPECT_FALSE(hero.Benefits.empty());
    ASSERT_FALSE(hero.Accounts.empty());
    for (const TAccount& account : hero.Accounts)
        EXPECT_FALSE(account.Entries.empty()) << account.Name;
    EXPECT_FALSE(hero.LastResortEntries.empty());
    EXPECT_FALSE(hero.SkillPointAdjustments.empty());

    // Nothing the file holds is beyond what the hero may spend.
    EXPECT_GE(hero.SkillPointBudget.StartingPoints, hero.SkillPointBudget.PointsUsed);
    EXPECT_GE(hero.SkillPointBudget.MaxBroadSkills, hero.SkillPointBudget.BroadSkillsUsed);
}

} // namespace
