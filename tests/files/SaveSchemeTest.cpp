#include "FileCommandsFixture.h"
#include "LayoutFiles.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

// A scheme opened from a file built from the layout, with full access.
struct Loaded : FileCommandsFixture {
    explicit Loaded(int first = 24, int second = 8, int channels = 32, std::uint8_t device = 0x24) {
        original = layoutFile(first, second, channels, device);
        writeRawFile(QString::fromStdString(path("in.vil")), original);
        open(path("in.vil"));
        model.AccessLevel = 1;
    }
    QByteArray original;
};

struct CodeCase {
    int first, second, channels;
    std::uint8_t deviceByte;
};
void PrintTo(const CodeCase& c, std::ostream* os) {
    *os << c.first << "-" << c.second;
}

class EveryCodeRoundTrip : public ::testing::TestWithParam<CodeCase> {};

TEST_P(EveryCodeRoundTrip, OpenThenSaveReproducesTheFile) {
    const auto [first, second, channels, device] = GetParam();
    Loaded f(first, second, channels, device);
    ASSERT_TRUE(f.messages.shown.empty());
    f.save(f.path("out.vil"));
    ASSERT_EQ(f.messages.shown.size(), 1u); // only the question about unchanged data
    const auto written = rawFile(f.dir.file("out.vil"));
    ASSERT_TRUE(written);
    EXPECT_EQ(written->size(), 414 + 10 * channels);
    EXPECT_EQ(*written, f.original);
}

INSTANTIATE_TEST_SUITE_P(Codes, EveryCodeRoundTrip,
                         ::testing::Values(CodeCase{6, 4, 10, 0x20}, CodeCase{6, 6, 8, 0x00},
                                           CodeCase{12, 0, 12, 0x01}, CodeCase{12, 4, 16, 0x22},
                                           CodeCase{12, 6, 14, 0x03}, CodeCase{12, 8, 12, 0x04},
                                           CodeCase{12, 22, 12, 0x05}, CodeCase{24, 0, 24, 0x06},
                                           CodeCase{24, 4, 28, 0x27}, CodeCase{24, 8, 32, 0x24},
                                           CodeCase{24, 12, 28, 0x09}, CodeCase{24, 16, 24, 0x0A},
                                           CodeCase{24, 43, 28, 0x2B}, CodeCase{24, 62, 28, 0x1E}),
                         [](const ::testing::TestParamInfo<CodeCase>& info) {
                             const CodeCase& c = info.param;
                             return "Code" + std::to_string(c.first) + "_" +
                                    std::to_string(c.second);
                         });

TEST(SaveScheme, WritesTheDeviceNumberAndAcknowledgeOfTheWindow) {
    Loaded f;
    f.model.DeviceNumberIndex = 9; // "Изм. № устр." 10
    f.view.ShowExternalAck(false);
    f.model.Modified = 1;
    f.save(f.path("out.vil"));
    EXPECT_TRUE(f.messages.shown.empty());
    const QByteArray written = *rawFile(f.dir.file("out.vil"));
    ASSERT_EQ(written.size(), 734);
    EXPECT_EQ(written.left(4), QByteArray::fromHex("00180809"));
    EXPECT_EQ(written[4 + 249], '\x09');
    EXPECT_EQ(f.model.Modified, 0);
    EXPECT_EQ(f.window.caption, "Программатор ВИЛ-3K - файл " + f.path("out.vil"));
    EXPECT_EQ(f.commands.fileName(), f.path("out.vil"));

    f.view.ShowExternalAck(true);
    f.save(f.path("ack.vil"));
    EXPECT_EQ(rawFile(f.dir.file("ack.vil"))->at(3), '\x29');
}

