#include "model/ConfigurationModel.h"
#include "support/FakeMessages.h"

#include <gtest/gtest.h>

namespace {

struct Layout {
    int first, second;
    int channels, extra, mr1, mr2, outputCode;
};

// The dimensions every valid code must give, as the device family defines them.
constexpr Layout kValidCodes[] = {
    {6, 4, 10, 4, 4, 0, 4},   {6, 6, 8, 2, 6, 0, 6},     {12, 0, 12, 0, 0, 0, 0},
    {12, 4, 16, 4, 4, 0, 4},  {12, 6, 14, 2, 6, 0, 6},   {12, 8, 12, 0, 8, 0, 8},
    {12, 22, 12, 0, 4, 0, 4}, {24, 0, 24, 0, 0, 0, 0},   {24, 4, 28, 4, 4, 0, 4},
    {24, 8, 32, 8, 4, 4, 8},  {24, 12, 28, 4, 4, 8, 12}, {24, 16, 24, 0, 8, 8, 16},
    {24, 43, 28, 4, 4, 3, 8}, {24, 62, 28, 4, 4, 4, 8},
};

void expectLayout(const ConfigurationModel& model, const Layout& code) {
    SCOPED_TRACE(testing::Message() << code.first << "-" << code.second);
    EXPECT_EQ(model.ChannelCount, code.channels);
    EXPECT_EQ(model.ExtraInputCount, code.extra);
    EXPECT_EQ(model.Mr1OutputCount, code.mr1);
    EXPECT_EQ(model.Mr2OutputCount, code.mr2);
    EXPECT_EQ(model.InputCount, code.first);
    EXPECT_EQ(model.OutputCode, code.outputCode);
}

void expectImageInvariant(const ConfigurationModel& model) {
    EXPECT_LE(model.ChannelCount, kChannelSlots);
    EXPECT_GE(model.ChannelCount, 0);
    EXPECT_LE(4 * model.ChannelCount + 117, kInclusionOffset);
    EXPECT_EQ(model.ChannelCount, model.InputCount + model.ExtraInputCount);
}

void computeFor(ConfigurationModel& model, int first, int second) {
    model.ExecFirst = first;
    model.ExecSecond = second;
    model.ComputeLayout();
}

class ExecCodeTest : public testing::Test {
protected:
    FakeMessages messages;
    ConfigurationModel model{messages};
};

TEST_F(ExecCodeTest, EveryValidCodeGivesItsDimensionsWhateverCameBefore) {
    for (const Layout& code : kValidCodes) {
        EXPECT_TRUE(ConfigurationModel::IsValidExecCode(code.first, code.second));
        ConfigurationModel fresh{messages};
        computeFor(fresh, code.first, code.second);
        expectLayout(fresh, code);
        for (const Layout& before : kValidCodes) {
            computeFor(model, before.first, before.second);
            computeFor(model, code.first, code.second);
            expectLayout(model, code);
            expectImageInvariant(model);
        }
    }
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(ExecCodeTest, RefusedPairsKeepChannelsAndDropOutputs) {
    const int refused[][2] = {{6, 0}, {12, 12}, {24, 6}, {33, 0}, {33, 16}, {6, 16}, {255, 62}};
    for (const auto& pair : refused) {
        SCOPED_TRACE(testing::Message() << pair[0] << "-" << pair[1]);
        EXPECT_FALSE(ConfigurationModel::IsValidExecCode(pair[0], pair[1]));
        computeFor(model, 24, 8);
        computeFor(model, pair[0], pair[1]);
        EXPECT_EQ(model.ChannelCount, 32);
        EXPECT_EQ(model.ExtraInputCount, 8);
        EXPECT_EQ(model.InputCount, 24);
        EXPECT_EQ(model.Mr1OutputCount, 0);
        EXPECT_EQ(model.Mr2OutputCount, 0);
        expectImageInvariant(model);
    }
}

TEST_F(ExecCodeTest, NoCodeMeansNoDimensions) {
    EXPECT_FALSE(ConfigurationModel::IsValidExecCode(0, 0));
    computeFor(model, 12, 4);
    computeFor(model, 0, 0);
    expectLayout(model, {0, 0, 0, 0, 0, 0, 0});
    expectImageInvariant(model);
}

TEST_F(ExecCodeTest, StartsWithTheDefaults) {
    EXPECT_EQ(model.DeviceStatus, -1);
    EXPECT_EQ(model.ImageSize, 250);
    EXPECT_EQ(model.ExecCodeSize, 3);
    EXPECT_EQ(model.SelectedInput, -1);
    EXPECT_EQ(model.EditedOutput, -1);
    EXPECT_EQ(model.SelectedFb, 0);
    EXPECT_EQ(model.ChannelCount, 0);
    EXPECT_EQ(model.Modified, 0);
}

TEST_F(ExecCodeTest, AdditionalInputsAlwaysStartInSlot24) {
    struct Case {
        int first, second, imageIndex, slot;
    };
    const Case cases[] = {{6, 6, 5, 5},     {6, 6, 6, 24},   {6, 4, 9, 27},   {12, 4, 11, 11},
                          {12, 4, 12, 24},  {12, 4, 15, 27}, {24, 8, 23, 23}, {24, 8, 31, 31},
                          {24, 12, 24, 24}, {12, 22, 11, 11}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.first << "-" << c.second << " i=" << c.imageIndex);
        computeFor(model, c.first, c.second);
        EXPECT_EQ(model.SlotOfImageIndex(c.imageIndex), c.slot);
        EXPECT_EQ(model.ImageIndexOfSlot(c.slot), c.imageIndex);
    }
}

std::array<std::uint8_t, 8> identification(int count, int first, int second, int status) {
    return {1,
            0x11,
            static_cast<std::uint8_t>(count),
            static_cast<std::uint8_t>(first),
            static_cast<std::uint8_t>(second),
            static_cast<std::uint8_t>(status),
            0xAA,
            0x55};
}

TEST_F(ExecCodeTest, IdentificationWithStatusZeroTakesTheCode) {
    computeFor(model, 24, 8);
    const auto reply = identification(3, 12, 4, 0);
    model.ApplyIdentification(0x11, reply.data(), reply.size());
    EXPECT_EQ(model.DeviceStatus, 0);
    EXPECT_EQ(model.ExecFirst, 12);
    EXPECT_EQ(model.ExecSecond, 4);
    expectLayout(model, {12, 4, 16, 4, 4, 0, 4});
}

TEST_F(ExecCodeTest, IdentificationOfTheOtherFormIsStatus300) {
    computeFor(model, 24, 8);
    const auto reply = identification(8, 6, 6, 0);
    model.ApplyIdentification(0x11, reply.data(), reply.size());
    EXPECT_EQ(model.DeviceStatus, 300);
    EXPECT_EQ(model.ExecFirst, 24);
    EXPECT_EQ(model.ChannelCount, 32);
}

TEST_F(ExecCodeTest, IdentificationKeepsTheCodeUnlessCountThreeAndStatusZero) {
    struct Case {
        int count, status;
    };
    for (const Case c : {Case{3, 1}, Case{4, 0}, Case{3, 7}}) {
        computeFor(model, 24, 8);
        const auto reply = identification(c.count, 12, 4, c.status);
        model.ApplyIdentification(0x11, reply.data(), reply.size());
        EXPECT_EQ(model.DeviceStatus, c.status);
        EXPECT_EQ(model.ExecFirst, 24);
        EXPECT_EQ(model.ChannelCount, 32);
    }
}

TEST_F(ExecCodeTest, IdentificationRefusesAnUnknownCode) {
    const int refused[][2] = {{33, 0}, {12, 12}, {6, 0}, {24, 6}};
    for (const auto& pair : refused) {
        computeFor(model, 24, 12);
        const auto reply = identification(3, pair[0], pair[1], 0);
        model.ApplyIdentification(0x11, reply.data(), reply.size());
        EXPECT_EQ(model.DeviceStatus, 0);
        EXPECT_EQ(model.ExecFirst, 24);
        EXPECT_EQ(model.ExecSecond, 12);
        expectLayout(model, {24, 12, 28, 4, 4, 8, 12});
    }
}

TEST_F(ExecCodeTest, IdentificationOfADeviceWithoutCodeClearsTheDimensions) {
    computeFor(model, 24, 12);
    const auto reply = identification(3, 0, 0, 0);
    model.ApplyIdentification(0x11, reply.data(), reply.size());
    EXPECT_EQ(model.DeviceStatus, 0);
    EXPECT_EQ(model.InputCount, 0);
    EXPECT_EQ(model.OutputCode, 0);
    EXPECT_EQ(model.ChannelCount, 0);
}

TEST_F(ExecCodeTest, IdentificationIgnoresOtherFunctionsAndShortFrames) {
    const auto reply = identification(3, 12, 4, 0);
    model.ApplyIdentification(0x44, reply.data(), reply.size());
    EXPECT_EQ(model.DeviceStatus, -1);
    EXPECT_EQ(model.ExecFirst, 0);
    model.ApplyIdentification(0x11, reply.data(), 5);
    EXPECT_EQ(model.DeviceStatus, 300);
    EXPECT_EQ(model.ExecFirst, 0);
}

} // namespace
