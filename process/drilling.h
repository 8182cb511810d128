#pragma once
// The drilling blocks on the spindle axis: a high-speed-steel drill pecks
// with the G74 cycle, a carbide drill feeds straight through at half feed
// over its entry and exit lengths. Each builds g_OutputBlock from the
// process variables and the machine settings and returns it.

#include <QString>

namespace brennvik {

QString BuildDrillHssBlock();
QString BuildDrillCarbideBlock();

}  // namespace brennvik
