#pragma once

#include "files/SchemeFileDialogs.h"

#include <memory>

class QFileDialog;
class QWidget;

// The open and save dialogs of the scheme files. Each is made once and kept,
// so that it opens again in the folder last used.
class QtSchemeFileDialogs : public SchemeFileDialogs {
public:
    explicit QtSchemeFileDialogs(QWidget* parent);
    ~QtSchemeFileDialogs() override;

    std::optional<std::string> askOpenPath() override;
    std::optional<std::string> askSavePath() override;

    // Made on first use; exposed so that tests can look at their settings.
    QFileDialog& openDialog();
    QFileDialog& saveDialog();

private:
    QWidget* parent_;
    std::unique_ptr<QFileDialog> open_;
    std::unique_ptr<QFileDialog> save_;
};
