#include "chamfer.h"

#include "calc_tangent/calc_math.h"
#include "chamfer_drawing.h"
#include "move_line.h"

namespace brennvik {

double ChamferValues::StartX() const { return Outer() ? sX - dX : sX + dX; }

// Forward, the values belong to the left edge and the right one lies 2R
// further; reverse, they belong to the right edge and the left one lies 2R
// back.
double ChamferValues::StartZ() const {
    if (Forward()) return rightEdge ? sZ + R * 2 : sZ;
    return rightEdge ? sZ : sZ - R * 2;
}

double ChamferValues::EndZ() const {
    if (Forward()) return rightEdge ? (eZ - dZ) + R * 2 : eZ - dZ;
    return rightEdge ? eZ + dZ : (eZ + dZ) - R * 2;
}

ChamferCase SelectedChamferCase(const CalcForm &form) {
    const bool outer = form.IsOn(QStringLiteral("OD"));
    if (form.IsOn(QStringLiteral("Option1"))) return outer ? ChamferCase::OuterForward : ChamferCase::InnerForward;
    return outer ? ChamferCase::OuterReverse : ChamferCase::InnerReverse;
}

namespace {

// The chamfer line lengthened by the approach: to Q beyond the face and to
// P (on the diameter) beyond the diameter.
void ComputePath(ChamferValues &v) {
    const double rise = ((v.C + v.Q) * v.T) * 2;
    v.sX = v.Outer() ? v.X - rise : v.X + rise;
    v.sZ = v.Forward() ? v.Z + v.Q : v.Z - v.Q;
    v.eX = v.Outer() ? v.X + v.P : v.X - v.P;
    v.eZ = v.Forward() ? (v.Z - v.C) - Divide(v.P / 2, v.T) : (v.Z + v.C) + Divide(v.P / 2, v.T);
}

}  // namespace

void RecalcChamfer(CalcForm &form, Drawing &drawing) {
    ChamferValues v;
    v.kase = SelectedChamferCase(form);
    PrepareChamferDrawing(drawing);
    DrawEmptyCorner(drawing, v.kase);
    if (form.IsEmpty("Text1") || form.IsEmpty("Text2")) return;

    v.X = form.Number("Text1");
    v.Z = form.Number("Text2");
    DrawCorner(drawing, v.kase, v.X, v.Z);
    if (form.IsEmpty("Text3") || form.IsEmpty("Text4")) return;

    if (!form.IsEmpty("Text5")) v.P = form.Number("Text5");
    if (!form.IsEmpty("Text6")) v.Q = form.Number("Text6");
    v.C = form.Number("Text3");
    v.A = form.Number("Text4");
    const double t = Radians(v.A);
    v.T = AngleTan(t);
    ComputePath(v);
    if (!form.IsEmpty("Text7")) {
        v.R = form.Number("Text7");
        v.dZ = v.R * (1 - AngleTan(t / 2));
        v.dX = (v.dZ * v.T) * 2;
    }
    DrawChamferPath(drawing, v);

    form.SetResult("Text8", v.StartX());
    // Writing a working value floors it; the drawing goes on with it.
    form.SetResult("Text10", v.eX);
    v.rightEdge = !form.IsOn("Option3");
    if (v.rightEdge != v.Forward()) form.SetResult("Text9", v.sZ);
    else form.SetResult("Text9", v.StartZ());
    form.SetResult("Text11", v.EndZ());
    FinishChamferDrawing(drawing, v);
}

QString ChamferStartLine(const QString &x, const QString &z) { return MoveLine("N000 G01 X", x, z); }

QString ChamferEndLine(const QString &x, const QString &z) { return MoveLine("N000     X", x, z); }

}  // namespace brennvik
