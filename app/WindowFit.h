#pragma once

#include <QMargins>
#include <QRect>

class QWidget;

// Windows kept whole on their screen, frame included.

// What a window manager usually adds around a window, before it says so.
QMargins ExpectedFrame(const QWidget& window);
// outer moved (and shrunk, where it is larger) to lie within area.
QRect Clamped(QRect outer, const QRect& area);
// The window, frame included, made no larger than the room and placed with
// its middle at centre, moved as far as it takes to lie whole in the room.
void PlaceWithin(QWidget& window, QPoint centre, const QRect& room);
// The same over the middle of `over`, in its screen's room: where the window
// system would put it anywhere, part of it off the screen perhaps.
void PlaceOver(QWidget& window, const QWidget& over);
