#include "files/gui/QtSchemeFileDialogs.h"

#include "files/FileTexts.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QScreen>
#include <QSplitter>
#include <QTimer>
#include <QTreeView>

using namespace file_text;

namespace {

constexpr QSize kDialogSize(760, 460);
// Name, size, type, date: each wide enough for what it shows.
constexpr int kColumnWidths[] = {250, 100, 90, 170};
constexpr int kPlacesWidth = 130;
// What a window manager's frame takes around the dialog.
constexpr QSize kFrameRoom(16, 48);

QFileDialog* schemeFileDialog(QWidget* parent, QFileDialog::AcceptMode mode) {
    auto* dialog = new QFileDialog(parent);
    dialog->setAcceptMode(mode);
    // "*" rather than "*.*": on Linux "*.*" would hide names without a dot.
    dialog->setNameFilters({QString(kFilterVil) + " (*.vil)", QString(kFilterAllFiles) + " (*)"});
    dialog->setDefaultSuffix("vil");
    dialog->setDirectory(QDir::currentPath());
    // Saving asks before replacing a file; opening takes only a file that exists.
    dialog->setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                        : QFileDialog::AnyFile);
    dialog->setSizeGripEnabled(true);
    // Room for long names and readable columns.
    dialog->setViewMode(QFileDialog::Detail);
    // On a small screen (or at a large scale) no larger than the screen allows.
    const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    const QSize room = screen ? screen->availableSize() - kFrameRoom : kDialogSize;
    dialog->resize(kDialogSize.boundedTo(room));
    if (auto* list = dialog->findChild<QTreeView*>("treeView")) {
        int column = 0;
        for (int width : kColumnWidths)
            list->header()->resizeSection(column++, width);
    }
    if (auto* splitter = dialog->findChild<QSplitter*>("splitter"))
        splitter->setSizes({kPlacesWidth, kDialogSize.width() - kPlacesWidth});
    // The name field's completion list is a window of its own: it goes with
    // the dialog, however the dialog ends.
    QObject::connect(dialog, &QDialog::finished, dialog, [dialog] {
        for (QCompleter* completer : dialog->findChildren<QCompleter*>())
            if (completer->popup() != nullptr)
                completer->popup()->hide();
    });
    return dialog;
}

// The name left from the last showing is selected: a name typed replaces it.
void SelectLastName(QFileDialog& dialog) {
    if (auto* name = dialog.findChild<QLineEdit*>("fileNameEdit"))
        QTimer::singleShot(0, name, [name] {
            name->setFocus();
            name->selectAll();
        });
}

} // namespace

QtSchemeFileDialogs::QtSchemeFileDialogs(QWidget* parent) : parent_(parent) {}

QtSchemeFileDialogs::~QtSchemeFileDialogs() = default;

QFileDialog& QtSchemeFileDialogs::openDialog() {
    if (!open_)
        open_.reset(schemeFileDialog(parent_, QFileDialog::AcceptOpen));
    return *open_;
}

QFileDialog& QtSchemeFileDialogs::saveDialog() {
    if (!save_)
        save_.reset(schemeFileDialog(parent_, QFileDialog::AcceptSave));
    return *save_;
}

std::optional<std::string> QtSchemeFileDialogs::ask(QFileDialog& dialog, const QString& proposed) {
    if (!proposed.isEmpty()) {
        // Only the name is filled in: a file selected in the list would win
        // over a name typed instead.
        dialog.setDirectory(QFileInfo(proposed).absolutePath());
        if (auto* name = dialog.findChild<QLineEdit*>("fileNameEdit"))
            name->setText(QFileInfo(proposed).fileName());
    } else if (!lastFolder_.isEmpty()) {
        dialog.setDirectory(lastFolder_);
    }
    SelectLastName(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    const QString path = dialog.selectedFiles().first();
    lastFolder_ = QFileInfo(path).absolutePath();
    return QDir::toNativeSeparators(path).toStdString();
}

std::optional<std::string> QtSchemeFileDialogs::askOpenPath() {
    return ask(openDialog());
}

std::optional<std::string> QtSchemeFileDialogs::askSavePath() {
    return ask(saveDialog(), proposedSave_);
}
