#pragma once
// A thread milled with a rotary thread mill on the plane tilted by the B
// axis: fed to the bottom Z, into the thread by a quarter arc, one turn as
// two half circles and out by a quarter arc, climbing a quarter of the
// pitch on each quarter arc and half of it on each half circle. Builds
// g_OutputBlock from the process variables and the machine settings and
// returns it.

#include <QString>

namespace brennvik {

QString BuildTiltedThreadBlock();

}  // namespace brennvik
