// Where a difference is marked: only on rows and output lines the scheme shows.

#include "editor/DifferenceMarks.h"
#include "support/SampleSchemes.h"
#include "support/SessionFixture.h"

#include <gtest/gtest.h>

namespace {

using K = SchemePlace::Kind;

struct BandCase {
    const char* name;
    SchemePlace place;
    bool marked;
};
void PrintTo(const BandCase& c, std::ostream* os) {
    *os << c.name;
}

class MarkedPlaces : public ::testing::TestWithParam<BandCase> {};

// Code 12-04: inputs 1..12 on rows 0..11, 13..16 on rows 24..27, outputs 1..4
// of МР №1 only; blocks 1 and 2 in use.
TEST_P(MarkedPlaces, OnlyWhatTheSchemeShows) {
    SessionFixture<> s;
    BuildSampleScheme(s.session, 12, 4, 2);
    const BandCase& c = GetParam();
    const std::optional<Rect> band = DifferenceMarks::Band(s.view, c.place);
    ASSERT_EQ(band.has_value(), c.marked);
    DifferenceMarks marks;
    marks.mark(c.place);
    EXPECT_EQ(marks.bands(s.view).size(), c.marked ? 1u : 0u);
    if (!band)
        return;
    // The band holds the row's elements and none of the neighbours'.
    const bool line = c.place.kind == K::OutputLine;
    const Rect own = s.view.absoluteRect(line                  ? Family::OutputName
                                         : c.place.index >= 32 ? Family::BlockBody
                                                               : Family::InputNumber,
                                         c.place.index >= 32 ? c.place.index - 32 : c.place.index);
    EXPECT_LE(band->y, own.y);
    EXPECT_GE(band->bottom(), own.bottom());
    EXPECT_LT(band->h, line || c.place.index < 32 ? 2 * kRowStep : 112);
}

INSTANTIATE_TEST_SUITE_P(Table, MarkedPlaces,
                         ::testing::Values(BandCase{"MainInput", {K::Row, 11}, true},
                                           BandCase{"AdditionalInput", {K::Row, 24}, true},
                                           BandCase{"NoSuchInput", {K::Row, 28}, false},
                                           BandCase{"HiddenGroup", {K::Row, 12}, false},
                                           BandCase{"BlockInUse", {K::Row, 33}, true},
                                           BandCase{"BlockBelowTheLastInUse", {K::Row, 44}, false},
                                           BandCase{"Output", {K::OutputLine, 3}, true},
                                           BandCase{"NoSuchOutput", {K::OutputLine, 5}, false},
                                           BandCase{"Nowhere", {K::None, -1}, false}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
