#include "app/ondemand/PortsAndPrinters.h"
#include "app/AppTexts.h"
#include "support/ModalDialog.h"

#include <QMessageBox>
#include <QPagedPaintDevice>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// The module of serial ports and printers, loaded when first needed. The printouts
// and the port tests of the main window go through the one the programmer loads.
namespace {

// A run whose module cannot be loaded keeps going: ports fail to open and printing
// is refused, each saying why, rather than the program ending with unsaved changes.
TEST(PortsAndPrinters, WithoutTheModulePortsFailAndPrintingIsRefusedWithTheReason) {
    QTemporaryDir empty;
    LoadedPortsAndPrinters parts({empty.path()});
    EXPECT_TRUE(parts.portList().empty());
    const QString missing = QString::fromUtf8(app_text::kTextPortsAndPrintersMissing);
    const auto line = parts.newSerialLine();
    EXPECT_EQ(line->open(LineSettings{"COM1"}), OpenResult::Failed);
    EXPECT_FALSE(line->isOpen());
    const QString reason = QString::fromStdString(line->errorText());
    EXPECT_TRUE(reason.startsWith(missing + parts.failure())) << reason.toStdString();
    EXPECT_TRUE(parts.failure().contains(kPortsAndPrintersModule));
    QString shown;
    WhenShown([&shown](QWidget* modal) {
        shown = static_cast<QMessageBox*>(modal)->text();
        static_cast<QMessageBox*>(modal)->accept();
    });
    EXPECT_EQ(parts.newPrinter(600), nullptr);
    EXPECT_EQ(shown, missing + parts.failure());
}

// The first folder without the module is passed over for the next one.
TEST(PortsAndPrinters, TheFirstFolderHoldingTheModuleServes) {
    QTemporaryDir empty;
    LoadedPortsAndPrinters parts({empty.path(), VIL3K_MODULE_BUILT});
    const auto printer = parts.newPrinter(600);
    ASSERT_NE(printer, nullptr);
    EXPECT_EQ(printer->logicalDpiX(), 600);
    EXPECT_TRUE(parts.failure().isEmpty());
}

} // namespace
