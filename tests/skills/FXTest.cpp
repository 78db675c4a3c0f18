// FX: the catalogue's fallbacks and tree, the FX label for each kind of profession, the
// specialization with its discount and its refusal, rank costs, the table cells, always-active
// FX with their benefit steps and bonus totals, and the hero file section.

#include "skills/FXPurchases.h"

#include "hero/AttributeScores.h"
#include "skills/SkillBudget.h"
#include "xml/ValueParsing.h"

#include "BuilderTest.h"

namespace {

const char* kConfig = R"(<Configuration><SOURCE NAME="Shadow Book" />
  <Profession NAME="Adept Seer" SOURCE="Core" SKILLDISCOUNT="M" />
  <Profession NAME="Hedge Adept" SOURCE="Core" SKILLDISCOUNT="T" />
</Configuration>)";

const char* kRuleSets = R"(<RuleSets>
  <RULESET NAME="Advanced" Rule2C="True" FXPoints="5" />
</RuleSets>)";

// Two FX types of Core and one of "Shadow Book"; the benefit steps of Vigor at ranks 1, 2, 4.
const char* kFX = R"(<FXCatalogue>
  <Skill NAME="Glyphs" SOURCE="Core" FXT="Runes" BROADSKILL="Glyphs" ATTRIB="4" COST="5" ENERGY="1" />
  <Skill NAME="Ember" SOURCE="Core" FXT="Runes" BROADSKILL="Glyphs" ATTRIB="4" COST="3" ENERGY="1" />
  <Skill NAME="Ward" SOURCE="Core" FXT="Runes" BROADSKILL="Glyphs" ATTRIB="0" COST="2" CANBEACTIVE="1" ENERGY="2" />
  <Skill NAME="Faith" SOURCE="Core" FXT="Covenant" BROADSKILL="Faith" ATTRIB="5" COST="4" ENERGY="0" />
  <Skill NAME="Vigor" SOURCE="Core" FXT="Covenant" BROADSKILL="Faith" ATTRIB="1" COST="3" CANBEACTIVE="true" ENERGY="2" />
  <Skill NAME="Hymn" SOURCE="Core" FXT="Covenant" BROADSKILL="Faith" ATTRIB="5" COST="3" CANBEACTIVE="False" ACTIVECOST="5" ENERGY="x" />
  <Skill NAME="Warp" SOURCE="Core" FXT="Covenant" BROADSKILL="Faith" ATTRIB="7" COST="2" ENERGY="1" />
  <Skill NAME="Shade" SOURCE="Shadow Book" FXT="Umbral" BROADSKILL="Shade" ATTRIB="x" COST="y" CANBEACTIVE="maybe" />
  <Skill NAME="Gloom" SOURCE="Shadow Book" FXT="Umbral" BROADSKILL="Shade" ATTRIB="2" COST="3" CANBEACTIVE="TRUE" ENERGY="1" />
  <skill NAME="Lower Case" SOURCE="Core" FXT="Runes" BROADSKILL="Lower Case" ATTRIB="4" COST="1" />
  <FXBenefit NAME="Ward" RANK="1" STUN="1" NOTE="Runes blunt blows" />
  <FXBenefit NAME="Vigor" RANK="1" STR="1" />
  <FXBenefit NAME="Vigor" RANK="2" STR="2" ACINCREASE="1" />
  <FXBenefit NAME="Vigor" RANK="4" STR="3" CON="2" ACINCREASE="2" ACTION="1" STUN="2" WOUND="1" MORTAL="1" FATIGUE="1" />
  <FXBenefit NAME="Gloom" RANK="1" DEX="1" />
</FXCatalogue>)";

