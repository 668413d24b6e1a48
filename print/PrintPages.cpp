#include "print/PrintPages.h"

#include "print/PrintPlan.h"

#include <algorithm>

namespace {

constexpr int kBandsOnPage2 = 8;
constexpr int kBand = 112;
constexpr int kFirstBandTop = 8;
constexpr int kBlockRow0 = 32;

// The outputs element's marks on paper: 4 pixels higher, boxes on a light ground with
// black text, and long lists on two lines.
void printOutputMarks(SchemeView& v, int row) {
    struct Mark {
        Family family;
        int width;
        Rgb back;
    };
    const Mark marks[] = {{Family::Mr1Mark, 12, colours::silver},
                          {Family::Mr1Outputs, 38, colours::white},
                          {Family::Mr2Mark, 12, colours::silver},
                          {Family::Mr2Outputs, 38, colours::white},
                          {Family::InterlockMark, 15, colours::silver}};
    for (const Mark& m : marks) {
        Element& e = v.at(m.family, row);
        e.rect.y -= 4;
        e.rect.w = m.width;
        e.back = m.back;
        e.text = colours::black;
        e.bold = false;
        if (m.family == Family::Mr1Outputs || m.family == Family::Mr2Outputs)
            e.caption = SplitOutputList(e.caption);
    }
}

// A disabled contact prints as an empty picture.
void hideDisabledContacts(SchemeView& v) {
    for (int r = 0; r < v.count(Family::ContactToggle); ++r) {
        Element& toggle = v.at(Family::ContactToggle, r);
        toggle.visible = toggle.visible && toggle.enabled;
    }
}

int inputGroupsHeight(const SchemeView& v) {
    int height = v.group(FirstInputGroup).height;
    for (int g : {SecondInputGroup, ExtraInputGroup})
        if (v.group(g).visible)
            height += v.group(g).height;
    return height + 10;
}

PrintedPage inputPage(const SchemeView& screen) {
    PrintedPage p{screen, {0, 0, kSchemeWidth, inputGroupsHeight(screen)}};
    p.view.group(BlockGroup).visible = false;
    hideDisabledContacts(p.view);
    for (int row = 0; row < kChannelSlots; ++row)
        printOutputMarks(p.view, row);
    return p;
}

// Index of the last block whose outputs element is visible, 0 when none is.
int lastBlockWithOutputs(const SchemeView& v) {
    int last = 0;
    for (int b = 0; b < kFunctionBlocks; ++b)
        if (v.at(Family::OutputsPanel, kBlockRow0 + b).visible)
            last = b;
    return last;
}

// The block buses run from the top of the page's bands; on the page of blocks 9..13 only
// what lies below block 8 is left of them. The input bus reaches the highest block in use,
// whatever blocks below it were deleted.
void layOutBlockBuses(SchemeView& v, const SchemeView& screen, int part, int offset,
                      int background) {
    const int highest = HighestBlockInUse(BlocksInUseOf(v.model()));
    const bool highBlocksFollow = highest > kBandsOnPage2;
    Element& in = v.at(Family::Bus, BlockInputBus);
    in.rect.y = offset;
    in.rect.h =
        part == 2 ? (highBlocksFollow ? background : highest * kBand) : highest * kBand - offset;
    Element& out = v.at(Family::Bus, BlockOutputBus);
    const int k = lastBlockWithOutputs(screen);
    out.rect.y = offset;
    if (part == 2)
        out.rect.h = k < kBandsOnPage2 ? k * kBand + 48 : background;
    else
        out.rect.h = k < kBandsOnPage2 ? 0 : k * kBand - 848;
    out.visible = out.visible && out.rect.h > 0;
}

bool isBus(const SchemeView& v, Family f, int i) {
    return f == Family::Bus && v.at(f, i).group == BlockGroup;
}

PrintedPage blockPage(const SchemeView& screen, int part) {
    const int firstBand = part == 2 ? 0 : kBandsOnPage2;
    const int bands = part == 2 ? kBandsOnPage2 : kFunctionBlocks - kBandsOnPage2;
    const int offset = firstBand * kBand;
    const int background = bands * kBand + 40;
    PrintedPage p{screen, {0, 0, kSchemeWidth, background}};
    SchemeView& v = p.view;
    for (int g : {FirstInputGroup, SecondInputGroup, ExtraInputGroup})
        v.group(g).visible = false;
    // The group is moved up by the bands of earlier pages and ends with the background.
    v.group(BlockGroup).top = -offset;
    v.group(BlockGroup).height = offset + background;
    // Everything of the block group belongs to the band its middle lies in (the label of
    // a band's first input reaches a pixel above the band).
    for (int f = 0; f < kFamilyCount; ++f) {
        const auto family = static_cast<Family>(f);
        for (int i = 0; i < v.count(family); ++i) {
            Element& e = v.at(family, i);
            if (e.group != BlockGroup || isBus(v, family, i))
                continue;
            const int band = std::max(0, e.rect.y + e.rect.h / 2 - kFirstBandTop) / kBand;
            if (band < firstBand || band >= firstBand + bands)
                e.visible = false;
        }
    }
    layOutBlockBuses(v, screen, part, offset, background);
    for (int b = firstBand; b < firstBand + bands; ++b)
        printOutputMarks(v, kBlockRow0 + b);
    return p;
}

} // namespace

PrintedPage LayOutPage(const SchemeView& screen, int part) {
    return part == 1 ? inputPage(screen) : blockPage(screen, part);
}
