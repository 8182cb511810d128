#include "nose_r_angle.h"

#include "calc_tangent/calc_math.h"
#include "workspace/workspace_state.h"


namespace brennvik {

void RecalcNoseRAngle(CalcForm &f) {
    if (f.IsEmpty("Text1") || f.IsEmpty("Text2")) return;
    const double r = f.Number("Text1");
    const double t = f.Number("Text2") * 2 * g_Pi / 360;
    // At 180 degrees the half angle is upright: the amounts grow without
    // bound, and AngleTan refuses it instead of giving some 10^9.
    const double halfTan = AngleTan(t / 2);
    double z = r * (1 - halfTan);
    double z2 = r * (1 + halfTan);
    double x = 2 * Tan(t) * z;
    f.SetResult("Text4", z);
    f.SetResult("Text5", z2);
    f.SetResult("Text3", x);
}

}  // namespace brennvik
