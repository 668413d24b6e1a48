#include "line/LineMessages.h"

Answer LineMessages::show(const MessageBox& box) {
    if (box.buttons == MessageButtons::YesNo) {
        const auto given = answers_.find(box.text);
        return given != answers_.end() ? given->second : box.defaultButton;
    }
    const bool failure = box.buttons == MessageButtons::RetryCancel ||
                         box.icon == MessageIcon::Warning || box.icon == MessageIcon::Error;
    if (failure) {
        ++failures_;
        lastFailure_ = box.text;
    }
    return shown_.show(box);
}
