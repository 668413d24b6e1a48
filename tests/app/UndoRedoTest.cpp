// Undo and redo in the main window: the Правка commands name their step, take
// the scheme back and forth, and the title's modified mark follows.

#include "app/MainWindow.h"
#include "editor/gui/SchemeCanvas.h"

#include <QAction>
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

} // namespace
