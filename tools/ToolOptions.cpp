#include "tools/ToolOptions.h"

#include "link/PortSettings.h"
#include "model/DecimalText.h"
#include "tools/ToolPaths.h"
#include "tools/ToolTexts.h"
#include "ui/UiTexts.h"
#include "ui/cli/CommandLine.h"

#include <algorithm>

namespace {

using ToolOption = OptionRule<ToolOptions>;

bool Within(const std::string& text, int low, int high, int& value) {
    const int number = ParseDecimal(text);
    value = number;
    return number >= low && number <= high;
}

// "A-B", two whole numbers.
bool Pair(const std::string& text, int& a, int& b) {
    const std::size_t dash = text.find('-');
    return dash != std::string::npos && (a = ParseDecimal(text.substr(0, dash))) >= 0 &&
           (b = ParseDecimal(text.substr(dash + 1))) >= 0;
}

// Every option of the tool, once.
const std::vector<ToolOption>& Options() {
    static const std::vector<ToolOption> options{
        {"port", "P", [](auto& v, auto& o) { return !(o.port = v).empty(); }},
        {"address", "N", [](auto& v, auto& o) { return Within(v, 1, 31, o.address); }},
        {"addresses", "A-B",
         [](auto& v, auto& o) {
             return Pair(v, o.firstAddress, o.lastAddress) && o.firstAddress >= 1 &&
                    o.firstAddress <= o.lastAddress && o.lastAddress <= 31;
         }},
        {"o", "FILE", [](auto& v, auto& o) { return !(o.output = PathBytes(v)).empty(); }},
        {"names", "FILE", [](auto& v, auto& o) { return !(o.names = PathBytes(v)).empty(); }},
        {"dir", "D", [](auto& v, auto& o) { return !(o.dir = PathBytes(v)).empty(); }},
        {"code", "F-S", [](auto& v, auto& o) { return Pair(v, o.codeFirst, o.codeSecond); }},
        {"timeout", "MS", [](auto& v, auto& o) { return Within(v, 50, 10000, o.timeoutMs); }},
        {"retries", "N",
         [](auto& v, auto& o) {
             int repeats = 0;
             const bool ok = Within(v, 0, 9, repeats);
             o.retries = repeats;
             return ok;
         }},
        {"baud", "B",
         [](auto& v, auto& o) {
             o.baud = ParseDecimal(v);
             return std::find(kSpeedEntries.begin(), kSpeedEntries.end(), v) != kSpeedEntries.end();
         }},
        {"parity", "N|O|E",
         [](auto& v, auto& o) {
             o.parity = v;
             return v == "N" || v == "O" || v == "E";
         }},
        {"stop-bits", "1|2", [](auto& v, auto& o) { return Within(v, 1, 2, o.stopBits); }},
        {"json", nullptr, [](auto&, auto& o) { return Store(o.json, true); }},
        {"csv", nullptr, [](auto&, auto& o) { return Store(o.csv, true); }},
        {"confirm", nullptr, [](auto&, auto& o) { return Store(o.confirm, true); }},
        {"show", nullptr, [](auto&, auto& o) { return Store(o.show, true); }},
        {"set-from-pc", nullptr, [](auto&, auto& o) { return Store(o.setFromPc, true); }},
        {"force", nullptr, [](auto&, auto& o) { return Store(o.force, true); }},
        {"dry-run", nullptr, [](auto&, auto& o) { return Store(o.dryRun, true); }},
        {"trace", nullptr, [](auto&, auto& o) { return Store(o.trace, true); }},
    };
    return options;
}

// Every command with --port takes the line settings and the trace as well.
const std::vector<std::string> kLineOptions{"baud", "parity", "stop-bits", "trace"};

// The command's own check decides how many files it takes.
constexpr int kFilesChecked = -1;

struct ToolCommand {
    std::string name;
    int files;                         // positional arguments it takes
    std::vector<std::string> required; // asked for in this order when missing
    std::vector<std::string> optional;
    const char* help;
    // What it needs beyond single options: one line, or nothing.
    std::string (*check)(const ToolOptions&, const CommandLine&) = nullptr;
};

std::string Needed(const std::string& option) {
    return tool_text::kTextNeedOption + CommandLine::Dashed(option.c_str()).toStdString();
}

// --show needs an address, and exactly one of --show, --set-from-pc is given.
std::string ClockNeeds(const ToolOptions& o, const CommandLine&) {
    if (o.show && o.address == 0)
        return Needed("address");
    return o.show == o.setFromPc ? tool_text::kTextNeedShowOrSet : "";
}

std::string FileCount(const ToolOptions& o, std::size_t count) {
    return o.files.size() == count ? "" : tool_text::kTextFileCount + std::to_string(count);
}

// One device and its file, or a directory of them (a range only picks files of a directory).
std::string VerifyNeeds(const ToolOptions& o, const CommandLine& line) {
    if (o.dir.empty()) {
        if (line.isSet("addresses"))
            return CommandLine::Dashed("addresses").toStdString() + tool_text::kTextOnlyWithDir;
        return o.address == 0 ? Needed("address") : FileCount(o, 1);
    }
    if (o.address != 0)
        return CommandLine::Dashed("address").toStdString() + tool_text::kTextNotWithDir;
    return FileCount(o, 0);
}

// Scheme files, or the device files of --dir, not both.
std::string ProtocolNeeds(const ToolOptions& o, const CommandLine&) {
    if (o.dir.empty())
        return o.files.empty() ? tool_text::kTextFileCount + std::string("1..") : "";
    return o.files.empty()
               ? ""
               : CommandLine::Dashed("dir").toStdString() + tool_text::kTextNotWithFiles;
}

const ToolCommand* FindCommand(const std::string& name);

// "help" alone, or the command to tell about.
std::string HelpNeeds(const ToolOptions& o, const CommandLine&) {
    if (o.files.size() > 1)
        return tool_text::kTextFileCount + std::string("0..1");
    if (o.files.empty() || FindCommand(o.files[0]))
        return "";
    return tool_text::kTextUnknownCommand + o.files[0];
}

// The empty name stands for a call without a command: --help, --version.
const std::vector<ToolCommand>& Commands() {
    using namespace tool_text;
    static const std::vector<ToolCommand> commands{
        {"", 0, {}, {}, kHelpOverview},
        {"help", kFilesChecked, {}, {}, kHelpOverview, HelpNeeds},
        {"dump", 1, {}, {"json", "code"}, kHelpDump},
        {"diff", 2, {}, {"code"}, kHelpDiff},
        {"matrix", 1, {}, {"csv"}, kHelpMatrix},
        {"protocol", kFilesChecked, {"o"}, {"dir", "csv"}, kHelpProtocol, ProtocolNeeds},
        {"read", 0, {"port", "address", "o"}, {"names", "retries"}, kHelpRead},
        {"verify",
         kFilesChecked,
         {"port"},
         {"address", "dir", "addresses", "json", "retries"},
         kHelpVerify,
         VerifyNeeds},
        {"write", 1, {"port", "address"}, {"confirm", "retries"}, kHelpWrite},
        {"scan", 0, {"port"}, {"addresses", "timeout", "retries", "json"}, kHelpScan},
        {"backup",
         0,
         {"port", "dir"},
         {"addresses", "timeout", "retries", "force", "json"},
         kHelpBackup},
        {"restore", 0, {"port", "dir"}, {"addresses", "dry-run", "confirm"}, kHelpRestore},
        {"clock", 0, {"port"}, {"address", "show", "set-from-pc"}, kHelpClock, ClockNeeds},
    };
    return commands;
}

const ToolCommand* FindCommand(const std::string& name) {
    const auto& commands = Commands();
    const auto found = std::find_if(commands.begin(), commands.end(),
                                    [&](const ToolCommand& c) { return c.name == name; });
    return found == commands.end() ? nullptr : &*found;
}

std::vector<ToolOption> Accepted(const ToolCommand& command) {
    std::vector<std::string> names = command.required;
    names.insert(names.end(), command.optional.begin(), command.optional.end());
    if (std::find(names.begin(), names.end(), "port") != names.end())
        names.insert(names.end(), kLineOptions.begin(), kLineOptions.end());
    std::vector<ToolOption> accepted;
    std::copy_if(Options().begin(), Options().end(), std::back_inserter(accepted),
                 [&](const ToolOption& option) {
                     return std::find(names.begin(), names.end(), option.name) != names.end();
                 });
    return accepted;
}

std::string Missing(const ToolOptions& o, const ToolCommand& command, const CommandLine& line) {
    if (command.files != kFilesChecked && o.files.size() != static_cast<std::size_t>(command.files))
        return FileCount(o, static_cast<std::size_t>(command.files));
    for (const std::string& option : command.required)
        if (!line.isSet(option.c_str()))
            return Needed(option);
    return command.check ? command.check(o, line) : std::string();
}

std::string Refusal(CommandLineOutcome outcome, const std::string& command,
                    const CommandLine& line) {
    const std::string option = line.culprit().toStdString();
    if (outcome == CommandLineOutcome::BadValue)
        return ui_text::kTextBadOptionValue + option;
    return ui_text::kTextUnknownOption + (command.empty() ? "" : tool_text::kTextFor + command) +
           ": " + option;
}

} // namespace

bool ParseToolOptions(const QStringList& args, ToolOptions& o, std::string& error) {
    if (args.isEmpty()) {
        error = tool_text::kTextNoCommand;
        return false;
    }
    o.command = args[0].startsWith('-') ? std::string() : args[0].toStdString();
    const ToolCommand* command = FindCommand(o.command);
    if (!command) {
        error = tool_text::kTextUnknownCommand + o.command;
        return false;
    }
    CommandLine line;
    const CommandLineOutcome outcome =
        line.read(o.command.empty() ? args : args.mid(1), Accepted(*command), o);
    o.help = outcome == CommandLineOutcome::Help;
    o.version = outcome == CommandLineOutcome::Version;
    if (o.help || o.version)
        return true;
    if (outcome != CommandLineOutcome::Run) {
        error = Refusal(outcome, o.command, line);
        return false;
    }
    if (o.command.empty()) {
        error = tool_text::kTextNoCommand;
        return false;
    }
    for (const QString& file : line.positional())
        o.files.push_back(PathBytes(file.toStdString()));
    error = Missing(o, *command, line);
    return error.empty();
}

std::string ToolHelp(const std::string& command) {
    const ToolCommand* found = FindCommand(command);
    return (found ? found : FindCommand(""))->help;
}
