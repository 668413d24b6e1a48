#include "files/gui/QtSchemeFileDialogs.h"

#include "files/FileTexts.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QDir>
#include <QFileInfo>
#include <QFileDialog>
#include <QHeaderView>
#include <QLineEdit>
#include <QTimer>
#include <QTreeView>

using namespace file_text;

namespace {

constexpr QSize kDialogSize(760, 460);
constexpr int kNameColumnWidth = 340;

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
    dialog->resize(kDialogSize);
    if (auto* list = dialog->findChild<QTreeView*>("treeView"))
        list->header()->resizeSection(0, kNameColumnWidth);
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

std::optional<std::string> QtSchemeFileDialogs::ask(QFileDialog& dialog) {
    if (!lastFolder_.isEmpty())
        dialog.setDirectory(lastFolder_);
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
    return ask(saveDialog());
}
