// The main window as a desktop program: settings kept between runs in a store
// of the test's own, recent files, a drop, a new scheme in the real dialog.

#include "app/ProgramSettings.h"
#include "app/TForm1.h"
#include "device/gui/NewSchemeDialog.h"
#include "support/BoxAnswerer.h"
#include "support/ModalDialog.h"
#include "support/SimProcess.h"

#include <QAction>
#include <QComboBox>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace {

QString Example(const char* name) {
    return QString(VIL3K_SOURCE_ROOT) + "/examples/" + name;
}

QString PortStatus(const TForm1& form) {
    return form.statusBar()->findChild<QLabel*>("portStatus")->text();
}

QStringList MenuTexts(const QMenu* menu) {
    QStringList texts;
    for (const QAction* item : menu->actions())
        texts << item->text();
    return texts;
}

// A settings store of the test's own, never the user's.
class Desktop : public ::testing::Test {
protected:
    std::unique_ptr<QSettings> Store() {
        return std::make_unique<QSettings>(dir.filePath("settings.ini"), QSettings::IniFormat);
    }
    QTemporaryDir dir;
};

TEST_F(Desktop, SettingsSurviveTheStoreAndForgetEverythingWhenCleared) {
    {
        auto store = Store();
        ProgramSettings settings(*store);
        EXPECT_FALSE(settings.port().has_value()) << "a first run starts from the defaults";
        settings.setPort({"COM2", "19200", "O", "1", 1, 10, 40, 30});
        settings.setGeometry("geometry");
        settings.setLastFolder("/schemes");
        for (const char* name : {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j"})
            settings.addRecentFile(QString("/s/%1.vil").arg(name));
        settings.addRecentFile("/s/x/../c.vil");
        settings.removeRecentFile("/s/i.vil");
    }
    auto store = Store();
    ProgramSettings settings(*store);
    const std::optional<SavedPortSettings> port = settings.port();
    ASSERT_TRUE(port.has_value());
    EXPECT_EQ(port->portName, "COM2");
    EXPECT_EQ(port->baudRate, "19200");
    EXPECT_EQ(port->parity, "O");
    EXPECT_EQ(port->stopBits, "1");
    EXPECT_EQ(port->headerRetries, 1);
    EXPECT_EQ(port->bodyRetries, 10);
    EXPECT_EQ(port->sendDelay, 40);
    EXPECT_EQ(port->receiveDelay, 30);
    EXPECT_EQ(settings.geometry(), "geometry");
    EXPECT_EQ(settings.lastFolder(), "/schemes");
    EXPECT_EQ(settings.recentFiles(), (QStringList{"/s/c.vil", "/s/j.vil", "/s/h.vil", "/s/g.vil",
                                                   "/s/f.vil", "/s/e.vil", "/s/d.vil"}));
    settings.clear();
    EXPECT_FALSE(settings.port().has_value());
    EXPECT_TRUE(settings.recentFiles().isEmpty());
}

TEST_F(Desktop, RememberedPortOpensAtStartAndADeadOneLeavesTheProgramUp) {
    SimProcess sim;
    ASSERT_FALSE(sim.ptyPath().isEmpty());
    sim.exposeAs("COM7");
    auto store = Store();
    ProgramSettings settings(*store);
    settings.setPort({"COM7", "19200", "N", "1"});
    {
        TForm1 form;
        EXPECT_TRUE(form.useSettings(settings));
        EXPECT_EQ(PortStatus(form), "COM7 19200 8N1");
    }
    qputenv("VIL3K_PORTS", "COM8=/nonexistent/tty");
    {
        TForm1 form;
        EXPECT_FALSE(form.useSettings(settings, "COM8")) << "the command line names the port";
        EXPECT_EQ(PortStatus(form), "Порт закрыт");
        EXPECT_EQ(form.comPort().PortName, "COM8");
        QTest::qWait(200);
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "no message about it";
    }
    EXPECT_EQ(settings.port()->portName, "COM7") << "only the port command changes it";
}

TEST_F(Desktop, RecentFilesOpenAndAMissingOneLeavesTheListWithANote) {
    auto store = Store();
    ProgramSettings settings(*store);
    const QString missing = dir.filePath("gone.vil");
    settings.addRecentFile(missing);
    TForm1 form;
    form.useSettings(settings);
    ASSERT_TRUE(form.OpenSchemeFile(Example("12-04.vil")));
    ASSERT_TRUE(form.OpenSchemeFile(Example("24-08.vil")));
    EXPECT_EQ(MenuTexts(form.recentFilesMenu()),
              (QStringList{"&1  24-08.vil", "&2  12-04.vil", "&3  gone.vil"}));
    EXPECT_EQ(form.proposedPdfPath(), Example("24-08.pdf"));
    EXPECT_EQ(settings.lastFolder(), QString(VIL3K_SOURCE_ROOT) + "/examples");

    form.recentFilesMenu()->actions().at(1)->trigger();
    EXPECT_EQ(form.caption(), "Программатор ВИЛ-3K - файл " + Example("12-04.vil"));
    EXPECT_EQ(form.recentFilesMenu()->actions().at(0)->toolTip(), Example("12-04.vil"));
    {
        BoxAnswerer operatorAnswers({QMessageBox::Ok});
        form.recentFilesMenu()->actions().at(2)->trigger();
        EXPECT_EQ(operatorAnswers.texts,
                  QStringList{"Файла больше нет; он убран из списка последних схем:\n" + missing});
    }
    EXPECT_EQ(settings.recentFiles(), (QStringList{Example("12-04.vil"), Example("24-08.vil")}));
    EXPECT_EQ(form.recentFilesMenu()->actions().size(), 2);
}

TEST_F(Desktop, WindowGeometryComesBack) {
    auto store = Store();
    ProgramSettings settings(*store);
    {
        TForm1 form;
        form.useSettings(settings);
        form.setGeometry(40, 50, 900, 700);
        BoxAnswerer operatorAnswers({QMessageBox::Ok}); // "Работа закончена"
        form.close();
    }
    TForm1 form;
    form.useSettings(settings);
    EXPECT_EQ(form.geometry().size(), QSize(900, 700));
}

TEST_F(Desktop, ADroppedSchemeOpensAndOtherFilesAreRefused) {
    TForm1 form;
    QMimeData text;
    text.setUrls({QUrl::fromLocalFile(dir.filePath("notes.txt"))});
    QDragEnterEvent refused(QPoint(10, 10), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&form, &refused);
    EXPECT_FALSE(refused.isAccepted());

    QMimeData scheme;
    scheme.setUrls({QUrl::fromLocalFile(Example("06-06.vil"))});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &scheme, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&form, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &scheme, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&form, &drop);
    QTest::qWait(20); // opened once the drop is over
    EXPECT_EQ(form.caption(), "Программатор ВИЛ-3K - файл " + Example("06-06.vil"));
    EXPECT_EQ(form.firstCodeEdit->text(), "6");
}

TEST_F(Desktop, NewSchemeFromTheRealDialogWithoutAPort) {
    TForm1 form;
    form.model().AccessLevel = 1;
    WhenShown([](QWidget* modal) {
        auto* dialog = qobject_cast<QtNewSchemeDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->windowTitle(), "Новая схема");
        EXPECT_EQ(dialog->codeList->count(), 14);
        dialog->codeList->setCurrentIndex(dialog->codeList->findText("ВИЛ-3-1204 К"));
        dialog->deviceList->setCurrentIndex(2);
        dialog->accept();
    });
    form.action(ActionId::ANewScheme)->trigger();
    EXPECT_EQ(form.windowTitle(), "Программатор ВИЛ-3K устройство 3[*]");
    EXPECT_TRUE(form.isWindowModified());
    EXPECT_EQ(form.firstCodeEdit->text(), "12");
    EXPECT_EQ(form.secondCodeEdit->text(), "4");
    EXPECT_EQ(form.linkAddressBox->currentText(), "3");
    EXPECT_EQ(form.schemeDeviceNumberBox->currentText(), "3");
    EXPECT_TRUE(form.timeDateButton->isEnabled());
    EXPECT_EQ(PortStatus(form), "Порт закрыт");
    EXPECT_TRUE(form.proposedPdfPath().endsWith("/устройство 3.pdf"))
        << form.proposedPdfPath().toStdString();
}

} // namespace
