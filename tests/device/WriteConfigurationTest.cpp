// Writing the scheme into a device, step by step, on the scripted line.

#include "device/ExitQuestions.h"
#include "tests/device/DeviceFixture.h"

namespace {

constexpr std::uint8_t kIdentify = 0x11, kWriteImage = 0x45, kConfirm = 0x0E;
const std::string kMismatch =
    std::string("Передаваемая конфигурация") + "\n" + "не соответствует существующей";

class WriteConfiguration : public ::testing::Test, public DeviceFixture {
protected:
    void SetUp() override {
        ShowScheme(24, 8);
        model.AccessLevel = 1;
        model.Modified = 1;
    }
    // The image the scheme packs into with this device byte.
    Image Packed(std::uint8_t deviceByte) const {
        ConfigurationModel copy = model;
        copy.SetDeviceByte(deviceByte);
        copy.PackImage();
        return copy.ImageBuffer;
    }
    Image SentImage() const {
        for (const Bytes& w : line.writes)
            if (w.at(1) == kWriteImage) {
                Image image{};
                std::copy_n(w.begin() + 2, kImageSize, image.begin());
                return image;
            }
        ADD_FAILURE() << "no image was sent";
        return {};
    }
};

TEST_F(WriteConfiguration, SendsThePackedImageAndMovesToTheNewNumber) {
    ASSERT_NO_FATAL_FAILURE(Attach(24, 8, {}, 1));
    model.DeviceNumberIndex = 4;
    window.ackDown = true;
    const Image expected = Packed(0x24);
    messages.answers = {Answer::No}; // no confirmation
    device.writeDevice();
    EXPECT_EQ(Functions(), (Bytes{kIdentify, kWriteImage}));
    EXPECT_EQ(line.writes[1].size(), 254u);
    EXPECT_EQ(SentImage(), expected);
    EXPECT_EQ(sim->image, expected);
    EXPECT_EQ(sim->image[kDeviceByteOffset], 0x24);
    EXPECT_EQ(sim->address, 5);
    EXPECT_EQ(model.LinkAddressIndex, 4);
    EXPECT_EQ(window.linkAddress, 4);
    EXPECT_EQ(window.caption, "Программатор ВИЛ-3K устройство 5");
    EXPECT_EQ(model.Modified, 0);
    EXPECT_EQ(Texts(), std::vector<std::string>{"Данные переданы. Запросить подтверждение?"});
    EXPECT_EQ(messages.shown[0].caption, "Подтвердите необходимость запроса");
    EXPECT_EQ(window.log.front(), "focus first");
    EXPECT_EQ(window.log.back(), "focus scheme");
    EXPECT_EQ(line.writeTimes[1] - line.writeTimes[0],
              DeviceConfiguration::kPauseBeforeImage + link.GetSendDelay());
}

TEST_F(WriteConfiguration, ConfirmationAsksTheNewAddressASecondLater) {
    ASSERT_NO_FATAL_FAILURE(Attach(24, 8, {}, 1));
    model.DeviceNumberIndex = 6;
    messages.answers = {Answer::Yes};
    device.writeDevice();
    ASSERT_EQ(Functions(), (Bytes{kIdentify, kWriteImage, kConfirm}));
    EXPECT_EQ(line.writes[2][0], 7);
    EXPECT_EQ(line.writeTimes[2] - line.writeTimes[1],
              DeviceConfiguration::kPauseBeforeConfirm + link.GetSendDelay());
    EXPECT_EQ(Texts(), std::vector<std::string>{"Данные переданы. Запросить подтверждение?"})
        << "a confirmation is silent";
}

TEST_F(WriteConfiguration, BusyConfirmationIsReportedAndTheWriteStands) {
    SimFaults busy;
    busy.busyConfirmations = 1;
    ASSERT_NO_FATAL_FAILURE(Attach(24, 8, {}, 1, busy));
    messages.answers = {Answer::Yes};
    device.writeDevice();
    EXPECT_EQ(Texts(),
              (std::vector<std::string>{"Данные переданы. Запросить подтверждение?",
                                        "устройство 1 COM1 Идет запись базы данных. Ждите."}));
    EXPECT_EQ(sim->imageWrites, 1);
    EXPECT_EQ(model.Modified, 0);
    EXPECT_EQ(window.caption, "Программатор ВИЛ-3K устройство 1");
}

TEST_F(WriteConfiguration, UnchangedDataIsSentOnlyWhenAskedFor) {
    ASSERT_NO_FATAL_FAILURE(Attach(24, 8, {}, 1));
    model.Modified = 0;
    device.writeDevice(); // the default answer is No
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "Данные не были изменены.Передавать?");
    EXPECT_EQ(messages.shown[0].defaultButton, Answer::No);
    EXPECT_TRUE(line.writes.empty());
    messages.answers = {Answer::Yes, Answer::No};
    device.writeDevice();
    EXPECT_EQ(Functions(), (Bytes{kIdentify, kWriteImage}));
}

