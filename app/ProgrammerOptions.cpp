#include "app/ProgrammerOptions.h"

#include "app/AppTexts.h"
#include "ui/UiTexts.h"
#include "ui/cli/CommandLine.h"

bool ParseProgrammerOptions(const QStringList& arguments, ProgrammerOptions& options,
                            std::string& error) {
    using Rule = OptionRule<ProgrammerOptions>;
    const std::vector<Rule> rules{
        {"port", "NAME", [](auto& v, auto& o) { return !v.empty() && Store(o.port, v); }},
        {"reset-settings", nullptr, [](auto&, auto& o) { return Store(o.resetSettings, true); }},
    };
    CommandLine line;
    const CommandLineOutcome outcome = line.read(arguments, rules, options);
    options.help = outcome == CommandLineOutcome::Help;
    options.version = outcome == CommandLineOutcome::Version;
    const std::string culprit = line.culprit().toStdString();
    const QStringList files = line.positional();
    if (outcome == CommandLineOutcome::UnknownOption)
        error = ui_text::kTextUnknownOption + (": " + culprit);
    else if (outcome == CommandLineOutcome::BadValue)
        error = ui_text::kTextBadOptionValue + culprit;
    else if (outcome == CommandLineOutcome::Run && files.size() > 1)
        error = app_text::kTextExtraArgument + files.at(1).toStdString();
    options.schemeFile = files.value(0);
    return error.empty();
}
