#include "editor/DialogNumber.h"

#include "editor/InputCommandTexts.h"
#include "ui/Messages.h"
#include "ui/UiTexts.h"

std::optional<int> DialogNumber(const QString& text, Messages& messages) {
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    if (ok)
        return value;
    const QString message = QString::fromUtf8(editor_text::kTextNotANumber).arg(text);
    messages.show(MessageBox{message.toStdString(), ui_text::kCaptionError, MessageIcon::Error});
    return std::nullopt;
}
