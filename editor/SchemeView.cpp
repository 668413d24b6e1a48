#include "editor/SchemeView.h"

#include <algorithm>

namespace {

const QString kTenSpaces(10, QChar(' '));

// Columns of the scheme (x in pixels inside a group).
constexpr int kSignallingX = 176, kBlockSignallingX = 264;
constexpr int kDelayX = 284, kBlockDelayX = 332;
constexpr int kOutputsX = 392;
constexpr int kRowLineX = 136, kBlockRowLineX = 240;
constexpr int kInputBusX = 152, kOutputBusX = 592, kBusWidth = 5;
// The acknowledge mark sits beside its row, right of the output bus: the
// additional inputs have no output lines there, and the row's own elements
// stay uncovered.
constexpr int kExtAckMarkX = kOutputBusX + 12;
constexpr int kBlockBand = 112;

int bandTop(int block) {
    return 8 + kBlockBand * block;
}
int blockInputLineY(int input) {
    return bandTop(input / 4) + 12 + 22 * (input % 4);
}

} // namespace

SchemeView::SchemeView(const ConfigurationModel& model) : model_(model) {
    buildRows();
    buildOutputLines();
    buildBlocks();
    buildGroupsBusesTitles();
}

int SchemeView::groupOfRow(int row) {
    if (row < 12)
        return FirstInputGroup;
    if (row < 24)
        return SecondInputGroup;
    return row < 32 ? ExtraInputGroup : BlockGroup;
}

int SchemeView::rowTop(int row) {
    if (row < 12)
        return 32 + kRowStep * row;
    if (row < 24)
        return kRowStep * (row - 12);
    if (row < 32)
        return kRowStep * (row - 24);
    return 32 + kBlockBand * (row - 32);
}

int SchemeView::groupOfLine(int line) {
    return line < 12 ? FirstInputGroup : SecondInputGroup;
}

int SchemeView::lineTop(int line) {
    return line < 12 ? 32 + kRowStep * line : kRowStep * (line - 12);
}

Element& SchemeView::add(Family family, int group, Rect rect) {
    auto& list = families_[static_cast<int>(family)];
    list.push_back(Element{});
    Element& e = list.back();
    e.group = group;
    e.rect = rect;
    return e;
}

void SchemeView::buildRows() {
    using namespace colours;
    for (int r = 0; r < kChannelSlots; ++r) {
        const int g = groupOfRow(r), y = rowTop(r);
        const Rgb own = r < 24 ? blue : olive;
        add(Family::ContactToggle, g, {8, y + 8, 25, 17}).hint =
            QStringLiteral("Состояние входа - Нажато: НР");
        Element& name = add(Family::InputName, g, {32, y, 81, 33});
        name.caption = kTenSpaces;
        name.text = own;
        name.hint = QStringLiteral("панель текстового реквизита входа");
        Element& number = add(Family::InputNumber, g, {112, y, 25, 33});
        number.caption = QString::number(r + 1);
        number.text = own;
        number.hint = QStringLiteral("панель номера входа");
        add(Family::FeedStub, g, {kRowLineX, y + 15, 20, 3}).back = olive;
        add(Family::FeedDot, g, {150, y + 12, 9, 9}).back = olive;
    }
    for (int r = 0; r < kSchemeRows; ++r) {
        const bool block = r >= 32;
        const int g = groupOfRow(r), y = rowTop(r);
        const int lineX = block ? kBlockRowLineX : kRowLineX;
        add(Family::RowLine, g, {lineX, y + 15, kOutputBusX - lineX + 1, 3}).back = olive;

        const int sx = block ? kBlockSignallingX : kSignallingX;
        Element& sig = add(Family::SignallingPanel, g, {sx, y, 57, 33});
        sig.caption = "т сиг";
        sig.hint = QStringLiteral("панель сигнализации");
        Element& cell = add(Family::CellNumber, g, {sx + 30, y + 8, 21, 17});
        cell.caption = "00";
        cell.text = white;
        cell.back = gray;
        cell.bold = true;
        cell.parent = ElementRef{Family::SignallingPanel, r};

        const int zx = block ? kBlockDelayX : kDelayX;
        Element& delay = add(Family::DelayPanel, g, {zx, y, 40, 33});
        delay.caption = " t";
        delay.hint = QStringLiteral("панель задержки");
        Element& value = add(Family::DelayValue, g, {zx + 13, y + 8, 21, 17});
        value.caption = "00";
        value.text = white;
        value.back = navy;
        value.parent = ElementRef{Family::DelayPanel, r};

        Element& outs = add(Family::OutputsPanel, g, {kOutputsX, y, 161, 33});
        outs.caption = " МР";
        outs.hint = QStringLiteral("панель выходов");
        struct Mark {
            Family family;
            int dx, w;
            const char* caption;
            Rgb text;
            const char* hint;
        };
        const Mark marks[] = {{Family::Mr1Mark, 24, 13, "1", silver, kMr1OutputsHint},
                              {Family::Mr1Outputs, 39, 40, "", white, kMr1OutputsHint},
                              {Family::Mr2Mark, 80, 13, "2", silver, kMr2OutputsHint},
                              {Family::Mr2Outputs, 94, 40, "", white, kMr2OutputsHint},
                              {Family::InterlockMark, 137, 20, "бл", silver, ""}};
        for (const Mark& m : marks) {
            Element& e = add(m.family, g, {kOutputsX + m.dx, y + 8, m.w, 17});
            e.caption = m.caption;
            e.text = m.text;
            e.back = maroon;
            e.hint = m.hint;
            e.parent = ElementRef{Family::OutputsPanel, r};
        }
    }
}

