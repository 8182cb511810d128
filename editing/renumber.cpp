#include "renumber.h"

#include "workspace/runtime.h"

#include <algorithm>
#include <cmath>

namespace brennvik {

namespace {

const QString kEndCodes[] = {QStringLiteral("M02"), QStringLiteral("M2"), QStringLiteral("M30"),
                             QStringLiteral("RTS")};

bool IsDigit(QChar c) { return c >= u'0' && c <= u'9'; }
bool IsWordBoundary(QChar c) { return c == u' ' || c == u'\n' || c == u'\r'; }

// Length of "N" and its digits at `at`, 0 when there is no "N" there.
int NumberWordLength(QStringView line, int at, bool needDigit) {
    if (at >= line.size() || line[at] != u'N') return 0;
    int end = at + 1;
    while (end < line.size() && IsDigit(line[end])) ++end;
    if (needDigit && end == at + 1) return 0;
    return end - at;
}

int BlanksAt(QStringView line, int at) {
    int end = at;
    while (end < line.size() && line[end] == u' ') ++end;
    return end - at;
}

bool IsSkippedLine(QStringView line) {
    if (line.isEmpty()) return true;
    static const QString kSkip = QStringLiteral("\r\n\t-<&$(%O");
    return kSkip.contains(line[0]);
}

// Blanks after a new word, chosen by what follows it.
QString Spacing(int spaceN, QStringView following) {
    if (spaceN == 1) return QStringLiteral(" ");
    if (spaceN == 5) {
        const bool axis = !following.isEmpty() && (following[0] == u'X' || following[0] == u'Y' || following[0] == u'Z');
        return axis ? QStringLiteral("     ") : QStringLiteral(" ");
    }
    return QString();
}

// A line (with its line end) that does not begin with "N".
QString RewritePlainLine(QStringView line, const QString &w, const RenumberOptions &o) {
    const int k = BlanksAt(line, 0);
    QStringView rest = line.mid(k);
    const QString spacing = Spacing(o.spaceN, rest);
    if (line[0] != u'/') return w + spacing + rest.toString();
    // A block-skip line: deleting takes an old number right after its "/"
    // and the one blank behind it; a new number replaces it and its blanks.
    QStringView afterSlash = line.mid(1);
    const int old = NumberWordLength(afterSlash, 0, true);
    if (o.deleteNumbers) {
        if (old == 0) return line.toString();
        const int blank = old < afterSlash.size() && afterSlash[old] == u' ' ? 1 : 0;
        return u'/' + afterSlash.mid(old + blank).toString();
    }
    if (old > 0) afterSlash = afterSlash.mid(old + BlanksAt(afterSlash, old));
    if (o.bdel == 1) return u'/' + w + spacing + afterSlash.toString();
    return w + spacing + u'/' + afterSlash.toString();
}

// A line (with its line end) that begins with "N": a sequence name or an old number.
QString RewriteNumberedLine(QStringView line, const QString &w, const RenumberOptions &o) {
    QString word;
    int oldLength = 0;
    if (line.size() > 1 && line[1] >= u'A' && line[1] <= u'Z') {
        oldLength = 1;
        while (oldLength < line.size() && !QStringLiteral("\r\n\t ").contains(line[oldLength])) ++oldLength;
        const QStringView name = line.left(oldLength);
        if (name == u"NCYL")
            word = o.deleteNumbers ? QStringLiteral("NCYL ") : w + QStringLiteral(" NCYL");
        else
            word = o.deleteNumbers ? name.toString() + u' ' : name.toString();
    } else {
        oldLength = NumberWordLength(line, 0, false);
        word = w;
    }
    const QStringView rest = line.mid(oldLength + BlanksAt(line, oldLength));
    const QString spacing = o.deleteNumbers ? QString() : Spacing(o.spaceN, rest);
    return word + spacing + rest.toString();
}

}  // namespace

bool DigitCountFromText(const QString &text, int *digits) {
    double v = 0;
    if (!TryParseNumber(text, &v) || !(std::fabs(v) < 100)) return false;
    const int whole = CInt(v);
    if (whole < 1 || whole > 9) return false;
    *digits = whole;
    return true;
}

QString SequenceNumberWord(qint64 n, int digits) {
    const QString d = QString::number(n);
    return u'N' + (digits < 2 ? d : d.rightJustified(digits, u'0'));
}

bool EndCodeInRegion(const QString &text, int from, int lineFeed, const QString &code) {
    if (from < 0 || lineFeed <= from || lineFeed > text.size() || code.isEmpty()) return false;
    const qsizetype found = QStringView(text).mid(from, lineFeed - from).indexOf(code);
    if (found < 0) return false;
    const int p = from + int(found);
    const int after = p + int(code.size());
    if (after >= text.size() || !IsWordBoundary(text[after])) return false;
    if (p == 0 || IsWordBoundary(text[p - 1])) return true;
    // Right behind the line's own number ("N070M02", "/N070M02").
    const int lineStart = int(text.lastIndexOf(u'\n', p - 1)) + 1;
    QStringView prefix = QStringView(text).mid(lineStart, p - lineStart);
    if (prefix.startsWith(u'/')) prefix = prefix.mid(1);
    return NumberWordLength(prefix, 0, true) == prefix.size() && !prefix.isEmpty();
}

QString RenumberText(const QString &text, int caret, const RenumberOptions &o, bool *numbersFit) {
    if (numbersFit) *numbersFit = true;
    QString out;
    out.reserve(text.size() + text.size() / 4);
    // The line before the current one as it now reads, and where its end codes are looked for.
    QString previous;
    int previousFrom = 0;
    int current = 0;
    if (caret > 0) {
        const int lineFeed = int(text.indexOf(u'\n', caret));
        if (lineFeed < 0) return text;
        const int lineStart = int(text.lastIndexOf(u'\n', caret - 1)) + 1;
        previous = text.mid(lineStart, lineFeed + 1 - lineStart);
        previousFrom = caret - lineStart;
        out = text.left(lineFeed + 1);
        current = lineFeed + 1;
    }
    qint64 n = o.start;
    // Set once n has passed the largest number; only writing it fails.
    bool beyond = false;
    while (true) {
        if (!previous.isEmpty() && (o.stopAtEnd || !o.continuous)) {
            for (const QString &code : kEndCodes) {
                if (!EndCodeInRegion(previous, previousFrom, int(previous.size()) - 1, code)) continue;
                if (o.stopAtEnd) {
                    out.append(QStringView(text).mid(current));
                    return out;
                }
                n = o.start;
                beyond = false;
            }
        }
        const int lineFeed = int(text.indexOf(u'\n', current));
        const int end = lineFeed < 0 ? int(text.size()) : lineFeed + 1;
        const QStringView line = QStringView(text).mid(current, end - current);
        QString rewritten;
        if (IsSkippedLine(line)) {
            rewritten = line.toString();
        } else {
            if (beyond && !o.deleteNumbers) {
                if (numbersFit) *numbersFit = false;
                return text;
            }
            const QString w = o.deleteNumbers ? QString() : SequenceNumberWord(n, o.digits);
            rewritten = line[0] == u'N' ? RewriteNumberedLine(line, w, o) : RewritePlainLine(line, w, o);
            if (n > kLargestSequenceNumber - o.step) beyond = true;
            else n += o.step;
        }
        out.append(rewritten);
        if (lineFeed < 0) break;
        previous = rewritten;
        previousFrom = 0;
        current = end;
    }
    return out;
}

}  // namespace brennvik
