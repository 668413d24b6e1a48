// What the status bar says about the link and the device commands.

#include "device/DeviceStatus.h"
#include "tests/device/DeviceFixture.h"

namespace {

TEST(DeviceStatus, PortAccessAndDevice) {
    FakeClock clock;
    FakeSerialLine line(clock);
    FakeMessages messages;
    DeviceLink link(line, clock, messages);
    EXPECT_EQ(PortStatusText(link), "Порт закрыт");
    link.PortName = "COM3";
    link.BaudRate = "19200";
    link.Parity = "E";
    link.StopBits = "1";
    ASSERT_EQ(link.SetupPort(), 0);
    EXPECT_EQ(PortStatusText(link), "COM3 19200 8E1");
    link.ClosePort();
    EXPECT_EQ(PortStatusText(link), "Порт закрыт");
    // A port that failed says why until it opens again.
    line.openResult = OpenResult::Failed;
    ASSERT_EQ(link.SetupPort(), -1);
    EXPECT_EQ(PortStatusText(link), "Порт закрыт: COM3 не открывается (line error)");
    line.openResult = OpenResult::Opened;
    ASSERT_EQ(link.SetupPort(), 0);
    EXPECT_EQ(PortStatusText(link), "COM3 19200 8E1");

    SessionFixture<> s;
    ConfigurationModel& model = s.model;
    model.AccessLevel = 1;
    EXPECT_EQ(AccessStatusText(model), "Полный доступ");
    model.AccessLevel = 0;
    EXPECT_EQ(AccessStatusText(model), "Только просмотр");
    EXPECT_EQ(DeviceStatusText(4), "Устройство 5");
}

TEST(DeviceStatus, ProgressAndOutcomeOfEveryKind) {
    using K = DeviceCommandKind;
    EXPECT_EQ(ProgressStatusText(K::Read, 4, 1), "Устройство 5: чтение конфигурации…");
    EXPECT_EQ(ProgressStatusText(K::Write, 0, 3), "Устройство 1: запись конфигурации… попытка 3");
    EXPECT_EQ(ProgressStatusText(K::Compare, 4, 1), "Устройство 5: чтение конфигурации…");
    struct Row {
        K kind;
        bool done;
        ExchangeResult last;
        const char* text;
    };
    const Row rows[] = {
        {K::Read, true, 0, "Конфигурация прочитана"},
        {K::Write, true, 0, "Конфигурация записана"},
        {K::Compare, true, 0, "Сравнение выполнено"},
        {K::Compare, false, 0, "Конфигурация не прочитана"},
        {K::Compare, false, 130, "Устройство 5 не отвечает"},
        {K::Read, false, 0, "Конфигурация не прочитана"},
        {K::Write, false, 0, "Конфигурация не записана"},
        {K::Read, false, 130, "Устройство 5 не отвечает"},
        {K::Write, false, 129, "Устройство 5: ответ оборван"},
        {K::Read, false, 131, "Устройство 5: ошибка контрольной суммы"},
        {K::Write, false, 6, "Устройство 5: идет запись базы данных"},
        {K::Read, false, 256, "Порт закрыт"},
        {K::Read, false, 512, "COM-порт отключен"},
        {K::Read, false, 2, "Устройство 5: ошибка обмена 02"},
        {K::Write, false, 128, "Устройство 5: ошибка обмена 80"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(OutcomeStatusText(row.kind, 4, row.done, row.last), row.text);
    }
}

// The link tells its observer of every retry and of each exchange's result.
struct ObservedRead : ::testing::Test, DeviceFixture {};

TEST_F(ObservedRead, RetriesOfASilentDeviceAndTheResult) {
    SimFaults silent;
    silent.silent = true;
    ASSERT_NO_FATAL_FAILURE(Attach(24, 8, SampleImage(24, 8, 0x00), 1, silent));
    link.SetHeaderRetries(3);
    std::vector<int> attempts;
    std::vector<ExchangeResult> results;
    link.SetObserver({[&](int attempt) { attempts.push_back(attempt); },
                      [&](ExchangeResult result) { results.push_back(result); }});
    EXPECT_FALSE(device.readDevice());
    EXPECT_EQ(attempts, (std::vector<int>{2, 3}));
    EXPECT_EQ(results, (std::vector<ExchangeResult>{130}));
}

TEST_F(ObservedRead, AGoodReadReportsTwoExchangesAndNoRetry) {
    ASSERT_NO_FATAL_FAILURE(Attach(24, 8, SampleImage(24, 8, 0x00)));
    int retries = 0;
    std::vector<ExchangeResult> results;
    link.SetObserver(
        {[&](int) { ++retries; }, [&](ExchangeResult result) { results.push_back(result); }});
    EXPECT_TRUE(device.readDevice());
    EXPECT_EQ(retries, 0);
    EXPECT_EQ(results, (std::vector<ExchangeResult>{0, 0}));
}

} // namespace
