#include "editor/gui/SchemePainter.h"

#include "editor/gui/SchemePictures.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cstdlib>

namespace {

// The least size a text is made smaller to before it is shortened.
constexpr int kSmallestPixelSize = 9;

QColor toColor(Rgb c) {
    return QColor(c.r, c.g, c.b);
}

QRect toQRect(const Rect& r) {
    return QRect(r.x, r.y, r.w, r.h);
}

enum class Look { Line, Dot, Circle, Panel, Label, Caption, Toggle, Picture };

Look lookOf(Family f) {
    switch (f) {
    case Family::Bus:
    case Family::RowLine:
    case Family::FeedStub:
    case Family::OutputConnector:
    case Family::BlockInputLine:
    case Family::CrossLink:
    case Family::CrossLinkDrop:
        return Look::Line;
    case Family::FeedDot:
        return Look::Dot;
    case Family::BlockOutputInversion:
    case Family::BlockInputInversion:
        return Look::Circle;
    case Family::ContactToggle:
        return Look::Toggle;
    case Family::RelayPicture:
    case Family::BlockTypePicture:
    case Family::BlockTimerPicture:
    case Family::Source:
        return Look::Picture;
    case Family::CellNumber:
    case Family::DelayValue:
    case Family::Mr1Mark:
    case Family::Mr1Outputs:
    case Family::Mr2Mark:
    case Family::Mr2Outputs:
    case Family::InterlockMark:
        return Look::Label;
    case Family::BlockInputKind:
    case Family::BlockInputNumber:
    case Family::Title:
        return Look::Caption;
    default:
        return Look::Panel;
    }
}

// Names sit at the left, numbers and marks in the middle; the signalling, delay and
// outputs panels keep their caption left of their inner labels.
Qt::Alignment alignmentOf(Family f) {
    switch (f) {
    case Family::InputName:
    case Family::OutputName:
    case Family::SignallingPanel:
    case Family::DelayPanel:
    case Family::OutputsPanel:
    case Family::Mr1Outputs:
    case Family::Mr2Outputs:
    case Family::Title:
        return Qt::AlignLeft | Qt::AlignVCenter;
    case Family::BlockNumber:
    case Family::BlockBody:
        return Qt::AlignHCenter | Qt::AlignTop;
    default:
        return Qt::AlignCenter;
    }
}

// The fonts of the scheme; the signalling, delay and outputs captions share
// their panel with inner labels and are narrower.
struct SchemeFonts {
    QFont normal, bold, small, narrow;
};

const SchemeFonts& Fonts() {
    static const SchemeFonts fonts = [] {
        SchemeFonts f;
        f.normal.setFamily("DejaVu Sans");
        f.normal.setPixelSize(11);
        f.bold = f.normal;
        f.bold.setBold(true);
        f.small = f.normal;
        f.small.setPixelSize(kSmallestPixelSize);
        f.narrow = f.normal;
        f.narrow.setPixelSize(10);
        f.narrow.setLetterSpacing(QFont::PercentageSpacing, 94);
        return f;
    }();
    return fonts;
}

QFont FontOf(Family f, const Element& e) {
    if (f == Family::BlockInputKind || f == Family::BlockInputNumber)
        return Fonts().small;
    if (f == Family::SignallingPanel || f == Family::DelayPanel || f == Family::OutputsPanel)
        return Fonts().narrow;
    return e.bold ? Fonts().bold : Fonts().normal;
}

// Blanks at the end of a caption take no room on screen.
double InkWidth(const QString& text, const QFont& font, QPaintDevice* device) {
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1) == QChar(' '))
        --end;
    return QFontMetricsF(font, device).horizontalAdvance(text.left(end));
}

// One line: the font made smaller, then the text shortened.
FittedText FitLine(const QString& text, const QFont& font, int width, QPaintDevice* device) {
    if (InkWidth(text, font, device) <= width)
        return {font, text, 1};
    QFont smaller = font;
    smaller.setPixelSize(std::min(font.pixelSize(), kSmallestPixelSize));
    // Whole when it fits now.
    return {smaller, QFontMetrics(smaller, device).elidedText(text, Qt::ElideRight, width), 1};
}

// A list of outputs ("1,2,3,4,5,6,") that does not fit one line breaks after
// the comma nearest its middle, when both halves fit.
FittedText FitList(const QString& text, const QFont& font, int width, QPaintDevice* device) {
    const FittedText line = FitLine(text, font, width, device);
    if (line.text == text)
        return line;
    qsizetype best = -1;
    for (qsizetype i = text.indexOf(','); i >= 0 && i + 1 < text.size();
         i = text.indexOf(',', i + 1))
        if (best < 0 ||
            std::abs(text.size() - 2 * (i + 1)) < std::abs(text.size() - 2 * (best + 1)))
            best = i;
    if (best < 0)
        return line;
    const QString first = text.left(best + 1), second = text.mid(best + 1);
    if (InkWidth(first, line.font, device) > width || InkWidth(second, line.font, device) > width)
        return line;
    return {line.font, first + "\n" + second, 2};
}

} // namespace

