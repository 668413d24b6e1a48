// Every way of replacing the scheme on screen asks before it drops unsaved
// changes, and "Отмена" leaves everything as it was; what the window says
// about a scheme goes with it.

#include "app/MainWindow.h"
#include "editor/gui/SchemeCanvas.h"
#include "link/gui/ExchangeLogWindow.h"
#include "support/ModalScript.h"
#include "support/ScratchDirectory.h"
#include "support/SimProcess.h"

#include <QAction>
#include <QDropEvent>
#include <QMimeData>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>

namespace {

QString Example(const char* name) {
    return QString(VIL3K_SOURCE_ROOT) + "/examples/" + name;
}

// Plays the operator in the new-scheme dialog.
struct ChosenNewScheme : NewSchemeDialog {
    bool exec(NewSchemeData& data) override {
        data.deviceIndex = 6;
        return true;
    }
};

// The 12-04 example with one contact switched: changed, not saved.
void OpenAndChange(MainWindow& form) {
    form.model().AccessLevel = 1;
    ASSERT_TRUE(form.OpenSchemeFile(Example("12-04.vil")));
    emit form.schemeCanvas().elementClicked(ElementRef{Family::ContactToggle, 0});
    ASSERT_EQ(form.model().Modified, 1);
}

void Drop(MainWindow& form, const QString& path) {
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(path)});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, {});
    QApplication::sendEvent(&form, &enter);
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, {});
    QApplication::sendEvent(&form, &drop);
    QTest::qWait(30); // opened once the drop is over
}

TEST(ReplaceScheme, CancelToTheOfferLeavesEverythingAsItWas) {
    struct Way {
        const char* name;
        std::function<void(MainWindow&)> replace;
    };
    const Way ways[] = {
        {"open (F3)", [](MainWindow& f) { f.OpenScheme(); }},
        {"recent file or command line",
         [](MainWindow& f) { f.OpenSchemeFile(Example("06-06.vil")); }},
        {"drop", [](MainWindow& f) { Drop(f, Example("06-06.vil")); }},
        {"read (F9)", [](MainWindow& f) { f.readDevice(); }},
        {"new scheme", [](MainWindow& f) { f.newScheme(); }},
        {"change configuration", [](MainWindow& f) { f.changeConfigButton->click(); }},
    };
    for (const Way& way : ways) {
        SCOPED_TRACE(way.name);
        MainWindow form;
        ASSERT_NO_FATAL_FAILURE(OpenAndChange(form));
        const SchemeSnapshot before = form.session().Snapshot();
        const QString caption = form.caption();
        QString question;
        {
            // One box, and no file dialog or anything else after it.
            ModalScript script({answer(QMessageBox::Cancel, &question)});
            way.replace(form);
            EXPECT_TRUE(script.done());
        }
        EXPECT_EQ(question, "Данные были изменены. Сохранить в файле?");
        EXPECT_EQ(form.model().SchemeCreated, 1);
        EXPECT_EQ(form.session().Snapshot(), before);
        EXPECT_EQ(form.caption(), caption);
        EXPECT_EQ(form.model().Modified, 1);
        EXPECT_TRUE(form.isWindowModified());
        EXPECT_TRUE(form.action(ActionId::Undo)->isEnabled()) << "the history stays";
    }
}

// F9 over unsaved changes asks as opening does; after "Нет" the scheme read
// is the device's, unmodified. What the status bar said of it goes when the
// scheme is cleared.
TEST(ReplaceScheme, ReadAfterNoIsUnmodifiedAndItsNoticeGoesWithIt) {
    SimProcess sim({"--code", "24-08", "--timeout", "60"});
    ASSERT_FALSE(sim.ptyPath().isEmpty());
    sim.exposeAs("COM7");
    MainWindow form;
    form.comPort().PortName = "COM7";
    ASSERT_EQ(form.comPort().SetupPort(), 0);
    ASSERT_NO_FATAL_FAILURE(OpenAndChange(form));
    form.model().LinkAddressIndex = 0; // the device answers as number 1
    {
        ModalScript script({answer(QMessageBox::No)});
        form.action(ActionId::ReadDevice)->trigger();
        EXPECT_TRUE(script.done());
    }
    EXPECT_EQ(form.secondCodeEdit->text(), "8") << "the device's scheme";
    EXPECT_EQ(form.model().Modified, 0);
    EXPECT_FALSE(form.isWindowModified());
    EXPECT_EQ(form.statusBar()->currentMessage(), "Конфигурация прочитана");
    {
        ModalScript nothingAsked({});
        form.changeConfigButton->click();
        EXPECT_TRUE(nothingAsked.done());
    }
    EXPECT_EQ(form.statusBar()->currentMessage(), "");
    EXPECT_EQ(form.model().Modified, 0) << "nothing is left to save";
}

// A scheme without a file is offered as "устройство N.vil" in the last folder.
TEST(ReplaceScheme, SaveProposesTheDeviceNameForANewScheme) {
    ScratchDirectory scratch;
    MainWindow form;
    form.model().AccessLevel = 1;
    form.fileDialogs().setLastFolder(scratch.path());
    ChosenNewScheme dialog;
    form.setNewSchemeDialog(dialog);
    form.newScheme();
    ASSERT_EQ(form.model().SchemeCreated, 1);
    QStringList proposed;
    {
        ModalScript script({[&](QWidget* modal) {
            auto* files = qobject_cast<QFileDialog*>(modal);
            ASSERT_NE(files, nullptr);
            proposed = files->selectedFiles();
            files->reject();
        }});
        form.SaveScheme();
        EXPECT_TRUE(script.done());
    }
    EXPECT_EQ(proposed, QStringList{scratch.file("устройство 7.vil")});
}

TEST(ReplaceScheme, EscapeClosesTheExchangeLog) {
    MainWindow form;
    form.action(ActionId::ShowLog)->trigger();
    auto* log = form.findChild<ExchangeLogWindow*>();
    ASSERT_NE(log, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(log));
    QTest::keyClick(log, Qt::Key_Escape);
    EXPECT_FALSE(log->isVisible());
}

} // namespace
