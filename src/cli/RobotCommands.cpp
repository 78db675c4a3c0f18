#include "cli/RobotCommands.h"

#include "app/AtomicFile.h"
#include "app/HeroBuilder.h"
#include "app/Paths.h"
#include "app/ScriptedPrompter.h"
#include "files/HeroFiles.h"
#include "robots/RobotDesigner.h"
#include "roster/Roster.h"
#include "xml/XmlEventReader.h"

#include <nlohmann/json.hpp>

#include <filesystem>
#include <iostream>
#include <optional>

namespace fs = std::filesystem;

namespace {

constexpr int kOk = 0;
constexpr int kFailure = 2;

constexpr const char* kRobotUsage =
    "usage: tavorn-cli robot show  [--appdir DIR] ROBOT.xml\n"
    "       tavorn-cli robot save  [--appdir DIR] IN.xml OUT.xml\n"
    "       tavorn-cli robot sheet [--appdir DIR] ROBOT.xml -o OUT.html\n";
constexpr const char* kRosterUsage =
    "usage: tavorn-cli roster [--appdir DIR] FILE... -o Roster.html\n";

struct Options {
    std::optional<fs::path> appDir;
    std::optional<fs::path> out;
    std::vector<std::string> files;
};

// "--appdir DIR", "--appdir=DIR", "-o FILE" and the files; none for a malformed line.
std::optional<Options> ParseOptions(const std::vector<std::string>& args, std::size_t first) {
    Options options;
    for (std::size_t i = first; i < args.size(); ++i) {
        const std::string& argument = args[i];
        if (argument == "--appdir" || argument == "-o") {
            if (++i >= args.size()) return std::nullopt;
            (argument == "-o" ? options.out : options.appDir) = fs::path(args[i]);
        } else if (argument.rfind("--appdir=", 0) == 0) {
            options.appDir = fs::path(argument.substr(9));
        } else {
            options.files.push_back(argument);
        }
    }
    return options;
}

// The message boxes of the last operation, on standard error.
void PrintMessages(ScriptedPrompter& prompter) {
    for (const auto& message : prompter.messages) {
        if (message.kind != ScriptedPrompter::Kind::Error) continue;
        std::string text = message.text;
        for (char& c : text)
            if (c == '\r') c = ' ';
        std::cerr << "tavorn-cli: " << text << "\n";
    }
    prompter.Clear();
}

// The program started on its folder without a window: the hero builder (whose sources the
// robot designer's upgrades follow) and the robot designer.
class Session {
public:
    explicit Session(const fs::path& appDir)
        : paths_(appDir), builder_(prompter_, paths_), files_(builder_), started_(builder_.Start()),
          designer_(prompter_, paths_, [this](const std::string& source) {
              // Without a game configuration only the core book is in play.
              return started_ ? builder_.Rules().ValidSource(source) : source == "Core";
          }) {
        prompter_.Clear();
    }

    // Opens a robot file as the designer's "Open" does. Missing: false with a message.
    // `refused` tells a file that holds no robot from one that could not be read.
    bool OpenRobot(const fs::path& file, bool* refused = nullptr) {
        const bool opened = designer_.OpenPath(file);
        if (refused) *refused = !opened && !designer_.ImportErrors().empty();
        PrintMessages(prompter_);
        return opened;
    }

    // Opens a hero file as "Open Character" does; false (with a message) when it cannot.
    bool OpenHero(const fs::path& file) {
        if (!started_) {
            std::cerr << "tavorn-cli: no game configuration (Data/config.xml) in "
                      << paths_.AppDir().string() << "\n";
            return false;
        }
        const bool opened = files_.OpenPath(file);
        PrintMessages(prompter_);
        return opened;
    }

    ScriptedPrompter& Prompter() { return prompter_; }
    const AppPaths& Paths() const { return paths_; }
    HeroBuilder& Builder() { return builder_; }
    RobotDesigner& Designer() { return designer_; }

private:
    ScriptedPrompter prompter_; // never blocks: every question is answered No
    AppPaths paths_;
    HeroBuilder builder_;
    HeroFiles files_;
    bool started_;
    RobotDesigner designer_;
};

nlohmann::json TablesJson(const ViewData& views) {
    nlohmann::json tables = nlohmann::json::object();
    for (const auto& [name, rows] : views.Tables())
        tables[name] = rows;
    return tables;
}

void PrintJson(const nlohmann::json& json) {
    std::cout << json.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) << "\n";
}

