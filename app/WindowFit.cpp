#include "app/WindowFit.h"

#include <QScreen>
#include <QStyle>
#include <QWidget>

#include <algorithm>

QMargins ExpectedFrame(const QWidget& window) {
    const int border = 4;
    const int title = std::max(window.style()->pixelMetric(QStyle::PM_TitleBarHeight), 24);
    return {border, title + border, border, border};
}

QRect Clamped(QRect outer, const QRect& area) {
    outer.setSize(outer.size().boundedTo(area.size()));
    outer.moveLeft(std::clamp(outer.left(), area.left(), area.right() - outer.width() + 1));
    outer.moveTop(std::clamp(outer.top(), area.top(), area.bottom() - outer.height() + 1));
    return outer;
}

void PlaceWithin(QWidget& window, QPoint centre, const QRect& room) {
    const QMargins frame = ExpectedFrame(window);
    QRect outer(QPoint(), window.size().grownBy(frame));
    outer.moveCenter(centre);
    if (!room.isEmpty())
        outer = Clamped(outer, room);
    window.resize(outer.size().shrunkBy(frame));
    window.move(outer.topLeft());
}

void PlaceOver(QWidget& window, const QWidget& over) {
    const QScreen* screen = over.screen();
    PlaceWithin(window, over.frameGeometry().center(),
                screen != nullptr ? screen->availableGeometry() : QRect());
}
