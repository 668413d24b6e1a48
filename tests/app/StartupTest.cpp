#include "app/Startup.h"
#include "app/TForm1.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFontInfo>
#include <QPushButton>
#include <QStatusBar>
#include <gtest/gtest.h>

TEST(Startup, StandardButtonsSpeakRussian) {
    installRussianTranslation(*qApp);
    QDialogButtonBox box(QDialogButtonBox::Yes | QDialogButtonBox::No | QDialogButtonBox::Cancel);
    EXPECT_EQ(box.button(QDialogButtonBox::Yes)->text().remove('&'), QString("Да"));
    EXPECT_EQ(box.button(QDialogButtonBox::No)->text().remove('&'), QString("Нет"));
    EXPECT_EQ(box.button(QDialogButtonBox::Cancel)->text().remove('&'), QString("Отмена"));
}

TEST(Startup, MainWindowHasItsCaptionSizeAndAFont) {
    TForm1 form;
    EXPECT_EQ(form.windowTitle(),
              QString("Программатор приборов аварийной сигнализации и блокировки ВИЛ-3K"));
    // The status bar adds to the first window's height; the rest stays.
    form.placeOnScreen(QRect(0, 0, 1920, 1080));
    form.grab(); // lays the hidden window out
    EXPECT_EQ(form.width(), 843);
    EXPECT_EQ(form.height(), 677 + form.statusBar()->height());
    EXPECT_FALSE(QFontInfo(form.font()).family().isEmpty());
}
