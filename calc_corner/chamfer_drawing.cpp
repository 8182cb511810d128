#include "chamfer_drawing.h"

#include "workspace/runtime.h"

#include <cmath>

namespace brennvik {

namespace {

constexpr ColourRef kYellow = 0x00FFFF;

// The view of the corner before the chamfer is known, in millimetres.
constexpr double kCornerViewWidth = 20;
constexpr double kCornerViewHeight = 12.9;

// Where each case puts the corner: the far ends of its horizontal and
// vertical lines, and the sixths of the view's width left of the corner
// (kh) and of its height above it (kv), so that the material lies on the
// side of the corner it lies on.
struct CaseLayout {
    double zFar;
    double yFar;
    double kh;
    double kv;
};

CaseLayout LayoutOf(ChamferCase kase) {
    switch (kase) {
    case ChamferCase::OuterForward: return {-2000, 1000, 4, 2};
    case ChamferCase::InnerForward: return {-2000, -1000, 4, 4};
    case ChamferCase::OuterReverse: return {2000, 1000, 2, 2};
    case ChamferCase::InnerReverse: return {2000, -1000, 2, 4};
    }
    return {};
}

ViewScale CornerView(const CaseLayout &layout, double x, double z, double width, double height) {
    return {z + (-width / 6) * layout.kh, -x / 2 + (-height / 6) * layout.kv, width, height};
}

void DrawCornerLines(Drawing &d, const CaseLayout &layout, double x, double z) {
    d.Line({layout.zFar, -x / 2}, {z, -x / 2}, kYellow);
    d.Line({z, -x / 2}, {z, layout.yFar}, kYellow);
}

// A number of a label: rounded to four decimals, halves to even.
QString LabelNumber(double v) { return NumberText(std::nearbyint(v * 10000) / 10000); }

void DrawMarker(Drawing &d, double x, double z, ColourRef colour) {
    const double h = d.TextHeight();
    for (double r : {h / 10, h / 8, h / 7}) d.Circle({z, -x / 2}, r, colour);
}

// A nose circle about `centre` and the ticks from its reference point along
// Z and across to the centre.
void DrawNose(Drawing &d, QPointF reference, QPointF centre, double r) {
    d.Circle(centre, r, kRed);
    d.Line(reference, {centre.x(), reference.y()}, kButtonShadow);
    d.Line(reference, {reference.x(), centre.y()}, kButtonShadow);
}

}  // namespace

void PrepareChamferDrawing(Drawing &drawing) {
    drawing.Clear();
    drawing.SetTextColour(kWhite);
}

void DrawEmptyCorner(Drawing &drawing, ChamferCase kase) {
    const CaseLayout layout = LayoutOf(kase);
    drawing.SetScale(CornerView(layout, 0, 0, kCornerViewWidth, kCornerViewHeight));
    DrawCornerLines(drawing, layout, 0, 0);
}

void DrawCorner(Drawing &drawing, ChamferCase kase, double x, double z) {
    const CaseLayout layout = LayoutOf(kase);
    drawing.Clear();
    drawing.SetScale(CornerView(layout, x, z, kCornerViewWidth, kCornerViewHeight));
    DrawCornerLines(drawing, layout, x, z);
    LabelPointWithAngle(drawing, x, z, 0, kYellow);
}

void DrawChamferPath(Drawing &drawing, const ChamferValues &v) {
    const CaseLayout layout = LayoutOf(v.kase);
    drawing.Clear();
    // The view grows with the chamfer; an empty one (all four 0) fails.
    const double s = v.C + v.Q + v.P + v.R;
    drawing.SetScale(CornerView(layout, v.X, v.Z, (kCornerViewWidth / 5) * s, (kCornerViewHeight / 5) * s));
    drawing.SetLineStyle(LineStyle::Dotted);
    drawing.Line({layout.zFar, -v.eX / 2}, {v.sZ, -v.eX / 2}, kGrayText);
    drawing.Line({v.sZ, -v.eX / 2}, {v.sZ, layout.yFar}, kGrayText);
    drawing.SetLineStyle(LineStyle::Solid);
    DrawCornerLines(drawing, layout, v.X, v.Z);
    drawing.Line({v.eZ, -v.eX / 2}, {v.sZ, -v.sX / 2}, kGreen);
    LabelPointWithAngle(drawing, v.X, v.Z, 0, kYellow);

    // The chamfer's own ends, where the approach lengthens the path beyond them.
    auto labelEnd = [&](double x, double z) {
        if (v.kase == ChamferCase::OuterForward) LabelPoint(drawing, x, z, kYellow);
        else LabelPointWithAngle(drawing, x, z, 0, kYellow);
    };
    if (v.P > 0) labelEnd(v.X, v.Forward() ? v.Z - v.C : v.Z + v.C);
    if (v.Q > 0) labelEnd(v.Outer() ? v.X - (v.C * v.T) * 2 : v.X + (v.C * v.T) * 2, v.Z);
}

void FinishChamferDrawing(Drawing &drawing, const ChamferValues &v) {
    const double startAngle = 90 - v.A;
    if (v.R <= 0) {
        if (v.kase == ChamferCase::InnerReverse) LabelPoint(drawing, v.eX, v.eZ, kGreen);
        else LabelPointWithAngle(drawing, v.eX, v.eZ, v.A, kGreen);
        if (v.kase == ChamferCase::OuterReverse) LabelPoint(drawing, v.sX, v.sZ, kGreen);
        else LabelPointWithAngle(drawing, v.sX, v.sZ, startAngle, kGreen);
        return;
    }
    const double ze = v.EndZ(), zs = v.StartZ(), xs = v.StartX(), xe = v.eX;
    drawing.Line({ze, -xe / 2}, {zs, -xs / 2}, kRed);
    // The nose circles touch the path at its left edge forward and at its
    // right edge reverse, whichever edge is the reference point.
    const double towardsAxis = v.Outer() ? -v.R : v.R;
    const double endCentreZ = v.Forward() ? (v.eZ - v.dZ) + v.R : (v.eZ + v.dZ) - v.R;
    const double startCentreZ = v.Forward() ? v.sZ + v.R : v.sZ - v.R;
    DrawNose(drawing, {ze, -xe / 2}, {endCentreZ, -xe / 2 + towardsAxis}, v.R);
    DrawNose(drawing, {zs, -xs / 2}, {startCentreZ, -xs / 2 + towardsAxis}, v.R);

    const bool endWithAngle = v.kase == ChamferCase::OuterReverse || (v.kase == ChamferCase::OuterForward && !v.rightEdge);
    if (endWithAngle) LabelPointWithAngle(drawing, xe, ze, v.A, kGreen);
    else LabelPoint(drawing, xe, ze, kGreen);
    LabelPointWithAngle(drawing, xs, zs, startAngle, kGreen);
}

void LabelPointWithAngle(Drawing &drawing, double x, double z, double a, ColourRef colour) {
    const double h = drawing.TextHeight();
    DrawMarker(drawing, x, z, colour);
    const double k = a == 0 ? 2 : 3;
    QStringList lines = {u'X' + LabelNumber(x), u'Z' + LabelNumber(z)};
    if (a != 0) lines << u'A' + LabelNumber(a);
    for (int n = 0; n < lines.size(); ++n) {
        drawing.SetTextPosition({z + h / 2, (n * h + (-x / 2)) + (-k * h)});
        drawing.Print(lines[n]);
    }
}

void LabelPoint(Drawing &drawing, double x, double z, ColourRef colour) {
    const double h = drawing.TextHeight();
    DrawMarker(drawing, x, z, colour);
    const QString lines[] = {u'X' + LabelNumber(x), u'Z' + LabelNumber(z)};
    for (int n = 0; n < 2; ++n) {
        drawing.SetTextPosition({z - 4 * h, -x / 2 + n * h});
        drawing.Print(lines[n]);
    }
}

}  // namespace brennvik
