// The hero file as written: the envelope line by line, the durability boxes, the list
// sections, escaping and decimals.

#include "HeroFileFixture.h"

#include "files/HeroFileWriter.h"

namespace files_test {
namespace {

using HeroFileWriterTest = HeroFileTest;

TEST_F(HeroFileWriterTest, EnvelopeIsWrittenLineByLineInTheProgramsLayout) {
    builder->SetIdentityText(IdentityField::HeroName, "Ria Voss");
    builder->SetIdentityText(IdentityField::Player, "Jo");
    builder->SetIdentityText(IdentityField::GameMaster, "Tam");
    builder->SetIdentityText(IdentityField::Career, "Scout");
    builder->ChooseIdentity(IdentityChoice::Gender, 1);
    const GameConfiguration& config = builder->Rules.config;
    ChooseIdentity(IdentityChoice::Motivation, "Debt of Honor", config.motivations);
    ChooseIdentity(IdentityChoice::MoralAttitude, "Pragmatic", config.moralAttitudes);
    ChooseIdentity(IdentityChoice::Trait1, "Stubborn", config.traits);
    ChooseIdentity(IdentityChoice::Trait2, "Patient", config.traits);
    builder->Professions.CmbProfessionChange(kCombatSpec);
    ChooseSpecies("Skywing");
    builder->Professions.ChooseSpecializationByName("Blades");
    const int scores[] = {12, 11, 10, 13, 9, 8};
    for (int a = 0; a < kAttributeCount; ++a)
        builder->Attributes.SetScore(a, scores[a]);

    const auto lines = Lines(SaveTo("hero.xml"));
    auto label = [this](const char* name) { return Label(name); };
    auto res = [this](int a) { return Label(AttributeViewName(a, "Res")); };
    auto boxes = [](const std::string& value) {
        std::string text;
        for (int i = 0; i < std::stoi(value); ++i)
            text += "&#127;";
        return text;
    };
    const std::vector<std::string> expected{
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
        R"(  <STR Score="12"><Untrained>6</Untrained><ResMod>)" + res(attSTR) + "</ResMod></STR>",
        R"(  <DEX Score="11"><Untrained>5</Untrained><ResMod>)" + res(attDEX) + "</ResMod></DEX>",
        R"(  <CON Score="10"><Untrained>5</Untrained><ResMod>+0</ResMod></CON>)",
        R"(  <INT Score="13"><Untrained>6</Untrained><ResMod>)" + res(attINT) + "</ResMod></INT>",
        R"(  <WIL Score="9"><Untrained>4</Untrained><ResMod>)" + res(attWIL) + "</ResMod></WIL>",
        R"(  <PER Score="8"><Untrained>4</Untrained><ResMod>+0</ResMod></PER>)",
        "</Abilities>",
        R"(<ActionCheck Marginal=")" + label("ActionCheck.Marginal") + R"(" Ordinary=")" +
            label("ActionCheck.Ordinary") + R"(" Good=")" + label("ActionCheck.Good") +
            R"(" Amazing=")" + label("ActionCheck.Amazing") + R"(" Die=")" + label("ActionDie") +
            R"(" Actions=")" + label("Actions") + R"("/>)",
        R"(<Movement Sprint=")" + label("Move.Sprint") + R"(" Run=")" + label("Move.Run") +
            R"(" Walk=")" + label("Move.Walk") + R"(" EasySwim=")" + label("Move.EasySwim") +
            R"(" Swim=")" + label("Move.Swim") + R"(" Glide=")" + label("Move.Glide") +
            R"(" Fly=")" + label("Move.Fly") + R"("/>)",
        "<Durability>",
        R"(  <Stun Boxes=")" + boxes(label("Stun")) + R"(">)" + label("Stun") + "</Stun>",
        R"(  <Wound Boxes=")" + boxes(label("Stun")) + R"(">)" + label("Wound") + "</Wound>",
        R"(  <Mortal Boxes=")" + boxes(label("Fatigue")) + R"(">)" + label("Mortal") + "</Mortal>",
        R"(  <Fatigue Boxes=")" + boxes(label("Fatigue")) + R"(">)" + label("Fatigue") +
            "</Fatigue>",
        "</Durability>",
        R"(<Advancement Level="1" Points="0" Available="0" Used="0" INT="13" INTResMod="0">)",
        "</Advancement>",
    };
    ASSERT_GE(lines.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(lines[i], expected[i]) << "line " << i + 1;
    // The snapshot holds the values shown, not blanks.
    EXPECT_EQ(label("Move.Glide").empty(), false);
    EXPECT_NE(label("Move.Glide"), "-");
    EXPECT_EQ(res(attSTR), "+1");
}

