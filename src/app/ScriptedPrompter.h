#pragma once
// A prompter that never blocks: it answers from queues filled beforehand and records every
// message with its kind and exact text. The tests use it to play the person; the command-line
// program uses it with empty queues (every question answered No or cancelled).

#include "app/Prompter.h"

#include <deque>
#include <vector>

class ScriptedPrompter : public Prompter {
public:
    enum class Kind { Error, Info, Plain, Confirm, AskText, OpenFile, SaveFile, OpenInViewer };
    struct Message {
        Kind kind;
        std::string text;
    };

    // Answers, taken in order. An empty queue answers No / cancel.
    std::deque<bool> confirmAnswers;
    // Answers to Yes / No / Cancel questions; when empty, confirmAnswers answers Yes or No.
    std::deque<Answer> askAnswers;
    std::deque<std::optional<std::string>> textAnswers;
    std::deque<std::optional<std::filesystem::path>> fileAnswers;
    bool viewerOpens = true;      // whether a viewer opens the files handed to it
    FileDialogRequest lastDialog; // the last file dialog asked for

    std::vector<Message> messages;

    void error(const std::string& text) override;
    void info(const std::string& text) override;
    void plain(const std::string& text) override;
    bool confirm(const std::string& text) override;
    Answer ask(const std::string& text) override;
    std::optional<std::string> askText(const std::string& caption, const std::string& prompt,
                                       const std::string& initial) override;
    std::optional<std::filesystem::path> openFile(const FileDialogRequest& request) override;
    std::optional<std::filesystem::path> saveFile(const FileDialogRequest& request) override;
    bool openInViewer(const std::filesystem::path& file) override;

    // The texts of the recorded messages of one kind, in order.
    std::vector<std::string> Texts(Kind kind) const;
    void Clear() { messages.clear(); }
};
