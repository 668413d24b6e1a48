// The scheme file commands of the main window, and the other ways a file
// arrives: the recent files, the command line and a drop on the window.
#include "app/MainWindow.h"

#include "app/AppTexts.h"
#include "app/ProgramSettings.h"
#include "editor/gui/SchemeCanvas.h"
#include "ui/UiTexts.h"

#include <QAction>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QFontMetrics>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QTimer>

namespace {

// How wide a folder may be in the recent files' menu.
constexpr int kRecentFolderWidth = 320;

// The first local ".vil" file among the dropped ones; empty when there is none.
QString DroppedScheme(const QMimeData* mime) {
    if (mime == nullptr)
        return {};
    for (const QUrl& url : mime->urls())
        if (url.isLocalFile() && url.toLocalFile().endsWith(".vil", Qt::CaseInsensitive))
            return url.toLocalFile();
    return {};
}

} // namespace

void MainWindow::OpenScheme() {
    if (!exit_.OfferSave())
        return;
    if (fileCommands_.OpenScheme())
        rememberFile(QString::fromStdString(fileCommands_.fileName()));
    canvas_->update();
}

bool MainWindow::OpenSchemeFile(const QString& path) {
    if (!exit_.OfferSave())
        return false;
    const bool opened = fileCommands_.OpenSchemeFile(QDir::toNativeSeparators(path).toStdString());
    if (opened)
        rememberFile(path);
    canvas_->update();
    showModified();
    return opened;
}

void MainWindow::SaveScheme() {
    fileDialogs_.proposeSavePath(proposedPath(".vil"));
    if (fileCommands_.SaveScheme()) {
        rememberFile(QString::fromStdString(fileCommands_.fileName()));
        history_.MarkStored();
    }
    canvas_->update();
}

void MainWindow::rememberFile(const QString& path) {
    const QFileInfo file(path);
    schemeFile_ = file.absoluteFilePath();
    fileDialogs_.setLastFolder(file.absolutePath());
    if (settings_ == nullptr)
        return;
    settings_->addRecentFile(schemeFile_);
    settings_->setLastFolder(file.absolutePath());
    refreshRecentMenu();
}

// "Последние схемы", above "Выход" in the file menu.
void MainWindow::buildRecentMenu() {
    auto* fileMenu = menuBar()->findChild<QMenu*>("FileMenu");
    recentMenu_ = new QMenu(QString::fromUtf8(app_text::kMenuRecentFiles), fileMenu);
    recentMenu_->setObjectName("RecentMenu");
    recentMenu_->setToolTipsVisible(true);
    QAction* exitItem = fileMenu->actions().constLast();
    fileMenu->insertMenu(exitItem, recentMenu_);
    refreshRecentMenu();
}

void MainWindow::refreshRecentMenu() {
    recentMenu_->clear();
    const QStringList files = settings_ ? settings_->recentFiles() : QStringList();
    recentMenu_->menuAction()->setEnabled(!files.isEmpty());
    int number = 0;
    // The folder beside the name (shortened in its middle when long): the same
    // name in two folders reads as two files.
    const QFontMetrics metrics(recentMenu_->font());
    for (const QString& path : files) {
        const QFileInfo file(path);
        const QString folder = metrics.elidedText(QDir::toNativeSeparators(file.absolutePath()),
                                                  Qt::ElideMiddle, kRecentFolderWidth);
        QAction* item = recentMenu_->addAction(
            QString("&%1  %2\t%3").arg(++number).arg(file.fileName(), folder));
        item->setToolTip(path);
        item->setStatusTip(path);
        connect(item, &QAction::triggered, this, [this, path] { openRecentFile(path); });
    }
}

// A recent file that is gone leaves the list with a short note.
void MainWindow::openRecentFile(const QString& path) {
    if (!QFileInfo::exists(path)) {
        settings_->removeRecentFile(path);
        refreshRecentMenu();
        messages_.show(
            MessageBox{std::string(app_text::kTextRecentFileGone) + "\n" + path.toStdString(),
                       ui_text::kCaptionApp, MessageIcon::Information});
        return;
    }
    OpenSchemeFile(path);
}

void MainWindow::openStartFile() {
    if (startFile_.isEmpty())
        return;
    const QString path = startFile_;
    startFile_.clear();
    OpenSchemeFile(path);
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (!DroppedScheme(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

// Opened once the drop is over: the questions it may ask must not keep the
// program the file came from waiting.
void MainWindow::dropEvent(QDropEvent* event) {
    const QString path = DroppedScheme(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    QTimer::singleShot(0, this, [this, path] { OpenSchemeFile(path); });
}
