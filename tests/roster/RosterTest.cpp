// The roster: rows from what the hero builder and the robot designer show, the grid's one
// empty row, removal, and the roster page.

#include "../robots/RobotFixture.h"

#include "app/HeroBuilder.h"
#include "files/HeroFiles.h"
#include "gear/GearViews.h"
#include "hero/AttributeScores.h"
#include "roster/Roster.h"
#include "roster/RosterPage.h"

namespace fs = std::filesystem;

namespace {

// The views of a hero as the builder shows them: 12/8/2 on foot, gliding 10, flying 20.
ViewData HeroViews() {
    ViewData views;
    const std::pair<LabelName, const char*> labels[] = {
        {AttributeLabel(0, AttributeColumn::Res), "+1"},
        {AttributeLabel(1, AttributeColumn::Res), "-1"},
        {kSprintLabel, "12"},
        {kRunLabel, "8"},
        {kWalkLabel, "2"},
        {kGlideLabel, "10"},
        {kFlyLabel, "20"},
        {kActionMarginalLabel, "11+"},
        {kActionOrdinaryLabel, "10"},
        {kActionGoodLabel, "5"},
        {kActionAmazingLabel, "2"},
        {kActionDieLabel, "0"},
        {kActionsLabel, "2"},
        {kStunLabel, "9"},
        {kWoundLabel, "9"},
        {kMortalLabel, "5"}};
    for (const auto& [name, text] : labels)
        views.SetLabel(name, text);
    views.SetTable(kArmorTable, {{"Armor", "Score", "Die", "Type", "Effect", "AP", "Hide"},
                                 {"Padded coat", "", "", "", "d4/d4-1/d4-2", "", ""},
                                 {"Visor", "", "", "", "d4", "", ""}});
    views.SetTable(kWeaponsTable, {{"Weapon", "Score", "Die", "Type", "Range", "Damage"},
                                   {"Brawl", "10", "+d0", "LI/O", "Personal", "d4s"},
                                   {"Needler", "12", "+d0", "HI/O", "6/12/40", "d4w"},
                                   {"Hook Blade", "11", "-d4", "LI/O", "Personal", "d6s"}});
    return views;
}

class RosterTest : public RobotTest {
protected:
    Roster& roster() {
        if (!roster_) roster_.emplace(prompter, *paths);
        return *roster_;
    }
    // The grid's rows, cells joined by ";".
    Strings Rows() {
        Strings rows;
        for (const TableRow& row : roster().Grid()) {
            std::string line;
            for (std::size_t i = 0; i < row.size(); ++i)
                line += (i ? ";" : "") + row[i];
            rows.push_back(line);
        }
        return rows;
    }
    std::optional<Roster> roster_;
};

const std::string kHeader = "Name;S;D;Move;Action Check;#;Armor;S;W;M;Attacks";
const std::string kEmpty = ";;;;;;;;;;";

} // namespace

TEST(RosterRows, HeroRowIsCopiedFromWhatTheBuilderShows) {
    ViewData views = HeroViews();
    EXPECT_EQ(HeroRosterRow("Kel", views),
              (TableRow{"Kel", "+1", "-1", "12/8/2 [20/10]", "11+/10/5/2", "2",
                        "Padded coat d4/d4-1/d4-2|Visor d4", "9", "9", "5",
                        "Needler (12) d4w [HI/O]|Hook Blade (11 -d4) d6s [LI/O]"}));

    views.SetLabel(kActionDieLabel, "+d4");
    views.SetLabel(kFlyLabel, "-");
    TableRow row = HeroRosterRow("Kel", views);
    EXPECT_EQ(row[kRosterActionCheck], "11+/10/5/2 [ +d4 ]");
    EXPECT_EQ(row[kRosterMove], "12/8/2 [10]");

    views.SetLabel(kGlideLabel, "-");
    EXPECT_EQ(HeroRosterRow("Kel", views)[kRosterMove], "12/8/2");
    // A hero that flies without gliding keeps its flying rate.
    views.SetLabel(kFlyLabel, "20");
    EXPECT_EQ(HeroRosterRow("Kel", views)[kRosterMove], "12/8/2 [20/-]");

    // Only the Brawl row: no attacks; no armor rows: no armor.
    views.SetTable(kWeaponsTable, {{"Weapon", "Score", "Die", "Type", "Range", "Damage"},
                                   {"Brawl", "10", "+d0", "LI/O", "Personal", "d4s"}});
    views.SetTable(kArmorTable, {{"Armor", "Score", "Die", "Type", "Effect", "AP", "Hide"}});
    row = HeroRosterRow("Kel", views);
    EXPECT_EQ(row[kRosterAttacks], "");
    EXPECT_EQ(row[kRosterArmor], "");
}

