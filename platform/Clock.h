#pragma once
// Today's date and the time of day as the commands that write them read
// them; tests set a fixed clock.

#include <QDateTime>
#include <functional>

namespace brennvik {

QDateTime CurrentDateTime();

// Installs a clock; an empty one restores the system clock.
void SetClock(std::function<QDateTime()> clock);

}  // namespace brennvik
