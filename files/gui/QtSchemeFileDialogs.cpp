#include "files/gui/QtSchemeFileDialogs.h"

#include "files/FileTexts.h"

#include <QDir>
#include <QFileDialog>

using namespace file_text;

namespace {

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
    return dialog;
}

std::optional<std::string> chosenPath(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return QDir::toNativeSeparators(dialog.selectedFiles().first()).toStdString();
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

std::optional<std::string> QtSchemeFileDialogs::askOpenPath() {
    return chosenPath(openDialog());
}

std::optional<std::string> QtSchemeFileDialogs::askSavePath() {
    return chosenPath(saveDialog());
}
