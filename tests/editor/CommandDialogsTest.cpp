#include "editor/gui/QtDelayDialog.h"
#include "editor/gui/QtInclusionDialog.h"
#include "editor/gui/QtSignallingDialog.h"
#include "model/ConfigurationModel.h"
#include "support/FakeMessages.h"
#include "support/ModalDialog.h"
#include "ui/gui/DialogFrame.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

namespace {

struct DialogFixture {
    FakeMessages messages;
    ConfigurationModel model{messages};

    std::vector<std::string> texts() const {
        std::vector<std::string> all;
        for (const MessageBox& box : messages.shown)
            all.push_back(box.text);
        return all;
    }
};

void Type(QWidget* field, const QString& text) {
    for (QChar c : text)
        QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

QColor TextColour(const QLabel* label) {
    return label->palette().color(QPalette::WindowText);
}

TEST(QtInclusionDialog, NameFieldRefusesWhatWindows1251LacksAndCloseGivesTenSpaces) {
    DialogFixture f;
    QtInclusionDialog form(f.messages);
    InclusionDialogData data{"13", "Насос", false};
    WhenShown([&](QWidget* dialog) {
        EXPECT_EQ(dialog, &form);
        EXPECT_EQ(form.windowTitle(), "Включение в обработку входа ВИЛ-3");
        EXPECT_EQ(form.height(), 184); // widened only for the caption
        EXPECT_GE(form.width(), 306);
        EXPECT_EQ(form.rowLabel->text(), "13");
        EXPECT_TRUE(form.rowLabel->font().underline());
        EXPECT_EQ(TextColour(form.inputLabel), QColor(0, 0, 255));
        EXPECT_EQ(TextColour(form.findChild<QLabel*>("nameLabel")), QColor(128, 128, 0));
        EXPECT_EQ(form.findChild<QLabel*>("nameLabel")->text(), "Текстовый реквизит");
        EXPECT_EQ(form.findChild<QLabel*>("processingLabel")->text(), "Обработка");
        EXPECT_EQ(form.focusWidget(), form.nameEdit);
        GrabDialog(&form, "QtInclusionDialog");
        QTest::keyClick(form.nameEdit, Qt::Key_End); // the name comes selected
        Type(form.nameEdit, "№1");
        EXPECT_EQ(form.nameEdit->text(), "Насос№1");
        Type(form.nameEdit, "Ω");
        form.nameEdit->insert("xΩ"); // a paste
        EXPECT_EQ(form.nameEdit->text(), "Насос№1");
        EXPECT_EQ(f.messages.beeps, 2);
        Type(form.nameEdit, "abcd");
        EXPECT_EQ(form.nameEdit->text(), "Насос№1abc");
        QTest::keyClick(form.nameEdit, Qt::Key_Return);
        EXPECT_EQ(form.focusWidget(), form.okButton);
        QTest::keyClick(&form, Qt::Key_Escape);
        EXPECT_TRUE(form.isVisible());
        QTest::mouseClick(form.includedButton, Qt::LeftButton);
        form.nameEdit->clear();
        QTest::mouseClick(&form, Qt::LeftButton, {}, QPoint(290, 20)); // the free surface
    });
    form.exec(data);
    EXPECT_TRUE(data.included);
    EXPECT_EQ(data.name, "          ");
    EXPECT_TRUE(f.messages.shown.empty());
}

TEST(QtSignallingDialog, CellFieldTakesDigitsOnlyAndCloseGivesZeros) {
    DialogFixture f;
    QtSignallingDialog form(f.model);
    SignallingDialogData data{true, "ФБЛ 2", 2, "12"};
    WhenShown([&](QWidget*) {
        EXPECT_EQ(form.windowTitle(), "Задание типа сигнализации ВИЛ-3");
        EXPECT_EQ(form.height(), 222); // widened only for the caption
        EXPECT_GE(form.width(), 302);
        EXPECT_FALSE(form.inputLabel->isVisible());
        EXPECT_EQ(form.rowLabel->text(), "ФБЛ 2");
        EXPECT_EQ(form.signallingTypeGroup->title(), "Тип сигнализации");
        EXPECT_EQ(form.signallingTypes->button(3)->text(), "индикация");
        EXPECT_EQ(form.focusWidget(), form.signallingTypes->button(2));
        EXPECT_EQ(form.cellEdit->text(), "12");
        GrabDialog(&form, "QtSignallingDialog");
        QTest::keyClick(form.cellEdit, Qt::Key_A);
        EXPECT_EQ(form.cellEdit->text(), "00");
        form.cellEdit->clear();
        QTest::keyClick(form.cellEdit, Qt::Key_Return);
        EXPECT_EQ(form.cellEdit->text(), "00");
        form.cellEdit->clear();
        QTest::keyClick(form.cellEdit, Qt::Key_7);
        QTest::keyClick(form.cellEdit, Qt::Key_2, Qt::KeypadModifier);
        QTest::keyClick(form.cellEdit, Qt::Key_Enter);
        EXPECT_EQ(form.cellEdit->text(), "72");
        EXPECT_EQ(form.focusWidget(), form.okButton);
        form.signallingTypes->button(3)->click();
        form.cellEdit->clear();
        QTest::mouseClick(form.okButton, Qt::LeftButton);
    });
    form.exec(data);
    EXPECT_EQ(f.texts(), (std::vector<std::string>{" Ошибка ввода ", " Ошибка ввода "}));
    EXPECT_EQ(data.type, 3);
    EXPECT_EQ(data.cell, "00");
}

TEST(QtDelayDialog, BlockRowShowsTimerTypeAndFieldsMoveOnWithEnter) {
    DialogFixture f;
    QtDelayDialog form(f.model);
    DelayDialogData data{true, "ФБЛ 4", 1, "10", "6"};
    WhenShown([&](QWidget*) {
        EXPECT_EQ(form.windowTitle(), "Программирование таймеров ФБЛ");
        EXPECT_EQ(form.height(), 201); // widened only for the caption
        EXPECT_GE(form.width(), 291);
        EXPECT_TRUE(form.timerTypeGroup->isVisible());
        EXPECT_EQ(form.timerTypeGroup->title(), "Тип задержки");
        EXPECT_TRUE(form.timerTypes->button(1)->isChecked());
        EXPECT_EQ(form.timerTypes->button(1)->text(), "импульс");
        EXPECT_EQ(form.unitEdit->toolTip(), "Дискретность,с (1или10)");
        EXPECT_EQ(form.valueEdit->toolTip(), "Время в ед дискр(0-60)");
        EXPECT_EQ(form.findChild<QLabel*>("valueLabel")->text(),
                  "Время в единицах     дискретности");
        EXPECT_EQ(form.focusWidget(), form.unitEdit);
        GrabDialog(&form, "QtDelayDialog-block");
        QTest::keyClick(form.unitEdit, Qt::Key_Return);
        EXPECT_EQ(form.focusWidget(), form.valueEdit);
        QTest::keyClick(form.valueEdit, Qt::Key_Backspace);
        QTest::keyClick(form.valueEdit, Qt::Key_Return); // empty: refused
        EXPECT_EQ(form.focusWidget(), form.valueEdit);
        EXPECT_EQ(form.valueEdit->text(), "00");
        form.valueEdit->selectAll();
        QTest::keyClick(form.valueEdit, Qt::Key_5);
        QTest::keyClick(form.valueEdit, Qt::Key_Return);
        EXPECT_EQ(form.focusWidget(), form.okButton);
        form.timerTypes->button(0)->click();
        form.unitEdit->clear();
        form.close();
    });
    form.exec(data);
    EXPECT_EQ(f.texts(), std::vector<std::string>{" Ошибка ввода "});
    EXPECT_EQ(data.timerType, 0);
    EXPECT_EQ(data.unit, "00");
    EXPECT_EQ(data.value, "5");
}

TEST(QtDelayDialog, InputRowHasNoTimerType) {
    DialogFixture f;
    QtDelayDialog form(f.model);
    DelayDialogData data{false, "3", 0, "1", "0"};
    WhenShown([&](QWidget*) {
        EXPECT_EQ(form.windowTitle(), "Программ. задерж. выходов ВИЛ-3");
        EXPECT_FALSE(form.timerTypeGroup->isVisible());
        EXPECT_TRUE(form.inputLabel->isVisible());
        EXPECT_EQ(form.rowLabel->text(), "3");
        GrabDialog(&form, "QtDelayDialog-input");
        QTest::mouseClick(form.okButton, Qt::LeftButton);
    });
    form.exec(data);
    EXPECT_EQ(data.unit, "1");
    EXPECT_EQ(data.value, "0");
}

} // namespace

namespace {

// Each programming dialog is shown wide enough for its caption, never
// narrower than it was laid out.
TEST(CommandDialogFrame, ShownWideEnoughForItsCaption) {
    DialogFixture f;
    QtSignallingDialog sig(f.model);
    QtInclusionDialog vkl(f.messages);
    QtDelayDialog za(f.model);
    for (CommandDialog* dialog : std::initializer_list<CommandDialog*>{&sig, &vkl, &za}) {
        SCOPED_TRACE(dialog->objectName().toStdString());
        const QSize laidOut = dialog->size();
        dialog->show();
        EXPECT_GE(dialog->width(), laidOut.width());
        EXPECT_EQ(dialog->height(), laidOut.height());
        // Room for the caption beside the window manager's icon and buttons.
        EXPECT_GE(dialog->width(), TitleBarWidth(*dialog));
        dialog->hide();
    }
}

} // namespace
