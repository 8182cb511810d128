#include "size_shift.h"

#include "search.h"
#include "workspace/runtime.h"

#include <algorithm>
#include <cmath>

namespace brennvik {

namespace {

// Characters read after the address at the most.
constexpr int kNumberWindow = 10;

bool IsDigit(QChar c) { return c >= u'0' && c <= u'9'; }

struct NumberWord {
    QString number;  // sign, digits and points as written
    bool equals = false;
    int consumed = 0;
};

NumberWord ReadNumberWord(const QString &text, int from) {
    NumberWord w;
    bool started = false;
    int i = 0;
    for (; i < kNumberWindow; ++i) {
        const int at = from + i;
        if (at >= text.size()) break;
        const QChar c = text[at];
        if (c == u' ' && !started) continue;
        if (c == u'=') {
            w.equals = true;
            continue;
        }
        if ((c == u'+' || c == u'-') && w.number.isEmpty()) {
            w.number += c;
            started = true;
            continue;
        }
        if (c == u'.') {
            w.number += c;
            started = true;
            continue;
        }
        if (!IsDigit(c)) break;
        w.number += c;
        started = true;
    }
    w.consumed = i;
    return w;
}

// |value| as decimal digits with exactly `decimals` fractional digits,
// rounded half away from zero on its 15-digit decimal form.
QString RoundedMagnitude(double value, int decimals, QString *fraction) {
    const QString e = QString::number(std::fabs(value), 'e', 14);  // d.dddddddddddddde+XX
    const int ePos = int(e.indexOf(u'e'));
    const QString digits = e.left(1) + e.mid(2, ePos - 2);
    const int exponent = e.mid(ePos + 1).toInt();
    QString whole, frac;
    if (exponent >= 0) {
        whole = digits.left(exponent + 1).leftJustified(exponent + 1, u'0');
        frac = digits.mid(exponent + 1);
    } else {
        whole = QStringLiteral("0");
        frac = QString(-exponent - 1, u'0') + digits;
    }
    frac = frac.leftJustified(decimals + 1, u'0');
    const bool roundUp = frac[decimals] >= u'5';
    frac.truncate(decimals);
    QString all = whole + frac;
    if (roundUp) {
        int i = int(all.size()) - 1;
        while (i >= 0 && all[i] == u'9') all[i--] = u'0';
        if (i >= 0) all[i] = QChar(all[i].unicode() + 1);
        else all.prepend(u'1');
    }
    *fraction = all.right(decimals);
    return all.left(all.size() - decimals);
}

}  // namespace

FormulaStatus ReadShiftFormula(const QString &text, ShiftFormula *formula) {
    ShiftFormula f;
    QString number = text;
    if (text.startsWith(u'*')) {
        f.kind = ShiftFormula::Multiply;
        number = text.mid(1);
    } else if (text.startsWith(u'/')) {
        f.kind = ShiftFormula::Divide;
        number = text.mid(1);
    }
    if (!TryParseNumber(number, &f.operand)) return FormulaStatus::NotANumber;
    if (f.kind == ShiftFormula::Divide && f.operand == 0) return FormulaStatus::DivisionByZero;
    *formula = f;
    return FormulaStatus::Ok;
}

QString FormatShiftedValue(double value, int format) {
    QString fraction;
    const QString whole = RoundedMagnitude(value, format == 4 ? 0 : 3, &fraction);
    QString text;
    switch (format) {
    case 1:
    case 2:
    case 3: {
        while (fraction.endsWith(u'0')) fraction.chop(1);
        if (format == 3 && fraction.isEmpty()) fraction = QStringLiteral("0");
        text = whole;
        if (format != 1 || !fraction.isEmpty()) text += u'.' + fraction;
        break;
    }
    default:
        text = whole.rightJustified(2, u'0');
        break;
    }
    const bool zero = std::all_of(text.begin(), text.end(), [](QChar c) { return c == u'0' || c == u'.'; });
    if (value < 0 && !zero) text.prepend(u'-');
    return text;
}

std::optional<ShiftRewrite> RewriteAt(const QString &text, int start, const QString &address,
                                      const ShiftFormula &formula, int format) {
    if (address.isEmpty() || start < 0 || QStringView(text).mid(start, address.size()) != address) return {};
    const int after = start + int(address.size());
    const NumberWord w = ReadNumberWord(text, after);
    if (!std::any_of(w.number.begin(), w.number.end(), IsDigit)) return {};
    const double v = Val(w.number);
    double result = v + formula.operand;
    if (formula.kind == ShiftFormula::Multiply) result = v * formula.operand;
    if (formula.kind == ShiftFormula::Divide) result = Divide(v, formula.operand);
    if (!std::isfinite(result)) RaiseError(kErrOverflow);
    ShiftRewrite r;
    r.word = address + (w.equals ? QStringLiteral("=") : QString()) + FormatShiftedValue(result, format);
    r.replacedLength = int(address.size()) + w.consumed;
    return r;
}

ShiftAllResult ShiftAllFrom(const QString &text, const QString &address, const ShiftFormula &formula, int format,
                            int from) {
    ShiftAllResult r;
    r.text.reserve(text.size());
    int copied = 0;
    int searchFrom = std::clamp(from, 0, int(text.size()));
    // Caret positions are in the new text: the input's offset plus the growth so far.
    int growth = 0;
    r.caret = searchFrom;
    for (int p = FindFrom(text, address, searchFrom); p >= 0; p = FindFrom(text, address, searchFrom)) {
        const std::optional<ShiftRewrite> w = RewriteAt(text, p, address, formula, format);
        if (!w) {
            searchFrom = p + 1;
            r.caret = p + 1 + growth;
            continue;
        }
        r.text.append(QStringView(text).mid(copied, p - copied));
        r.text.append(w->word);
        copied = p + w->replacedLength;
        growth += int(w->word.size()) - w->replacedLength;
        searchFrom = copied;
        r.caret = int(r.text.size());
        ++r.count;
    }
    r.text.append(QStringView(text).mid(copied));
    return r;
}

}  // namespace brennvik
