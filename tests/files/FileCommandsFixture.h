#pragma once

#include "files/SchemeFileCommands.h"
#include "support/FakeEntryField.h"
#include "support/ScratchDirectory.h"
#include "support/SessionFixture.h"

#include <deque>
#include <optional>
#include <string>

// The main window as the file commands see it, recording what they do to it.
// The external-acknowledge button follows the scheme view, as the window's
// button does after every sync.
class FakeSchemeWindow : public SchemeWindow {
public:
    EntryField& firstCodeField() override { return first; }
    EntryField& secondCodeField() override { return second; }
    void showExecCode(int a, int b) override {
        first.value = std::to_string(a);
        second.value = std::to_string(b);
    }
    void selectLinkAddress(int index) override { linkSelector = index; }
    void selectDeviceNumber(int index) override { deviceSelector = index; }
    void setCaption(const std::string& text) override { caption = text; }
    void setTimeDateEnabled(bool enabled) override { timeDateEnabled = enabled; }
    bool externalAckDown() const override { return view && view->header.extAckDown; }
    void syncScheme() override { ++syncs; }
    void scrollSchemeToTop() override { ++scrollsToTop; }
    void scrollSchemeTo(int y) override { scrollPosition = y; }
    void focusScheme() override { ++schemeFocus; }
    void focusFirstControl() override { ++firstControlFocus; }
    void requestExit() override { ++exitRequests; }

    FakeEntryField first{"00"}, second{"00"};
    int linkSelector = 0, deviceSelector = 0;
    std::string caption = "Программатор";
    bool timeDateEnabled = false;
    int scrollPosition = 0;
    int syncs = 0, scrollsToTop = 0, schemeFocus = 0, firstControlFocus = 0, exitRequests = 0;
    const SchemeView* view = nullptr;
};

// Plays the operator in the file dialogs; an empty script cancels.
class FakeFileDialogs : public SchemeFileDialogs {
public:
    std::optional<std::string> askOpenPath() override { return next(openPaths, opened); }
    std::optional<std::string> askSavePath() override { return next(savePaths, saved); }

    std::deque<std::string> openPaths, savePaths;
    int opened = 0, saved = 0;

private:
    static std::optional<std::string> next(std::deque<std::string>& script, int& count) {
        ++count;
        if (script.empty())
            return std::nullopt;
        std::string path = script.front();
        script.pop_front();
        return path;
    }
};

// The model, its scheme view and the commands over a scratch directory, as the
// main window holds them.
struct FileCommandsFixture : SessionFixture<FakeSchemeWindow> {
    FileCommandsFixture() { window.view = &view; }

    ScratchDirectory dir;
    FakeFileDialogs dialogs;
    SchemeFileCommands commands{session, dialogs};

    std::string path(const char* name) const { return dir.file(name).toStdString(); }
    void open(const std::string& file) {
        dialogs.openPaths.push_back(file);
        commands.OpenScheme();
    }
    // Saves with full access, answering Yes to the question about unchanged data.
    void save(const std::string& file) {
        model.AccessLevel = 1;
        if (model.Modified == 0)
            messages.answers.push_back(Answer::Yes);
        dialogs.savePaths.push_back(file);
        commands.SaveScheme();
    }
};
