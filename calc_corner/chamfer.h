#pragma once
// The tool path of a chamfer at a corner of the part: the corner (diameter X,
// position Z), the chamfer (length C along Z, angle A to the Z axis), the
// approach distances beyond it and the nose-radius compensation, for outer
// and inner corners cut towards minus Z (forward) or plus Z (reverse).

#include "calc_tangent/calc_form.h"

namespace brennvik {

// The four ways a chamfer is cut.
enum class ChamferCase { OuterForward, InnerForward, OuterReverse, InnerReverse };

// The working values of one computation. X values are diameters.
struct ChamferValues {
    ChamferCase kase = ChamferCase::OuterForward;
    // The nose's reference point is its right edge ("右"), not its left ("左").
    bool rightEdge = false;
    double X = 0, Z = 0;  // the corner
    double C = 0, A = 0;  // chamfer length along Z, angle in degrees
    double P = 0, Q = 0;  // approach in X (a diameter amount) and in Z
    double R = 0;         // nose radius
    double T = 0;         // tangent of A
    double dZ = 0, dX = 0;  // compensation of the end Z and of the start X
    double sX = 0, sZ = 0, eX = 0, eZ = 0;  // the uncompensated path

    bool Outer() const { return kase == ChamferCase::OuterForward || kase == ChamferCase::OuterReverse; }
    bool Forward() const { return kase == ChamferCase::OuterForward || kase == ChamferCase::InnerForward; }
    // The compensated start X, and the start and end Z of the chosen
    // reference point, from the working values.
    double StartX() const;
    double StartZ() const;
    double EndZ() const;
};

// The case the options OD/ID and Option1/Option2 pick.
ChamferCase SelectedChamferCase(const CalcForm &form);

// Reads the boxes of the chamfer window and writes its results, drawing as
// it goes: Text1 X, Text2 Z, Text3 C, Text4 A, Text5 and Text6 the approach
// in X and Z, Text7 the nose radius; OD/ID outer or inner, Option1/Option2
// forward or reverse, Option3/Option4 the left or right nose edge. Results:
// Text8/Text9 the start point, Text10/Text11 the end point.
void RecalcChamfer(CalcForm &form, Drawing &drawing);

// The inserted lines: the start point as a cutting move, the end point as
// its continuation (the same width, without the G word); CR LF at the end.
QString ChamferStartLine(const QString &x, const QString &z);
QString ChamferEndLine(const QString &x, const QString &z);

}  // namespace brennvik
