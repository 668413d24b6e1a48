#include "app/Startup.h"

#include "app/AppTexts.h"
#include "ui/UiTexts.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <cstdio>
#include <exception>

bool displayAvailable() {
#if defined(Q_OS_LINUX)
    return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ||
           !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
#else
    return true;
#endif
}

void explainNoDisplay() {
    std::fputs("vil3k-programmer: no display (DISPLAY is not set); start it in a desktop "
               "session or under xvfb-run.\n",
               stderr);
}

void installRussianTranslation(QApplication& app) {
    auto* translator = new QTranslator(&app);
    if (translator->load(QLocale(QLocale::Russian), "qtbase", "_",
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);
}

bool FatalErrors::guard(const std::function<void()>& step) {
    try {
        step();
        return true;
    } catch (const std::exception& e) {
        fail(e.what());
    } catch (...) {
        fail(app_text::kTextUnknownError);
    }
    return false;
}

void FatalErrors::fail(const char* text) {
    if (!failed_) {
        failed_ = true;
        messages_.show(MessageBox{text, ui_text::kCaptionApp, MessageIcon::Error});
    }
    endRun_();
}

bool GuardedApplication::notify(QObject* receiver, QEvent* event) {
    bool handled = false;
    errors_.guard([&] { handled = QApplication::notify(receiver, event); });
    return handled;
}
