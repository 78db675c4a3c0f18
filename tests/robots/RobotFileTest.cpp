// Robot files and the robot sheet: the exact line layout, reopening by name against the
// catalogue of the day, what a damaged or foreign file does, and the sheet's contents.

#include "RobotFixture.h"

#include "robots/RobotFile.h"

namespace fs = std::filesystem;

namespace {

std::string Between(const std::string& text, const std::string& from, const std::string& to) {
    const std::size_t start = text.find(from);
    if (start == std::string::npos) return "<no " + from + ">";
    return text.substr(start, text.find(to, start) - start);
}

} // namespace

TEST_F(RobotTest, SavedFileKeepsItsExactLayoutAndReadsBackTheSame) {
    designer->SetDesignation("Tin & \"Can\"");
    designer->ChoosePart(RobotSlot::Casing, "Skin");
    Add(RobotList::Ports, "Jack");
    Add(RobotList::Manipulators, "Claw");
    Add(RobotList::Sensors, "Eye");
    Add(RobotList::Upgrades, "Gyros");
    designer->SetNotes("first\n\tsecond");

    const fs::path file = app.Root() / "tin.xml";
    prompter.fileAnswers.push_back(file);
    ASSERT_TRUE(designer->Save()); // no file yet: "Save As"
    EXPECT_EQ(prompter.lastDialog.title, "Save Robot File");
    EXPECT_EQ(prompter.lastDialog.filter, "XML files (*.xml)");
    EXPECT_EQ(prompter.Texts(Kind::Plain), Strings{"File Saved"});
    EXPECT_EQ(designer->FileName(), file.string());
    EXPECT_FALSE(designer->Changed());

    const std::string expected =
        "<?xml version=\"1.0\" standalone=\"yes\"?>\r\n"
        "<Robot Name=\"Tin &amp; &quot;Can&quot;\" PL=\"5\">\r\n"
        "  <Material Name=\"Tin\"  PL=\"5\" Tech=\"M\" Class=\"Light\" CostX=\"1.25\"  "
        "WeightX=\"1.5\"  Source=\"Core\" /> \r\n"
        "  <Chasis Name=\"Crate\" PL=\"5\" Tech=\"M\" SIZE=\"2\" COST=\"500\"  WEIGHT=\"40.5\" "
        "CON=\"7\"  Source=\"Core\" />\r\n"
        "  <Casing Name=\"Skin\" PL=\"5\" Tech=\"M\" COSTX=\"2\" WEIGHTX=\"1.1\" "
        "ARMOR=\"d4-1/d4-2/d4-3\" Source=\"Core\" />\r\n"
        "  <Processor Name=\"Abacus\" PL=\"5\" Source=\"Core\" AM=\"2\" MaxRank=\"1\" "
        "StepMod=\"2\" INT=\"12\" COST=\"100\" />\r\n"
        "  <Actuator Name=\"Pulleys\" PL=\"5\" Tech=\"\" CostX=\"1\" WeightX=\"1\"  STR=\"6\" "
        "DEX=\"9\" Source=\"Core\" />\r\n"
        "  \t<Propulsion Name=\"Treads\" PL=\"5\" Tech=\"M\" COSTX=\"3\" Source=\"Core\" />\r\n"
        "  \t<AuxPropulsion Name=\"None\" PL=\"0\" Tech=\"\" COSTX=\"0\" Source=\"\" />\r\n"
        "  \t<Power1 Name=\"Cells\" PL=\"5\" Tech=\"M\" COST=\"0\" Source=\"Core\" />\r\n"
        "  \t<Power2 Name=\"None\" PL=\"0\" Tech=\"\" COST=\"0\" Source=\"\" />\r\n"
        "  <Port Name=\"Jack\" PL=\"5\" COST=\"50\" WEIGHT=\"1\" Source=\"Core\" Note=\"wired\" "
        "/>\r\n"
        "  <Manipulator Name=\"Claw\" PL=\"5\" COST=\"200\"  WEIGHT=\"3\" Source=\"Core\" />\r\n"
        "  <Sensor Name=\"Eye\" PL=\"5\" COST=\"100\"   WEIGHT=\"1\" Source=\"Core\" "
        "Note=\"sight\" />\r\n"
        "  <Upgrade Name=\"Gyros\"  PL=\"5\" AC=\"0\" COST=\"0\" DEX=\"1\" PER=\"0\" WIL=\"0\" "
        "LIFTX=\"0\" CLASS=\"Agility\"  Source=\"Core\" Note=\"steady\" />\r\n"
        "<Note>first</Note>\r\n"
        "<Note>&#9;second</Note>\r\n"
        "</Robot>\r\n";
    EXPECT_EQ(ReadWholeFile(file), expected);

    // Opened again: the same design, notes line by line; saved again: the same bytes.
    designer->ClearDesign();
    ASSERT_TRUE(designer->OpenPath(file));
    EXPECT_EQ(designer->Designation(), "Tin & \"Can\"");
    EXPECT_EQ(designer->Notes(), (Strings{"first", "\tsecond"}));
    EXPECT_EQ(Names(kUpgradesTable), Strings{"Gyros"});
    EXPECT_EQ(designer->ImportErrors(), Strings{});
    const fs::path again = app.Root() / "again.xml";
    ASSERT_TRUE(designer->SaveToPath(again));
    EXPECT_EQ(ReadWholeFile(again), expected);
}

