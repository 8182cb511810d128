#pragma once
// The lines every touch-probe block shares. The probe sits in the turret as
// a turning tool does: it is changed in by the turning tool call, and its
// tool word carries the tool number twice (probe and offset), with " TL="
// on MacTurn and MULTUS machines and " T" elsewhere; tool-life management
// does not name probes by group.

#include "workspace/nc_text.h"

#include <QString>

namespace brennvik {

// "N000 G00 X" AppX " Z" AppZ, the probe's tool word and the B-axis and
// tip-position words.
void AppendProbeApproach();

// The return after measuring, without spindle or coolant words: "N000 G21
// HP=4" on a MacTurn, "N000 G20 HP=4" with the M867 word and the M866 line
// on a MULTUS, the home point elsewhere.
void AppendProbeReturn();

// A word the measuring macro can do without: `address` and the value only
// when the value is above 0. Writing the value floors the variable.
template <typename Number>
QString OptionalProbeWord(const char *address, Number &value) {
    return value > 0 ? QString::fromLatin1(address) + FormatNcNumber(value) : QString();
}

}  // namespace brennvik
