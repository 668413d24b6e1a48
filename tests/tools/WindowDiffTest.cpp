// The window's differences against `vil3k-tool diff`, for random pairs of
// valid schemes of every code: the program compares a file with the scheme on
// screen, the tool the two files, and the lines must be the same.

#include "app/DifferencesPane.h"
#include "app/MainWindow.h"
#include "files/SchemeFile.h"
#include "model/OutOfRange.h"
#include "support/BoxAnswerer.h"
#include "support/SessionFixture.h"
#include "tools/ToolRun.h"

#include <QListWidget>
#include <gtest/gtest.h>

#include <numeric>
#include <random>

namespace {

struct Code {
    int first, second;
};
void PrintTo(const Code& c, std::ostream* os) {
    *os << c.first << "-" << c.second;
}

// A random configuration the editor could have made: nothing the load would
// warn about (cells on the panel and not shared, outputs the modules have,
// interlock with outputs only, block inputs that exist), names left blank.
class RandomScheme {
public:
    explicit RandomScheme(unsigned seed) : rng_(seed) {}

    SchemeFileData make(int first, int second) {
        for (;;) {
            SessionFixture<> s;
            s.model.ExecFirst = first;
            s.model.ExecSecond = second;
            s.creation.CreateScheme();
            fill(s.model);
            s.model.SetDeviceByte(
                static_cast<std::uint8_t>(below(31) | (below(3) == 0 ? 0x20 : 0)));
            s.model.PackInclusion();
            s.model.PackImage();
            // Only what a load takes as it is and packs back byte for byte.
            const auto image = s.model.ImageBuffer;
            s.model.Repaired = 0;
            s.creation.LoadImage(image[kDeviceByteOffset]);
            s.model.PackImage();
            if (s.model.Repaired != 0 || s.model.ImageBuffer != image ||
                !ListOutOfRangeValues(s.model).empty())
                continue;
            SchemeFileData data;
            data.execFirst = first;
            data.execSecond = second;
            data.image = s.model.ImageBuffer;
            data.deviceByte = s.model.GetDeviceByte();
            data.channelNames.assign(static_cast<std::size_t>(s.model.ChannelCount),
                                     QString(10, ' '));
            data.outputNames.fill(QString(10, ' '));
            return data;
        }
    }

private:
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
    std::uint8_t mask(int outputs) {
        return static_cast<std::uint8_t>(below(1 << outputs) & (below(2) == 0 ? 0 : 0xFF));
    }
    // Bytes 0..3 of a channel record, or 5..8 of a block record.
    void row(std::uint8_t* r, std::vector<int>& cells, const ConfigurationModel& m) {
        const int type = below(4);
        int cell = 0;
        if (type != 0 && !cells.empty() && below(4) != 0) {
            cell = cells.back();
            cells.pop_back();
        }
        r[0] = static_cast<std::uint8_t>((r[0] & 0x20) | type << 6 | cell);
        r[1] = mask(m.Mr1OutputCount);
        r[2] = mask(m.Mr2OutputCount);
        const bool outputs = r[1] != 0 || r[2] != 0;
        r[3] = static_cast<std::uint8_t>((outputs && below(2) == 0 ? 0x80 : 0) |
                                         (below(2) == 0 ? 0x40 : 0) | below(7));
    }
    void fill(ConfigurationModel& m) {
        std::vector<int> cells(static_cast<std::size_t>(m.InputCount));
        std::iota(cells.begin(), cells.end(), 1);
        std::shuffle(cells.begin(), cells.end(), rng_);
        for (int i = 0; i < m.ChannelCount; ++i) {
            ChannelRecord& r = m.Channels[m.SlotOfImageIndex(i)];
            m.Included[i] = below(2);
            r[0] = below(2) == 0 ? 0x20 : 0;
            row(r.data(), cells, m);
        }
        for (int b = 0; b < kFunctionBlocks; ++b) {
            FbRecord& f = m.FunctionBlocks[b];
            f.fill(0);
            if (below(3) != 0)
                continue;
            f[0] = static_cast<std::uint8_t>(1 + below(4)); // no hysteresis: all four inputs
            for (int k = 1; k <= 4; ++k)
                if (below(4) != 0)
                    f[k] = static_cast<std::uint8_t>((below(2) == 0 ? 0x80 : 0) |
                                                     (1 + below(m.ChannelCount)));
            f[5] = below(2) == 0 ? 0x20 : 0;
            row(f.data() + 5, cells, m);
        }
    }

    std::mt19937 rng_;
};

QStringList WindowLines(MainWindow& form) {
    QStringList lines;
    QListWidget& list = form.differencesPane().list();
    for (int i = 0; i < list.count(); ++i)
        lines << list.item(i)->text();
    return lines;
}

class WindowAgainstTool : public ::testing::TestWithParam<Code> {};

TEST_P(WindowAgainstTool, SameLinesForRandomPairs) {
    const Code code = GetParam();
    RandomScheme random(static_cast<unsigned>(100 * code.first + code.second));
    ToolRunner tool;
    MainWindow form;
    BoxAnswerer unexpected({QMessageBox::Ok});
    for (int pair = 0; pair < 3; ++pair) {
        const QString a = tool.path(QString("a%1.vil").arg(pair));
        const QString b = tool.path(QString("b%1.vil").arg(pair));
        QString error;
        ASSERT_TRUE(WriteSchemeFile(a, random.make(code.first, code.second), error));
        ASSERT_TRUE(WriteSchemeFile(b, random.make(code.first, code.second), error));
        ASSERT_TRUE(form.OpenSchemeFile(b));
        form.compareWithSchemeFile(a.toStdString());
        const ToolResult diff = tool.run({"diff", a, b});
        ASSERT_EQ(diff.status, 1) << diff.err.toStdString();
        const QStringList toolLines = diff.out.split('\n', Qt::SkipEmptyParts);
        EXPECT_FALSE(toolLines.isEmpty());
        EXPECT_EQ(WindowLines(form), toolLines) << "pair " << pair;
    }
    EXPECT_TRUE(unexpected.texts.isEmpty()) << unexpected.texts.join('\n').toStdString();
}

INSTANTIATE_TEST_SUITE_P(FourteenCodes, WindowAgainstTool,
                         ::testing::Values(Code{6, 4}, Code{6, 6}, Code{12, 0}, Code{12, 4},
                                           Code{12, 6}, Code{12, 8}, Code{12, 22}, Code{24, 0},
                                           Code{24, 4}, Code{24, 8}, Code{24, 12}, Code{24, 16},
                                           Code{24, 43}, Code{24, 62}),
                         [](const auto& info) {
                             return "Code" + std::to_string(info.param.first) + "_" +
                                    std::to_string(info.param.second);
                         });

} // namespace
