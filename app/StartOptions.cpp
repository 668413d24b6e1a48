#include "app/StartOptions.h"

#include "app/AppTexts.h"

#include <QCommandLineParser>

bool ParseStartOptions(const QStringList& arguments, StartOptions& options, QString& error) {
    QCommandLineParser parser;
    const QCommandLineOption port("port", QString::fromUtf8(app_text::kOptionPort), "NAME");
    const QCommandLineOption reset("reset-settings", QString::fromUtf8(app_text::kOptionReset));
    parser.addOption(port);
    parser.addOption(reset);
    parser.addPositionalArgument("scheme", QString::fromUtf8(app_text::kOptionScheme),
                                 "[SCHEME.vil]");
    if (!parser.parse(arguments)) {
        error = parser.errorText();
        return false;
    }
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        error = QString::fromUtf8(app_text::kTextExtraArgument) + files.at(1);
        return false;
    }
    options.port = parser.value(port);
    options.resetSettings = parser.isSet(reset);
    options.schemeFile = files.value(0);
    return true;
}