class FXTest : public BuilderTest {
protected:
    void SetUp() override {
        app.Write("Data/fx.xml", kFX);
        WriteData(kConfig, nullptr, nullptr, kRuleSets);
        Start();
        prompter.Clear();
    }
    FXPurchases& Fx() { return builder->FX(); }
    const TableView& Table() const { return builder->Views().TableNamed("FX"); }
    int Row(const std::string& name) const {
        for (std::size_t r = 1; r < Table().size(); ++r)
            if (Trim(Table()[r].at(0)) == name) return static_cast<int>(r);
        return 0;
    }
    TableRow Cells(const std::string& name) const {
        const int row = Row(name);
        return row ? Table()[static_cast<std::size_t>(row)] : TableRow(6, "<no row>");
    }
    int Buy(const std::string& name) {
        const auto& offered = builder->Hero().FXSkills;
        for (std::size_t i = 0; i < offered.size(); ++i)
            if (offered[i].Name == name) return Fx().BuyFX(static_cast<int>(i));
        ADD_FAILURE() << name << " is not offered";
        return 0;
    }
    // The cost cell of a row at each rank from 1 up to `ranks`, raised with "+".
    std::string Costs(const std::string& name, int ranks) {
        std::string costs;
        for (int rank = 1; rank <= ranks; ++rank) {
            if (rank > 1) Fx().RaiseRowRank(Row(name));
            costs += (rank > 1 ? " " : "") + Cells(name).at(5);
        }
        return costs;
    }
    void ChooseSpec(const std::string& name) {
        Fx().ChooseFXSpecialization(IndexOf(Fx().SpecializationChoices(), name));
    }
    Strings Active() const {
        Strings names;
        for (const TableRow& row : builder->Views().TableNamed("AlwaysActive"))
            names.push_back(row.at(0));
        return names;
    }
    const TSkillPointBudget& Budget() const { return builder->Hero().SkillPointBudget; }
};

TEST_F(FXTest, CatalogueFallbacksChoicesAndTheThreeLevelTree) {
    const auto& skills = Fx().Catalogue().skills;
    ASSERT_EQ(skills.size(), 9u);       // "skill" is not "Skill"
    EXPECT_EQ(skills[2].ActiveCost, 6); // can be active, energy 2, no active cost
    EXPECT_EQ(skills[5].ActiveCost, 5);
    EXPECT_EQ(skills[5].Energy, 99);
    EXPECT_EQ(skills[7].Attrib, -2);
    EXPECT_EQ(skills[7].Cost, 99);
    EXPECT_FALSE(skills[7].CanBeActive);
    EXPECT_EQ(skills[7].ActiveCost, 0);
    EXPECT_EQ(Fx().Catalogue().benefits.size(), 5u);
    EXPECT_EQ(Fx().SpecializationChoices(), (Strings{"Glyphs", "Faith", "Shade"}));

    // Only Core is active: one placeholder per FX type before its run.
    EXPECT_EQ(builder->Views().TableNamed("FXTree"), (TableView{{"0", "Runes"},
                                                                {"1", "Glyphs [5]"},
                                                                {"2", "Ember [3]"},
                                                                {"2", "Ward [2]"},
                                                                {"0", "Covenant"},
                                                                {"1", "Faith [4]"},
                                                                {"2", "Vigor [3]"},
                                                                {"2", "Hymn [3]"},
                                                                {"2", "Warp [2]"}}));
    EXPECT_EQ(Buy(""), 0);       // no FX has an empty name
    EXPECT_EQ(Fx().BuyFX(0), 0); // an FX type node buys nothing
    EXPECT_EQ(Table().size(), 1u);
}

TEST_F(FXTest, TheFXLabelForEachKindOfProfessionAndTheFixedNotes) {
    auto notes = [this] {
        std::string text;
        for (const TableRow& row : builder->Views().TableNamed("FixedNotes"))
            text += row.at(0) + "|";
        return text;
    };
    EXPECT_EQ(Label("FXLabel"), "FX Talent");
    EXPECT_FALSE(builder->Views().ChoiceNamed("FXSpecialization").visible);
    ChooseProfession("Adept Seer");
    EXPECT_EQ(Label("FXLabel"), "FX Adept");
    EXPECT_TRUE(builder->Views().ChoiceNamed("FXSpecialization").visible);
    ChooseSpec("Faith");
    EXPECT_NE(notes().find("|Adept Seer FX Specialization: Faith|"), std::string::npos) << notes();
    ChooseProfession("Hedge Adept");
    EXPECT_EQ(Label("FXLabel"), "FX Talent*");
    EXPECT_EQ(Label("FXSpecialization"), "Faith");
    EXPECT_NE(notes().find("|Hedge Adept FX Specialization: Faith|"), std::string::npos);
    // Another profession hides the choice, which keeps its item.
    ChooseProfession("Free Agent");
    EXPECT_EQ(Label("FXLabel"), "FX Talent");
    EXPECT_EQ(Label("FXSpecialization"), "");
    EXPECT_EQ(notes().find("FX Specialization"), std::string::npos);
    EXPECT_EQ(builder->Hero().FXSpecialization, "Faith");
}

