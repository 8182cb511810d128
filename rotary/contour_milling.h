#pragma once
// Contour milling with C-axis interpolation on the face and on the side: an
// end mill plunges to depth with the C axis clamped, then one G101 move
// turns C to its end angle while it moves along X (face) or Z (side). Each
// builds g_OutputBlock and returns it.

#include <QString>

namespace brennvik {

QString BuildFaceContourBlock();
QString BuildSideContourBlock();

}  // namespace brennvik
