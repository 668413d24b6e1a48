#include "ui/cli/CommandLine.h"

#include <algorithm>

CommandLine::CommandLine() {
    parser_.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser_.addOption(QCommandLineOption(QStringList{"h", "help"}));
    parser_.addOption(QCommandLineOption("version"));
    switches_ << "h"
              << "help"
              << "version";
}

void CommandLine::add(const char* name, const char* valueName) {
    parser_.addOption(QCommandLineOption(name, {}, valueName ? valueName : QString()));
    if (!valueName)
        switches_ << name;
}

CommandLineOutcome CommandLine::parse(const QStringList& arguments) {
    // The parser skips the first argument as the program's name.
    if (parser_.parse(QStringList{QString()} + arguments)) {
        if (parser_.isSet("help"))
            return CommandLineOutcome::Help;
        return parser_.isSet("version") ? CommandLineOutcome::Version : CommandLineOutcome::Run;
    }
    // Named as written. The parser refuses a value only after a switch
    // ("--json=1") or when the last option has none, as a value option takes
    // whatever follows it.
    const QStringList unknown = parser_.unknownOptionNames();
    const auto isCulprit = [&](const QString& argument) {
        if (!argument.startsWith('-'))
            return false;
        const QString name = argument.section('=', 0, 0);
        const QString bare = name.mid(name.startsWith("--") ? 2 : 1);
        return unknown.isEmpty() ? name != argument && switches_.contains(bare)
                                 : bare == unknown.first();
    };
    const auto culprit = std::find_if(arguments.begin(), arguments.end(), isCulprit);
    culprit_ = (culprit != arguments.end() ? *culprit : arguments.last()).section('=', 0, 0);
    return unknown.isEmpty() ? CommandLineOutcome::BadValue : CommandLineOutcome::UnknownOption;
}

std::vector<std::string> CommandLine::given(const char* name) const {
    if (switches_.contains(name))
        return parser_.isSet(name) ? std::vector<std::string>{std::string()}
                                   : std::vector<std::string>{};
    std::vector<std::string> values;
    for (const QString& value : parser_.values(name))
        values.push_back(value.toStdString());
    return values;
}

QString CommandLine::Dashed(const QString& name) {
    return (name.size() == 1 ? "-" : "--") + name;
}

const char* CommandLine::Version() {
    return VIL3K_VERSION;
}
