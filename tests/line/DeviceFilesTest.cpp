// Backup, one device at a time, on a noisy line in test time: every device is
// saved byte for byte or named with its reason, and a run that misses one
// never weighs as done. Files already there, and a disk that fills up.

#include "line/DeviceFiles.h"
#include "line/LineSession.h"
#include "support/ScratchDirectory.h"
#include "support/SimulatedLine.h"
#include "tests/device/DeviceFixture.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct Placed {
    int address;
    int first;
    int second;
    int delayMs;
};
const Placed kLine[] = {
    {2, 24, 8, 0}, {7, 12, 4, 100}, {13, 6, 6, 200}, {24, 24, 43, 300}, {31, 12, 22, 400}};

void Populate(SimulatedLine& sim) {
    for (const Placed& p : kLine)
        sim.Add(p.address, p.first, p.second, p.delayMs,
                SampleImage(p.first, p.second, static_cast<std::uint8_t>(p.address - 1)));
}

std::optional<Image> SavedImage(const std::string& path) {
    QString error;
    const auto file = ReadSchemeFile(QString::fromStdString(path), error);
    return file ? std::optional<Image>(file->image) : std::nullopt;
}

std::vector<DeviceRow> BackUp(LineSession& session, const std::string& dir, bool force = false) {
    std::vector<DeviceRow> rows;
    for (const SurveyRow& found : SurveyLine(session, {}))
        rows.push_back(BackUpDevice(session, found, dir, force));
    return rows;
}

TEST(Backup, OnANoisyLineEveryDeviceIsSavedWholeOrNamedWithItsReason) {
    int saved = 0, named = 0;
    for (std::uint32_t seed = 1; seed <= 6; ++seed) {
        SimulatedLine sim;
        Populate(sim);
        for (SimulatedDevice& device : sim.devices)
            device.chaos.emplace(seed * 31 + static_cast<std::uint32_t>(device.address), 0.2);
        LineSession session(sim.line, sim.clock, sim.messages);
        QTemporaryDir dir;
        const std::vector<DeviceRow> rows = BackUp(session, dir.path().toStdString());
        ASSERT_EQ(rows.size(), 31u);
        bool missing = false;
        for (const Placed& p : kLine) {
            SCOPED_TRACE("seed " + std::to_string(seed) + ", device " + std::to_string(p.address));
            const DeviceRow& row = rows[static_cast<std::size_t>(p.address - 1)];
            if (row.outcome == Outcome::Saved) {
                EXPECT_EQ(SavedImage(row.file), sim.At(p.address)->image);
                ++saved;
                continue;
            }
            missing = true;
            ++named;
            EXPECT_NE(row.outcome, Outcome::Absent);
            EXPECT_FALSE(row.reason.empty()) << OutcomeKey(row.outcome);
        }
        if (missing) {
            EXPECT_NE(WorstOf(rows), Severity::Done) << "seed " << seed;
        }
    }
    EXPECT_GT(saved, 20);
    std::cout << "saved " << saved << ", named " << named << "\n";
}

TEST(Backup, KeepsAFileThereUnlessForcedAndSaysWhenADiskIsFull) {
    SimulatedLine sim;
    Populate(sim);
    LineSession session(sim.line, sim.clock, sim.messages);
    QTemporaryDir dir;
    const std::string folder = dir.path().toStdString();
    writeRawFile(QString::fromStdString(DevicePath(folder, 7)), "old");

    std::vector<DeviceRow> rows = BackUp(session, folder);
    EXPECT_EQ(rows[6].outcome, Outcome::Kept);
    EXPECT_EQ(rawFile(QString::fromStdString(DevicePath(folder, 7))), QByteArray("old"));
    EXPECT_EQ(rows[1].outcome, Outcome::Saved);
    EXPECT_EQ(WorstOf(rows), Severity::Finding);
    EXPECT_EQ(std::count_if(sim.line.writes.begin(), sim.line.writes.end(),
                            [](const auto& w) { return w[0] == 7 && w[1] == 0x44; }),
              0)
        << "a device whose file is kept is not read";

    rows = BackUp(session, folder, true);
    EXPECT_EQ(rows[6].outcome, Outcome::Saved);
    EXPECT_EQ(WorstOf(rows), Severity::Done);
    {
        FullDisk full(100);
        rows = BackUp(session, folder, true);
    }
    EXPECT_EQ(rows[12].outcome, Outcome::NotSaved);
    EXPECT_EQ(rows[12].reason.rfind("Файл не удается создать: " + DevicePath(folder, 13), 0), 0u)
        << rows[12].reason;
    EXPECT_EQ(WorstOf(rows), Severity::NotSaved);
    EXPECT_EQ(SavedImage(DevicePath(folder, 13)), sim.At(13)->image) << "the old file stays whole";
}

} // namespace
