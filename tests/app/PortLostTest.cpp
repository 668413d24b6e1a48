// The line lost under the main window: the simulated device goes away during a
// session with unsaved changes. F9 reports it and the program goes on with its
// scheme and its changes, the port closed and why in the status bar and the
// exchange log; the device back and its port chosen again, F9 reads it.
#include "app/MainWindow.h"
#include "link/gui/ExchangeLogWindow.h"
#include "support/ScriptedOperator.h"
#include "support/SimProcess.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace {

QString Example(const char* name) {
    return QString(VIL3K_SOURCE_ROOT) + "/examples/" + name;
}

QString PortStatus(const MainWindow& form) {
    return form.statusBar()->findChild<QLabel*>("portStatus")->text();
}

TEST(PortLost, TheProgramKeepsItsSchemeAndTheLineComesBack) {
    auto sim = std::make_unique<SimProcess>(
        QStringList{"--file", Example("12-04.vil"), "--address", "5", "--timeout", "60"});
    ASSERT_FALSE(sim->ptyPath().isEmpty());
    sim->exposeAs("COM7");
    MainWindow form;
    form.model().AccessLevel = 1;
    ASSERT_TRUE(form.OpenSchemeFile(Example("24-08.vil")));
    form.model().Modified = 1;
    form.comPort().PortName = "COM7";
    ASSERT_EQ(form.comPort().SetupPort(), 0);
    const QString title = form.windowTitle();

    sim->stop();
    // Reads every box, and picks COM7 in the port dialog.
    ScriptedOperator engineer;
    engineer.otherDialog = [](QDialog* dialog) {
        ASSERT_EQ(dialog->objectName(), "PortDialog");
        dialog->findChild<QComboBox*>("portBox")->setCurrentText("COM7");
        dialog->findChild<QPushButton*>("okButton")->click();
    };
    form.action(ActionId::ReadDevice)->trigger();
    // Nothing more comes: no way out of the program is taken.
    EXPECT_FALSE(QTest::qWaitFor([&] { return engineer.shown.size() > 1; }, 500));
    EXPECT_EQ(engineer.shown, QStringList({"COM-порт отключен. Проверьте оборудование, "
                                           "перезапустите программу."}));
    EXPECT_FALSE(form.comPort().IsPortOpen());
    EXPECT_TRUE(PortStatus(form).startsWith("Порт закрыт: COM7 отключен ("))
        << PortStatus(form).toStdString();
    EXPECT_EQ(form.model().Modified, 1);
    EXPECT_EQ(form.model().ExecSecond, 8) << "the scheme on screen stays";
    EXPECT_EQ(form.windowTitle(), title);
    form.action(ActionId::ShowLog)->trigger();
    const auto* log = form.findChild<ExchangeLogWindow*>();
    ASSERT_NE(log, nullptr);
    ASSERT_TRUE(QTest::qWaitFor([&] { return log->listedText().contains("порт закрыт"); }));
    EXPECT_TRUE(log->listedText().contains("COM7 отключен"));

    sim = std::make_unique<SimProcess>(
        QStringList{"--file", Example("12-04.vil"), "--address", "5", "--timeout", "60"});
    ASSERT_FALSE(sim->ptyPath().isEmpty());
    sim->exposeAs("COM7");
    form.action(ActionId::SetUpPort)->trigger();
    EXPECT_EQ(PortStatus(form), "COM7 9600 8N2");
    form.action(ActionId::ReadDevice)->trigger();
    EXPECT_EQ(form.statusBar()->currentMessage(), "Конфигурация прочитана");
    EXPECT_EQ(form.model().ExecSecond, 4);
    EXPECT_EQ(engineer.shown.size(), 1);
}

} // namespace
