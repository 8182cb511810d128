#pragma once
// Arithmetic of the calculators. Every routine here fails the way the
// run-time did, by raising a RuntimeError: a division by zero, the square
// root of a negative number, an arc cosine out of range, or any result that
// is no finite number. A compute procedure simply lets the error end it; the
// frame's error trap then prints the failure text, so no box ever shows
// "nan" or "inf".

#include "workspace/runtime.h"

namespace brennvik {

// The value itself; overflow (6) when it is infinite or not a number.
double Finite(double v);

// Division is Divide of runtime.h: division by zero (11) when the divisor
// is 0, overflow (6) when the quotient is out of range.

// Square root; invalid call (5) for a negative argument.
double Sqr(double v);

// The trigonometric functions, each result checked to be finite.
double Sin(double a);
double Cos(double a);
double Tan(double a);
double Atn(double v);

// The tangent of an angle the user entered, for a formula that multiplies
// or divides by it. Computed with the program's pi, the tangent of 90 degrees
// comes out near -5e9 and that of 180 degrees near 4e-10, which would carry a
// point some 10^10 mm away. So an angle within a hair of a multiple of 90
// degrees gives the exact value: none at the odd multiples (division by zero,
// 11), 0 at the even ones, so that dividing by it fails as it does at 0.
double AngleTan(double a);
// Whether the angle lies within that hair of 90 or 270 degrees (an upright
// line, whose tangent AngleTan refuses).
bool IsUpright(double a);

// Arc cosine as the calculators compute it, Atn(-c / Sqr(-c * c + 1)) +
// 2 * Atn(1): division by zero at c = 1 and c = -1, invalid call beyond.
double ArcCos(double c);

// Degrees to radians, A * (g_Pi * 2) / 360, and back, * 180 / g_Pi; with the
// program's own pi, so results such as tan 45 come out as they always did.
double Radians(double degrees);
double Degrees(double radians);

// Ends a computation whose geometry has no solution (invalid call, 5).
[[noreturn]] void NoSolution();

}  // namespace brennvik