TEST_F(FXTest, AnAdeptChoosesASpecializationFirstAndItsFXCostOneLess) {
    // An FX Talent buys at once, at the catalogue price.
    EXPECT_EQ(Buy("Vigor"), 2);
    EXPECT_EQ(Cells("Vigor").at(5), "3");
    ChooseProfession("Adept Seer");
    EXPECT_EQ(Row("Vigor"), 2); // a change of profession keeps the FX

    EXPECT_EQ(Buy("Ember"), 0);
    EXPECT_EQ(prompter.Texts(Kind::Error),
              Strings{"Select your specialization before adding skills"});
    EXPECT_EQ(Row("Ember"), 0);

    ChooseSpec("Faith");
    EXPECT_EQ(Row("Vigor"), 0); // a new specialization offers the FX afresh
    const TableView& tree = builder->Views().TableNamed("FXTree");
    EXPECT_EQ(tree.at(5).at(1), "Faith [3]");
    EXPECT_EQ(tree.at(6).at(1), "Vigor [2]");
    EXPECT_EQ(tree.at(1).at(1), "Glyphs [5]");
    Buy("Hymn");
    EXPECT_EQ(Cells("Faith").at(5), "3");
    EXPECT_EQ(Costs("Hymn", 3), "2 5 9");
    Buy("Ember");
    EXPECT_EQ(Costs("Ember", 3), "3 7 12");
    EXPECT_EQ(Budget().PointsUsed, 3 + 9 + 5 + 12);
    EXPECT_EQ(Budget().BroadSkillsUsed, 2);
    ChooseRules("Advanced");
    EXPECT_EQ(Cells("Ember").at(5), "9");
    ChooseSpec("Faith"); // the same choice again keeps the FX
    EXPECT_EQ(Row("Ember"), 2);

    // Choosing another specialization empties the hero's FX.
    ChooseSpec("Glyphs");
    EXPECT_EQ(Table().size(), 1u);
    EXPECT_EQ(Budget().PointsUsed, 0);
}

TEST_F(FXTest, TableCellsRanksAndRemoval) {
    Buy("Ward");
    EXPECT_EQ(Table(), (TableView{{"FX", "Rank", "Att", "Score", "Die", "Cost"},
                                  {"Glyphs", "", "INT", "10/5/2", "+d4", "5"},
                                  {"  Ward", "1", "N/A", "AUTO", "N/A", "2"}}));
    // An attribute outside 0..6: told once, blank cells, the rest and the budget go on.
    Buy("Warp");
    EXPECT_EQ(prompter.Texts(Kind::Error), Strings{"Warp is not matched to a valid attribute"});
    Buy("Vigor");
    Fx().RaiseRowRank(Row("Vigor"));
    EXPECT_EQ(prompter.Texts(Kind::Error).size(), 1u);
    EXPECT_EQ(Cells("Warp"), (TableRow{"  Warp", "1", "", "", "", ""}));
    EXPECT_EQ(Cells("Vigor"), (TableRow{"  Vigor", "2", "STR", "12/6/3", "+d0", "7"}));
    EXPECT_EQ(Budget().PointsUsed, 5 + 2 + 4 + 7);

    Fx().RaiseRowRank(0);
    Fx().LowerRowRank(0);
    EXPECT_EQ(prompter.Texts(Kind::Plain),
              (Strings{"Please select a skill to raise", "Please select a skill to lower"}));
    Fx().LowerRowRank(Row("Vigor"));
    Fx().LowerRowRank(Row("Vigor"));
    EXPECT_EQ(Cells("Vigor").at(1), "1");
    Fx().RaiseRowRank(Row("Faith")); // a broad FX has no rank
    EXPECT_EQ(Cells("Faith").at(5), "4");

    Fx().RemoveFX(0);
    EXPECT_EQ(prompter.Texts(Kind::Error).back(), "Select an FX to remove");
    Fx().RemoveFX(Row("Faith")); // with its specialties
    EXPECT_EQ(Table().size(), 3u);
    EXPECT_EQ(Budget().PointsUsed, 7);
}

