#include "app/TForm1.h"
#include "editor/gui/SchemeCanvas.h"
#include "editor/gui/TFormSig.h"
#include "editor/gui/TFormVkl.h"
#include "editor/gui/TFormZa.h"
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
TEST(TForm1Commands, InputProgrammedThroughTheDialogsAndTheContactToggle) {
    TForm1 form;
    TProgVilClass& model = form.model();
    model.ExecFirst = 24;
    model.ExecSecond = 8;
    form.schemeCreation().CreateScheme();
    form.showExecCode(24, 8);
    form.syncScheme();
    model.SelectedInput = 4;
    model.SelectedFb = -1;

    WhenShown([&](QWidget* dialog) {
        EXPECT_EQ(dialog, form.FormVkl);
        QTest::keyClick(form.FormVkl->EditText, Qt::Key_Delete); // the name comes selected
        TypeText(form.FormVkl->EditText, "Давление");
        QTest::mouseClick(form.FormVkl->SBVkl, Qt::LeftButton);
        QTest::mouseClick(form.FormVkl->OK, Qt::LeftButton);
    });
    form.NTextClick();
    EXPECT_EQ(form.schemeView().at(Family::PText, 4).caption, "Давление");
    EXPECT_EQ(model.InclusionBits[0], 0x10);

    QTest::mouseClick(&form.schemeCanvas(), Qt::LeftButton, {},
                      Centre(form.schemeView(), Family::NOTVh, 4));
    EXPECT_EQ(model.Channels[4][0], 0x20);

    WhenShown([&](QWidget* dialog) {
        EXPECT_EQ(dialog, form.FormSig);
        form.FormSig->signallingTypes->button(2)->click();
        form.FormSig->cellEdit->selectAll();
        QTest::keyClick(form.FormSig->cellEdit, Qt::Key_1);
        QTest::keyClick(form.FormSig->cellEdit, Qt::Key_7);
        QTest::keyClick(form.FormSig->cellEdit, Qt::Key_Return);
        QTest::keyClick(form.FormSig->OK, Qt::Key_Space);
    });
    form.SignClick();
    EXPECT_EQ(model.Channels[4][0], 0x80 | 0x20 | 17);

    WhenShown([&](QWidget* dialog) {
        EXPECT_EQ(dialog, form.FormZa);
        QTest::keyClick(form.FormZa->EditDiskr, Qt::Key_Backspace);
        QTest::keyClick(form.FormZa->EditDiskr, Qt::Key_1);
        QTest::keyClick(form.FormZa->EditDiskr, Qt::Key_0);
        QTest::keyClick(form.FormZa->EditDiskr, Qt::Key_Return);
        form.FormZa->EditT->selectAll();
        QTest::keyClick(form.FormZa->EditT, Qt::Key_4);
        QTest::mouseClick(form.FormZa->OK, Qt::LeftButton);
    });
    form.ZaderClick();
    EXPECT_EQ(model.Channels[4][3], 0x40 | 4);
    EXPECT_EQ(form.schemeView().at(Family::StZ, 4).caption, "40");
    EXPECT_EQ(form.schemeView().at(Family::StN, 4).caption, "17");
    EXPECT_EQ(model.Modified, 1);
}

} // namespace
