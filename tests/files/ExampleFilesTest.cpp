#include "ExampleSchemes.h"
#include "FileCommandsFixture.h"
#include "support/SchemeInvariants.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

#include <cstdlib>

// The example schemes under examples/ are programmed through the editing
// commands and written by the save command. Run with VIL3K_WRITE_EXAMPLES=1 to
// write them again.
namespace {

QString sourceDir() {
    return VIL3K_SOURCE_ROOT;
}

std::vector<std::string> texts(const FakeMessages& messages) {
    std::vector<std::string> all;
    for (const MessageBox& box : messages.shown)
        all.push_back(box.text);
    return all;
}

void writeExample(const Example& e, const QString& path) {
    FileCommandsFixture f;
    BuildExample(f.session, e);
    ASSERT_EQ(texts(f.messages), std::vector<std::string>{}) << e.name;
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

TEST(ExampleFiles, BuiltByTheCommandsAndWrittenBySave) {
    const bool refresh = std::getenv("VIL3K_WRITE_EXAMPLES") != nullptr;
    ScratchDirectory scratch;
    const QString target = refresh ? sourceDir() + "/examples" : scratch.path();
    QDir().mkpath(target);
    for (const Example& e : kExamples) {
        const QString file = target + "/" + e.name + ".vil";
        writeExample(e, file);
        const auto written = rawFile(file);
        ASSERT_TRUE(written) << e.name;
        EXPECT_EQ(written, rawFile(sourceDir() + "/examples/" + e.name + ".vil"))
            << e.name << ": the committed example is not what the commands build";
    }
}

// What every example promises, read back from the committed files.
TEST(ExampleFiles, CommittedExamplesKeepTheEditorsRules) {
    const QDir examples(sourceDir() + "/examples");
    const QStringList files = examples.entryList({"*.vil"}, QDir::Files, QDir::Name);
    for (const Example& e : kExamples)
        EXPECT_TRUE(files.contains(QString(e.name) + ".vil")) << e.name;
    for (const QString& name : files) {
        const QString file = examples.filePath(name);
        EXPECT_EQ(openAndSaveAgain(file), rawFile(file)) << name.toStdString();
        FileCommandsFixture f;
        f.open(file.toStdString());
        std::vector<std::string> faults = BlockRecordFaults(f.model);
        for (const auto& list :
             {CellFaults(f.model), BlockWiringFaults(f.view), OutputWiringFaults(f.view)})
            faults.insert(faults.end(), list.begin(), list.end());
        EXPECT_EQ(faults, std::vector<std::string>{}) << name.toStdString();
    }
}

// Signalling, delays, outputs with interlock, cross-linked blocks with inverted
// inputs and a pulse timer: each example shows all of them.
TEST(ExampleFiles, EveryExampleShowsEveryFamily) {
    for (const Example& e : kExamples) {
        FileCommandsFixture f;
        f.open((sourceDir() + "/examples/" + e.name + ".vil").toStdString());
        const ConfigurationModel& m = f.model;
        bool signalling = false, delay = false, interlock = false;
        for (int i = 0; i < m.ChannelCount; ++i) {
            const ChannelRecord& c = m.Channels[m.SlotOfImageIndex(i)];
            signalling = signalling || (c[0] & 0xC0);
            delay = delay || (c[3] & 0x3F);
            interlock = interlock || (c[3] & 0x80);
        }
        bool invertedLink = false, pulse = false;
        for (const FbRecord& b : m.FunctionBlocks) {
            for (int k = 1; k <= 4; ++k)
                invertedLink = invertedLink || ((b[k] & 0xC0) == 0x40 && (b[k] & 0x3F));
            pulse = pulse || ((b[5] & 0x20) && (b[8] & 0x3F));
        }
        EXPECT_TRUE(signalling && delay && interlock && invertedLink && pulse) << e.name;
        EXPECT_EQ(m.UsedFbCount, e.blocks) << e.name;
        EXPECT_EQ(f.window.deviceSelector, e.deviceIndex) << e.name;
        EXPECT_EQ(f.window.externalAckDown(), e.externalAck) << e.name;
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
    EXPECT_EQ(f.view.at(Family::InputName, 31).caption, "Кв. внешн.");
    EXPECT_EQ(f.view.at(Family::InputName, 0).caption, "Давл. газа");
    EXPECT_EQ(f.view.at(Family::OutputName, 3).caption, "Клапан ПЗК");
    EXPECT_EQ(f.model.UsedFbCount, 13);
}

} // namespace
