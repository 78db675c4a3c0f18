// A catalogue that is there but damaged is named once, in one box, at start-up and after a
// source change, and in the main log; a missing one is only noted in the log.

#include "BuilderTest.h"

namespace {

const char* kConfig = R"(<Configuration><SOURCE NAME="Outer Reaches"/></Configuration>)";
const char* kSpecies = R"(<S><SPECIES><Name>Terran</Name><Source>Core</Source></SPECIES></S>)";
const char* kSkills =
    R"(<K><SKILL NAME="Lore" BROADSKILL="Lore" SOURCE="Core" ATTRIB="4" BASEPRICE="3"/></K>)";

using BrokenCatalogue = BuilderTest;

TEST_F(BrokenCatalogue, EachDamagedCatalogueIsNamedOnceInOneBox) {
    WriteData(kConfig, "", "this is not XML", "<RuleSets><RULESET NAME=\"A\" </RuleSets>");
    Start();
    const Strings infos = prompter.Texts(Kind::Info);
    ASSERT_EQ(infos.size(), 1u);
    const std::string& box = infos.front();
    EXPECT_EQ(box.rfind("Some catalogues could not be read as they should", 0), 0u);
    EXPECT_NE(box.find("\rspecies.xml is empty."), std::string::npos);
    EXPECT_NE(box.find("\rskills.xml is damaged (line 1: "), std::string::npos);
    EXPECT_NE(box.find("\rrulesets.xml is damaged (line 1: "), std::string::npos);
    EXPECT_EQ(builder->CatalogueProblems().size(), 3u);
    EXPECT_NE(app.Read("tavorn.log").find("species.xml"), std::string::npos);

    // A source change reads them again and says so again, once.
    prompter.Clear();
    ClickSource("Outer Reaches");
    EXPECT_EQ(prompter.Texts(Kind::Info).size(), 1u);
}

TEST_F(BrokenCatalogue, SoundOrMissingCataloguesAreNotReported) {
    WriteData(kConfig, kSpecies, kSkills);
    Start();
    EXPECT_TRUE(prompter.Texts(Kind::Info).empty());
    EXPECT_TRUE(builder->CatalogueProblems().empty());
    EXPECT_NE(app.Read("tavorn.log").find("Catalogue not found: "), std::string::npos);

    // Well-formed, but another kind of file: each catalogue holding no entries is named.
    const char* page = "<html><body>A page</body></html>";
    for (const char* name : {"skills.xml", "species.xml", "psionics.xml", "perksnflaws.xml",
                             "benefits.xml", "mutations.xml"})
        app.Write(std::string("Data/") + name, page);
    Start();
    EXPECT_EQ(builder->CatalogueProblems(),
              (Strings{"species.xml holds no species.", "skills.xml holds no skills.",
                       "psionics.xml holds no psionic skills.",
                       "perksnflaws.xml holds no perks or flaws.", "benefits.xml holds no benefits.",
                       "mutations.xml holds no mutations."}));
}

} // namespace
