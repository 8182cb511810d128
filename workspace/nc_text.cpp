#include "nc_text.h"

#include "document_slots.h"
#include "platform/MsgBox.h"
#include "platform/RichTextPane.h"
#include "runtime.h"

#include <cmath>

namespace brennvik {

namespace {

template <typename T>
T FloorToThousandths(T v) {
    const T product = v * T(1000);
    if (std::isinf(product)) RaiseError(kErrOverflow);
    return Int(product) / T(1000);
}

double NumericTextValue(const QString &value) {
    if (value.trimmed().isEmpty()) return 0;
    double v = 0;
    if (!TryParseNumber(value, &v)) RaiseError(kErrTypeMismatch);
    return v;
}

template <typename T>
QString TwoDigitsOf(T floored) {
    const QString digits = NumberText(std::fabs(floored));
    return floored < 10 ? u'0' + digits : digits;
}

}  // namespace

QString FormatNcNumber(double &value) {
    value = FloorToThousandths(value);
    return value == 0 ? QStringLiteral("0") : NumberText(value);
}

QString FormatNcNumber(float &value) {
    // From 1E7 on a single is a whole number, which flooring to thousandths
    // keeps; the single-precision product would not always come back to it.
    const bool whole = std::isfinite(value) && std::fabs(value) >= 1e7f;
    if (!whole) value = FloorToThousandths(value);
    return value == 0 ? QStringLiteral("0") : NumberText(value);
}

QString FormatNcNumber(double &&value) {
    double copy = value;
    return FormatNcNumber(copy);
}

QString FormatNcNumber(float &&value) {
    float copy = value;
    return FormatNcNumber(copy);
}

QString FormatNcNumber(int value) { return FormatNcNumber(double(value)); }

QString FormatNcNumber(const QString &value) { return FormatNcNumber(NumericTextValue(value)); }

QString FormatTwoDigits(double &value) {
    value = Int(value);
    return TwoDigitsOf(value);
}

QString FormatTwoDigits(float &value) {
    value = Int(value);
    return TwoDigitsOf(value);
}

QString FormatTwoDigits(double &&value) {
    double copy = value;
    return FormatTwoDigits(copy);
}

QString FormatTwoDigits(float &&value) {
    float copy = value;
    return FormatTwoDigits(copy);
}

QString FormatTwoDigits(int value) { return FormatTwoDigits(double(value)); }

QString FormatTwoDigits(const QString &value) { return FormatTwoDigits(NumericTextValue(value)); }

void InsertAtCaret(const QString &text) {
    if (g_CurrentDocument < 1 || g_CurrentDocument > 6) return;
    ActivePaneOfCurrentDocument()->SetSelText(text);
}

QString ErrorMessageText(int errorNumber) {
    switch (errorNumber) {
    case kErrDivisionByZero: return QStringLiteral("ゼロ割り算エラー。工具径などのデータが０です。");
    case kErrTypeMismatch: return QStringLiteral("加工条件エラー。素材入力をしてください。");
    case kErrPathNotFound: return QStringLiteral("パスが見つかりません。");
    case kErrObjectNotSet:
        return QStringLiteral("ファイルが開いていないので挿入出来ません。新しく作成をする時は[新規]を押してください。");
    default: return QStringLiteral("エラーです。");
    }
}

void ShowErrorMessage(int errorNumber) {
    if (errorNumber == 0) return;
    MsgBox(ErrorMessageText(errorNumber), vbOKOnly | vbExclamation,
           QStringLiteral("エラー ") + NumberText(errorNumber));
}

}  // namespace brennvik
