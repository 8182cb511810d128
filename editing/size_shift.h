#pragma once
// Size shift: the number written after an address (X, Z, SB, ...) changed by
// a formula and written back in one of four formats.

#include <QString>
#include <optional>

namespace brennvik {

struct ShiftFormula {
    enum Kind { Add, Multiply, Divide };
    Kind kind = Add;
    double operand = 0;
};

enum class FormulaStatus { Ok, NotANumber, DivisionByZero };

// "100", "-10", "*0.8", "/2": the operator is "*" or "/" in front, otherwise
// the number is added. The number must be the whole rest of the text.
FormulaStatus ReadShiftFormula(const QString &text, ShiftFormula *formula);

// The new value as written after the address: format 1 plain (12, 12.5),
// 2 with its point (12., 12.5), 3 with one decimal at least (12.0, 12.125),
// 4 whole with two digits at least (05). Three decimals at most, halves
// rounded away from zero.
QString FormatShiftedValue(double value, int format);

// The rewrite of the number word at `start`: what replaces how many
// characters. None when the text there is not `address` or no number with a
// digit follows it. Overflow (error 6) when the result is no finite number.
struct ShiftRewrite {
    QString word;
    int replacedLength = 0;
};
std::optional<ShiftRewrite> RewriteAt(const QString &text, int start, const QString &address,
                                      const ShiftFormula &formula, int format);

struct ShiftAllResult {
    QString text;
    int count = 0;
    // Where a search after the last address would start.
    int caret = 0;
};

// Rewrites every number word of `address` from `from` on. After a rewrite
// the search resumes behind the new word; an address without a number is
// passed by one character.
ShiftAllResult ShiftAllFrom(const QString &text, const QString &address, const ShiftFormula &formula, int format,
                            int from);

}  // namespace brennvik
