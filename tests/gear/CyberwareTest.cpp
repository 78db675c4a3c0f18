// Cyberware: the catalogue with its defaults, installing and removing, the tolerance track
// and its warning, custom cyberware with its checks and the defaults file, a source switched
// off, and the hero file.

#include "gear/Cyberware.h"

#include "BuilderTest.h"

namespace {

const char* kCyberware = R"(<Cyberware>
  <CYBERITEM NAME="Skull Jack" SOURCE="Core" PL="6" QUALITY="1" MASS="0.2" SIZE="2" COST="1500"
    SKILLREQ="FALSE" NANOCOMPREQ="false" NOTE="A plug behind the ear"/>
  <cyberitem name="Bare Socket" source="Core"/>
  <CYBERITEM NAME="Odd Lens" SOURCE="Core" QUALITY="0" SIZE="4" COST="lots" PL="7" MASS="0.05"/>
  <CYBERITEM NAME="Reach Spine" SOURCE="Outer Reaches" QUALITY="2" SIZE="1" PL="8"/>
</Cyberware>)";

class CyberwareTest : public BuilderTest {
protected:
    void SetUp() override {
        WriteData(R"(<Configuration><SOURCE NAME="Outer Reaches" /></Configuration>)");
        app.Write("Data/cyberware.xml", kCyberware);
        Start();
        prompter.Clear();
    }
    Cyberware& C() { return builder->Cyber(); }
    const TableView& Table(const char* name) const { return builder->Views().TableNamed(name); }
    CustomCyberForm Form(const std::string& name) {
        CustomCyberForm form;
        form.name = name;
        form.pl = "7";
        form.quality = "G";
        form.mass = "1.5";
        form.size = "3";
        form.cost = "2500";
        form.details = "Grown, not built";
        form.skill = true;
        return form;
    }
};

TEST(CyberTolerance, ThreeTiersOfUsedAndFreePoints) {
    EXPECT_EQ(CyberTolerance(10, 0, 0).text, "qqqqqsqqqsqq");
    EXPECT_EQ(CyberTolerance(10, 0, 6).text, "xxxxxsxqqsqq");
    EXPECT_FALSE(CyberTolerance(10, 0, 10).over);
    const CyberTrack over = CyberTolerance(10, 0, 11);
    EXPECT_EQ(over.text, "xxxxxsxxxsxx");
    EXPECT_TRUE(over.over);
    EXPECT_EQ(CyberTolerance(20, -2, 0).text, "qqqqqqqqqsqqqqqsqqqq"); // 9, 5, 4
    EXPECT_EQ(QualityLetter(0) + QualityLetter(1) + QualityLetter(3) + QualityLetter(7), "?OA?");
}

TEST_F(CyberwareTest, CatalogueDefaultsAndInstalledTotals) {
    EXPECT_EQ(Table("CyberCatalogue"),
              (TableView{{"CyberTech", "PL", "Qual", "Mass", "Size", "Cost", "Skill", "NanoComp"},
                         {"Skull Jack", "6", "O", "0.2", "2", "1500", "", ""},
                         {"Bare Socket", "8", "A", "100", "100", "100000", "X", "X"},
                         {"Odd Lens", "7", "?", "0.05", "4", "100000", "X", "X"}}));
    C().Install(1);
    C().Install(3);
    C().Install(1);
    EXPECT_TRUE(builder->Changed());
    EXPECT_EQ(Table("Cyberware").size(), 4u);
    EXPECT_EQ(Labels("CyberCost CyberMass CyberSize"), "103000 0.45 8");
    EXPECT_EQ(Label("CyberTolerance"), "xxxxxsxxxsqq");
    EXPECT_EQ(Label("CyberWarning"), "");
    C().Uninstall(2);
    EXPECT_EQ(Table("Cyberware")[2][0], "Skull Jack");
    C().Uninstall(3);
    EXPECT_EQ(prompter.Texts(Kind::Error), Strings{"Select a piece of cyberware to remove."});
}

TEST_F(CyberwareTest, OverTheToleranceWarnsAndFollowsConstitution) {
    C().Install(1); // size 2
    C().Install(3); // size 4
    C().Install(3); // size 4: 10 of 10
    EXPECT_TRUE(prompter.Texts(Kind::Info).empty());
    builder->Attributes().SetScore(attCON, 9);
    EXPECT_EQ(Label("CyberTolerance"), "xxxxsxxxsxx");
    EXPECT_EQ(Label("CyberWarning"), kCyberCykosis);
    EXPECT_TRUE(builder->Views().LabelNamed("CyberWarning").red);
    C().Install(1);
    EXPECT_EQ(prompter.Texts(Kind::Info), Strings{kCyberCykosis});
    builder->Attributes().SetScore(attCON, 14);
    EXPECT_EQ(Label("CyberWarning"), "");
}

