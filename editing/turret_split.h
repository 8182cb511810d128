#pragma once
// A two-turret program as four parts: the header before the first turret
// marker, the blocks of turret A (after "G13"), of turret B (after "G14"),
// and the trailer after the end line ("M02"). Pure functions; the view
// command keeps the parts per document slot.

#include <QString>

namespace brennvik {

// What a line stands for in the split.
enum class TurretMarker { None, TurretA, TurretB, End };

// The marker of one line: the first of "G13", "G14", "M02", "M2" whose first
// occurrence in the line is not followed by a digit, "+", ",", "-", "." or
// "/" (G130 and M20 are no markers).
TurretMarker MarkerOfLine(const QString &line);

struct TurretParts {
    QString header, partA, partB, trailer;  // whole lines, each with its CR LF
    bool hadEndLine = false;                // an end line was dropped
};

// Splits at the marker lines, which are dropped; a last line without CR LF
// gets one. Every section of one turret goes to that turret's one part.
TurretParts SplitTurretParts(const QString &text);

// The program again: the header, "G13" and part A when part A is not empty,
// "G14" and part B when part B is not empty, "NEND M02" when either part is
// not empty or an end line was dropped, the trailer. A part that does not
// end with CR LF gets one.
QString JoinTurretParts(const TurretParts &parts);

// Where splitting and joining a program would change it beyond giving a
// bare marker line its bare word, writing an end line as "NEND M02" and
// adding a final CR LF: the 0-based line of the text from which the result
// differs, or -1 when the round trip keeps the program. A line equal to the
// number of lines means the difference lies behind the last one.
int FirstLineTheRoundTripChanges(const QString &text);

}  // namespace brennvik
