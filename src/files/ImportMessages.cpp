#include "files/ImportMessages.h"

#include "app/Logs.h"

void ImportMessages::Start() {
    lines_.clear();
    logs_.DebugLog(-1, "Just initializing");
}

void ImportMessages::Report(const std::string& line) {
    lines_.push_back(line);
    logs_.DebugLog(1, line);
}
