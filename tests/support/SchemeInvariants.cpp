#include "support/SchemeInvariants.h"

namespace {

bool used(const ConfigurationModel& m, int block) {
    return (m.FunctionBlocks[block][0] & 0x0F) != 0;
}

struct Faults {
    std::vector<std::string> list;
    void check(bool ok, const std::string& what, int index) {
        if (!ok)
            list.push_back(what + " " + std::to_string(index));
    }
};

Picture pictureOf(int type) {
    return type <= 2 ? Picture::And : (type <= 4 ? Picture::Or : Picture::Hysteresis);
}

} // namespace

std::vector<std::string> BlockRecordFaults(const ConfigurationModel& m) {
    Faults f;
    int count = 0;
    for (int b = 0; b < kFunctionBlocks; ++b) {
        const FbRecord& r = m.FunctionBlocks[b];
        if (!used(m, b)) {
            f.check(r == FbRecord{}, "free record not zero", b);
            continue;
        }
        ++count;
        f.check(r[0] <= 5, "type out of range", b);
        for (int k = 0; k < 4; ++k) {
            const int n = r[1 + k] & 0x3F;
            if (r[1 + k] & 0x40)
                f.check(n == 0 || (n <= kFunctionBlocks && used(m, n - 1)),
                        "input names a free block, block", b);
            else
                f.check(n <= m.ChannelCount, "input names no channel, block", b);
        }
        if (r[0] == 5)
            f.check((r[3] & 0x3F) == 0 && (r[4] & 0x3F) == 0, "hysteresis uses input 3 or 4", b);
    }
    f.check(count == m.UsedFbCount, "UsedFbCount differs from records", m.UsedFbCount);
    for (int s = 0; s < kChannelSlots; ++s)
        f.check(m.Channels[s][3] < 0x80 || m.Channels[s][1] != 0 || m.Channels[s][2] != 0,
                "interlock without outputs, slot", s);
    for (int b = 0; b < kFunctionBlocks; ++b) {
        const FbRecord& r = m.FunctionBlocks[b];
        f.check(r[8] < 0x80 || r[6] != 0 || r[7] != 0, "interlock without outputs, block", b);
    }
    return f.list;
}

std::vector<std::string> CellFaults(const ConfigurationModel& m) {
    Faults f;
    std::array<int, 32> holders{};
    auto hold = [&](std::uint8_t signalling) {
        if (signalling & 0xC0)
            ++holders[signalling & 0x1F];
    };
    for (int i = 0; i < m.ChannelCount; ++i)
        hold(m.Channels[m.SlotOfImageIndex(i)][0]);
    for (int b = 0; b < kFunctionBlocks; ++b)
        if (used(m, b))
            hold(m.FunctionBlocks[b][5]);
    for (int cell = 0; cell < 32; ++cell)
        f.check(holders[cell] <= 1, "cell held by several rows", cell);
    return f.list;
}

std::vector<std::string> BlockWiringFaults(const SchemeView& view) {
    const ConfigurationModel& m = view.model();
    Faults f;
    std::array<bool, kChannelSlots> slotFed{};
    std::array<bool, kFunctionBlocks> blockFed{};
    for (int b = 0; b < kFunctionBlocks; ++b) {
        const FbRecord& r = m.FunctionBlocks[b];
        f.check(view.at(Family::BlockBody, b).visible == used(m, b), "block body", b);
        if (!used(m, b))
            continue;
        f.check(view.at(Family::BlockTypePicture, b).picture == pictureOf(r[0]), "block picture",
                b);
        f.check(view.at(Family::BlockOutputInversion, b).visible == (r[0] == 2 || r[0] == 4),
                "inversion", b);
        for (int k = 0; k < 4; ++k) {
            const int in = r[1 + k], n = in & 0x3F, i = 4 * b + k;
            f.check(view.at(Family::BlockInputNumber, i).visible == (n != 0), "number mark", i);
            f.check(view.at(Family::BlockInputLine, i).visible == (n != 0), "input line", i);
            if (n == 0)
                continue;
            f.check(view.at(Family::BlockInputNumber, i).caption == QString::number(n),
                    "number text", i);
            f.check(view.at(Family::BlockInputKind, i).caption == ((in & 0x40) ? "фб" : "усо"),
                    "source", i);
            f.check(view.at(Family::BlockInputInversion, i).visible == ((in & 0x80) == 0),
                    "inverse mark", i);
            if (in & 0x40)
                blockFed[n - 1] = true;
            else
                slotFed[m.SlotOfImageIndex(n - 1)] = true;
        }
    }
    for (int b = 0; b < kFunctionBlocks; ++b)
        f.check(view.at(Family::CrossLink, b).visible == blockFed[b], "cross link", b);
    bool above = false;
    const bool any = m.UsedFbCount > 0;
    for (int s = 0; s < kChannelSlots; ++s) {
        f.check(view.at(Family::FeedStub, s).visible == slotFed[s], "feed stub", s);
        above = above || slotFed[s];
        if (s == 11 || s == 23 || s == 31) {
            const int bus = s == 11 ? FirstInputBus : (s == 23 ? SecondInputBus : ExtraInputBus);
            f.check(view.at(Family::Bus, bus).visible == (above && any), "input bus", bus);
        }
    }
    f.check(view.group(BlockGroup).visible == any, "block group", m.UsedFbCount);
    return f.list;
}

std::vector<std::string> OutputWiringFaults(const SchemeView& view) {
    const ConfigurationModel& m = view.model();
    Faults f;
    std::array<bool, kOutputLines> lineUsed{};
    bool anyRow = false;
    auto row = [&](int r, int m1, int m2, int flags, bool marksLines) {
        const bool drives = (m1 | m2) != 0;
        anyRow = anyRow || drives;
        f.check(view.at(Family::OutputsPanel, r).visible == drives, "outputs element", r);
        f.check(!drives || view.at(Family::InterlockMark, r).visible == ((flags & 0x80) != 0),
                "interlock", r);
        for (int j = 0; j < 8 && marksLines; ++j) {
            lineUsed[j] = lineUsed[j] || (j < m.Mr1OutputCount && (m1 >> j & 1));
            lineUsed[8 + j] = lineUsed[8 + j] || (j < m.Mr2OutputCount && (m2 >> j & 1));
        }
    };
    for (int s = 0; s < kChannelSlots; ++s)
        row(s, m.Channels[s][1], m.Channels[s][2], m.Channels[s][3], true);
    for (int b = 0; b < kFunctionBlocks; ++b) {
        const FbRecord& r = m.FunctionBlocks[b];
        if (used(m, b)) // only the first eight blocks drive output lines
            row(32 + b, r[6], r[7], r[8], b < 8);
    }
    for (int j = 0; j < kOutputLines; ++j)
        if (j % 8 < (j < 8 ? m.Mr1OutputCount : m.Mr2OutputCount))
            f.check(view.at(Family::OutputConnector, j).visible == lineUsed[j], "output line", j);
    bool bus = false;
    for (int b = FirstOutputBus; b <= BlockOutputBus; ++b)
        bus = bus || view.at(Family::Bus, b).visible;
    f.check(bus == anyRow, "output bus", anyRow);
    return f.list;
}
