#include "app/MainWindow.h"
#include "editor/gui/QtFunctionBlockDialog.h"
#include "editor/gui/QtOutputsDialog.h"
#include "editor/gui/SchemeCanvas.h"
#include "support/SampleSchemes.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// Answers the dialog that the next command opens.
template <class Dialog> void answer(std::function<void(Dialog&)> act) {
    QTimer::singleShot(0, [act] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        act(*dialog);
    });
}

// The window's own dialogs, reached by the action, a click on a block picture and
// a click on an outputs element, from the command to the records and the drawn scheme.
TEST(MainWindowBlockCommands, DialogsProgramTheSelectedRow) {
    MainWindow form;
    BuildSampleScheme(form.session(), 24, 8, 12);
    form.showExecCode(24, 8);
    form.syncScheme();
    ConfigurationModel& model = form.model();
    model.SelectedFb = -1;

    answer<QtFunctionBlockDialog>([](QtFunctionBlockDialog& d) {
        d.typeButtons->button(4)->click();
        d.numberEdits[0]->setText("3");
        d.numberEdits[1]->setText("12");
        d.sourceBoxes[1]->setCurrentIndex(1);
        d.okButton->click();
    });
    ASSERT_TRUE(form.action(ActionId::EditFunctionBlock)->isEnabled());
    form.action(ActionId::EditFunctionBlock)->trigger();
    EXPECT_EQ(model.FunctionBlocks[12][0], 4);
    EXPECT_EQ(model.FunctionBlocks[12][1], 0x03);
    EXPECT_EQ(model.FunctionBlocks[12][2], 0x4C);
    EXPECT_EQ(model.UsedFbCount, 13);
    EXPECT_EQ(model.SelectedFb, 12);
    const SchemeView& view = form.schemeView();
    EXPECT_EQ(form.schemeCanvas().height(), view.schemeHeight());

    model.SelectedFb = -1;
    QString mode;
    answer<QtFunctionBlockDialog>([&mode](QtFunctionBlockDialog& d) {
        mode = d.modeLabel->text();
        d.close();
    });
    form.clickElement(ElementRef{Family::BlockTypePicture, 12});
    EXPECT_EQ(mode, "коррекция");
    EXPECT_EQ(model.SelectedFb, 12);

    answer<QtOutputsDialog>([](QtOutputsDialog& d) {
        d.outputButtons[9]->click();
        d.interlockBox->setChecked(true);
        d.close();
    });
    form.action(ActionId::EditOutputs)->trigger();
    EXPECT_EQ(model.FunctionBlocks[12][7], 0x02);
    EXPECT_EQ(model.FunctionBlocks[12][8], 0x80);
    EXPECT_TRUE(view.shown(Family::InterlockMark, 44));

    QString row;
    answer<QtOutputsDialog>([&row](QtOutputsDialog& d) {
        row = d.rowLabel->text();
        d.close();
    });
    form.clickElement(ElementRef{Family::Mr2Outputs, 44});
    EXPECT_EQ(row, "ФБЛ 13");
}

} // namespace
