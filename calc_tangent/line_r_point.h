#pragma once
// The circle of radius R that touches a line, given by a point and an
// angle, and passes through an end point.

#include "calc_form.h"

namespace brennvik {

// Reads the boxes of the window and writes its results: Text1..Text3 the
// line (X, Z or Y, angle), Text4/Text5 the end point, Text8 R, Option1 the
// first of the two circles (else the second), OptionXY the plane. Results:
// Text6/Text7 the centre, Text9/Text10 the start point where the circle
// touches the line, Text11/Text12 I and K from it to the centre.
void RecalcLineRPoint(CalcForm &form, Drawing &drawing);

}  // namespace brennvik
