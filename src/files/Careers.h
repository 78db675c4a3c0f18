#pragma once
// Career templates: a named, described starting set of profession, species, rule set, sources,
// skills and gear, saved from the hero being built ("Save As Career") and loaded later into a
// fresh hero ("Load Career"). A template is a hero file written in career mode, one file each
// in the careers folder beside the program.
//
// The commands live here; the two dialogs are reached through `CareerDialogs`, so the windows
// stay thin and the tests play the person with a scripted prompter and scripted dialogs.

#include "files/HeroFileWriter.h"
#include "hero/TypeDefinitions.h" // TCareer: one template found in the careers folder

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class HeroFiles;
class HeroOperations;
class Prompter;

// The file name of a template: the source and the name, each kept to the letters A-Z and
// a-z, the digits and "-", joined by "_", then ".xml". ("Core", "Deep Scout!" gives
// "Core_DeepScout.xml".)
std::string CareerFileName(const std::string& source, const std::string& name);

// The line the load dialog shows for a template: its name and, in brackets, its source.
std::string CareerLine(const TCareer& career);

// The templates the load dialog lists: those of a source in play, in the order found.
std::vector<TCareer> ListedCareers(const std::vector<TCareer>& careers,
                                   const std::function<bool(const std::string&)>& sourceActive);

// What the save dialog holds when "Save" is clicked.
struct CareerForm {
    std::string name;
    std::string source; // empty when no source is chosen
    std::string description;
};

// The save dialog's fields, for the field to focus after a refusal.
enum class CareerField { None, Name, Source, Description };

// The outcome of the save dialog's checks: the field to focus (None when the dialog may
// close) and the template's file.
struct CareerFormCheck {
    CareerField focus = CareerField::None;
    std::filesystem::path path;
};

// The save dialog's "Save": a name, a source and a description are needed, each refused
// with its message; a template of the same file name is replaced only when the person
// agrees.
CareerFormCheck CheckCareerForm(const CareerForm& form, const std::filesystem::path& careersDir,
                                Prompter& prompter);

// The save dialog once accepted: what it holds and the file its checks composed.
struct CareerTemplateChoice {
    CareerForm form;
    std::filesystem::path path;
};

// The two dialogs, as the commands need them.
class CareerDialogs {
public:
    virtual ~CareerDialogs() = default;
    // The save dialog, offering `sources`; "Save" runs `check` and closes the dialog only when
    // it names no field. Nothing when the dialog was cancelled.
    virtual std::optional<CareerTemplateChoice>
    AskCareerTemplate(const std::vector<std::string>& sources,
                      const std::function<CareerFormCheck(const CareerForm&)>& check) = 0;
    // The load dialog listing `listed`; the path of the template chosen, nothing when the
    // dialog was cancelled.
    virtual std::optional<std::filesystem::path>
    ChooseCareer(const std::vector<TCareer>& listed) = 0;
};

// "Save As Career" and "Load Career", with the list of templates they scan for.
class CareerTemplates {
public:
    CareerTemplates(HeroOperations& builder, HeroFiles& files);

    // What became of "Save As Career".
    enum class SaveOutcome {
        Saved,
        NoProfession, // refused: the shell puts the focus on the profession choice
        Refused,      // the careers folder could not be made
        Cancelled,
        Failed, // the file could not be written
    };

    // "Save As Career": the hero is written as a template named in the save dialog, then
    // counts as saved and tied to no hero file.
    SaveOutcome SaveAsCareer(CareerDialogs& dialogs);
    // "Load Career": the hero is replaced by the template chosen in the load dialog and counts
    // as unsaved, tied to no hero file. True when a template was loaded.
    bool LoadCareer(CareerDialogs& dialogs);

    // Rebuilds the list from the careers folder, making the folder when there is none. False
    // (with the error shown) when it could not be made; the list is then empty.
    bool FindCareers();
    const std::vector<TCareer>& Careers() const { return careers_; }

    // The hero as a template's text, and written to a file ("File Saved", or "Error trying to
    // save file" and false).
    std::string CareerFileText(const CareerDescriptor& career) const;
    bool SaveCareerFile(const std::filesystem::path& path, const CareerDescriptor& career);

private:
    HeroOperations& builder_;
    HeroFiles& files_;
    std::vector<TCareer> careers_;
};