TEST_F(RobotTest, OnlyNamesAreTakenFromTheFile) {
    designer->ChoosePL("7");
    designer->ChoosePart(RobotSlot::Processor, "Loom");
    designer->ChoosePart(RobotSlot::Chasis, "Shell");
    designer->SetDesignation("Loomer");
    const fs::path file = app.Root() / "loomer.xml";
    ASSERT_TRUE(designer->SaveToPath(file));
    EXPECT_EQ(Label(kRobotINTLabel), "10");

    // The catalogue changes its numbers; the robot opened shows the new ones.
    std::string changed = kSmallCatalogue;
    changed.replace(changed.find("int=\"10\""), 8, "int=\"14\"");
    changed.replace(changed.find("CON=\"9\""), 7, "CON=\"11\"");
    app.Write("Data/robots.xml", changed);
    Start();
    ASSERT_TRUE(designer->OpenPath(file));
    EXPECT_EQ(designer->PL(), 7);
    EXPECT_EQ(designer->Robot().Processor.Name, "Loom");
    EXPECT_EQ(Label(kRobotINTLabel), "14");
    EXPECT_EQ(Label(kRobotCONLabel), "11");
}

TEST_F(RobotTest, OpeningStartsFromAFreshDesignAndReportsWhatItCannotRead) {
    designer->SetDesignation("Previous");
    designer->SetNotes("old note");
    Add(RobotList::Ports, "Jack");

    // Attribute names are matched exactly: NAME names nothing.
    const fs::path capitals = app.Write("capitals.xml", R"(<Robot NAME="Tin" PL="7">
  <Processor NAME="Loom" />
  <Port NAME="Jack" />
</Robot>)");
    ASSERT_TRUE(designer->OpenPath(capitals));
    EXPECT_EQ(designer->Designation(), "");
    EXPECT_EQ(designer->Notes(), Strings{});
    EXPECT_EQ(designer->Robot().Processor.Name, "Abacus"); // the first offered at PL 7
    EXPECT_EQ(Names(kPortsTable), Strings{});
    EXPECT_EQ(designer->ImportErrors(), Strings{" is not a valid port"});

    prompter.Clear();
    const fs::path unknown = app.Write("unknown.xml", R"(<ROBOT Name="Odd" PL="5">
  <PROCESSOR Name="Quantum" />
  <manipulator Name="Claw" /><Manipulator Name="Tentacle" />
  <Port Name="Warp" /><Sensor Name="Nose" /><Upgrade Name="Wings" /><Upgrade Name="Gyros" />
  <Note>one</Note><Note></Note><note>three &amp; more</note>
</ROBOT>)");
    ASSERT_TRUE(designer->OpenPath(unknown));
    const Strings reported{"Quantum is not a valid processor",
                           "Tentacle is not a valid manipulator", "Warp is not a valid port",
                           "Nose is not a valid sensor", "Wings is not a valid upgrade"};
    EXPECT_EQ(designer->ImportErrors(), reported);
    EXPECT_EQ(prompter.Texts(Kind::Error), reported);
    EXPECT_EQ(Names(kManipulatorsTable), Strings{"Claw"});
    EXPECT_EQ(Names(kUpgradesTable), Strings{"Gyros"});
    EXPECT_EQ(designer->Notes(), (Strings{"one", "", "three & more"}));

    // A hero file, a missing file and a file of another kind leave the design as it was.
    prompter.Clear();
    const fs::path hero = app.Write("hero.xml", "<HeroData><Hero HeroName=\"Mara\"/></HeroData>");
    const fs::path other = app.Write("other.xml", "<Ship Name=\"Skiff\"/>");
    EXPECT_FALSE(designer->OpenPath(hero));
    EXPECT_FALSE(designer->OpenPath(app.Root() / "nowhere.xml"));
    EXPECT_FALSE(designer->OpenPath(other));
    EXPECT_EQ(prompter.Texts(Kind::Error),
              (Strings{"This is a hero xml, not a robot xml",
                       (app.Root() / "nowhere.xml").string() + " does not exist.\rOpen FAILED!",
                       "other.xml is not a robot file: it does not start with a robot."}));
    EXPECT_EQ(designer->Designation(), "Odd");
    EXPECT_EQ(designer->FileName(), unknown.string());
}

