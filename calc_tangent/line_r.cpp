#include "line_r.h"

#include "calc_math.h"
#include "workspace/workspace_state.h"

#include <cmath>

namespace brennvik {

namespace {

// Added to every result before it is floored, so that a value a hair below
// a whole thousandth shows as that thousandth.
constexpr double kNudge = 0.0001;

QString SecondAxis(Plane plane) { return plane == Plane::XY ? QStringLiteral(" Y") : QStringLiteral(" Z"); }

}  // namespace

void RecalcLineR(CalcForm &f, Drawing &d) {
    if (f.IsEmpty("Text1") || f.IsEmpty("Text2") || f.IsEmpty("Text3")) return;
    const Plane plane = f.CurrentPlane();
    const bool xz = plane == Plane::XZ;
    double angle = f.Number("Text3");
    if (angle > 180) angle -= 360;
    const double a = Radians(angle);
    const QPointF p = PlanePoint(f.Number("Text1"), f.Number("Text2"), plane);
    d.Clear();
    if (f.IsEmpty("Text4") || f.IsEmpty("Text5") || f.IsEmpty("Text6")) {
        DrawAngleLineOnly(d, a);
        return;
    }
    const double cx = f.Number("Text4");
    const double cSecond = f.Number("Text5");
    const double r = f.Number("Text6");
    const QPointF c = PlanePoint(cx, cSecond, plane);

    // With the centre at the line point's left (or straight above or below
    // it) the construction is mirrored about the vertical through the
    // point: the points then lie on the line at 180 degrees - A.
    const bool centreRight = c.x() > p.x();
    const double h = std::fabs(c.x() - p.x());
    const double v = c.y() - p.y();
    const double dist = Sqr(h * h + v * v);
    const double phi = h != 0 ? Atn(Divide(v, h)) : (v >= 0 ? g_Pi / 2 : -g_Pi / 2);
    // The centre's distance from the line, in radii; a line that misses or
    // only touches the circle has no two points.
    const double rel = Divide(dist * Sin(phi - a), r);
    const double beta = ArcCos(rel);

    QPointF points[2];
    const double t[2] = {a - g_Pi / 2 - beta, a - g_Pi / 2 + beta};
    for (int k = 0; k < 2; ++k) {
        const double along = r * Cos(t[k]);
        points[k] = {centreRight ? c.x() + along : c.x() - along, c.y() + r * Sin(t[k])};
    }
    const char *const boxes[2][4] = {{"Text7", "Text8", "Text9", "Text10"}, {"Text11", "Text12", "Text13", "Text14"}};
    for (int k = 0; k < 2; ++k) {
        const QPointF &q = points[k];
        const double x = xz ? 2 * q.y() : q.x();
        const double second = xz ? q.x() : q.y();
        f.SetResult(boxes[k][0], x + kNudge);
        f.SetResult(boxes[k][1], second + kNudge);
        // I is a radius: half the difference of two diameters in the X-Z plane.
        f.SetResult(boxes[k][2], (xz ? (cx - x) / 2 : cx - x) + kNudge);
        f.SetResult(boxes[k][3], cSecond - second + kNudge);
    }

    d.SetScale(FitView({p, c - QPointF(r, r), c + QPointF(r, r)}, 1.2, 0.1));
    const double sw = d.Scale().width;
    // From the line point through point 2 to beyond the view.
    const QPointF end(points[1].x() > p.x() ? p.x() + std::fabs(Cos(a)) * sw : p.x() - std::fabs(Cos(a)) * sw,
                      points[1].y() > p.y() ? p.y() + std::fabs(Sin(a)) * sw : p.y() - std::fabs(Sin(a)) * sw);
    d.SetTextColour(kGreen);
    d.Line(DrawnAt(p), DrawnAt(end), kConstruction);
    d.Circle(DrawnAt(c), r, kConstruction);
    d.Circle(DrawnAt(points[0]), sw * 0.001, kRed);
    d.Circle(DrawnAt(c), sw * 0.001, kRed);
    d.Circle(DrawnAt(points[1]), sw * 0.001, kRed);
    d.SetTextPosition(DrawnAt(points[0]));
    d.Print(QStringLiteral("1"));
    d.SetTextPosition(DrawnAt(points[1]));
    d.Print(QStringLiteral("2"));
}

QString LinearMoveLine(const QString &x, const QString &z, Plane plane) {
    return QStringLiteral("N000 G01 X") + x + SecondAxis(plane) + z + QStringLiteral("\r\n");
}

QString ArcBlockLine(const QString &x, const QString &z, const QString &radius, Plane plane) {
    return QStringLiteral("N000 G0* X") + x + SecondAxis(plane) + z + QStringLiteral(" L") + radius +
           QStringLiteral("\r\n");
}

}  // namespace brennvik
