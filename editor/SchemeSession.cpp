#include "editor/SchemeSession.h"

#include <algorithm>

void SchemeSession::LoadScheme(int first, int second,
                               const std::array<std::uint8_t, kImageSize>& image,
                               std::uint8_t deviceByte, const std::string& caption,
                               const SchemeNames* names) {
    model.ExecFirst = first;
    model.ExecSecond = second;
    model.ComputeLayout();
    model.ImageBuffer = image;
    window.showExecCode(first, second);
    creation.CreateScheme();
    model.SetDeviceByte(deviceByte);
    const int device = deviceByte & kDeviceNumberBits;
    model.LinkAddressIndex = device;
    model.DeviceNumberIndex = device;
    window.selectLinkAddress(device);
    window.selectDeviceNumber(device);
    window.setCaption(caption);
    creation.LoadImage(deviceByte);
    // Names are shown after a repair too: a save after it must keep them.
    if (names)
        showNames(*names);
    window.syncScheme();
    creation.ReportRepair();
}

void SchemeSession::showNames(const SchemeNames& names) {
    const int channels = std::min(model.ChannelCount, static_cast<int>(names.channels.size()));
    for (int i = 0; i < channels; ++i)
        view.at(Family::PText, model.SlotOfImageIndex(i)).caption = names.channels[i];
    for (int j = 0; j < kOutputLines; ++j)
        view.at(Family::PTextV, j).caption = names.outputs[j];
}
