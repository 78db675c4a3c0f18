#include "BuilderTest.h"

namespace {

const char* kConfig = R"(<?xml version="1.0"?>
<Configuration>
 <Source Name="Outer Reach"/>
 <SOURCE NAME="Deep Void"/>
 <source name="deep void"/>
 <Motivation Name="Glory" Source="Core"/>
 <Motivation Name="Revenge" Source="Outer Reach"/>
 <Motivation Name="Silence" Source="deep void"/>
</Configuration>
)";

class Sources : public BuilderTest {
protected:
    void SetUp() override { app.Write("Data/config.xml", kConfig); }
    void StartWith(const std::string& defaults) {
        app.Write("defaults.xml", defaults);
        Start();
        prompter.Clear();
    }
    const Strings& Motivations() { return builder->Rules().config.motivations; }
};

TEST_F(Sources, WithoutADefaultsFileOnlyCoreIsActiveAndThePersonIsToldOnce) {
    Start();
    EXPECT_EQ(prompter.Texts(Kind::Info),
              Strings{"You do not appear to have a defaults file\rThis means ALL sources except "
                      "\"Core\" are off\rWhen you select sources, you will be given the option "
                      "to save new defaults"});
    EXPECT_EQ(Active(), Strings{"Core"});
    EXPECT_EQ(builder->Rules().sources.Entries().size(), 4u);
    EXPECT_TRUE(Checked("Core"));
    EXPECT_EQ(Motivations(), Strings{"Glory"});
    ClickNew(); // "New": still only "Core", and no second notice
    EXPECT_EQ(Active(), Strings{"Core"});
    EXPECT_EQ(prompter.messages.size(), 1u);
}

TEST_F(Sources, DefaultsPiecesTwiceOrWithALeadingSpaceEndOff) {
    StartWith("<Defaults><Sources Active=\"Core,Deep Void,Outer Reach,Deep Void, deep void,"
              "Nowhere\" /></Defaults>");
    EXPECT_EQ(Active(), (Strings{"Core", "Outer Reach"}));
    EXPECT_TRUE(Checked("Outer Reach"));
    EXPECT_FALSE(Checked("Deep Void") || Checked("deep void"));
    EXPECT_EQ(Motivations(), (Strings{"Glory", "Revenge"}));
}

TEST_F(Sources, FilteringIgnoresLetterCaseButRemovalIsExact) {
    StartWith(kCoreOnlyDefaults);
    ClickSource("Deep Void");
    ClickSource("deep void");
    EXPECT_EQ(Active(), (Strings{"Core", "Deep Void", "deep void"}));
    ClickSource("deep void"); // off: removes its own spelling, not the first similar one
    EXPECT_EQ(Active(), (Strings{"Core", "Deep Void"}));
    EXPECT_EQ(Motivations(), (Strings{"Glory", "Silence"}));
    ClickSource("Deep Void");
    EXPECT_EQ(Motivations(), Strings{"Glory"});
    EXPECT_TRUE(builder->Rules().ValidSource("cUsToM"));
    EXPECT_FALSE(builder->Rules().ValidSource("Custom "));
}

TEST_F(Sources, ToggleReloadsAndOffersToSaveTheDefaults) {
    // Not the writer's layout, so that any rewrite shows.
    const std::string handWritten = "<Defaults>\n<Sources Active=\"Core\"/>\n</Defaults>\n";
    StartWith(handWritten);
    prompter.confirmAnswers = {false};
    ClickSource("Outer Reach");
    EXPECT_EQ(builder->Views().ChoiceNamed("Motivation").items, (Strings{"Glory", "Revenge"}));
    EXPECT_EQ(prompter.Texts(Kind::Confirm), Strings{"Make this the default?"});
    EXPECT_EQ(app.Read("defaults.xml"), handWritten);

    ClickNew(); // "New" goes back to the sources of the file
    EXPECT_FALSE(Checked("Outer Reach"));

    prompter.confirmAnswers = {true};
    ClickSource("Outer Reach");
    EXPECT_NE(app.Read("defaults.xml").find(" <Sources Active=\"Core,Outer Reach\" />\n"),
              std::string::npos);
    EXPECT_FALSE(app.Exists("defaults.xml.saving"));

    // "Core" cannot be switched off.
    ClickSource("Core");
    EXPECT_EQ(prompter.Texts(Kind::Error),
              Strings{"You must use the Core Source Book. \rTo alter these rules, select a "
                      "different \"Rule Set\"."});
    EXPECT_TRUE(Checked("Core"));
    EXPECT_EQ(prompter.Texts(Kind::Confirm).size(), 2u);
}

TEST_F(Sources, AFailedWriteKeepsTheOldFile) {
    StartWith(kCoreOnlyDefaults);
    // A read-only defaults file is not replaced, whoever runs the test.
    namespace fs = std::filesystem;
    fs::permissions(paths->InAppDir("defaults.xml"),
                    fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    prompter.confirmAnswers = {true};
    ClickSource("Outer Reach");
    EXPECT_EQ(prompter.Texts(Kind::Error), Strings{"Failed to save defaults"});
    EXPECT_EQ(app.Read("defaults.xml"), kCoreOnlyDefaults);
    EXPECT_EQ(Active(), (Strings{"Core", "Outer Reach"}));
}

TEST_F(Sources, CustomItemsComeFromTheDefaultsAndAreWrittenBack) {
    StartWith("<Defaults><Sources Active=\"Core\"/><Perk Cost=\"2\" Name=\"Lucky\"/>"
              "<CyberItem Name=\"Night Eye\" Mass=\"0.5\"/></Defaults>\n");
    ClickNew(); // applies the defaults again without doubling the custom items
    EXPECT_EQ(builder->Rules().CyberCatalogue().size(), 1u);
    EXPECT_EQ(builder->Rules().customPerks.size(), 1u);
    prompter.confirmAnswers = {true};
    ClickSource("Deep Void");
    EXPECT_NE(app.Read("defaults.xml").find(" <CyberItem Name=\"Night Eye\" Source=\"Custom\""),
              std::string::npos);
}

} // namespace
