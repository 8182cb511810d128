#pragma once
// The two points where two circles cut each other.

#include "calc_form.h"

namespace brennvik {

// Reads the boxes of the window and writes its results: Text1..Text3
// circle 1 (centre X, Z or Y, radius), Text4..Text6 circle 2, OptionXY the
// plane. Results: Text7/Text8 point P1, Text11/Text12 point P2. With only
// one circle's boxes filled it draws that circle alone.
void RecalcCircleCircle(CalcForm &form, Drawing &drawing);

}  // namespace brennvik
