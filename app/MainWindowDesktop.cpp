// The main window as a desktop program: new schemes without a device, the
// settings kept between runs, the modified mark and the proposed PDF name.
#include "app/MainWindow.h"

#include "app/AppTexts.h"
#include "app/ProgramSettings.h"
#include "device/gui/NewSchemeDialog.h"
#include "editor/gui/SchemeCanvas.h"
#include "link/PortSettings.h"

#include <QDir>
#include <QFileInfo>
#include <QStatusBar>

void MainWindow::newScheme() {
    if (newSchemeDialog_ == nullptr)
        newSchemeDialog_ = new QtNewSchemeDialog(this);
    if (newScheme_.newScheme(*newSchemeDialog_))
        schemeFile_.clear();
    canvas_->update();
}

bool MainWindow::useSettings(ProgramSettings& settings, const QString& portName) {
    settings_ = &settings;
    std::optional<SavedPortSettings> port = settings.port();
    if (!portName.isEmpty()) {
        port = port.value_or(portSettings_->Saved());
        port->portName = portName.toStdString();
    }
    bool open = false;
    if (port) {
        portSettings_->Restore(*port);
        std::string reason;
        open = portSettings_->OpenAtStart(reason);
        if (!open)
            statusBar()->showMessage(
                QString::fromUtf8(app_text::kStatusPortNotOpened)
                    .arg(QString::fromStdString(port->portName), QString::fromStdString(reason)));
    }
    if (const QByteArray geometry = settings.geometry(); !geometry.isEmpty())
        restoreGeometry(geometry);
    fileDialogs_.setLastFolder(settings.lastFolder());
    action(ActionId::CompareBeforeWrite)->setChecked(settings.compareBeforeWrite());
    refreshRecentMenu();
    refreshStatus();
    return open;
}

QString MainWindow::caption() const {
    QString title = windowTitle();
    title.remove("[*]");
    return title;
}

void MainWindow::showModified() {
    setWindowModified(model_.Modified != 0);
}

QString MainWindow::proposedPdfPath() const {
    return proposedPath(".pdf");
}

QString MainWindow::proposedPath(const QString& extension) const {
    if (!schemeFile_.isEmpty()) {
        const QFileInfo file(schemeFile_);
        return QDir::toNativeSeparators(file.absolutePath() + "/" + file.completeBaseName() +
                                        extension);
    }
    const QString folder =
        fileDialogs_.lastFolder().isEmpty() ? QDir::currentPath() : fileDialogs_.lastFolder();
    return QDir::toNativeSeparators(folder + "/" +
                                    QString::fromUtf8(app_text::kProposedNamePrefix) +
                                    QString::number(model_.DeviceNumberIndex + 1) + extension);
}
