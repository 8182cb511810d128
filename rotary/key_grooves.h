#pragma once
// Key grooves cut with a rotary end mill by the key-groove cycle G190, on
// the face, on the side (the outer diameter) or on the plane tilted by the
// B axis. Each builds g_OutputBlock from the process variables and the
// machine settings and returns it.

#include <QString>

namespace brennvik {

QString BuildFaceKeyGrooveBlock();
QString BuildSideKeyGrooveBlock();
QString BuildTiltedKeyGrooveBlock();

}  // namespace brennvik
