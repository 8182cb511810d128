#include "calc_drawing.h"

#include "calc_math.h"

#include <algorithm>
#include <cmath>

namespace brennvik {

namespace {

constexpr double kAspect = kAreaWidthTwips / kAreaHeightTwips;
// Height of the view around points that all coincide.
constexpr double kMinimumExtent = 10;

QString Num(double v) { return QString::number(v, 'g', 6); }

QString ColourText(ColourRef c) { return QStringLiteral("#%1").arg(c, 6, 16, QLatin1Char('0')).toUpper(); }

QPointF FinitePoint(QPointF p) { return {Finite(p.x()), Finite(p.y())}; }

// Characters of one cell width (ASCII and half-width katakana) take half
// the width of the others.
bool IsNarrow(QChar c) { return c.unicode() < 0x80 || (c.unicode() >= 0xFF61 && c.unicode() <= 0xFF9F); }

}  // namespace

ViewScale DefaultView() { return {-4417.5, -2437.5, kAreaWidthTwips, kAreaHeightTwips}; }

ViewScale FitView(std::initializer_list<QPointF> planePoints, double factor, double margin) {
    double hmin = planePoints.begin()->x(), hmax = hmin;
    double vmin = planePoints.begin()->y(), vmax = vmin;
    for (const QPointF &p : planePoints) {
        hmin = std::min(hmin, p.x());
        hmax = std::max(hmax, p.x());
        vmin = std::min(vmin, p.y());
        vmax = std::max(vmax, p.y());
    }
    const double w = hmax - hmin;
    double h = vmax - vmin;
    if (w == 0 && h == 0) {
        h = kMinimumExtent;
        vmax += h / 2;
    }
    ViewScale s;
    double m = 0;
    if (w > h * kAspect) {
        s.width = factor * w;
        s.height = factor * w / kAspect;
        m = margin * w;
    } else {
        s.width = factor * h * kAspect;
        s.height = factor * h;
        m = margin * h;
    }
    s.left = hmin - (s.width - w) / 2;
    s.top = -vmax - m;
    return s;
}

QString Describe(const Primitive &p) {
    switch (p.kind) {
    case PrimitiveKind::Scale:
        return QStringLiteral("scale %1 %2 %3 %4").arg(Num(p.scale.left), Num(p.scale.top), Num(p.scale.width),
                                                      Num(p.scale.height));
    case PrimitiveKind::Line:
        return QStringLiteral("line %1 %2 %3 %4 %5")
                   .arg(Num(p.p1.x()), Num(p.p1.y()), Num(p.p2.x()), Num(p.p2.y()), ColourText(p.colour)) +
               (p.style == LineStyle::Dotted ? QStringLiteral(" dotted") : QString());
    case PrimitiveKind::Circle:
        return QStringLiteral("circle %1 %2 %3 %4").arg(Num(p.p1.x()), Num(p.p1.y()), Num(p.radius), ColourText(p.colour));
    case PrimitiveKind::Text:
        return QStringLiteral("text %1 %2 %3 %4").arg(Num(p.p1.x()), Num(p.p1.y()), ColourText(p.colour), p.text);
    }
    return {};
}

QStringList Describe(const std::vector<Primitive> &primitives) {
    QStringList lines;
    for (const Primitive &p : primitives) lines << Describe(p);
    return lines;
}

Drawing::Drawing(QSizeF areaTwips) : m_area(areaTwips), m_scale{0, 0, areaTwips.width(), areaTwips.height()} {
    Clear();
}

void Drawing::Clear() {
    m_primitives.clear();
    // What follows is drawn in the scale of the moment.
    m_primitives.push_back({PrimitiveKind::Scale, m_scale, {}, {}, 0, 0, {}});
    m_position = QPointF(0, 0);
}

void Drawing::SetScale(const ViewScale &scale) {
    for (double v : {scale.left, scale.top, scale.width, scale.height}) Finite(v);
    if (scale.width == 0 || scale.height == 0) RaiseError(kErrOverflow);
    m_scale = scale;
    m_primitives.push_back({PrimitiveKind::Scale, scale, {}, {}, 0, 0, {}});
}

void Drawing::Line(QPointF from, QPointF to, ColourRef colour) {
    m_primitives.push_back({PrimitiveKind::Line, {}, FinitePoint(from), FinitePoint(to), 0, colour, {}, m_lineStyle});
    m_position = m_primitives.back().p2;
}

void Drawing::Circle(QPointF centre, double radius, ColourRef colour) {
    m_primitives.push_back({PrimitiveKind::Circle, {}, FinitePoint(centre), {}, Finite(radius), colour, {}});
    m_position = m_primitives.back().p1;
}

void Drawing::SetTextPosition(QPointF position) { m_position = FinitePoint(position); }

void Drawing::Print(const QString &text) {
    m_primitives.push_back({PrimitiveKind::Text, {}, m_position, {}, 0, m_textColour, text});
    m_position = QPointF(m_scale.left, m_position.y() + TextHeight());
}

void Drawing::PrintFailure() {
    m_textColour = kRed;
    const QString text = FailureText();
    const double left = std::min(m_scale.left, m_scale.left + m_scale.width);
    const double right = std::max(m_scale.left, m_scale.left + m_scale.width);
    const double top = std::min(m_scale.top, m_scale.top + m_scale.height);
    const double bottom = std::max(m_scale.top, m_scale.top + m_scale.height);
    const double x = std::clamp(m_position.x(), left, std::max(left, right - TextWidth(text)));
    const double y = std::clamp(m_position.y(), top, std::max(top, bottom - TextHeight()));
    m_position = QPointF(x, y);
    Print(text);
}

double Drawing::TextHeight() const { return kDrawingTextHeightTwips * std::fabs(m_scale.height) / m_area.height(); }

double Drawing::TextWidth(const QString &text) const {
    double cells = 0;
    for (QChar c : text) cells += IsNarrow(c) ? 0.5 : 1.0;
    // A full-width character is about as wide as a line is high.
    return cells * kDrawingTextHeightTwips * std::fabs(m_scale.width) / m_area.width();
}

QStringList Drawing::PrintedTexts() const {
    QStringList texts;
    for (const Primitive &p : m_primitives)
        if (p.kind == PrimitiveKind::Text) texts << p.text;
    return texts;
}

}  // namespace brennvik