FittedText FitCaption(Family family, const Element& element, int width, QPaintDevice* device) {
    const QFont font = FontOf(family, element);
    return lookOf(family) == Look::Label ? FitList(element.caption, font, width, device)
                                         : FitLine(element.caption, font, width, device);
}

namespace {

class Painter {
public:
    explicit Painter(QPainter& p) : p_(p) {}

    void element(Family f, const Element& e, const QRect& r) {
        switch (lookOf(f)) {
        case Look::Line:
            p_.fillRect(r, toColor(e.back));
            break;
        case Look::Dot:
            p_.setPen(Qt::NoPen);
            p_.setBrush(toColor(e.back));
            p_.drawEllipse(r);
            break;
        case Look::Circle:
            p_.setPen(QPen(toColor(e.text), 1));
            p_.setBrush(Qt::white);
            p_.drawEllipse(r.adjusted(0, 0, -1, -1));
            break;
        case Look::Toggle:
            toggle(e, r);
            break;
        case Look::Picture:
            drawPicture(p_, e.picture, r,
                        toColor(f == Family::RelayPicture ? e.text : colours::black));
            break;
        case Look::Panel:
            bevel(r, e.back, false);
            text(f, e, r.adjusted(2, 1, -2, -1));
            break;
        case Look::Label:
            label(f, e, r);
            break;
        case Look::Caption:
            text(f, e, r);
            break;
        }
    }

    void group(const QRect& r) {
        p_.fillRect(r, toColor(colours::silver));
        p_.setPen(toColor(colours::gray));
        p_.setBrush(Qt::NoBrush);
        p_.drawRect(r.adjusted(0, 0, -1, -1));
    }

private:
    void bevel(const QRect& r, Rgb face, bool sunken) {
        p_.fillRect(r, toColor(face));
        const QColor light = sunken ? QColor(128, 128, 128) : QColor(255, 255, 255);
        const QColor dark = sunken ? QColor(255, 255, 255) : QColor(128, 128, 128);
        p_.setPen(light);
        p_.drawLine(r.topLeft(), r.topRight());
        p_.drawLine(r.topLeft(), r.bottomLeft());
        p_.setPen(dark);
        p_.drawLine(r.bottomLeft(), r.bottomRight());
        p_.drawLine(r.topRight(), r.bottomRight());
    }

    void toggle(const Element& e, const QRect& r) {
        bevel(r, colours::buttonFace, e.pressed);
        const QColor ink = e.enabled ? QColor(0, 0, 0) : QColor(160, 160, 160);
        drawPicture(p_, e.pressed ? Picture::ContactOpen : Picture::ContactClosed,
                    QRectF(r).adjusted(3, 1, -3, -2), ink);
    }

    // A value or a list in its coloured box: made smaller, or a list put on two
    // lines in a box grown to hold them, rather than cut.
    void label(Family f, const Element& e, const QRect& r) {
        if (e.caption.contains('\n')) {
            p_.fillRect(r, toColor(e.back));
            text(f, e, r.adjusted(1, 0, -1, 0));
            return;
        }
        const FittedText fit = FitCaption(f, e, r.width() - 2, p_.device());
        QRect box = r;
        if (fit.lines > 1) {
            const int grow =
                fit.lines * QFontMetrics(fit.font, p_.device()).lineSpacing() + 2 - r.height();
            if (grow > 0)
                box.adjust(0, -grow / 2, 0, grow - grow / 2);
        }
        p_.fillRect(box, toColor(e.back));
        p_.setFont(fit.font);
        p_.setPen(toColor(e.text));
        p_.drawText(box.adjusted(1, 0, -1, 0), static_cast<int>(alignmentOf(f)), fit.text);
    }

    void text(Family f, const Element& e, const QRect& r) {
        if (e.caption.isEmpty())
            return;
        p_.setPen(toColor(e.text));
        if (e.caption.contains('\n')) {
            // A list on several lines keeps its first line at the top of its box and runs
            // below it, in the small font.
            p_.setFont(Fonts().small);
            p_.drawText(r.adjusted(0, 2, 0, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip,
                        e.caption);
            return;
        }
        const FittedText fit = FitCaption(f, e, r.width(), p_.device());
        p_.setFont(fit.font);
        p_.drawText(r, static_cast<int>(alignmentOf(f)), fit.text);
    }

    QPainter& p_;
};

} // namespace

void paintScheme(QPainter& painter, const SchemeView& view, double scale, const QRect& area,
                 const std::function<void()>& afterElement) {
    painter.save();
    painter.scale(scale, scale);
    painter.translate(-area.topLeft());
    painter.setClipRect(area);
    Painter draw(painter);
    for (int g = 0; g < kGroupCount; ++g) {
        const SchemeGroup& group = view.group(g);
        const QRect r(0, group.top, kSchemeWidth, group.height);
        if (group.visible && r.intersects(area))
            draw.group(r);
    }
    for (int f = 0; f < kFamilyCount; ++f) {
        const auto family = static_cast<Family>(f);
        for (int i = 0; i < view.count(family); ++i) {
            if (!view.shown(family, i))
                continue;
            const QRect r = toQRect(view.absoluteRect(family, i));
            if (!r.intersects(area))
                continue;
            draw.element(family, view.at(family, i), r);
            if (afterElement)
                afterElement();
        }
    }
    painter.restore();
}