TEST_F(RobotTest, ExportNamesAnUnnamedRobotAndWritesTheSheetBesideTheProgram) {
    designer->ChoosePart(RobotSlot::Casing, "Skin");
    designer->ChoosePart(RobotSlot::AuxPropulsion, "Treads");
    Add(RobotList::Ports, "Jack");
    Add(RobotList::Upgrades, "Gyros");
    Add(RobotList::Manipulators, "Claw");
    designer->SetNotes("Hums <loudly>\nsecond line");
    ASSERT_TRUE(designer->Export());
    EXPECT_EQ(designer->Designation(), "Robot");
    EXPECT_EQ(Label(kDesignationLabel), "Robot");

    const fs::path sheet = app.Root() / "robot.html";
    EXPECT_EQ(prompter.Texts(Kind::OpenInViewer), Strings{sheet.string()});
    const std::string html = ReadWholeFile(sheet);
    EXPECT_NE(html.find("<title>Robot</title>"), std::string::npos);
    EXPECT_NE(html.find("td.spec3    { font-style: italic; color: grey; }"), std::string::npos);
    EXPECT_NE(html.find("Treads<BR>Treads"), std::string::npos);
    // CON 7: Stun and Wound 7, Mortal 4, each with its boxes.
    EXPECT_EQ(Between(html, "<tr valign=top><td>7", "</tr>"),
              "<tr valign=top><td>7<br>☐☐☐☐☐☐☐</td><td>7<br>☐☐☐☐☐☐☐</td><td>4<br>☐☐☐☐</td>"
              "<td>d4-1/d4-2/d4-3</td>");
    EXPECT_EQ(Between(html, "<tr><th>DEX", "</tr>"), "<tr><th>DEX</th><td>10</td><td>0</td>");
    EXPECT_EQ(Between(html, "<tr><th>CON", "</tr>"), "<tr><th>CON</th><td>7</td>");
    EXPECT_EQ(Between(html, "<tr><th>INT", "</tr>"), "<tr><th>INT</th><td>12</td><td>+1</td>");
    EXPECT_EQ(Between(html, "<tr><th>WIL", "</tr>"), "<tr><th>WIL</th><td>1</td><td>-2</td>");
    EXPECT_NE(html.find("<td>12+</td><td>11</td><td>5</td><td>2</td><td>+d6</td><td>1</td>"),
              std::string::npos);
    EXPECT_NE(html.find("<b>Port</b></td><td>Jack</td><td>wired</td>"), std::string::npos);
    EXPECT_NE(html.find("<b>Upgrade</b></td><td>Gyros</td><td>steady</td>"), std::string::npos);
    EXPECT_EQ(html.find("Claw"), std::string::npos); // manipulators are not listed
    EXPECT_NE(html.find("Hums &lt;loudly&gt;<br>\nsecond line<br>"), std::string::npos);

    // CON 8 gives Mortal 4 as well; a style sheet file replaces the built-in rules.
    designer->ChoosePart(RobotSlot::Chasis, "Spar");
    app.Write("Data/character.css", "body { color: navy }\r\n");
    ASSERT_TRUE(designer->WriteSheet(sheet));
    const std::string second = ReadWholeFile(sheet);
    EXPECT_NE(second.find("<td>8<br>☐☐☐☐☐☐☐☐</td><td>4<br>☐☐☐☐</td>"), std::string::npos);
    EXPECT_NE(second.find("<!--\nbody { color: navy }\n-->"), std::string::npos);
    EXPECT_EQ(second.find("td.spec3"), std::string::npos);

    // A sheet that cannot be written is reported.
    const fs::path nowhere = app.Root() / "no folder" / "robot.html";
    EXPECT_FALSE(designer->WriteSheet(nowhere));
    EXPECT_EQ(
        prompter.Texts(Kind::Error).back(),
        "\"" + nowhere.string() +
            "\" could not be written to.\rEither the path/name is invalid or it is read only");
}
