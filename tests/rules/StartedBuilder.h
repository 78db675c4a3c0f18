#pragma once
// A hero builder started in a throw-away program folder whose catalogues the test writes
// first, with a scripted prompter that plays the person.

#include "app/HeroBuilder.h"
#include "app/ScriptedPrompter.h"

#include "TempAppDir.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

class StartedBuilder : public ::testing::Test {
protected:
    using Kind = ScriptedPrompter::Kind;

    // Runs the start-up on the files written so far.
    void Start() {
        paths.emplace(app.Root());
        builder.emplace(prompter, *paths);
        ASSERT_TRUE(builder->FormCreate());
    }

    RulesConfiguration& Rules() { return builder->Rules; }
    const std::vector<std::string>& Active() { return builder->Rules.sources.Active(); }

    // Clicks the "Sources" menu entry with this caption.
    void ClickSource(const std::string& caption) {
        const int entry = builder->Rules.sources.FindEntryByCaption(caption);
        ASSERT_GE(entry, 0) << caption;
        builder->Rules.SourceClick(static_cast<std::size_t>(entry));
    }

    bool Checked(const std::string& caption) {
        const int entry = builder->Rules.sources.FindEntryByCaption(caption);
        return entry >= 0 &&
               builder->Rules.sources.Entries()[static_cast<std::size_t>(entry)].checked;
    }

    TempAppDir app;
    ScriptedPrompter prompter;
    std::optional<AppPaths> paths;
    std::optional<HeroBuilder> builder;
};

// The defaults file as written with only "Core" active and nothing custom.
inline const std::string kCoreOnlyDefaults = "<?xml version=\"1.0\" standalone=\"yes\"?>\n"
                                             "<Defaults>\n"
                                             " <Sources Active=\"Core\" />\n"
                                             "</Defaults>\n";
