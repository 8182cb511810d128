#pragma once
// Holes drilled or tapped with a rotary tool on the C axis, on the face
// (tool axis along Z) and on the side (radial holes), optionally repeated
// on holes around the C axis. Drilling uses the cycle G181, or G183 when it
// pecks or dwells; tapping the cycle G178, fed per revolution at the pitch.
// Each builds g_OutputBlock from the process variables and the machine
// settings and returns it.

#include <QString>

namespace brennvik {

QString BuildFaceDrillBlock();
QString BuildSideDrillBlock();
QString BuildFaceTapBlock();
QString BuildSideTapBlock();

}  // namespace brennvik
