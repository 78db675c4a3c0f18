// Hero files at their edges: empty note lines at the end, a specialty bought from the tree
// (whose broad skill the tree gives rank 1) and the psionic energy written with and without a
// profession.

#include "HeroFileFixture.h"

namespace files_test {
namespace {

using HeroFileEdges = HeroFileTest;

TEST_F(HeroFileEdges, EmptyNotesAtTheEndLeaveNoEmptyLineInTheFreeNotes) {
    const std::string start = "<HeroData><Hero Species=\"Terran\">\r\n<Notes>\r\n";
    const std::string end = "</Notes>\r\n</Hero></HeroData>";
    OpenText(start + "<Note>first</Note>\r\n<Note></Note>\r\n" + end);
    EXPECT_EQ(Hero().FreeNotes, "first");
    EXPECT_EQ(Label("FreeNotes"), "first");

    // An empty line between two lines is kept; several at the end all go.
    OpenText(start + "<Note>first</Note>\r\n<Note></Note>\r\n<Note>third</Note>\r\n" +
             "<Note></Note>\r\n<Note/>\r\n" + end);
    EXPECT_EQ(Hero().FreeNotes, "first\n\nthird");
    EXPECT_EQ(Section(SaveTo("again.xml"), "<Notes>", "</Notes>"),
              (Strings{"<Notes>", "<Note>first</Note>", "<Note></Note>", "<Note>third</Note>",
                       "</Notes>"}));
}

TEST_F(HeroFileEdges, SpecialtyBoughtFromTheTreeSavesItsBroadSkillAtLevelZeroAndRoundTrips) {
    const auto& offered = Hero().Skills;
    const auto blades = std::find_if(offered.begin(), offered.end(), [](const TSkillItem& skill) {
        return skill.Name == "Blades";
    });
    ASSERT_NE(blades, offered.end());
    builder->Skills().BuySkill(static_cast<int>(blades - offered.begin()));
    ASSERT_EQ(builder->Views().TableNamed("Skills").size(), 3u); // header, Melee, Blades

    const std::string first = SaveTo("hero.xml");
    EXPECT_EQ(Section(first,
                      R"(<Skills StartingPoints="45" PointsUsed="5" PointsRemaining="40" )"
                      R"(MaxBroadSkills="12" BroadSkillsUsed="1" BroadSkillsRemaining="11">)",
                      "</Skills>"),
              (Strings{R"(<Skills StartingPoints="45" PointsUsed="5" PointsRemaining="40" )"
                       R"(MaxBroadSkills="12" BroadSkillsUsed="1" BroadSkillsRemaining="11">)",
                       R"(<Skill Level="0" Name="Melee" Cost="3" Source="Core" >)"
                       "<Ability>STR</Ability></Skill>",
                       R"(<Skill Level="1" Name="Blades" Cost="2" Source="Core" >)"
                       "<Ability>STR</Ability></Skill>",
                       "</Skills>"}));
    Start();
    Open("hero.xml");
    EXPECT_EQ(SaveTo("again.xml"), first);
}

TEST_F(HeroFileEdges, PsionicEnergyIsWrittenWithTheSpeciesMultiplierAloneWithoutAProfession) {
    auto energy = [this] {
        const std::string text = SaveTo("hero.xml");
        const std::string start = "<PsionicSkills Energy=\"";
        const std::size_t at = text.find(start);
        if (at == std::string::npos) return std::string("<none>");
        const std::size_t from = at + start.size();
        return text.substr(from, text.find('"', from) - from);
    };
    ChooseSpecies("Skywing"); // multiplier 0.5
    builder->Attributes().SetScore(attWIL, 11);
    EXPECT_EQ(energy(), "5");       // 5.5, truncated
    ChooseProfession("Mindwalker"); // adjustment 0; WIL 11 is its minimum
    EXPECT_EQ(energy(), "5");
    ChooseProfession("Tech Op"); // adjustment -0.5
    EXPECT_EQ(energy(), "0");
    ChooseSpecies("Terran"); // multiplier 1
    EXPECT_EQ(energy(), "5");
}

} // namespace
} // namespace files_test
