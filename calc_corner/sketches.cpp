#include "sketches.h"

#include <cmath>

namespace brennvik {

namespace {

// The sketches are drawn on a view 100 units wide, y downwards.
constexpr double kWidth = 100;
constexpr double kDegree = 3.14159265358979 / 180;
constexpr double kCrossArm = 1.2;
constexpr double kTick = 1.5;

Drawing SketchDrawing(QSizeF areaTwips) {
    Drawing drawing(areaTwips);
    drawing.SetScale({0, 0, kWidth, kWidth * areaTwips.height() / areaTwips.width()});
    return drawing;
}

// An arc about `centre` from `from` to `to` degrees, counter-clockwise as seen.
void Arc(Drawing &d, QPointF centre, double r, double from, double to, ColourRef colour) {
    const int steps = 12;
    QPointF previous;
    for (int i = 0; i <= steps; ++i) {
        const double a = (from + (to - from) * i / steps) * kDegree;
        const QPointF p(centre.x() + r * std::cos(a), centre.y() - r * std::sin(a));
        if (i > 0) d.Line(previous, p, colour);
        previous = p;
    }
}

void Cross(Drawing &d, QPointF p) {
    d.Line({p.x() - kCrossArm, p.y()}, {p.x() + kCrossArm, p.y()}, kRed);
    d.Line({p.x(), p.y() - kCrossArm}, {p.x(), p.y() + kCrossArm}, kRed);
}

// A horizontal dimension line at height y from x1 to x2, with end ticks.
void Dimension(Drawing &d, double x1, double x2, double y) {
    d.Line({x1, y}, {x2, y}, kConstruction);
    d.Line({x1, y - kTick}, {x1, y + kTick}, kConstruction);
    d.Line({x2, y - kTick}, {x2, y + kTick}, kConstruction);
}

void Label(Drawing &d, QPointF at, const QString &text) {
    d.SetTextPosition(at);
    d.Print(text);
}

}  // namespace

Drawing LineAngleSketch(QSizeF areaTwips) {
    Drawing d = SketchDrawing(areaTwips);
    const double bottom = d.Scale().height - 6;
    // The axes: +Z to the right, +X upwards.
    d.Line({5, bottom}, {95, bottom}, kButtonShadow);
    d.Line({10, bottom + 4}, {10, 3}, kButtonShadow);
    const QPointF start(25, bottom - 10);
    const QPointF end(75, 10);
    const double angle = std::atan2(start.y() - end.y(), end.x() - start.x()) / kDegree;
    d.Line(start, {62, start.y()}, kButtonShadow);
    d.Line(start, end, kWhite);
    Arc(d, start, 16, 0, angle, kConstruction);
    Cross(d, start);
    Cross(d, end);
    d.SetTextColour(kGreen);
    Label(d, {92, bottom + 0.5}, QStringLiteral("Z"));
    Label(d, {11.5, 1}, QStringLiteral("X"));
    Label(d, {13, start.y() + 1.5}, QStringLiteral("X1, Z1"));
    Label(d, {70, end.y() - 8}, QStringLiteral("X2, Z2"));
    Label(d, {43, start.y() - 9}, QStringLiteral("A"));
    return d;
}

Drawing NoseRAngleSketch(QSizeF areaTwips) {
    Drawing d = SketchDrawing(areaTwips);
    const double taper = 30;
    const double r = 12;
    const QPointF corner(45, d.Scale().height - 22);
    const QPointF along(std::cos(taper * kDegree), -std::sin(taper * kDegree));
    const double halfTan = std::tan(taper / 2 * kDegree);
    // The nose touches both the face of the contour and the taper.
    const QPointF centre(corner.x() - r * halfTan, corner.y() - r);
    const QPointF tip(centre.x() + r, corner.y());
    const QPointF fallingTip(centre.x() - r, corner.y());
    const QPointF toCentre = centre - corner;
    const double reach = toCentre.x() * along.x() + toCentre.y() * along.y();
    const QPointF touch = corner + reach * along;
    const QPointF onTaper(tip.x(), corner.y() - (tip.x() - corner.x()) * std::tan(taper * kDegree));

    d.Line({4, corner.y()}, corner, kWhite);
    d.Line(corner, corner + 55 * along, kWhite);
    d.Line(corner, {75, corner.y()}, kButtonShadow);
    d.Circle(centre, r, kConstruction);
    d.Line(centre, touch, kWhite);
    // The nose's side tangent, down to the imaginary tip.
    d.Line({tip.x(), centre.y()}, tip, kButtonShadow);
    d.Line(tip, onTaper, kMagenta);
    Arc(d, corner, 22, 0, taper, kConstruction);
    Dimension(d, corner.x(), tip.x(), corner.y() + 6);
    Dimension(d, fallingTip.x(), corner.x(), corner.y() + 12);
    Cross(d, tip);
    Cross(d, fallingTip);
    d.SetTextColour(kGreen);
    Label(d, {centre.x() + 3, centre.y() - 2}, QStringLiteral("R"));
    Label(d, {corner.x() + 24, corner.y() - 12}, QStringLiteral("角度"));
    Label(d, {tip.x() + 2, onTaper.y() - 2}, QStringLiteral("X/2"));
    Label(d, {(corner.x() + tip.x()) / 2 - 1, corner.y() + 6.5}, QStringLiteral("Z"));
    Label(d, {(fallingTip.x() + corner.x()) / 2 - 2, corner.y() + 12.5}, QStringLiteral("Z2"));
    return d;
}

}  // namespace brennvik
