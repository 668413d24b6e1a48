#include "FileCommandsFixture.h"
#include "LayoutFiles.h"
#include "editor/TextField.h"

#include <QDir>
#include <gtest/gtest.h>

#include <random>

namespace {

TEST(OpenScheme, Code2408WithDeviceByte24) {
    FileCommandsFixture f;
    const std::string file = f.path("a.vil");
    const QByteArray bytes = layoutFile(24, 8, 32, 0x24);
    ASSERT_EQ(bytes.size(), 734);
    writeRawFile(QString::fromStdString(file), bytes);
    f.model.Modified = 1;

    f.open(file);

    EXPECT_TRUE(f.messages.shown.empty());
    EXPECT_EQ(f.model.ExecFirst, 24);
    EXPECT_EQ(f.model.ExecSecond, 8);
    EXPECT_EQ(f.window.first.value, "24");
    EXPECT_EQ(f.window.second.value, "8");
    EXPECT_EQ(f.model.SchemeCreated, 1);
    EXPECT_EQ(f.model.GetDeviceByte(), 0x24);
    EXPECT_EQ(f.model.LinkAddressIndex, 4);
    EXPECT_EQ(f.model.DeviceNumberIndex, 4);
    EXPECT_EQ(f.window.linkSelector, 4); // device 5
    EXPECT_EQ(f.window.deviceSelector, 4);
    EXPECT_EQ(f.window.caption, "Программатор ВИЛ-3K - файл " + file);
    EXPECT_EQ(f.commands.fileName(), file);
    EXPECT_TRUE(f.window.timeDateEnabled);
    EXPECT_EQ(f.window.scrollsToTop, 2);
    EXPECT_EQ(f.model.Modified, 0); // the scheme is its file: the changes before were dropped

    // Acknowledge on: button down, its label at the last channel's row.
    EXPECT_TRUE(f.window.externalAckDown());
    const Element& label = f.view.at(Family::Title, TitleExtAckInput);
    EXPECT_TRUE(label.visible);
    EXPECT_EQ(label.caption, "Вход внеш. квитир. ");
    EXPECT_EQ(f.view.ExternalAckRow(), 31);
    EXPECT_EQ(label.group, SchemeView::groupOfRow(31));
    EXPECT_EQ(label.rect.y, f.view.at(Family::InputNumber, 31).rect.y + 12);

    EXPECT_EQ(f.view.at(Family::InputName, 0).caption, "Вход-12345");
    EXPECT_EQ(f.view.at(Family::InputName, 31).caption, "Вход31");
    EXPECT_EQ(f.view.at(Family::OutputName, 0).caption, "Реле1");
    EXPECT_EQ(f.view.at(Family::OutputName, 15).caption, QString(10, ' '));
    // The records came from the image.
    EXPECT_EQ(f.model.Channels[3][0], 0x40 | 4);
    EXPECT_EQ(f.model.FunctionBlocks[1][0], 2);
    EXPECT_TRUE(f.view.at(Family::BlockBody, 1).visible);
}

TEST(OpenScheme, AcknowledgeOffLeavesTheButtonUp) {
    FileCommandsFixture f;
    writeRawFile(QString::fromStdString(f.path("b.vil")), layoutFile(6, 4, 10, 0x1E));
    f.open(f.path("b.vil"));
    EXPECT_TRUE(f.messages.shown.empty());
    EXPECT_FALSE(f.window.externalAckDown());
    EXPECT_FALSE(f.view.at(Family::Title, TitleExtAckInput).visible);
    EXPECT_EQ(f.window.deviceSelector, 30); // device 31, the last one the lists hold
    // Names follow the channel slots: image index 6 is the first additional input.
    EXPECT_EQ(f.view.at(Family::InputName, 24).caption, "Вход6");
}

// The names and the acknowledge switch still come in: a save after the repair
// keeps them in the file.
TEST(OpenScheme, RepairedBlocksAreReportedAndTheNamesKept) {
    FileCommandsFixture f;
    writeRawFile(QString::fromStdString(f.path("r.vil")), layoutFile(24, 8, 32, 0x24, 7));
    f.open(f.path("r.vil"));
    ASSERT_EQ(f.messages.shown.size(), 2u);
    EXPECT_EQ(f.messages.shown[0].text, "при чтении БД обнаружены и исправлены ошибки");
    EXPECT_EQ(f.messages.shown[0].caption, "Ошибка");
    EXPECT_EQ(f.messages.shown[0].icon, MessageIcon::Error);
    EXPECT_EQ(f.model.FunctionBlocks[0][0], 0);
    // Block 2 still takes the output of the block that was cleared.
    EXPECT_EQ(f.messages.shown[1].icon, MessageIcon::Warning);
    EXPECT_TRUE(f.messages.shown[1].text.ends_with(
        "\nФБ 2, вход 1: выход ФБ 1 — ФБ 1 не запрограммирован"));
    EXPECT_EQ(f.view.at(Family::InputName, 0).caption,
              DecodeTextField(channelNameField(0).constData()));
    EXPECT_EQ(f.view.at(Family::OutputName, 0).caption,
              DecodeTextField(outputNameField(0).constData()));
    EXPECT_TRUE(f.window.externalAckDown());
    EXPECT_EQ(f.window.deviceSelector, 4);
    EXPECT_EQ(f.model.Modified, 1) << "repaired: no longer what the file holds";
}

TEST(OpenScheme, CancelChangesNothing) {
    FileCommandsFixture f;
    f.commands.OpenScheme();
    EXPECT_EQ(f.dialogs.opened, 1);
    EXPECT_TRUE(f.messages.shown.empty());
    EXPECT_EQ(f.model.SchemeCreated, 0);
    EXPECT_EQ(f.window.caption, "Программатор");
    EXPECT_FALSE(f.window.timeDateEnabled);
}

// What a refused file must not touch.
struct ProgramState {
    int first, second, modified, created, link, device;
    std::array<std::uint8_t, kImageSize> image;
    std::array<ChannelRecord, kChannelSlots> channels;
    std::array<FbRecord, kFunctionBlocks> blocks;
    std::vector<QString> names;
    std::string fieldA, fieldB, caption, fileName;
    int linkSelector, deviceSelector;
    bool ackDown;
    bool operator==(const ProgramState&) const = default;
};

ProgramState stateOf(const FileCommandsFixture& f) {
    ProgramState s{f.model.ExecFirst,         f.model.ExecSecond,
                   f.model.Modified,          f.model.SchemeCreated,
                   f.model.LinkAddressIndex,  f.model.DeviceNumberIndex,
                   f.model.ImageBuffer,       f.model.Channels,
                   f.model.FunctionBlocks,    {},
                   f.window.first.value,      f.window.second.value,
                   f.window.caption,          f.commands.fileName(),
                   f.window.linkSelector,     f.window.deviceSelector,
                   f.window.externalAckDown()};
    for (int r = 0; r < kChannelSlots; ++r)
        s.names.push_back(f.view.at(Family::InputName, r).caption);
    for (int j = 0; j < kOutputLines; ++j)
        s.names.push_back(f.view.at(Family::OutputName, j).caption);
    return s;
}

QByteArray randomBytes(int size) {
    std::mt19937 random(1234);
    QByteArray bytes;
    for (int i = 0; i < size; ++i)
        bytes += static_cast<char>(random() & 0xFF);
    return bytes;
}

struct BadFile {
    const char* what;
    QByteArray bytes;
};
void PrintTo(const BadFile& c, std::ostream* os) {
    *os << c.what;
}

class RefusedOpen : public ::testing::TestWithParam<BadFile> {};

TEST_P(RefusedOpen, OneWarningAndNothingChanged) {
    FileCommandsFixture f;
    const std::string good = f.path("good.vil");
    writeRawFile(QString::fromStdString(good), layoutFile(12, 4, 16, 0x22));
    f.open(good);
    ASSERT_TRUE(f.messages.shown.empty());
    f.model.Modified = 1;
    const ProgramState before = stateOf(f);

    const std::string bad = f.path("bad.vil");
    writeRawFile(QString::fromStdString(bad), GetParam().bytes);
    f.open(bad);

    ASSERT_EQ(f.messages.shown.size(), 1u);
    const MessageBox& box = f.messages.shown[0];
    EXPECT_EQ(box.caption, "Открытие файла");
    EXPECT_EQ(box.icon, MessageIcon::Warning);
    const QStringList lines = QString::fromStdString(box.text).split('\n');
    ASSERT_EQ(lines.size(), 3) << box.text;
    EXPECT_EQ(lines[0], "Файл не удается открыть");
    EXPECT_EQ(lines[1].toStdString(), bad);
    EXPECT_FALSE(lines[2].isEmpty());
    EXPECT_TRUE(stateOf(f) == before);
}

INSTANTIATE_TEST_SUITE_P(
    Files, RefusedOpen,
    ::testing::Values(BadFile{"truncated", layoutFile(24, 8, 32, 0x24).chopped(1)},
                      BadFile{"overlong", layoutFile(24, 8, 32, 0x24) + ' '},
                      BadFile{"code0705", layoutFile(7, 5, 10, 0)},
                      BadFile{"code4000", layoutFile(40, 0, 24, 0)}, BadFile{"empty", {}},
                      BadFile{"header", QByteArray(3, '\0')}, BadFile{"random", randomBytes(600)},
                      BadFile{"device32", layoutFile(24, 8, 32, 0x1F)},
                      BadFile{"device32ack", layoutFile(6, 6, 8, 0x3F)}),
    [](const auto& info) { return std::string(info.param.what); });

TEST(OpenScheme, AFileThatCannotBeOpenedIsNamedWithTheReason) {
    FileCommandsFixture f;
    for (const std::string& path : {f.path("missing.vil"), f.dir.path().toStdString()}) {
        f.messages.shown.clear();
        f.open(path);
        ASSERT_EQ(f.messages.shown.size(), 1u) << path;
        const QStringList lines = QString::fromStdString(f.messages.shown[0].text).split('\n');
        ASSERT_EQ(lines.size(), 3) << f.messages.shown[0].text;
        EXPECT_EQ(lines[0], "Файл не удается открыть");
        EXPECT_EQ(lines[1].toStdString(), path);
        EXPECT_FALSE(lines[2].trimmed().isEmpty()) << "the reason";
        EXPECT_EQ(f.messages.shown[0].caption, "Открытие файла");
        EXPECT_EQ(f.messages.shown[0].icon, MessageIcon::Warning);
        EXPECT_EQ(f.model.SchemeCreated, 0);
    }
}

} // namespace
