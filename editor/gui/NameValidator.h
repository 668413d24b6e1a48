#pragma once

#include <QValidator>

class Messages;

// A name field (input or output name): what Windows-1251 cannot hold, or a
// name longer than 10 characters, is refused where it is typed or pasted,
// with a beep.
class NameValidator : public QValidator {
public:
    NameValidator(Messages& messages, QObject* parent) : QValidator(parent), messages_(messages) {}
    State validate(QString& input, int& position) const override;

private:
    Messages& messages_;
};
