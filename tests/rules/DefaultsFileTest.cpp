#include "rules/DefaultsFile.h"

#include "StartedBuilder.h"

#include <gtest/gtest.h>

namespace {

PerkFlawItem Custom(const std::string& name, int cost) {
    PerkFlawItem item;
    item.Name = name;
    item.Source = "Custom";
    item.Cost = cost;
    return item;
}

TCyberTech Cyber(const std::string& name, const std::string& source) {
    TCyberTech item;
    item.Name = name;
    item.Source = source;
    return item;
}

TEST(DefaultsFile, OnlyCoreAndNothingCustomIsFourLines) {
    EXPECT_EQ(FormatDefaults({"Core"}, {}, {}, {}), kCoreOnlyDefaults);
}

TEST(DefaultsFile, CustomPerksFlawsAndCyberItemsLayout) {
    TCyberTech eye = Cyber("Night Eye", "custom");
    eye.PL = 7;
    eye.Quality = 2;
    eye.Mass = 0.25;
    eye.Size = 3;
    eye.Cost = 15000;
    eye.NanoCompReq = false;
    eye.Note = "Left only";
    TCyberTech arm = Cyber("Arm", "CUSTOM");
    arm.Mass = 12;
    arm.Multi = false; // written as "True" whatever it holds
    const std::vector<TCyberTech> catalogue = {Cyber("Skull Plate", "Core"), eye, arm};

    EXPECT_EQ(FormatDefaults({"Core", "Outer Reach", "Deep Void"},
                             {Custom("Lucky Break", 3), Custom("Eagle Eye", 0)},
                             {Custom("Bad Knee", -2)}, catalogue),
              "<?xml version=\"1.0\" standalone=\"yes\"?>\n"
              "<Defaults>\n"
              " <Sources Active=\"Core,Outer Reach,Deep Void\" />\n"
              " <Perk Cost=\"3\" Name=\"Lucky Break\" Source=\"Custom\" />\n"
              " <Perk Cost=\"0\" Name=\"Eagle Eye\" Source=\"Custom\" />\n"
              " <Flaw Cost=\"-2\" Name=\"Bad Knee\" Source=\"Custom\" />\n"
              " <CyberItem Name=\"Night Eye\" Source=\"Custom\" PL=\"7\" Quality=\"2\" "
              "Mass=\"0.25\" Size=\"3\" Cost=\"15000\" Multi=\"True\"  NanoCompReq=\"False\" "
              "SkillReq=\"True\" Note=\"Left only\"/>\n"
              " <CyberItem Name=\"Arm\" Source=\"Custom\" PL=\"8\" Quality=\"3\" Mass=\"12\" "
              "Size=\"100\" Cost=\"100000\" Multi=\"True\"  NanoCompReq=\"True\" "
              "SkillReq=\"True\" Note=\"\"/>\n"
              "</Defaults>\n");
}

TEST(DefaultsFile, QuotesAmpersandsAndAnglesRoundTrip) {
    TempAppDir app;
    TCyberTech item = Cyber("Eye \"Mk2\" & <Co>", "Custom");
    item.Mass = 1.5;
    const auto file =
        app.Write("defaults.xml", FormatDefaults({"Core", "R&D \"Labs\""}, {Custom("A&B", 4)},
                                                 {Custom("\"Quiet\" <Type>", 1)}, {item}));
    EXPECT_NE(app.Read("defaults.xml").find("Eye &quot;Mk2&quot; &amp; &lt;Co&gt;"),
              std::string::npos);

    std::vector<std::string> pieces;
    CustomDefaults custom;
    const XmlReadResult read = ReadDefaultsFile(
        file, [&](const std::string& piece) { pieces.push_back(piece); }, custom);
    EXPECT_TRUE(read.ok());
    EXPECT_EQ(pieces, (std::vector<std::string>{"Core", "R&D \"Labs\""}));
    ASSERT_EQ(custom.perks.size(), 1u);
    EXPECT_EQ(custom.perks[0].Name, "A&B");
    EXPECT_EQ(custom.perks[0].Cost, 4);
    ASSERT_EQ(custom.flaws.size(), 1u);
    EXPECT_EQ(custom.flaws[0].Name, "\"Quiet\" <Type>");
    ASSERT_EQ(custom.cyberItems.size(), 1u);
    EXPECT_EQ(custom.cyberItems[0].Name, "Eye \"Mk2\" & <Co>");
    EXPECT_EQ(custom.cyberItems[0].Mass, 1.5);
}

TEST(DefaultsFile, ReadingFallsBackOnUnreadableValues) {
    TempAppDir app;
    const auto file = app.Write(
        "defaults.xml",
        "<Defaults>\n"
        " <sources active=\"Deep Void\" ACTIVE=\"Core,Outer Reach,Outer Reach, Deep Void\"/>\n"
        " <perk cost=\"x\" name=\"Lucky\"/>\n"
        " <Flaw Cost=\"\" Name=\"Slow\"/>\n"
        " <FLAW COST=\"-3\" NAME=\"Loud\"/>\n"
        " <CyberItem Name=\"Junk\" Source=\"Core\" PL=\"seven\" Quality=\"good\" Mass=\"heavy\" "
        "Size=\"big\" Cost=\"lots\" Multi=\"True\" NanoCompReq=\"maybe\" SkillReq=\"yes\" "
        "Note=\"not read\"/>\n"
        " <cyberitem name=\"Eye\" pl=\"7\" quality=\"2\" mass=\"0.25\" size=\"3\" cost=\"15000\" "
        "nanocompreq=\"false\" skillreq=\"FALSE\"/>\n"
        "</Defaults>\n");
    std::vector<std::string> pieces;
    CustomDefaults custom;
    ReadDefaultsFile(
        file, [&](const std::string& piece) { pieces.push_back(piece); }, custom);

    // The last ACTIVE attribute counts; its pieces are handed on as written, untrimmed.
    EXPECT_EQ(pieces,
              (std::vector<std::string>{"Core", "Outer Reach", "Outer Reach", " Deep Void"}));

    ASSERT_EQ(custom.perks.size(), 1u);
    EXPECT_EQ(custom.perks[0].Name, "Lucky");
    EXPECT_EQ(custom.perks[0].Cost, 99);
    EXPECT_EQ(custom.perks[0].Source, "Custom");
    ASSERT_EQ(custom.flaws.size(), 2u);
    EXPECT_EQ(custom.flaws[0].Cost, 99);
    EXPECT_EQ(custom.flaws[1].Cost, -3);

    ASSERT_EQ(custom.cyberItems.size(), 2u);
    const TCyberTech& junk = custom.cyberItems[0];
    EXPECT_EQ(junk.Source, "Custom");
    EXPECT_EQ(junk.PL, 9);
    EXPECT_EQ(junk.Quality, 9);
    EXPECT_EQ(junk.Cost, 999999);
    EXPECT_EQ(junk.Mass, 0.0);
    EXPECT_EQ(junk.Size, 0);
    EXPECT_TRUE(junk.NanoCompReq);
    EXPECT_TRUE(junk.SkillReq);
    EXPECT_FALSE(junk.Multi);
    EXPECT_EQ(junk.Note, "");

    const TCyberTech& eye = custom.cyberItems[1];
    EXPECT_EQ(eye.Name, "Eye");
    EXPECT_EQ(eye.PL, 7);
    EXPECT_EQ(eye.Quality, 2);
    EXPECT_EQ(eye.Cost, 15000);
    EXPECT_EQ(eye.Mass, 0.25);
    EXPECT_EQ(eye.Size, 3);
    EXPECT_FALSE(eye.NanoCompReq);
    EXPECT_FALSE(eye.SkillReq);
}

} // namespace
