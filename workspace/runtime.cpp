#include "runtime.h"

#include "platform/AnsiCodec.h"

#include <cfenv>
#include <cmath>
#include <cstdio>
#include <limits>

namespace brennvik {

RuntimeError::RuntimeError(int number, const QString &description)
    : std::runtime_error("run-time error " + std::to_string(number)),
      m_number(number), m_description(description) {}

void RaiseError(int number, const QString &description) {
    throw RuntimeError(number, description);
}

namespace {

bool IsDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// Reads the longest decimal number at the start of text[pos..]; returns the
// number of characters used (0 when there is no number).
int ScanNumber(const QString &text, int pos, double *value) {
    const int start = pos;
    const int n = text.size();
    if (pos < n && (text[pos] == u'+' || text[pos] == u'-')) ++pos;
    int digits = 0;
    while (pos < n && IsDigit(text[pos])) { ++pos; ++digits; }
    if (pos < n && text[pos] == u'.') {
        ++pos;
        while (pos < n && IsDigit(text[pos])) { ++pos; ++digits; }
    }
    if (digits == 0) return 0;
    int end = pos;
    if (pos < n && (text[pos] == u'e' || text[pos] == u'E' || text[pos] == u'd' || text[pos] == u'D')) {
        int p = pos + 1;
        if (p < n && (text[p] == u'+' || text[p] == u'-')) ++p;
        int expDigits = 0;
        while (p < n && IsDigit(text[p])) { ++p; ++expDigits; }
        if (expDigits > 0) end = p;
    }
    QString number = text.mid(start, end - start);
    number.replace(u'd', u'e').replace(u'D', u'e');
    const QByteArray latin = number.toLatin1();
    *value = std::strtod(latin.constData(), nullptr);
    return end - start;
}

bool IsBlank(QChar c) { return c == u' ' || c == u'\t'; }

}  // namespace

double Val(const QString &text) {
    // A blank typed inside a number ("1 5 0") must not end it.
    QString packed = text;
    packed.removeIf(IsBlank);
    double v = 0;
    if (ScanNumber(packed, 0, &v) == 0) return 0;
    if (std::isinf(v)) RaiseError(kErrOverflow);
    return v;
}

bool TryParseNumber(const QString &text, double *value) {
    const QString t = text.trimmed();
    double v = 0;
    const int used = ScanNumber(t, 0, &v);
    if (used == 0 || used != t.size() || std::isinf(v)) return false;
    *value = v;
    return true;
}

bool TryParseBoolean(const QString &text, bool *value) {
    const QString t = text.trimmed();
    if (t.compare(u"True", Qt::CaseInsensitive) == 0) { *value = true; return true; }
    if (t.compare(u"False", Qt::CaseInsensitive) == 0) { *value = false; return true; }
    double v = 0;
    if (!TryParseNumber(t, &v)) return false;
    *value = v != 0;
    return true;
}

double Int(double v) { return std::floor(v); }
float Int(float v) { return std::floor(v); }
double Fix(double v) { return std::trunc(v); }
float Fix(float v) { return std::trunc(v); }

namespace {
double RoundHalfEven(double v) {
    const int mode = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const double r = std::nearbyint(v);
    std::fesetround(mode);
    return r;
}
}  // namespace

int16_t CInt(double v) {
    const double r = RoundHalfEven(v);
    if (!(r >= -32768.0 && r <= 32767.0)) RaiseError(kErrOverflow);
    return static_cast<int16_t>(r);
}

int32_t CLng(double v) {
    const double r = RoundHalfEven(v);
    if (!(r >= -2147483648.0 && r <= 2147483647.0)) RaiseError(kErrOverflow);
    return static_cast<int32_t>(r);
}

float CSng(double v) {
    if (std::isnan(v)) RaiseError(kErrOverflow);
    if (std::fabs(v) > double(std::numeric_limits<float>::max())) RaiseError(kErrOverflow);
    return static_cast<float>(v);
}

double Divide(double a, double b) {
    if (b == 0) RaiseError(kErrDivisionByZero);
    const double r = a / b;
    if (std::isinf(r)) RaiseError(kErrOverflow);
    return r;
}

float Divide(float a, float b) {
    if (b == 0) RaiseError(kErrDivisionByZero);
    const float r = a / b;
    if (std::isinf(r)) RaiseError(kErrOverflow);
    return r;
}

namespace {

// Shortest text with at most `significant` digits.
QString NumberTextWithDigits(double v, int significant) {
    if (v == 0 || std::isnan(v)) return QStringLiteral("0");
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*e", significant - 1, std::fabs(v));
    // buf: d.ddddde[+-]xx
    QString s = QString::fromLatin1(buf);
    const int ePos = s.indexOf(u'e');
    QString digits = s.left(ePos);
    digits.remove(u'.');
    int exponent = s.mid(ePos + 1).toInt();
    while (digits.size() > 1 && digits.endsWith(u'0')) digits.chop(1);

    QString out;
    if (exponent >= significant || exponent < -4) {
        out = digits.left(1);
        if (digits.size() > 1) out += u'.' + digits.mid(1);
        out += u'E';
        out += exponent < 0 ? u'-' : u'+';
        out += QString::number(std::abs(exponent)).rightJustified(2, u'0');
    } else if (exponent < 0) {
        out = QStringLiteral("0.") + QString(-exponent - 1, u'0') + digits;
    } else if (digits.size() <= exponent + 1) {
        out = digits + QString(exponent + 1 - digits.size(), u'0');
    } else {
        out = digits.left(exponent + 1) + u'.' + digits.mid(exponent + 1);
    }
    return v < 0 ? u'-' + out : out;
}

}  // namespace

QString NumberText(double v) { return NumberTextWithDigits(v, 15); }
QString NumberText(float v) {
    // A single of 1E7 or more is a whole number: it is written out in full
    // (no exponent below 1E15), so the text reads back as the same value.
    const double d = double(v);
    if (std::fabs(d) >= 1e7 && std::fabs(d) < 1e15) return NumberTextWithDigits(d, 15);
    return NumberTextWithDigits(d, 7);
}
QString NumberText(int v) { return QString::number(v); }

int Asc(QChar c) { return AnsiCodec::charCode(c); }

}  // namespace brennvik
