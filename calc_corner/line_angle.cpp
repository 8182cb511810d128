#include "line_angle.h"

#include "calc_tangent/calc_math.h"
#include "workspace/runtime.h"
#include "workspace/workspace_state.h"

namespace brennvik {

namespace {

// Added before flooring, so that a value a hair below a thousandth shows as it.
constexpr double kNudge = 0.0001;

double AngleRadians(const CalcForm &f) { return f.Number("Text3") * 2 * g_Pi / 360; }

bool Filled(const CalcForm &f, std::initializer_list<const char *> boxes) {
    for (const char *box : boxes)
        if (f.IsEmpty(box)) return false;
    return true;
}

}  // namespace

bool LineAngleEndXLeft(CalcForm &f) {
    if (!Filled(f, {"Text1", "Text2", "Text3", "Text4"})) return false;
    const double x1 = f.Number("Text1");
    const double z1 = f.Number("Text2");
    const double x2 = f.Number("Text4");
    const double a = AngleRadians(f);
    // An upright line keeps its Z; one along Z reaches no other X.
    const double z2 = IsUpright(a) ? z1 : z1 + Divide((x2 - x1) / 2, AngleTan(a));
    f.SetResult("Text5", z2 + kNudge);
    return true;
}

bool LineAngleEndZLeft(CalcForm &f) {
    if (!Filled(f, {"Text1", "Text2", "Text5"})) return false;
    const double x1 = f.Number("Text1");
    const double z1 = f.Number("Text2");
    const double z2 = f.Number("Text5");
    if (!f.IsEmpty("Text3")) {
        // The angle wins over an end X that is there too. An upright line
        // has no end X (AngleTan refuses it).
        const double x2 = x1 + 2 * AngleTan(AngleRadians(f)) * (z2 - z1);
        f.SetResult("Text4", x2 + kNudge);
        return true;
    }
    if (!f.IsEmpty("Text4")) {
        const double x2 = f.Number("Text4");
        double a = Atn(Divide((x2 - x1) / 2, z2 - z1)) * 180 / g_Pi + kNudge;
        if (x1 < x2 && z1 > z2) a = a + 180;
        if (x1 > x2 && z1 > z2) a = a - 180;
        // A line towards -Z along the axis reads 180, as the angle from +Z.
        if (x1 == x2 && z1 > z2) a = a + 180;
        f.SetResult("Text3", a);
        return true;
    }
    return false;
}

}  // namespace brennvik
