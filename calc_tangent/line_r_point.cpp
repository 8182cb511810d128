#include "line_r_point.h"

#include "calc_math.h"
#include "workspace/workspace_state.h"

#include <cmath>

namespace brennvik {

namespace {

// Added to every result before it is floored, so that a value a hair below
// a whole thousandth shows as that thousandth.
constexpr double kNudge = 0.0001;

}  // namespace

void RecalcLineRPoint(CalcForm &f, Drawing &d) {
    if (f.IsEmpty("Text1") || f.IsEmpty("Text2") || f.IsEmpty("Text3")) return;
    const Plane plane = f.CurrentPlane();
    const bool xz = plane == Plane::XZ;
    double angle = f.Number("Text3");
    if (std::fabs(angle) > 90) angle -= 180;
    // A line along X would have no tangent to measure the circle with.
    if (std::fabs(angle) == 90) angle = 89.9999;
    double a = Radians(angle);
    const QPointF p = PlanePoint(f.Number("Text1"), f.Number("Text2"), plane);
    d.Clear();
    if (f.IsEmpty("Text4") || f.IsEmpty("Text5") || f.IsEmpty("Text8")) {
        DrawAngleLineOnly(d, a);
        return;
    }
    const QPointF e = PlanePoint(f.Number("Text4"), f.Number("Text5"), plane);
    const double r = f.Number("Text8");

    // Solved with the end point to the right of the line point and above
    // the line, then mirrored back: horizontally together with the angle, so
    // the line stays; vertically without it, so an end point at or below
    // the line point's height gets a circle on the line at -A.
    double dh = e.x() - p.x();
    double sh = 1;
    if (!(dh > 0)) {
        sh = -1;
        a = -a;
        dh = -dh;
    }
    const double sv = e.y() > p.y() ? 1 : -1;
    const double above = std::fabs(e.y() - p.y()) - dh * Tan(a);
    const double se = above > 0 ? 1 : -1;
    // How far the circle reaches beyond the end point's distance from the
    // line; the end point may lie no farther than 2R from it.
    const double q = r - std::fabs(above * Cos(a));
    const double s = Sqr(r * r - q * q);
    QPointF c;
    if (f.IsOn("Option1")) {
        if (q <= 0) {
            const double b = se * a + Atn(Divide(-q, s));
            c = {e.x() - sh * r * Cos(b), e.y() - sv * se * r * Sin(b)};
        } else {
            const double b = se * a + Atn(Divide(s, q));
            c = {e.x() - sh * r * Sin(b), e.y() + sv * se * r * Cos(b)};
        }
    } else {
        if (q <= 0) {
            const double b = se * a + (g_Pi / 2 - Atn(Divide(-q, s)));
            c = {e.x() + sh * r * Sin(b), e.y() - sv * se * r * Cos(b)};
        } else {
            const double b = se * a + (g_Pi / 2 - Atn(Divide(s, q)));
            c = {e.x() + sh * r * Cos(b), e.y() + sv * se * r * Sin(b)};
        }
    }
    const QPointF t(c.x() + se * sh * r * Sin(a), c.y() - sv * se * r * Cos(a));

    const double cx = xz ? 2 * c.y() : c.x();
    const double cSecond = xz ? c.x() : c.y();
    const double tx = xz ? 2 * t.y() : t.x();
    const double tSecond = xz ? t.x() : t.y();
    f.SetResult("Text6", cx + kNudge);
    f.SetResult("Text7", cSecond + kNudge);
    f.SetResult("Text9", tx + kNudge);
    f.SetResult("Text10", tSecond + kNudge);
    // I is a radius: half the difference of two diameters in the X-Z plane.
    f.SetResult("Text11", (xz ? (cx - tx) / 2 : cx - tx) + kNudge);
    f.SetResult("Text12", cSecond - tSecond + kNudge);

    d.SetScale(FitView({p, e + QPointF(sh * r, sv * r), t}, 1.2, 0.1));
    const double sw = d.Scale().width;
    d.Line(DrawnAt(t), DrawnAt(p), kConstruction);
    d.Circle(DrawnAt(c), r, kConstruction);
    for (const QPointF &at : {p, e, c, t}) d.Circle(DrawnAt(at), sw * 0.001, kRed);
    d.Circle(DrawnAt(e), sw * 0.0015, kRed);
    d.Circle(DrawnAt(t), sw * 0.0015, kRed);
    // A guide from the end point along the axis, toward the circle's side.
    const double guide = c.x() > p.x() ? 100 : -100;
    d.Line(DrawnAt(e), DrawnAt(e + QPointF(guide, 0)), kConstruction);
}

}  // namespace brennvik