TEST_F(CyberwareTest, CustomCyberwareIsCheckedAndKeptInTheDefaults) {
    const auto refused = [this](CustomCyberForm form) {
        prompter.Clear();
        C().AddCustomCyberware(form);
        const Strings errors = prompter.Texts(Kind::Error);
        return errors.empty() ? std::string() : errors.front();
    };
    CustomCyberForm form = Form("");
    EXPECT_EQ(refused(form), "A Description is required");
    form = Form("Gill Mesh");
    form.pl = "";
    EXPECT_EQ(refused(form), "A PL is required");
    form = Form("Gill Mesh");
    form.quality = "";
    EXPECT_EQ(refused(form), "The Quality is required");
    form = Form("Gill Mesh");
    form.mass = "a lot";
    EXPECT_EQ(refused(form), "Mass must be numeric");
    form = Form("Gill Mesh");
    form.size = "2.5";
    EXPECT_EQ(refused(form), "Size must be an integer");
    form = Form("Gill Mesh");
    form.cost = "";
    EXPECT_EQ(refused(form), "Cost must be an integer");
    EXPECT_EQ(refused(Form("SKULL jack")), "Cyberware with that name already exists");
    EXPECT_EQ(Table("CyberCatalogue").size(), 4u);

    EXPECT_EQ(C().AddCustomCyberware(Form("Gill Mesh")), CyberField::None);
    EXPECT_EQ(Table("CyberCatalogue").back(),
              (TableRow{"Gill Mesh", "7", "G", "1.5", "3", "2500", "X", ""}));
    EXPECT_EQ(Table("Cyberware").size(), 1u); // not installed
    EXPECT_NE(app.Read("defaults.xml").find("<CyberItem Name=\"Gill Mesh\" Source=\"Custom\""),
              std::string::npos);
    // The next start reads it back after the file's entries, and after every reload.
    Start();
    EXPECT_EQ(Table("CyberCatalogue").back()[0], "Gill Mesh");
    prompter.confirmAnswers = {false};
    ClickSource("Outer Reaches");
    EXPECT_EQ(Table("CyberCatalogue")[4][0], "Reach Spine");
    EXPECT_EQ(Table("CyberCatalogue")[5][0], "Gill Mesh");
}

TEST_F(CyberwareTest, ASourceSwitchedOffTakesItsCyberwareAway) {
    prompter.confirmAnswers = {false};
    ClickSource("Outer Reaches");
    C().Install(4); // Reach Spine
    C().Install(1);
    ASSERT_EQ(C().AddCustomCyberware(Form("Gill Mesh")), CyberField::None);
    C().Install(5);
    prompter.confirmAnswers = {false};
    ClickSource("Outer Reaches");
    EXPECT_EQ(Table("Cyberware"), (TableView{{"CyberTech", "PL", "Qual", "Mass", "Size", "Cost"},
                                             {"Skull Jack", "6", "O", "0.2", "2", "1500"},
                                             {"Gill Mesh", "7", "G", "1.5", "3", "2500"}}));
}

TEST_F(CyberwareTest, HeroFileFindsItemsByNameAfterTheFileSources) {
    prompter.confirmAnswers = {false};
    ClickSource("Outer Reaches");
    C().Install(4);
    C().Install(2);
    builder->SetCyberSkill(true);
    const std::string text = Files().HeroFileText();
    EXPECT_NE(text.find("<Cyberware Skill=\"True\">\r\n"
                        "  <CyberItem Name=\"Reach Spine\" source=\"Outer Reaches\" Quality=\"2\" "
                        "Size=\"1\" PL=\"8\" Mass=\"100\" Multi=\"False\" NanoCompReq=\"True\" "
                        "Cost=\"100000\" SkillReq=\"True\"/>\r\n"),
              std::string::npos)
        << text;
    // The file switches the source on again.
    prompter.confirmAnswers = {false};
    ClickSource("Outer Reaches");
    ASSERT_EQ(Files().LoadHeroText(text, "cyborg.xml"), HeroLoad::Loaded);
    EXPECT_EQ(Table("Cyberware").size(), 3u);
    EXPECT_EQ(Files().HeroFileText(), text);

    std::string edited = text;
    edited.replace(edited.find("Bare Socket"), 11, "Tin Heart");
    Files().LoadHeroText(edited, "odd.xml");
    EXPECT_EQ(Files().ImportErrors(), Strings{"Cyberware \"Tin Heart\" not recognized"});
}

} // namespace
