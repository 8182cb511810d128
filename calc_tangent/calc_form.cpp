#include "calc_form.h"

#include "calc_math.h"
#include "workspace/nc_text.h"
#include "workspace/runtime.h"

#include <QStringList>

#include <algorithm>
#include <cmath>

namespace brennvik {

double CalcForm::Number(const QString &box) const { return Val(Text(box)); }

void CalcForm::SetResult(const QString &box, double &value) {
    Finite(value);
    SetText(box, FormatNcNumber(value));
}

void CalcForm::SetResult(const QString &box, double &&value) { SetText(box, FormatNcNumber(Finite(value))); }

int CalcForm::SelectedIndex(const QString &name, int count) const {
    for (int i = 0; i < count; ++i)
        if (IsOn(name + u'_' + QString::number(i))) return i;
    return -1;
}

bool RunRecalc(const RecalcProcedure &recalc, CalcForm &form, Drawing &drawing) {
    try {
        recalc(form, drawing);
        return true;
    } catch (const RuntimeError &) {
        drawing.PrintFailure();
        return false;
    }
}

QString PointLine(const QString &x, const QString &z, Plane plane) {
    return QStringLiteral(" X") + x + (plane == Plane::XY ? QStringLiteral(" Y") : QStringLiteral(" Z")) + z +
           QStringLiteral("\r\n");
}

QString CentreLine(const QString &i, const QString &k, Plane plane) {
    return QStringLiteral(" I") + i + (plane == Plane::XY ? QStringLiteral(" J") : QStringLiteral(" K")) + k +
           QStringLiteral("\r\n");
}

QString WordPairLine(QChar first, const QString &firstValue, QChar second, const QString &secondValue) {
    return first + firstValue + u' ' + second + secondValue + QStringLiteral("\r\n");
}

namespace {
struct CaptionPair {
    const char *xz;
    const char *xy;
};
const CaptionPair kPlaneCaptions[] = {
    {"Z", "Y"},
    {"K", "J"},
    {"CZ", "CY"},
    {"X Z 挿入", "X Y 挿入"},
    {"I K 挿入", "I J 挿入"},
    {"XZL挿入", "XYL挿入"},
};

// A single-precision number as the platform prints it: a blank or the
// minus sign, the digits, a trailing blank.
QString PrintedNumber(float v) { return (v < 0 ? QString() : QStringLiteral(" ")) + NumberText(v) + u' '; }

float FlooredThousandths(float v) { return Int(v * 1000.0f) / 1000.0f; }
}  // namespace

QString PlaneCaption(const QString &caption, Plane plane) {
    for (const CaptionPair &pair : kPlaneCaptions) {
        const QString xz = QString::fromUtf8(pair.xz);
        const QString xy = QString::fromUtf8(pair.xy);
        if (plane == Plane::XY && caption == xz) return xy;
        if (plane == Plane::XZ && caption == xy) return xz;
    }
    return caption;
}

QString ReadoutText(double x, double y, Plane plane) {
    const float fx = float(x);
    const float fy = float(y);
    if (plane == Plane::XZ)
        return u'X' + PrintedNumber(FlooredThousandths(-2.0f * fy)) + QStringLiteral(" Z") +
               PrintedNumber(FlooredThousandths(fx));
    return u'X' + PrintedNumber(FlooredThousandths(fx)) + QStringLiteral(" Y") + PrintedNumber(FlooredThousandths(-fy));
}

QString ReadoutNumber(double v) { return PrintedNumber(FlooredThousandths(float(v))); }

QList<double> LongestReadoutValues(double from, double to) {
    const double largest = std::max(std::abs(from), std::abs(to));
    const double wholeDigits = largest < 1 ? 1 : std::floor(std::log10(largest)) + 1;
    // 9...9.888: no value of as many whole digits prints longer (a minus
    // sign takes the place of the leading blank).
    return {from, to, std::pow(10.0, wholeDigits) - 0.112};
}

QStringList LongestReadouts(const ViewScale &view, Plane plane) {
    const double right = view.left + view.width;
    const double bottom = view.top + view.height;
    QStringList texts;
    // The shown values, and the point of the scale that shows them.
    if (plane == Plane::XZ) {
        for (double x : LongestReadoutValues(-2 * bottom, -2 * view.top))
            for (double z : LongestReadoutValues(view.left, right)) texts << ReadoutText(z, -x / 2, plane);
    } else {
        for (double x : LongestReadoutValues(view.left, right))
            for (double y : LongestReadoutValues(-bottom, -view.top)) texts << ReadoutText(x, -y, plane);
    }
    return texts;
}

void DrawAngleLineOnly(Drawing &drawing, double a) {
    drawing.SetScale(DefaultView());
    drawing.Line({10000 * Cos(a), -10000 * Sin(a)}, {-10000 * Cos(a), 10000 * Sin(a)}, kConstruction);
}

}  // namespace brennvik
