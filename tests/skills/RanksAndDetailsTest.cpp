// Ranks and instance details however they arrive: typed, read from a hero file, repeated or
// absurd. Details are kept without blanks at their ends, ranks stop at 99, and a hero file
// whose lines repeat an instance reads as one instance and saves the same again.

#include "SkillsFixture.h"

namespace skills_test {
namespace {

using RanksAndDetails = SkillsTest;

TEST_F(RanksAndDetails, DetailsAreTrimmedWhenTypedAndWhenRead) {
    prompter.textAnswers = {"  Old Tongue  ", " Old Tongue", "   "};
    const int row = Buy("Language");
    EXPECT_EQ(row, RowOf("Language: Old Tongue")); // its row is selected
    EXPECT_EQ(Buy("Language"), row);               // bought already: no new row
    Buy("Language");
    EXPECT_EQ(prompter.Texts(Kind::Error), Strings{"Detail cannot be null"});
    EXPECT_EQ(Names(), (Strings{"Lore", "  Language: Old Tongue"}));

    // Read with blanks, the instance keeps its level and answers to its row.
    EXPECT_TRUE(Skills().AddSkill("Language", "\tTrade Cant ", 3));
    EXPECT_EQ(Rank("Language: Trade Cant") + " " + Cost("Language: Trade Cant"), "  3 9");
    Raise("Language: Trade Cant");
    EXPECT_EQ(Rank("Language: Trade Cant"), "  4");
    Lower("Language: Trade Cant");
    Lower("Language: Old Tongue");
    EXPECT_EQ(Rank("Language: Trade Cant") + Rank("Language: Old Tongue"), "  3  1");

    const std::string text = Files().HeroFileText();
    EXPECT_NE(text.find(R"(Detail="Trade Cant")"), std::string::npos);
    Files().LoadHeroText(text, "hero.xml");
    EXPECT_EQ(Files().HeroFileText(), text);
    Remove("Language: Trade Cant");
    EXPECT_EQ(Names(), (Strings{"Lore", "  Language: Old Tongue"}));
}

TEST_F(RanksAndDetails, AStrayDetailBuysThePlainSkillAtItsPrice) {
    EXPECT_TRUE(Skills().AddSkill("Climb", "North face", 2));
    EXPECT_EQ(Row("Climb"), (TableRow{"  Climb", "  2", "STR", "12/6/3", "+d0", "7"}));
    EXPECT_TRUE(builder->Hero().SkillInstances.empty());
    Remove("Climb"); // an ordinary purchase: no cash-out
    EXPECT_TRUE(Names().empty());
    EXPECT_TRUE(prompter.messages.empty());
    EXPECT_EQ(Label("SkillPoints"), "45  [0 used of 45]");
}

TEST_F(RanksAndDetails, RanksStopAt99HoweverTheyAreReached) {
    EXPECT_TRUE(Skills().AddSkill("Climb", "", 500));
    EXPECT_EQ(Rank("Climb") + " " + Cost("Climb"), "  99 5148"); // 99 x 3 + 99 x 98 / 2
    Raise("Climb");
    EXPECT_EQ(Rank("Climb"), "  99");
    Lower("Climb");
    EXPECT_EQ(Rank("Climb"), "  98");
    EXPECT_TRUE(Skills().AddSkill("Climb", "", -7)); // a line read again sets the rank
    EXPECT_EQ(Rank("Climb") + " " + Cost("Climb"), "  1 3");

    EXPECT_TRUE(Skills().AddSkill("Language", "Old Tongue", 99));
    Raise("Language: Old Tongue");
    EXPECT_EQ(Rank("Language: Old Tongue"), "  99");

    // Kept across a change of the sources in play, as they were.
    ClickSource("Outer Reaches");
    EXPECT_EQ(Rank("Climb") + Rank("Language: Old Tongue"), "  1  99");
}

TEST_F(RanksAndDetails, AnInstanceRepeatedInAFileIsOneInstanceAtTheLastLevel) {
    std::string lines;
    for (int i = 0; i < 1000; ++i)
        lines += "<Skill Name=\"Language\" Detail=\"Old Tongue\" Level=\"99\"/>\r\n";
    lines += "<Skill Name=\"Language\" Detail=\"Trade Cant\" Level=\"99\"/>\r\n"
             "<Skill Name=\"Language\" Detail=\" Trade Cant\" Level=\"5\"/>\r\n";
    std::string text = Files().HeroFileText();
    text.insert(text.find("</Skills>"), lines);
    Files().LoadHeroText(text, "repeated.xml");
    EXPECT_EQ(Names(), (Strings{"  Language: Old Tongue", "  Language: Trade Cant"}));
    EXPECT_EQ(Rank("Language: Old Tongue") + Rank("Language: Trade Cant"), "  99  5");

    // Saved, it holds each instance once, and reads back to the same text.
    const std::string saved = Files().HeroFileText();
    EXPECT_NE(saved.find(R"(<Skill Level="99" Name="Language" Detail="Old Tongue")"),
              std::string::npos);
    EXPECT_EQ(saved.find("Old Tongue"), saved.rfind("Old Tongue"));
    Files().LoadHeroText(saved, "saved.xml");
    EXPECT_EQ(Files().HeroFileText(), saved);
}

} // namespace
} // namespace skills_test
