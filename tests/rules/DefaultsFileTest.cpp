#include "rules/DefaultsFile.h"

#include "BuilderTest.h"

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
    TCyberTech eye = Cyber("Night Eye & <Co>", "custom");
    eye.Mass = 0.25;
    eye.NanoCompReq = false;
    eye.Multi = false; // written as "True" whatever it holds
    eye.Note = "Left only";
    EXPECT_EQ(FormatDefaults({"Core", "Outer Reach", "Deep Void"},
                             {Custom("Lucky Break", 3), Custom("Eagle \"Eye\"", 0)},
                             {Custom("Bad Knee", -2)}, {Cyber("Skull Plate", "Core"), eye}),
              "<?xml version=\"1.0\" standalone=\"yes\"?>\n"
              "<Defaults>\n"
              " <Sources Active=\"Core,Outer Reach,Deep Void\" />\n"
              " <Perk Cost=\"3\" Name=\"Lucky Break\" Source=\"Custom\" />\n"
              " <Perk Cost=\"0\" Name=\"Eagle &quot;Eye&quot;\" Source=\"Custom\" />\n"
              " <Flaw Cost=\"-2\" Name=\"Bad Knee\" Source=\"Custom\" />\n"
              " <CyberItem Name=\"Night Eye &amp; &lt;Co&gt;\" Source=\"Custom\" PL=\"8\" "
              "Quality=\"3\" Mass=\"0.25\" Size=\"100\" Cost=\"100000\" Multi=\"True\"  "
              "NanoCompReq=\"False\" SkillReq=\"True\" Note=\"Left only\"/>\n"
              "</Defaults>\n");
}

TEST(DefaultsFile, ReadingFallsBackOnUnreadableValues) {
    TempAppDir app;
    const auto file = app.Write(
        "defaults.xml",
        "<Defaults>\n"
        " <sources active=\"Deep Void\" ACTIVE=\"Core,Outer Reach,Outer Reach, Deep Void\"/>\n"
        " <perk cost=\"x\" name=\"Lucky\"/>\n"
        " <FLAW COST=\"-3\" NAME=\"Loud &amp; Proud\"/>\n"
        " <CyberItem Name=\"Junk\" Source=\"Core\" PL=\"seven\" Quality=\"good\" Mass=\"heavy\" "
        "Size=\"big\" Cost=\"lots\" Multi=\"True\" NanoCompReq=\"maybe\" SkillReq=\"yes\" "
        "Note=\"not read\"/>\n"
        " <cyberitem name=\"Eye\" mass=\"0.25\" nanocompreq=\"false\" skillreq=\"FALSE\"/>\n"
        "</Defaults>\n");
    Strings pieces;
    CustomDefaults custom;
    ReadDefaultsFile(
        file, [&](const std::string& piece) { pieces.push_back(piece); }, custom);

    // The last ACTIVE attribute counts; its pieces are handed on as written, untrimmed.
    EXPECT_EQ(pieces, (Strings{"Core", "Outer Reach", "Outer Reach", " Deep Void"}));
    ASSERT_EQ(custom.perks.size() + custom.flaws.size(), 2u);
    EXPECT_EQ(std::tie(custom.perks[0].Name, custom.perks[0].Cost, custom.perks[0].Source),
              std::make_tuple(std::string("Lucky"), 99, std::string("Custom")));
    EXPECT_EQ(std::tie(custom.flaws[0].Name, custom.flaws[0].Cost),
              std::make_tuple(std::string("Loud & Proud"), -3));

    ASSERT_EQ(custom.cyberItems.size(), 2u);
    const TCyberTech& junk = custom.cyberItems[0];
    EXPECT_EQ(std::tie(junk.Source, junk.Note),
              std::make_tuple(std::string("Custom"), std::string()));
    EXPECT_EQ(std::tie(junk.PL, junk.Quality, junk.Cost, junk.Mass, junk.Size),
              std::make_tuple(9, 9, 999999, 0.0, 0));
    EXPECT_EQ(std::tie(junk.NanoCompReq, junk.SkillReq, junk.Multi),
              std::make_tuple(true, true, false));
    const TCyberTech& eye = custom.cyberItems[1];
    EXPECT_EQ(std::tie(eye.Name, eye.Mass, eye.NanoCompReq, eye.SkillReq),
              std::make_tuple(std::string("Eye"), 0.25, false, false));
}

TEST(DefaultsFile, NumbersOutsideWhatTheRulesUseTakeTheFallback) {
    TempAppDir app;
    const auto file = app.Write(
        "defaults.xml",
        "<Defaults>\n"
        " <Perk Cost=\"2147483647\" Name=\"Greedy\"/><Flaw Cost=\"-1000\" Name=\"Edge\"/>\n"
        " <CyberItem Name=\"Huge\" PL=\"100\" Quality=\"4\" Mass=\"100000000000000000000\" "
        "Size=\"-1\" Cost=\"2147483647\"/>\n"
        "</Defaults>\n");
    CustomDefaults custom;
    ReadDefaultsFile(
        file, [](const std::string&) {}, custom);
    ASSERT_EQ(custom.perks.size() + custom.flaws.size() + custom.cyberItems.size(), 3u);
    EXPECT_EQ(std::make_pair(custom.perks[0].Cost, custom.flaws[0].Cost),
              std::make_pair(99, -1000));
    const TCyberTech& huge = custom.cyberItems[0];
    EXPECT_EQ(std::tie(huge.PL, huge.Quality, huge.Cost, huge.Mass, huge.Size),
              std::make_tuple(9, 9, 999999, 0.0, 0));
}

} // namespace
