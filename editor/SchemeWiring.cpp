// The three refresh operations: which lines, stubs and buses the records call for.
#include "editor/SchemeView.h"

#include <algorithm>

namespace {

constexpr int kLineOffset = 15; // a row's line runs this far below the row's top
constexpr int kLineHeight = 3;

bool blockInUse(const ConfigurationModel& m, int b) {
    return (m.FunctionBlocks[b][0] & 0x07) != 0;
}

} // namespace

void SchemeView::setRowLineEnd(int row, int targetX) {
    Element& line = at(Family::RowLine, row);
    line.rect.w = targetX - line.rect.x + 1;
    line.visible = true;
}

// Where A5 lets a row line end; -1 when nothing on the row calls for one.
int SchemeView::rowLineEnd(int row) const {
    if (at(Family::OutputsPanel, row).visible)
        return at(Family::Bus, FirstOutputBus).rect.x;
    if (row >= 32 && at(Family::CrossLinkDrop, row - 32).visible)
        return at(Family::CrossLinkDrop, row - 32).rect.x;
    if (at(Family::DelayPanel, row).visible)
        return at(Family::DelayPanel, row).rect.x;
    if (at(Family::SignallingPanel, row).visible)
        return at(Family::SignallingPanel, row).rect.x;
    return -1;
}

void SchemeView::RefreshRowLines() {
    for (int r = 0; r < kSchemeRows; ++r) {
        const int end = rowLineEnd(r);
        if (end < 0)
            at(Family::RowLine, r).visible = false;
        else
            setRowLineEnd(r, end);
    }
}

void SchemeView::RefreshBlockWiring() {
    std::array<bool, kChannelSlots> slotFeeds{};
    std::array<bool, kFunctionBlocks> blockFeeds{};
    const int channels = model_.InputCount + model_.ExtraInputCount;
    int lastUsed = -1;
    for (int b = 0; b < kFunctionBlocks; ++b) {
        if (blockInUse(model_, b))
            lastUsed = b;
        for (int k = 1; k <= 4; ++k) {
            const int in = model_.FunctionBlocks[b][k];
            const int n = in & 0x3F;
            if (in & 0x40) {
                if (n >= 1 && n <= kFunctionBlocks)
                    blockFeeds[n - 1] = true;
            } else if (n >= 1 && n <= channels) {
                const int slot = model_.SlotOfImageIndex(n - 1);
                if (slot >= 0 && slot < kChannelSlots)
                    slotFeeds[slot] = true;
            }
        }
    }
    for (int s = 0; s < kChannelSlots; ++s)
        at(Family::FeedStub, s).visible = at(Family::FeedDot, s).visible = slotFeeds[s];
    refreshInputBuses(slotFeeds);
    refreshBlockLines(blockFeeds);

    if (model_.UsedFbCount == 0 || lastUsed < 0) {
        groups_[BlockGroup].visible = false;
        for (int bus :
             {FirstInputBus, SecondInputBus, ExtraInputBus, BlockInputBus, BlockOutputBus})
            at(Family::Bus, bus).visible = false;
        return;
    }
    const int crossTop = at(Family::CrossLink, lastUsed).rect.y;
    groups_[BlockGroup].height = crossTop + 6;
    groups_[BlockGroup].visible = true;
    Element& fbBus = at(Family::Bus, BlockInputBus);
    fbBus.rect.h = crossTop + 2;
    fbBus.visible = true;
}

void SchemeView::refreshInputBuses(const std::array<bool, kChannelSlots>& slotFeeds) {
    // Topmost fed row of a group, or -1.
    auto topmost = [&](int first, int last) {
        for (int r = first; r <= last; ++r)
            if (slotFeeds[r])
                return r;
        return -1;
    };
    auto show = [&](int bus, int top) {
        Element& e = at(Family::Bus, bus);
        e.rect.y = top;
        e.rect.h = std::max(0, groups_[e.group].height - top);
        e.visible = true;
    };
    for (int bus : {FirstInputBus, SecondInputBus, ExtraInputBus, BlockInputBus})
        at(Family::Bus, bus).visible = false;
    if (int r = topmost(0, 11); r >= 0) {
        show(FirstInputBus, rowTop(r) + kLineOffset);
        show(SecondInputBus, 0);
        show(ExtraInputBus, 0);
        at(Family::Bus, BlockInputBus).visible = true;
    }
    if (int r = topmost(12, 23); r >= 0) {
        show(SecondInputBus, at(Family::Bus, FirstInputBus).visible ? 0 : rowTop(r) + kLineOffset);
        show(ExtraInputBus, 0);
        at(Family::Bus, BlockInputBus).visible = true;
    }
    if (int r = topmost(24, 31); r >= 0) {
        show(ExtraInputBus, at(Family::Bus, SecondInputBus).visible ? 0 : rowTop(r) + kLineOffset);
        at(Family::Bus, BlockInputBus).visible = true;
    }
}

