#include "app/Startup.h"
#include "app/MainWindow.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFontInfo>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <gtest/gtest.h>

TEST(Startup, StandardButtonsSpeakRussian) {
    installRussianTranslation(*qApp);
    QDialogButtonBox box(QDialogButtonBox::Yes | QDialogButtonBox::No | QDialogButtonBox::Cancel);
    EXPECT_EQ(box.button(QDialogButtonBox::Yes)->text().remove('&'), QString("Да"));
    EXPECT_EQ(box.button(QDialogButtonBox::No)->text().remove('&'), QString("Нет"));
    EXPECT_EQ(box.button(QDialogButtonBox::Cancel)->text().remove('&'), QString("Отмена"));
}

TEST(Startup, TheMenuBarsArrowIsDrawnAndOtherIconsAreTheStyles) {
    installProgramStyle();
    QMainWindow window;
    const auto* more = window.menuBar()->findChild<QToolButton*>("qt_menubar_ext_button");
    ASSERT_NE(more, nullptr);
    for (const int size : {16, 32}) {
        const QImage arrow = more->icon().pixmap(size).toImage();
        EXPECT_EQ(arrow.size(), QSize(size, size));
        EXPECT_GT(qAlpha(arrow.pixel(size * 6 / 16, size / 2)), 0) << size; // a point of "»"
    }
    EXPECT_FALSE(QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning).isNull());
}

TEST(Startup, MainWindowHasItsCaptionSizeAndAFont) {
    MainWindow form;
    // "[*]": where Qt shows the mark of changed data.
    EXPECT_EQ(form.windowTitle(),
              QString("Программатор приборов аварийной сигнализации и блокировки ВИЛ-3K[*]"));
    // The status bar and the tool bar add to the first window's height; the rest stays.
    form.placeOnScreen(QRect(0, 0, 1920, 1080));
    form.grab(); // lays the hidden window out
    EXPECT_EQ(form.width(), 843);
    const auto* tools = form.findChild<QToolBar*>("MainToolBar");
    ASSERT_NE(tools, nullptr);
    EXPECT_EQ(form.height(), 677 + form.statusBar()->height() + tools->height());
    EXPECT_FALSE(QFontInfo(form.font()).family().isEmpty());
}

#include "support/FakeMessages.h"

#include <stdexcept>

TEST(Startup, AnEscapedExceptionIsShownOnceAndEndsTheRun) {
    FakeMessages messages;
    int ended = 0;
    FatalErrors errors(messages, [&] { ++ended; });
    EXPECT_TRUE(errors.guard([] {}));
    EXPECT_FALSE(errors.failed());
    EXPECT_FALSE(errors.guard([] { throw std::runtime_error("нет памяти"); }));
    errors.guard([] { throw 7; }); // a later one adds no second box
    EXPECT_TRUE(errors.failed());
    EXPECT_EQ(ended, 2);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "нет памяти");
    EXPECT_EQ(messages.shown[0].caption, "Программатор ВИЛ-3K");
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Error);
}
