#include "device/ExternalAck.h"

#include "editor/SchemeSession.h"

namespace {

constexpr std::uint8_t kBlockSourceBit = 0x40;
constexpr std::uint8_t kSourceNumberBits = 0x3F;

} // namespace

void ExternalAck::toggleExternalAck(bool down) {
    ConfigurationModel& model = session_.model;
    SchemeWindow& window = session_.window;
    model.Modified = 1;
    if (model.CheckExecCode(&window.firstCodeField(), &window.secondCodeField())) {
        // The byte keeps its bit: the button must not claim the opposite.
        session_.view.header.extAckDown = (model.GetDeviceByte() & kExternalAckBit) != 0;
        window.syncScheme();
        return;
    }
    model.SetDeviceByte(MakeDeviceByte(model.DeviceNumberIndex, false));
    SetExternalAck(down);
    window.syncScheme();
}

void ExternalAck::SetExternalAck(bool on) {
    ConfigurationModel& model = session_.model;
    SchemeView& view = session_.view;
    const int row = view.ExternalAckRow();
    if (!on) {
        model.SetDeviceByte(model.DeviceByte & kDeviceNumberBits);
        view.ShowExternalAck(false);
        if (row >= 0)
            releaseContact(row);
        excludeAckChannel();
        return;
    }
    model.SetDeviceByte(model.DeviceByte | kExternalAckBit);
    view.header.extAckDown = true;
    if ((model.InputCount == 0 && model.OutputCode == 0) || row < 0)
        return;
    view.ShowExternalAck(true);
    model.Channels[static_cast<std::size_t>(row)] = {};
    clearAckRow(row);
    excludeAckChannel();
    clearBlockInputsReadingAck();
    view.RefreshBlockWiring();
    view.RefreshOutputWiring();
}

void ExternalAck::clearAckRow(int row) {
    SchemeView& view = session_.view;
    view.at(Family::SignallingPanel, row).visible = false;
    view.at(Family::CellNumber, row).caption = "0";
    view.at(Family::DelayPanel, row).visible = false;
    view.at(Family::DelayValue, row).caption = "0";
    view.at(Family::OutputsPanel, row).visible = false;
    view.at(Family::RowLine, row).visible = false;
    releaseContact(row);
}

void ExternalAck::releaseContact(int row) {
    Element& toggle = session_.view.at(Family::ContactToggle, row);
    toggle.pressed = false;
    toggle.enabled = false;
}

void ExternalAck::excludeAckChannel() {
    ConfigurationModel& model = session_.model;
    if (model.ChannelCount < 1)
        return;
    model.Included[static_cast<std::size_t>(model.ChannelCount - 1)] = 0;
    model.PackInclusion();
}

// Block inputs that read the acknowledge input lose their source; the number
// stays in the hidden number element. Inputs fed by a block keep theirs.
void ExternalAck::clearBlockInputsReadingAck() {
    ConfigurationModel& model = session_.model;
    SchemeView& view = session_.view;
    for (int block = 0; block < kFunctionBlocks; ++block) {
        FbRecord& record = model.FunctionBlocks[static_cast<std::size_t>(block)];
        for (int k = 0; k < 4; ++k) {
            std::uint8_t& source = record[static_cast<std::size_t>(k + 1)];
            if ((source & kBlockSourceBit) != 0 ||
                (source & kSourceNumberBits) != model.ChannelCount)
                continue;
            source = 0;
            const int input = 4 * block + k;
            view.at(Family::BlockInputKind, input).caption = QString();
            view.at(Family::BlockInputNumber, input).caption = QString::number(model.ChannelCount);
            view.HideBlockInput(input);
        }
    }
}
