#pragma once
// Hero files: "Open Character", "Save" and "Save As", the hero named on the command line,
// the import error log and the recent files.

#include <filesystem>
#include <string>

class HeroBuilder;

class HeroFiles {
public:
    explicit HeroFiles(HeroBuilder& builder) : builder_(builder) {}

    // "Save": writes the hero to its file, asking for a name when it has none. True when the
    // hero was written.
    bool Save();

private:
    HeroBuilder& builder_;
};
