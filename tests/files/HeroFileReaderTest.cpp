// Reading hero files: round trips through the writer, the post-load checks, the older
// layouts and forms that stored files hold, encodings, and the import messages.

#include "HeroFileFixture.h"

namespace files_test {
namespace {

using HeroFileReaderTest = HeroFileTest;

// The views that depend on the file and not on where it lies.
std::map<std::string, LabelView> ShownLabels(const HeroBuilder& builder) {
    auto labels = builder.Views.Labels();
    labels.erase("FileName");
    labels.erase("Page");
    return labels;
}

TEST_F(HeroFileReaderTest, SavedHeroReadsBackWholeAndSavesToTheSameBytes) {
    // A source of its own, a rule set, a species of that source, specialization, traits.
    prompter.confirmAnswers = {false}; // not the new default
    builder->Rules.SourceClick(1);
    builder->Rules.SetRuleSet("Lean");
    builder->SetIdentityText(IdentityField::HeroName, R"(Kel "Two-Knives" <Vey> & Co)");
    builder->SetIdentityText(IdentityField::Player, "Jo & Ann");
    builder->SetIdentityText(IdentityField::FreeNotes, "Owes <Marn> 40 & more\n\nRenée's \"ship\"");
    builder->ChooseIdentity(IdentityChoice::Gender, 3);
    const GameConfiguration& config = builder->Rules.config;
    ChooseIdentity(IdentityChoice::Motivation, "Restless Curiosity", config.motivations);
    ChooseIdentity(IdentityChoice::Trait2, "Far Gazer", config.traits);
    builder->Professions.CmbProfessionChange(kFreeAgent);
    ChooseSpecies("Driftborn");
    builder->Professions.ChooseSpecializationByName("INT");
    const int scores[] = {9, 12, 10, 13, 11, 8};
    for (int a = 0; a < kAttributeCount; ++a)
        builder->Attributes.SetScore(a, scores[a]);
    ASSERT_TRUE(builder->Skills.AddSkill("Blades", "", 3));
    ASSERT_TRUE(builder->Skills.AddSkill("Star Charts", "", 1));
    ASSERT_TRUE(builder->Skills.AddSkill("Language", "Old Vey", 1));
    ASSERT_TRUE(builder->Skills.AddSkill("Language", "Trade <Cant> & \"Co\"", 2));
    builder->Budget.AddSkillPtAdj(-5, "Bribed <clerk> & co");
    builder->CalculateSkillPoints();

    const std::string first = SaveTo("hero.xml");
    const auto labels = ShownLabels(*builder);
    const auto tables = builder->Views.Tables();
    const auto choices = builder->Views.Choices();
    const THero before = Hero();

    // A fresh program with only "Core" active and the first rule set in force.
    Start();
    ASSERT_EQ(builder->Rules.sources.Active(), std::vector<std::string>{"Core"});
    Open("hero.xml");
    EXPECT_TRUE(prompter.messages.empty()) << prompter.messages.front().text;
    EXPECT_TRUE(Files().ImportErrors().empty());
    EXPECT_TRUE(windowShown.empty());
    EXPECT_FALSE(builder->Changed);
    EXPECT_EQ(Hero().FileName, Path("hero.xml").string());

    EXPECT_EQ(builder->Rules.sources.Active(), (std::vector<std::string>{"Core", "Outer Reaches"}));
    EXPECT_EQ(builder->RuleSet().Name, "Lean");
    EXPECT_EQ(Hero().HeroName, before.HeroName);
    EXPECT_EQ(Hero().Player, before.Player);
    EXPECT_EQ(Hero().Gender, "(none/blank)");
    EXPECT_EQ(Hero().FreeNotes, before.FreeNotes);
    EXPECT_EQ(Hero().Motivation, "Restless Curiosity");
    EXPECT_EQ(Hero().Trait2, "Far Gazer");
    EXPECT_EQ(Hero().Score, before.Score);
    EXPECT_EQ(builder->Species.ChosenName(), "Driftborn");
    EXPECT_EQ(builder->Professions.ChosenSpecialization(), "INT");
    EXPECT_EQ(ShownLabels(*builder), labels);
    auto tablesRead = builder->Views.Tables();
    tablesRead.erase("ImportErrors");
    EXPECT_EQ(tablesRead, tables);
    EXPECT_EQ(builder->Views.Choices(), choices);

    EXPECT_EQ(SaveTo("again.xml"), first);
}

TEST_F(HeroFileReaderTest, ProfessionWithoutSpecializationIsReportedOnceLoaded) {
    struct Case {
        int profession;
        const char* message;
    };
    const Case cases[] = {
        {kCombatSpec, "Combat Spec Specialization Not Set"},
        {kFreeAgent, "Free Agent Resistance Bonus Not Set"},
        {kMindwalker, "Mindwalker Specialization Not Set"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        builder->FormClear();
        windowShown.clear();
        builder->Professions.CmbProfessionChange(c.profession);
        const std::string text = SaveTo("hero.xml");
        EXPECT_NE(text.find(R"(Specialization="" Ruleset="Core">)"), std::string::npos);
        Open("hero.xml");
        EXPECT_EQ(Files().ImportErrors(), std::vector<std::string>{c.message});
        EXPECT_EQ(windowShown, std::vector<std::vector<std::string>>{{c.message}});
        EXPECT_EQ(app.Read("ImportError.log"), std::string(c.message) + "\n");
    }

    // A profession without a specialization choice, or none at all, reports nothing.
    for (int profession : {kTechOp, -1}) {
        builder->FormClear();
        windowShown.clear();
        builder->Professions.CmbProfessionChange(profession);
        EXPECT_EQ(SaveTo("hero.xml").find("Specialization="), std::string::npos);
        Open("hero.xml");
        EXPECT_TRUE(Files().ImportErrors().empty());
        EXPECT_TRUE(windowShown.empty());
        EXPECT_FALSE(app.Exists("ImportError.log"));
        EXPECT_EQ(builder->Hero.ProfessionIndex, profession);
    }
}

TEST_F(HeroFileReaderTest, PrimitiveChoiceReadsBackAndItsAbsenceIsReported) {
    ChooseSpecies("Skywing");
    SaveTo("unticked.xml");
    builder->Species.CbPrimitiveClick(true);
    SaveTo("ticked.xml");

    Open("unticked.xml");
    EXPECT_FALSE(Hero().Primitive);
    EXPECT_TRUE(Files().ImportErrors().empty());
    Open("ticked.xml");
    EXPECT_TRUE(Hero().Primitive);
    EXPECT_TRUE(builder->Views.Check("Primitive").checked);
    EXPECT_TRUE(Files().ImportErrors().empty());

    // An older file without the element.
    std::string text = app.Read("ticked.xml");
    const std::string element = "<Primitive ReducePenalty=\"True\"/>\r\n";
    text.erase(text.find(element), element.size());
    OpenText(text);
    EXPECT_FALSE(Hero().Primitive);
    EXPECT_EQ(Files().ImportErrors(),
              std::vector<std::string>{"Primitive Penalty Reduction Could Not Be Determined"});
}

TEST_F(HeroFileReaderTest, OlderLayoutWithContentCarryingElementsLoads) {
    OpenText(R"(<?xml version="1.0"?>
<HERO HeroName="Old Timer" PlayerName="Jo" Gender="0">
  <Profession>Tech Op</Profession>
  <Species>Terran</Species>
  <Abilities><INT Score="12"/></Abilities>
  <Skills><Skill Level="2" Name="Blades"><Ability>STR</Ability></Skill></Skills>
  <Notes><Note>first</Note><Note>second</Note></Notes>
</HERO>)");
    EXPECT_EQ(Hero().HeroName, "Old Timer");
    EXPECT_EQ(Hero().Gender, "Male");
    EXPECT_EQ(builder->Professions.ChosenName(), "Tech Op");
    EXPECT_EQ(builder->Species.ChosenName(), "Terran");
    EXPECT_EQ(Hero().Score[attINT], 12);
    EXPECT_EQ(Hero().FreeNotes, "first\nsecond");
    const TableView& skills = builder->Views.Table("Skills");
    ASSERT_EQ(skills.size(), 3u); // header, the free Vigilance, Blades
    EXPECT_EQ(skills[1][0], "  Blades");
    EXPECT_EQ(skills[1][1], "  2");
    EXPECT_TRUE(Files().ImportErrors().empty());

    // "hero" in any case is the hero element; other names are compared exactly.
    OpenText(R"(<hero HeroName="Lower"><species>Terran</species><stR Score="5"/></hero>)");
    EXPECT_EQ(Hero().HeroName, "Lower");
    EXPECT_EQ(builder->Species.ChosenName(), "");
    EXPECT_EQ(Hero().Score[attSTR], 10);
}

TEST_F(HeroFileReaderTest, UnclosedStartTagsOfStoredFilesHideNoLaterSection) {
    ChooseSpecies("Skywing");
    ASSERT_TRUE(builder->Skills.AddSkill("Blades", "", 1));
    builder->Skills.CashOutFreeSkill("Vigilance");
    builder->Species.CbPrimitiveClick(true);
    builder->SetIdentityText(IdentityField::FreeNotes, "kept");
    builder->Budget.AddSkillPtAdj(4, "Late section");
    std::string text = SaveTo("hero.xml");
    // The forms older versions wrote: these three start tags never closed.
    auto replace = [&text](const std::string& from, const std::string& to) {
        ASSERT_NE(text.find(from), std::string::npos) << from;
        text.replace(text.find(from), from.size(), to);
    };
    replace(R"(<CashedOutSkill Name="Vigilance"/>)", R"(<CashedOutSkill Name="Vigilance">)");
    replace("<Perks>\r\n</Perks>", "<Perks>");
    replace(R"(<Primitive ReducePenalty="True"/>)", R"(<Primitive ReducePenalty="True">)");

    OpenText(text);
    EXPECT_EQ(Hero().CashedOutSkills, std::vector<std::string>{"Vigilance"});
    EXPECT_TRUE(Hero().Primitive);
    EXPECT_EQ(Hero().FreeNotes, "kept");
    ASSERT_EQ(Hero().SkillPointAdjustments.size(), 1u);
    EXPECT_EQ(Hero().SkillPointAdjustments[0].Description, "Late section");
    EXPECT_EQ(builder->Views.Table("Skills").size(), 3u); // header, free Melee, Blades
    EXPECT_TRUE(Files().ImportErrors().empty());
}

TEST_F(HeroFileReaderTest, RawAmpersandsAndAnglesOfOlderFilesAreTakenAsText) {
    OpenText("<HeroData><Hero HeroName=\"Salt & <Pepper>\" Career=\"R&D\" Species=\"Terran\">"
             "<Notes><Note>Fish & chips < 3 coins</Note><Note>a &amp; b</Note></Notes>"
             "</Hero></HeroData>");
    EXPECT_EQ(Hero().HeroName, "Salt & <Pepper>");
    EXPECT_EQ(Hero().Career, "R&D");
    EXPECT_EQ(builder->Species.ChosenName(), "Terran");
    EXPECT_EQ(Hero().FreeNotes, "Fish & chips < 3 coins\na & b");
}

TEST_F(HeroFileReaderTest, Windows1252FileIsReadWithItsAccents) {
    // "Renée Müller", "Café" and a note with an en dash, as an older version stored them.
    OpenText(
        "<?xml version=\"1.0\" standalone=\"yes\"?>\r\n<HeroData>\r\n"
        "<Hero HeroName=\"Ren\xE9"
        "e M\xFCller\" PlayerName=\"Caf\xE9\" Species=\"Terran\">\r\n"
        "<Notes>\r\n<Note>Born 2290 \x96 Ceres</Note>\r\n</Notes>\r\n</Hero>\r\n</HeroData>\r\n");
    EXPECT_EQ(Hero().HeroName, "Ren\u00E9e M\u00FCller");
    EXPECT_EQ(Hero().Player, "Caf\u00E9");
    EXPECT_EQ(Hero().FreeNotes, "Born 2290 \u2013 Ceres");
    // Saved again as UTF-8.
    EXPECT_NE(SaveTo("utf8.xml").find("HeroName=\"Ren\u00E9e M\u00FCller\""), std::string::npos);
}

TEST_F(HeroFileReaderTest, UnknownSkillsAreListedOneLineEach) {
    OpenText(R"(<HeroData><Hero Species="Terran">
<Skills>
<Skill Level="2" Name="Hyperspace Yodel" ><Ability>PER</Ability></Skill>
<Skill Level="x" Name="Blades" Detail="" ><Ability>STR</Ability></Skill>
<Skill Name="Basket Weaving" Detail="Reed" Level="3"/>
</Skills></Hero></HeroData>)");
    const std::vector<std::string> expected{"Unknown skill: Hyperspace Yodel  2",
                                            "Unknown skill: Basket Weaving Reed 3"};
    EXPECT_EQ(Files().ImportErrors(), expected);
    EXPECT_EQ(windowShown, std::vector<std::vector<std::string>>{expected});
    EXPECT_EQ(app.Read("ImportError.log"),
              "Unknown skill: Hyperspace Yodel  2\nUnknown skill: Basket Weaving Reed 3\n");
    // A level that is not a number buys the skill at rank 1.
    EXPECT_EQ(builder->Views.Table("Skills").at(1).at(1), "  1");

    // A damaged level does not hold the program up raising the rank step by step.
    OpenText(R"(<HeroData><Skills><Skill Level="2147483647" Name="Blades"/></Skills></HeroData>)");
    EXPECT_EQ(builder->Views.Table("Skills").at(1).at(1), "  99");

    // The next read starts a new log.
    OpenText(R"(<HeroData><Hero Species="Terran"/></HeroData>)");
    EXPECT_TRUE(Files().ImportErrors().empty());
    EXPECT_FALSE(app.Exists("ImportError.log"));
    EXPECT_EQ(windowShown.size(), 1u);
}

TEST_F(HeroFileReaderTest, SourcesOfTheFileReplaceThoseInPlay) {
    prompter.confirmAnswers = {false};
    builder->Rules.SourceClick(1);
    ASSERT_EQ(builder->Rules.sources.Active(), (std::vector<std::string>{"Core", "Outer Reaches"}));

    // A file naming only "Core" (and a source nobody knows) switches the others off.
    OpenText(R"(<HeroData><Sources><Source Name="Core" /><Source Name="Lost Tomes" /></Sources>
<Hero Species="Driftborn" Ruleset="Nowhere"/></HeroData>)");
    EXPECT_EQ(builder->Rules.sources.Active(), std::vector<std::string>{"Core"});
    EXPECT_EQ(builder->Species.ChosenName(), "");
    EXPECT_EQ(prompter.Texts(Kind::Error),
              std::vector<std::string>{"Ruleset \"Nowhere\" not found. Using current default"});
    EXPECT_TRUE(builder->Ready);
}

} // namespace
} // namespace files_test
