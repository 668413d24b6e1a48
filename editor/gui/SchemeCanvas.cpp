#include "editor/gui/SchemeCanvas.h"

#include "editor/gui/SchemePainter.h"

#include <QImage>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPen>
#include <QToolTip>

SchemeCanvas::SchemeCanvas(const SchemeView& view, QWidget* parent) : QWidget(parent), view_(view) {
    setObjectName("SchemeCanvas");
    setFocusPolicy(Qt::StrongFocus);
    updateSize();
}

void SchemeCanvas::updateSize() {
    setFixedSize(kSchemeWidth, std::max(view_.schemeHeight(), 1));
    update();
}

QImage SchemeCanvas::render(double scale) const {
    const QRect area(0, 0, kSchemeWidth, std::max(view_.schemeHeight(), 1));
    QImage image(area.size() * scale, QImage::Format_RGB32);
    image.fill(palette().color(QPalette::Window));
    QPainter painter(&image);
    paintScheme(painter, view_, scale, area);
    return image;
}

bool SchemeCanvas::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    const std::optional<ElementRef> element = view_.elementAt(help->pos().x(), help->pos().y());
    const QString hint = element ? view_.at(element->family, element->index).hint : QString();
    if (hint.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(help->globalPos(), hint, this);
    return true;
}

void SchemeCanvas::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.translate(event->rect().topLeft());
    paintScheme(painter, view_, 1.0, event->rect());
    if (marks_ == nullptr)
        return;
    painter.resetTransform();
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor mark(220, 0, 0);
    painter.setPen(QPen(mark, 2));
    QColor tint = mark;
    tint.setAlpha(40);
    painter.setBrush(tint);
    for (const Rect& band : marks_->bands(view_))
        painter.drawRoundedRect(QRectF(band.x - 2, band.y, band.w + 4, band.h), 4, 4);
}

void SchemeCanvas::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    pressed_ = view_.elementAt(at.x(), at.y());
    if (pressed_)
        emit elementPressed(*pressed_);
}

void SchemeCanvas::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    const std::optional<ElementRef> released = view_.elementAt(at.x(), at.y());
    if (pressed_ && released == pressed_)
        emit elementClicked(*released);
    pressed_.reset();
}
