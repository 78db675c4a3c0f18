#include "app/AtomicFile.h"

#include "StartedBuilder.h"

#include <gtest/gtest.h>

namespace {

using Strings = std::vector<std::string>;

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

class Sources : public StartedBuilder {
protected:
    void SetUp() override { app.Write("Data/config.xml", kConfig); }
    const Strings& Motivations() { return Rules().config.motivations; }
};

TEST_F(Sources, WithoutADefaultsFileOnlyCoreIsActiveAndThePersonIsToldOnce) {
    Start();
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].kind, Kind::Info);
    EXPECT_EQ(prompter.messages[0].text,
              "You do not appear to have a defaults file\rThis means ALL sources except "
              "\"Core\" are off\rWhen you select sources, you will be given the option to save "
              "new defaults");
    EXPECT_EQ(Active(), Strings{"Core"});
    ASSERT_EQ(Rules().sources.Entries().size(), 4u);
    EXPECT_TRUE(Checked("Core"));
    EXPECT_FALSE(Checked("Outer Reach"));
    EXPECT_EQ(Motivations(), Strings{"Glory"});

    // "New" without a defaults file: still only "Core", and no second notice.
    builder->Clear1Click();
    EXPECT_EQ(Active(), Strings{"Core"});
    EXPECT_EQ(prompter.messages.size(), 1u);
}

TEST_F(Sources, DefaultsPiecesTwiceOrWithALeadingSpaceEndOff) {
    app.Write(
        "defaults.xml",
        "<Defaults><Sources Active=\"Core,Deep Void,Outer Reach,Deep Void, deep void,Nowhere\" "
        "/></Defaults>");
    Start();
    EXPECT_TRUE(prompter.messages.empty());
    EXPECT_EQ(Active(), (Strings{"Core", "Outer Reach"}));
    EXPECT_TRUE(Checked("Outer Reach"));
    EXPECT_FALSE(Checked("Deep Void"));
    EXPECT_FALSE(Checked("deep void"));
    EXPECT_EQ(Motivations(), (Strings{"Glory", "Revenge"}));
}

TEST_F(Sources, FilteringIgnoresLetterCaseButRemovalIsExact) {
    app.Write("defaults.xml", kCoreOnlyDefaults);
    Start();
    ClickSource("Deep Void");
    ClickSource("deep void");
    EXPECT_EQ(Active(), (Strings{"Core", "Deep Void", "deep void"}));

    ClickSource("deep void"); // off: removes its own spelling, not the first similar one
    EXPECT_EQ(Active(), (Strings{"Core", "Deep Void"}));
    EXPECT_FALSE(Checked("deep void"));
    EXPECT_EQ(Motivations(), (Strings{"Glory", "Silence"})); // "deep void" still matches

    ClickSource("Deep Void");
    EXPECT_EQ(Active(), Strings{"Core"});
    EXPECT_EQ(Motivations(), Strings{"Glory"});
    EXPECT_TRUE(Rules().ValidSource("cUsToM"));
    EXPECT_FALSE(Rules().ValidSource("Custom "));
}

TEST_F(Sources, ToggleReloadsAndOffersToSaveTheDefaults) {
    // Not the writer's layout, so that any rewrite shows.
    const std::string handWritten = "<Defaults>\n<Sources Active=\"Core\"/>\n</Defaults>\n";
    app.Write("defaults.xml", handWritten);
    Start();
    prompter.Clear();

    prompter.confirmAnswers = {false};
    ClickSource("Outer Reach");
    EXPECT_EQ(Motivations(), (Strings{"Glory", "Revenge"}));
    EXPECT_EQ(builder->Views.Choice("Motivation").items, (Strings{"Glory", "Revenge"}));
    EXPECT_EQ(prompter.Texts(Kind::Confirm), Strings{"Make this the default?"});
    EXPECT_EQ(app.Read("defaults.xml"), handWritten);

    // "New" goes back to the sources of the file.
    builder->Clear1Click();
    EXPECT_EQ(Active(), Strings{"Core"});
    EXPECT_FALSE(Checked("Outer Reach"));

    prompter.confirmAnswers = {true};
    ClickSource("Outer Reach");
    EXPECT_EQ(app.Read("defaults.xml"), "<?xml version=\"1.0\" standalone=\"yes\"?>\n"
                                        "<Defaults>\n"
                                        " <Sources Active=\"Core,Outer Reach\" />\n"
                                        "</Defaults>\n");
    prompter.confirmAnswers = {true};
    ClickSource("Outer Reach");
    EXPECT_EQ(app.Read("defaults.xml"), kCoreOnlyDefaults);
    EXPECT_TRUE(prompter.Texts(Kind::Error).empty());
    EXPECT_FALSE(app.Exists("defaults.xml.saving"));
}

