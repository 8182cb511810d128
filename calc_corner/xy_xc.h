#pragma once
// Two points of the face converted between X-Y and the lathe's X (a
// diameter) and C (an angle in degrees), with the line through them, the
// reference angle C at which that line lies parallel to the Y axis and both
// points turned to it.

#include "calc_tangent/calc_form.h"

namespace brennvik {

// The fixed view of the conversion window: 500 wide, the origin in the middle.
ViewScale XYXCView();
// The drawing of a window just opened: the view and the two axes.
Drawing XYXCStartDrawing(QSizeF areaTwips);

// Reads the boxes of the conversion window and writes its results. With
// OptionXY on, point 1 from Text1/Text2 (x, y) to Text3/Text4 (X, C) and
// point 2 from Text5/Text6 to Text7/Text8; otherwise the other way round.
// With both points: Text10 L and Text9 the angle A of the line, Text11 the
// reference angle C, Text12/Text13 and Text14/Text15 the turned points
// (absolute values).
void RecalcXYXC(CalcForm &form, Drawing &drawing);

// The angle C in degrees of the direction of (x, y) as the conversion gives
// it: -90 to 270.
double AngleC(double x, double y);

// The polar read-out of a point (x, y) of the drawing's scale: "X", the
// diameter, " C", the angle from 0 to 360, each floored to thousandths and
// printed as the mouse read-out prints its numbers.
QString PolarReadoutText(double x, double y);
// Polar read-outs at least as long as that of any point of the view.
QStringList LongestPolarReadouts(const ViewScale &view);

}  // namespace brennvik
