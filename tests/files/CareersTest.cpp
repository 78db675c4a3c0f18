// Career templates: "Save As Career" with its dialog's checks, the careers folder scan, "Load
// Career", and the template file as written and read back.

#include "HeroFileFixture.h"

#include "files/Careers.h"

#include <deque>
#include <fstream>

namespace files_test {
namespace {

namespace fs = std::filesystem;

// The two dialogs, played from queues. Each queued form is one click on "Save": the dialog
// closes once the checks pass, and is cancelled when no click is left.
struct ScriptedCareerDialogs : CareerDialogs {
    std::deque<CareerForm> saveClicks;
    std::deque<std::optional<int>> loadRows; // the row chosen in the list; none = Cancel

    std::vector<Strings> offeredSources;
    std::vector<CareerField> focused;
    std::vector<Strings> listed; // the lines of each load dialog shown

    std::optional<CareerTemplateChoice>
    AskCareerTemplate(const std::vector<std::string>& sources,
                      const std::function<CareerFormCheck(const CareerForm&)>& check) override {
        offeredSources.push_back(sources);
        while (!saveClicks.empty()) {
            const CareerForm form = saveClicks.front();
            saveClicks.pop_front();
            const CareerFormCheck result = check(form);
            if (result.focus == CareerField::None) return CareerTemplateChoice{form, result.path};
            focused.push_back(result.focus);
        }
        return std::nullopt;
    }

    std::optional<fs::path> ChooseCareer(const std::vector<TCareer>& careers) override {
        Strings lines;
        for (const TCareer& career : careers)
            lines.push_back(CareerLine(career));
        listed.push_back(lines);
        if (loadRows.empty() || !loadRows.front()) return std::nullopt;
        const int row = *loadRows.front();
        loadRows.pop_front();
        return fs::path(careers.at(static_cast<std::size_t>(row)).Path);
    }
};

class CareersTest : public HeroFileTest {
protected:
    void SetUp() override {
        HeroFileTest::SetUp();
        careers.emplace(*builder, Files());
    }

    // "Save As Career" with the dialog filled once.
    CareerTemplates::SaveOutcome SaveCareer(const std::string& name, const std::string& source,
                                            const std::string& description) {
        dialogs.saveClicks.push_back({name, source, description});
        return careers->SaveAsCareer(dialogs);
    }
    std::string CareerFile(const std::string& fileName) const {
        return app.Read("careers/" + fileName);
    }

