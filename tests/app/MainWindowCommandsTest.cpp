#include "app/MainWindow.h"
#include "editor/gui/QtDelayDialog.h"
#include "editor/gui/QtInclusionDialog.h"
#include "editor/gui/QtSignallingDialog.h"
#include "editor/gui/SchemeCanvas.h"
#include "support/ModalDialog.h"

#include <QButtonGroup>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

namespace {

void TypeText(QWidget* field, const QString& text) {
    for (QChar c : text)
        QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

QPoint Centre(const SchemeView& view, Family family, int index) {
    const Rect r = view.absoluteRect(family, index);
    return {r.x + r.w / 2, r.y + r.h / 2};
}

// The window's commands run on its own dialogs, answered with keys and clicks.
TEST(MainWindowCommands, InputProgrammedThroughTheDialogsAndTheContactToggle) {
    MainWindow form;
    ConfigurationModel& model = form.model();
    model.ExecFirst = 24;
    model.ExecSecond = 8;
    form.schemeCreation().CreateScheme();
    form.showExecCode(24, 8);
    form.syncScheme();
    model.SelectedInput = 4;
    model.SelectedFb = -1;

    WhenShown([&](QWidget* dialog) {
        EXPECT_EQ(dialog, form.inclusionDialog);
        QTest::keyClick(form.inclusionDialog->nameEdit, Qt::Key_Delete); // the name comes selected
        TypeText(form.inclusionDialog->nameEdit, "Давление");
        QTest::mouseClick(form.inclusionDialog->includedButton, Qt::LeftButton);
        QTest::mouseClick(form.inclusionDialog->okButton, Qt::LeftButton);
    });
    form.editInclusion();
    EXPECT_EQ(form.schemeView().at(Family::InputName, 4).caption, "Давление");
    EXPECT_EQ(model.InclusionBits[0], 0x10);

    QTest::mouseClick(&form.schemeCanvas(), Qt::LeftButton, {},
                      Centre(form.schemeView(), Family::ContactToggle, 4));
    EXPECT_EQ(model.Channels[4][0], 0x20);

    WhenShown([&](QWidget* dialog) {
        EXPECT_EQ(dialog, form.signallingDialog);
        form.signallingDialog->signallingTypes->button(2)->click();
        form.signallingDialog->cellEdit->selectAll();
        QTest::keyClick(form.signallingDialog->cellEdit, Qt::Key_1);
        QTest::keyClick(form.signallingDialog->cellEdit, Qt::Key_7);
        QTest::keyClick(form.signallingDialog->cellEdit, Qt::Key_Return);
        QTest::keyClick(form.signallingDialog->okButton, Qt::Key_Space);
    });
    form.editSignalling();
    EXPECT_EQ(model.Channels[4][0], 0x80 | 0x20 | 17);

    WhenShown([&](QWidget* dialog) {
        EXPECT_EQ(dialog, form.delayDialog);
        QTest::keyClick(form.delayDialog->unitEdit, Qt::Key_Backspace);
        QTest::keyClick(form.delayDialog->unitEdit, Qt::Key_1);
        QTest::keyClick(form.delayDialog->unitEdit, Qt::Key_0);
        QTest::keyClick(form.delayDialog->unitEdit, Qt::Key_Return);
        form.delayDialog->valueEdit->selectAll();
        QTest::keyClick(form.delayDialog->valueEdit, Qt::Key_4);
        QTest::mouseClick(form.delayDialog->okButton, Qt::LeftButton);
    });
    form.editDelay();
    EXPECT_EQ(model.Channels[4][3], 0x40 | 4);
    EXPECT_EQ(form.schemeView().at(Family::DelayValue, 4).caption, "40");
    EXPECT_EQ(form.schemeView().at(Family::CellNumber, 4).caption, "17");
    EXPECT_EQ(model.Modified, 1);
}

} // namespace
