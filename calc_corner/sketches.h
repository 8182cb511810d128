#pragma once
// The fixed sketches of the calculators that draw nothing of their own
// input: what their boxes mean, drawn once when the window opens.

#include "calc_tangent/calc_drawing.h"

namespace brennvik {

// A line from its start point (X1, Z1) at the angle A to its end (X2, Z2).
Drawing LineAngleSketch(QSizeF areaTwips);

// A nose circle in the corner of a taper: the nose radius R, the taper
// angle, and the compensation amounts X/2, Z and Z2 at the imaginary tip.
Drawing NoseRAngleSketch(QSizeF areaTwips);

}  // namespace brennvik
