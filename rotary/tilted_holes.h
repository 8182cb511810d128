#pragma once
// One hole drilled (G181, or G183 when it pecks or dwells) or tapped (G178)
// on the plane tilted by the B axis, at the reference C angle in the end X
// box. With B at 90 the hole is radial: it ends at the X in the end box and
// starts at the Z in the start box. Each builds g_OutputBlock from the
// process variables and the machine settings and returns it.

#include <QString>

namespace brennvik {

QString BuildTiltedDrillBlock();
QString BuildTiltedTapBlock();

}  // namespace brennvik
