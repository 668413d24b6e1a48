#include "editor/gui/NameValidator.h"

#include "editor/TextField.h"
#include "ui/Messages.h"

QValidator::State NameValidator::validate(QString& input, int&) const {
    if (IsValidName(input))
        return Acceptable;
    messages_.beep();
    return Invalid;
}
