// tavorn-cli sheet run as a person runs it, on copies of the sample heroes and the bundled
// catalogues: where the sheet goes, what the zero-level flag changes, and how failures end.

#include "TempAppDir.h"

#include <gtest/gtest.h>
#include <libxml/parser.h>

#include <cstdlib>
#include <sys/wait.h>

namespace {

namespace fs = std::filesystem;

fs::path Program() {
    std::error_code error;
    return fs::read_symlink("/proc/self/exe", error).parent_path().parent_path() / "tavorn-cli";
}

const fs::path kExamples = fs::path(TAVORN_SOURCE_DIR) / "examples";

// True when the text parses as XML without a single error.
bool WellFormed(const std::string& text) {
    xmlDocPtr doc = xmlReadMemory(text.data(), static_cast<int>(text.size()), "sheet.html", "UTF-8",
                                  XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING);
    xmlFreeDoc(doc);
    return doc != nullptr;
}

std::size_t Occurrences(const std::string& text, const std::string& what) {
    std::size_t count = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++count;
    return count;
}

class SheetCli : public ::testing::Test {
protected:
    void SetUp() override {
        if (!fs::exists(Program())) GTEST_SKIP() << "tavorn-cli was not built";
        app.CopyBundledData();
    }
    // Runs "tavorn-cli sheet --appdir APP WORDS..." and keeps what it printed.
    int Run(const std::vector<std::string>& words) {
        std::string line =
            "'" + Program().string() + "' sheet --appdir '" + app.Root().string() + "'";
        for (const std::string& word : words)
            line += " '" + word + "'";
        const fs::path output = app.Root() / "stdout.txt", errors = app.Root() / "stderr.txt";
        const int status =
            std::system((line + " >'" + output.string() + "' 2>'" + errors.string() + "'").c_str());
        out = ReadWholeFile(output);
        err = ReadWholeFile(errors);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    // A sample hero copied into the test's folder, so the sheet lands there.
    fs::path Copy(const std::string& example, const std::string& as) {
        const fs::path target = app.Root() / as;
        fs::copy_file(kExamples / example, target);
        return target;
    }

    TempAppDir app;
    std::string out, err;
};

TEST_F(SheetCli, EverySampleHeroGetsAWellFormedSheetBesideItsFile) {
    for (const char* example : {"aerlithi-courier.xml", "earthkin-tech-op.xml",
                                "gruskal-warden.xml", "veyra-sollenmark.xml"}) {
        SCOPED_TRACE(example);
        const fs::path hero = Copy(example, std::string("copy-") + example);
        ASSERT_EQ(Run({hero.string()}), 0) << err;
        EXPECT_EQ(out, "");
        EXPECT_EQ(err, "");
        fs::path sheet = hero;
        sheet.replace_extension(".html");
        const std::string text = ReadWholeFile(sheet);
        EXPECT_TRUE(WellFormed(text)) << text;
        EXPECT_EQ(Occurrences(text, "<p class=\"newpage\">"), 1u);
        EXPECT_NE(text.find("<td class=\"broad"), std::string::npos);
    }
}

TEST_F(SheetCli, OutputPathAndZeroLevelFlag) {
    const fs::path hero = Copy("earthkin-tech-op.xml", "Hero.XML"); // any case of "xml"
    ASSERT_EQ(Run({hero.string(), "-o", (app.Root() / "named.html").string(), "--zero-level"}), 0)
        << err;
    EXPECT_FALSE(app.Exists("Hero.html"));
    const std::string zero = app.Read("named.html");
    EXPECT_EQ(Occurrences(zero, "<p class=\"newpage\">"), 2u);
    EXPECT_NE(zero.find("class=\"broad3\""), std::string::npos);

    ASSERT_EQ(Run({hero.string()}), 0) << err;
    EXPECT_EQ(Occurrences(app.Read("Hero.html"), "class=\"broad3\""), 0u);
}

TEST_F(SheetCli, FailuresSayWhatWentWrong) {
    EXPECT_EQ(Run({(app.Root() / "nobody.xml").string()}), 1);
    EXPECT_NE(err.find("nobody.xml does not exist"), std::string::npos) << err;

    const fs::path hero = Copy("gruskal-warden.xml", "warden.xml");
    const fs::path unwritable = app.Root() / "no such folder" / "warden.html";
    EXPECT_EQ(Run({hero.string(), "-o", unwritable.string()}), 1);
    EXPECT_NE(err.find(unwritable.string()), std::string::npos) << err;
    EXPECT_EQ(out, "");

    app.Write("notes.txt", "<HeroData><Hero HeroName=\"x\"></Hero></HeroData>");
    EXPECT_EQ(Run({(app.Root() / "notes.txt").string()}), 2); // no "xml" ending, no -o
    EXPECT_NE(err.find("-o"), std::string::npos) << err;

    EXPECT_EQ(Run({}), 2);
    EXPECT_NE(err.find("usage: tavorn-cli sheet"), std::string::npos) << err;
    EXPECT_EQ(Run({hero.string(), "--colour"}), 2);
}

} // namespace
