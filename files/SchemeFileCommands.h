#pragma once

#include "editor/SchemeSession.h"
#include "files/SchemeFile.h"
#include "files/SchemeFileDialogs.h"

#include <string>

// "Открыть схему" and "Сохранить как ...": a ".vil" file into the model and the
// scheme view, and back.
class SchemeFileCommands {
public:
    SchemeFileCommands(SchemeSession& session, SchemeFileDialogs& dialogs)
        : session_(session), model_(session.model), view_(session.view), window_(session.window),
          messages_(session.messages), dialogs_(dialogs) {}

    // A file the program cannot take is refused with one message before
    // anything changes. true when the file was opened.
    bool OpenScheme();
    // The same for a file named without the open dialog.
    bool OpenSchemeFile(const std::string& path);
    // Also run by the exit questions; reports its own failures. `Modified` is
    // cleared only when the file was written whole; true then.
    bool SaveScheme();

    // A file read as the open command reads it, refused with the same message;
    // nothing changes on screen.
    std::optional<SchemeFileData> readFile(const std::string& path);

    // The file last opened or saved; empty until then.
    const std::string& fileName() const { return fileName_; }

private:
    bool open(const std::string& path);
    void refuseFile(const std::string& path, const QString& reason);
    void loadScheme(const SchemeFileData& data);
    bool confirmUnchanged();
    SchemeFileData collectScheme();
    std::optional<std::string> askTargetPath();
    void showFileCaption();
    std::string fileCaption() const;

    SchemeSession& session_;
    ConfigurationModel& model_;
    SchemeView& view_;
    SchemeWindow& window_;
    Messages& messages_;
    SchemeFileDialogs& dialogs_;
    std::string fileName_;
};
