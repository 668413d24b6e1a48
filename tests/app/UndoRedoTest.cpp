// Undo and redo in the main window: the Правка commands name their step, take
// the scheme back and forth, and the title's modified mark follows.

#include "app/MainWindow.h"
#include "editor/gui/SchemeCanvas.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <gtest/gtest.h>

namespace {

QString Example(const char* name) {
    return QString(VIL3K_SOURCE_ROOT) + "/examples/" + name;
}

// A click on the contact toggle of an input, as the canvas reports it.
void ToggleContact(MainWindow& form, int input) {
    const int slot = input - 1;
    emit form.schemeCanvas().elementClicked(ElementRef{Family::ContactToggle, slot});
}

// Inputs of the 12-04 example whose contact can be switched (input 5 is not included).
constexpr int kInputs[] = {1, 2, 3, 4, 6};

TEST(UndoRedo, StepsAreTakenBackAndForthInTheWindow) {
    MainWindow form;
    ASSERT_TRUE(form.OpenSchemeFile(Example("12-04.vil")));
    QAction* undo = form.action(ActionId::Undo);
    QAction* redo = form.action(ActionId::Redo);
    EXPECT_FALSE(undo->isEnabled());
    const SchemeSnapshot opened = form.session().Snapshot();

    for (int input : kInputs)
        ToggleContact(form, input);
    EXPECT_EQ(undo->text(), "Отменить: Контакт вх. 6");
    EXPECT_TRUE(form.isWindowModified());
    for (int n = 0; n < 3; ++n)
        undo->trigger();
    EXPECT_EQ(redo->text(), "Повторить: Контакт вх. 3");
    EXPECT_EQ(form.menuBar()->findChild<QMenu*>("EditMenu")->actions().at(1)->text(),
              "Повторить: Контакт вх. 3\tCtrl+Y");
    redo->trigger();
    EXPECT_EQ(undo->text(), "Отменить: Контакт вх. 3");
    EXPECT_TRUE(form.isWindowModified());

    // Back at the scheme as opened, it matches its file again.
    for (int n = 0; n < 3; ++n)
        undo->trigger();
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_EQ(form.session().Snapshot(), opened);
    EXPECT_FALSE(form.isWindowModified());
}

// Undo and redo finish a name being edited in place: nothing is left open
// underneath, and the next click on the output opens its editor again.
TEST(UndoRedo, FinishTheNameBeingEdited) {
    for (const bool undo : {true, false}) {
        SCOPED_TRACE(undo ? "undo" : "redo");
        MainWindow form;
        ASSERT_TRUE(form.OpenSchemeFile(Example("12-04.vil")));
        const auto click = [&form](int line) {
            emit form.schemeCanvas().elementClicked(ElementRef{Family::OutputNumber, line});
        };
        click(0);
        ASSERT_FALSE(form.outputNameEdit->isHidden());
        undo ? form.undoStep() : form.redoStep(); // nothing to take back or do again
        EXPECT_TRUE(form.outputNameEdit->isHidden());
        EXPECT_EQ(form.model().EditedOutput, -1);
        EXPECT_NE(form.schemeView().at(Family::OutputNumber, 0).back, colours::aqua);
        click(0);
        EXPECT_FALSE(form.outputNameEdit->isHidden()) << "opened, not closed";
        // A name typed and then taken back, or done again, stays a step.
        form.outputNameEdit->setText("Гудок 7");
        form.undoStep();
        EXPECT_TRUE(form.outputNameEdit->isHidden());
        EXPECT_NE(form.schemeView().at(Family::OutputName, 0).caption, "Гудок 7");
        form.redoStep();
        EXPECT_EQ(form.schemeView().at(Family::OutputName, 0).caption, "Гудок 7");
        EXPECT_TRUE(form.isWindowModified());
    }
}

} // namespace
