// Reading a device's configuration, step by step, on the scripted line.

#include "tests/device/DeviceFixture.h"

namespace {

constexpr std::uint8_t kIdentify = 0x11, kReadImage = 0x44;

class ReadConfiguration : public ::testing::Test, public DeviceFixture {};

struct CodeCase {
    int first, second;
};
void PrintTo(const CodeCase& c, std::ostream* os) {
    *os << c.first << "-" << c.second;
}

class ReadEveryCode : public ::testing::TestWithParam<CodeCase>, public DeviceFixture {};

TEST_P(ReadEveryCode, LeavesWhatLoadingTheImageDirectlyLeaves) {
    const CodeCase c = GetParam();
    const Image image = SampleImage(c.first, c.second, 0x02);
    ASSERT_NO_FATAL_FAILURE(Attach(c.first, c.second, image));
    device.readDevice();
    EXPECT_TRUE(messages.shown.empty()) << messages.shown.at(0).text;
    const DirectLoad direct(c.first, c.second, image);
    ExpectSameModel(model, direct.model);
    ExpectSameView(view, direct.view);
    EXPECT_EQ(window.first.value, std::to_string(c.first));
    EXPECT_EQ(window.second.value, std::to_string(c.second));
    EXPECT_EQ(model.LinkAddressIndex, 2);
    EXPECT_EQ(window.caption, std::string("Программатор ВИЛ-3K устройство ") + "3");
}

INSTANTIATE_TEST_SUITE_P(FourteenCodes, ReadEveryCode,
                         ::testing::Values(CodeCase{6, 4}, CodeCase{6, 6}, CodeCase{12, 0},
                                           CodeCase{12, 4}, CodeCase{12, 6}, CodeCase{12, 8},
                                           CodeCase{12, 22}, CodeCase{24, 0}, CodeCase{24, 4},
                                           CodeCase{24, 8}, CodeCase{24, 12}, CodeCase{24, 16},
                                           CodeCase{24, 43}, CodeCase{24, 62}),
                         [](const ::testing::TestParamInfo<CodeCase>& info) {
                             const CodeCase& c = info.param;
                             return "Code" + std::to_string(c.first) + "_" +
                                    std::to_string(c.second);
                         });

TEST_F(ReadConfiguration, AskesIdentificationThenImageWithTheMandatedPauses) {
    ASSERT_NO_FATAL_FAILURE(Attach(24, 8, SampleImage(24, 8, 0)));
    const std::int64_t start = clock.now;
    device.readDevice();
    ASSERT_EQ(Functions(), (Bytes{kIdentify, kReadImage}));
    EXPECT_EQ(line.writes[0], (Bytes{0x01, 0x11, 0xC0, 0x2C}));
    EXPECT_EQ(line.writeTimes[0] - start, link.GetSendDelay());
    // The identification answer is read at once in test time.
    EXPECT_EQ(line.writeTimes[1] - line.writeTimes[0],
              DeviceConfiguration::kPauseBeforeImage + link.GetSendDelay());
}

TEST_F(ReadConfiguration, DeviceByteGivesAddressNumberAndExternalAcknowledge) {
    ASSERT_NO_FATAL_FAILURE(Attach(12, 4, SampleImage(12, 4, 0x25)));
    device.readDevice();
    EXPECT_EQ(model.LinkAddressIndex, 5);
    EXPECT_EQ(model.DeviceNumberIndex, 5);
    EXPECT_EQ(window.linkAddress, 5);
    EXPECT_EQ(window.deviceNumber, 5);
    EXPECT_EQ(window.caption, "Программатор ВИЛ-3K устройство 6");
    EXPECT_TRUE(view.header.extAckDown);
    EXPECT_TRUE(view.at(Family::Title, TitleExtAckInput).visible);
    // The next exchange goes to the device's own number.
    line.writes.clear();
    sim->address = 6;
    device.readDevice();
    EXPECT_EQ(line.writes.at(0).at(0), 6);
}

// The window offers to save the edits before the read; the scheme read is
// what the device holds, with nothing to lose.
TEST_F(ReadConfiguration, ReplacesUnsavedEditsWithTheDevicesUnmodifiedScheme) {
    ShowScheme(6, 6);
    model.Modified = 1;
    ASSERT_NO_FATAL_FAILURE(Attach(24, 8, SampleImage(24, 8, 0)));
    device.readDevice();
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(model.ExecFirst, 24);
    EXPECT_EQ(model.Modified, 0);
    ExpectSameModel(model, DirectLoad(24, 8, SampleImage(24, 8, 0)).model);
}

// Failures: the message, which requests went out, and that nothing was loaded.
struct FailureCase {
    const char* name;
    int first, second;
    SimFaults faults;
    std::uint8_t deviceByte;
    std::string text; // "N" stands for the device number
    Bytes functions;
};

// Test names in the listings instead of raw bytes.
void PrintTo(const FailureCase& c, std::ostream* os) {
    *os << c.name;
}

class ReadFailure : public ::testing::TestWithParam<FailureCase>, public DeviceFixture {};

SimFaults Status(int s) {
    SimFaults f;
    f.status = static_cast<std::uint8_t>(s);
    return f;
}
SimFaults ImageCount(int n) {
    SimFaults f;
    f.imageCount = n;
    return f;
}
SimFaults Exception(int function, int code) {
    SimFaults f;
    f.exceptionFunction = function;
    f.exceptionCode = code;
    return f;
}

TEST_P(ReadFailure, ReportsAndLoadsNothing) {
    const FailureCase& c = GetParam();
    ShowScheme(6, 4);
    model.LinkAddressIndex = model.DeviceNumberIndex = 2;
    const auto before = model.Channels;
    Image image = SampleImage(24, 8, c.deviceByte);
    ASSERT_NO_FATAL_FAILURE(Attach(c.first, c.second, image, 3, c.faults));
    device.readDevice();
    std::string text = c.text;
    if (const auto at = text.find('N'); at != std::string::npos && text[0] == 'N')
        text.replace(at, 1, "устройство 3");
    EXPECT_EQ(Texts(), std::vector<std::string>{text});
    EXPECT_EQ(Functions(), c.functions);
    EXPECT_EQ(model.Channels, before) << "the scheme stays";
    EXPECT_EQ(model.LinkAddressIndex, 2);
    EXPECT_EQ(model.DeviceNumberIndex, 2);
    EXPECT_TRUE(window.caption.empty());
    // Whatever happened, the command ends the same way.
    ASSERT_GE(window.log.size(), 5u);
    EXPECT_EQ(window.log.front(), "top");
    EXPECT_EQ(window.log[1], "time-date off");
    const std::vector<std::string> last(window.log.end() - 3, window.log.end());
    EXPECT_EQ(last, (std::vector<std::string>{"time-date on", "top", "focus scheme"}));
}

INSTANTIATE_TEST_SUITE_P(
    Steps, ReadFailure,
    ::testing::Values(
        FailureCase{"TypeNotDetermined",
                    24,
                    8,
                    Status(1),
                    0,
                    "N - не определен тип прибора\nДанные не считаны",
                    {kIdentify}},
        FailureCase{"NoExecutionCode", 0, 0, {}, 0, "Задайте конфигурацию ", {kIdentify}},
        FailureCase{"CodeOutsideTheFamily",
                    7,
                    3,
                    {},
                    0,
                    std::string("N") + " - неизвестный код исполнения " +
                        "07-03\nДанные не считаны",
                    {kIdentify}},
        FailureCase{"ImageOfAnotherSize",
                    24,
                    8,
                    ImageCount(200),
                    0,
                    "N - не ВИЛ-3К",
                    {kIdentify, kReadImage}},
        FailureCase{"Address32",
                    24,
                    8,
                    {},
                    0x3F,
                    std::string("N") +
                        " - в конфигурации записан номер устройства 32, допустимы 1..31" +
                        "\nДанные не считаны",
                    {kIdentify, kReadImage}},
        FailureCase{"BusyImage",
                    24,
                    8,
                    Exception(0x44, 6),
                    0,
                    "устройство 3 COM1 Идет запись базы данных. Ждите.",
                    {kIdentify, kReadImage}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ReadConfiguration, DeviceWithoutCodeOffersToSetOne) {
    ShowScheme(24, 8);
    ASSERT_NO_FATAL_FAILURE(Attach(0, 0, {}));
    device.readDevice();
    EXPECT_TRUE(view.header.setConfigVisible);
    EXPECT_EQ(window.first.value, "0");
    EXPECT_EQ(window.second.value, "0");
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].caption, "Предупреждение");
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Warning);
}

