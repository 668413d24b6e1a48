#include "support/SampleSchemes.h"

#include "editor/SchemeCreation.h"

#include <algorithm>
#include <numeric>

namespace {

constexpr std::uint8_t kWarning = 0x40, kAlarm = 0x80, kIndication = 0xC0;
constexpr std::uint8_t kNormallyOpen = 0x20, kInterlock = 0x80, kTenSeconds = 0x40;
constexpr std::uint8_t kDirect = 0x80, kFromBlock = 0x40, kPulse = 0x20;

ChannelRecord& slot(ConfigurationModel& m, int imageIndex) {
    return m.Channels[m.SlotOfImageIndex(imageIndex)];
}

// Mask of the outputs (1-based) that the module has.
std::uint8_t output(std::initializer_list<int> numbers, int outputs) {
    int mask = 0;
    for (int number : numbers)
        if (number >= 1 && number <= outputs)
            mask |= 1 << (number - 1);
    return static_cast<std::uint8_t>(mask);
}
std::uint8_t output(int number, int outputs) {
    return output({number}, outputs);
}
// Interlock goes with outputs only, as the editor keeps it.
std::uint8_t interlock(int outputMasks) {
    return outputMasks != 0 ? kInterlock : 0;
}

void fillChannels(ConfigurationModel& m) {
    const int n = m.InputCount, mr1 = m.Mr1OutputCount, mr2 = m.Mr2OutputCount;
    for (int i = 0; i < m.ChannelCount; ++i) {
        m.Included[i] = i % 5 != 4;
        slot(m, i)[0] = i % 2 == 0 ? kNormallyOpen : 0;
    }
    slot(m, 0) = {kWarning | kNormallyOpen | 1, output({1, 3}, mr1), 0, 0};
    slot(m, 1) = {kAlarm | 2, 0, 0, 5};
    slot(m, 2) = {kIndication | kNormallyOpen | 3, output(2, mr1), 0, interlock(output(2, mr1))};
    slot(m, 3) = {0, 0, output(1, mr2), kTenSeconds | 3};
    slot(m, 4) = {kAlarm | 5, 0, 0, 0};
    slot(m, 5) = {0, 0, 0, 60};
    slot(m, n - 1)[1] = output(mr1, mr1);
    if (m.ExtraInputCount > 0)
        slot(m, n) = {kIndication | 4, output(4, mr1), output(2, mr2),
                      static_cast<std::uint8_t>(interlock(output(4, mr1) | output(2, mr2)) | 2)};
    m.PackInclusion();
}

// Inputs: a device input (1-based, as shown) or a block output (1-based).
std::uint8_t device(int number, bool direct = true) {
    return static_cast<std::uint8_t>((direct ? kDirect : 0) | number);
}
std::uint8_t block(int number, bool direct = true) {
    return static_cast<std::uint8_t>((direct ? kDirect : 0) | kFromBlock | number);
}

void fillBlocks(ConfigurationModel& m, int blocks) {
    const int n = m.InputCount, mr1 = m.Mr1OutputCount, mr2 = m.Mr2OutputCount;
    const int extra = m.ExtraInputCount > 0 ? n + 1 : n;
    // Cell 4 is the first additional input's when there is one; with six main
    // inputs every cell is taken then.
    const std::uint8_t secondCell = m.ExtraInputCount == 0 ? kWarning | 4
                                    : n > 6                ? kWarning | 7
                                                           : 0;
    const FbRecord samples[5] = {
        {1, device(1), device(2, false), device(extra), 0, kAlarm | kPulse | 6, output(2, mr1), 0,
         10},
        {4, block(1), device(3, false), device(n), 0, secondCell, 0, 0, 0},
        {5, device(4), block(2, false), 0, 0, 0, 0, output(2, mr2),
         static_cast<std::uint8_t>(interlock(output(2, mr2)) | kTenSeconds | 2)},
        {3, block(3), block(1, false), device(n - 1), device(5, false), 0, 0, 0, 0},
        {2, device(5), device(6), 0, 0, 0, output(1, mr1), 0, 0},
    };
    for (int b = 0; b < std::min(blocks, kFunctionBlocks); ++b) {
        if (b < 5) {
            m.FunctionBlocks[b] = samples[b];
            continue;
        }
        const auto type = static_cast<std::uint8_t>(1 + b % 5);
        const bool hysteresis = type == 5; // inputs 3 and 4 unused
        m.FunctionBlocks[b] = {type,
                               device(b % n + 1, b % 2 == 0),
                               block(b, b % 3 != 0),
                               hysteresis ? std::uint8_t{0} : device((b + 2) % n + 1),
                               0,
                               0,
                               output(b % 4 + 1, mr1),
                               0,
                               static_cast<std::uint8_t>(b % 3 == 0 ? b : 0)};
    }
}

// The blocks numbered in `numbers` stay; the others are deleted and the inputs they fed
// left unconnected.
void KeepBlocks(ConfigurationModel& model, const std::vector<int>& numbers) {
    const auto kept = [&](int number) {
        return std::find(numbers.begin(), numbers.end(), number) != numbers.end();
    };
    for (int b = 0; b < kFunctionBlocks; ++b) {
        FbRecord& record = model.FunctionBlocks[b];
        if (!kept(b + 1)) {
            record.fill(0);
            continue;
        }
        for (int k = 1; k <= 4; ++k)
            if ((record[k] & kFromBlock) != 0 && !kept(record[k] & 0x3F))
                record[k] = 0;
    }
}

QString padded(const QString& name) {
    return name.leftJustified(10, QChar(' '), true);
}

} // namespace

void FillSampleRecords(ConfigurationModel& model, int blocks) {
    fillChannels(model);
    fillBlocks(model, blocks);
}

void BuildSampleScheme(SchemeSession& session, int first, int second, int blocks) {
    std::vector<int> numbers(static_cast<std::size_t>(std::clamp(blocks, 0, kFunctionBlocks)));
    std::iota(numbers.begin(), numbers.end(), 1);
    BuildSampleSchemeWithBlocks(session, first, second, numbers);
}

void BuildSampleSchemeWithBlocks(SchemeSession& session, int first, int second,
                                 const std::vector<int>& numbers) {
    ConfigurationModel& model = session.model;
    SchemeView& view = session.view;
    SchemeCreation& creation = session.creation;
    model.ExecFirst = first;
    model.ExecSecond = second;
    creation.CreateScheme();
    FillSampleRecords(model, kFunctionBlocks);
    KeepBlocks(model, numbers);
    model.SetDeviceByte(0);
    model.PackImage();
    creation.CreateScheme();
    creation.LoadImage(0);
    for (int i = 0; i < model.ChannelCount; ++i)
        view.at(Family::InputName, model.SlotOfImageIndex(i)).caption =
            padded(QString("Датчик %1").arg(i + 1));
    for (int j = 0; j < kOutputLines; ++j)
        view.at(Family::OutputName, j).caption =
            padded(QString("Реле %1.%2").arg(j / 8 + 1).arg(j % 8 + 1));
}
