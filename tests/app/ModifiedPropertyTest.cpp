// Random editing in the real window, with undo, redo, saves and opens: the
// modified mark never says "nothing to lose" while the scheme differs from the
// one last saved or opened, also after an output renamed in place, another
// device number, and "Нет" to the offer to save. After "Нет" and an open the
// scheme on screen is the file, unmodified; "Отмена" changes nothing.

#include "app/MainWindow.h"
#include "editor/gui/SchemeCanvas.h"
#include "support/ModalScript.h"
#include "support/ScratchDirectory.h"

#include <QComboBox>
#include <QLineEdit>
#include <QToolButton>
#include <gtest/gtest.h>

#include <random>

namespace {

QString Example(const char* name) {
    return QString(VIL3K_SOURCE_ROOT) + "/examples/" + name;
}

// Names as an operator types them, blank forms among them.
const QString kNames[] = {"", "          ", "Насос", "Насос     ", "Клапан 2"};

struct RandomOperator {
    explicit RandomOperator(unsigned seed) : random(seed) {
        form.model().AccessLevel = 1;
        const bool opened = form.OpenSchemeFile(Example("24-08.vil"));
        EXPECT_TRUE(opened);
        stored = form.session().Snapshot();
        files.push_back(Example("24-08.vil"));
    }
    int pick(int low, int high) { return std::uniform_int_distribution<>(low, high)(random); }
    void click(Family family, int index) {
        emit form.schemeCanvas().elementClicked(ElementRef{family, index});
    }
    // An output line the code has: 24-08 has four on each relay module.
    int outputLine() { return pick(0, 1) * 8 + pick(0, 3); }

    // Renames an output in place; sometimes the editor is left open for the
    // next step (an undo or redo must finish it).
    void rename() {
        const int line = outputLine();
        if (form.model().EditedOutput != line)
            click(Family::OutputNumber, line);
        form.outputNameEdit->setText(kNames[pick(0, 4)]);
        if (pick(0, 2) > 0)
            click(Family::OutputNumber, line);
    }
    void chooseDeviceNumber() {
        const int index = pick(0, 30);
        form.schemeDeviceNumberBox->setCurrentIndex(index);
        emit form.schemeDeviceNumberBox->activated(index);
    }
    void toggleContact() {
        const int slot = pick(0, 23);
        if (form.schemeView().at(Family::ContactToggle, slot).enabled)
            click(Family::ContactToggle, slot);
    }
    void save() {
        const QString path = scratch.file(QString("scheme%1.vil").arg(files.size()));
        std::vector<ModalScript::Step> steps;
        if (form.model().Modified == 0)
            steps.push_back(answer(QMessageBox::Yes)); // "Данные не были изменены. Сохранить?"
        steps.push_back(choose(path));
        ModalScript script(steps);
        form.SaveScheme();
        ASSERT_TRUE(script.done());
        stored = form.session().Snapshot();
        files.push_back(path);
    }
    // Another file, with No (or Cancel) to the offer to save the changes.
    void open(QMessageBox::StandardButton answerToOffer) {
        const SchemeSnapshot before = form.session().Snapshot();
        const int modified = form.model().Modified;
        std::vector<ModalScript::Step> steps;
        if (modified != 0)
            steps.push_back(answer(answerToOffer));
        ModalScript script(steps);
        const bool opened = form.OpenSchemeFile(files[pick(0, static_cast<int>(files.size()) - 1)]);
        ASSERT_TRUE(script.done());
        if (modified != 0 && answerToOffer == QMessageBox::Cancel) {
            ASSERT_FALSE(opened);
            ASSERT_EQ(form.session().Snapshot(), before);
            ASSERT_EQ(form.model().Modified, 1);
            return;
        }
        ASSERT_TRUE(opened);
        ASSERT_EQ(form.model().Modified, 0) << "the file as opened has nothing to lose";
        stored = form.session().Snapshot();
    }

    void step() {
        switch (pick(0, 9)) {
        case 0:
            rename();
            break;
        case 1:
            chooseDeviceNumber();
            break;
        case 2:
            toggleContact();
            break;
        case 3:
            form.externalAckButton->click();
            break;
        // Also with nothing to take back, as a key pressed in the name editor may.
        case 4:
            form.undoStep();
            break;
        case 5:
            form.redoStep();
            break;
        case 6:
            save();
            break;
        case 7:
            open(QMessageBox::No);
            break;
        case 8:
            open(QMessageBox::Cancel);
            break;
        default:
            rename();
            chooseDeviceNumber();
        }
    }

    ScratchDirectory scratch;
    MainWindow form;
    std::mt19937 random;
    SchemeSnapshot stored; // what the last file saved or opened holds
    std::vector<QString> files;
};

TEST(ModifiedProperty, NoChangeIsEverUnmarked) {
    for (unsigned seed = 1; seed <= 3; ++seed) {
        RandomOperator o(seed);
        for (int n = 0; n < 90; ++n) {
            o.step();
            if (::testing::Test::HasFatalFailure())
                FAIL() << "seed " << seed << " step " << n;
            if (o.form.session().Snapshot() != o.stored) {
                ASSERT_EQ(o.form.model().Modified, 1) << "seed " << seed << " step " << n;
            }
            ASSERT_EQ(o.form.isWindowModified(), o.form.model().Modified != 0);
            // No editor is left open without its output marked, nor the reverse.
            ASSERT_EQ(o.form.outputNameEdit->isHidden(), o.form.model().EditedOutput == -1);
        }
    }
}

} // namespace
