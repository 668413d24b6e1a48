// The matrix against a walk of its own over the raw image bytes, for the
// shipped examples and random schemes of every code.

#include "print/CauseEffectMatrix.h"
#include "files/SchemeFile.h"

#include <QDir>

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <set>

namespace {

// Golden layouts: channels, main inputs, outputs of МР №1 and МР №2.
struct Layout {
    int first, second, channels, inputs, mr1, mr2;
};
const Layout kLayouts[] = {
    {6, 4, 10, 6, 4, 0},    {6, 6, 8, 6, 6, 0},     {12, 0, 12, 12, 0, 0},  {12, 4, 16, 12, 4, 0},
    {12, 6, 14, 12, 6, 0},  {12, 8, 12, 12, 8, 0},  {12, 22, 12, 12, 4, 0}, {24, 0, 24, 24, 0, 0},
    {24, 4, 28, 24, 4, 0},  {24, 8, 32, 24, 4, 4},  {24, 12, 28, 24, 4, 8}, {24, 16, 24, 24, 8, 8},
    {24, 43, 28, 24, 4, 3}, {24, 62, 28, 24, 4, 4},
};

const Layout& LayoutOf(int first, int second) {
    for (const Layout& l : kLayouts)
        if (l.first == first && l.second == second)
            return l;
    throw std::logic_error("no such code");
}

// "in5", "fb3" for causes; "r1.2", "c5" for effects; marks as "own d10 p0 i1 s0" or "via3".
using Key = std::pair<std::string, std::string>;
using Marks = std::map<Key, std::multiset<std::string>>;

std::string OwnMark(int signalling, int delay, bool pulse, bool interlock) {
    return "own s" + std::to_string(signalling) + " d" + std::to_string(delay) + " p" +
           std::to_string(pulse) + " i" + std::to_string(interlock);
}

// The walk: what each included input and each block in use does, read from the bytes.
struct Walk {
    const SchemeFileData& data;
    const Layout& layout;
    std::map<std::string, const std::uint8_t*> records; // the 4 bytes of each cause
    std::map<std::string, bool> pulse;
    std::map<std::string, std::set<std::string>> feeds; // cause → blocks fed
    std::map<std::string, int> schemeRows;
    std::set<int> cells;

    explicit Walk(const SchemeFileData& d) : data(d), layout(LayoutOf(d.execFirst, d.execSecond)) {
        const std::uint8_t* image = data.image.data();
        const bool ack = (data.deviceByte & 0x20) != 0;
        for (int i = 0; i < layout.channels; ++i) {
            if ((image[245 + i / 8] & (1 << (i % 8))) == 0 || (ack && i == layout.channels - 1))
                continue;
            const std::string key = "in" + std::to_string(i + 1);
            records[key] = image + 4 * i;
            pulse[key] = false;
            const int offset = layout.inputs == 12 ? 12 : layout.inputs == 6 ? 18 : 0;
            schemeRows[key] = i >= layout.inputs ? i + offset : i;
        }
        const std::uint8_t* blocks = image + 4 * layout.channels;
        const auto type = [&](int j) { return blocks[9 * j] & 0x0F; };
        for (int j = 0; j < 13; ++j)
            if (type(j) >= 1 && type(j) <= 5) {
                const std::string key = "fb" + std::to_string(j + 1);
                records[key] = blocks + 9 * j + 5;
                pulse[key] = (blocks[9 * j + 5] & 0x20) != 0;
                schemeRows[key] = 32 + j;
            }
        for (int j = 0; j < 13; ++j) {
            if (!records.count("fb" + std::to_string(j + 1)))
                continue;
            for (int k = 0; k < (type(j) == 5 ? 2 : 4); ++k) {
                const std::uint8_t in = blocks[9 * j + 1 + k];
                const std::string source = ((in & 0x40) ? "fb" : "in") + std::to_string(in & 0x3F);
                if (records.count(source))
                    feeds[source].insert("fb" + std::to_string(j + 1));
            }
        }
        for (const auto& [key, r] : records)
            if ((r[0] >> 6) != 0 && (r[0] & 0x1F) != 0)
                cells.insert(r[0] & 0x1F);
    }

