// The hero file as written: the envelope line by line, the durability boxes, the list
// sections, escaping and decimals.

#include "HeroFileFixture.h"

#include "files/HeroFileWriter.h"

namespace files_test {
namespace {

using HeroFileWriterTest = HeroFileTest;

TEST_F(HeroFileWriterTest, EnvelopeIsWrittenLineByLineInTheProgramsLayout) {
    builder->Identity().SetText(IdentityField::HeroName, "Ria Voss");
    builder->Identity().SetText(IdentityField::Player, "Jo");
    builder->Identity().SetText(IdentityField::GameMaster, "Tam");
    builder->Identity().SetText(IdentityField::Career, "Scout");
    builder->Identity().Choose(IdentityChoice::Gender, 1);
    const GameConfiguration& config = builder->Rules().config;
    Choose(IdentityChoice::Motivation, "Debt of Honor", config.motivations);
    Choose(IdentityChoice::MoralAttitude, "Pragmatic", config.moralAttitudes);
    Choose(IdentityChoice::Trait1, "Stubborn", config.traits);
    Choose(IdentityChoice::Trait2, "Patient", config.traits);
    ChooseProfession("Combat Spec");
    ChooseSpecies("Skywing");
    ChooseSpecialization("Blades");
    const int scores[] = {12, 11, 10, 13, 9, 8};
    for (int a = 0; a < kAttributeCount; ++a)
        builder->Attributes().SetScore(a, scores[a]);

    const Strings lines = Lines(SaveTo("hero.xml"));
    const Strings expected{
        R"(<?xml version="1.0" standalone="yes"?>)",
        "<HeroData>",
        "<Sources>",
        R"(  <Source Name="Core" />)",
        "</Sources>",
        R"(<Hero HeroName="Ria Voss" PlayerName="Jo" Career="Scout" Setting="" GameMaster="Tam" )"
        R"(Gender="1" Profession="Combat Spec" Species="Skywing" Specialization="Blades" )"
        R"(Ruleset="Core"><Species Psionic="False" CanGlide="True" CanFly="False" )"
        R"(SkillPoints="5" BroadSkills="1" PsiMult="0.5">)",
        "  <Name>Skywing</Name>",
        "  <ActionStep>1</ActionStep>",
        "  <Source>Core</Source>",
        R"(  <STR ID="1" Min="3" Max="12"/>)",
        R"(  <DEX ID="2" Min="4" Max="14"/>)",
        R"(  <CON ID="3" Min="4" Max="12"/>)",
        R"(  <INT ID="4" Min="4" Max="14"/>)",
        R"(  <WIL ID="5" Min="4" Max="14"/>)",
        R"(  <PER ID="6" Min="4" Max="14"/>)",
        R"(  <FreeSkills Count="2">)",
        R"(    <FreeSkill Name="Vigilance"/>)",
        R"(    <FreeSkill Name="Melee"/>)",
        "  </FreeSkills>",
        "  <SpecialItems>",
        "    <SpecialItem><Note>Skywing: hollow bones</Note></SpecialItem>",
        "    <SpecialItem><Note>Skywing: glides</Note></SpecialItem>",
        "    <SpecialItem><Note>Skywing: fears the deep</Note></SpecialItem>",
        "    <SpecialItem><Note>Skywing: fourth note</Note></SpecialItem>",
        "  </SpecialItems>",
        "</Species>",
        R"(<HeroAttributes Motivation="Debt of Honor" MoralAttitude="Pragmatic" Trait1="Stubborn" )"
        R"(Trait2="Patient">Debt of Honor, Pragmatic, Stubborn, Patient</HeroAttributes>)",
        "<Abilities>",
        R"(  <STR Score="12"><Untrained>6</Untrained><ResMod>+1</ResMod></STR>)",
        R"(  <DEX Score="11"><Untrained>5</Untrained><ResMod>+1</ResMod></DEX>)",
        R"(  <CON Score="10"><Untrained>5</Untrained><ResMod>+0</ResMod></CON>)",
        R"(  <INT Score="13"><Untrained>6</Untrained><ResMod>+2</ResMod></INT>)",
        R"(  <WIL Score="9"><Untrained>4</Untrained><ResMod>+0</ResMod></WIL>)",
        R"(  <PER Score="8"><Untrained>4</Untrained><ResMod>+0</ResMod></PER>)",
        "</Abilities>",
        R"(<ActionCheck Marginal="16+" Ordinary="15" Good="7" Amazing="3" Die="+d4" Actions="2"/>)",
        R"(<Movement Sprint="27.5" Run="17.5" Walk="5" EasySwim="2.5" Swim="5" Glide="27.5" )"
        R"(Fly="-"/>)",
        "<Durability>",
        R"(  <Stun Boxes="&#127;&#127;&#127;&#127;&#127;">5</Stun>)",
        R"(  <Wound Boxes="&#127;&#127;&#127;&#127;&#127;">5</Wound>)",
        R"(  <Mortal Boxes="&#127;&#127;&#127;">3</Mortal>)",
        R"(  <Fatigue Boxes="&#127;&#127;&#127;">3</Fatigue>)",
        "</Durability>",
        R"(<Advancement Level="1" Points="0" Available="0" Used="0" INT="13" INTResMod="0">)",
        "</Advancement>",
    };
    ASSERT_GE(lines.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(lines[i], expected[i]) << "line " << i + 1;
    // The snapshot is what the pages show.
    EXPECT_EQ(Labels("Move.Sprint ActionCheck.Marginal Stun"), "27.5 16+ 5");
}

TEST_F(HeroFileWriterTest, DurabilityWithoutBoxes) {
    ChooseSpecies("Wisp");
    EXPECT_EQ(Section(SaveTo("b.xml"), "<Durability>", "</Durability>"),
              (Strings{"<Durability>", R"(  <Stun Boxes="">0</Stun>)",
                       R"(  <Wound Boxes="">0</Wound>)", R"(  <Mortal Boxes="">0</Mortal>)",
                       R"(  <Fatigue Boxes="">0</Fatigue>)", "</Durability>"}));
}

TEST_F(HeroFileWriterTest, SkillsSectionHoldsCashOutsPlainSkillsAndMultiInstances) {
    ChooseSpecies("Terran"); // Vigilance free
    ASSERT_TRUE(builder->Skills().AddSkill("Blades", "", 2));
    ASSERT_TRUE(builder->Skills().AddSkill("Language", "Old Vey", 1));
    ASSERT_TRUE(builder->Skills().AddSkill("Language", "Trade Cant", 2));
    ASSERT_TRUE(builder->Skills().AddSkill("Lore", "", 1));
    builder->Skills().CashOutFreeSkill("Vigilance");
    builder->Budget().AddAdjustment(-5, "Bribed the clerk");
    builder->Budget().AddAdjustment(2, "Training");

    const std::string text = SaveTo("skills.xml");
    const Strings section =
        Section(text,
                R"(<Skills StartingPoints="48" PointsUsed="12" PointsRemaining="36" )"
                R"(MaxBroadSkills="12" BroadSkillsUsed="1" BroadSkillsRemaining="11">)",
                "</Skills>");
    ASSERT_EQ(section.size(), 7u) << text;
    EXPECT_EQ(Strings(section.begin() + 1, section.end() - 1),
              (Strings{R"(<CashedOutSkill Name="Vigilance"/>)",
                       R"(<Skill Level="2" Name="Blades" Cost="2" Source="Core" >)"
                       "<Ability>STR</Ability></Skill>",
                       R"(<Skill Level="0" Name="Lore" Cost="3" Source="Core" >)"
                       "<Ability>INT</Ability></Skill>",
                       R"(<Skill Level="1" Name="Language" Detail="Old Vey" Cost="2" )"
                       R"(Source="Core" ><Ability>INT</Ability></Skill>)",
                       R"(<Skill Level="2" Name="Language" Detail="Trade Cant" Cost="2" )"
                       R"(Source="Core" ><Ability>INT</Ability></Skill>)"}));
    EXPECT_EQ(
        Section(text, "<SkillPointAdjustments>", "</SkillPointAdjustments>"),
        (Strings{"<SkillPointAdjustments>",
                 R"(  <SkillPointAdj Amt="-5" Desc="Bribed the clerk" />)",
                 R"(  <SkillPointAdj Amt="2" Desc="Training" />)", "</SkillPointAdjustments>"}));
    EXPECT_EQ(Lines(text).rbegin()[2], "</SkillPointAdjustments>"); // the hero's last section
}

TEST_F(HeroFileWriterTest, ValuesAreEscapedAndNotesWrittenLineByLine) {
    builder->Identity().SetText(IdentityField::HeroName, R"(Kel "Two-Knives" <Vey> & Co)");
    builder->Identity().SetText(IdentityField::FreeNotes, "Owes <Marn> 40 & more\n\n\"Quoted\"\n");
    const std::string text = SaveTo("escaped.xml");
    EXPECT_NE(text.find(R"(HeroName="Kel &quot;Two-Knives&quot; &lt;Vey&gt; &amp; Co")"),
              std::string::npos);
    EXPECT_EQ(Section(text, "<Notes>", "</Notes>"),
              (Strings{"<Notes>", "<Note>Owes &lt;Marn&gt; 40 &amp; more</Note>", "<Note></Note>",
                       "<Note>&quot;Quoted&quot;</Note>", "</Notes>"}));
}

TEST_F(HeroFileWriterTest, PrimitiveChoiceIsWrittenOnlyWhereTheSpeciesOffersIt) {
    ChooseSpecies("Terran");
    EXPECT_EQ(Section(SaveTo("a.xml"), "<SpecialItems>", "</SpecialItems>"),
              (Strings{"<SpecialItems>", "</SpecialItems>"}));
    ChooseSpecies("Skywing");
    EXPECT_EQ(
        Section(SaveTo("b.xml"), "<SpecialItems>", "</SpecialItems>"),
        (Strings{"<SpecialItems>", R"(<Primitive ReducePenalty="False"/>)", "</SpecialItems>"}));
    builder->SetCyberSkill(true);
    EXPECT_NE(SaveTo("c.xml").find("\r\n<Cyberware Skill=\"True\">\r\n"), std::string::npos);
}

TEST_F(HeroFileWriterTest, DecimalsUseAPointWhateverTheLocale) {
    builder->Document().DecimalSeparator = ',';
    ChooseSpecies("Skywing");
    builder->Attributes().SetScore(attSTR, 12);
    ASSERT_EQ(Label("Move.Sprint"), "27,5");
    const std::string text = SaveTo("locale.xml");
    EXPECT_NE(text.find(R"(PsiMult="0.5")"), std::string::npos);
    EXPECT_NE(text.find(R"(<Movement Sprint="27.5" Run="17.5")"), std::string::npos);
}

} // namespace
} // namespace files_test
