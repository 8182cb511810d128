#include "calc_math.h"

#include "workspace/workspace_state.h"

#include <cmath>
#include <optional>

namespace brennvik {

double Finite(double v) {
    if (!std::isfinite(v)) RaiseError(kErrOverflow);
    return v;
}

double Sqr(double v) {
    if (v < 0 || std::isnan(v)) RaiseError(kErrInvalidCall);
    return Finite(std::sqrt(v));
}

double Sin(double a) { return Finite(std::sin(Finite(a))); }
double Cos(double a) { return Finite(std::cos(Finite(a))); }
double Tan(double a) { return Finite(std::tan(Finite(a))); }
double Atn(double v) { return Finite(std::atan(Finite(v))); }

namespace {
// How near, in right angles, an angle must lie to a multiple of 90 degrees
// to count as that multiple.
constexpr double kRightAngleTolerance = 1e-9;
}  // namespace

namespace {
// The multiple of 90 degrees the angle lies on within the tolerance, if any.
std::optional<double> RightAngles(double a) {
    const double rightAngles = Finite(a) / (g_Pi / 2);
    const double nearest = std::nearbyint(rightAngles);
    if (std::fabs(rightAngles - nearest) < kRightAngleTolerance) return nearest;
    return std::nullopt;
}
}  // namespace

double AngleTan(double a) {
    if (const auto right = RightAngles(a)) {
        if (std::fmod(*right, 2) != 0) RaiseError(kErrDivisionByZero);
        return 0;
    }
    return Tan(a);
}

bool IsUpright(double a) {
    const auto right = RightAngles(a);
    return right && std::fmod(*right, 2) != 0;
}

double ArcCos(double c) { return Atn(Divide(-c, Sqr(-c * c + 1))) + 2 * Atn(1); }

double Radians(double degrees) { return Finite(degrees * (g_Pi * 2) / 360); }
double Degrees(double radians) { return Finite(radians * 180 / g_Pi); }

void NoSolution() { RaiseError(kErrInvalidCall); }

}  // namespace brennvik
