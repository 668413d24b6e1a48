#pragma once

#include <QValidator>

class Messages;
class QLineEdit;

// Keeps a name field to what a 10-byte Windows-1251 field can hold: a typed or
// pasted character the code page lacks is refused with a beep, so a name is
// never changed on its way into a file.
class NameValidator : public QValidator {
    Q_OBJECT
public:
    NameValidator(Messages& messages, QObject* parent) : QValidator(parent), messages_(messages) {}
    State validate(QString& input, int& pos) const override;

private:
    Messages& messages_;
};

// A field for input and output names: at most 10 characters, all of them
// Windows-1251.
void MakeNameField(QLineEdit& field, Messages& messages);
