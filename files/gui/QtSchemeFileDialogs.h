#pragma once

#include "files/SchemeFileDialogs.h"

#include <QString>

#include <memory>

class QFileDialog;
class QWidget;

// The open and save dialogs of the scheme files. Each is made once and kept;
// both open in the folder of the file last opened or saved, else in the
// current directory.
class QtSchemeFileDialogs : public SchemeFileDialogs {
public:
    explicit QtSchemeFileDialogs(QWidget* parent);
    ~QtSchemeFileDialogs() override;

    std::optional<std::string> askOpenPath() override;
    std::optional<std::string> askSavePath() override;

    // The folder both dialogs open in; empty: the current directory.
    const QString& lastFolder() const { return lastFolder_; }
    void setLastFolder(const QString& folder) { lastFolder_ = folder; }
    // The file the save dialog offers next: its folder and name.
    void proposeSavePath(const QString& path) { proposedSave_ = path; }

    // Made on first use; exposed so that tests can look at their settings.
    QFileDialog& openDialog();
    QFileDialog& saveDialog();

private:
    std::optional<std::string> ask(QFileDialog& dialog, const QString& proposed = {});

    QWidget* parent_;
    QString lastFolder_;
    QString proposedSave_;
    std::unique_ptr<QFileDialog> open_;
    std::unique_ptr<QFileDialog> save_;
};
