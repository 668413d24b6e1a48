// Identification replies of any function, length and content: the code is
// taken only from a well-formed reply, and the dimensions it leaves always fit
// the model's tables, whatever code came in.
#include "FuzzCheck.h"
#include "model/ConfigurationModel.h"
#include "support/FakeMessages.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1)
        return 0;
    FakeMessages messages;
    ConfigurationModel model(messages);
    model.ExecFirst = 24;
    model.ExecSecond = 8;
    model.ComputeLayout();
    model.ApplyIdentification(data[0], data + 1, static_cast<int>(size - 1));
    if (ConfigurationModel::IsValidExecCode(model.ExecFirst, model.ExecSecond)) {
        Require(model.ChannelCount == model.InputCount + model.ExtraInputCount,
                "channels are main plus additional inputs");
        Require(model.ChannelCount <= kChannelSlots, "channels fit the slots");
    }
    model.PackImage();
    model.UnpackImage();
    return 0;
}
