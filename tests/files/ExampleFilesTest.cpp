#include "FileCommandsFixture.h"
#include "support/SampleSchemes.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

#include <cstdlib>

// The example schemes under examples/ are written by the program's own save
// command. Run with VIL3K_WRITE_EXAMPLES=1 to write them again.
namespace {

struct Example {
    const char* name;
    int first, second, blocks, deviceIndex;
    bool externalAck;
};

const Example kExamples[] = {
    {"06-06", 6, 6, 3, 0, false},  {"12-04", 12, 4, 5, 2, false},   {"12-22", 12, 22, 4, 6, false},
    {"24-08", 24, 8, 13, 4, true}, {"24-43", 24, 43, 7, 11, false},
};

const char* const kInputNames[] = {
    "Давл. газа", "Темп.масла", "Уровень",    "Пожар",     "Загазован.", "Вибрация",
    "Дым",        "",           "Насос 1",    "Насос 2",   "Клапан",     "Задвижка",
    "Вентилятор", "Компрессор", "Т подшипн.", "Питание",   "Сеть 380 В", "Авар. стоп",
    "Дверь",      "Люк",        "Подача",     "Обратка",   "Фильтр",     "Давл.масла",
    "Расход",     "Осевой сдв", "Пламя",      "Нет искры", "Ёмкость №2", "Топливо",
    "Воздух",     "Кв. внешн."};
const char* const kOutputNames[] = {
    "Сирена", "Табло",   "Останов", "Клапан ПЗК", "Звонок", "Вытяжка",  "",         "Аварийная",
    "Насос",  "Горелка", "Дымосос", "Вентилятор", "Щит",    "Резерв 1", "Резерв 2", "Сигнал"};

QString sourceDir() {
    return VIL3K_SOURCE_ROOT;
}

// Builds the example scheme and saves it through the save command.
void writeExample(const Example& e, const QString& path) {
    FileCommandsFixture f;
    BuildSampleScheme(f.session, e.first, e.second, e.blocks);
    for (int i = 0; i < f.model.ChannelCount; ++i)
        f.view.at(Family::PText, f.model.SlotOfImageIndex(i)).caption =
            i == f.model.ChannelCount - 1 && e.externalAck ? "Кв. внешн." : kInputNames[i];
    for (int j = 0; j < kOutputLines; ++j)
        f.view.at(Family::PTextV, j).caption = kOutputNames[j];
    f.window.showExecCode(e.first, e.second);
    f.model.DeviceNumberIndex = e.deviceIndex;
    f.view.ShowExternalAck(e.externalAck);
    f.model.Modified = 1;
    f.save(path.toStdString());
    ASSERT_TRUE(f.messages.shown.empty()) << f.messages.shown[0].text;
    ASSERT_EQ(f.model.Modified, 0);
}

// Opens a file and saves it again unedited; the bytes written.
QByteArray openAndSaveAgain(const QString& file) {
    FileCommandsFixture f;
    f.open(file.toStdString());
    EXPECT_TRUE(f.messages.shown.empty()) << file.toStdString();
    f.save(f.path("again.vil"));
    EXPECT_EQ(f.messages.shown.size(), 1u); // the question about unchanged data
    return rawFile(f.dir.file("again.vil")).value_or(QByteArray());
}

TEST(ExampleFiles, WrittenBySaveOpenAndRoundTrip) {
    const bool refresh = std::getenv("VIL3K_WRITE_EXAMPLES") != nullptr;
    ScratchDirectory scratch;
    const QString target = refresh ? sourceDir() + "/examples" : scratch.path();
    QDir().mkpath(target);
    for (const Example& e : kExamples) {
        const QString file = target + "/" + e.name + ".vil";
        writeExample(e, file);
        const auto written = rawFile(file);
        ASSERT_TRUE(written) << e.name;
        EXPECT_EQ(openAndSaveAgain(file), *written) << e.name;
    }
}

TEST(ExampleFiles, CommittedExamplesOpenAndRoundTrip) {
    const QDir examples(sourceDir() + "/examples");
    const QStringList files = examples.entryList({"*.vil"}, QDir::Files, QDir::Name);
    for (const Example& e : kExamples)
        EXPECT_TRUE(files.contains(QString(e.name) + ".vil")) << e.name;
    for (const QString& name : files) {
        const QString file = examples.filePath(name);
        EXPECT_EQ(openAndSaveAgain(file), rawFile(file)) << name.toStdString();
    }
}

TEST(ExampleFiles, Example2408HasTheAcknowledgeOnDevice5) {
    FileCommandsFixture f;
    const QString file = sourceDir() + "/examples/24-08.vil";
    EXPECT_EQ(QFileInfo(file).size(), 734);
    f.open(file.toStdString());
    ASSERT_TRUE(f.messages.shown.empty());
    EXPECT_EQ(f.window.deviceSelector, 4);
    EXPECT_TRUE(f.window.externalAckDown());
    EXPECT_TRUE(f.view.at(Family::Title, TitleExtAckInput).visible);
    EXPECT_EQ(f.view.at(Family::PText, 31).caption, "Кв. внешн.");
    EXPECT_EQ(f.model.UsedFbCount, 13);
}

} // namespace
