#include "editor/DifferenceMarks.h"

#include <algorithm>
#include <initializer_list>

namespace {

Rect United(const SchemeView& view, std::initializer_list<ElementRef> elements) {
    Rect band = view.absoluteRect(elements.begin()->family, elements.begin()->index);
    for (const ElementRef& e : elements) {
        const Rect r = view.absoluteRect(e.family, e.index);
        const int right = std::max(band.right(), r.right());
        const int bottom = std::max(band.bottom(), r.bottom());
        band.x = std::min(band.x, r.x);
        band.y = std::min(band.y, r.y);
        band.w = right - band.x;
        band.h = bottom - band.y;
    }
    return band;
}

// The elements of a place, wherever its group is.
std::optional<Rect> PlaceBand(const SchemeView& view, SchemePlace place) {
    const int i = place.index;
    if (place.kind == SchemePlace::Kind::OutputLine && i >= 0 && i < kOutputLines)
        return United(
            view, {{Family::OutputNumber, i}, {Family::OutputName, i}, {Family::RelayPicture, i}});
    if (place.kind != SchemePlace::Kind::Row || i < 0 || i >= kSchemeRows)
        return std::nullopt;
    const ElementRef signalling{Family::SignallingPanel, i};
    const ElementRef outputs{Family::OutputsPanel, i};
    if (i < kFirstBlockRow)
        return United(view,
                      {{Family::ContactToggle, i}, {Family::InputName, i}, signalling, outputs});
    const int block = i - kFirstBlockRow;
    return United(view, {{Family::BlockBody, block},
                         {Family::BlockInputKind, 4 * block},
                         {Family::BlockInputKind, 4 * block + 3},
                         signalling,
                         outputs});
}

} // namespace

void DifferenceMarks::mark(SchemePlace place) {
    if (place.kind != SchemePlace::Kind::None)
        places_.insert(place);
}

std::vector<Rect> DifferenceMarks::bands(const SchemeView& view) const {
    std::vector<Rect> shown;
    for (const SchemePlace& place : places_)
        if (const auto band = Band(view, place))
            shown.push_back(*band);
    return shown;
}

std::optional<Rect> DifferenceMarks::Band(const SchemeView& view, SchemePlace place) {
    const std::optional<Rect> band = PlaceBand(view, place);
    if (!band)
        return std::nullopt;
    // A group shows only the rows that exist: the first group is cut below
    // its last main input, the block group below its last block in use.
    const SchemeGroup& group = view.group(place.kind == SchemePlace::Kind::OutputLine
                                              ? SchemeView::groupOfLine(place.index)
                                              : SchemeView::groupOfRow(place.index));
    if (!group.visible || band->y >= group.top + group.height)
        return std::nullopt;
    // An input or output the code does not have keeps its place but is not drawn.
    const bool input = place.kind == SchemePlace::Kind::Row && place.index < kFirstBlockRow;
    if (place.kind == SchemePlace::Kind::OutputLine &&
        !view.at(Family::OutputNumber, place.index).visible)
        return std::nullopt;
    if (input && !view.at(Family::InputNumber, place.index).visible)
        return std::nullopt;
    return band;
}
