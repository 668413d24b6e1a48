#pragma once

#include "ui/gui/LazyDialog.h"

class EntryField;
class QLabel;
class QLineEdit;
class ConfigurationModel;

// What the dialogs of the programming commands share: a fixed frame with only
// the close box, centred on the screen at every show, and no cancel. However
// the dialog closes, closeHandler() tidies its fields and what it then shows
// is applied; Escape closes nothing. Its fields are built on first show.
class CommandDialog : public LazyDialog {
    Q_OBJECT
public:
    CommandDialog(const char* name, QSize clientSize, QWidget* parent);

    // The size shown: the laid-out client size, widened for the caption.
    QSize shownSize() const;

protected:
    virtual void closeHandler() = 0;
    void done(int result) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

    // A bold label in a colour, at a place.
    QLabel* addLabel(const char* name, const char* text, const QColor& colour, QPoint at);
    // "Вход №" and the row number (underlined) at the top left.
    void addRowNumber(QLabel*& caption, QLabel*& number);

private:
    QSize clientSize_;
};

// A two-digit numeric field whose keys pass through FilterDigitKey; Enter with
// a text moves to the next control. Refused keys never reach the field.
class DigitFieldFilter : public QObject {
    Q_OBJECT
public:
    DigitFieldFilter(ConfigurationModel& model, QLineEdit& field, QObject* parent);
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ConfigurationModel& model_;
    QLineEdit& field_;
};

// The Windows virtual-key code the entry routines judge a key press by.
int VirtualKey(int qtKey, bool keypad);

// The next control in tab order that can take the focus, as Tab would choose.
void FocusNextControl(QWidget& from);

// An empty field shows `text` when the dialog closes.
void FillIfEmpty(QLineEdit& field, const QString& text);