TEST_F(RosterTest, RowsFillTheEmptyRowThenAppendAndAreRemovedOnYes) {
    EXPECT_EQ(Rows(), (Strings{kHeader, kEmpty}));

    // A robot on the Shell chassis (CON 9), DEX 9, INT 10, with its die.
    designer->ChoosePL("7");
    designer->ChoosePart(RobotSlot::Chasis, "Shell");
    designer->ChoosePart(RobotSlot::Processor, "Loom");
    designer->ChoosePart(RobotSlot::Casing, "Skin");
    designer->SetDesignation("Porter");
    const fs::path robot = app.Root() / "porter.xml";
    ASSERT_TRUE(designer->SaveToPath(robot));
    designer->ClearDesign();

    prompter.fileAnswers.push_back(robot);
    roster().AddRobot(*designer);
    const std::string porter = "Porter;-1;0;;10+/9/4/2 [ -d4 ];1;Skin d4-1/d4-2/d4-3;9;9;5;";
    EXPECT_EQ(Rows(), (Strings{kHeader, porter}));
    roster().AddRow(HeroRosterRow("Kel", HeroViews()));
    EXPECT_EQ(Rows().size(), 3u);
    EXPECT_EQ(Rows()[2].substr(0, 4), "Kel;");

    // Cancelled, or a robot without a name: nothing added.
    roster().AddRobot(*designer);
    designer->ClearDesign();
    prompter.fileAnswers.push_back(app.Write("nameless.xml", "<Robot PL=\"5\"/>"));
    roster().AddRobot(*designer);
    EXPECT_EQ(Rows().size(), 3u);

    // Removal asks first; No keeps the row.
    roster().RemoveEntry(std::nullopt);
    roster().RemoveEntry(0);
    EXPECT_EQ(Rows().size(), 3u);
    prompter.confirmAnswers = {true};
    roster().RemoveEntry(0);
    EXPECT_EQ(Rows()[1].substr(0, 4), "Kel;");
    prompter.confirmAnswers = {true};
    roster().RemoveEntry(0);
    EXPECT_EQ(Rows(), Strings{kHeader}); // the only row removed: the header alone
    EXPECT_EQ(prompter.Texts(Kind::Error), Strings{"Select an entry to remove first"});
    EXPECT_EQ(prompter.Texts(Kind::Confirm), Strings(3, "Remove this entry from the roster?"));

    // The next addition appends a row again; Clear brings back the one empty row.
    roster().AddRow(HeroRosterRow("Kel", HeroViews()));
    EXPECT_EQ(Rows().size(), 2u);
    roster().Clear();
    EXPECT_EQ(Rows(), (Strings{kHeader, kEmpty}));
}

TEST_F(RosterTest, PageDrawsBoxesAndBreaksLongRows) {
    auto boxes = [](int count) {
        std::string text;
        for (int i = 0; i < count; ++i)
            text += "☐";
        return text;
    };
    EXPECT_EQ(DurabilityBoxes("14"), boxes(14));
    EXPECT_EQ(DurabilityBoxes("20"), boxes(10) + "<BR>" + boxes(10));
    EXPECT_EQ(DurabilityBoxes("15"), boxes(8) + "<BR>" + boxes(7));
    EXPECT_EQ(DurabilityBoxes("many"), "");
    EXPECT_EQ(DurabilityBoxes("-3"), "");

    // Nothing to write yet.
    EXPECT_FALSE(roster().Export());
    EXPECT_EQ(prompter.Texts(Kind::Error), Strings{"Add items to the roster first"});
    EXPECT_FALSE(fs::exists(app.Root() / "Roster.html"));

    TableRow row = HeroRosterRow("Kel <the Quick>", HeroViews());
    row[kRosterStun] = "20";
    roster().AddRow(row);
    ASSERT_TRUE(roster().Export());
    EXPECT_EQ(roster().RosterName(), "Roster");
    const fs::path page = app.Root() / "Roster.html";
    EXPECT_EQ(prompter.Texts(Kind::OpenInViewer), Strings{page.string()});
    const std::string html = ReadWholeFile(page);
    EXPECT_NE(html.find("<title>Roster</title>"), std::string::npos);
    EXPECT_NE(html.find("<b>Kel &lt;the Quick&gt;</b>"), std::string::npos);
    EXPECT_NE(html.find("Str Res: <font color=blue>+1</font> step"), std::string::npos);
    EXPECT_NE(html.find("Dex Res: <font color=red>-1</font> step"), std::string::npos);
    EXPECT_NE(html.find("Mv: 12/8/2 [20/10]<br>\nAC: 11+/10/5/2<br>\nActions: 2"),
              std::string::npos);
    EXPECT_NE(html.find("<td nowrap>Padded coat d4/d4-1/d4-2<BR>Visor d4</td>"), std::string::npos);
    EXPECT_NE(html.find("S: " + boxes(10) + "<BR>" + boxes(10) + "<br>\nW: " + boxes(9) +
                        "<br>\nM: " + boxes(5) + "</td>"),
              std::string::npos);

    // A page that cannot be written: a folder stands where the page would go.
    fs::remove(page);
    fs::create_directories(page);
    EXPECT_FALSE(roster().Export());
    EXPECT_EQ(
        prompter.Texts(Kind::Error).back(),
        "\"" + page.string() +
            "\" could not be written to.\rEither the path/name is invalid or it is read only");
}

TEST_F(RosterTest, AddCharacterOpensAHeroFileInTheBuilder) {
    app.CopyBundledData();
    HeroBuilder builder(prompter, *paths);
    ASSERT_TRUE(builder.Start());
    HeroFiles files(builder);
    const fs::path hero = fs::path(TAVORN_SOURCE_DIR) / "examples" / "earthkin-tech-op.xml";

    roster().AddCharacter(files, builder.Document()); // cancelled: nothing added
    EXPECT_EQ(roster().Grid().size(), 2u);
    EXPECT_EQ(roster().Grid()[1][kRosterName], "");

    prompter.fileAnswers.push_back(hero);
    roster().AddCharacter(files, builder.Document());
    EXPECT_EQ(prompter.lastDialog.title, "Open Character");
    ASSERT_EQ(roster().Grid().size(), 2u);
    const TableRow& row = roster().Grid()[1];
    EXPECT_EQ(row[kRosterName], "Mara Quell");
    EXPECT_EQ(row[kRosterDexRes],
              builder.Views().Label(AttributeLabel(1, AttributeColumn::Res)).text);
    EXPECT_EQ(row[kRosterStun], builder.Views().Label(kStunLabel).text);
    EXPECT_EQ(row[kRosterMove].find('['), std::string::npos); // walks only
}
