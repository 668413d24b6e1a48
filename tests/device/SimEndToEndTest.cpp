// The device commands through the real serial layer against vil3k-sim on a
// pseudo-terminal.

#include "files/SchemeFile.h"
#include "link/serial/QtSerialLine.h"
#include "support/SimProcess.h"
#include "tests/device/DeviceFixture.h"
#include "ui/Clock.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <memory>

namespace {

class SimEndToEnd : public ::testing::Test {
protected:
    void Start(const QStringList& arguments) {
        sim = std::make_unique<SimProcess>(arguments + QStringList{"--timeout", "60"});
        ASSERT_FALSE(sim->ptyPath().isEmpty()) << "vil3k-sim did not start";
        sim->exposeAs("COM7");
        link.PortName = "COM7";
        ASSERT_EQ(link.SetupPort(), 0);
    }
    // A scheme file as the simulator takes it: header, image, blank names.
    QString SchemeFile(int first, int second, const Image& image) {
        QByteArray bytes(4, '\0');
        bytes[1] = static_cast<char>(first);
        bytes[2] = static_cast<char>(second);
        bytes[3] = static_cast<char>(image[kDeviceByteOffset]);
        bytes.append(reinterpret_cast<const char*>(image.data()), kImageSize);
        bytes.append(QByteArray(10 * 32 + 160, ' '));
        const QString path = dir.filePath(QString("%1-%2.vil").arg(first).arg(second));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
    // The simulator stores the dump once it has taken the image.
    Bytes Dump() const {
        QElapsedTimer waited;
        waited.start();
        Bytes dump;
        while ((dump = SimProcess::readDump(dumpPath)).empty() && waited.elapsed() < 3000)
            QThread::msleep(10);
        return dump;
    }
    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const MessageBox& box : messages.shown)
            texts.push_back(box.text);
        return texts;
    }
    void ShowChangedScheme() {
        BuildSampleScheme(s.session, 24, 8);
        window.showExecCode(24, 8);
        model.Channels[0][3] = 17; // a delay edited
        model.Modified = 1;
        model.AccessLevel = 1;
    }

    QTemporaryDir dir;
    QString dumpPath = dir.filePath("dump");
    std::unique_ptr<SimProcess> sim;
    SystemClock clock;
    QtSerialLine line;
    SessionFixture<> s;
    FakeMessages& messages = s.messages;
    ConfigurationModel& model = s.model;
    SchemeView& view = s.view;
    RecordingWindow& window = s.window;
    DeviceLink link{line, clock, messages};
    DeviceConfiguration device{s.session, link};
};

TEST_F(SimEndToEnd, ReadGivesWhatLoadingTheImageDirectlyGives) {
    for (const auto& [first, second] : {std::pair{24, 8}, {6, 4}, {12, 22}, {24, 62}}) {
        SCOPED_TRACE(testing::Message() << first << "-" << second);
        const Image image = SampleImage(first, second, 0x23);
        ASSERT_NO_FATAL_FAILURE(Start({"--file", SchemeFile(first, second, image)}));
        model.LinkAddressIndex = 3;
        device.readDevice();
        EXPECT_TRUE(Texts().empty());
        const DirectLoad direct(first, second, image);
        ExpectSameModel(model, direct.model);
        ExpectSameView(view, direct.view);
        EXPECT_EQ(window.caption, "Программатор ВИЛ-3K устройство 4");
    }
}

TEST_F(SimEndToEnd, WriteStoresThePackedImageAndMovesTheAddress) {
    ASSERT_NO_FATAL_FAILURE(Start({"--code", "24-08", "--dump", dumpPath}));
    ShowChangedScheme();
    model.DeviceNumberIndex = 9;
    messages.answers = {Answer::No};
    device.writeDevice();
    const Bytes dump = Dump();
    ASSERT_EQ(dump.size(), 251u);
    ConfigurationModel expected = model;
    expected.SetDeviceByte(9);
    expected.PackImage();
    EXPECT_EQ(Bytes(dump.begin(), dump.begin() + kImageSize),
              Bytes(expected.ImageBuffer.begin(), expected.ImageBuffer.end()));
    EXPECT_EQ(dump[kImageSize], 10) << "the device answers at its new number";
    EXPECT_EQ(model.Modified, 0);
    EXPECT_EQ(model.LinkAddressIndex, 9);

    // Reading back from the new address gives the scheme that was written.
    ConfigurationModel written = model;
    device.readDevice();
    EXPECT_TRUE(Texts() == std::vector<std::string>{"Данные переданы. Запросить подтверждение?"});
    EXPECT_EQ(model.Channels, written.Channels);
    EXPECT_EQ(model.FunctionBlocks, written.FunctionBlocks);
    EXPECT_EQ(model.Channels[0][3], 17);
}

