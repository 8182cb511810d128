#include "circle_point.h"

#include "calc_math.h"

namespace brennvik {

void RecalcCirclePoint(CalcForm &f, Drawing &d) {
    if (f.IsEmpty("Text1") || f.IsEmpty("Text2") || f.IsEmpty("Text3")) return;
    const Plane plane = f.CurrentPlane();
    const bool xz = plane == Plane::XZ;
    const double cx = f.Number("Text1");
    const double cSecond = f.Number("Text2");
    const double r = f.Number("Text3");
    const QPointF centre = PlanePoint(cx, cSecond, plane);

    // Five radii wide, centred on the circle.
    d.Clear();
    const double width = 5 * r;
    const double height = 5 * r * kAreaHeightTwips / kAreaWidthTwips;
    d.SetScale({centre.x() - width / 2, -centre.y() - height / 2, width, height});
    d.Circle(DrawnAt(centre), r, kConstruction);
    if (f.IsEmpty("Text4")) return;

    const double a = Radians(f.Number("Text4"));
    const double c = r * Cos(a);
    const double s = r * Sin(a);
    // Point 1 lies on the side of the centre nearer the axis (X-Z) or
    // below it (X-Y), point 2 opposite.
    const double side = f.IsOn("Option1") ? 1 : -1;
    double px = xz ? cx - side * 2 * c : cx + side * s;
    double pSecond = xz ? cSecond + side * s : cSecond - side * c;
    f.SetResult("Text5", px);
    f.SetResult("Text6", pSecond);
    f.SetResult("Text7", xz ? side * c : -side * s);
    f.SetResult("Text8", xz ? -side * s : side * c);

    // The tangent through the point, half the view's width each way.
    const double half = width / 2;
    const QPointF p = PlanePoint(px, pSecond, plane);
    const QPointF along(half * Cos(a), half * Sin(a));
    d.Line(DrawnAt(p), DrawnAt(p + along), kConstruction);
    d.Line(DrawnAt(p), DrawnAt(p - along), kConstruction);
    d.Circle(DrawnAt(centre), width * 0.001, kRed);
    d.Circle(DrawnAt(p), width * 0.001, kRed);
    d.Circle(DrawnAt(p), width * 0.002, kRed);
}

QString PointWords(const QString &x, const QString &z, Plane plane) {
    return QStringLiteral(" X") + x + (plane == Plane::XY ? QStringLiteral(" Y") : QStringLiteral(" Z")) + z;
}

QString CentreWords(const QString &i, const QString &k, Plane plane) {
    return QStringLiteral(" I") + i + (plane == Plane::XY ? QStringLiteral(" J") : QStringLiteral(" K")) + k;
}

}  // namespace brennvik
