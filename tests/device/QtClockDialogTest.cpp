// The clock dialog's widgets: fields, keys, polling display and closing.

#include "device/gui/QtClockDialog.h"
#include "tests/device/DeviceFixture.h"

#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

class QtClockDialogTest : public ::testing::Test, public DeviceFixture {
protected:
    QtClockDialogTest() { Attach(24, 8, Image{}); }
    // Opens the dialog and plays the operator while it is shown; the dialog
    // must have closed when `operate` returns.
    void WhileOpen(const std::function<void()>& operate) {
        bool ran = false;
        QTimer::singleShot(0, &form, [&] {
            operate();
            ran = true;
            if (form.isVisible()) {
                ADD_FAILURE() << "still open";
                form.cancelButton->click();
            }
        });
        form.logic().openClockDialog();
        EXPECT_TRUE(ran);
    }
    QStringList FieldTexts() const {
        QStringList texts;
        for (QLineEdit* edit : form.timeEdits)
            texts << edit->text();
        return texts;
    }

    QtClockDialog form{model, link, messages, clock};
};

TEST_F(QtClockDialogTest, OpeningShowsOnesAndPolls) {
    sim->setClock({9, 5, 7, 3, 11}, clock.now);
    WhileOpen([&] {
        EXPECT_EQ(FieldTexts(), QStringList(7, "1"));
        EXPECT_TRUE(form.pollTimer->isActive());
        EXPECT_EQ(form.pollTimer->interval(), 100);
        EXPECT_TRUE(form.pollingLabel->isVisible());
        EXPECT_EQ(form.pollingLabel->text(), "запрос  времени включен");
        EXPECT_FALSE(form.timeEdits[YearField]->isVisible());
        EXPECT_FALSE(form.timeEdits[WeekdayField]->isVisible());
        QTest::qWait(150);
        EXPECT_EQ(form.deviceTimeLabel->text(), "07:05:09");
        EXPECT_EQ(form.deviceDateLabel->text(), "03.11.");
        const QString pictures = QCoreApplication::applicationDirPath() + "/../pictures";
        QDir().mkpath(pictures);
        EXPECT_TRUE(form.grab().save(pictures + "/time-date-dialog.png"));
        form.pollButton->click();
        EXPECT_FALSE(form.pollTimer->isActive());
        EXPECT_FALSE(form.pollingLabel->isVisible());
        form.cancelButton->click();
    });
    EXPECT_EQ(form.windowTitle(), "Задание времени и даты");
    EXPECT_EQ(form.timeEdits[DayField]->toolTip(), "1-31");
    EXPECT_EQ(form.timeEdits[WeekdayField]->maxLength(), 1);
}

TEST_F(QtClockDialogTest, OnlyARealChangeOfTextMarksTheSchemeChanged) {
    WhileOpen([&] { form.cancelButton->click(); });
    EXPECT_EQ(model.Modified, 1) << "the fields went from 00 to 1";
    model.Modified = 0;
    WhileOpen([&] { form.cancelButton->click(); });
    EXPECT_EQ(model.Modified, 0) << "1 again is no change";
    WhileOpen([&] {
        form.pcTimeButton->click();
        form.cancelButton->click();
    });
    EXPECT_EQ(model.Modified, 1);
}

TEST_F(QtClockDialogTest, FieldsTakeDigitsAndEnterMovesOn) {
    WhileOpen([&] {
        QLineEdit* seconds = form.timeEdits[SecondsField];
        seconds->setFocus();
        seconds->clear();
        QTest::keyClicks(seconds, "a4-x");
        QTest::keyClick(seconds, Qt::Key_Backspace);
        QTest::keyClicks(seconds, "2 7");
        EXPECT_EQ(seconds->text(), "27");
        seconds->setText("");
        seconds->insert("5b");
        EXPECT_EQ(seconds->text(), "") << "pasted text is held to digits too";
        QTest::keyClick(seconds, Qt::Key_Return);
        EXPECT_EQ(form.focusWidget(), form.timeEdits[MinutesField]);
        EXPECT_TRUE(messages.shown.empty());
        form.cancelButton->click();
    });
}

TEST_F(QtClockDialogTest, TitleBarAndEscapeCloseOnlyWithValidFields) {
    WhileOpen([&] {
        form.timeEdits[DayField]->setText("");
        form.okButton->click();
        EXPECT_TRUE(form.isVisible());
        EXPECT_EQ(Texts(), std::vector<std::string>(2, " Ошибка ввода "));
        EXPECT_EQ(form.timeEdits[DayField]->text(), "00");
        EXPECT_FALSE(form.pollingLabel->isVisible());
        form.close();
        QTest::keyClick(&form, Qt::Key_Escape);
        EXPECT_TRUE(form.isVisible());
        EXPECT_EQ(messages.shown.size(), 4u);
        form.timeEdits[DayField]->setText("31");
        form.close();
        EXPECT_FALSE(form.isVisible());
    });
}

} // namespace
