#pragma once
// Arithmetic and text rules of the run-time the NC dialect tools were first
// written for. Generated NC text depends on them, so every module uses these
// helpers instead of ad-hoc conversions.

#include <QString>
#include <cstdint>
#include <stdexcept>

namespace brennvik {

// Run-time error numbers that commands trap and report.
enum ErrorNumber : int {
    kErrInvalidCall = 5,
    kErrOverflow = 6,
    kErrDivisionByZero = 11,
    kErrTypeMismatch = 13,
    kErrFileAccess = 75,  // the file is there but cannot be read
    kErrPathNotFound = 76,
    kErrObjectNotSet = 91,
};

// An error raised the way the original run-time raised it; a command's
// error trap catches it and reports the number.
class RuntimeError : public std::runtime_error {
public:
    explicit RuntimeError(int number, const QString &description = QString());
    int number() const { return m_number; }
    QString description() const { return m_description; }

private:
    int m_number;
    QString m_description;
};

[[noreturn]] void RaiseError(int number, const QString &description = QString());

// Lenient reading of a box's text: blanks and tabs anywhere are left out,
// then the leading decimal number is read, 0 when there is none. Raises
// overflow for a number beyond the range of a double.
double Val(const QString &text);

// Strict conversion of a stored text to a number; false when the text holds
// anything but one number (blanks around it are allowed).
bool TryParseNumber(const QString &text, double *value);

// Boolean of a stored text: "True"/"False" in any case, or a number (nonzero
// is true). False when the text is neither.
bool TryParseBoolean(const QString &text, bool *value);

double Int(double v);          // floor
float Int(float v);
double Fix(double v);          // truncate towards zero
float Fix(float v);

// Whole-number conversions: nearest, halves to even; overflow beyond the type.
int16_t CInt(double v);
int32_t CLng(double v);
// A double stored into a single-precision variable; overflow beyond its range.
float CSng(double v);

// Division the way the run-time raises it: error 11 for a zero divisor.
double Divide(double a, double b);
float Divide(float a, float b);

// Shortest text of a number: 15 significant digits for a double, 7 for a
// float (a float from 1E7 on is a whole number and is written in full), no
// leading blank, "." as decimal point, exponent form only for magnitudes of
// 1E15 or more and for very small ones.
QString NumberText(double v);
QString NumberText(float v);
QString NumberText(int v);
inline QString NumberText(int16_t v) { return NumberText(int(v)); }

// Text of a Boolean as the settings store holds it.
inline QString BooleanText(bool v) { return v ? QStringLiteral("True") : QStringLiteral("False"); }

// Character code in the ANSI code page: the Shift-JIS code; a double-byte
// character's code is negative as a signed 16-bit number. 63 ("?") for a
// character the code page cannot hold.
int Asc(QChar c);

}  // namespace brennvik