void SchemeView::refreshBlockLines(const std::array<bool, kFunctionBlocks>& blockFeeds) {
    for (int b = 0; b < kFunctionBlocks; ++b) {
        const int row = 32 + b;
        const bool outputs = at(Family::OutputsPanel, row).visible;
        at(Family::CrossLink, b).visible = at(Family::CrossLinkDrop, b).visible = blockFeeds[b];
        if (blockFeeds[b]) {
            setRowLineEnd(row, outputs ? at(Family::Bus, BlockOutputBus).rect.x
                                       : at(Family::CrossLinkDrop, b).rect.x);
        } else if (outputs) {
            setRowLineEnd(row, at(Family::Bus, BlockOutputBus).rect.x);
        } else if (at(Family::SignallingPanel, row).visible) {
            // The signalling element wins over the delay element here.
            setRowLineEnd(row, at(Family::SignallingPanel, row).rect.x);
        } else if (at(Family::DelayPanel, row).visible) {
            setRowLineEnd(row, at(Family::DelayPanel, row).rect.x);
        } else {
            at(Family::RowLine, row).visible = false;
        }
    }
}

std::array<bool, kOutputLines> SchemeView::usedOutputs() const {
    std::array<bool, kOutputLines> used{};
    // Only the first eight block records mark outputs, as the device's own tables do.
    constexpr int kBlocksMarkingOutputs = 8;
    auto mark = [&](int mr1, int mr2) {
        for (int j = 0; j < 8; ++j) {
            if (j < model_.Mr1OutputCount && (mr1 & (1 << j)))
                used[j] = true;
            if (j < model_.Mr2OutputCount && (mr2 & (1 << j)))
                used[8 + j] = true;
        }
    };
    for (const ChannelRecord& c : model_.Channels)
        mark(c[1], c[2]);
    for (int b = 0; b < kBlocksMarkingOutputs; ++b)
        mark(model_.FunctionBlocks[b][6], model_.FunctionBlocks[b][7]);
    return used;
}

void SchemeView::RefreshOutputWiring() {
    const std::array<bool, kOutputLines> used = usedOutputs();
    for (int j = 0; j < 8; ++j) {
        for (int line : {j, 8 + j}) {
            const int outputs = line < 8 ? model_.Mr1OutputCount : model_.Mr2OutputCount;
            if (line % 8 < outputs)
                at(Family::OutputConnector, line).visible = at(Family::RelayPicture, line).visible =
                    used[line];
        }
    }
    refreshOutputBuses(used);
}

void SchemeView::refreshOutputBuses(const std::array<bool, kOutputLines>& used) {
    struct Span {
        int top = -1, bottom = -1;
        void add(int y) {
            top = top < 0 ? y : std::min(top, y);
            bottom = std::max(bottom, y + kLineHeight);
        }
    };
    std::array<Span, kGroupCount> spans{};
    for (int r = 0; r < kSchemeRows; ++r)
        if (at(Family::OutputsPanel, r).visible)
            spans[groupOfRow(r)].add(rowTop(r) + kLineOffset);
    for (int j = 0; j < kOutputLines; ++j)
        if (used[j] && at(Family::OutputConnector, j).visible)
            spans[groupOfLine(j)].add(lineTop(j) + kLineOffset);
    if (spans[BlockGroup].top >= 0)
        spans[BlockGroup].top = 0;

    // Groups that exist for the current dimensions, top to bottom.
    const bool exists[kGroupCount] = {true, model_.InputCount == 24, model_.ExtraInputCount > 0,
                                      model_.UsedFbCount > 0};
    int first = -1, last = -1;
    for (int g = 0; g < kGroupCount; ++g) {
        at(Family::Bus, FirstOutputBus + g).visible = false;
        if (exists[g] && spans[g].top >= 0) {
            first = first < 0 ? g : first;
            last = g;
        }
    }
    for (int g = std::max(first, 0); first >= 0 && g <= last; ++g) {
        if (!exists[g])
            continue;
        const int top = g == first ? spans[g].top : 0;
        const int bottom = g == last ? spans[g].bottom : groups_[g].height;
        Element& bus = at(Family::Bus, FirstOutputBus + g);
        bus.rect.y = top;
        bus.rect.h = std::max(0, bottom - top);
        bus.visible = true;
    }
}
