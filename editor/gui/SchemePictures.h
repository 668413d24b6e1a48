#pragma once

#include "editor/SchemeView.h"

class QPainter;
class QRectF;
class QColor;

// The small pictures of the scheme, drawn to fit a rectangle: block symbols, timer
// types, contact states and the relay.
void drawPicture(QPainter& painter, Picture picture, const QRectF& rect, const QColor& ink);
