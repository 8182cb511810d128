#pragma once
// The finishing blocks: a G87 finishing cycle over the contour a roughing
// block defined under the same label (NAP1 face, NAP2 outer diameter, NAP3
// bore); they hold no contour of their own and do not check that the label
// exists. Each builds g_OutputBlock and returns it.

#include <QString>

namespace brennvik {

QString BuildFinishODBlock();
QString BuildFinishFaceBlock();
// A face pass, then the outer-diameter finishing cycle.
QString BuildFinishFaceODBlock();
QString BuildFinishIDBlock();

}  // namespace brennvik
