#include "line_r_line.h"

#include "calc_math.h"
#include "workspace/nc_text.h"
#include "workspace/runtime.h"
#include "workspace/workspace_state.h"

#include <QLineF>

#include <cmath>

namespace brennvik {

namespace {

// Added to every result of the circle before it is floored, so that a
// value a hair below a whole thousandth shows as that thousandth.
constexpr double kNudge = 0.0001;

// Signs of the four sectors: the centre's horizontal and vertical offsets
// from the intersection, whether it lies along the bisector m of the two
// angles or along n, and the directions of the tangent points along their
// lines (scaled by s for the sectors between the lines' opposite rays).
struct Sector {
    int centreH;
    int centreV;
    bool alongN;
    int point1;
    int point2;
};
const Sector kSectors[4] = {
    {+1, +1, false, +1, +1},
    {-1, -1, false, -1, -1},
    {-1, +1, true, -1, +1},
    {+1, -1, true, +1, -1},
};

// Tool tip minus nose centre, in nose radii: X on the diameter, then Z, for
// the tip positions 1 to 8.
const QPointF kTipOffsets[8] = {{2, 1}, {2, -1}, {-2, -1}, {-2, 1}, {0, 1}, {2, 0}, {0, -1}, {-2, 0}};

struct Point {
    double x;       // X (a diameter in the X-Z plane)
    double second;  // Z, or Y
};

// A line from an entered point towards the intersection and beyond the view.
QLineF ConstructionLine(QPointF p, double a, QPointF intersection, double sw) {
    const double su = intersection.x() > p.x() ? 1 : -1;
    const double sv = intersection.y() > p.y() ? 1 : -1;
    return {DrawnAt(p), QPointF(p.x() + su * std::fabs(sw * Cos(a)), -(p.y() + sv * std::fabs(sw * Sin(a))))};
}

void DrawCross(Drawing &drawing, QPointF at, double k) {
    drawing.Line({at.x() - k, at.y()}, {at.x() + k, at.y()}, kRed);
    drawing.Line({at.x(), at.y() - k}, {at.x(), at.y() + k}, kRed);
}

int SelectedSector(const CalcForm &form) {
    for (int i = 4; i >= 2; --i)
        if (form.IsOn(QStringLiteral("Option") + QString::number(i))) return i;
    return 1;
}

// The nose circles, the compensated radius, I and K, the nose centres and
// the tool tips, for the circle of radius r about `centre`.
void Compensate(CalcForm &f, Drawing &d, double r, Point centre) {
    if (f.IsEmpty("Text20")) return;
    const double nr = f.Number("Text20");
    const bool outside = !f.IsOn("Option6");
    // The nose cannot run inside an arc smaller than itself; inside one of
    // its own radius its centre stays at the arc's centre.
    if (!outside && nr > r) NoSolution();
    f.SetResult("Text23", outside ? r + nr : r - nr);
    f.SetText("Text30", f.Text("Text23"));

    const double sign = outside ? 1 : -1;
    auto compensated = [&](const char *box) {
        const double v = f.Number(box);
        return v + sign * Divide(v * nr, r);
    };
    f.SetResult("Text26", compensated("Text16"));
    f.SetResult("Text27", compensated("Text17"));
    f.SetResult("Text33", compensated("Text18"));
    f.SetResult("Text34", compensated("Text19"));

    if (f.CurrentPlane() == Plane::XY) {
        for (const char *box : {"Text24", "Text25", "Text31", "Text32"}) f.SetText(box, QString());
        f.SetResult("Text21", centre.x - f.Number("Text26"));
        f.SetResult("Text22", centre.second - f.Number("Text27"));
        f.SetResult("Text28", centre.x - f.Number("Text33"));
        f.SetResult("Text29", centre.second - f.Number("Text34"));
        d.Circle({f.Number("Text21"), -f.Number("Text22")}, nr, kMagenta);
        d.Circle({f.Number("Text28"), -f.Number("Text29")}, nr, kMagenta);
        return;
    }
    f.SetResult("Text21", centre.x - 2 * f.Number("Text26"));
    f.SetResult("Text22", centre.second - f.Number("Text27"));
    f.SetResult("Text28", centre.x - 2 * f.Number("Text33"));
    f.SetResult("Text29", centre.second - f.Number("Text34"));
    d.Circle({f.Number("Text22"), -f.Number("Text21") / 2}, nr, kMagenta);
    d.Circle({f.Number("Text29"), -f.Number("Text28") / 2}, nr, kMagenta);

    int tip = f.SelectedIndex(QStringLiteral("NosePN"), 8);
    if (tip < 0) tip = 2;
    const double dx = kTipOffsets[tip].x() * nr;
    const double dz = kTipOffsets[tip].y() * nr;
    // The tips are plain sums of two box values, not NC words.
    f.SetText("Text24", NumberText(Finite(f.Number("Text21") + dx)));
    f.SetText("Text25", NumberText(Finite(f.Number("Text22") + dz)));
    f.SetText("Text31", NumberText(Finite(f.Number("Text28") + dx)));
    f.SetText("Text32", NumberText(Finite(f.Number("Text29") + dz)));
    // From each tip along both axes to the level of its nose centre.
    auto referenceLines = [&](const char *tipX, const char *tipZ, const char *noseX, const char *noseZ) {
        const double tx = f.Number(tipX), tz = f.Number(tipZ);
        d.Line({tz, -tx / 2}, {tz, -f.Number(noseX) / 2}, kButtonShadow);
        d.Line({tz, -tx / 2}, {f.Number(noseZ), -tx / 2}, kButtonShadow);
    };
    referenceLines("Text24", "Text25", "Text21", "Text22");
    referenceLines("Text31", "Text32", "Text28", "Text29");
}

}  // namespace

void RecalcLineRLine(CalcForm &f, Drawing &d) {
    const Plane plane = f.CurrentPlane();
    const bool xz = plane == Plane::XZ;
    if (f.IsEmpty("Text1") || f.IsEmpty("Text2") || f.IsEmpty("Text3")) return;
    const Point p1{f.Number("Text1"), f.Number("Text2")};
    const double angle1 = f.Number("Text3");
    const double a1 = Radians(angle1);
    d.Clear();
    if (f.IsEmpty("Text4") || f.IsEmpty("Text5") || f.IsEmpty("Text6")) {
        DrawAngleLineOnly(d, a1);
        return;
    }

    // The intersection.
    const double angle2 = f.Number("Text6");
    const double a2 = Radians(angle2);
    const Point p2{f.Number("Text4"), f.Number("Text5")};
    const double t1 = Tan(a1);
    const double t2 = Tan(a2);
    // Directions 180 degrees apart are parallel too, though tan 180 is not
    // exactly tan 0 with the program's pi.
    if (std::remainder(angle1 - angle2, 180.0) == 0) NoSolution();
    Point pi{};
    if (xz) {
        pi.second = Finite(Divide((p2.x - p1.x) / 2 + p1.second * t1 - p2.second * t2, t1 - t2));
        pi.x = Finite(p1.x + 2 * t1 * (pi.second - p1.second));
    } else {
        pi.x = Finite(Divide((p2.second - p1.second) + p1.x * t1 - p2.x * t2, t1 - t2));
        pi.second = Finite(p1.second + t1 * (pi.x - p1.x));
    }
    f.SetResult("Text7", pi.x + kNudge);
    f.SetResult("Text8", pi.second + kNudge);

    // The view of the two points and the intersection, and the two lines.
    const QPointF u1 = PlanePoint(p1.x, p1.second, plane);
    const QPointF u2 = PlanePoint(p2.x, p2.second, plane);
    const QPointF ui = PlanePoint(pi.x, pi.second, plane);
    d.SetScale(FitView({u1, u2, ui}, 1.4, 0.2));
    const double sw = d.Scale().width;
    const QLineF line1 = ConstructionLine(u1, a1, ui, sw);
    const QLineF line2 = ConstructionLine(u2, a2, ui, sw);
    d.Line(line1.p1(), line1.p2(), kConstruction);
    d.Line(line2.p1(), line2.p2(), kConstruction);

    // The circle.
    if (f.IsEmpty("Text9")) {
        f.SetEnabled("Check1", false);
        return;
    }
    f.SetEnabled("Check1", true);
    const double r = f.Number("Text9");
    const int sector = SelectedSector(f);
    const Sector &signs = kSectors[sector - 1];
    const double s = a1 < a2 ? 1 : -1;
    const double half = sector <= 2 ? std::fabs(a1 - a2) / 2 : (g_Pi - std::fabs(a1 - a2)) / 2;
    const double l = Divide(r, Tan(half));
    const double dist = Sqr(l * l + r * r);
    const double ang = signs.alongN ? (g_Pi - a1 - a2) / 2 : (a1 + a2) / 2;
    const double sl = sector <= 2 ? 1 : s;
    Point c{}, q1{}, q2{};
    if (xz) {
        c = {pi.x + signs.centreV * (2 * dist * Sin(ang)), pi.second + signs.centreH * (dist * Cos(ang))};
        q1 = {pi.x + signs.point1 * (2 * sl * l * Sin(a1)), pi.second + signs.point1 * (sl * l * Cos(a1))};
        q2 = {pi.x + signs.point2 * (2 * sl * l * Sin(a2)), pi.second + signs.point2 * (sl * l * Cos(a2))};
    } else {
        c = {pi.x + signs.centreH * (dist * Cos(ang)), pi.second + signs.centreV * (dist * Sin(ang))};
        q1 = {pi.x + signs.point1 * (sl * l * Cos(a1)), pi.second + signs.point1 * (sl * l * Sin(a1))};
        q2 = {pi.x + signs.point2 * (sl * l * Cos(a2)), pi.second + signs.point2 * (sl * l * Sin(a2))};
    }
    f.SetResult("Text10", c.x + kNudge);
    f.SetResult("Text11", c.second + kNudge);
    f.SetResult("Text12", q1.x + kNudge);
    f.SetResult("Text13", q1.second + kNudge);
    f.SetResult("Text17", c.second - q1.second + kNudge);
    f.SetResult("Text14", q2.x + kNudge);
    f.SetResult("Text15", q2.second + kNudge);
    f.SetResult("Text19", c.second - q2.second + kNudge);
    // I is a radius: half the difference of two diameters in the X-Z plane.
    f.SetResult("Text16", (xz ? (c.x - q1.x) / 2 : c.x - q1.x) + kNudge);
    f.SetResult("Text18", (xz ? (c.x - q2.x) / 2 : c.x - q2.x) + kNudge);

    // The circle, its centre, the tangent points and their numbers.
    const QPointF uc = PlanePoint(c.x, c.second, plane);
    if (f.IsOn("Check1")) {
        d.Clear();
        const double width = 5 * r;
        const double height = 5 * r * kAreaHeightTwips / kAreaWidthTwips;
        d.SetScale({uc.x() - width / 2, -uc.y() - height / 2, width, height});
        d.Line(line1.p1(), line1.p2(), kConstruction);
        d.Line(line2.p1(), line2.p2(), kConstruction);
    }
    d.SetTextColour(kGreen);
    const double k = 0.006 * d.Scale().width;
    d.Circle(DrawnAt(uc), r, kConstruction);
    d.Circle(DrawnAt(uc), 0.001 * d.Scale().width, kRed);
    const QPointF at1 = DrawnAt(PlanePoint(q1.x, q1.second, plane));
    const QPointF at2 = DrawnAt(PlanePoint(q2.x, q2.second, plane));
    DrawCross(d, at1, k);
    DrawCross(d, at2, k);
    d.SetTextPosition(at1);
    d.Print(QStringLiteral("1"));
    d.SetTextPosition(at2);
    d.Print(QStringLiteral("2"));

    Compensate(f, d, r, c);
}

}  // namespace brennvik
