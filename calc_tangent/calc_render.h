#pragma once
// Renders a calculator's drawing with QPainter: on the drawing area, into an
// image or on a printer page.

#include "calc_drawing.h"

#include <QColor>

class QPainter;
class QRectF;

namespace brennvik {

// The colour of a colour reference; system colours as the desktop shows them.
QColor ColourOf(ColourRef colour);

// Fills `target` with the background and draws the primitives in it, each in
// the scale of the Scale primitive before it. For printing the background is
// white and lines and circles are drawn in inverted colours, so that the
// white and yellow lines of the screen come out dark on paper.
void RenderDrawing(QPainter &painter, const Drawing &drawing, const QRectF &target, bool printing);

}  // namespace brennvik
