#pragma once

#include "ui/gui/QtMessages.h"

#include <QApplication>

#include <functional>

// True when the process can open a window.
bool displayAvailable();
// Says on stderr why no window can open.
void explainNoDisplay();

// Russian texts on the standard buttons ("Да", "Нет", "Отмена").
void installRussianTranslation(QApplication& app);

// The application's style, but for the arrow of a menu bar or tool bar too narrow
// for its items, which the program draws: the style's own is an image file, and
// reading it loads every image format plugin on the first window.
void installProgramStyle();

// What escapes start-up or an event handler: shown once in the standard error
// box with its text, then endRun ends the program.
class FatalErrors {
public:
    FatalErrors(Messages& messages, std::function<void()> endRun)
        : messages_(messages), endRun_(std::move(endRun)) {}
    // Runs step; false when an exception escaped it.
    bool guard(const std::function<void()>& step);
    bool failed() const { return failed_; }

private:
    void fail(const char* text);

    Messages& messages_;
    std::function<void()> endRun_;
    bool failed_ = false;
};

// The application object. Qt does not let exceptions pass through its event
// dispatch, so they are caught where each event is delivered.
class GuardedApplication : public QApplication {
public:
    GuardedApplication(int& argc, char** argv) : QApplication(argc, argv) {}
    bool notify(QObject* receiver, QEvent* event) override;
    FatalErrors& errors() { return errors_; }

private:
    QtMessages messages_;
    // Every event loop, nested ones included, ends with status 1.
    FatalErrors errors_{messages_, [] { QCoreApplication::exit(1); }};
};
