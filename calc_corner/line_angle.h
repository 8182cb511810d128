#pragma once
// A straight line from its start point and two of angle, end X and end Z.
// Boxes: Text1 X1 and Text2 Z1 of the start (X a diameter), Text3 the
// angle A in degrees from +Z towards +X, Text4 X2 and Text5 Z2 of the end.

#include "calc_tangent/calc_form.h"

namespace brennvik {

// Leaving the end X: with X1, Z1, A and X2, the end Z. Nothing when a box is
// missing. A RuntimeError when the line cannot reach X2 (A parallel to Z).
// True when it wrote a result.
bool LineAngleEndXLeft(CalcForm &form);

// Leaving the end Z: with X1, Z1 and Z2, the end X from the angle, or else
// the angle from the end X. Nothing when neither is given. A RuntimeError
// when there is no answer (a line parallel to X cannot reach another Z; an
// angle of a line of no Z length). True when it wrote a result.
bool LineAngleEndZLeft(CalcForm &form);

}  // namespace brennvik
