#pragma once
// The drawing of a calculator as a list of primitives. A compute procedure
// draws into a Drawing the way one draws on a picture box with a user scale:
// clear, set the scale, lines, circles, and texts printed at the current
// text position. The drawing area only renders the list (on the screen,
// into an image or on paper), so a repaint never computes anything.

#include <QPointF>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <initializer_list>
#include <vector>

namespace brennvik {

// A colour reference 0x00BBGGRR, or a system colour 0x800000nn.
using ColourRef = uint32_t;
constexpr ColourRef kRed = 0x0000FF;
constexpr ColourRef kGreen = 0x00FF00;
constexpr ColourRef kMagenta = 0xFF00FF;
constexpr ColourRef kWhite = 0xFFFFFF;
constexpr ColourRef kBlack = 0x000000;
// The colour of construction lines and circles.
constexpr ColourRef kConstruction = 0x0FFFFF;
// The system colour of button shadows.
constexpr ColourRef kButtonShadow = 0x80000010;
// The system colour of greyed (disabled) text.
constexpr ColourRef kGrayText = 0x80000011;

// The user scale of a drawing area, in millimetres of the part: the
// coordinates of its top-left corner and its size. y grows downwards, so a
// plane point (h, v) is drawn at (h, -v).
struct ViewScale {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
    bool operator==(const ViewScale &o) const {
        return left == o.left && top == o.top && width == o.width && height == o.height;
    }
};

// The inside of the usual drawing area in twips; its aspect ratio is that of
// every fitted view.
constexpr double kAreaWidthTwips = 8835;
constexpr double kAreaHeightTwips = 4875;
inline QSizeF DefaultAreaTwips() { return {kAreaWidthTwips, kAreaHeightTwips}; }

// The view of an incomplete input: the area's own size, origin at its centre.
ViewScale DefaultView();

// The view of a set of plane points (h, v) with the areas' aspect ratio:
// `factor` times the larger extent wide or high, the top `margin` times that
// extent above the highest point, centred horizontally. Points that all
// coincide get a view 10 mm high around them instead of one of no size.
ViewScale FitView(std::initializer_list<QPointF> planePoints, double factor, double margin);

enum class PrimitiveKind { Scale, Line, Circle, Text };

// How lines are drawn.
enum class LineStyle { Solid, Dotted };

// One drawing operation in scale coordinates. A Scale primitive sets the
// scale of those that follow it.
struct Primitive {
    PrimitiveKind kind = PrimitiveKind::Line;
    ViewScale scale;   // Scale
    QPointF p1;        // Line: start; Circle: centre; Text: top-left corner
    QPointF p2;        // Line: end
    double radius = 0;  // Circle
    ColourRef colour = 0;
    QString text;      // Text
    LineStyle style = LineStyle::Solid;  // Line
};

// One line of text per primitive, numbers with six significant digits:
// "scale -60.4 -82.3 109.9 60.6", "line 0 -50 12.5 -50 #0FFFFF",
// "circle -45 -55 5 #0FFFFF", "text -45 -55 #00FF00 1"; a dotted line
// ends in " dotted".
QString Describe(const Primitive &primitive);
QStringList Describe(const std::vector<Primitive> &primitives);

// The text printed into a drawing when the geometry has no solution.
inline QString FailureText() { return QStringLiteral("交点が求まりません!!"); }

class Drawing {
public:
    // `areaTwips`: the inside of the drawing area, which sets the starting
    // scale (0, 0, width, height) and the text height in scale units.
    explicit Drawing(QSizeF areaTwips = DefaultAreaTwips());

    // Empties the drawing; the text position goes to (0, 0). The scale and
    // the text colour stay.
    void Clear();
    // A scale of no size, or one that is no finite number, ends the
    // computation (overflow).
    void SetScale(const ViewScale &scale);
    const ViewScale &Scale() const { return m_scale; }

    // Each leaves the text position at its end point or centre. A point
    // that is no finite number ends the computation (overflow).
    void Line(QPointF from, QPointF to, ColourRef colour);
    void Circle(QPointF centre, double radius, ColourRef colour);
    // The style of the lines that follow; solid at the start.
    void SetLineStyle(LineStyle style) { m_lineStyle = style; }

    void SetTextColour(ColourRef colour) { m_textColour = colour; }
    ColourRef TextColour() const { return m_textColour; }
    void SetTextPosition(QPointF position);
    QPointF TextPosition() const { return m_position; }
    // Prints a text at the text position in the text colour, then moves the
    // position to the start of the next line.
    void Print(const QString &text);
    // Prints the failure text in red at the text position, moved as little
    // as needed to lie inside the view.
    void PrintFailure();

    // Height of a line of text and width of a text, in scale units.
    double TextHeight() const;
    double TextWidth(const QString &text) const;

    const std::vector<Primitive> &Primitives() const { return m_primitives; }
    QStringList PrintedTexts() const;
    QSizeF AreaTwips() const { return m_area; }

private:
    QSizeF m_area;
    ViewScale m_scale;
    QPointF m_position;
    ColourRef m_textColour = kWhite;
    LineStyle m_lineStyle = LineStyle::Solid;
    std::vector<Primitive> m_primitives;
};

// Height of a line of the drawing's text in twips of the area.
constexpr double kDrawingTextHeightTwips = 240;

}  // namespace brennvik
