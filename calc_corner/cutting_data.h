#pragma once
// Cutting data as one NC value: the spindle speed for a cutting speed and a
// diameter, and the feed per revolution that gives a surface roughness with
// a nose radius.

#include <QString>

namespace brennvik {

// The spindle speed of cutting speed `v` (m/min) at diameter `d` (mm),
// pi taken as 3.14, truncated to a multiple of 10, as digits alone
// ("1190"). A diameter of 0 divides by zero; a negative speed or diameter
// has no spindle speed: both raise a RuntimeError.
QString SpindleSpeedText(double v, double d);

// The feed for roughness `roughness` (um) with nose radius `noseR` (mm),
// truncated to hundredths, as an F word ("F0.28"). An arithmetic mean
// roughness (Ra) counts four times as a peak-to-valley height (Rz). A
// negative roughness or nose radius raises a RuntimeError.
QString FeedText(double roughness, double noseR, bool arithmeticMean);

}  // namespace brennvik