    std::optional<CareerTemplates> careers;
    ScriptedCareerDialogs dialogs;
};

TEST(CareerFileNameTest, KeepsLettersDigitsAndDashesOfSourceAndName) {
    EXPECT_EQ(CareerFileName("Core", "Deep Scout!"), "Core_DeepScout.xml");
    EXPECT_EQ(CareerFileName("Outer Reaches", "Zero-G Rigger #2"),
              "OuterReaches_Zero-GRigger2.xml");
    // Nothing that could leave the folder or hide the extension survives.
    EXPECT_EQ(CareerFileName("../Core", "a/b\\c.d \u00E9t\u00E9"), "Core_abcdt.xml");
}

TEST_F(CareersTest, SavingWantsAProfessionFirstAndTouchesNothing) {
    ChooseSpecies("Terran");
    EXPECT_EQ(SaveCareer("Scout", "Core", "Looks ahead"),
              CareerTemplates::SaveOutcome::NoProfession);
    EXPECT_EQ(prompter.Texts(Kind::Error), Strings{"Select a profession first"});
    EXPECT_TRUE(dialogs.offeredSources.empty()); // no dialog
    EXPECT_FALSE(app.Exists("careers"));
    EXPECT_TRUE(builder->Changed());
}

TEST_F(CareersTest, SaveDialogChecksNameSourceAndDescriptionInThatOrder) {
    ChooseProfession("Tech Op");
    ClickSource("Outer Reaches");
    prompter.Clear();
    dialogs.saveClicks = {{"", "", ""},
                          {"Scout", "", ""},
                          {"Scout", "Core", ""},
                          {"Scout", "Core", "One line\r\nand another\r\n"}};
    EXPECT_EQ(careers->SaveAsCareer(dialogs), CareerTemplates::SaveOutcome::Saved);
    EXPECT_EQ(dialogs.offeredSources, (std::vector<Strings>{{"Core", "Outer Reaches"}}));
    EXPECT_EQ(prompter.Texts(Kind::Error),
              (Strings{"Enter a name for the template", "Select a source",
                       "Please enter a description for the template"}));
    EXPECT_EQ(dialogs.focused,
              (std::vector{CareerField::Name, CareerField::Source, CareerField::Description}));
    EXPECT_EQ(prompter.Texts(Kind::Plain), Strings{"File Saved"});
    // Both sources in play are written; the description follows the hero element, one line
    // each.
    const Strings lines = Lines(CareerFile("Core_Scout.xml"));
    ASSERT_GT(lines.size(), 9u);
    EXPECT_EQ(lines[4], R"(  <Source Name="Outer Reaches" />)");
    EXPECT_EQ(lines[6].substr(0, 6), "<Hero ");
    EXPECT_EQ(lines[7], R"(<CareerNote Text="One line" />)");
    EXPECT_EQ(lines[8], R"(<CareerNote Text="and another" />)");
    EXPECT_EQ(lines[9].substr(0, 8), "<Skills ");
}

TEST_F(CareersTest, SavingAgainAsksBeforeReplacingTheTemplate) {
    ChooseProfession("Tech Op");
    ASSERT_EQ(SaveCareer("Deep Scout!", "Core", "First"), CareerTemplates::SaveOutcome::Saved);
    const std::string first = CareerFile("Core_DeepScout.xml");
    ASSERT_FALSE(first.empty());

    // "No": the name takes the focus, the dialog stays open and is then cancelled.
    prompter.Clear();
    prompter.confirmAnswers = {false};
    EXPECT_EQ(SaveCareer("Deep Scout", "Core", "Second"), CareerTemplates::SaveOutcome::Cancelled);
    EXPECT_EQ(prompter.Texts(Kind::Confirm),
              Strings{"This template conflicts with an existing template.\r"
                      "Overwrite existing template?"});
    EXPECT_EQ(dialogs.focused, std::vector{CareerField::Name});
    EXPECT_EQ(CareerFile("Core_DeepScout.xml"), first);

    // "Yes": replaced.
    prompter.confirmAnswers = {true};
    EXPECT_EQ(SaveCareer("Deep Scout", "Core", "Second"), CareerTemplates::SaveOutcome::Saved);
    EXPECT_NE(CareerFile("Core_DeepScout.xml").find(R"(<CareerNote Text="Second" />)"),
              std::string::npos);
    EXPECT_EQ(fs::directory_iterator(app.Root() / "careers")->path().filename(),
              "Core_DeepScout.xml");
}

TEST_F(CareersTest, TemplateHoldsTheCareerAndTheListsButNothingOfTheHerosOwn) {
    builder->Identity().SetText(IdentityField::HeroName, "Ria Voss");
    builder->Identity().SetText(IdentityField::Player, "Jo");
    builder->Identity().SetText(IdentityField::Career, "Her own career");
    builder->Identity().SetText(IdentityField::FreeNotes, "Carries a <spare> & more");
    builder->SetRuleSet("Lean");
    ChooseProfession("Combat Spec");
    ChooseSpecies("Skywing");
    ChooseSpecialization("Blades");
    builder->Attributes().SetScore(attDEX, 13);
    ASSERT_TRUE(builder->Skills().AddSkill("Blades", "", 2));
    builder->Skills().CashOutFreeSkill("Vigilance");
    builder->Budget().AddAdjustment(-2, "Mentor");

    ASSERT_EQ(SaveCareer("Sky \"Knife\"", "Core", "Fights on the wing\n"),
              CareerTemplates::SaveOutcome::Saved);
    const std::string text = CareerFile("Core_SkyKnife.xml");
    const Strings lines = Lines(text);
    ASSERT_GT(lines.size(), 8u);
    EXPECT_EQ(Strings(lines.begin(), lines.begin() + 7),
              (Strings{R"(<?xml version="1.0" standalone="yes"?>)", "<HeroData>", "<Sources>",
                       R"(  <Source Name="Core" />)", "</Sources>",
                       R"(<Hero Profession="Combat Spec" Species="Skywing" Ruleset="Lean" )"
                       R"(Career="Sky &quot;Knife&quot;" Source="Core">)",
                       R"(<CareerNote Text="Fights on the wing" />)"}))
        << text;
    EXPECT_EQ(lines[7].substr(0, 8), "<Skills ");
    for (const char* absent :
         {"HeroName", "PlayerName", "Her own career", "Specialization", "<Species",
          "HeroAttributes", "<Abilities>", "<ActionCheck", "<Advancement", "<Perks>", "<Flaws>"})
        EXPECT_EQ(text.find(absent), std::string::npos) << absent;
    for (const char* present :
         {R"(<CashedOutSkill Name="Vigilance"/>)", "<PsionicSkills Energy=", "<Equipment>",
          "<Cyberware>", "<Mutations>", "<FX>", R"(<Primitive ReducePenalty="False"/>)",
          "<Note>Carries a &lt;spare&gt; &amp; more</Note>",
          R"(<SkillPointAdj Amt="-2" Desc="Mentor" />)"})
        EXPECT_NE(text.find(present), std::string::npos) << present;
    EXPECT_EQ(lines.rbegin()[1], "</Hero>");
    EXPECT_EQ(lines.rbegin()[0], "</HeroData>");

    // The hero stays as it was, saved, and tied to no hero file.
    EXPECT_EQ(Hero().HeroName, "Ria Voss");
    EXPECT_EQ(Hero().Career, "Her own career");
    EXPECT_EQ(Hero().FileName, "");
    EXPECT_FALSE(builder->Changed());
}

TEST_F(CareersTest, ScanFindsEveryTemplateButListsOnlyThoseOfSourcesInPlay) {
    app.Write("careers/b_later.xml",
              R"(<HeroData><hero career="Later" source="Core"><careernote text="x"/></hero>)"
              "</HeroData>");
    app.Write("careers/A_First.XML", R"(<HeroData><Hero Career="First" Source="Core">)"
                                     R"(<CareerNote Text="one"/><CareerNote Text="two"/>)"
                                     "</Hero></HeroData>");
    app.Write("careers/OuterReaches_Drifter.xml",
              R"(<HeroData><Hero Career="Drifter" Source="Outer Reaches"/></HeroData>)");
    app.Write("careers/hero.xml", R"(<HeroData><Hero HeroName="Ria" Career="Courier">)"
                                  "</Hero></HeroData>");
    app.Write("careers/notes.txt", "not a template");
    fs::create_directories(app.Root() / "careers" / "folder.xml");

    ASSERT_TRUE(careers->FindCareers());
    const std::vector<TCareer>& found = careers->Careers();
    ASSERT_EQ(found.size(), 4u);
    EXPECT_EQ(found[0].Name, "First");
    EXPECT_EQ(found[0].Notes, (Strings{"one", "two"}));
    EXPECT_EQ(found[0].Path, (app.Root() / "careers" / "A_First.XML").string());
    EXPECT_EQ(found[1].Name, "Later"); // names compared whatever their letter case
    EXPECT_EQ(found[1].Notes, Strings{"x"});
    EXPECT_EQ(found[2].Name, "Courier"); // a hero file: no source
    EXPECT_EQ(found[2].Source, "");
    EXPECT_EQ(found[3].Name, "Drifter");

    dialogs.loadRows = {std::nullopt};
    EXPECT_FALSE(careers->LoadCareer(dialogs));
    ClickSource("Outer Reaches");
    dialogs.loadRows = {std::nullopt};
    EXPECT_FALSE(careers->LoadCareer(dialogs));
    EXPECT_EQ(dialogs.listed,
              (std::vector<Strings>{{"First (Core)", "Later (Core)"},
                                    {"First (Core)", "Later (Core)", "Drifter (Outer Reaches)"}}));
}

TEST_F(CareersTest, LoadingWithoutACareersFolderMakesItAndFindsNothing) {
    ASSERT_FALSE(app.Exists("careers"));
    EXPECT_FALSE(careers->LoadCareer(dialogs));
    EXPECT_TRUE(fs::is_directory(app.Root() / "careers"));
    EXPECT_EQ(prompter.Texts(Kind::Error), Strings{"No templates found to load"});
    EXPECT_TRUE(dialogs.listed.empty());

    // Templates there, none of a source in play: the dialog lists nothing and loads nothing.
    app.Write("careers/OuterReaches_Drifter.xml",
              R"(<HeroData><Hero Career="Drifter" Source="Outer Reaches"/></HeroData>)");
    dialogs.loadRows = {std::nullopt};
    EXPECT_FALSE(careers->LoadCareer(dialogs));
    EXPECT_EQ(dialogs.listed, std::vector<Strings>{Strings{}});
}

TEST_F(CareersTest, CareersFolderThatCannotBeMadeRefusesBothCommandsAndLosesNothing) {
    app.Write("careers", "a file where the folder belongs");
    builder->Identity().SetText(IdentityField::HeroName, "Ria");
    ChooseProfession("Tech Op");
    ASSERT_TRUE(builder->Skills().AddSkill("Lore", "", 1));
    const TableView skills = builder->Views().TableNamed("Skills");
    prompter.Clear();

    EXPECT_EQ(SaveCareer("Tinker", "Core", "Fixes"), CareerTemplates::SaveOutcome::Refused);
    EXPECT_FALSE(careers->LoadCareer(dialogs));
    const std::string error = "Unable to create \"" + (app.Root() / "careers").string() + "\"";
    EXPECT_EQ(prompter.Texts(Kind::Error), (Strings{error, error}));
    EXPECT_TRUE(dialogs.offeredSources.empty());
    EXPECT_TRUE(dialogs.listed.empty());
    EXPECT_EQ(app.Read("careers"), "a file where the folder belongs");
    EXPECT_EQ(Hero().HeroName, "Ria");
    EXPECT_EQ(builder->Views().TableNamed("Skills"), skills);
    EXPECT_TRUE(builder->Changed());
}

TEST_F(CareersTest, TemplateThatCannotBeWrittenLeavesTheHeroUnsaved) {
    ChooseProfession("Tech Op");
    prompter.fileAnswers = {Path("ria.xml")};
    ASSERT_TRUE(Files().Save());
    builder->Identity().SetText(IdentityField::HeroName, "Ria");
    fs::create_directories(app.Root() / "careers" / "Core_Tinker.xml"); // a folder in the way
    prompter.Clear();
    prompter.confirmAnswers = {true};
    EXPECT_EQ(SaveCareer("Tinker", "Core", "Fixes"), CareerTemplates::SaveOutcome::Failed);
    EXPECT_EQ(prompter.Texts(Kind::Error), Strings{"Error trying to save file"});
    EXPECT_TRUE(prompter.Texts(Kind::Plain).empty());
    EXPECT_EQ(Hero().FileName, Path("ria.xml").string());
    EXPECT_TRUE(builder->Changed());

    // Written once the way is clear: the hero no longer belongs to its hero file.
    fs::remove(app.Root() / "careers" / "Core_Tinker.xml");
    EXPECT_EQ(SaveCareer("Tinker", "Core", "Fixes"), CareerTemplates::SaveOutcome::Saved);
    EXPECT_EQ(Hero().FileName, "");
    EXPECT_FALSE(builder->Changed());
}

// A loaded template: the profession, species, rule set and skills of the template, the scores
// a fresh hero of them has, no specialization (reported where the profession has one), no
// file, unsaved.
TEST_F(CareersTest, LoadedTemplateBuildsAFreshHeroOfTheCareer) {
    struct Case {
        const char* profession;
        const char* missing; // the report of the specialization not chosen
    };
    const Case cases[] = {{"Combat Spec", "Combat Spec Specialization Not Set"},
                          {"Free Agent", "Free Agent Resistance Bonus Not Set"},
                          {"Mindwalker", "Mindwalker Specialization Not Set"},
                          {"Tech Op", nullptr}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.profession);
        fs::remove_all(app.Root() / "careers");
        ClickNew();
        // The scores of a fresh hero of this profession and species.
        ChooseProfession(c.profession);
        ChooseSpecies("Terran");
        const auto freshScores = Hero().Score;

        builder->SetRuleSet("Lean");
        for (int a = 0; a < kAttributeCount; ++a)
            builder->Attributes().SetScore(a, 12);
        if (builder->Professions().specializations.size() > 0) builder->ChooseSpecialization(0);
        builder->Identity().SetText(IdentityField::HeroName, "Ria");
        ASSERT_TRUE(builder->Skills().AddSkill("Lore", "", 1));
        ASSERT_TRUE(builder->Skills().AddSkill("Language", "Old Vey", 1));
        ASSERT_EQ(SaveCareer("Scholar", "Core", "Reads"), CareerTemplates::SaveOutcome::Saved);

        ClickNew();
        builder->SetRuleSet("Core");
        windowShown.clear();
        dialogs.loadRows = {0};
        ASSERT_TRUE(careers->LoadCareer(dialogs));
        EXPECT_EQ(builder->Professions().ChosenName(), c.profession);
        EXPECT_EQ(builder->Species().ChosenName(), "Terran");
        EXPECT_EQ(builder->RuleSet().Name, "Lean");
        EXPECT_EQ(Hero().Score, freshScores);
        EXPECT_EQ(Hero().Specialization, -1);
        EXPECT_EQ(Hero().HeroName, "");
        EXPECT_EQ(Hero().Career, "Scholar");
        EXPECT_EQ(Hero().FileName, "");
        EXPECT_TRUE(builder->Changed());
        const TableView& skills = builder->Views().TableNamed("Skills");
        Strings names;
        for (std::size_t r = 1; r < skills.size(); ++r)
            names.push_back(skills[r].at(0));
        EXPECT_NE(std::find(names.begin(), names.end(), "Lore"), names.end());
        EXPECT_EQ(Hero().SkillInstances.size(), 1u);
        if (c.missing) {
            EXPECT_EQ(Files().ImportErrors(), Strings{c.missing});
            EXPECT_EQ(windowShown, std::vector<Strings>{Strings{c.missing}});
        } else {
            EXPECT_TRUE(Files().ImportErrors().empty());
            EXPECT_TRUE(windowShown.empty());
        }
        // The new hero is unsaved: "New" asks first.
        prompter.Clear();
        prompter.confirmAnswers = {false};
        ClickNew();
        EXPECT_EQ(prompter.Texts(Kind::Confirm), Strings{"Save Changes?"});
    }
}

TEST_F(CareersTest, LoadingOverUnsavedChangesOffersToSaveThem) {
    ChooseProfession("Tech Op");
    ASSERT_EQ(SaveCareer("Tinker", "Core", "Fixes"), CareerTemplates::SaveOutcome::Saved);
    builder->Identity().SetText(IdentityField::HeroName, "Ria");
    prompter.Clear();

    prompter.askAnswers = {Answer::Cancel};
    dialogs.loadRows = {0};
    EXPECT_FALSE(careers->LoadCareer(dialogs));
    EXPECT_EQ(prompter.Texts(Kind::Confirm), Strings{"Save Changes?"});
    EXPECT_TRUE(dialogs.listed.empty());
    EXPECT_EQ(Hero().HeroName, "Ria");

    prompter.askAnswers = {Answer::No};
    EXPECT_TRUE(careers->LoadCareer(dialogs));
    EXPECT_EQ(Hero().HeroName, "");
    EXPECT_EQ(Hero().Career, "Tinker");
}

TEST_F(CareersTest, TemplateSavedLoadedAndSavedAgainIsTheSameFile) {
    ClickSource("Outer Reaches");
    builder->SetRuleSet("Lean");
    ChooseProfession("Combat Spec");
    ChooseSpecies("Skywing");
    ASSERT_TRUE(builder->Skills().AddSkill("Blades", "", 2));
    ASSERT_TRUE(builder->Skills().AddSkill("Language", "Old Vey", 1));
    ASSERT_TRUE(builder->Skills().AddSkill("Star Charts", "", 1));
    builder->Skills().CashOutFreeSkill("Vigilance");
    builder->SetPrimitive(true);
    builder->Budget().AddAdjustment(3, "Old debts & <favours>");
    builder->Identity().SetText(IdentityField::FreeNotes, "Line one\n\n  indented");
    const std::string description = "Fights on the wing\n\"Quoted\" & <marked>\n";
    ASSERT_EQ(SaveCareer("Sky Knife", "Outer Reaches", description),
              CareerTemplates::SaveOutcome::Saved);
    const std::string first = CareerFile("OuterReaches_SkyKnife.xml");

    ClickNew();
    ClickSource("Outer Reaches"); // the template's source, in play again
    dialogs.loadRows = {0};
    ASSERT_TRUE(careers->LoadCareer(dialogs));
    EXPECT_EQ(Files().ImportErrors(), Strings{"Combat Spec Specialization Not Set"});
    ASSERT_EQ(careers->Careers().size(), 1u);
    EXPECT_EQ(careers->Careers()[0].Notes,
              (Strings{"Fights on the wing", "\"Quoted\" & <marked>"}));
    prompter.confirmAnswers = {true};
    ASSERT_EQ(SaveCareer("Sky Knife", "Outer Reaches", description),
              CareerTemplates::SaveOutcome::Saved);
    EXPECT_EQ(CareerFile("OuterReaches_SkyKnife.xml"), first);
}

// The templates of examples/careers, on the bundled catalogues: each loads without an import
// message and, saved again with its own name, source and description, gives its own bytes.
TEST(CareerExamplesTest, LoadCleanlyAndSaveToTheSameBytes) {
    TempAppDir app;
    app.CopyBundledData();
    app.Write("defaults.xml", kCoreOnlyDefaults);
    const fs::path examples = fs::path(TAVORN_SOURCE_DIR) / "examples" / "careers";
    fs::create_directories(app.Root() / "careers");
    for (const auto& entry : fs::directory_iterator(examples))
        fs::copy_file(entry.path(), app.Root() / "careers" / entry.path().filename());

    ScriptedPrompter prompter;
    const AppPaths paths(app.Root());
    HeroBuilder builder(prompter, paths);
    ASSERT_TRUE(builder.Start());
    HeroFiles files(builder);
    CareerTemplates careers(builder, files);
    ASSERT_TRUE(careers.FindCareers());
    const std::vector<TCareer> found = careers.Careers();
    ASSERT_EQ(found.size(), 2u);
    for (std::size_t i = 0; i < found.size(); ++i) {
        SCOPED_TRACE(found[i].Path);
        // One example belongs to a source that the defaults leave out; each template loaded
        // puts its own sources in play.
        if (!builder.Rules().ValidSource("Veilwalker Codex"))
            builder.ToggleSource(static_cast<std::size_t>(
                builder.Rules().sources.FindEntryByCaption("Veilwalker Codex")));
        ScriptedCareerDialogs dialogs;
        dialogs.loadRows = {static_cast<int>(i)};
        ASSERT_TRUE(careers.LoadCareer(dialogs));
        EXPECT_EQ(builder.Hero().Career, found[i].Name);
        EXPECT_TRUE(files.ImportErrors().empty()) << files.ImportErrors().front();
        EXPECT_TRUE(files.XmlErrors().empty());
        EXPECT_EQ(careers.CareerFileText({found[i].Name, found[i].Source, found[i].Notes}),
                  ReadWholeFile(found[i].Path));
    }
}

} // namespace
} // namespace files_test
