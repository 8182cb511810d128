#pragma once
// The roughing blocks: a G85 roughing cycle over a contour that the block
// defines under its label (NAP1 face, NAP2 outer diameter, NAP3 bore), for
// the finishing blocks to cut again. Each builds g_OutputBlock from the
// process variables, the machine settings and the material values, and
// returns it.

#include <QString>

namespace brennvik {

QString BuildRoughODBlock();
QString BuildRoughFaceBlock();
// A face roughing (one pass or a NAP1 cycle) chained with the outer diameter.
QString BuildRoughFaceODBlock();
QString BuildRoughIDBlock();

}  // namespace brennvik
