#include "app/Startup.h"

#include "app/AppTexts.h"
#include "ui/UiTexts.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QPainter>
#include <QProxyStyle>
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

namespace {

class ProgramStyle : public QProxyStyle {
public:
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option,
                       const QWidget* widget) const override {
        if (icon != SP_ToolBarHorizontalExtensionButton)
            return QProxyStyle::standardIcon(icon, option, widget);
        return moreIcon();
    }

private:
    // "»" on 16 x 16 and 32 x 32.
    static QIcon moreIcon() {
        QIcon more;
        for (const int size : {16, 32}) {
            QPixmap pixmap(size, size);
            pixmap.fill(Qt::transparent);
            QPainter p(&pixmap);
            p.setRenderHint(QPainter::Antialiasing);
            p.scale(size / 16.0, size / 16.0);
            p.setPen(QPen(QColor(60, 60, 60), 1.8));
            for (const double x : {3.0, 9.0})
                p.drawPolyline(QPolygonF({{x, 4.5}, {x + 3.5, 8}, {x, 11.5}}));
            more.addPixmap(pixmap);
        }
        return more;
    }
};

} // namespace

void installProgramStyle() {
    QApplication::setStyle(new ProgramStyle);
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