TEST(SaveScheme, NamesAsTheirFieldsHoldThem) {
    Loaded f(6, 6, 8, 0);
    f.view.at(Family::InputName, 0).caption = "ABC";
    f.view.at(Family::InputName, 1).caption = "(null)";
    f.view.at(Family::InputName, 2).caption = "";
    f.view.at(Family::InputName, 24).caption = "Щ123456789"; // image index 6
    f.view.at(Family::OutputName, 15).caption = "";
    f.save(f.path("n.vil"));
    const QByteArray written = *rawFile(f.dir.file("n.vil"));
    ASSERT_EQ(written.size(), 494);
    EXPECT_EQ(written.mid(254, 10), QByteArray("ABC\0      ", 10));
    EXPECT_EQ(written.mid(264, 10), QByteArray(10, ' '));
    EXPECT_EQ(f.view.at(Family::InputName, 1).caption, QString(10, ' '));
    EXPECT_EQ(written.mid(274, 10), QByteArray(10, ' '));
    EXPECT_EQ(written.mid(254 + 60, 10), QByteArray::fromHex("d9313233343536373839"));
    EXPECT_EQ(written.right(10), QByteArray(10, ' '));
}

TEST(SaveScheme, RefusedWithoutWriteAccess) {
    Loaded f;
    f.model.AccessLevel = 0;
    f.model.Modified = 1;
    f.dialogs.savePaths.push_back(f.path("out.vil"));
    f.commands.SaveScheme();
    ASSERT_EQ(f.messages.shown.size(), 1u);
    EXPECT_EQ(f.messages.shown[0].text,
              "Ваш уровень доступа не позволяет\nпроизводить запись в файл");
    EXPECT_EQ(f.messages.shown[0].caption, "Предупреждение");
    EXPECT_EQ(f.messages.shown[0].icon, MessageIcon::Warning);
    EXPECT_EQ(f.dialogs.saved, 0);
    EXPECT_EQ(f.model.Modified, 1);
}

TEST(SaveScheme, WithoutASchemeOffersToCreateOrLeave) {
    for (Answer answer : {Answer::No, Answer::Yes}) {
        FileCommandsFixture f;
        f.model.AccessLevel = 1;
        f.messages.answers.push_back(answer);
        f.commands.SaveScheme();
        ASSERT_EQ(f.messages.shown.size(), 1u);
        EXPECT_EQ(f.messages.shown[0].text, "Схема не создана. Будете создавать?");
        EXPECT_EQ(f.window.exitRequests, answer == Answer::No ? 1 : 0);
        EXPECT_EQ(f.dialogs.saved, 0);
    }
}

TEST(SaveScheme, UnchangedDataAsksFirstWithNoAsDefault) {
    Loaded f;
    f.dialogs.savePaths.push_back(f.path("out.vil"));
    f.commands.SaveScheme(); // the fake answers the default
    ASSERT_EQ(f.messages.shown.size(), 1u);
    const MessageBox& box = f.messages.shown[0];
    EXPECT_EQ(box.text, "Данные не были изменены. Сохранить?");
    EXPECT_EQ(box.caption, "Подтвердите запись в файл");
    EXPECT_EQ(box.icon, MessageIcon::Question);
    EXPECT_EQ(box.buttons, MessageButtons::YesNo);
    EXPECT_EQ(box.defaultButton, Answer::No);
    EXPECT_EQ(f.dialogs.saved, 0);
    EXPECT_FALSE(QFile::exists(f.dir.file("out.vil")));
    EXPECT_EQ(f.window.firstControlFocus, 1);
}

TEST(SaveScheme, ACodeFieldThatFailsItsCheckStopsTheSave) {
    Loaded f;
    f.model.Modified = 1;
    f.window.second.value = "";
    f.dialogs.savePaths.push_back(f.path("out.vil"));
    f.commands.SaveScheme();
    EXPECT_EQ(f.dialogs.saved, 0);
    ASSERT_EQ(f.messages.shown.size(), 1u);
    EXPECT_EQ(f.messages.shown[0].text, " Ошибка ввода ");
    EXPECT_EQ(f.window.second.value, "00");
    EXPECT_EQ(f.model.Modified, 1);
}

struct NameCase {
    const char* what;
    std::vector<std::string> answers; // relative to the scratch directory
    int warnings;
    const char* written; // nothing written when null
};
void PrintTo(const NameCase& c, std::ostream* os) {
    *os << c.what;
}

class ExtensionRule : public ::testing::TestWithParam<NameCase> {};

