#pragma once
// Everything the program says to the person at the keyboard, and every question it asks,
// goes through a Prompter: message boxes, questions, input boxes, file dialogs and opening a
// written page in the person's viewer. Texts are passed exactly as the program words them;
// "\r" in a message is a line break.

#include <filesystem>
#include <optional>
#include <string>

struct FileDialogRequest {
    std::string title;
    std::string filter;           // e.g. "XML files (*.xml)"
    std::string defaultExtension; // without the dot, e.g. "xml"
    std::filesystem::path directory;
    std::string initialName;
};

// The answer to a question that can also be called off.
enum class Answer { Yes, No, Cancel };

class Prompter {
public:
    virtual ~Prompter() = default;

    virtual void error(const std::string& text) = 0;   // error box, OK button
    virtual void info(const std::string& text) = 0;    // information box, OK button
    virtual void plain(const std::string& text) = 0;   // message box without icon
    virtual bool confirm(const std::string& text) = 0; // Yes / No
    virtual Answer ask(const std::string& text) = 0;   // Yes / No / Cancel (Escape)
    virtual std::optional<std::string>
    askText(const std::string& caption, const std::string& prompt, const std::string& initial) = 0;
    virtual std::optional<std::filesystem::path> openFile(const FileDialogRequest& request) = 0;
    virtual std::optional<std::filesystem::path> saveFile(const FileDialogRequest& request) = 0;
    // False when no viewer could open the file.
    virtual bool openInViewer(const std::filesystem::path& file) = 0;
};