bool Exists(const fs::path& file) {
    std::error_code error;
    if (fs::exists(file, error)) return true;
    std::cerr << "tavorn-cli: " << file.string() << " does not exist\n";
    return false;
}

int RobotShow(Session& session, const fs::path& file) {
    bool refused = false;
    if (!Exists(file)) return kFailure;
    if (!session.OpenRobot(file, &refused) && !refused) return kFailure;
    const RobotDesigner& designer = session.Designer();
    nlohmann::json labels = nlohmann::json::object();
    for (const auto& [name, label] : designer.Views().Labels())
        labels[name] = label.text;
    nlohmann::json json;
    json["labels"] = std::move(labels);
    json["tables"] = TablesJson(designer.Views());
    json["importErrors"] = designer.ImportErrors();
    PrintJson(json);
    return kOk;
}

int RobotSave(Session& session, const fs::path& in, const fs::path& out) {
    if (!Exists(in) || !session.OpenRobot(in)) return kFailure;
    const bool saved = session.Designer().SaveToPath(out);
    PrintMessages(session.Prompter());
    return saved ? kOk : kFailure;
}

int RobotSheet(Session& session, const fs::path& in, const fs::path& out) {
    if (!Exists(in) || !session.OpenRobot(in)) return kFailure;
    const bool written = session.Designer().WriteSheet(out);
    PrintMessages(session.Prompter());
    return written ? kOk : kFailure;
}

} // namespace

int RunRobotCommand(const std::vector<std::string>& args) {
    const auto options = ParseOptions(args, 1);
    const std::string verb = args.empty() ? "" : args.front();
    const std::size_t files = options ? options->files.size() : 0;
    const bool valid = options && ((verb == "show" && files == 1 && !options->out) ||
                                   (verb == "save" && files == 2 && !options->out) ||
                                   (verb == "sheet" && files == 1 && options->out));
    if (!valid) {
        std::cerr << kRobotUsage;
        return kFailure;
    }
    Session session(options->appDir ? *options->appDir : ResolveAppDir());
    if (verb == "show") return RobotShow(session, options->files[0]);
    if (verb == "save") return RobotSave(session, options->files[0], options->files[1]);
    return RobotSheet(session, options->files[0], *options->out);
}

int RunRosterCommand(const std::vector<std::string>& args) {
    const auto options = ParseOptions(args, 0);
    if (!options || options->files.empty()) {
        std::cerr << kRosterUsage;
        return kFailure;
    }
    Session session(options->appDir ? *options->appDir : ResolveAppDir());
    Roster roster(session.Prompter(), session.Paths());
    for (const std::string& name : options->files) {
        const fs::path file(name);
        if (!Exists(file)) return kFailure;
        const std::optional<std::string> text = ReadRegularFile(file);
        if (!text) {
            std::cerr << "tavorn-cli: " << name << " could not be read\n";
            return kFailure;
        }
        // Heroes and robots are told apart by their first element.
        const std::string root = UpperCase(FirstElementName(*text));
        if (root == "HERODATA" || root == "HERO") {
            if (!session.OpenHero(file)) return kFailure;
            roster.AddRow(
                HeroRosterRow(session.Builder().Hero().HeroName, session.Builder().Views()));
        } else if (root == "ROBOT") {
            if (!session.OpenRobot(file)) return kFailure;
            roster.AddRow(RobotRosterRow(session.Designer()));
        } else {
            std::cerr << "tavorn-cli: " << name << " is neither a hero nor a robot file\n";
            return kFailure;
        }
    }
    if (options->out) {
        const bool written = roster.WritePage(*options->out);
        PrintMessages(session.Prompter());
        if (!written) return kFailure;
    }
    nlohmann::json json;
    json["tables"]["Roster"] = roster.Grid();
    PrintJson(json);
    return kOk;
}