TEST_F(WriteConfiguration, AnswerOfAnotherFormKeepsTheSchemeCode) {
    ASSERT_NO_FATAL_FAILURE(Attach(24, 8, {}, 1));
    line.respond = [](const Bytes& request) -> FakeSerialLine::Answer {
        if (request[1] != kIdentify)
            return {};
        Bytes answer{0x01, kIdentify, 4, 12, 4, 0, 0};
        AppendCrc(answer);
        return {{0, answer}};
    };
    messages.answers = {Answer::No};
    device.writeDevice();
    EXPECT_EQ(Functions(), (Bytes{kIdentify, kWriteImage}));
    EXPECT_EQ(model.ExecFirst, 24);
}

// Refusals: the messages, the requests sent, and no image written.
struct RefusalCase {
    const char* name;
    int access;
    int deviceFirst, deviceSecond;
    int status;
    std::vector<std::string> texts;
    Bytes functions;
};

// Test names in the listings instead of raw bytes.
void PrintTo(const RefusalCase& c, std::ostream* os) {
    *os << c.name;
}

class WriteRefusal : public ::testing::TestWithParam<RefusalCase>, public DeviceFixture {};

TEST_P(WriteRefusal, SendsNoImage) {
    const RefusalCase& c = GetParam();
    ShowScheme(24, 8);
    model.AccessLevel = c.access;
    model.Modified = 1;
    SimFaults faults;
    faults.status = static_cast<std::uint8_t>(c.status);
    ASSERT_NO_FATAL_FAILURE(Attach(c.deviceFirst, c.deviceSecond, {}, 1, faults));
    device.writeDevice();
    EXPECT_EQ(Texts(), c.texts);
    EXPECT_EQ(Functions(), c.functions);
    EXPECT_EQ(sim->imageWrites, 0);
    EXPECT_EQ(model.Modified, 1);
    EXPECT_EQ(model.LinkAddressIndex, 0);
    EXPECT_TRUE(window.caption.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Steps, WriteRefusal,
    ::testing::Values(
        RefusalCase{"NoAccess",
                    0,
                    24,
                    8,
                    0,
                    {"Ваш уровень доступа не позволяет\nпроизводить вывод в СОМ-порт"},
                    {}},
        RefusalCase{"OtherCode", 1, 12, 4, 0, {kMismatch}, {kIdentify}},
        RefusalCase{"CodeOutsideTheFamily", 1, 7, 3, 0, {kMismatch}, {kIdentify}},
        RefusalCase{"NoCodeInTheDevice", 1, 0, 0, 0, {kMismatch}, {kIdentify}},
        RefusalCase{"TypeNotDetermined",
                    1,
                    24,
                    8,
                    1,
                    {"устройство 1 - не ВИЛ\nДанные не переданы"},
                    {kIdentify}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(WriteConfiguration, WithoutASchemeDecliningToCreateOneLeaves) {
    ASSERT_NO_FATAL_FAILURE(Attach(24, 8, {}, 1));
    model.SchemeCreated = 0;
    messages.answers = {Answer::No};
    device.writeDevice();
    EXPECT_EQ(window.log, (std::vector<std::string>{"focus first", "exit"}));
    messages.answers = {Answer::Yes};
    window.log.clear();
    device.writeDevice();
    EXPECT_EQ(window.log, std::vector<std::string>{"focus first"});
    EXPECT_TRUE(line.writes.empty());
}

TEST_F(WriteConfiguration, BadCodeFieldStopsBeforeTheLine) {
    ASSERT_NO_FATAL_FAILURE(Attach(24, 8, {}, 1));
    window.second.value = "9";
    device.writeDevice();
    EXPECT_TRUE(line.writes.empty());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, " Ошибка ввода ");
}

// A send that fails keeps the scheme marked changed, so the way out still
// offers to save or transfer it; the transfer then names the port lost, not a
// port never chosen.
TEST_F(WriteConfiguration, FailedSendKeepsTheChangesAndTheExitQuestions) {
    ASSERT_NO_FATAL_FAILURE(Attach(24, 8, {}, 1));
    const auto answer = line.respond;
    line.respond = [this, answer](const Bytes& request) {
        line.failWrite = true; // the adapter is pulled after the identification
        return answer(request);
    };
    device.writeDevice();
    EXPECT_EQ(Functions(), Bytes{kIdentify});
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text.rfind(
                  "COM-порт отключен. Проверьте оборудование, перезапустите программу.", 0),
              0u)
        << messages.shown[0].text;
    EXPECT_EQ(model.Modified, 1);
    EXPECT_TRUE(window.caption.empty());

    ExitQuestions exit(model, messages);
    exit.transfer = [this] { device.writeDevice(); };
    messages.shown.clear();
    messages.answers = {Answer::Yes, Answer::No, Answer::Yes, Answer::Ok, Answer::No, Answer::No};
    EXPECT_TRUE(exit.ExitCommand());
    EXPECT_EQ(model.Modified, 1);
    exit.Closing();
    EXPECT_EQ(Texts(),
              (std::vector<std::string>{"Действительно хотите закончить работу?",
                                        "Данные были изменены. Сохранить в файле?",
                                        "Данные были изменены. Передать?",
                                        "Порт закрыт: COM1 отключен (line error)",
                                        "Данные были изменены. Сохранить в файле?",
                                        "Данные были изменены. Передать?", "Работа закончена"}));
    EXPECT_EQ(model.Modified, 1);
}

} // namespace
