#include "xy_xc.h"

#include "calc_tangent/calc_math.h"
#include "workspace/nc_text.h"
#include "workspace/runtime.h"
#include "workspace/workspace_state.h"

#include <QStringList>

#include <algorithm>
#include <cmath>

namespace brennvik {

namespace {

QString PolarReadout(double diameter, double angle) {
    return u'X' + ReadoutNumber(diameter) + QStringLiteral(" C") + ReadoutNumber(angle);
}

// Added to angles before flooring, so that 45 - a hair shows as 45.
constexpr double kNudge = 0.0001;
constexpr double kViewWidth = 500;
// Half an arm of a point's cross.
constexpr double kCrossArm = 3;
constexpr ColourRef kOrange = 0x0080FF;
constexpr ColourRef kBlue = 0xFF0000;

struct FacePoint {
    double x = 0;
    double y = 0;
    double r = 0;  // distance from the centre
    bool given = false;
};

// The boxes of point 1 and point 2: x, y and X, C.
const char *const kXYBoxes[2][2] = {{"Text1", "Text2"}, {"Text5", "Text6"}};
const char *const kXCBoxes[2][2] = {{"Text3", "Text4"}, {"Text7", "Text8"}};

bool BothFilled(const CalcForm &f, const char *const (&boxes)[2]) {
    return !f.IsEmpty(boxes[0]) && !f.IsEmpty(boxes[1]);
}

FacePoint FromXY(CalcForm &f, int i) {
    FacePoint p;
    if (!BothFilled(f, kXYBoxes[i])) return p;
    p.x = f.Number(kXYBoxes[i][0]);
    p.y = f.Number(kXYBoxes[i][1]);
    p.r = Sqr(p.x * p.x + p.y * p.y);
    p.given = true;
    f.SetResult(kXCBoxes[i][0], 2 * p.r);
    f.SetResult(kXCBoxes[i][1], AngleC(p.x, p.y) + kNudge);
    return p;
}

// x and y are floored as they are written: the drawing and the line work
// on the values the boxes show.
FacePoint FromXC(CalcForm &f, int i) {
    FacePoint p;
    if (!BothFilled(f, kXCBoxes[i])) return p;
    p.r = f.Number(kXCBoxes[i][0]) / 2;
    const double t = f.Number(kXCBoxes[i][1]) / 180 * g_Pi;
    p.x = p.r * Cos(t);
    p.y = p.r * Sin(t);
    p.given = true;
    f.SetResult(kXYBoxes[i][0], p.x);
    f.SetResult(kXYBoxes[i][1], p.y);
    return p;
}

// The direction of a point from the centre as the turned coordinates use
// it: Atn(y / x), and straight up or down for a point on the Y axis.
double Direction(const FacePoint &p) { return p.x == 0 ? std::atan2(p.y, p.x) : Atn(p.y / p.x); }

// The absolute value of the NC word of `v`, as plain decimal text.
QString AbsoluteWord(double v) { return NumberText(std::fabs(Val(FormatNcNumber(Finite(v))))); }

void DrawAxes(Drawing &d) {
    const double w = d.Scale().width;
    d.Line({w / 2, 0}, {-w / 2, 0}, kButtonShadow);
    d.Line({0, w / 2}, {0, -w / 2}, kButtonShadow);
}

void DrawCross(Drawing &d, const FacePoint &p, ColourRef colour) {
    d.Line({p.x - kCrossArm, -p.y}, {p.x + kCrossArm, -p.y}, colour);
    d.Line({p.x, -p.y + kCrossArm}, {p.x, -p.y - kCrossArm}, colour);
}

}  // namespace

ViewScale XYXCView() {
    const double height = 2767500.0 / 8835;
    return {-kViewWidth / 2, -height / 2, kViewWidth, height};
}

Drawing XYXCStartDrawing(QSizeF areaTwips) {
    Drawing drawing(areaTwips);
    drawing.SetScale(XYXCView());
    DrawAxes(drawing);
    return drawing;
}

double AngleC(double x, double y) {
    if (x == 0) return y < 0 ? -90 : 90;
    const double c = Atn(y / x) * 180 / g_Pi;
    return x < 0 ? c + 180 : c;
}

void RecalcXYXC(CalcForm &f, Drawing &d) {
    d.Clear();
    const bool fromXY = f.IsOn("OptionXY");
    const FacePoint p1 = fromXY ? FromXY(f, 0) : FromXC(f, 0);
    const FacePoint p2 = fromXY ? FromXY(f, 1) : FromXC(f, 1);

    DrawAxes(d);
    DrawCross(d, p1, kRed);
    DrawCross(d, p2, kOrange);
    d.Line({p1.x, -p1.y}, {p2.x, -p2.y}, kConstruction);
    d.SetTextColour(kGreen);
    d.SetTextPosition({p1.x, -p1.y});
    d.Print(QStringLiteral("1"));
    d.SetTextPosition({p2.x, -p2.y});
    d.Print(QStringLiteral("2"));

    // The line needs both points of this pass; a point's boxes left from
    // an earlier pass are no point.
    if (!p1.given || !p2.given) return;
    double l = Sqr((p2.y - p1.y) * (p2.y - p1.y) + (p2.x - p1.x) * (p2.x - p1.x));
    const double a = Atn(Divide(p2.y - p1.y, p2.x - p1.x));
    const double b = p1.y - p1.x * Tan(a);
    f.SetResult("Text9", a * 180 / g_Pi + kNudge);
    f.SetResult("Text10", l);
    // Towards the line from the centre.
    const double c = b > 0 ? a + g_Pi / 2 : a + g_Pi / 2 * 3;
    f.SetResult("Text11", c * 180 / g_Pi + kNudge);
    const double w = d.Scale().width;
    d.Line({0, 0}, {w * Cos(c), -w * Sin(c)}, kBlue);
    d.Line({0, 0}, {-w * Cos(c), w * Sin(c)}, kBlue);
    const double d1 = c - Direction(p1);
    f.SetText("Text12", AbsoluteWord(p1.r * Cos(d1)));
    f.SetText("Text13", AbsoluteWord(p1.r * Sin(d1)));
    // Both points lie as far from the centre across the Y axis.
    const double d2 = c - Direction(p2);
    f.SetText("Text14", f.Text("Text12"));
    f.SetText("Text15", AbsoluteWord(p2.r * Sin(d2)));
}

QString PolarReadoutText(double x, double y) {
    double angle;
    if (x == 0) {
        angle = -y > 0 ? 90 : (-y < 0 ? 270 : 0);
    } else {
        angle = std::atan(-y / x) * 180 / g_Pi;
        if (x < 0) angle += 180;
        if (x > 0 && y > 0) angle += 360;
    }
    return PolarReadout(2 * std::sqrt(x * x + y * y), angle);
}

QStringList LongestPolarReadouts(const ViewScale &view) {
    double farthest = 0;
    for (double x : {view.left, view.left + view.width})
        for (double y : {view.top, view.top + view.height}) farthest = std::max(farthest, std::hypot(x, y));
    QStringList texts;
    for (double diameter : LongestReadoutValues(0, 2 * farthest))
        for (double angle : LongestReadoutValues(0, 360)) texts << PolarReadout(diameter, angle);
    return texts;
}

}  // namespace brennvik
