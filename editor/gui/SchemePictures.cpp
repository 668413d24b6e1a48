#include "editor/gui/SchemePictures.h"

#include <QPainter>
#include <QPainterPath>

namespace {

// Points given on a 0..1 grid of the rectangle.
QPointF at(const QRectF& r, double fx, double fy) {
    return {r.left() + fx * r.width(), r.top() + fy * r.height()};
}

void polyline(QPainter& p, const QRectF& r, std::initializer_list<std::pair<double, double>> pts) {
    QPainterPath path;
    bool first = true;
    for (auto [fx, fy] : pts) {
        if (first)
            path.moveTo(at(r, fx, fy));
        else
            path.lineTo(at(r, fx, fy));
        first = false;
    }
    p.drawPath(path);
}

void symbolText(QPainter& p, const QRectF& r, const QString& text) {
    QFont font = p.font();
    font.setBold(true);
    font.setPixelSize(static_cast<int>(r.height() * 0.8));
    p.setFont(font);
    p.drawText(r, Qt::AlignCenter, text);
}

// Hysteresis loop: two thresholds joined by the rising and falling branches.
void hysteresis(QPainter& p, const QRectF& r) {
    polyline(p, r, {{0.1, 0.8}, {0.65, 0.8}, {0.65, 0.2}, {0.9, 0.2}});
    polyline(p, r, {{0.9, 0.2}, {0.35, 0.2}, {0.35, 0.8}});
}

// Timer diagrams: the input step above, the output below.
void onDelay(QPainter& p, const QRectF& r) {
    polyline(p, r, {{0.05, 0.45}, {0.25, 0.45}, {0.25, 0.1}, {0.95, 0.1}});
    polyline(p, r, {{0.05, 0.9}, {0.6, 0.9}, {0.6, 0.55}, {0.95, 0.55}});
}

void pulse(QPainter& p, const QRectF& r) {
    polyline(p, r, {{0.05, 0.45}, {0.25, 0.45}, {0.25, 0.1}, {0.95, 0.1}});
    polyline(p, r, {{0.05, 0.9}, {0.25, 0.9}, {0.25, 0.55}, {0.6, 0.55}, {0.6, 0.9}, {0.95, 0.9}});
}

// Contact between two terminals: closed lies on the line, open is lifted.
void contact(QPainter& p, const QRectF& r, bool open) {
    polyline(p, r, {{0.05, 0.7}, {0.3, 0.7}});
    polyline(p, r, {{0.7, 0.7}, {0.95, 0.7}});
    if (open)
        polyline(p, r, {{0.3, 0.7}, {0.72, 0.2}});
    else
        polyline(p, r, {{0.3, 0.7}, {0.72, 0.55}, {0.72, 0.85}});
}

// Relay coil: a box with the winding's slant.
void relay(QPainter& p, const QRectF& r) {
    const QRectF coil =
        r.adjusted(r.width() * 0.15, r.height() * 0.2, -r.width() * 0.15, -r.height() * 0.2);
    p.drawRect(coil);
    p.drawLine(coil.bottomLeft(), coil.topRight());
}

} // namespace

void drawPicture(QPainter& painter, Picture picture, const QRectF& rect, const QColor& ink) {
    painter.save();
    painter.setPen(QPen(ink, 1.2));
    painter.setBrush(Qt::NoBrush);
    painter.setRenderHint(QPainter::Antialiasing, true);
    switch (picture) {
    case Picture::And:
        symbolText(painter, rect, "&");
        break;
    case Picture::Or:
        symbolText(painter, rect, "1");
        break;
    case Picture::Hysteresis:
        hysteresis(painter, rect);
        break;
    case Picture::OnDelay:
        onDelay(painter, rect);
        break;
    case Picture::Pulse:
        pulse(painter, rect);
        break;
    case Picture::ContactOpen:
    case Picture::ContactClosed:
        contact(painter, rect, picture == Picture::ContactOpen);
        break;
    case Picture::Relay:
        relay(painter, rect);
        break;
    case Picture::None:
        break;
    }
    painter.restore();
}
