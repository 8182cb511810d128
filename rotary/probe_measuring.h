#pragma once
// Measuring a bore or an outer diameter with the touch probe. The program
// gets a one-line call of a measuring subprogram at the caret, and the
// subprogram itself at its end: the probe changed in, the control's
// measuring macro called with the nominal diameter, the good and reject
// bands and the offset the result corrects, and the return.

#include <QString>

namespace brennvik {

// The four measurings: diameter or radius, inside (a bore) or outside.
enum class ProbeMeasuring { InnerDiameter, InnerRadius, OuterDiameter, OuterRadius };

// "N000 CALL OME12 (ID.MEASURE D" EndX ")" and the like, without a line
// end. Floors EndX as the subprogram's words then see it.
QString ProbeCallLine(ProbeMeasuring measuring);

// Builds the measuring subprogram in g_OutputBlock, from the line of one
// TAB that separates it from the program before it to "NRTS RTS", and
// returns it.
QString BuildProbeSubprogram(ProbeMeasuring measuring);

// The call of the control's measuring outside the machine.
QString OutsideMeasuringCall();

}  // namespace brennvik