TEST_P(ExtensionRule, NameChosenInTheDialog) {
    const NameCase& c = GetParam();
    Loaded f;
    f.model.Modified = 1;
    for (const std::string& name : c.answers)
        f.dialogs.savePaths.push_back(f.path(name.c_str()));
    f.commands.SaveScheme();
    EXPECT_EQ(f.dialogs.saved, static_cast<int>(c.answers.size()) + (c.written ? 0 : 1));
    ASSERT_EQ(static_cast<int>(f.messages.shown.size()), c.warnings);
    for (const MessageBox& box : f.messages.shown) {
        EXPECT_EQ(box.text, "Неверно задано имя файла");
        EXPECT_EQ(box.caption, "Cохранение данных в файл");
        EXPECT_EQ(box.caption[0], 'C'); // the Latin letter
        EXPECT_EQ(box.icon, MessageIcon::Warning);
    }
    QStringList files = QDir(f.dir.path()).entryList(QDir::Files | QDir::NoDotAndDotDot);
    files.removeOne("in.vil");
    if (c.written) {
        ASSERT_EQ(files.size(), 1);
        EXPECT_EQ(files[0], c.written);
        EXPECT_EQ(f.model.Modified, 0);
    } else {
        EXPECT_TRUE(files.isEmpty());
        EXPECT_EQ(f.model.Modified, 1);
        EXPECT_EQ(f.window.schemeFocus, 2); // once after opening, once on cancel
    }
}

INSTANTIATE_TEST_SUITE_P(Names, ExtensionRule,
                         ::testing::Values(NameCase{"plain", {"a.vil"}, 0, "a.vil"},
                                           NameCase{"noExtension", {"scheme"}, 0, "scheme.vil"},
                                           NameCase{"txtThenVil", {"a.txt", "b.vil"}, 1, "b.vil"},
                                           NameCase{"upperCase", {"a.VIL", "a.txt"}, 2, nullptr},
                                           NameCase{"cancel", {}, 0, nullptr}),
                         [](const auto& info) { return std::string(info.param.what); });

TEST(SaveScheme, FolderNameWithADotStillGetsTheExtension) {
    Loaded f;
    f.model.Modified = 1;
    QDir(f.dir.path()).mkdir("d.dir");
    f.save(f.path("d.dir/x"));
    EXPECT_TRUE(f.messages.shown.empty());
    EXPECT_TRUE(QFile::exists(f.dir.file("d.dir/x.vil")));
}

// A save that cannot complete reports it and keeps the old file and the flags.
TEST(SaveScheme, FailedSaveKeepsTheOldFile) {
    Loaded f;
    const QString old = f.dir.file("in.vil");
    f.model.Modified = 1;
    f.view.at(Family::InputName, 0).caption = "Новое";
    const std::string captionBefore = f.window.caption;
    {
        ReadOnlyDirectory readOnly(f.dir.path());
        f.save(old.toStdString());
    }
    {
        FullDisk full(100);
        f.save(old.toStdString());
    }
    QDir(f.dir.path()).mkdir("folder.vil");
    f.save(f.path("folder.vil"));
    ASSERT_EQ(f.messages.shown.size(), 3u);
    for (const MessageBox& box : f.messages.shown) {
        EXPECT_EQ(box.text, "Файл не удается создать");
        EXPECT_EQ(box.caption, "Создание файла");
        EXPECT_EQ(box.icon, MessageIcon::Warning);
    }
    EXPECT_EQ(rawFile(old), f.original);
    EXPECT_TRUE(QFileInfo(f.dir.file("folder.vil")).isDir());
    EXPECT_EQ(f.model.Modified, 1);
    EXPECT_EQ(f.window.caption, captionBefore);
    EXPECT_EQ(f.commands.fileName(), old.toStdString());
    EXPECT_EQ(QDir(f.dir.path()).entryList(QDir::Files), QStringList{"in.vil"});
}

TEST(SaveScheme, OverwritesAnOldFileWhole) {
    Loaded f;
    f.model.Modified = 1;
    f.view.at(Family::InputName, 0).caption = "Новое";
    f.save(f.path("in.vil"));
    const QByteArray written = *rawFile(f.dir.file("in.vil"));
    ASSERT_EQ(written.size(), 734);
    EXPECT_EQ(written.mid(254, 10), QByteArray::fromHex("cdeee2eee5") + QByteArray("\0    ", 5));
}

} // namespace
