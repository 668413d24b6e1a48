// The mouse on the real scheme canvas of the main window: selection, in-place
// output names, context help and the help window. The window is never shown
// (showing it asks for the password); events go straight to the canvas.
#include "app/HelpViewer.h"
#include "app/MainWindow.h"
#include "editor/gui/QtDelayDialog.h"
#include "editor/gui/QtFunctionBlockDialog.h"
#include "editor/gui/QtSignallingDialog.h"
#include "editor/gui/SchemeCanvas.h"
#include "support/ModalDialog.h"
#include "support/QtPrinting.h"
#include "support/SampleSchemes.h"

#include <QAction>
#include <QApplication>
#include <QDirIterator>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTextBrowser>
#include <gtest/gtest.h>

namespace {

using F = Family;

class SchemeMouse : public ::testing::Test {
protected:
    void SetUp() override {
        BuildSampleScheme(form.session(), 24, 8);
        form.showExecCode(24, 8);
        form.syncScheme();
    }
    // A point inside the element that the canvas finds as that element.
    QPoint pointOf(Family family, int index) {
        const Rect r = form.schemeView().absoluteRect(family, index);
        const QPoint at(r.x + 2, r.y + 2);
        const auto found = form.schemeView().elementAt(at.x(), at.y());
        EXPECT_TRUE(found && *found == (ElementRef{family, index}))
            << "element " << static_cast<int>(family) << " " << index
            << " not on top: " << (found ? static_cast<int>(found->family) : -1) << " "
            << (found ? found->index : -1);
        return at;
    }
    void click(Family family, int index) {
        QTest::mouseClick(&form.schemeCanvas(), Qt::LeftButton, {}, pointOf(family, index));
    }
    QColor painted(Family family, int index) {
        return form.schemeCanvas().render().pixelColor(pointOf(family, index) + QPoint(1, 1));
    }
    void type(const QString& text) {
        for (QChar ch : text)
            QTest::sendKeyEvent(QTest::Click, form.outputNameEdit, Qt::Key_unknown, QString(ch),
                                Qt::NoModifier);
    }
    const QString& outputName(int line) {
        return form.schemeView().at(F::OutputName, line).caption;
    }

    MainWindow form;
    ConfigurationModel& model = form.model();
    const QColor aqua{0, 255, 255};
};

TEST_F(SchemeMouse, ClicksSelectAndHighlight) {
    click(F::InputNumber, 3);
    EXPECT_EQ(model.SelectedInput, 3);
    EXPECT_EQ(painted(F::InputNumber, 3), aqua);
    click(F::InputNumber, 3);
    EXPECT_EQ(model.SelectedInput, -1);
    EXPECT_NE(painted(F::InputNumber, 3), aqua);

    EXPECT_EQ(model.Modified, 0) << "selecting changes nothing";
    click(F::InputNumber, 1);
    QWidget* opened = nullptr;
    WhenShown([&](QWidget* dialog) {
        opened = dialog;
        QTest::mouseClick(form.delayDialog->okButton, Qt::LeftButton);
    });
    click(F::DelayPanel, 1); // the selected input stays selected, its delay dialog opens
    EXPECT_EQ(opened, form.delayDialog);
    EXPECT_EQ(model.SelectedInput, 1);
    click(F::BlockNumber, 0);
    EXPECT_EQ(model.SelectedFb, 0);
    EXPECT_EQ(model.SelectedInput, -1);
    EXPECT_EQ(painted(F::BlockNumber, 0), aqua);
    EXPECT_NE(painted(F::InputNumber, 1), aqua);
    click(F::BlockNumber, 0);
    EXPECT_EQ(model.SelectedFb, -1);
    for (int twice = 0; twice < 2; ++twice) {
        opened = nullptr;
        WhenShown([&](QWidget* dialog) {
            opened = dialog;
            form.blockDialog->close();
        });
        click(F::BlockTypePicture, 1); // the block picture opens the block dialog
        EXPECT_EQ(opened, form.blockDialog);
    }
    EXPECT_EQ(model.SelectedFb, 1) << "the block body never deselects";
    WhenShown([&](QWidget* dialog) {
        opened = dialog;
        QTest::mouseClick(form.signallingDialog->okButton, Qt::LeftButton);
    });
    click(F::CellNumber, 0);
    EXPECT_EQ(opened, form.signallingDialog);
    EXPECT_EQ(model.SelectedInput, 0);
    EXPECT_EQ(model.SelectedFb, -1);
}

TEST_F(SchemeMouse, OutputNamesAreEditedInPlace) {
    click(F::OutputNumber, 2);
    ASSERT_TRUE(form.outputNameEdit->isVisibleTo(&form));
    EXPECT_EQ(form.outputNameEdit->geometry(), QRect(640, 32 + 64 + 8, 65, 17));
    EXPECT_EQ(painted(F::OutputNumber, 2), aqua);
    form.outputNameEdit->clear();
    type("Насос Ω2");  // Ω is not in Windows-1251: refused
    type("345678901"); // at most 10 characters
    EXPECT_EQ(form.outputNameEdit->text(), "Насос 2345");
    QKeyEvent left(QEvent::KeyPress, Qt::Key_Left, Qt::NoModifier);
    QApplication::sendEvent(form.outputNameEdit, &left);
    EXPECT_EQ(form.outputNameEdit->cursorPosition(), 10) << "Left does nothing in the window";

    click(F::OutputNumber, 0); // commits line 2, moves the editor up
    EXPECT_EQ(outputName(2), "Насос 2345");
    EXPECT_NE(painted(F::OutputNumber, 2), aqua);
    EXPECT_EQ(painted(F::OutputNumber, 0), aqua);
    EXPECT_EQ(form.outputNameEdit->text(), outputName(0));
    form.outputNameEdit->clear();
    click(F::InputNumber, 4); // a row click commits, the editor stays
    EXPECT_EQ(outputName(0), "          ");
    EXPECT_TRUE(form.outputNameEdit->isVisibleTo(&form));
    form.outputNameEdit->clear();
    type("Реле");
    click(F::BlockTimerPicture, 0); // a block picture takes no focus, but commits as well
    EXPECT_EQ(outputName(0), "Реле");
    click(F::OutputNumber, 0);
    EXPECT_FALSE(form.outputNameEdit->isVisibleTo(&form));
    EXPECT_EQ(model.EditedOutput, -1);
    EXPECT_EQ(model.Modified, 1) << "a new name changes what a save writes";
}

TEST_F(SchemeMouse, ContextHelpShowsTheTopicThenTheClickGoesOn) {
    QAction* contextHelp = form.findChild<QAction*>("ContextHelp");
    ASSERT_NE(contextHelp, nullptr);
    contextHelp->trigger();
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WhatsThisCursor);
    // The topic first, with the cursor back, then the delay dialog of the click.
    bool popupBeforeDialog = false;
    WhenShown([&](QWidget* dialog) {
        popupBeforeDialog = dialog == form.delayDialog && form.help().popupWindow() &&
                            form.help().popupWindow()->isVisible() &&
                            QApplication::overrideCursor() == nullptr;
        QTest::mouseClick(form.delayDialog->okButton, Qt::LeftButton);
    });
    click(F::DelayPanel, 1);
    EXPECT_TRUE(popupBeforeDialog);
    QLabel* popup = form.help().popupWindow();
    ASSERT_NE(popup, nullptr);
    EXPECT_TRUE(popup->text().contains("<h3>Задержка</h3>"));
    EXPECT_EQ(model.SelectedInput, 1);
    // Without the help cursor a mouse-down shows no topic; the pop-up goes.
    WhenShown(
        [&](QWidget*) { QTest::mouseClick(form.signallingDialog->okButton, Qt::LeftButton); });
    click(F::SignallingPanel, 0);
    EXPECT_FALSE(popup->isVisible());
    EXPECT_EQ(model.SelectedInput, 0);
}

