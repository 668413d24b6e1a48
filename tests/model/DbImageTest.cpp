#include "ModelFakes.h"
#include "support/FakeMessages.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class DbImageTest : public testing::Test {
protected:
    void useCode(int first, int second) {
        model.ExecFirst = first;
        model.ExecSecond = second;
        model.ComputeLayout();
    }
    // Every record byte distinct and non-zero, so a misplaced copy shows.
    void fillRecords() {
        for (int slot = 0; slot < kChannelSlots; ++slot)
            for (int b = 0; b < 4; ++b)
                model.Channels[slot][b] = static_cast<std::uint8_t>(slot * 4 + b + 1);
        for (int j = 0; j < kFunctionBlocks; ++j)
            for (int b = 0; b < kFbRecordSize; ++b)
                model.FunctionBlocks[j][b] = static_cast<std::uint8_t>(0x80 + j * 9 + b);
        model.InclusionBits = {0x11, 0x22, 0x33, 0x44};
        model.DeviceByte = 0x25;
    }

    FakeMessages messages;
    ConfigurationModel model{messages};
};

struct PackCase {
    int first, second;
    std::vector<int> slotsInImageOrder;
};

TEST_F(DbImageTest, PackLaysRecordsGapBitmapAndDeviceByteAtTheirOffsets) {
    const PackCase cases[] = {
        {6, 6, {0, 1, 2, 3, 4, 5, 24, 25}},
        {12, 4, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 24, 25, 26, 27}},
        {24, 8, {0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15,
                 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31}},
    };
    for (const PackCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.first << "-" << c.second);
        useCode(c.first, c.second);
        fillRecords();
        model.ImageBuffer.fill(0xEE);
        model.PackImage();
        const auto& image = model.ImageBuffer;
        const int channels = static_cast<int>(c.slotsInImageOrder.size());
        for (int i = 0; i < channels; ++i)
            for (int b = 0; b < 4; ++b)
                EXPECT_EQ(image[4 * i + b], model.Channels[c.slotsInImageOrder[i]][b]);
        const int blockBase = 4 * channels;
        EXPECT_EQ(blockBase, 4 * model.ChannelCount);
        for (int j = 0; j < kFunctionBlocks; ++j)
            for (int b = 0; b < kFbRecordSize; ++b)
                EXPECT_EQ(image[blockBase + 9 * j + b], model.FunctionBlocks[j][b]);
        for (int offset = blockBase + 117; offset < 245; ++offset)
            EXPECT_EQ(image[offset], 0) << offset;
        EXPECT_EQ((std::vector<int>{image[245], image[246], image[247], image[248]}),
                  (std::vector<int>{0x11, 0x22, 0x33, 0x44}));
        EXPECT_EQ(image[249], 0x25);
    }
}

TEST_F(DbImageTest, BlocksMoveWithTheChannelCount) {
    useCode(6, 6);
    model.FunctionBlocks[0][0] = 0x01;
    model.FunctionBlocks[12][8] = 0x9C;
    model.PackImage();
    EXPECT_EQ(model.ImageBuffer[32], 0x01);
    EXPECT_EQ(model.ImageBuffer[148], 0x9C);
    EXPECT_EQ(model.ImageBuffer[149], 0);
    useCode(24, 8);
    model.PackImage();
    EXPECT_EQ(model.ImageBuffer[128], 0x01);
    EXPECT_EQ(model.ImageBuffer[244], 0x9C);
}

TEST_F(DbImageTest, UnpackFillsOnlyTheUsedSlotsAndExpandsTheBitmap) {
    useCode(12, 4);
    for (int offset = 0; offset < kImageSize; ++offset)
        model.ImageBuffer[offset] = static_cast<std::uint8_t>(offset + 1);
    model.ImageBuffer[245] = 0x01;
    model.ImageBuffer[246] = 0x00;
    model.ImageBuffer[247] = 0x00;
    model.ImageBuffer[248] = 0x80;
    model.Channels[12] = {0xA1, 0xA2, 0xA3, 0xA4};
    model.DeviceByte = 0x03;
    model.UnpackImage();
    EXPECT_EQ(model.Channels[11], (ChannelRecord{45, 46, 47, 48}));
    EXPECT_EQ(model.Channels[24], (ChannelRecord{49, 50, 51, 52}));
    EXPECT_EQ(model.Channels[27], (ChannelRecord{61, 62, 63, 64}));
    EXPECT_EQ(model.Channels[12], (ChannelRecord{0xA1, 0xA2, 0xA3, 0xA4}));
    EXPECT_EQ(model.Channels[28], (ChannelRecord{0, 0, 0, 0}));
    EXPECT_EQ(model.FunctionBlocks[0][0], 65);
    EXPECT_EQ(model.FunctionBlocks[12][8], 64 + 117);
    EXPECT_EQ(model.Included[0], 1);
    EXPECT_EQ(model.Included[31], 1);
    int included = 0;
    for (std::uint8_t flag : model.Included)
        included += flag;
    EXPECT_EQ(included, 2);
    EXPECT_EQ(model.DeviceByte, 0x03);
    EXPECT_EQ(model.GetDeviceByte(), 250);
}

