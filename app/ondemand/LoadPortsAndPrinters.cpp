#include "app/ondemand/PortsAndPrinters.h"

#include "app/AppTexts.h"
#include "ui/UiTexts.h"
#include "ui/gui/QtMessages.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>
#include <QPagedPaintDevice>

namespace {

// The line of a run without the module: every open fails with the reason.
class MissingSerialLine : public SerialLine {
public:
    explicit MissingSerialLine(std::string reason) : reason_(std::move(reason)) {}
    OpenResult open(const LineSettings&) override { return OpenResult::Failed; }
    bool close() override { return true; }
    bool isOpen() const override { return false; }
    bool purge() override { return false; }
    bool write(const std::uint8_t*, int) override { return false; }
    int read(std::uint8_t*, int) override { return -1; }
    int drain(int, int, std::vector<std::uint8_t>&) override { return -1; }
    void setInterrupted(bool) override {}
    void setReadTimeoutMs(int) override {}
    bool stillThere() override { return false; }
    std::string errorText() const override { return reason_; }

private:
    std::string reason_;
};

} // namespace

LoadedPortsAndPrinters::LoadedPortsAndPrinters(QStringList folders)
    : folders_(std::move(folders)) {}

LoadedPortsAndPrinters::~LoadedPortsAndPrinters() = default;

PortsAndPrinters* LoadedPortsAndPrinters::parts() {
    std::call_once(loaded_, [this] {
        for (const QString& folder : folders_) {
            library_ = std::make_unique<QLibrary>(folder + "/" + kPortsAndPrintersModule);
            using Entry = PortsAndPrinters* (*)();
            if (auto entry = reinterpret_cast<Entry>(library_->resolve(kPortsAndPrintersEntry))) {
                parts_ = entry();
                failure_.clear();
                return;
            }
            failure_ += (failure_.isEmpty() ? "" : "; ") + library_->errorString();
        }
        library_.reset();
    });
    return parts_;
}

std::unique_ptr<SerialLine> LoadedPortsAndPrinters::newSerialLine() {
    if (PortsAndPrinters* loaded = parts())
        return loaded->newSerialLine();
    return std::make_unique<MissingSerialLine>(
        (app_text::kTextPortsAndPrintersMissing + failure_).toStdString());
}

std::vector<PortEntry> LoadedPortsAndPrinters::portList() {
    PortsAndPrinters* loaded = parts();
    return loaded ? loaded->portList() : std::vector<PortEntry>();
}

std::unique_ptr<QPagedPaintDevice> LoadedPortsAndPrinters::newPrinter() {
    PortsAndPrinters* loaded = parts();
    return loaded ? loaded->newPrinter() : refusePrinting();
}

std::unique_ptr<QPagedPaintDevice> LoadedPortsAndPrinters::newPrinter(int dpi) {
    PortsAndPrinters* loaded = parts();
    return loaded ? loaded->newPrinter(dpi) : refusePrinting();
}

// Printers come from the module only, so a printer in hand means it is loaded.
bool LoadedPortsAndPrinters::choose(QPagedPaintDevice& printer, QWidget* parent,
                                    PrintDialogData* pages) {
    return parts()->choose(printer, parent, pages);
}

void LoadedPortsAndPrinters::printToPdf(QPagedPaintDevice& printer, const QString& path) {
    parts()->printToPdf(printer, path);
}

std::unique_ptr<QPagedPaintDevice> LoadedPortsAndPrinters::refusePrinting() {
    QtMessages().show(MessageBox{app_text::kTextPortsAndPrintersMissing + failure_.toStdString(),
                                 ui_text::kCaptionApp, MessageIcon::Error});
    return nullptr;
}

PortsAndPrinters& portsAndPrinters() {
    const QString program = QCoreApplication::applicationDirPath();
    static LoadedPortsAndPrinters parts(
        {program, QDir::cleanPath(program + "/" + VIL3K_MODULE_FROM_PROGRAM), VIL3K_MODULE_BUILT});
    return parts;
}