TEST_F(SchemeMouse, HelpWindowOpensAtTheContentsFollowsLinksAndClosesWithEscape) {
    form.action(ActionId::ShowHelp)->trigger();
    QTextBrowser* help = form.help().helpBrowser();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->source(), QUrl("qrc:/help/3.html"));
    EXPECT_EQ(help->documentTitle(), "Справка программатора ВИЛ-3K");
    // Every topic of the scheme is linked from the contents, has a title and
    // links back.
    const QUrl contents = help->source();
    for (const char* topic : {"11", "12", "13", "14", "15", "16", "40"}) {
        const QString page = QString("%1.html").arg(topic);
        EXPECT_TRUE(help->toHtml().contains(page)) << topic;
        help->setSource(contents.resolved(QUrl(page)));
        EXPECT_FALSE(help->documentTitle().isEmpty()) << topic;
        EXPECT_TRUE(help->toHtml().contains("3.html")) << topic;
        help->setSource(contents);
    }
    // Back and forward retrace the way; Escape closes the window.
    QWidget* window = form.help().helpWindow();
    help->setSource(QUrl("qrc:/help/12.html"));
    window->findChild<QAction*>("HelpBack")->trigger();
    EXPECT_EQ(help->source(), contents);
    window->findChild<QAction*>("HelpForward")->trigger();
    EXPECT_EQ(help->source(), QUrl("qrc:/help/12.html"));
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    QTest::keyClick(help, Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
}

// The keys the help pages name are keys the windows answer; the contents page
// names every key of a command.
TEST_F(SchemeMouse, HelpNamesTheKeysTheProgramAnswers) {
    form.showHelpContents();
    QStringList commandKeys, keys;
    for (QWidget* window : {static_cast<QWidget*>(&form), form.help().helpWindow()})
        for (const QAction* action : window->findChildren<QAction*>())
            if (!action->shortcut().isEmpty())
                (window == &form ? commandKeys : keys) << action->shortcut().toString();
    keys += commandKeys;
    const QRegularExpression key(R"(\b(F\d{1,2}|Ctrl\+[A-Z]|Alt\+[A-Za-z]+)\b)");
    for (QDirIterator it(":/help"); it.hasNext();) {
        QFile page(it.next());
        ASSERT_TRUE(page.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(page.readAll());
        for (const auto& match : key.globalMatch(text))
            EXPECT_TRUE(keys.contains(match.captured(1))) << qPrintable(page.fileName());
        for (const QString& command : commandKeys)
            EXPECT_TRUE(!page.fileName().endsWith("/3.html") || text.contains(command))
                << qPrintable(command);
    }
    form.help().helpWindow()->close();
}

} // namespace