TEST_F(DbImageTest, InclusionBitsFollowImageIndexes) {
    struct Case {
        int imageIndex, byte;
        std::uint8_t bit;
    };
    for (const Case c : {Case{0, 0, 0x01}, Case{7, 0, 0x80}, Case{8, 1, 0x01}, Case{31, 3, 0x80}}) {
        SCOPED_TRACE(c.imageIndex);
        model.Included.fill(0);
        model.Included[c.imageIndex] = 1;
        model.PackInclusion();
        std::array<std::uint8_t, 4> expected{};
        expected[c.byte] = c.bit;
        EXPECT_EQ(model.InclusionBits, expected);
    }
}

TEST_F(DbImageTest, PackAfterUnpackReproducesTheImageOutsideGapAndDeviceByte) {
    struct Code {
        int first, second;
    };
    for (const Code code : {Code{6, 6}, Code{12, 4}, Code{24, 8}, Code{24, 43}}) {
        SCOPED_TRACE(testing::Message() << code.first << "-" << code.second);
        useCode(code.first, code.second);
        std::array<std::uint8_t, kImageSize> original{};
        for (int offset = 0; offset < kImageSize; ++offset)
            original[offset] = static_cast<std::uint8_t>(offset * 7 + 3);
        model.ImageBuffer = original;
        model.UnpackImage();
        model.SetDeviceByte(0x1E);
        model.PackImage();
        const int gapStart = 4 * model.ChannelCount + 117;
        for (int offset = 0; offset < kDeviceByteOffset; ++offset) {
            const int expected = offset >= gapStart && offset < 245 ? 0 : original[offset];
            EXPECT_EQ(model.ImageBuffer[offset], expected) << offset;
        }
        EXPECT_EQ(model.ImageBuffer[249], 0x1E);
    }
}

TEST_F(DbImageTest, TakeImageCopiesOnlyTheImageBytesOfTheFrame) {
    std::vector<std::uint8_t> frame(255);
    for (std::size_t k = 0; k < frame.size(); ++k)
        frame[k] = static_cast<std::uint8_t>(k);
    model.TakeImage(frame.data(), static_cast<int>(frame.size()));
    EXPECT_EQ(model.ImageBuffer[0], 3);
    EXPECT_EQ(model.ImageBuffer[249], 252);
    frame.resize(3 + 100);
    model.TakeImage(frame.data(), static_cast<int>(frame.size()));
    EXPECT_EQ(model.ImageBuffer[99], 102);
    EXPECT_EQ(model.ImageBuffer[100], 0);
    EXPECT_EQ(model.ImageBuffer[249], 0);
    model.TakeImage(frame.data(), 2);
    EXPECT_EQ(model.ImageBuffer[0], 0);
}

TEST_F(DbImageTest, BitAccessorsChangeOnlyTheirBits) {
    model.Channels[24][0] = 0xDF;
    model.SetContactBit(24, 0x20);
    EXPECT_EQ(model.Channels[24][0], 0xFF);
    model.SetContactBit(24, 0);
    EXPECT_EQ(model.Channels[24][0], 0xDF);
    EXPECT_EQ(model.GetSignalBits(24), 0xC0);
    model.Channels[3][0] = 0x65;
    EXPECT_EQ(model.GetSignalBits(3), 0x40);

    model.FunctionBlocks[12][5] = 0xDF;
    EXPECT_EQ(model.GetFbDelayType(12), 0);
    model.SetFbDelayType(12, 1);
    EXPECT_EQ(model.FunctionBlocks[12][5], 0xFF);
    EXPECT_EQ(model.GetFbDelayType(12), 1);
    model.SetFbDelayType(12, 0);
    EXPECT_EQ(model.FunctionBlocks[12][5], 0xDF);

    model.SetDeviceByte(0x25);
    EXPECT_EQ(model.DeviceByte, 0x25);
    EXPECT_EQ(model.GetDeviceByte(), 0x25);
}

} // namespace
