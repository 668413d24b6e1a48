#include "editor/SchemeSession.h"

#include "editor/TextField.h"

#include <algorithm>

bool SchemeNames::operator==(const SchemeNames& other) const {
    const auto sameField = [](const QString& a, const QString& b) {
        return EncodeTextField(a) == EncodeTextField(b);
    };
    return std::equal(channels.begin(), channels.end(), other.channels.begin(),
                      other.channels.end(), sameField) &&
           std::equal(outputs.begin(), outputs.end(), other.outputs.begin(), sameField);
}

void SchemeSession::LoadScheme(int first, int second,
                               const std::array<std::uint8_t, kImageSize>& image,
                               std::uint8_t deviceByte, const std::string& caption,
                               const SchemeNames* names) {
    drawImage(first, second, image, deviceByte);
    model.LinkAddressIndex = model.DeviceNumberIndex;
    window.selectLinkAddress(model.LinkAddressIndex);
    window.setCaption(caption);
    // Names are shown after a repair too: a save after it must keep them.
    if (names)
        showNames(*names);
    // The scheme is what its source holds, unless records had to be repaired:
    // changes dropped on the way here are not carried over to it.
    model.Modified = model.Repaired != 0 ? 1 : 0;
    window.syncScheme();
    creation.ReportRepair();
    creation.ReportOutOfRange();
    if (schemeLoaded)
        schemeLoaded();
}

void SchemeSession::drawImage(int first, int second,
                              const std::array<std::uint8_t, kImageSize>& image,
                              std::uint8_t deviceByte) {
    model.ExecFirst = first;
    model.ExecSecond = second;
    model.ComputeLayout();
    model.ImageBuffer = image;
    window.showExecCode(first, second);
    creation.CreateScheme();
    model.SetDeviceByte(deviceByte);
    model.DeviceNumberIndex = deviceByte & kDeviceNumberBits;
    window.selectDeviceNumber(model.DeviceNumberIndex);
    creation.LoadImage(deviceByte);
}

SchemeSnapshot SchemeSession::Snapshot() {
    SchemeSnapshot snapshot;
    snapshot.first = model.ExecFirst;
    snapshot.second = model.ExecSecond;
    const auto image = model.ImageBuffer;
    const std::uint8_t deviceByte = model.GetDeviceByte();
    model.SetDeviceByte(MakeDeviceByte(model.DeviceNumberIndex, view.header.extAckDown));
    model.PackImage();
    snapshot.image = model.ImageBuffer;
    model.ImageBuffer = image;
    model.SetDeviceByte(deviceByte);
    for (int i = 0; i < model.ChannelCount; ++i)
        snapshot.names.channels.push_back(
            view.at(Family::InputName, model.SlotOfImageIndex(i)).caption);
    for (int j = 0; j < kOutputLines; ++j)
        snapshot.names.outputs[j] = view.at(Family::OutputName, j).caption;
    return snapshot;
}

void SchemeSession::Restore(const SchemeSnapshot& snapshot) {
    drawImage(snapshot.first, snapshot.second, snapshot.image, snapshot.image[kDeviceByteOffset]);
    showNames(snapshot.names);
    window.syncScheme();
}

void SchemeSession::showNames(const SchemeNames& names) {
    const int channels = std::min(model.ChannelCount, static_cast<int>(names.channels.size()));
    for (int i = 0; i < channels; ++i)
        view.at(Family::InputName, model.SlotOfImageIndex(i)).caption = names.channels[i];
    for (int j = 0; j < kOutputLines; ++j)
        view.at(Family::OutputName, j).caption = names.outputs[j];
}
