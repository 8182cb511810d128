#pragma once
// The nose-radius compensation of a taper: from the nose radius (Text1) and
// the taper angle in degrees (Text2), the X amount as a diameter (Text3),
// the Z amount (Text4) and the Z amount of a falling taper (Text5).

#include "calc_tangent/calc_form.h"

namespace brennvik {

// Writes the three amounts when both inputs hold text; nothing otherwise.
// A RuntimeError for an angle with no compensation (180 degrees, where the
// amounts grow without bound).
void RecalcNoseRAngle(CalcForm &form);

}  // namespace brennvik
