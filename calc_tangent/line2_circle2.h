#pragma once
// A reverse curve between two parallel lines: circle 1 of radius R1 touches
// line 1, circle 2 of radius R2 touches line 2, and the two circles touch
// each other between the lines.

#include "calc_form.h"

#include <QStringList>

namespace brennvik {

// Reads the boxes of the two-lines-two-circles window and writes its
// results. Option3 "水平" lines parallel to Z, Option4 "垂直" parallel to
// X; Option1/Option2 circle 2 on the plus or minus side along the lines.
// Text1/Text2 tangent point 1 (X, Z), Text3 R1, Text4/Text5 tangent point 2,
// Text6 R2, Text7/Text8 contact point 3; across the lines the boxes give
// the lines' positions, along them the first filled of points 1, 2, 3
// gives the known one. Results: the other along-line boxes, point 3,
// Text9/Text10 centre 1 with I/K in Text11/Text12, Text13/Text14 centre 2
// with I/K in Text15/Text16.
void RecalcLine2Circle2(CalcForm &form, Drawing &drawing);

// The along-line boxes to empty when the user has edited `box` and leaves
// it, so that the next solution starts from the box filled last.
QStringList BoxesClearedOnLeaving(const QString &box, bool vertical);

}  // namespace brennvik
