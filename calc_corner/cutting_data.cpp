#include "cutting_data.h"

#include "calc_tangent/calc_math.h"
#include "workspace/runtime.h"

namespace brennvik {

QString SpindleSpeedText(double v, double d) {
    // Negative cutting data would come out as a negative speed, or as a
    // positive one from two wrong signs.
    if (v < 0 || d < 0) RaiseError(kErrInvalidCall);
    // + 0.0: a speed of 0 is written "0", never "-0".
    const double s = Int(Divide(v * 1000 / 3.14, d) / 10) * 10 + 0.0;
    return NumberText(Finite(s));
}

QString FeedText(double roughness, double noseR, bool arithmeticMean) {
    if (roughness < 0 || noseR < 0) RaiseError(kErrInvalidCall);
    const double h = arithmeticMean ? 4 * roughness : roughness;
    const double f = Int(Sqr(8 * h * noseR / 1000) * 100) / 100;
    return QStringLiteral("F") + NumberText(Finite(f));
}

}  // namespace brennvik
