#include "nose_r_angle.h"

#include "calc_tangent/calc_math.h"
#include "workspace/workspace_state.h"

#include <cmath>

namespace brennvik {

namespace {
// Closer to 180 degrees than about a ten-thousandth of a degree, the
// tangent of the half angle is millions and the amounts are decided by the
// rounding of the angle alone (the program's pi puts 180 itself a hair off).
constexpr double kLeastHalfAngleCosine = 1e-6;
}  // namespace

void RecalcNoseRAngle(CalcForm &f) {
    if (f.IsEmpty("Text1") || f.IsEmpty("Text2")) return;
    const double r = f.Number("Text1");
    const double t = f.Number("Text2") * 2 * g_Pi / 360;
    if (std::fabs(Cos(t / 2)) < kLeastHalfAngleCosine) NoSolution();
    const double halfTan = Tan(t / 2);
    const double z = r * (1 - halfTan);
    const double z2 = r * (1 + halfTan);
    const double x = 2 * Tan(t) * z;
    f.SetResult("Text4", z);
    f.SetResult("Text5", z2);
    f.SetResult("Text3", x);
}

}  // namespace brennvik
