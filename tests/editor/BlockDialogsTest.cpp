#include "editor/gui/QtFunctionBlockDialog.h"
#include "editor/gui/QtOutputsDialog.h"
#include "model/ConfigurationModel.h"
#include "support/FakeMessages.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

namespace {

// Plays the operator once the dialog is up; the dialog is closed by `act`.
void whileShown(QDialog& dialog, std::function<void()> act) {
    QTimer::singleShot(0, &dialog, [&dialog, act] {
        ASSERT_TRUE(dialog.isVisible());
        act();
    });
}

QString background(const QPushButton* button) {
    return button->styleSheet();
}

TEST(QtOutputsDialog, ButtonsFollowMasksAndEveryCloseApplies) {
    QtOutputsDialog dialog;
    EXPECT_EQ(dialog.windowTitle(), "Программирование выходов ВИЛ-3");
    OutputsDialogData data{false, "ФБЛ 4", 4, 0, 0x81, 0x80, true};
    whileShown(dialog, [&] {
        EXPECT_FALSE(dialog.inputLabel->isVisible());
        EXPECT_EQ(dialog.rowLabel->text(), "ФБЛ 4");
        EXPECT_EQ(dialog.mr1Label->text(), "MP №1");
        EXPECT_FALSE(dialog.mr2Label->isVisible());
        EXPECT_EQ(dialog.focusWidget(), dialog.interlockBox);
        for (int p = 0; p < 16; ++p)
            EXPECT_EQ(dialog.outputButtons[p]->isVisible(), p < 4) << p;
        EXPECT_EQ(background(dialog.outputButtons[0]), "background-color: rgb(128,128,0)");
        EXPECT_EQ(background(dialog.outputButtons[1]), "background-color: rgb(192,192,192)");
        QTest::mouseClick(dialog.outputButtons[0], Qt::LeftButton);
        QTest::mouseClick(dialog.outputButtons[2], Qt::LeftButton);
        EXPECT_EQ(background(dialog.outputButtons[0]), "background-color: rgb(192,192,192)");
        QTest::keyClick(dialog.interlockBox, Qt::Key_Return); // moves on, does not close
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(dialog.focusWidget(), dialog.okButton);
        dialog.interlockBox->setChecked(false);
        dialog.close(); // the close box
    });
    dialog.exec(data);
    // Output 8 of МР №1 has no button here and keeps its bit; МР №2 is untouched.
    EXPECT_EQ(data.mr1Mask, 0x84);
    EXPECT_EQ(data.mr2Mask, 0x80);
    EXPECT_FALSE(data.interlock);

    OutputsDialogData second{true, "7", 4, 4, 0, 0x08, false};
    whileShown(dialog, [&] {
        EXPECT_TRUE(dialog.inputLabel->isVisible());
        EXPECT_TRUE(dialog.mr2Label->isVisible());
        EXPECT_EQ(background(dialog.outputButtons[11]), "background-color: rgb(128,128,0)");
        QTest::mouseClick(dialog.outputButtons[8], Qt::LeftButton);
        QTest::keyClick(&dialog, Qt::Key_Escape); // no cancel: Escape does nothing
        EXPECT_TRUE(dialog.isVisible());
        dialog.close();
    });
    dialog.exec(second);
    EXPECT_EQ(second.mr2Mask, 0x09);
}

struct FbDialogFixture {
    FakeMessages messages;
    ConfigurationModel model{messages};
    QtFunctionBlockDialog dialog{model};
};

TEST(QtFunctionBlockDialog, TypeFieldsAndKeyFilter) {
    FbDialogFixture f;
    QtFunctionBlockDialog& dialog = f.dialog;
    EXPECT_EQ(dialog.windowTitle(), "Программирование функц.блоков");
    FbDialogData data;
    data.blockNumber = "3";
    data.creating = false;
    data.type = 5;
    data.inputs = {FbInputEntry{1, 0, "12", true}, FbInputEntry{0, 1, "2", true},
                   FbInputEntry{0, 0, "0", false}, FbInputEntry{1, 1, "0", false}};
    whileShown(dialog, [&] {
        EXPECT_EQ(dialog.modeLabel->text(), "коррекция");
        EXPECT_EQ(dialog.blockNumberLabel->text(), "3");
        EXPECT_EQ(dialog.typeButtons->checkedButton()->text(), "\"ГСТ\"гистерезис на 2 вх.");
        EXPECT_EQ(dialog.kindBoxes[0]->currentText(), "прямой");
        EXPECT_EQ(dialog.sourceBoxes[1]->currentText(), "выход ФБ");
        EXPECT_EQ(dialog.sourceBoxes[0]->currentText(), "вход УСО ");
        EXPECT_FALSE(dialog.numberEdits[2]->isEnabled());
        dialog.typeButtons->button(3)->click(); // OR: all four fields open
        EXPECT_TRUE(dialog.numberEdits[3]->isEnabled());
        dialog.numberEdits[2]->setFocus();
        QTest::keyClick(dialog.numberEdits[2], Qt::Key_7);
        QTest::keyClick(dialog.numberEdits[2], Qt::Key_Return); // non-empty: next control
        EXPECT_EQ(dialog.focusWidget(), dialog.kindBoxes[3]);
        QTest::keyClick(dialog.numberEdits[1], Qt::Key_Q); // refused: error and "00"
        EXPECT_EQ(dialog.numberEdits[1]->text(), "00");
        QTest::keyClick(dialog.kindBoxes[3], Qt::Key_Down); // a selector refuses it too
        EXPECT_EQ(dialog.kindBoxes[3]->currentIndex(), 1);
        dialog.numberEdits[0]->clear();
        dialog.close();
    });
    dialog.exec(data);
    EXPECT_EQ(f.messages.shown.size(), 2u);
    EXPECT_EQ(f.messages.shown[0].text, " Ошибка ввода ");
    EXPECT_EQ(data.type, 3);
    EXPECT_EQ(data.inputs[0].number, "00"); // emptied: unconnected
    EXPECT_EQ(data.inputs[2].number, "07");
    EXPECT_EQ(data.inputs[1].source, 1);
    EXPECT_EQ(data.inputs[3].kind, 1);

    data.type = 1;
    data.creating = true;
    whileShown(dialog, [&] {
        EXPECT_EQ(dialog.modeLabel->text(), "создание");
        dialog.typeButtons->button(5)->click();
        EXPECT_EQ(dialog.numberEdits[3]->text(), "0");
        QTest::mouseClick(dialog.okButton, Qt::LeftButton);
    });
    dialog.exec(data);
    EXPECT_EQ(data.type, 5);
    EXPECT_EQ(data.inputs[2].number, "0");
}

} // namespace
