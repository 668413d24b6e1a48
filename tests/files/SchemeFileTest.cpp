#include "files/SchemeFile.h"

#include <gtest/gtest.h>

#include <random>

namespace {

// A file built byte by byte from the layout, not by the code under test.
QByteArray fixture(int first, int second, int channels, std::uint8_t deviceByte = 0x24) {
    QByteArray bytes;
    bytes += '\0';
    bytes += static_cast<char>(first);
    bytes += static_cast<char>(second);
    bytes += static_cast<char>(deviceByte);
    for (int i = 0; i < 250; ++i)
        bytes += static_cast<char>(i * 7 + 3);
    for (int i = 0; i < channels; ++i) // "K<i>", NUL, spaces
        bytes += QByteArray("K") + QByteArray::number(i) + QByteArray(1, '\0') +
                 QByteArray(i < 10 ? 7 : 6, ' ');
    for (int i = 0; i < 16; ++i) // "Выход" in Windows-1251, NUL, spaces
        bytes += QByteArray::fromHex("c2fbf5eee4") + QByteArray::number(i % 10) +
                 QByteArray(1, '\0') + QByteArray(3, ' ');
    return bytes;
}

struct CodeCase {
    int first;
    int second;
    int channels;
};
void PrintTo(const CodeCase& c, std::ostream* os) {
    *os << c.first << "-" << c.second;
}

class EveryCode : public ::testing::TestWithParam<CodeCase> {};

TEST_P(EveryCode, FileLengthFollowsTheChannelCount) {
    const auto [first, second, channels] = GetParam();
    EXPECT_EQ(ChannelCountOfCode(first, second), channels);
    const QByteArray file = fixture(first, second, channels);
    ASSERT_EQ(file.size(), 414 + 10 * channels);

    QString error;
    const auto data = DecodeSchemeFile(file, error);
    ASSERT_TRUE(data) << error.toStdString();
    EXPECT_EQ(data->channelNames.size(), static_cast<std::size_t>(channels));
    // Written again it is the same file, byte for byte.
    EXPECT_EQ(EncodeSchemeFile(*data), file);

    EXPECT_FALSE(DecodeSchemeFile(file.chopped(1), error));
    EXPECT_FALSE(DecodeSchemeFile(file + '\0', error));
    EXPECT_FALSE(error.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Codes, EveryCode,
    ::testing::Values(CodeCase{6, 4, 10}, CodeCase{6, 6, 8}, CodeCase{12, 0, 12},
                      CodeCase{12, 4, 16}, CodeCase{12, 6, 14}, CodeCase{12, 8, 12},
                      CodeCase{12, 22, 12}, CodeCase{24, 0, 24}, CodeCase{24, 4, 28},
                      CodeCase{24, 8, 32}, CodeCase{24, 12, 28}, CodeCase{24, 16, 24},
                      CodeCase{24, 43, 28}, CodeCase{24, 62, 28}),
    [](const ::testing::TestParamInfo<CodeCase>& info) {
        const CodeCase& c = info.param;
        return "Code" + std::to_string(c.first) + "_" + std::to_string(c.second);
    });

TEST(SchemeFile, DecodesEveryPartFromItsOffset) {
    QString error;
    const auto data = DecodeSchemeFile(fixture(24, 8, 32, 0x24), error);
    ASSERT_TRUE(data);
    EXPECT_EQ(data->execFirst, 24);
    EXPECT_EQ(data->execSecond, 8);
    EXPECT_EQ(data->deviceByte, 0x24);
    EXPECT_EQ(data->image[0], 3);
    EXPECT_EQ(data->image[249], static_cast<std::uint8_t>(249 * 7 + 3));
    EXPECT_EQ(data->channelNames.front(), "K0");
    EXPECT_EQ(data->channelNames.back(), "K31");
    EXPECT_EQ(data->outputNames[0], "Выход0");
    EXPECT_EQ(data->outputNames[15], "Выход5");
}

SchemeFileData sampleData(int first, int second, int channels) {
    SchemeFileData data;
    data.execFirst = first;
    data.execSecond = second;
    data.deviceByte = 0x05;
    data.image.fill(0xA5);
    data.channelNames.assign(channels, "");
    return data;
}

struct SizeCase {
    int first;
    int second;
    int channels;
    int size;
};
void PrintTo(const SizeCase& c, std::ostream* os) {
    *os << c.first << "-" << c.second;
}

class EncodedSize : public ::testing::TestWithParam<SizeCase> {};

TEST_P(EncodedSize, HeaderImageNamesAndTheWholeOutputBlock) {
    const auto [first, second, channels, size] = GetParam();
    SchemeFileData data = sampleData(first, second, channels);
    data.channelNames[0] = "ABC";
    data.outputNames[15] = "Сирена";
    const QByteArray file = EncodeSchemeFile(data);
    ASSERT_EQ(file.size(), size);
    EXPECT_EQ(file.left(4), QByteArray::fromHex("00") + char(first) + char(second) + '\x05');
    EXPECT_EQ(file.mid(4, 250), QByteArray(250, '\xA5'));
    EXPECT_EQ(file.mid(254, 10), QByteArray::fromHex("41424300202020202020"));
    const QByteArray outputs = file.mid(254 + 10 * channels);
    ASSERT_EQ(outputs.size(), 160);
    EXPECT_EQ(outputs.first(150), QByteArray(150, ' '));
    EXPECT_EQ(outputs.last(10), QByteArray::fromHex("d1e8f0e5ede000202020"));
}

INSTANTIATE_TEST_SUITE_P(Codes, EncodedSize,
                         ::testing::Values(SizeCase{6, 4, 10, 514}, SizeCase{24, 8, 32, 734},
                                           SizeCase{12, 0, 12, 534}, SizeCase{6, 6, 8, 494}),
                         [](const ::testing::TestParamInfo<SizeCase>& info) {
                             const SizeCase& c = info.param;
                             return "Code" + std::to_string(c.first) + "_" +
                                    std::to_string(c.second);
                         });

TEST(SchemeFile, NamesReadBackUnchanged) {
    SchemeFileData data = sampleData(6, 4, 10);
    data.channelNames = {"ABC",         "Давление12", "          ", "  x  ", "",
                         "Насос №1234", "a",          "b",          "c",     "Ω"};
    data.outputNames[3] = "Сирена 1";
    QString error;
    const auto back = DecodeSchemeFile(EncodeSchemeFile(data), error);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->channelNames[0], "ABC");
    EXPECT_EQ(back->channelNames[1], "Давление12");
    EXPECT_EQ(back->channelNames[3], "  x  ");
    EXPECT_EQ(back->channelNames[4], "          "); // an empty name is stored as ten spaces
    EXPECT_EQ(back->channelNames[5], "Насос №123"); // cut to ten
    EXPECT_EQ(back->channelNames[9], "?");
    EXPECT_EQ(back->outputNames[3], "Сирена 1");
    EXPECT_EQ(back->image, data.image);
}

struct RefusedCase {
    const char* name;
    QByteArray bytes;
    const char* reasonPart;
};
void PrintTo(const RefusedCase& c, std::ostream* os) {
    *os << c.name;
}

class RefusedFile : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(RefusedFile, SaysWhy) {
    QString error;
    EXPECT_FALSE(DecodeSchemeFile(GetParam().bytes, error));
    EXPECT_TRUE(error.contains(QString::fromUtf8(GetParam().reasonPart))) << error.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Files, RefusedFile,
    ::testing::Values(RefusedCase{"Empty", QByteArray(), "0 байт"},
                      RefusedCase{"ThreeBytes", QByteArray::fromHex("000604"), "3 байт"},
                      RefusedCase{"HeaderOnly", QByteArray::fromHex("00060424"), "06-04"},
                      RefusedCase{"TruncatedByOne", fixture(6, 4, 10).chopped(1), "513"},
                      RefusedCase{"OneTooLong", fixture(24, 8, 32) + ' ', "735"},
                      RefusedCase{"Code0705", fixture(7, 5, 10), "07-05"},
                      RefusedCase{"Code4000", fixture(40, 0, 10), "40-00"},
                      RefusedCase{"Code2408WithFewerNames", fixture(24, 8, 28), "734"}),
    [](const auto& info) { return std::string(info.param.name); });

// Whatever the bytes, decoding either refuses or takes a file of exactly the
// right length.
TEST(SchemeFile, RandomBytesNeverPassUnchecked) {
    std::mt19937 random(1251);
    int accepted = 0;
    for (int round = 0; round < 2000; ++round) {
        QByteArray bytes(static_cast<int>(random() % 800), '\0');
        for (char& b : bytes)
            b = static_cast<char>(random());
        if (round % 2 == 0 && bytes.size() >= 4) { // a valid code, any length
            bytes[1] = 24;
            bytes[2] = 8;
        }
        QString error;
        if (const auto data = DecodeSchemeFile(bytes, error)) {
            ++accepted;
            EXPECT_EQ(bytes.size(), 734);
        } else {
            EXPECT_FALSE(error.isEmpty());
        }
    }
    EXPECT_LT(accepted, 10);
}

} // namespace
