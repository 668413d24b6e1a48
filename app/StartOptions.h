#pragma once

#include <QString>
#include <QStringList>

// What the programmer's command line asks of the start:
//   vil3k-programmer [--port NAME] [--reset-settings] [SCHEME.vil]
struct StartOptions {
    QString port;         // opened at start instead of the remembered one
    bool resetSettings = false;
    QString schemeFile;   // opened once the password has been given
};

// arguments: as QCoreApplication gives them, the program's name first. false
// with the reason in error when they make no sense.
bool ParseStartOptions(const QStringList& arguments, StartOptions& options, QString& error);
