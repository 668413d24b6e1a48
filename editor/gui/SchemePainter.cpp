#include "editor/gui/SchemePainter.h"

#include "editor/gui/SchemePictures.h"

#include <QFont>
#include <QPainter>

namespace {

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

class Painter {
public:
    Painter(QPainter& p) : p_(p) {
        normal_.setFamily("DejaVu Sans");
        normal_.setPixelSize(11);
        bold_ = normal_;
        bold_.setBold(true);
        small_ = normal_;
        small_.setPixelSize(9);
        // The signalling, delay and outputs captions share their panel with inner labels.
        narrow_ = normal_;
        narrow_.setPixelSize(10);
        narrow_.setLetterSpacing(QFont::PercentageSpacing, 94);
    }

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
            p_.fillRect(r, toColor(e.back));
            text(f, e, r.adjusted(1, 0, -1, 0));
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

    void text(Family f, const Element& e, const QRect& r) {
        if (e.caption.isEmpty())
            return;
        if (f == Family::BlockInputKind || f == Family::BlockInputNumber)
            p_.setFont(small_);
        else if (f == Family::SignallingPanel || f == Family::DelayPanel ||
                 f == Family::OutputsPanel)
            p_.setFont(narrow_);
        else
            p_.setFont(e.bold ? bold_ : normal_);
        p_.setPen(toColor(e.text));
        if (e.caption.contains('\n')) {
            // A list on several lines keeps its first line at the top of its box and runs
            // below it, in the small font.
            p_.setFont(small_);
            p_.drawText(r.adjusted(0, 2, 0, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip,
                        e.caption);
            return;
        }
        p_.drawText(r, static_cast<int>(alignmentOf(f)), e.caption);
    }

    QPainter& p_;
    QFont normal_, bold_, small_, narrow_;
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
