#include "app/ProgrammerOptions.h"

#include "app/AppTexts.h"
#include "ui/UiTexts.h"
#include "ui/cli/CommandLine.h"

bool ParseProgrammerOptions(const QStringList& arguments, ProgrammerOptions& options,
                            std::string& error) {
    CommandLine line;
    const CommandLineOutcome outcome = line.read(arguments, {}, options);
    options.help = outcome == CommandLineOutcome::Help;
    options.version = outcome == CommandLineOutcome::Version;
    const std::string culprit = line.culprit().toStdString();
    if (outcome == CommandLineOutcome::UnknownOption)
        error = ui_text::kTextUnknownOption + (": " + culprit);
    else if (outcome == CommandLineOutcome::BadValue)
        error = ui_text::kTextBadOptionValue + culprit;
    else if (outcome == CommandLineOutcome::Run && !line.positional().isEmpty())
        error = app_text::kTextExtraArgument + line.positional().first().toStdString();
    return error.empty();
}