TEST_F(HeroFileWriterTest, DurabilityBoxesFollowTheStunAndFatigueValues) {
    ChooseSpecies("Skywing");
    builder->Attributes.SetScore(attCON, 6);
    ASSERT_EQ(Label("Stun"), "3");
    ASSERT_EQ(Label("Fatigue"), "2");
    const auto durability = Section(SaveTo("a.xml"), "<Durability>", "</Durability>");
    EXPECT_EQ(durability, (std::vector<std::string>{
                              "<Durability>",
                              R"(  <Stun Boxes="&#127;&#127;&#127;">3</Stun>)",
                              R"(  <Wound Boxes="&#127;&#127;&#127;">3</Wound>)",
                              R"(  <Mortal Boxes="&#127;&#127;">2</Mortal>)",
                              R"(  <Fatigue Boxes="&#127;&#127;">2</Fatigue>)",
                              "</Durability>",
                          }));

    ChooseSpecies("Wisp");
    ASSERT_EQ(Label("Stun"), "0");
    const auto none = Section(SaveTo("b.xml"), "<Durability>", "</Durability>");
    ASSERT_EQ(none.size(), 6u);
    EXPECT_EQ(none[1], R"(  <Stun Boxes="">0</Stun>)");
    EXPECT_EQ(none[3], R"(  <Mortal Boxes="">0</Mortal>)");
}

TEST_F(HeroFileWriterTest, SkillsSectionHoldsCashOutsPlainSkillsAndMultiInstances) {
    ChooseSpecies("Terran"); // Vigilance free
    ASSERT_TRUE(builder->Skills.AddSkill("Blades", "", 2));
    ASSERT_TRUE(builder->Skills.AddSkill("Language", "Old Vey", 1));
    ASSERT_TRUE(builder->Skills.AddSkill("Language", "Trade Cant", 2));
    ASSERT_TRUE(builder->Skills.AddSkill("Lore", "", 1));
    builder->Skills.CashOutFreeSkill("Vigilance");
    builder->Budget.AddSkillPtAdj(-5, "Bribed the clerk");
    builder->Budget.AddSkillPtAdj(2, "Training");
    builder->CalculateSkillPoints();

    const std::string text = SaveTo("skills.xml");
    const auto section =
        Section(text,
                R"(<Skills StartingPoints="48" PointsUsed=")" +
                    std::to_string(Hero().SkillPointBudget.PointsUsed) + R"(" PointsRemaining=")" +
                    std::to_string(48 - Hero().SkillPointBudget.PointsUsed) +
                    R"(" MaxBroadSkills="12" BroadSkillsUsed="1" BroadSkillsRemaining="11">)",
                "</Skills>");
    ASSERT_EQ(section.size(), 7u) << text;
    EXPECT_EQ(section[1], R"(<CashedOutSkill Name="Vigilance"/>)");
    EXPECT_EQ(section[2], R"(<Skill Level="2" Name="Blades" Cost="2" Source="Core" >)"
                          "<Ability>STR</Ability></Skill>");
    EXPECT_EQ(section[3], R"(<Skill Level="0" Name="Lore" Cost="3" Source="Core" >)"
                          "<Ability>INT</Ability></Skill>");
    EXPECT_EQ(section[4], R"(<Skill Level="1" Name="Language" Detail="Old Vey" Cost="2" )"
                          R"(Source="Core" ><Ability>INT</Ability></Skill>)");
    EXPECT_EQ(section[5], R"(<Skill Level="2" Name="Language" Detail="Trade Cant" Cost="2" )"
                          R"(Source="Core" ><Ability>INT</Ability></Skill>)");

    EXPECT_EQ(Section(text, "<SkillPointAdjustments>", "</SkillPointAdjustments>"),
              (std::vector<std::string>{
                  "<SkillPointAdjustments>",
                  R"(  <SkillPointAdj Amt="-5" Desc="Bribed the clerk" />)",
                  R"(  <SkillPointAdj Amt="2" Desc="Training" />)",
                  "</SkillPointAdjustments>",
              }));
    // The adjustments close the hero.
    const auto lines = Lines(text);
    EXPECT_EQ(lines[lines.size() - 3], "</SkillPointAdjustments>");
}

