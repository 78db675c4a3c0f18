// Reading hero files: round trips through the writer, the post-load checks, the older
// layouts and forms that stored files hold, encodings, and the import messages.

#include "HeroFileFixture.h"

namespace files_test {
namespace {

using HeroFileReaderTest = HeroFileTest;

TEST_F(HeroFileReaderTest, SavedHeroReadsBackWholeAndSavesToTheSameBytes) {
    // A source of its own, a rule set, a species of that source, specialization, traits.
    prompter.confirmAnswers = {false}; // not the new default
    ClickSource("Outer Reaches");
    builder->SetRuleSet("Lean");
    builder->Identity().SetText(IdentityField::HeroName, R"(Kel "Two-Knives" <Vey> & Co)");
    builder->Identity().SetText(IdentityField::FreeNotes,
                                "Owes <Marn> 40 & more\n\nRenée's \"ship\"");
    builder->Identity().Choose(IdentityChoice::Gender, 3);
    Choose(IdentityChoice::Motivation, "Debt of Honor", builder->Rules().config.motivations);
    Choose(IdentityChoice::Trait2, "Far Gazer", builder->Rules().config.traits);
    ChooseProfession("Free Agent");
    ChooseSpecies("Driftborn");
    ChooseSpecialization("INT");
    const int scores[] = {9, 12, 10, 13, 11, 8};
    for (int a = 0; a < kAttributeCount; ++a)
        builder->Attributes().SetScore(a, scores[a]);
    ASSERT_TRUE(builder->Skills().AddSkill("Blades", "", 3));
    ASSERT_TRUE(builder->Skills().AddSkill("Star Charts", "", 1));
    ASSERT_TRUE(builder->Skills().AddSkill("Language", "Trade <Cant> & \"Co\"", 2));
    builder->Budget().AddAdjustment(-5, "Bribed <clerk> & co");
    const std::string first = SaveTo("hero.xml");
    // The views that depend on the file and not on where it lies.
    auto shown = [this] {
        auto labels = builder->Views().Labels();
        labels.erase("FileName");
        labels.erase("Page");
        auto tables = builder->Views().Tables();
        tables.erase("ImportErrors");
        return std::make_tuple(labels, tables, builder->Views().Choices());
    };
    const auto before = shown();

    // A fresh program with only "Core" active and the first rule set in force.
    Start();
    Open("hero.xml");
    EXPECT_TRUE(prompter.messages.empty() && windowShown.empty());
    EXPECT_FALSE(builder->Changed());
    EXPECT_EQ(Active(), (Strings{"Core", "Outer Reaches"}));
    EXPECT_EQ(builder->RuleSet().Name, "Lean");
    EXPECT_EQ(Hero().Gender, "(none/blank)");
    EXPECT_EQ(shown(), before);
    EXPECT_EQ(SaveTo("again.xml"), first);
}

TEST_F(HeroFileReaderTest, ProfessionWithoutSpecializationIsReportedOnceLoaded) {
    const std::pair<const char*, const char*> cases[] = {
        {"Combat Spec", "Combat Spec Specialization Not Set"},
        {"Free Agent", "Free Agent Resistance Bonus Not Set"},
        {"Mindwalker", "Mindwalker Specialization Not Set"}};
    for (const auto& [profession, message] : cases) {
        SCOPED_TRACE(message);
        builder->ClearHero();
        windowShown.clear();
        ChooseProfession(profession);
        EXPECT_NE(SaveTo("hero.xml").find(R"(Specialization="" Ruleset="Core">)"),
                  std::string::npos);
        Open("hero.xml");
        EXPECT_EQ(windowShown, std::vector<Strings>{{message}});
        EXPECT_EQ(app.Read("ImportError.log"), std::string(message) + "\n");
    }

    // A profession without a specialization choice, or none at all, reports nothing.
    for (int profession : {5, -1}) { // Tech Op, none
        builder->ClearHero();
        windowShown.clear();
        builder->ChooseProfession(profession);
        EXPECT_EQ(SaveTo("hero.xml").find("Specialization="), std::string::npos);
        Open("hero.xml");
        EXPECT_TRUE(windowShown.empty());
        EXPECT_FALSE(app.Exists("ImportError.log"));
        EXPECT_EQ(Hero().ProfessionIndex, profession);
    }
}

TEST_F(HeroFileReaderTest, PrimitiveChoiceReadsBackAndItsAbsenceIsReported) {
    ChooseSpecies("Skywing");
    builder->SetPrimitive(true);
    std::string text = SaveTo("ticked.xml");
    builder->ClearHero();
    Open("ticked.xml");
    EXPECT_TRUE(builder->Views().CheckNamed("Primitive").checked);
    EXPECT_TRUE(Files().ImportErrors().empty());

    // An older file without the element.
    const std::string element = "<Primitive ReducePenalty=\"True\"/>\r\n";
    text.erase(text.find(element), element.size());
    OpenText(text);
    EXPECT_FALSE(Hero().Primitive);
    EXPECT_EQ(Files().ImportErrors(),
              Strings{"Primitive Penalty Reduction Could Not Be Determined"});
}

TEST_F(HeroFileReaderTest, OlderLayoutWithContentCarryingElementsLoads) {
    OpenText(R"(<?xml version="1.0"?>
<HERO HeroName="Old Timer" Gender="0">
  <Profession>Tech Op</Profession>
  <Species>Terran</Species>
  <Abilities><INT Score="12"/></Abilities>
  <Skills><Skill Level="2" Name="Blades"><Ability>STR</Ability></Skill></Skills>
  <Notes><Note>first</Note><Note>second</Note></Notes>
</HERO>)");
    EXPECT_EQ(Labels("Gender Profession Species INT.Total"), "Male Tech Op Terran 12");
    EXPECT_EQ(Hero().FreeNotes, "first\nsecond");
    const TableView& skills = builder->Views().TableNamed("Skills");
    ASSERT_EQ(skills.size(), 3u); // header, the free Vigilance, Blades
    EXPECT_EQ(skills[1][0] + skills[1][1], "  Blades  2");
    EXPECT_TRUE(Files().ImportErrors().empty());

    // "hero" in any case is the hero element; other names are compared exactly.
    OpenText(R"(<hero HeroName="Lower"><species>Terran</species><stR Score="5"/></hero>)");
    EXPECT_EQ(Hero().HeroName, "Lower");
    EXPECT_EQ(builder->Species().ChosenName(), "");
    EXPECT_EQ(Hero().Score[attSTR], 10);
}

TEST_F(HeroFileReaderTest, UnclosedStartTagsOfStoredFilesHideNoLaterSection) {
    ChooseSpecies("Skywing");
    ASSERT_TRUE(builder->Skills().AddSkill("Blades", "", 1));
    builder->Skills().CashOutFreeSkill("Vigilance");
    builder->SetPrimitive(true);
    builder->Identity().SetText(IdentityField::FreeNotes, "kept");
    builder->Budget().AddAdjustment(4, "Late section");
    std::string text = SaveTo("hero.xml");
    // The forms older versions wrote: these three start tags never closed.
    for (const auto& [from, to] : {std::pair{R"(<CashedOutSkill Name="Vigilance"/>)",
                                             R"(<CashedOutSkill Name="Vigilance">)"},
                                   std::pair{"<Perks>\r\n</Perks>", "<Perks>"},
                                   std::pair{R"(<Primitive ReducePenalty="True"/>)",
                                             R"(<Primitive ReducePenalty="True">)"}}) {
        ASSERT_NE(text.find(from), std::string::npos) << from;
        text.replace(text.find(from), std::string(from).size(), to);
    }
    OpenText(text);
    EXPECT_EQ(Hero().CashedOutSkills, Strings{"Vigilance"});
    EXPECT_TRUE(Hero().Primitive);
    EXPECT_EQ(Hero().FreeNotes, "kept");
    ASSERT_EQ(Hero().SkillPointAdjustments.size(), 1u);
    EXPECT_EQ(Hero().SkillPointAdjustments[0].Description, "Late section");
    EXPECT_EQ(builder->Views().TableNamed("Skills").size(), 3u); // header, free Melee, Blades
    EXPECT_TRUE(Files().ImportErrors().empty());
}

TEST_F(HeroFileReaderTest, Windows1252FileIsReadWithItsAccents) {
    // "Renée Müller" and a note with an en dash, as an older version stored them.
    OpenText("<?xml version=\"1.0\" standalone=\"yes\"?>\r\n<HeroData>\r\n"
             "<Hero HeroName=\"Ren\xE9"
             "e M\xFCller\" Species=\"Terran\">\r\n"
             "<Notes>\r\n<Note>Born 2290 \x96 Ceres</Note>\r\n</Notes>\r\n</Hero>\r\n</HeroData>");
    EXPECT_EQ(Hero().HeroName, "Ren\u00E9e M\u00FCller");
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
    const Strings expected{"Unknown skill: Hyperspace Yodel  2",
                           "Unknown skill: Basket Weaving Reed 3"};
    EXPECT_EQ(windowShown, std::vector<Strings>{expected});
    EXPECT_EQ(app.Read("ImportError.log"), expected[0] + "\n" + expected[1] + "\n");
    // A level that is not a number buys the skill at rank 1.
    EXPECT_EQ(builder->Views().TableNamed("Skills").at(1).at(1), "  1");

    // A damaged level does not hold the program up raising the rank step by step.
    OpenText(R"(<HeroData><Skills><Skill Level="2147483647" Name="Blades"/></Skills></HeroData>)");
    EXPECT_EQ(builder->Views().TableNamed("Skills").at(1).at(1), "  99");
    EXPECT_FALSE(app.Exists("ImportError.log")); // each read starts a new log
    EXPECT_EQ(windowShown.size(), 1u);
}

TEST_F(HeroFileReaderTest, SourcesOfTheFileReplaceThoseInPlay) {
    ClickSource("Outer Reaches");
    // A file naming only "Core" (and a source nobody knows) switches the others off.
    OpenText(R"(<HeroData><Sources><Source Name="Core" /><Source Name="Lost Tomes" /></Sources>
<Hero Species="Driftborn" Ruleset="Nowhere"/></HeroData>)");
    EXPECT_EQ(Active(), Strings{"Core"});
    EXPECT_EQ(builder->Species().ChosenName(), "");
    EXPECT_EQ(prompter.Texts(Kind::Error),
              Strings{"Ruleset \"Nowhere\" not found. Using current default"});
    EXPECT_TRUE(builder->Document().Ready());
}

} // namespace
} // namespace files_test

namespace files_test {
namespace {

TEST_F(HeroFileReaderTest, NoteLinesKeepTheirBlanksAndTabsThroughSaveAndOpen) {
    const std::string notes = "  indented\n\ta\tb  c\nplain";
    builder->Identity().SetText(IdentityField::FreeNotes, notes);
    const std::string first = SaveTo("notes.xml");
    Open("notes.xml");
    EXPECT_EQ(Hero().FreeNotes, notes);
    EXPECT_EQ(SaveTo("again.xml"), first);
}

} // namespace
} // namespace files_test
