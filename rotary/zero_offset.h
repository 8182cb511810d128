#pragma once
// Setting the zero offset of the C or the Z axis from a feature the touch
// probe measures: the probe goes to the start point, the control's macro
// measures (on the C axis a groove or flat, its angle then set by a second
// macro) and the probe returns. Each builds g_OutputBlock and returns it.

#include <QString>

namespace brennvik {

enum class ZeroOffsetAxis { C, Z };

QString BuildZeroOffsetBlock(ZeroOffsetAxis axis);

}  // namespace brennvik