TEST_F(HeroFileWriterTest, ValuesAreEscapedAndNotesWrittenLineByLine) {
    builder->SetIdentityText(IdentityField::HeroName, R"(Kel "Two-Knives" <Vey> & Co)");
    builder->SetIdentityText(IdentityField::FreeNotes, "Owes <Marn> 40 & more\n\n\"Quoted\"\n");
    const std::string text = SaveTo("escaped.xml");
    EXPECT_NE(text.find(R"(HeroName="Kel &quot;Two-Knives&quot; &lt;Vey&gt; &amp; Co")"),
              std::string::npos);
    EXPECT_EQ(
        Section(text, "<Notes>", "</Notes>"),
        (std::vector<std::string>{"<Notes>", "<Note>Owes &lt;Marn&gt; 40 &amp; more</Note>",
                                  "<Note></Note>", "<Note>&quot;Quoted&quot;</Note>", "</Notes>"}));
}

TEST_F(HeroFileWriterTest, PrimitiveChoiceIsWrittenOnlyWhereTheSpeciesOffersIt) {
    ChooseSpecies("Terran");
    EXPECT_EQ(Section(SaveTo("a.xml"), "<SpecialItems>", "</SpecialItems>"),
              (std::vector<std::string>{"<SpecialItems>", "</SpecialItems>"}));
    ChooseSpecies("Skywing");
    EXPECT_EQ(Section(SaveTo("b.xml"), "<SpecialItems>", "</SpecialItems>"),
              (std::vector<std::string>{"<SpecialItems>", R"(<Primitive ReducePenalty="False"/>)",
                                        "</SpecialItems>"}));
    builder->Species.CbPrimitiveClick(true);
    builder->Species.CbCyberSkillClick(true);
    const std::string ticked = SaveTo("c.xml");
    EXPECT_NE(ticked.find("\r\n<Primitive ReducePenalty=\"True\"/>\r\n"), std::string::npos);
    EXPECT_NE(ticked.find("\r\n<Cyberware Skill=\"True\">\r\n"), std::string::npos);
}

TEST_F(HeroFileWriterTest, DecimalsUseAPointWhateverTheLocale) {
    builder->DecimalSeparator = ',';
    ChooseSpecies("Skywing"); // movement x1.5 with decimals, PsiMult 0.5
    builder->Attributes.SetScore(attSTR, 9);
    const std::string text = SaveTo("locale.xml");
    EXPECT_NE(text.find(R"(PsiMult="0.5")"), std::string::npos);
    ASSERT_NE(Label("Move.Sprint").find(','), std::string::npos) << Label("Move.Sprint");
    const std::string sprint = Label("Move.Sprint");
    const std::string written =
        sprint.substr(0, sprint.find(',')) + "." + sprint.substr(sprint.find(',') + 1);
    EXPECT_NE(text.find(R"(<Movement Sprint=")" + written + '"'), std::string::npos) << text;
}

} // namespace
} // namespace files_test