TEST_F(FXTest, AlwaysActiveFXTakeTheirBenefitStepAndMoveEveryScore) {
    const std::string derived = "STR.Base STR.Total CON.Total ActionCheck.Ordinary Actions "
                                "Stun Wound Mortal Fatigue";
    EXPECT_EQ(Labels(derived), "10 10 10 10 2 10 10 5 5");
    Buy("Vigor");
    Fx().RaiseRowRank(Row("Vigor"));
    Fx().RaiseRowRank(Row("Vigor")); // rank 3: the rank-2 step
    EXPECT_FALSE(Fx().CanMakeActive(Row("Faith")));
    EXPECT_TRUE(Fx().CanMakeActive(Row("Vigor")));
    prompter.Clear();
    Fx().MakeAlwaysActive(Row("Vigor"));
    EXPECT_TRUE(builder->Changed());
    EXPECT_EQ(Active(), Strings{"Vigor"});
    EXPECT_EQ(builder->Hero().FXTotals.Str, 2);
    EXPECT_EQ(Labels(derived), "10 12 10 11 2 10 10 5 5");
    EXPECT_EQ(Cells("Vigor").at(3), "15/7/3"); // the table follows the raised STR

    Fx().RaiseRowRank(Row("Vigor"));
    Fx().RaiseRowRank(Row("Vigor")); // rank 5: the rank-4 step
    EXPECT_EQ(Labels(derived), "10 13 12 12 3 14 13 7 7");
    EXPECT_EQ(Label("FXPoints"), "-6  [6 used of 0]");
    EXPECT_TRUE(builder->Views().LabelNamed("FXPoints").red);

    // A durability bonus alone moves the durability too.
    Buy("Ward");
    Fx().MakeAlwaysActive(Row("Ward"));
    EXPECT_EQ(Label("Stun"), "15");
    EXPECT_EQ(Active(), (Strings{"Ward", "Vigor"}));

    Fx().MakeAlwaysActive(Row("Vigor"));
    Fx().MakeAlwaysActive(Row("Faith"));
    Fx().MakeAlwaysActive(0);
    EXPECT_EQ(prompter.Texts(Kind::Error),
              (Strings{"Vigor is already active.",
                       "*Sputter*\rIt seems an error has occured.\rFaith is not actually allowed "
                       "to be made active.\rSorry for raising your hopes...",
                       "Select an FX skill to make active first"}));

    // Removing ends it: every score goes back, the base never moved.
    Fx().RemoveFX(Row("Faith"));
    EXPECT_EQ(Labels(derived), "10 10 10 10 2 11 10 5 5");
    builder->Attributes().SetScore(attSTR, 12);
    Fx().RemoveFX(Row("Glyphs"));
    EXPECT_EQ(Labels("STR.Base STR.Total Stun"), "12 12 10");
    EXPECT_EQ(builder->Hero().FXTotals.Stun, 0);
}

