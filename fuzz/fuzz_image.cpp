// TakeImage, UnpackImage, the load pass and PackImage on any code and frame.
// The input is laid out like a scheme file: bytes 1 and 2 the code, the image
// from byte 4 (so TakeImage gets the frame from byte 1). For a valid code a
// packed image survives unpacking and packing again unchanged.
#include "FuzzCheck.h"
#include "model/OutOfRange.h"
#include "support/FakeMessages.h"

#include <cstdint>

namespace {

class NoDisplay : public RecordDisplay {
public:
    void showContact(int, bool, bool) override {}
    void showRow(int, const ChannelRecord&) override {}
    void showBlock(int, const FbRecord&) override {}
    void showBlockTimer(int, int) override {}
};

void load(ConfigurationModel& model) {
    NoDisplay display;
    model.UnpackImage();
    model.ShowRecords(ConfigurationModel::RecordKind::Channels, display);
    model.ShowRecords(ConfigurationModel::RecordKind::FunctionBlocks, display);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 3)
        return 0;
    FakeMessages messages;
    ConfigurationModel model(messages);
    model.ExecFirst = data[1];
    model.ExecSecond = data[2];
    model.ComputeLayout();
    model.TakeImage(data + 1, static_cast<int>(size - 1));
    load(model);
    ListOutOfRangeValues(model);
    model.PackImage();
    if (!ConfigurationModel::IsValidExecCode(model.ExecFirst, model.ExecSecond))
        return 0;
    ConfigurationModel again(messages);
    again.ExecFirst = model.ExecFirst;
    again.ExecSecond = model.ExecSecond;
    again.ComputeLayout();
    again.ImageBuffer = model.ImageBuffer;
    load(again);
    again.PackImage();
    Require(again.ImageBuffer == model.ImageBuffer, "a packed image packs again unchanged");
    Require(again.Repaired == 0, "a packed image needs no repair");
    return 0;
}
