#pragma once
// A relief groove beside a shoulder: a flank leaving the start diameter at
// the angle A runs tangentially into an arc of radius R that touches both
// the groove's bottom diameter and the end face.

#include "calc_tangent/calc_form.h"

#include <QStringList>

namespace brennvik {

// Reads the boxes of the relief-groove window and writes its results:
// Text1 the bottom diameter, Text2 the end face's Z, Text3 R, Text4 A,
// Text5 the start diameter; Option1..Option4 the circle positions "4", "3",
// "1", "2". Results: P1 Text6/Text7 on the end face, P2 Text8/Text9 on the
// bottom, P3 Text10/Text11 where the flank meets the arc, I/K Text12/Text13
// of the centre from P3, P4 Text14/Text15 on the start diameter. Filled
// from Text1 on without a gap, the first boxes give a partial construction
// (and with R and A, the points they fix); a gap has no solution.
void RecalcNeck(CalcForm &form, Drawing &drawing);

// The whole profile as NC lines from the boxes' texts, one insert each:
// from the start diameter into the groove, or out of it. Nothing when no
// circle position is selected.
QStringList NeckForwardLines(const CalcForm &form);
QStringList NeckReverseLines(const CalcForm &form);

}  // namespace brennvik
