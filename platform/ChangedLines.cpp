#include "ChangedLines.h"

#include <algorithm>
#include <bitset>
#include <cstdint>
#include <cstring>

namespace brennvik {

namespace {

// What rewriting a run costs beyond its lines, in lines: equal lines between
// two runs closer than this are rewritten with them, and when the runs would
// rewrite nearly as much as the whole middle, one run takes it all.
constexpr qsizetype kRunCostInLines = 4;

qsizetype CommonPrefix(QStringView a, QStringView b) {
    const qsizetype n = std::min(a.size(), b.size());
    const QChar *p = a.data(), *q = b.data();
    constexpr qsizetype kChunk = 256;
    qsizetype i = 0;
    while (i + kChunk <= n && std::memcmp(p + i, q + i, kChunk * sizeof(QChar)) == 0) i += kChunk;
    while (i < n && p[i] == q[i]) ++i;
    return i;
}

qsizetype CommonSuffix(QStringView a, QStringView b) {
    const qsizetype n = std::min(a.size(), b.size());
    const QChar *p = a.data() + a.size(), *q = b.data() + b.size();
    constexpr qsizetype kChunk = 256;
    qsizetype i = 0;
    while (i + kChunk <= n && std::memcmp(p - i - kChunk, q - i - kChunk, kChunk * sizeof(QChar)) == 0) i += kChunk;
    while (i < n && p[-i - 1] == q[-i - 1]) ++i;
    return i;
}

// The LF characters of a text, four at a time.
qsizetype Breaks(QStringView t) {
    const char16_t *p = t.utf16();
    const qsizetype size = t.size();
    qsizetype n = 0, i = 0;
    constexpr uint64_t kLow = 0x7FFF7FFF7FFF7FFFull, kLf = 0x000A000A000A000Aull;
    for (; i + 4 <= size; i += 4) {
        uint64_t w;
        std::memcpy(&w, p + i, sizeof w);
        const uint64_t x = w ^ kLf;  // a lane that was LF is now zero
        n += std::bitset<64>(~(((x & kLow) + kLow) | x | kLow)).count();
    }
    for (; i < size; ++i) n += p[i] == u'\n';
    return n;
}

// Length of the line that starts at `at`, with its CR LF.
qsizetype LineLength(QStringView t, qsizetype at) {
    const qsizetype lf = t.indexOf(u'\n', at);
    return (lf < 0 ? t.size() : lf + 1) - at;
}

bool StartsLine(QStringView t, qsizetype at) { return at == 0 || at == t.size() || t[at - 1] == u'\n'; }

// Runs inside the middles, in positions relative to them.
struct Collector {
    QStringView oldMiddle, newMiddle;
    qsizetype start = 0;        // where both middles begin in their texts
    qsizetype breaksBefore = 0;  // CR LF pairs before them in the old text
    QList<ChangedRun> runs;

