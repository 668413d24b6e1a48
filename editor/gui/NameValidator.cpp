#include "editor/gui/NameValidator.h"

#include "editor/TextField.h"
#include "ui/Messages.h"

#include <QLineEdit>

QValidator::State NameValidator::validate(QString& input, int& /*pos*/) const {
    if (IsValidName(input))
        return Acceptable;
    messages_.beep();
    return Invalid;
}

void MakeNameField(QLineEdit& field, Messages& messages) {
    field.setMaxLength(kNameMaxLength);
    field.setValidator(new NameValidator(messages, &field));
}
