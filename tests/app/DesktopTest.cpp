// The main window as a desktop program: settings kept between runs in a store
// of the test's own, recent files, a drop.

#include "app/MainWindow.h"
#include "app/ProgramSettings.h"
#include "support/BoxAnswerer.h"

#include <QAction>
#include <QDropEvent>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
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

// A settings store of the test's own, never the user's.
class Desktop : public ::testing::Test {
protected:
    std::unique_ptr<QSettings> Store() {
        return std::make_unique<QSettings>(dir.filePath("settings.ini"), QSettings::IniFormat);
    }
    QTemporaryDir dir;
};

TEST_F(Desktop, SettingsSurviveTheStoreAndForgetEverythingWhenCleared) {
    const SavedPortSettings port{"COM2", "19200", "O", "1", 1, 10, 40, 30};
    {
        auto store = Store();
        ProgramSettings settings(*store);
        EXPECT_FALSE(settings.port().has_value()) << "a first run starts from the defaults";
        settings.setPort(port);
        for (const char* name : {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j"})
            settings.addRecentFile(QString("/s/%1.vil").arg(name));
        settings.addRecentFile("/s/x/../c.vil");
        settings.removeRecentFile("/s/i.vil");
    }
    auto store = Store();
    ProgramSettings settings(*store);
    EXPECT_EQ(settings.port(), port);
    EXPECT_EQ(settings.recentFiles(), (QStringList{"/s/c.vil", "/s/j.vil", "/s/h.vil", "/s/g.vil",
                                                   "/s/f.vil", "/s/e.vil", "/s/d.vil"}));
    settings.clear();
    EXPECT_FALSE(settings.port().has_value());
    EXPECT_TRUE(settings.recentFiles().isEmpty());
}

// Files opened come back in the menu and a restarted window has its size; a
// file gone from the list leaves it with a note; a dead port leaves the port
// closed and is not remembered.
TEST_F(Desktop, RecentFilesAndTheWindowSizeComeBack) {
    auto store = Store();
    ProgramSettings settings(*store);
    const QString missing = dir.filePath("gone.vil");
    settings.addRecentFile(missing);
    qputenv("VIL3K_PORTS", "COM8=/nonexistent/tty");
    {
        MainWindow form;
        // A port named at start that is not there leaves the port closed.
        EXPECT_FALSE(form.useSettings(settings, "COM8"));
        EXPECT_EQ(form.statusBar()->findChild<QLabel*>("portStatus")->text(), "Порт закрыт");
        // The message beside it names the port and says why.
        const QString notice = form.statusBar()->currentMessage();
        EXPECT_TRUE(notice.startsWith("Порт COM8 не открыт: ")) << notice.toStdString();
        EXPECT_GT(notice.size(), QString("Порт COM8 не открыт: ").size() + 3);
        ASSERT_TRUE(form.OpenSchemeFile(Example("12-04.vil")));
        ASSERT_TRUE(form.OpenSchemeFile(Example("24-08.vil")));
        EXPECT_EQ(form.proposedPdfPath(), Example("24-08.pdf"));
        form.setGeometry(40, 50, 900, 700);
        BoxAnswerer operatorAnswers({QMessageBox::Ok}); // "Работа закончена"
        form.close();
    }
    MainWindow form;
    form.useSettings(settings);
    EXPECT_EQ(form.geometry().size(), QSize(900, 700));
    QStringList texts;
    for (const QAction* item : form.recentFilesMenu()->actions())
        texts << item->text();
    // Each with its folder: the same name in two folders reads as two files.
    const QString examples = QString(VIL3K_SOURCE_ROOT) + "/examples";
    EXPECT_EQ(texts, (QStringList{"&1  24-08.vil\t" + examples, "&2  12-04.vil\t" + examples,
                                  "&3  gone.vil\t" + dir.path()}));
    form.recentFilesMenu()->actions().at(1)->trigger();
    EXPECT_EQ(form.caption(), "Программатор ВИЛ-3K - файл " + Example("12-04.vil"));
    {
        BoxAnswerer operatorAnswers({QMessageBox::Ok});
        form.recentFilesMenu()->actions().at(2)->trigger();
        EXPECT_EQ(operatorAnswers.texts,
                  QStringList{"Файла больше нет; он убран из списка последних схем:\n" + missing});
    }
    EXPECT_EQ(settings.recentFiles(), (QStringList{Example("12-04.vil"), Example("24-08.vil")}));
    EXPECT_EQ(settings.lastFolder(), QString(VIL3K_SOURCE_ROOT) + "/examples");
    EXPECT_FALSE(settings.port().has_value()) << "only the port command keeps a port";
}

TEST_F(Desktop, ADroppedSchemeOpensAndOtherFilesAreRefused) {
    MainWindow form;
    for (const QString& path : {dir.filePath("notes.txt"), Example("06-06.vil")}) {
        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile(path)});
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, {});
        QApplication::sendEvent(&form, &enter);
        EXPECT_EQ(enter.isAccepted(), path.endsWith(".vil"));
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, {});
        QApplication::sendEvent(&form, &drop);
        QTest::qWait(20); // opened once the drop is over
    }
    EXPECT_EQ(form.caption(), "Программатор ВИЛ-3K - файл " + Example("06-06.vil"));
}

} // namespace