TEST_F(SimEndToEnd, BusyConfirmationIsReportedAndTheWriteStands) {
    ASSERT_NO_FATAL_FAILURE(Start({"--code", "24-08", "--dump", dumpPath, "--busy", "1"}));
    ShowChangedScheme();
    messages.answers = {Answer::Yes};
    device.writeDevice();
    EXPECT_EQ(Texts(),
              (std::vector<std::string>{"Данные переданы. Запросить подтверждение?",
                                        "устройство 1 COM7 Идет запись базы данных. Ждите."}));
    EXPECT_EQ(Dump().size(), 251u);
    EXPECT_EQ(model.Modified, 0);
}

TEST_F(SimEndToEnd, OtherExecutionCodeIsNotWritten) {
    ASSERT_NO_FATAL_FAILURE(Start({"--code", "12-04", "--dump", dumpPath}));
    ShowChangedScheme();
    device.writeDevice();
    EXPECT_EQ(Texts(), std::vector<std::string>{std::string("Передаваемая конфигурация") + "\n" +
                                                "не соответствует существующей"});
    EXPECT_TRUE(SimProcess::readDump(dumpPath).empty());
    EXPECT_EQ(model.Modified, 1);
}

TEST_F(SimEndToEnd, ReadingOverUnsavedEditsGivesTheDevicesUnmodifiedScheme) {
    const Image image = SampleImage(12, 8, 0x00);
    ASSERT_NO_FATAL_FAILURE(Start({"--file", SchemeFile(12, 8, image)}));
    ShowChangedScheme();
    device.readDevice();
    EXPECT_TRUE(Texts().empty());
    EXPECT_EQ(model.ExecFirst, 12);
    EXPECT_EQ(model.Modified, 0);
    ExpectSameModel(model, DirectLoad(12, 8, image).model);
}

// The example schemes shipped with the program, as a device holds them.
QFileInfoList ExampleFiles() {
    return QDir(QString(VIL3K_SOURCE_ROOT) + "/examples")
        .entryInfoList({"*.vil"}, QDir::Files, QDir::Name);
}

TEST_F(SimEndToEnd, EveryExampleReadFromADeviceAsOpenedFromItsFile) {
    const QFileInfoList examples = ExampleFiles();
    ASSERT_GE(examples.size(), 5);
    for (const QFileInfo& example : examples) {
        SCOPED_TRACE(example.fileName().toStdString());
        QString error;
        const std::optional<SchemeFileData> file = ReadSchemeFile(example.filePath(), error);
        ASSERT_TRUE(file) << error.toStdString();
        ASSERT_NO_FATAL_FAILURE(Start({"--file", example.filePath()}));
        model.LinkAddressIndex = file->deviceByte & 0x1F;
        messages.shown.clear();
        device.readDevice();
        EXPECT_TRUE(Texts().empty()) << Texts().front();
        const DirectLoad opened(file->execFirst, file->execSecond, file->image);
        ExpectSameModel(model, opened.model);
        ExpectSameView(view, opened.view);
    }
}

struct SimFailure {
    const char* name;
    QStringList arguments;
    std::string text;
};

// Test names in the listings instead of raw bytes.
void PrintTo(const SimFailure& c, std::ostream* os) {
    *os << c.name;
}

class SimReadFailure : public SimEndToEnd, public ::testing::WithParamInterface<SimFailure> {};

TEST_P(SimReadFailure, IsReportedAndLoadsNothing) {
    ASSERT_NO_FATAL_FAILURE(Start(GetParam().arguments));
    device.readDevice();
    EXPECT_EQ(Texts(), std::vector<std::string>{GetParam().text});
    EXPECT_EQ(model.SchemeCreated, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, SimReadFailure,
    ::testing::Values(SimFailure{"Status1",
                                 {"--status", "1"},
                                 "устройство 1 - не определен тип прибора\nДанные не считаны"},
                      SimFailure{"NoCode", {"--code", "0-0"}, "Задайте конфигурацию "},
                      SimFailure{
                          "ImageCount200", {"--image-count", "200"}, "устройство 1 - не ВИЛ-3К"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
