#pragma once

#include "editor/SchemeView.h"

#include <optional>
#include <set>
#include <utility>
#include <vector>

// Where on the scheme a difference lies: a scheme row (0..44), an output line
// (0..15), or nowhere (the code, the device byte, a byte outside every field).
struct SchemePlace {
    enum class Kind { None, Row, OutputLine };
    Kind kind = Kind::None;
    int index = -1;
    friend auto operator<=>(const SchemePlace&, const SchemePlace&) = default;
};

// The rows and output lines a comparison found different, marked on the
// scheme until the scheme changes or the next comparison.
class DifferenceMarks {
public:
    void mark(SchemePlace place);
    void clear() { places_.clear(); }
    bool empty() const { return places_.empty(); }
    const std::set<SchemePlace>& places() const { return places_; }

    // The marks to paint, in scheme pixels: one band per marked place whose
    // group is on screen.
    std::vector<Rect> bands(const SchemeView& view) const;

    // The band of a place: the row's elements from its contact toggle (its block
    // inputs) to its outputs element, or the output line's number, name and
    // relay; nothing for no place, a place whose group is hidden or ends above
    // it, or an input or output the code does not have.
    static std::optional<Rect> Band(const SchemeView& view, SchemePlace place);

private:
    std::set<SchemePlace> places_;
};
