#include "line2_circle2.h"

#include "calc_math.h"

#include <cmath>

namespace brennvik {

namespace {

// The width of a view per unit of its height, the area's aspect ratio.
constexpr double kViewAspect = 1.812;
// How far the lines are drawn each way.
constexpr double kLineReach = 1000;
// Half an arm of a marker cross, in view widths.
constexpr double kCrossArm = 0.007;

// The boxes of one line direction. Across the lines a box gives a line's
// position; along them one of three boxes gives the known point. On the
// X axis a value is a diameter, so offsets there count twice.
struct Direction {
    const char *across[3];  // point 1, point 2, point 3
    const char *along[3];
    double acrossFactor;
    double alongFactor;
};
const Direction kHorizontal = {{"Text1", "Text4", "Text7"}, {"Text2", "Text5", "Text8"}, 2, 1};
const Direction kVertical = {{"Text2", "Text5", "Text8"}, {"Text1", "Text4", "Text7"}, 1, 2};

struct Point {
    double x;
    double z;
};

QPointF At(Point p) { return {p.z, -p.x / 2}; }

// Where the along-line coordinates of the three points stand, from the
// first filled along-line box. `sign` +1 puts circle 2 on the plus side of
// circle 1, -1 on the minus side.
void AlongLine(const CalcForm &f, const Direction &d, double sign, double s, double r1, double r2, double cosT,
               double along[3]) {
    const double k = sign * d.alongFactor;
    if (!f.IsEmpty(d.along[0])) {
        along[0] = f.Number(d.along[0]);
        along[1] = along[0] + k * s * cosT;
        along[2] = along[0] + k * r1 * cosT;
    } else if (!f.IsEmpty(d.along[1])) {
        along[1] = f.Number(d.along[1]);
        along[0] = along[1] - k * s * cosT;
        along[2] = along[1] - k * r2 * cosT;
    } else if (!f.IsEmpty(d.along[2])) {
        along[2] = f.Number(d.along[2]);
        along[0] = along[2] - k * r1 * cosT;
        along[1] = along[2] + k * r2 * cosT;
    } else {
        along[0] = along[1] = along[2] = 0;
    }
}

void Cross(Drawing &drawing, const Point (&points)[5], double m) {
    for (const Point &p : points) drawing.Line({p.z - m, -p.x / 2}, {p.z + m, -p.x / 2}, kRed);
    for (const Point &p : points) drawing.Line({p.z, -p.x / 2 - m}, {p.z, -p.x / 2 + m}, kRed);
}

// The lines alone, while the other inputs are missing. False when the
// solution can go on.
bool DrawIncompleteLines(CalcForm &f, Drawing &drawing, bool vertical, double a1, double a2) {
    const Direction &d = vertical ? kVertical : kHorizontal;
    auto line = [&](double a) {
        if (vertical) drawing.Line({a, -kLineReach}, {a, kLineReach}, kWhite);
        else drawing.Line({-kLineReach, -a / 2}, {kLineReach, -a / 2}, kWhite);
    };
    const bool first = !f.IsEmpty(d.across[0]);
    const bool second = !f.IsEmpty(d.across[1]);
    if (first != second) {
        const double a = first ? a1 : a2;
        drawing.SetScale(vertical ? ViewScale{-906 + a, -500, 1812, 1000} : ViewScale{-906, (-1000 - a) / 2, 1812, 1000});
        line(a);
        return true;
    }
    if (f.IsEmpty("Text3") || f.IsEmpty("Text6")) {
        const double h = std::fabs(a1 - a2) / d.acrossFactor;
        ViewScale view;
        view.width = kViewAspect * (2 * h);
        view.height = 2 * h;
        if (vertical) {
            view.left = -view.width / 2 + (a1 + a2) / 2;
            view.top = -view.height / 2;
        } else {
            view.left = -view.width / 2;
            view.top = (-2 * h - (a1 + a2) / 2) / 2;
        }
        drawing.SetScale(view);
        line(a1);
        line(a2);
        return true;
    }
    return false;
}

}  // namespace

void RecalcLine2Circle2(CalcForm &f, Drawing &drawing) {
    drawing.Clear();
    const bool vertical = f.IsOn("Option4");
    const Direction &d = vertical ? kVertical : kHorizontal;
    if (f.IsEmpty(d.across[0]) && f.IsEmpty(d.across[1])) return;

    // Across the lines: their positions, and the distance between them.
    const double a1 = f.Number(d.across[0]);
    const double a2 = f.Number(d.across[1]);
    if (DrawIncompleteLines(f, drawing, vertical, a1, a2)) return;
    const double h = std::fabs(a1 - a2) / d.acrossFactor;

    const double r1 = f.Number("Text3");
    const double r2 = f.Number("Text6");
    const double s = r1 + r2;
    const double dist = s - h;
    const double l = Sqr(s * s - dist * dist);
    const double t = Atn(Divide(dist, l));
    const double cosT = Cos(t);
    const double sinT = Sin(t);

    double along[3];
    AlongLine(f, d, f.IsOn("Option2") ? -1 : 1, s, r1, r2, cosT, along);
    double acrossCentre1, acrossCentre2, across3;
    if (a1 > a2) {
        acrossCentre1 = a1 - d.acrossFactor * r1;
        acrossCentre2 = a2 + d.acrossFactor * r2;
        across3 = acrossCentre1 + d.acrossFactor * r1 * sinT;
    } else {
        acrossCentre1 = a1 + d.acrossFactor * r1;
        acrossCentre2 = a2 - d.acrossFactor * r2;
        across3 = acrossCentre1 - d.acrossFactor * r1 * sinT;
    }
    // The centres lie straight across from the tangent points.
    double alongCentre1 = along[0];
    double alongCentre2 = along[1];
    f.SetResult(d.along[0], along[0]);
    f.SetResult(d.along[1], along[1]);

    ViewScale view;
    if (vertical) {
        view.width = 5 * h;
        view.height = 5 * h / kViewAspect;
        view.left = -view.width / 2 + (a1 + a2) / 2;
        view.top = (-2 * h - (along[0] + along[1]) / 2) / 2;
        drawing.SetScale(view);
        drawing.Line({a1, -kLineReach}, {a1, kLineReach}, kWhite);
        drawing.Line({a2, -kLineReach}, {a2, kLineReach}, kWhite);
    } else {
        view.width = kViewAspect * (4 * h);
        view.height = 4 * h;
        view.left = -view.width / 2 + (along[0] + along[1]) / 2;
        view.top = (-4 * h - (a1 + a2) / 2) / 2;
        drawing.SetScale(view);
        drawing.Line({-kLineReach, -a1 / 2}, {kLineReach, -a1 / 2}, kWhite);
        drawing.Line({-kLineReach, -a2 / 2}, {kLineReach, -a2 / 2}, kWhite);
    }

    // Point 3 and the centres as X (diameter) and Z; each value is floored
    // as it is written, and I and K come from the floored values.
    double &x3 = vertical ? along[2] : across3;
    double &z3 = vertical ? across3 : along[2];
    double &xc1 = vertical ? alongCentre1 : acrossCentre1;
    double &zc1 = vertical ? acrossCentre1 : alongCentre1;
    double &xc2 = vertical ? alongCentre2 : acrossCentre2;
    double &zc2 = vertical ? acrossCentre2 : alongCentre2;
    f.SetResult("Text7", x3);
    f.SetResult("Text8", z3);
    f.SetResult("Text9", xc1);
    f.SetResult("Text10", zc1);
    f.SetResult("Text11", (xc1 - x3) / 2);
    f.SetResult("Text12", zc1 - z3);
    f.SetResult("Text13", xc2);
    f.SetResult("Text14", zc2);
    f.SetResult("Text15", (xc2 - x3) / 2);
    f.SetResult("Text16", zc2 - z3);

    const Point point1 = vertical ? Point{along[0], a1} : Point{a1, along[0]};
    const Point point2 = vertical ? Point{along[1], a2} : Point{a2, along[1]};
    const Point point3{x3, z3};
    drawing.Circle(At({xc1, zc1}), r1, kConstruction);
    drawing.Circle(At({xc2, zc2}), r2, kConstruction);
    Cross(drawing, {point1, point2, point3, {xc1, zc1}, {xc2, zc2}}, view.width * kCrossArm);
    drawing.SetTextColour(kGreen);
    const std::pair<Point, const char *> labels[] = {{point1, "1"}, {point2, "2"}, {point3, "3"}};
    for (const auto &[point, label] : labels) {
        drawing.SetTextPosition(At(point));
        drawing.Print(QString::fromLatin1(label));
    }
}

QStringList BoxesClearedOnLeaving(const QString &box, bool vertical) {
    const Direction &d = vertical ? kVertical : kHorizontal;
    QStringList cleared;
    for (const char *along : d.along) cleared << QString::fromLatin1(along);
    if (!cleared.removeOne(box)) return {};
    return cleared;
}

}  // namespace brennvik
