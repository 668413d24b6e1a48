#include "model/ConfigurationModel.h"
#include "ui/Messages.h"

#include "model/DecimalText.h"
#include "model/ModelTexts.h"
#include "ui/UiTexts.h"
#include <optional>

using namespace model_text;
using namespace ui_text;

namespace {

constexpr const char* kResetText = "00";

// Windows virtual-key codes of the keys a numeric field lets through.
constexpr int kVkBackspace = 8;
constexpr int kVkShift = 16;
constexpr int kVkControl = 17;
constexpr int kVkCapsLock = 20;
constexpr int kVkLeft = 37;
constexpr int kVkRight = 39;
constexpr int kVkDelete = 46;
constexpr int kVkNumLock = 144;

bool isDigitKey(int key) {
    return (key >= 0x30 && key <= 0x39) || (key >= 0x60 && key <= 0x69);
}

bool isEditingKey(int key) {
    switch (key) {
    case kVkBackspace:
    case kVkShift:
    case kVkControl:
    case kVkCapsLock:
    case kVkLeft:
    case kVkRight:
    case kVkDelete:
    case kVkNumLock:
        return true;
    default:
        return false;
    }
}

bool valueFits(int kind, int value, int execFirst) {
    switch (kind) {
    case kEntryFirstPart:
        return value == 6 || value == 12 || value == 24;
    case kEntrySecondPart:
        return ConfigurationModel::IsValidExecCode(execFirst, value);
    case kEntryDelayValue:
        return value >= 0 && value <= 60;
    default:
        return value == 1 || value == 10;
    }
}

bool isCheckedKind(int kind) {
    return kind >= kEntryFirstPart && kind <= kEntryDelayUnit;
}

} // namespace

bool ConfigurationModel::CheckExecCode(EntryField* first, EntryField* second) {
    bool failed = false;
    if (first != nullptr) {
        if (CheckEntry(*first, kEntryFirstPart) != 0)
            failed = true;
        else
            ExecFirst = ParseFieldNumber(first->text()).value_or(ExecFirst);
    }
    if (second != nullptr) {
        if (CheckEntry(*second, kEntrySecondPart) != 0)
            failed = true;
        else
            ExecSecond = ParseFieldNumber(second->text()).value_or(ExecSecond);
    }
    return failed;
}

int ConfigurationModel::CheckEntry(EntryField& field, int kind) {
    const std::string text = field.text();
    if (text.empty()) {
        ShowEntryError(field);
        return 1;
    }
    // Without a first part there is nothing to judge the second by.
    if (kind == kEntrySecondPart && ExecFirst == 0)
        return 1;
    if (!isCheckedKind(kind))
        return 0;
    const std::optional<int> value = ParseFieldNumber(text);
    if (value && valueFits(kind, *value, ExecFirst))
        return 0;
    ShowEntryError(field);
    return 1;
}

void ConfigurationModel::ShowEntryError(EntryField& field) {
    field.setErrorColour(true);
    messages_.beep();
    MessageBox box;
    box.text = kTextEntryError;
    box.caption = kCaptionApp;
    box.icon = MessageIcon::None;
    messages_.show(box);
    field.setErrorColour(false);
    field.setText(kResetText);
}

int ConfigurationModel::FilterDigitKey(EntryField& field, int key) {
    if (isDigitKey(key) || isEditingKey(key))
        return kKeyAccepted;
    if (key == kKeyEnter && !field.text().empty())
        return kKeyEnter;
    ShowEntryError(field);
    return kKeyRefused;
}
