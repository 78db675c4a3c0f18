#include "app/ScriptedPrompter.h"

void ScriptedPrompter::error(const std::string& text) {
    messages.push_back({Kind::Error, text});
}
void ScriptedPrompter::info(const std::string& text) {
    messages.push_back({Kind::Info, text});
}
void ScriptedPrompter::plain(const std::string& text) {
    messages.push_back({Kind::Plain, text});
}

bool ScriptedPrompter::confirm(const std::string& text) {
    messages.push_back({Kind::Confirm, text});
    if (confirmAnswers.empty()) return false;
    const bool answer = confirmAnswers.front();
    confirmAnswers.pop_front();
    return answer;
}

Answer ScriptedPrompter::ask(const std::string& text) {
    if (askAnswers.empty()) return confirm(text) ? Answer::Yes : Answer::No;
    messages.push_back({Kind::Confirm, text});
    const Answer answer = askAnswers.front();
    askAnswers.pop_front();
    return answer;
}

std::optional<std::string> ScriptedPrompter::askText(const std::string& caption,
                                                     const std::string& prompt,
                                                     const std::string&) {
    messages.push_back({Kind::AskText, caption + "|" + prompt});
    if (textAnswers.empty()) return std::nullopt;
    auto answer = textAnswers.front();
    textAnswers.pop_front();
    return answer;
}

std::optional<std::filesystem::path> ScriptedPrompter::openFile(const FileDialogRequest& request) {
    messages.push_back({Kind::OpenFile, request.title});
    lastDialog = request;
    if (fileAnswers.empty()) return std::nullopt;
    auto answer = fileAnswers.front();
    fileAnswers.pop_front();
    return answer;
}

std::optional<std::filesystem::path> ScriptedPrompter::saveFile(const FileDialogRequest& request) {
    messages.push_back({Kind::SaveFile, request.title});
    lastDialog = request;
    if (fileAnswers.empty()) return std::nullopt;
    auto answer = fileAnswers.front();
    fileAnswers.pop_front();
    return answer;
}

bool ScriptedPrompter::openInViewer(const std::filesystem::path& file) {
    messages.push_back({Kind::OpenInViewer, file.string()});
    return viewerOpens;
}

std::vector<std::string> ScriptedPrompter::Texts(Kind kind) const {
    std::vector<std::string> texts;
    for (const auto& message : messages)
        if (message.kind == kind) texts.push_back(message.text);
    return texts;
}
