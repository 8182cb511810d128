// The calculators' checked arithmetic: every way a formula can go wrong
// ends it with the run-time's error number, never with nan or inf.
#include "calc_tangent/calc_math.h"
#include "workspace/workspace_state.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

namespace brennvik {
namespace {

int ErrorOf(const std::function<double()> &f) {
    try {
        f();
        return 0;
    } catch (const RuntimeError &e) {
        return e.number();
    }
}

TEST(CalcMathTest, FailuresRaiseTheirErrorNumbers) {
    g_Pi = 3.14159265398;
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        const char *name;
        std::function<double()> f;
        int error;
    };
    const Case cases[] = {
        {"division by zero", [] { return Divide(1.0, 0.0); }, kErrDivisionByZero},
        {"quotient out of range", [] { return Divide(1e300, 1e-300); }, kErrOverflow},
        {"square root of a negative", [] { return Sqr(-1e-12); }, kErrInvalidCall},
        {"square root of not a number", [nan] { return Sqr(nan); }, kErrInvalidCall},
        {"arc cosine of 1 divides by zero", [] { return ArcCos(1); }, kErrDivisionByZero},
        {"arc cosine of -1 divides by zero", [] { return ArcCos(-1); }, kErrDivisionByZero},
        {"arc cosine beyond 1", [] { return ArcCos(1.5); }, kErrInvalidCall},
        {"an infinite result", [inf] { return Finite(inf); }, kErrOverflow},
        {"not a number", [nan] { return Finite(nan); }, kErrOverflow},
        {"tan of an infinite angle", [inf] { return Tan(inf); }, kErrOverflow},
        {"degrees out of range", [] { return Radians(1e308); }, kErrOverflow},
        {"no solution", []() -> double { NoSolution(); }, kErrInvalidCall},
        {"square root of 0 is fine", [] { return Sqr(0); }, 0},
        {"arc cosine inside the range is fine", [] { return ArcCos(0.999); }, 0},
    };
    for (const Case &c : cases) EXPECT_EQ(ErrorOf(c.f), c.error) << c.name;
}

TEST(CalcMathTest, AnglesUseTheProgramsPi) {
    g_Pi = 3.14159265398;
    EXPECT_EQ(Radians(180), g_Pi);
    EXPECT_EQ(Degrees(g_Pi / 2), 90);
    // Slightly more than pi: tan 45 lies a hair above 1.
    EXPECT_GT(Tan(Radians(45)), 1);
    EXPECT_NEAR(Degrees(ArcCos(0.5)), 60, 1e-7);
}

// With the program's pi, tan 90 came out near -5e9 and tan 180 near 4e-10:
// a chamfer at 90 degrees started some 10^10 mm away.
TEST(CalcMathTest, AnEnteredAngleOnAMultipleOf90HasAnExactTangent) {
    g_Pi = 3.14159265398;
    for (double degrees : {90.0, -90.0, 270.0, 450.0})
        EXPECT_EQ(ErrorOf([degrees] { return AngleTan(Radians(degrees)); }), kErrDivisionByZero) << degrees;
    for (double degrees : {0.0, 180.0, -180.0, 360.0}) EXPECT_EQ(AngleTan(Radians(degrees)), 0) << degrees;
    // Other angles keep the program's tangent to the last bit.
    for (double degrees : {45.0, 30.0, 89.999, 179.999}) EXPECT_EQ(AngleTan(Radians(degrees)), Tan(Radians(degrees)));
}

}  // namespace
}  // namespace brennvik
