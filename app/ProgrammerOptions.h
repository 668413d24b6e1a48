#pragma once

#include <QString>
#include <QStringList>

#include <string>

// The command line of vil3k-programmer:
//   [--help] [--version] [--port NAME] [--reset-settings] [SCHEME.vil]
struct ProgrammerOptions {
    bool help = false;
    bool version = false;
    std::string port; // opened at start instead of the remembered port
    bool resetSettings = false;
    QString schemeFile; // opened once the password has been given
};

// False with one line in `error` when the arguments make no sense. arguments:
// without the program's name and without the toolkit's own (-platform, -style).
bool ParseProgrammerOptions(const QStringList& arguments, ProgrammerOptions& options,
                            std::string& error);
