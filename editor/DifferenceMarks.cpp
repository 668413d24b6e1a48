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
    const int i = place.index;
    if (place.kind == SchemePlace::Kind::OutputLine && i >= 0 && i < kOutputLines) {
        if (!view.group(SchemeView::groupOfLine(i)).visible)
            return std::nullopt;
        return United(
            view, {{Family::OutputNumber, i}, {Family::OutputName, i}, {Family::RelayPicture, i}});
    }
    if (place.kind != SchemePlace::Kind::Row || i < 0 || i >= kSchemeRows ||
        !view.group(SchemeView::groupOfRow(i)).visible)
        return std::nullopt;
    const ElementRef panels[] = {{Family::SignallingPanel, i}, {Family::OutputsPanel, i}};
    if (i < kFirstBlockRow)
        return United(view,
                      {{Family::ContactToggle, i}, {Family::InputName, i}, panels[0], panels[1]});
    const int block = i - kFirstBlockRow;
    return United(view, {{Family::BlockBody, block},
                         {Family::BlockInputKind, 4 * block},
                         {Family::BlockInputKind, 4 * block + 3},
                         panels[0],
                         panels[1]});
}