TEST_F(FXTest, ARebuildDropsWhatLeavesAtOnce) {
    prompter.confirmAnswers = {false};
    ClickSource("Shadow Book");
    Buy("Gloom");
    Fx().MakeAlwaysActive(Row("Gloom"));
    Buy("Vigor");
    Fx().MakeAlwaysActive(Row("Vigor"));
    EXPECT_EQ(Labels("DEX.Total STR.Total"), "11 11");
    // Turning the source off drops Gloom from the table, the list, the budget and DEX.
    prompter.confirmAnswers = {false};
    ClickSource("Shadow Book");
    EXPECT_EQ(Row("Gloom"), 0);
    EXPECT_EQ(Active(), Strings{"Vigor"});
    EXPECT_EQ(Labels("DEX.Total DEX.Base STR.Total"), "10 10 11");
    EXPECT_EQ(Budget().PointsUsed, 4 + 3);
    // A new specialization drops them all.
    ChooseProfession("Adept Seer");
    ChooseSpec("Glyphs");
    EXPECT_EQ(Table().size(), 1u);
    EXPECT_TRUE(Active().empty());
    EXPECT_EQ(Labels("STR.Total STR.Base"), "10 10");
    EXPECT_EQ(Budget().PointsUsed, 0);
}

TEST_F(FXTest, HeroFileSectionRoundTripAndUnknownNames) {
    ChooseProfession("Adept Seer");
    ChooseSpec("Faith");
    Buy("Vigor");
    Fx().RaiseRowRank(Row("Vigor"));
    Fx().RaiseRowRank(Row("Vigor"));
    Fx().MakeAlwaysActive(Row("Vigor"));
    Buy("Ward");
    const std::string text = Files().HeroFileText();
    EXPECT_NE(text.find("<FX Specialization=\"Faith\">\r\n"
                        "  <FXSkill Name=\"Glyphs\" Source=\"Core\" FXType=\"Runes\" "
                        "Broadskill=\"Glyphs\" Attribute=\"INT\" UnTrained=\"False\" Cost=\"5\" "
                        "Energy=\"1\" Rank=\"0\" Active=\"False\" />\r\n"
                        "  <FXSkill Name=\"Ward\" Source=\"Core\" FXType=\"Runes\" "
                        "Broadskill=\"Glyphs\" Attribute=\"???\" UnTrained=\"False\" Cost=\"2\" "
                        "Energy=\"2\" Rank=\"1\" Active=\"False\" />\r\n"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("  <FXSkill Name=\"Vigor\" Source=\"Core\" FXType=\"Covenant\" "
                        "Broadskill=\"Faith\" Attribute=\"STR\" UnTrained=\"False\" Cost=\"2\" "
                        "Energy=\"2\" Rank=\"3\" Active=\"True\" />\r\n</FX>\r\n"),
              std::string::npos);
    EXPECT_NE(text.find("<STR Score=\"10\">"), std::string::npos);
    Files().LoadHeroText(text, "fx.xml");
    EXPECT_EQ(Labels("STR.Base STR.Total"), "10 12");
    EXPECT_EQ(Files().HeroFileText(), text);

    // An FX line that does not say "True" for Active is read as not always active.
    for (const std::string& active : {std::string(), std::string(" Active=\"maybe\"")}) {
        std::string passive = text;
        passive.replace(passive.find(" Active=\"True\""), 14, active);
        Files().LoadHeroText(passive, "passive.xml");
        EXPECT_TRUE(builder->Views().TableNamed("AlwaysActive").empty()) << active;
    }
    Files().LoadHeroText(text, "fx.xml");
    EXPECT_EQ(builder->Views().TableNamed("AlwaysActive").size(), 1u);

    // A broad FX stored at a rank costs its price; unknown names are reported.
    std::string edited = text;
    const std::string end = "</FX>";
    edited.replace(edited.find(end), end.size(),
                   "<FXSkill Name=\"Glyphs\" Rank=\"3\" />\r\n"
                   "<FXSkill Name=\"Ghost\" Rank=\"2\" Active=\"yes\" />\r\n</FX>");
    Files().LoadHeroText(edited, "edited.xml");
    EXPECT_EQ(Cells("Glyphs"), (TableRow{"Glyphs", "", "INT", "10/5/2", "+d4", "5"}));
    EXPECT_EQ(Files().ImportErrors(), Strings{"Unknown FXSkill: Ghost  2"});
}

} // namespace
