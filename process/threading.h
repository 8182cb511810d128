#pragma once
// The threading blocks: one threading cycle line (G71 on a diameter, G72
// on the face) that cuts the whole thread, framed by the tool change,
// the approach to the cycle's start point and a short retreat. No load
// monitoring and no constant surface speed. Each builds g_OutputBlock from
// the process variables and the machine settings and returns it.

#include <QString>

namespace brennvik {

QString BuildThreadFaceBlock();
QString BuildThreadODBlock();
QString BuildThreadIDBlock();

}  // namespace brennvik
