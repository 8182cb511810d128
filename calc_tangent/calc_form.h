#pragma once
// What a calculator's compute procedure works on, without a window: the
// texts of its boxes and the state of its options, read by object name, and
// the rules every calculator shares for reading boxes, writing results,
// inserting lines, the plane switch and the mouse read-out.

#include "calc_drawing.h"

#include <QMap>
#include <QString>
#include <QStringList>

#include <functional>

namespace brennvik {

// The plane of a calculator's coordinates. X-Z: X is a diameter, a plane
// point is (Z, X / 2); X-Y: a plane point is (X, Y).
enum class Plane { XZ, XY };

class CalcForm {
public:
    // A box's text; an unknown box is empty.
    QString Text(const QString &box) const { return m_texts.value(box); }
    bool IsEmpty(const QString &box) const { return Text(box).isEmpty(); }
    // The lenient reading of a box: the leading number, 0 when there is none.
    double Number(const QString &box) const;
    void SetText(const QString &box, const QString &text) { m_texts[box] = text; }
    // A result box: FormatNcNumber of the value; a value that is no finite
    // number ends the computation (overflow). As with FormatNcNumber, a
    // variable passed in is left holding the floored value, an expression
    // is formatted as it is.
    void SetResult(const QString &box, double &value);
    void SetResult(const QString &box, double &&value);
    void SetResult(const QString &box, const double &value) = delete;

    // Options and check boxes: ticked or selected.
    bool IsOn(const QString &control) const { return m_on.value(control, false); }
    void SetOn(const QString &control, bool on) { m_on[control] = on; }
    // The number of the first of `count` options `name`_0, `name`_1, ...
    // that is on, or -1.
    int SelectedIndex(const QString &name, int count) const;

    // Controls the computation enables or disables; the others keep their state.
    void SetEnabled(const QString &control, bool enabled) { m_enabled[control] = enabled; }
    bool IsEnabled(const QString &control) const { return m_enabled.value(control, true); }

    // The plane chosen with the option OptionXY (X-Z when it is off).
    Plane CurrentPlane() const { return IsOn(QStringLiteral("OptionXY")) ? Plane::XY : Plane::XZ; }

    const QMap<QString, QString> &Texts() const { return m_texts; }
    const QMap<QString, bool> &Switches() const { return m_on; }
    const QMap<QString, bool> &EnabledStates() const { return m_enabled; }

private:
    QMap<QString, QString> m_texts;
    QMap<QString, bool> m_on;
    QMap<QString, bool> m_enabled;
};

// A window's compute procedure: reads the form, writes its result boxes in
// order and draws. An arithmetic failure is a RuntimeError.
using RecalcProcedure = std::function<void(CalcForm &form, Drawing &drawing)>;

// Runs a compute procedure under the calculators' error trap. On a failure
// the boxes written before it keep their new text, the others their old
// one, what was drawn stays, and the failure text is printed in red into the
// drawing; the result is then false.
bool RunRecalc(const RecalcProcedure &recalc, CalcForm &form, Drawing &drawing);

// The insert lines, from the boxes' texts as they stand, ending in CR LF.
// Point: " X" x " Z" z (" Y" in the X-Y plane); arc centre: " I" i " K" k
// (" J" in the X-Y plane).
QString PointLine(const QString &x, const QString &z, Plane plane);
QString CentreLine(const QString &i, const QString &k, Plane plane);
// An insert line of two words that starts with its first address letter,
// without a blank: "X" x " Z" z, CR LF.
QString WordPairLine(QChar first, const QString &firstValue, QChar second, const QString &secondValue);

// A caption of a label or insert button in the other plane: "Z" <-> "Y",
// "K" <-> "J", "CZ" <-> "CY", "X Z 挿入" <-> "X Y 挿入", "I K 挿入" <->
// "I J 挿入", "XZL挿入" <-> "XYL挿入"; any other caption stays.
QString PlaneCaption(const QString &caption, Plane plane);

// The mouse read-out of a point (x, y) of a drawing's scale: X-Z "X", the
// diameter, " Z", the horizontal value; X-Y "X", the horizontal value, " Y",
// the vertical one; each number floored to three decimals, in single
// precision, with a leading blank when not negative and a trailing blank.
QString ReadoutText(double x, double y, Plane plane);
// One number of a read-out as above: floored to thousandths in single
// precision, a leading blank when not negative, a trailing blank.
QString ReadoutNumber(double v);
// Values whose read-out numbers are, between them, at least as long as that
// of any value from `from` to `to`: the ends, and one with as many whole
// digits as the larger end and every decimal.
QList<double> LongestReadoutValues(double from, double to);
// Read-outs at least as long as that of any point of the view: a box that
// holds these holds every read-out the view can give.
QStringList LongestReadouts(const ViewScale &view, Plane plane);

// A plane point (h, v) of the X-Z plane from the diameter X and Z, or of the
// X-Y plane from X and Y; and where the drawing puts a plane point.
inline QPointF PlanePoint(double x, double second, Plane plane) {
    return plane == Plane::XZ ? QPointF(second, x / 2) : QPointF(x, second);
}
inline QPointF DrawnAt(QPointF planePoint) { return {planePoint.x(), -planePoint.y()}; }

// Sets the default view and draws, in the construction colour, the line at
// angle `a` (radians) through the view's centre: what a calculator shows
// while only a line's angle is known.
void DrawAngleLineOnly(Drawing &drawing, double a);

}  // namespace brennvik
