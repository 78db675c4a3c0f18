#pragma once
// Hero files: "Open Character", "Save" and "Save As", "Save Changes?", the hero named on the
// command line, the import error log with its window, and the recent files. The shell and the
// command-line program own this, above the builder.

#include "app/Prompter.h"
#include "app/ViewData.h"
#include "files/ImportMessages.h"
#include "files/RecentFiles.h"
#include "xml/XmlEventReader.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class HeroOperations;

// What became of reading a hero file.
enum class HeroLoad {
    Loaded,     // read (possibly with import errors)
    Missing,    // no file at that path: the hero was left as it was
    Unreadable, // the file could not be read: the hero was left as it was
    NotAHero,   // the file holds no hero: the hero was left as it was, the import messages say so
};

// The first element of an XML text (after the declaration, comments and a document type);
// empty when the text does not start like XML.
std::string FirstElementName(std::string_view text);

class HeroFiles {
public:
    explicit HeroFiles(HeroOperations& builder);

    // --- the File menu -------------------------------------------------------------------
    // "Save Changes?" before the hero is replaced or the program ends: true when the
    // operation may go on (nothing unsaved, "No", or "Yes" and the save succeeded); "Cancel"
    // (or Escape) stops it.
    bool OfferToSave();
    // "Open Character": offers to save first, asks for a file and opens it.
    void OpenCharacter();
    // "Save": writes the hero to its file, asking for a name when it has none. True when the
    // hero was written.
    bool Save();
    // "Save As": always asks for a name.
    bool SaveAs();
    // A "Recent Files" entry: opens it as "Open Character" does after its dialog.
    void OpenRecent(const std::string& path);
    // The last eight heroes opened or saved, the most recent first.
    const std::vector<std::string>& RecentEntries();

    // --- opening and saving --------------------------------------------------------------
    // Opens a hero file as "Open Character" does once a file was chosen: reads it, shows the
    // Main page, ties the hero to the file and leaves it unchanged. False when the file was
    // missing, unreadable or not a hero file (the hero is then untouched).
    bool OpenPath(const std::filesystem::path& path);
    // The hero named on the command line at start.
    void OpenStartupHero(const std::string& argument);

    // Clears the hero and reads the file into it; reports the import errors.
    HeroLoad LoadHeroFile(const std::filesystem::path& path);
    // The same for a file's text held in memory; `name` names it in messages.
    HeroLoad LoadHeroText(std::string_view text, const std::string& name);
    // Writes the hero atomically: the old file stays as it was when anything fails. Shows
    // "File Saved" or "Error trying to save file".
    bool SaveHeroFile(const std::filesystem::path& path);
    // The hero as a hero file's text.
    std::string HeroFileText() const;

    // --- the import messages --------------------------------------------------------------
    // What became of the last read.
    HeroLoad LastLoad() const { return lastLoad_; }
    // The problems reported by the last read, one line each.
    const std::vector<std::string>& ImportErrors() const { return messages_.Lines(); }
    // What the XML reader met in the last read (malformed places it read past).
    const std::vector<XmlError>& XmlErrors() const { return xmlErrors_; }
    // Called after a read that reported problems: the window lists ImportErrors().
    void SetMessagesWindow(std::function<void()> show) { showMessages_ = std::move(show); }

private:
    bool SaveWithDialog();
    void StartInLastFolder(FileDialogRequest& request);
    void Remember(const std::string& path);

    HeroOperations& builder_;
    ImportMessages messages_;
    std::optional<RecentFiles> recent_;
    std::vector<XmlError> xmlErrors_;
    HeroLoad lastLoad_ = HeroLoad::Loaded;
    std::function<void()> showMessages_;
};

inline constexpr TableName kImportErrorsTable{"ImportErrors"};
