#pragma once
// The grooving blocks: a grooving cycle roughs the groove (G73 plunging in
// X into a diameter, G74 plunging in Z into the face), then each wall is
// finished under nose-radius compensation with a chamfer or a rounded
// corner at its mouth, the second wall with the tool's second offset set.
// Each builds g_OutputBlock from the process variables and the machine
// settings and returns it.

#include <QString>

namespace brennvik {

QString BuildGrooveODBlock();
QString BuildGrooveIDBlock();
QString BuildGrooveFaceBlock();

}  // namespace brennvik
