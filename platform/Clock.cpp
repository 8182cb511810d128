#include "Clock.h"

namespace brennvik {

namespace {
std::function<QDateTime()> &Installed() {
    static std::function<QDateTime()> clock;
    return clock;
}
}  // namespace

QDateTime CurrentDateTime() { return Installed() ? Installed()() : QDateTime::currentDateTime(); }

void SetClock(std::function<QDateTime()> clock) { Installed() = std::move(clock); }

}  // namespace brennvik