    void reach(const std::string& from, std::set<std::string>& seen) const {
        if (!feeds.count(from))
            return;
        for (const std::string& block : feeds.at(from))
            if (seen.insert(block).second)
                reach(block, seen);
    }

    // The effects a cause's own record drives, with its own mark.
    std::map<std::string, std::string> own(const std::string& cause) const {
        const std::uint8_t* r = records.at(cause);
        std::map<std::string, std::string> effects;
        const int delay = (r[3] & 0x3F) * ((r[3] & 0x40) ? 10 : 1);
        const bool interlock = (r[3] & 0x80) != 0;
        for (int m = 0; m < 2; ++m)
            for (int i = 0; i < (m == 0 ? layout.mr1 : layout.mr2); ++i)
                if (r[1 + m] & (1 << i))
                    effects["r" + std::to_string(m + 1) + "." + std::to_string(i + 1)] =
                        OwnMark(0, delay, pulse.at(cause) && delay != 0, interlock);
        if ((r[0] >> 6) != 0 && (r[0] & 0x1F) != 0)
            effects["c" + std::to_string(r[0] & 0x1F)] = OwnMark(r[0] >> 6, 0, false, false);
        return effects;
    }

    Marks marks() const {
        Marks all;
        for (const auto& [cause, r] : records) {
            for (const auto& [effect, mark] : own(cause))
                all[{cause, effect}].insert(mark);
            std::set<std::string> through{cause};
            reach(cause, through);
            through.erase(cause);
            for (const std::string& block : through)
                for (const auto& [effect, mark] : own(block))
                    all[{cause, effect}].insert("via" + block.substr(2));
        }
        return all;
    }
};

std::string CauseKey(const MatrixCause& c) {
    return (c.kind == MatrixCause::Kind::Input ? "in" : "fb") + std::to_string(c.number);
}

std::string EffectKey(const MatrixEffect& e) {
    return e.kind == MatrixEffect::Kind::Cell
               ? "c" + std::to_string(e.cell)
               : "r" + std::to_string(e.module) + "." + std::to_string(e.output);
}

void ExpectAgreesWithWalk(const SchemeFileData& data) {
    const Walk walk(data);
    const CauseEffectMatrix matrix = BuildCauseEffectMatrix(data);
    Marks seen;
    std::set<std::string> causes, cells;
    for (std::size_t c = 0; c < matrix.causes.size(); ++c) {
        const MatrixCause& cause = matrix.causes[c];
        causes.insert(CauseKey(cause));
        EXPECT_EQ(cause.schemeRow, walk.schemeRows.at(CauseKey(cause))) << CauseKey(cause);
        for (std::size_t e = 0; e < matrix.effects.size(); ++e)
            for (const MatrixMark& m : matrix.at(c, e))
                seen[{CauseKey(cause), EffectKey(matrix.effects[e])}].insert(
                    m.through ? "via" + std::to_string(m.through)
                              : OwnMark(m.signalling, m.delaySeconds, m.pulse, m.interlock));
    }
    int relays = 0;
    for (const MatrixEffect& e : matrix.effects)
        e.kind == MatrixEffect::Kind::Cell ? void(cells.insert(EffectKey(e))) : void(++relays);
    std::set<std::string> walkCauses, walkCells;
    for (const auto& [key, r] : walk.records)
        walkCauses.insert(key);
    for (const int cell : walk.cells)
        walkCells.insert("c" + std::to_string(cell));
    EXPECT_EQ(causes, walkCauses);
    EXPECT_EQ(cells, walkCells);
    EXPECT_EQ(relays, walk.layout.mr1 + walk.layout.mr2);
    EXPECT_EQ(seen, walk.marks());
    // Every effect a block drives shows in the rows of the block's inputs, through it.
    for (const auto& [source, blocks] : walk.feeds)
        for (const std::string& block : blocks)
            for (const auto& [effect, mark] : walk.own(block))
                if (source != block) {
                    const Key at{source, effect};
                    EXPECT_TRUE(seen[at].count("via" + block.substr(2)))
                        << source << " " << block << " " << effect;
                }
}

TEST(CauseEffectMatrix, ShippedExamplesAgreeWithTheRecords) {
    const QDir examples(QString(VIL3K_SOURCE_ROOT) + "/examples");
    const QStringList files = examples.entryList({"*.vil"});
    ASSERT_GE(files.size(), 5);
    for (const QString& name : files) {
        SCOPED_TRACE(name.toStdString());
        QString error;
        const auto data = ReadSchemeFile(examples.filePath(name), error);
        ASSERT_TRUE(data) << error.toStdString();
        ExpectAgreesWithWalk(*data);
    }
}

// A scheme as the editor could leave it: cells on the panel, delays up to 60,
// outputs the code has, blocks naming inputs and blocks that exist.
SchemeFileData RandomScheme(const Layout& l, std::mt19937& rng) {
    const auto pick = [&rng](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(rng);
    };
    SchemeFileData data;
    data.execFirst = l.first;
    data.execSecond = l.second;
    data.deviceByte = static_cast<std::uint8_t>(pick(0, 30) | (pick(0, 3) == 0 ? 0x20 : 0));
    const auto row = [&](std::uint8_t* r, int bit5) {
        r[0] = static_cast<std::uint8_t>((pick(0, 3) << 6) | bit5 | pick(0, l.inputs));
        r[1] = static_cast<std::uint8_t>(pick(0, 255) & ((1 << l.mr1) - 1));
        r[2] = static_cast<std::uint8_t>(pick(0, 255) & ((1 << l.mr2) - 1));
        r[3] = static_cast<std::uint8_t>(pick(0, 1) << 7 | pick(0, 1) << 6 | pick(0, 60));
    };
    for (int i = 0; i < l.channels; ++i) {
        row(data.image.data() + 4 * i, pick(0, 1) << 5);
        if (pick(0, 3) != 0)
            data.image[245 + i / 8] |= static_cast<std::uint8_t>(1 << (i % 8));
        data.channelNames.push_back(QString("in %1").arg(i + 1));
    }
    std::uint8_t* blocks = data.image.data() + 4 * l.channels;
    for (int j = 0; j < 13; ++j)
        blocks[9 * j] = static_cast<std::uint8_t>(pick(0, 2) == 0 ? 0 : pick(1, 5));
    for (int j = 0; j < 13; ++j) {
        if (blocks[9 * j] == 0)
            continue;
        for (int k = 0; k < (blocks[9 * j] == 5 ? 2 : 4); ++k) {
            const bool fromBlock = pick(0, 2) == 0;
            const int number = fromBlock ? pick(0, 13) : pick(0, l.channels);
            if (fromBlock && number != 0 && blocks[9 * (number - 1)] == 0)
                continue;
            blocks[9 * j + 1 + k] =
                static_cast<std::uint8_t>(pick(0, 1) << 7 | int(fromBlock) << 6 | number);
        }
        row(blocks + 9 * j + 5, pick(0, 1) << 5);
    }
    return data;
}

class RandomSchemes : public ::testing::TestWithParam<Layout> {};

TEST_P(RandomSchemes, EveryMarkAgreesWithTheRecords) {
    std::mt19937 rng(static_cast<unsigned>(GetParam().first * 100 + GetParam().second));
    for (int round = 0; round < 40; ++round) {
        SCOPED_TRACE(round);
        ExpectAgreesWithWalk(RandomScheme(GetParam(), rng));
        if (HasFailure())
            return;
    }
}

INSTANTIATE_TEST_SUITE_P(AllCodes, RandomSchemes, ::testing::ValuesIn(kLayouts),
                         [](const auto& info) {
                             return "Code" + std::to_string(info.param.first) + "_" +
                                    std::to_string(info.param.second);
                         });

} // namespace
