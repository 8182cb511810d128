#pragma once
// The two points where a line, given by a point and an angle, cuts a circle.

#include "calc_form.h"

namespace brennvik {

// Reads the boxes of the line-circle window and writes its results:
// Text1..Text3 the line (X, Z or Y, angle), Text4..Text6 the circle (centre
// X, Z or Y, radius), OptionXY the plane. Results: Text7/Text8 point 1 with
// its I/K to the centre in Text9/Text10, Text11/Text12 point 2 with its I/K
// in Text13/Text14.
void RecalcLineR(CalcForm &form, Drawing &drawing);

// The inserts of point 1 as a linear move and of point 2 as an arc block
// with the radius as L, from the boxes' texts as they stand.
QString LinearMoveLine(const QString &x, const QString &z, Plane plane);
QString ArcBlockLine(const QString &x, const QString &z, const QString &radius, Plane plane);

}  // namespace brennvik
