#include "circle_circle.h"

#include "calc_math.h"
#include "workspace/workspace_state.h"

#include <algorithm>

namespace brennvik {

namespace {

struct CircleBoxes {
    const char *x;
    const char *second;
    const char *r;
};
const CircleBoxes kCircle1 = {"Text1", "Text2", "Text3"};
const CircleBoxes kCircle2 = {"Text4", "Text5", "Text6"};

bool Filled(const CalcForm &f, const CircleBoxes &c) {
    return !f.IsEmpty(c.x) && !f.IsEmpty(c.second) && !f.IsEmpty(c.r);
}

// A red cross of arms `arm` each way about a drawn point, the vertical arm first.
void DrawCross(Drawing &d, QPointF at, double arm) {
    d.Line({at.x(), at.y() + arm}, {at.x(), at.y() - arm}, kRed);
    d.Line({at.x() + arm, at.y()}, {at.x() - arm, at.y()}, kRed);
}

// One circle alone, ten radii wide around its centre.
void DrawOneCircle(const CalcForm &f, Drawing &d, const CircleBoxes &boxes, Plane plane) {
    const QPointF centre = PlanePoint(f.Number(boxes.x), f.Number(boxes.second), plane);
    const double r = f.Number(boxes.r);
    const double width = 10 * r;
    const double height = 10 * (r * kAreaHeightTwips / kAreaWidthTwips);
    d.SetScale({centre.x() - width / 2, -height / 2 - centre.y(), width, height});
    DrawCross(d, DrawnAt(centre), r / 15);
    d.Circle(DrawnAt(centre), r, kConstruction);
}

}  // namespace

void RecalcCircleCircle(CalcForm &f, Drawing &d) {
    d.Clear();
    const Plane plane = f.CurrentPlane();
    const bool xz = plane == Plane::XZ;
    if (!Filled(f, kCircle1) || !Filled(f, kCircle2)) {
        if (Filled(f, kCircle1)) DrawOneCircle(f, d, kCircle1, plane);
        else if (Filled(f, kCircle2)) DrawOneCircle(f, d, kCircle2, plane);
        return;
    }
    const double x1 = f.Number("Text1"), b1 = f.Number("Text2"), r1 = f.Number("Text3");
    const double x2 = f.Number("Text4"), b2 = f.Number("Text5"), r2 = f.Number("Text6");
    const QPointF c1 = PlanePoint(x1, b1, plane);
    const QPointF c2 = PlanePoint(x2, b2, plane);
    const double v = xz ? (x2 - x1) / 2 : b2 - b1;
    const double h = xz ? b2 - b1 : x2 - x1;
    const double dist = Sqr(h * h + v * v);

    // The direction of the centre line from centre 1; concentric circles
    // have none.
    const double c = Divide(h, dist);
    double theta = c == 1 ? 0 : c == -1 ? g_Pi : ArcCos(c);
    if (v < 0) theta = -theta;
    // Half the angle between the points seen from centre 1; circles that
    // miss or only touch each other have no two points.
    const double cosAlpha = Divide(Divide(Divide((r1 * r1 + dist * dist) - r2 * r2, 2), r1), dist);
    const double alpha = ArcCos(cosAlpha);

    double p1x = 0, p1b = 0, p2x = 0, p2b = 0;
    if (xz) {
        p1x = x1 + 2 * r1 * Sin(theta + alpha);
        p1b = b1 + r1 * Cos(theta + alpha);
        p2x = x1 + 2 * r1 * Sin(theta - alpha);
        p2b = b1 + r1 * Cos(theta - alpha);
    } else {
        p1x = x1 + r1 * Cos(theta + alpha);
        p1b = b1 + r1 * Sin(theta + alpha);
        p2x = x1 + r1 * Cos(theta - alpha);
        p2b = b1 + r1 * Sin(theta - alpha);
    }
    // Floored in place: the drawing shows the points as the boxes do.
    f.SetResult("Text7", p1x);
    f.SetResult("Text8", p1b);
    f.SetResult("Text11", p2x);
    f.SetResult("Text12", p2b);

    // The view: twice the larger of the two extents. The vertical extent
    // counts double, as a diameter does in the X-Z plane, so that circles
    // stacked in the X-Y plane fit as well.
    const double vertical = xz ? std::max(x1 + r1, x2 + r2) - std::min(x1 - r1, x2 - r2)
                               : 2 * (std::max(b1 + r1, b2 + r2) - std::min(b1 - r1, b2 - r2));
    const double horizontal = xz ? std::max(b1 + r1, b2 + r2) - std::min(b1 - r1, b2 - r2)
                                 : std::max(x1 + r1, x2 + r2) - std::min(x1 - r1, x2 - r2);
    const double s = std::max(horizontal * kAreaHeightTwips / kAreaWidthTwips, vertical);
    const double width = 2 * s;
    const double height = 2 * (s * kAreaHeightTwips / kAreaWidthTwips);
    const double left = ((xz ? b1 + b2 : x1 + x2) - width) / 2;
    d.SetScale({left, -height / 2 - (xz ? (x1 + x2) / 4 : (b1 + b2) / 2), width, height});
    d.SetTextColour(kGreen);

    for (const auto &[centre, r] : {std::pair{c1, r1}, std::pair{c2, r2}}) {
        DrawCross(d, DrawnAt(centre), s / 70);
        d.Circle(DrawnAt(centre), r, kConstruction);
    }
    const QPointF at1 = DrawnAt(PlanePoint(p1x, p1b, plane));
    const QPointF at2 = DrawnAt(PlanePoint(p2x, p2b, plane));
    d.Circle(at1, width * 0.001, kRed);
    d.Circle(at2, width * 0.001, kRed);
    d.Circle(at1, width * 0.002, kRed);
    d.Circle(at2, width * 0.002, kRed);
    d.SetTextPosition(at1);
    d.Print(QStringLiteral(" 1"));
    d.SetTextPosition(at2);
    d.Print(QStringLiteral("2"));
}

}  // namespace brennvik