void SchemeView::buildOutputLines() {
    using namespace colours;
    for (int j = 0; j < kOutputLines; ++j) {
        const int g = groupOfLine(j), y = lineTop(j);
        Element& number = add(Family::OutputNumber, g, {608, y, 25, 33});
        number.caption = QString::number(j % 8 + 1);
        number.text = maroon;
        number.hint = QStringLiteral("панель номера выхода");
        Element& name = add(Family::OutputName, g, {632, y, 81, 33});
        name.caption = kTenSpaces;
        name.text = maroon;
        name.hint = QStringLiteral("панель текстового реквизита выхода");
        add(Family::OutputConnector, g, {kOutputBusX, y + 15, 134, 3}).back = maroon;
        Element& relay = add(Family::RelayPicture, g, {726, y + 8, 16, 16});
        relay.picture = Picture::Relay;
        relay.text = maroon;
    }
}

void SchemeView::buildBlocks() {
    using namespace colours;
    for (int b = 0; b < kFunctionBlocks; ++b) {
        const int y = bandTop(b);
        add(Family::BlockBody, BlockGroup, {224, y, 25, 90}).hint =
            QStringLiteral("панель функционального блока");
        Element& number = add(Family::BlockNumber, BlockGroup, {224, y, 25, 17});
        number.caption = QString::number(b + 1);
        number.hint = QStringLiteral("панель номера ФБЛ");
        number.parent = ElementRef{Family::BlockBody, b};
        Element& type = add(Family::BlockTypePicture, BlockGroup, {226, y + 34, 21, 21});
        type.hint = QStringLiteral("тип ФБЛ");
        type.parent = ElementRef{Family::BlockBody, b};
        add(Family::BlockOutputInversion, BlockGroup, {249, y + 36, 9, 9}).text = olive;
        add(Family::CrossLinkDrop, BlockGroup, {378, y + 39, 3, 59}).back = olive;
        add(Family::CrossLink, BlockGroup, {154, y + 96, 225, 3}).back = olive;
        add(Family::BlockTimerPicture, BlockGroup, {kBlockDelayX, y + 60, 24, 16});
    }
    for (int i = 0; i < kBlockInputs; ++i) {
        const int ly = blockInputLineY(i);
        add(Family::BlockInputLine, BlockGroup, {kInputBusX, ly, 72, 3}).back = olive;
        Element& kind = add(Family::BlockInputKind, BlockGroup, {167, ly - 13, 21, 13});
        kind.hint = QStringLiteral("источник входного сигнала");
        kind.caption = kDeviceInputSource;
        Element& number = add(Family::BlockInputNumber, BlockGroup, {188, ly - 13, 21, 13});
        number.hint = QStringLiteral("Номер входа УСО или номер ФБЛ");
        number.caption = "00";
        add(Family::BlockInputInversion, BlockGroup, {215, ly - 3, 9, 9}).text = olive;
    }
}

