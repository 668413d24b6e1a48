#include "device/ModelSetting.h"

#include "device/DeviceTexts.h"
#include "editor/SchemeSession.h"
#include "link/DeviceLink.h"
#include "link/ExchangeResult.h"
#include "ui/Messages.h"

namespace {

struct ModelCode {
    std::uint8_t first;
    std::uint8_t second;
};

// The execution code of each row of device_text::kModelRows, in the same order.
constexpr std::array<ModelCode, device_text::kModelRowCount> kModelCodes{{{6, 4},
                                                                          {6, 6},
                                                                          {12, 0},
                                                                          {12, 4},
                                                                          {12, 6},
                                                                          {12, 8},
                                                                          {24, 0},
                                                                          {24, 4},
                                                                          {24, 8},
                                                                          {24, 12},
                                                                          {24, 16}}};

} // namespace

ModelSetting::ModelSetting(SchemeSession& session, DeviceLink& link)
    : session_(session), link_(link) {}

// The device's code is changed at once and for good: the operator says yes to
// the device, the port and the model first. No is the default answer.
bool ModelSetting::confirm(int row) {
    using namespace device_text;
    const std::string text =
        kTextModelToDevice + std::to_string(session_.model.LinkAddressIndex + 1) +
        kTextModelOnPort + link_.PortName + kTextModelCode + kModelRows[row] + "?";
    const MessageBox question{text, kCaptionConfirmModel, MessageIcon::Question,
                              MessageButtons::YesNo, Answer::No};
    return session_.messages.show(question) == Answer::Yes;
}

void ModelSetting::chooseModel(int row) {
    if (row < 0 || row >= device_text::kModelRowCount || !confirm(row))
        return;
    const ModelCode code = kModelCodes[static_cast<std::size_t>(row)];
    const std::uint8_t data[] = {code.first, code.second, 0};
    ConfigurationModel& model = session_.model;
    const ExchangeResult result =
        link_.Transact(model.LinkAddressIndex, kFnSetExecCode, model.ExecCodeSize, data, reply_);
    if (result != kResultOk)
        ShowExchangeResult(link_, model.LinkAddressIndex, result);
    session_.creation.ModelChosen();
    session_.window.syncScheme();
}
