// The line lost under the main window: the simulated device goes away during a
// session with unsaved changes. F9 reports it and the program goes on with its
// scheme and its changes, the port closed and why in the status bar. While the
// device is away, F9 tries the port once and says it stays closed; the device
// back on the same link, F9 opens the port again by itself and reads it.
#include "app/MainWindow.h"
#include "support/BoxAnswerer.h"
#include "support/SimProcess.h"

#include <QLabel>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace {

QString Example(const char* name) {
    return QString(VIL3K_SOURCE_ROOT) + "/examples/" + name;
}

std::unique_ptr<SimProcess> DeviceOnCom7(const QString& link) {
    auto sim = std::make_unique<SimProcess>(QStringList{"--file", Example("12-04.vil"), "--address",
                                                        "5", "--timeout", "60", "--link", link});
    qputenv("VIL3K_PORTS", ("COM7=" + link).toUtf8());
    return sim;
}

TEST(PortLost, TheProgramKeepsItsSchemeAndTheLineComesBack) {
    QTemporaryDir dir;
    const QString link = dir.filePath("line");
    auto sim = DeviceOnCom7(link);
    MainWindow form;
    ASSERT_TRUE(form.OpenSchemeFile(Example("24-08.vil"))); // device 5
    form.model().Modified = 1;
    form.comPort().PortName = "COM7";
    ASSERT_EQ(form.comPort().SetupPort(), 0);

    sim->stop();
    // No to the offers to save the changes first (one before each read).
    BoxAnswerer engineer(
        {QMessageBox::No, QMessageBox::Ok, QMessageBox::No, QMessageBox::Ok, QMessageBox::No},
        true);
    form.action(ActionId::ReadDevice)->trigger();
    // Nothing more comes: no way out of the program is taken.
    EXPECT_FALSE(QTest::qWaitFor([&] { return engineer.texts.size() > 2; }, 500));
    ASSERT_EQ(engineer.texts.size(), 2);
    EXPECT_EQ(engineer.texts[0], "Данные были изменены. Сохранить в файле?");
    EXPECT_TRUE(engineer.texts[1].startsWith(
        "COM-порт отключен. Проверьте оборудование, перезапустите программу.\n"))
        << engineer.texts[1].toStdString();
    const auto port = [&] { return form.statusBar()->findChild<QLabel*>("portStatus")->text(); };
    EXPECT_TRUE(port().startsWith("Порт закрыт: COM7 отключен (")) << port().toStdString();
    EXPECT_FALSE(port().contains("No error")) << port().toStdString();
    EXPECT_EQ(form.model().Modified, 1);
    EXPECT_EQ(form.model().ExecSecond, 8) << "the scheme on screen stays";

    form.action(ActionId::ReadDevice)->trigger();
    ASSERT_EQ(engineer.texts.size(), 4);
    EXPECT_TRUE(engineer.texts[3].startsWith("Порт закрыт: COM7 не открывается ("))
        << engineer.texts[3].toStdString();
    EXPECT_EQ(form.model().ExecSecond, 8);

    sim = DeviceOnCom7(link);
    form.action(ActionId::ReadDevice)->trigger();
    EXPECT_EQ(engineer.texts.size(), 5) << "only the offer to save";
    EXPECT_EQ(form.statusBar()->currentMessage(),
              "COM7: порт открыт снова; Конфигурация прочитана");
    EXPECT_EQ(port(), "COM7 9600 8N2");
    EXPECT_EQ(form.model().ExecSecond, 4);
}

} // namespace
