#pragma once
// The circle of radius R tangent to two lines, each given by a point and an
// angle, with the nose-radius compensation of a turning tool cutting it.

#include "calc_form.h"

namespace brennvik {

// Reads the boxes of the tangent-circle window and writes its results:
// Text1..Text3 line 1 (X, Z or Y, angle), Text4..Text6 line 2, Text9 R,
// Text20 nose radius; Option1..Option4 the sector, Option5/Option6 nose
// outside/inside, NosePN_0..NosePN_7 the tip position, Check1 the view
// centred on the circle, OptionXY the plane. Results: Text7/8 the
// intersection, Text10/11 the centre, Text12/13 and Text14/15 the tangent
// points with their I/K in Text16/17 and Text18/19, Text21..Text34 the nose
// results.
void RecalcLineRLine(CalcForm &form, Drawing &drawing);

}  // namespace brennvik
