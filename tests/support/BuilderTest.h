#pragma once
// A hero builder started in a throw-away program folder on catalogues the test writes first,
// a scripted prompter that plays the person, and helpers that click what the person clicks.

#include "app/HeroBuilder.h"
#include "app/ScriptedPrompter.h"
#include "files/HeroFiles.h"

#include "TempAppDir.h"

#include <gtest/gtest.h>

#include <optional>
#include <sstream>
#include <string>
#include <vector>

using Strings = std::vector<std::string>;

// The defaults file as the program writes it with only "Core" active and nothing custom.
inline const std::string kCoreOnlyDefaults = "<?xml version=\"1.0\" standalone=\"yes\"?>\n"
                                             "<Defaults>\n"
                                             " <Sources Active=\"Core\" />\n"
                                             "</Defaults>\n";

class BuilderTest : public ::testing::Test {
protected:
    using Kind = ScriptedPrompter::Kind;

    // Writes the catalogues given (null ones are left out) and a defaults file with only Core.
    void WriteData(const char* config, const char* species = nullptr, const char* skills = nullptr,
                   const char* ruleSets = nullptr) {
        const std::pair<const char*, const char*> files[] = {
            {"Data/config.xml", config},
            {"Data/species.xml", species},
            {"Data/skills.xml", skills},
            {"Data/rulesets.xml", ruleSets},
            {"defaults.xml", kCoreOnlyDefaults.c_str()}};
        for (const auto& [name, text] : files)
            if (text) app.Write(name, text);
    }

    // Starts (or restarts) the program on the files written so far.
    void Start() {
        files.reset();
        builder.reset();
        paths.emplace(app.Root());
        builder.emplace(prompter, *paths);
        files.emplace(*builder);
        ASSERT_TRUE(builder->Start());
    }

    // "New" of the File menu: "Save Changes?" first, then a cleared hero.
    void ClickNew() {
        if (files->OfferToSave()) builder->NewHero();
    }
    HeroFiles& Files() { return *files; }

    std::string Label(const std::string& name) const {
        return builder->Views().LabelNamed(name).text;
    }
    // The texts of the labels named (separated by blanks), joined by blanks.
    std::string Labels(const std::string& names) const {
        std::istringstream in(names);
        std::string name, texts;
        for (bool first = true; in >> name; first = false)
            texts += (first ? "" : " ") + Label(name);
        return texts;
    }

    void ChooseSpecies(const std::string& name) {
        builder->ChooseSpecies(IndexOf(builder->Views().ChoiceNamed("Species").items, name));
    }
    void ChooseSpecialization(const std::string& name) {
        builder->ChooseSpecialization(IndexOf(builder->Professions().specializations, name));
    }
    // After the test changed the hero record by hand: everything recomputed from it.
    void Recompute() {
        HeroDocument::Operation operation(builder->Document());
        builder->Document().TouchAll();
    }
    void ChooseProfession(const std::string& name) {
        builder->ChooseProfession(IndexOf(builder->Professions().choices, name));
    }
    void ChooseRules(const std::string& caption) {
        const auto& entries = builder->Rules().ruleSets.Entries();
        for (std::size_t i = 0; i < entries.size(); ++i)
            if (entries[i].caption == caption) return builder->ChooseRuleSet(i);
        ADD_FAILURE() << "no rule set " << caption;
    }
    // Clicks the "Sources" menu entry with this caption.
    void ClickSource(const std::string& caption) {
        const int entry = builder->Rules().sources.FindEntryByCaption(caption);
        ASSERT_GE(entry, 0) << caption;
        builder->ToggleSource(static_cast<std::size_t>(entry));
    }
    bool Checked(const std::string& caption) const {
        const int entry = builder->Rules().sources.FindEntryByCaption(caption);
        return entry >= 0 &&
               builder->Rules().sources.Entries()[static_cast<std::size_t>(entry)].checked;
    }
    const Strings& Active() const { return builder->Rules().sources.Active(); }

    static int IndexOf(const Strings& items, const std::string& name) {
        for (std::size_t i = 0; i < items.size(); ++i)
            if (items[i] == name) return static_cast<int>(i);
        ADD_FAILURE() << "no entry " << name;
        return -1;
    }

    TempAppDir app;
    ScriptedPrompter prompter;
    std::optional<AppPaths> paths;
    std::optional<HeroBuilder> builder;
    std::optional<HeroFiles> files; // the File menu, above the builder
};