TEST_F(ReadConfiguration, CodeOutsideTheFamilyChangesNothing) {
    ShowScheme(12, 6);
    const int channels = model.ChannelCount;
    ASSERT_NO_FATAL_FAILURE(Attach(24, 5, {}));
    device.readDevice();
    EXPECT_EQ(model.ExecFirst, 12);
    EXPECT_EQ(model.ExecSecond, 6);
    EXPECT_EQ(model.ChannelCount, channels);
    EXPECT_EQ(model.DeviceStatus, -1) << "nothing taken from the answer";
    EXPECT_EQ(window.first.value, "12");
}

TEST_F(ReadConfiguration, RepairedImageIsLoadedAndReportedWithItsAcknowledge) {
    Image image = SampleImage(24, 8, 0x21);
    // Block 1 of a 24-08 image (32 channels) with an unknown type.
    image[4 * 32] = 9;
    ASSERT_NO_FATAL_FAILURE(Attach(24, 8, image));
    device.readDevice();
    // Block 2 of the sample takes the output of block 1, which is gone now.
    ASSERT_EQ(Texts().size(), 2u);
    EXPECT_EQ(Texts()[0], "при чтении БД обнаружены и исправлены ошибки");
    EXPECT_NE(Texts()[1].find("\nФБ 2, вход 1: выход ФБ 1 — ФБ 1 не запрограммирован\n"),
              std::string::npos);
    EXPECT_EQ(messages.shown[0].caption, "Ошибка");
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Error);
    EXPECT_EQ(model.Repaired, 1);
    EXPECT_EQ(model.SchemeCreated, 1);
    EXPECT_EQ(model.LinkAddressIndex, 1);
    EXPECT_TRUE(view.header.extAckDown);
}

TEST_F(ReadConfiguration, OutOfRangeValuesAreKeptAndNamedInOneWarning) {
    Image image = SampleImage(24, 8, 0);
    image[4 * 4 + 3] = 63;        // input 5: 63 delay units of 1 s
    image[4 * 32 + 9 + 5] = 0x9E; // block 2: alarm on cell 30 of a 24-cell panel
    ASSERT_NO_FATAL_FAILURE(Attach(24, 8, image));
    device.readDevice();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text,
              "Конфигурация содержит значения, которых редактор не задаёт. Проверьте их перед "
              "записью в прибор:\nвход 5: задержка 63 с — больше 60\nФБ 2: ячейка табло 30 — "
              "больше 24");
    EXPECT_EQ(messages.shown[0].caption, "Предупреждение");
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Warning);
    EXPECT_EQ(model.Channels[4][3], 63);
}

TEST_F(ReadConfiguration, ClosedPortSendsNothing) {
    device.readDevice();
    EXPECT_TRUE(line.writes.empty());
    EXPECT_EQ(Texts(), std::vector<std::string>{"Не выбран COM-порт."});
}

} // namespace
