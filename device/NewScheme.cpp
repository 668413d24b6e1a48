#include "device/NewScheme.h"

#include "device/DeviceTexts.h"
#include "device/ExitQuestions.h"
#include "editor/EditorTexts.h"
#include "editor/SchemeSession.h"
#include "ui/UiTexts.h"

#include <cstdio>

namespace {

// Every pair the model accepts: main inputs 6, 12 or 24, the second part
// below 100.
std::vector<NamedExecCode> ListCodes() {
    std::vector<NamedExecCode> codes;
    for (int first : {6, 12, 24})
        for (int second = 0; second < 100; ++second)
            if (ConfigurationModel::IsValidExecCode(first, second)) {
                char digits[24];
                std::snprintf(digits, sizeof digits, "%02d%02d", first, second);
                codes.push_back({first, second,
                                 std::string(device_text::kModelNamePrefix) + digits +
                                     device_text::kModelNameSuffix});
            }
    return codes;
}

} // namespace

const std::vector<NamedExecCode>& NamedExecCodes() {
    static const std::vector<NamedExecCode> codes = ListCodes();
    return codes;
}

bool NewSchemeCommand::newScheme(NewSchemeDialog& dialog) {
    ConfigurationModel& model = session_.model;
    if (!model.canWrite()) {
        session_.messages.show(MessageBox{editor_text::kTextNoCreateAccess, ui_text::kCaptionApp});
        return false;
    }
    if (!exit_.OfferSave())
        return false;
    NewSchemeData choice{lastCode_, model.LinkAddressIndex};
    if (!dialog.exec(choice))
        return false;
    const int codeCount = static_cast<int>(NamedExecCodes().size());
    if (choice.code < 0 || choice.code >= codeCount || choice.deviceIndex < 0 ||
        choice.deviceIndex >= kDeviceNumberLimit)
        return false;
    lastCode_ = choice.code;
    build(choice);
    return true;
}

// The steps of a device read that follow the answer: the window's code fields,
// the scheme, the device as the address of exchanges, the caption and the
// clock button.
void NewSchemeCommand::build(const NewSchemeData& choice) {
    const NamedExecCode& code = NamedExecCodes()[static_cast<std::size_t>(choice.code)];
    SchemeWindow& window = session_.window;
    ConfigurationModel& model = session_.model;
    window.scrollSchemeToTop();
    model.Repaired = 0;
    std::array<std::uint8_t, kImageSize> image{};
    const std::uint8_t deviceByte = MakeDeviceByte(choice.deviceIndex, false);
    image[kDeviceByteOffset] = deviceByte;
    session_.LoadScheme(code.first, code.second, image, deviceByte,
                        device_text::kCaptionDevicePrefix + std::to_string(choice.deviceIndex + 1));
    // Nothing of it is saved anywhere yet.
    model.Modified = 1;
    window.setTimeDateEnabled(true);
    window.scrollSchemeToTop();
    window.focusScheme();
}
