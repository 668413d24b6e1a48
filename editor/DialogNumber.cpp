#include "editor/DialogNumber.h"

#include "editor/InputCommandTexts.h"
#include "model/DecimalText.h"
#include "ui/Messages.h"
#include "ui/UiTexts.h"

std::optional<int> DialogNumber(const QString& text, Messages& messages) {
    if (const std::optional<int> value = ParseFieldNumber(text.toStdString()))
        return value;
    const QString message = QString::fromUtf8(editor_text::kTextNotANumber).arg(text);
    messages.show(MessageBox{message.toStdString(), ui_text::kCaptionError, MessageIcon::Error});
    return std::nullopt;
}