    // `linesBefore`: the CR LF pairs of the old middle before oldFrom.
    void Add(qsizetype oldFrom, qsizetype oldTo, qsizetype newFrom, qsizetype newTo, qsizetype linesBefore) {
        // Only the characters that differ: what both begin and end with stays.
        // A CR LF pair is never split.
        qsizetype head = CommonPrefix(oldMiddle.sliced(oldFrom, oldTo - oldFrom), newMiddle.sliced(newFrom, newTo - newFrom));
        if (head > 0 && oldMiddle[oldFrom + head - 1] == u'\r') --head;
        linesBefore += Breaks(oldMiddle.sliced(oldFrom, head));
        oldFrom += head;
        newFrom += head;
        qsizetype tail = CommonSuffix(oldMiddle.sliced(oldFrom, oldTo - oldFrom), newMiddle.sliced(newFrom, newTo - newFrom));
        if (tail > 0 && oldMiddle[oldTo - tail] == u'\n') --tail;
        oldTo -= tail;
        newTo -= tail;
        if (oldFrom == oldTo && newFrom == newTo) return;
        ChangedRun r;
        r.oldStart = start + oldFrom;
        r.oldLength = oldTo - oldFrom;
        r.newStart = start + newFrom;
        r.newLength = newTo - newFrom;
        r.oldBreaksBefore = breaksBefore + linesBefore;
        r.oldBreaks = Breaks(oldMiddle.sliced(oldFrom, r.oldLength));
        r.newBreaks = Breaks(newMiddle.sliced(newFrom, r.newLength));
        runs << r;
    }
    void Whole() { Add(0, oldMiddle.size(), 0, newMiddle.size(), 0); }
};

// One text holds the other's middle whole, on line boundaries: what lies
// around it is inserted or deleted.
bool TakeContained(Collector &c) {
    const bool shorterIsNew = c.newMiddle.size() < c.oldMiddle.size();
    const QStringView inner = shorterIsNew ? c.newMiddle : c.oldMiddle;
    const QStringView outer = shorterIsNew ? c.oldMiddle : c.newMiddle;
    if (inner.size() == outer.size()) return false;
    const qsizetype at = outer.indexOf(inner);
    if (at < 0 || !StartsLine(outer, at) || !StartsLine(outer, at + inner.size())) return false;
    if (shorterIsNew) {
        c.Add(0, at, 0, 0, 0);
        c.Add(at + inner.size(), outer.size(), inner.size(), inner.size(), Breaks(outer.first(at + inner.size())));
    } else {
        c.Add(0, 0, 0, at, 0);
        c.Add(inner.size(), inner.size(), at + inner.size(), outer.size(), Breaks(inner));
    }
    return true;
}

qsizetype LineCount(QStringView t) { return Breaks(t) + (t.isEmpty() || t.endsWith(u'\n') ? 0 : 1); }

// Line k of the one middle stands against line k of the other; equal
// stretches are passed over as wholes. False when the middles do not have
// as many lines.
bool TakeLineByLine(Collector &c) {
    const QStringView o = c.oldMiddle, n = c.newMiddle;
    const qsizetype lines = LineCount(o);
    if (lines != LineCount(n)) return false;
    struct Span {
        qsizetype oldFrom, oldTo, newFrom, newTo, line;
    };
    QList<Span> spans;
    qsizetype line = 0, rewritten = 0, lastChanged = -1, oi = 0, ni = 0;
    // As soon as the runs would cost as much as rewriting all, all it is.
    const auto wholeIsCheaper = [&] { return rewritten + kRunCostInLines * spans.size() >= lines; };
    while (oi < o.size() && ni < n.size() && !wholeIsCheaper()) {
        // Up to the start of the next line that differs.
        const qsizetype equal = CommonPrefix(o.sliced(oi), n.sliced(ni));
        if (oi + equal == o.size() && ni + equal == n.size()) break;
        const qsizetype skip = equal == 0 ? 0 : o.sliced(oi, equal).lastIndexOf(u'\n') + 1;
        line += Breaks(o.sliced(oi, skip));
        oi += skip;
        ni += skip;
        const qsizetype ol = LineLength(o, oi), nl = LineLength(n, ni);
        if (!spans.isEmpty() && line - lastChanged - 1 <= kRunCostInLines) {
            // Close to the run before: the equal lines between are rewritten too.
            rewritten += line - lastChanged;
            spans.last().oldTo = oi + ol;
            spans.last().newTo = ni + nl;
        } else {
            rewritten += 1;
            spans << Span{oi, oi + ol, ni, ni + nl, line};
        }
        lastChanged = line++;
        oi += ol;
        ni += nl;
    }
    if (wholeIsCheaper())
        c.Whole();
    else
        for (const Span &s : spans) c.Add(s.oldFrom, s.oldTo, s.newFrom, s.newTo, s.line);
    return true;
}

}  // namespace

QList<ChangedRun> ChangedLineRuns(QStringView oldText, QStringView newText) {
    const qsizetype prefix = CommonPrefix(oldText, newText);
    if (prefix == oldText.size() && prefix == newText.size()) return {};
    const qsizetype suffix = CommonSuffix(oldText.sliced(prefix), newText.sliced(prefix));
    // The differing middle widened to whole lines.
    const qsizetype start = prefix == 0 ? 0 : oldText.lastIndexOf(u'\n', prefix - 1) + 1;
    qsizetype oldEnd = oldText.size() - suffix, newEnd = newText.size() - suffix;
    if (!(oldEnd > 0 && newEnd > 0 && oldText[oldEnd - 1] == u'\n' && newText[newEnd - 1] == u'\n')) {
        // The first line end inside the equal suffix stands in both texts.
        const qsizetype lf = oldText.indexOf(u'\n', oldEnd);
        if (lf < 0) {
            oldEnd = oldText.size();
            newEnd = newText.size();
        } else {
            newEnd += lf + 1 - oldEnd;
            oldEnd = lf + 1;
        }
    }
    Collector c;
    c.oldMiddle = oldText.sliced(start, oldEnd - start);
    c.newMiddle = newText.sliced(start, newEnd - start);
    c.start = start;
    c.breaksBefore = Breaks(oldText.first(start));
    if (c.oldMiddle.isEmpty() || c.newMiddle.isEmpty() || (!TakeLineByLine(c) && !TakeContained(c))) c.Whole();
    return c.runs;
}

bool HasOtherLineBreaks(QStringView text) {
    const char16_t *p = text.utf16();
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = p[i];
        // Most characters are none of these.
        if (c > u'\r' && c < 0x2028) continue;
        if (c == u'\r') {
            if (i + 1 >= n || p[i + 1] != u'\n') return true;
            ++i;
        } else if (c == u'\n' || c == 0x2028 || c == 0x2029 || c == 0xFDD0 || c == 0xFDD1) {
            return true;
        }
    }
    return false;
}

}  // namespace brennvik
