#include "access/AccessControl.h"

#include "access/AccessTexts.h"
#include "access/PasswordFile.h"
#include "model/ConfigurationModel.h"
#include "ui/Messages.h"

#include <QtCore/qnamespace.h>

#include "ui/UiTexts.h"
#include <algorithm>
#include <optional>

using namespace ui_text;

using namespace access_text;

namespace {

// A plain notice under the program's title, as every short message here is.
void notice(Messages& messages, const char* text) {
    messages.show({text, kCaptionApp, MessageIcon::None, MessageButtons::Ok, Answer::Ok});
}

constexpr unsigned long kLargestPassword = 65535;

// The typed text as a number (anything above the largest password counts as
// one more), or nothing when it is not made of digits only: pasted text gets
// past the key filter.
std::optional<unsigned long> decimalValue(const std::string& text) {
    if (text.empty())
        return std::nullopt;
    unsigned long value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = std::min(value * 10 + static_cast<unsigned long>(c - '0'), kLargestPassword + 1);
    }
    return value;
}

CloseVerdict storeNewPassword(ConfigurationModel& model, Messages& messages,
                              const std::string& typed) {
    if (typed.empty()) {
        notice(messages, kTextBeCareful);
        notice(messages, kTextPasswordNotChanged);
        return {};
    }
    const auto value = decimalValue(typed);
    if (!value) {
        notice(messages, kTextPasswordNotChanged);
        return {kPasswordRefused, true};
    }
    if (*value > kLargestPassword) {
        notice(messages, kTextAtMost65535);
        notice(messages, kTextPasswordNotChanged);
        return {kPasswordRefused, true};
    }
    if (!WritePasswordFile(static_cast<std::uint16_t>(*value))) {
        notice(messages, kTextCannotCreateFile);
        return {};
    }
    notice(messages, kTextPasswordChanged);
    model.PasswordChangeMode = 0;
    return {};
}

bool isAcceptedKey(int key) {
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return true;
    switch (key) {
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
    case Qt::Key_Left:
    case Qt::Key_Right:
        return true;
    default:
        return false;
    }
}

} // namespace

CloseVerdict PasswordCloseHandler(ConfigurationModel& model, Messages& messages,
                                  const std::string& typed) {
    if (model.PasswordChangeMode == 1)
        return storeNewPassword(model, messages, typed);
    if (typed.empty() || typed == ExpectedPasswordText())
        return {kPasswordAccepted, false};
    return {};
}

KeyVerdict PasswordKeyFilter(Messages& messages, int key) {
    if (isAcceptedKey(key))
        return KeyVerdict::Accept;
    if (key == Qt::Key_Return || key == Qt::Key_Enter)
        return KeyVerdict::Close;
    notice(messages, kTextDigitsOnly);
    messages.beep();
    return KeyVerdict::Refuse;
}

bool RunStartupCheck(ConfigurationModel& model, Messages& messages, PasswordDialog& dialog) {
    model.AccessLevel = 0;
    while (dialog.exec() != kPasswordAccepted) {
        const Answer answer = messages.show({kTextWrongPassword, kCaptionError, MessageIcon::Error,
                                             MessageButtons::RetryCancel, Answer::Retry});
        if (answer != Answer::Retry)
            return false;
    }
    const std::string typed = dialog.typedText();
    if (typed == kDefaultPassword) {
        model.AccessLevel = 1;
    } else if (const auto stored = ReadPasswordFile(); stored && std::to_string(*stored) == typed) {
        model.AccessLevel = 1;
    }
    return true;
}

void ChangePassword(ConfigurationModel& model, Messages& messages, PasswordDialog& dialog) {
    if (!model.canWrite()) {
        messages.show({kTextNoRightToChangePassword, kCaptionWarning, MessageIcon::Warning,
                       MessageButtons::Ok, Answer::Ok});
        return;
    }
    model.PasswordChangeMode = 0;
    const Answer answer =
        messages.show({kTextAskChangePassword, kCaptionConfirmChange, MessageIcon::Question,
                       MessageButtons::YesNo, Answer::Yes});
    if (answer != Answer::Yes)
        return;
    model.PasswordChangeMode = 1;
    dialog.prepareChange();
    dialog.exec();
}
