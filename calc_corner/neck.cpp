#include "neck.h"

#include "calc_tangent/calc_math.h"
#include "move_line.h"
#include "workspace/runtime.h"

#include <cmath>

namespace brennvik {

namespace {

// The circle positions as the window lays them out, two by two: upper row
// with the centre outside the bottom diameter, lower row inside it; left
// column with the centre on the minus-Z side of the end face, right column
// on the plus-Z side.
struct CirclePosition {
    const char *option;
    bool outside;
    bool plusZ;
};
const CirclePosition kPositions[] = {
    {"Option1", true, false},   // "4"
    {"Option2", true, true},    // "3"
    {"Option3", false, false},  // "1"
    {"Option4", false, true},   // "2"
};

const CirclePosition *SelectedPosition(const CalcForm &form) {
    for (const CirclePosition &p : kPositions)
        if (form.IsOn(QString::fromLatin1(p.option))) return &p;
    return nullptr;
}

constexpr ColourRef kProfile = kConstruction;
// Lines drawn across the whole view.
constexpr double kLongLine = 5000;
constexpr double kAreaRatio = 4875.0 / 8835.0;

// The arc's centre (Xc, Zc) and where the flank runs into it (X3, Z3).
struct Arc {
    double Xc = 0, Zc = 0, X3 = 0, Z3 = 0;
};

Arc ArcOf(const CirclePosition &p, double xb, double ze, double r, double c, double s) {
    Arc arc;
    arc.Xc = p.outside ? xb + 2 * r : xb - 2 * r;
    arc.Zc = p.plusZ ? ze + r : ze - r;
    arc.X3 = p.outside ? arc.Xc - 2 * c : arc.Xc + 2 * c;
    arc.Z3 = p.plusZ ? arc.Zc + s : arc.Zc - s;
    return arc;
}

// The view of the partial cases: ten radii wide, the corner of bottom and
// end face in the middle.
void SetCornerView(Drawing &d, double xb, double ze, double r) {
    const double width = 10 * r;
    const double height = 10 * (r * 4875 / 8835);
    d.SetScale({ze - width / 2, -height / 2 - xb / 2, width, height});
}

void DrawBottom(Drawing &d, double xb, double length) { d.Line({length, -xb / 2}, {-length, -xb / 2}, kProfile); }
void DrawEndFace(Drawing &d, double ze) { d.Line({ze, kLongLine}, {ze, -kLongLine}, kProfile); }

// The ticks where the arc touches the bottom (P2) and the end face (P1),
// the centre and the arc.
void DrawArc(Drawing &d, double xb, double ze, double r, double xc, double zc, double tick, double centreRadius) {
    d.Line({zc, -xb / 2 + tick}, {zc, -xb / 2 - tick}, kRed);
    d.Line({ze + tick, -xc / 2}, {ze - tick, -xc / 2}, kRed);
    d.Circle({zc, -xc / 2}, centreRadius, kRed);
    d.Circle({zc, -xc / 2}, 0.999 * r, kProfile);
}

void PrintAt(Drawing &d, QPointF at, const QString &text) {
    d.SetTextPosition(at);
    d.Print(text);
}

void RecalcComplete(CalcForm &form, Drawing &d, const CirclePosition &p) {
    double xb = form.Number("Text1"), ze = form.Number("Text2"), r = form.Number("Text3");
    const double a = Radians(form.Number("Text4"));
    double xs = form.Number("Text5");
    const double c = r * Cos(a), s = r * Sin(a);
    const double sw = 2.8 * std::fabs(xs - xb);
    const double sh = sw * 4875 / 8835;
    // The size is set first: a flank parallel to Z fails in this view.
    d.SetScale({d.Scale().left, d.Scale().top, sw, sh});
    Arc arc = ArcOf(p, xb, ze, r, c, s);
    const double rise = (p.outside ? xs - arc.X3 : arc.X3 - xs) / 2;
    // An upright flank leaves the start diameter straight above P3.
    const double run = IsUpright(a) ? 0 : Divide(rise, AngleTan(a));
    double z4 = p.plusZ ? arc.Z3 + run : arc.Z3 - run;
    const double zg = p.plusZ ? 1000 : -1000;
    d.SetScale({p.plusZ ? ze - sw / 5 : ze - sw / 5 * 4, (p.outside ? -sh / 4 * 3 : -sh / 4) - arc.X3 / 2, sw, sh});

    // Each result floors its working value; I and K and the drawing use
    // the floored values.
    form.SetResult("Text6", arc.Xc);
    form.SetResult("Text7", ze);
    form.SetResult("Text8", xb);
    form.SetResult("Text9", arc.Zc);
    form.SetResult("Text10", arc.X3);
    form.SetResult("Text11", arc.Z3);
    form.SetResult("Text12", (arc.Xc - arc.X3) / 2);
    form.SetResult("Text13", arc.Zc - arc.Z3);
    form.SetResult("Text14", xs);
    form.SetResult("Text15", z4);

    DrawArc(d, xb, ze, r, arc.Xc, arc.Zc, r / 30, 0.001 * sw);
    const QPointF p1(ze, -arc.Xc / 2), p2(arc.Zc, -xb / 2), p3(arc.Z3, -arc.X3 / 2), p4(z4, -xs / 2);
    d.Circle(p3, 0.002 * sw, kRed);
    d.Circle(p4, 0.002 * sw, kRed);
    DrawBottom(d, xb, kLongLine);
    DrawEndFace(d, ze);
    d.Line(p3, p4, kProfile);
    d.Line(p4, {zg, -xs / 2}, kProfile);
    d.SetTextColour(kGreen);
    PrintAt(d, p1, QStringLiteral(" 1"));
    PrintAt(d, p2, QStringLiteral("2"));
    PrintAt(d, p3, QStringLiteral("3"));
    PrintAt(d, p4, QStringLiteral("4"));
}

// Without the start diameter: the arc, where the flank leaves it and a
// guide along the flank.
void RecalcWithoutStart(CalcForm &form, Drawing &d, const CirclePosition &p) {
    double xb = form.Number("Text1"), ze = form.Number("Text2"), r = form.Number("Text3");
    const double a = Radians(form.Number("Text4"));
    const double c = r * Cos(a), s = r * Sin(a);
    SetCornerView(d, xb, ze, r);
    const double sw = d.Scale().width;
    Arc arc = ArcOf(p, xb, ze, r, c, s);
    // The guide runs along the flank; an upright one straight up or down.
    const bool upright = IsUpright(a);
    const double zRun = upright ? 0 : 10 * r;
    const double xRun = upright ? 20 * r : 20 * r * AngleTan(a);
    const double zf = p.plusZ ? arc.Z3 + zRun : arc.Z3 - zRun;
    const double xf = p.outside ? arc.X3 + xRun : arc.X3 - xRun;

    form.SetResult("Text6", arc.Xc);
    form.SetResult("Text7", ze);
    form.SetResult("Text8", xb);
    form.SetResult("Text9", arc.Zc);
    // Here the flank's point is nudged down instead of floored in place.
    form.SetResult("Text10", arc.X3 - 0.0001);
    form.SetResult("Text11", arc.Z3 - 0.0001);
    form.SetResult("Text12", (arc.Xc - arc.X3) / 2 - 0.0001);
    form.SetResult("Text13", (arc.Zc - arc.Z3) - 0.0001);

    DrawArc(d, xb, ze, r, arc.Xc, arc.Zc, r / 15, 0.001 * sw);
    const QPointF p3(arc.Z3, -arc.X3 / 2);
    d.Circle(p3, 0.002 * sw, kRed);
    DrawBottom(d, xb, kLongLine);
    DrawEndFace(d, ze);
    d.Line(p3, {zf, -xf / 2}, kProfile);
}

// Bottom, end face and radius: the arc alone, its points unformatted.
void RecalcArcOnly(CalcForm &form, Drawing &d, const CirclePosition &p) {
    const double xb = form.Number("Text1"), ze = form.Number("Text2"), r = form.Number("Text3");
    SetCornerView(d, xb, ze, r);
    DrawBottom(d, xb, kLongLine);
    DrawEndFace(d, ze);
    const Arc arc = ArcOf(p, xb, ze, r, 0, 0);
    form.SetText("Text6", NumberText(arc.Xc));
    form.SetText("Text7", NumberText(ze));
    form.SetText("Text8", NumberText(xb));
    form.SetText("Text9", NumberText(arc.Zc));
    DrawArc(d, xb, ze, r, arc.Xc, arc.Zc, r / 15, 0.0015 * d.Scale().width);
}

// The arc from P3 to P1 turns counter-clockwise for "4" and "2".
bool ArcIntoGrooveIsG03(const CirclePosition &p) { return p.outside != p.plusZ; }

}  // namespace

void RecalcNeck(CalcForm &form, Drawing &drawing) {
    drawing.Clear();
    const char *const boxes[] = {"Text1", "Text2", "Text3", "Text4", "Text5"};
    int filled = 0;
    while (filled < 5 && !form.IsEmpty(boxes[filled])) ++filled;
    if (filled == 0) return;
    // Boxes filled beyond a gap leave the shape undetermined.
    for (int i = filled; i < 5; ++i)
        if (!form.IsEmpty(boxes[i])) NoSolution();
    if (filled <= 2) {
        drawing.SetScale(DefaultView());
        const double xb = form.Number("Text1");
        if (filled == 1) {
            DrawBottom(drawing, xb, 2 * kLongLine);
        } else {
            DrawBottom(drawing, xb, kLongLine);
            DrawEndFace(drawing, form.Number("Text2"));
        }
        return;
    }
    const CirclePosition *position = SelectedPosition(form);
    if (!position) NoSolution();
    if (filled == 3) RecalcArcOnly(form, drawing, *position);
    else if (filled == 4) RecalcWithoutStart(form, drawing, *position);
    else RecalcComplete(form, drawing, *position);
}

QStringList NeckForwardLines(const CalcForm &form) {
    const CirclePosition *p = SelectedPosition(form);
    if (!p) return {};
    return {MoveLine("N000 G01 X", form.Text("Text14"), form.Text("Text15")),
            MoveLine("N000     X", form.Text("Text10"), form.Text("Text11")),
            MoveLine(ArcIntoGrooveIsG03(*p) ? "N000 G03 X" : "N000 G02 X", form.Text("Text6"), form.Text("Text7"),
                 QStringLiteral(" L") + form.Text("Text3"))};
}

QStringList NeckReverseLines(const CalcForm &form) {
    const CirclePosition *p = SelectedPosition(form);
    if (!p) return {};
    return {MoveLine("N000 G01 X", form.Text("Text6"), form.Text("Text7")),
            MoveLine(ArcIntoGrooveIsG03(*p) ? "N000 G02 X" : "N000 G03 X", form.Text("Text10"), form.Text("Text11"),
                 QStringLiteral(" L") + form.Text("Text3")),
            MoveLine("N000 G01 X", form.Text("Text14"), form.Text("Text15"))};
}

}  // namespace brennvik
