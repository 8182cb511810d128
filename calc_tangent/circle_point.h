#pragma once
// The point of a circle where the tangent runs at a given angle.

#include "calc_form.h"

namespace brennvik {

// Reads the boxes of the window and writes its results: Text1/Text2 the
// centre (X, Z or Y), Text3 R, Text4 the tangent's angle, Option1 the first
// of the two points (else the second), OptionXY the plane. Results:
// Text5/Text6 the point, Text7/Text8 I and K from it to the centre.
void RecalcCirclePoint(CalcForm &form, Drawing &drawing);

// The window's inserts, " X" x " Z" z and " I" i " K" k (" Y" and " J" in
// the X-Y plane), from the boxes' texts as they stand and without a line end.
QString PointWords(const QString &x, const QString &z, Plane plane);
QString CentreWords(const QString &i, const QString &k, Plane plane);

}  // namespace brennvik
