// The line lost under the main window: the simulated device goes away during a
// session with unsaved changes. F9 reports it and the program goes on with its
// scheme and its changes, the port closed and why in the status bar; the
// device back and the port opened again, F9 reads it.
#include "app/MainWindow.h"
#include "support/BoxAnswerer.h"
#include "support/SimProcess.h"

#include <QLabel>
#include <QStatusBar>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace {

QString Example(const char* name) {
    return QString(VIL3K_SOURCE_ROOT) + "/examples/" + name;
}

std::unique_ptr<SimProcess> DeviceOnCom7() {
    auto sim = std::make_unique<SimProcess>(
        QStringList{"--file", Example("12-04.vil"), "--address", "5", "--timeout", "60"});
    sim->exposeAs("COM7");
    return sim;
}

TEST(PortLost, TheProgramKeepsItsSchemeAndTheLineComesBack) {
    auto sim = DeviceOnCom7();
    MainWindow form;
    ASSERT_TRUE(form.OpenSchemeFile(Example("24-08.vil"))); // device 5
    form.model().Modified = 1;
    form.comPort().PortName = "COM7";
    ASSERT_EQ(form.comPort().SetupPort(), 0);

    sim->stop();
    // No to the offers to save the changes first (one before each read).
    BoxAnswerer engineer({QMessageBox::No, QMessageBox::Ok, QMessageBox::No}, true);
    form.action(ActionId::ReadDevice)->trigger();
    // Nothing more comes: no way out of the program is taken.
    EXPECT_FALSE(QTest::qWaitFor([&] { return engineer.texts.size() > 2; }, 500));
    EXPECT_EQ(engineer.texts, QStringList({"Данные были изменены. Сохранить в файле?",
                                           "COM-порт отключен. Проверьте оборудование, "
                                           "перезапустите программу."}));
    const QString port = form.statusBar()->findChild<QLabel*>("portStatus")->text();
    EXPECT_TRUE(port.startsWith("Порт закрыт: COM7 отключен (")) << port.toStdString();
    EXPECT_EQ(form.model().Modified, 1);
    EXPECT_EQ(form.model().ExecSecond, 8) << "the scheme on screen stays";

    sim = DeviceOnCom7();
    ASSERT_EQ(form.comPort().SetupPort(), 0);
    form.action(ActionId::ReadDevice)->trigger();
    EXPECT_EQ(form.statusBar()->currentMessage(), "Конфигурация прочитана");
    EXPECT_EQ(form.model().ExecSecond, 4);
}

} // namespace