void SchemeView::buildGroupsBusesTitles() {
    using namespace colours;
    groups_[FirstInputGroup] = {0, 416, false};
    groups_[SecondInputGroup] = {416, 383, false};
    groups_[ExtraInputGroup] = {kSavedDvTop, 277, false};
    groups_[BlockGroup] = {kSavedFbTop, 1472, false};
    for (int bus = 0; bus < kBusCount; ++bus) {
        const int g = bus % 4;
        Element& e = add(Family::Bus, g, {bus < 4 ? kInputBusX : kOutputBusX, 0, kBusWidth, 0});
        e.back = bus < 4 ? olive : maroon;
    }
    struct TitleDef {
        int group;
        Rect rect;
        const char* caption;
        Rgb colour;
    };
    const TitleDef titles[kTitleCount] = {
        {FirstInputGroup, {8, 8, 104, 17}, "Входы МВДИ", blue},
        {FirstInputGroup, {kSignallingX, 8, 104, 17}, "Сигнализация            ", black},
        {FirstInputGroup, {kDelayX, 8, 90, 17}, "Задержка,с", black},
        {FirstInputGroup, {kOutputsX, 8, 80, 17}, "Выходы", black},
        {FirstInputGroup, {608, 8, 110, 17}, "Выходы МР", maroon},
        {FirstInputGroup, {748, lineTop(0) + 8, 50, 17}, "МР №1", maroon},
        {FirstInputGroup, {748, lineTop(8) + 8, 50, 17}, "МР №2", maroon},
        {ExtraInputGroup, {608, 8, 190, 17}, "Дискретные входы МР", olive},
        {BlockGroup, {608, 8, 190, 17}, "Функциональные блоки", olive},
        {ExtraInputGroup, {kExtAckMarkX, 12, 140, 13}, "Вход внеш. квитир. ", maroon},
    };
    for (const TitleDef& t : titles) {
        Element& e = add(Family::Title, t.group, t.rect);
        e.caption = t.caption;
        e.text = t.colour;
        e.bold = true;
        e.back = silver;
    }
    const Picture sources[kSourceCount] = {
        Picture::And,   Picture::Or,          Picture::Hysteresis,    Picture::OnDelay,
        Picture::Pulse, Picture::ContactOpen, Picture::ContactClosed, Picture::None};
    for (Picture p : sources)
        add(Family::Source, FirstInputGroup, {}).picture = p;
}

Element& SchemeView::at(Family family, int index) {
    return families_[static_cast<int>(family)].at(static_cast<std::size_t>(index));
}

const Element& SchemeView::at(Family family, int index) const {
    return families_[static_cast<int>(family)].at(static_cast<std::size_t>(index));
}

int SchemeView::count(Family family) const {
    return static_cast<int>(families_[static_cast<int>(family)].size());
}

Rect SchemeView::absoluteRect(Family family, int index) const {
    const Element& e = at(family, index);
    Rect r = e.rect;
    r.y += groups_[e.group].top;
    return r;
}

bool SchemeView::shown(Family family, int index) const {
    if (family == Family::Source)
        return false;
    const Element& e = at(family, index);
    if (!e.visible || !groups_[e.group].visible)
        return false;
    return !e.parent || at(e.parent->family, e.parent->index).visible;
}

std::optional<ElementRef> SchemeView::elementAt(int x, int y) const {
    // Later families are painted over earlier ones, so they win.
    for (int f = kFamilyCount - 1; f >= 0; --f) {
        const auto family = static_cast<Family>(f);
        for (int i = 0; i < count(family); ++i)
            if (shown(family, i) && absoluteRect(family, i).contains(x, y))
                return ElementRef{family, i};
    }
    return std::nullopt;
}

int SchemeView::schemeHeight() const {
    int height = 0;
    for (const SchemeGroup& g : groups_)
        if (g.visible)
            height = g.top + g.height;
    return height;
}