TEST_F(Sources, CoreCannotBeSwitchedOff) {
    app.Write("defaults.xml", kCoreOnlyDefaults);
    Start();
    prompter.confirmAnswers = {true};
    ClickSource("Core");
    EXPECT_EQ(prompter.Texts(Kind::Error),
              Strings{"You must use the Core Source Book. \rTo alter these rules, select a "
                      "different \"Rule Set\"."});
    EXPECT_TRUE(prompter.Texts(Kind::Confirm).empty());
    EXPECT_EQ(Active(), Strings{"Core"});
    EXPECT_TRUE(Checked("Core"));
    EXPECT_EQ(app.Read("defaults.xml"), kCoreOnlyDefaults);
}

TEST_F(Sources, AFailedWriteKeepsTheOldFile) {
    app.Write("defaults.xml", kCoreOnlyDefaults);
    Start();
    // A folder where the new text would go makes the write fail, whoever runs the test.
    std::filesystem::create_directories(SavingPathFor(paths->InAppDir("defaults.xml")));
    prompter.confirmAnswers = {true};
    ClickSource("Outer Reach");
    EXPECT_EQ(prompter.Texts(Kind::Error), Strings{"Failed to save defaults"});
    EXPECT_EQ(app.Read("defaults.xml"), kCoreOnlyDefaults);
    EXPECT_EQ(Active(), (Strings{"Core", "Outer Reach"}));
}

TEST_F(Sources, CustomItemsComeFromTheDefaultsAndAreWrittenBack) {
    app.Write("defaults.xml",
              "<Defaults>\n"
              "<Sources Active=\"Core\"/>\n"
              "<Perk Cost=\"2\" Name=\"Lucky &amp; Bold\" Source=\"Custom\"/>\n"
              "<Flaw Cost=\"oops\" Name=\"Bad Knee\"/>\n"
              "<CyberItem Name=\"Night Eye\" PL=\"7\" Quality=\"2\" Mass=\"0.5\" Size=\"3\" "
              "Cost=\"15000\" Multi=\"True\" NanoCompReq=\"False\" SkillReq=\"True\" "
              "Note=\"dropped\"/>\n"
              "</Defaults>\n");
    Start();
    ASSERT_EQ(builder->CyberCatalogue().size(), 1u);

    // "New" applies the defaults again without doubling the custom items.
    builder->Clear1Click();
    EXPECT_EQ(builder->CyberCatalogue().size(), 1u);
    EXPECT_EQ(Rules().customPerks.size(), 1u);
    EXPECT_EQ(Rules().customFlaws.size(), 1u);

    prompter.confirmAnswers = {true};
    ClickSource("Deep Void");
    EXPECT_EQ(app.Read("defaults.xml"),
              "<?xml version=\"1.0\" standalone=\"yes\"?>\n"
              "<Defaults>\n"
              " <Sources Active=\"Core,Deep Void\" />\n"
              " <Perk Cost=\"2\" Name=\"Lucky &amp; Bold\" Source=\"Custom\" />\n"
              " <Flaw Cost=\"99\" Name=\"Bad Knee\" Source=\"Custom\" />\n"
              " <CyberItem Name=\"Night Eye\" Source=\"Custom\" PL=\"7\" Quality=\"2\" "
              "Mass=\"0.5\" Size=\"3\" Cost=\"15000\" Multi=\"True\"  NanoCompReq=\"False\" "
              "SkillReq=\"True\" Note=\"\"/>\n"
              "</Defaults>\n");
}

} // namespace
