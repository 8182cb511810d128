#include "turret_split.h"

#include "workspace/document_slots.h"

#include <QStringList>

namespace brennvik {

namespace {

const QString kCrLf = QStringLiteral("\r\n");

// The lines of a text, each up to and including its CR LF; a last line
// without one gets it. A lone CR or LF stays inside its line.
QStringList LinesWithEnds(const QString &text) {
    QStringList lines;
    if (text.isEmpty()) return lines;
    const QString t = WithFinalLineEnd(text);
    qsizetype start = 0;
    while (start < t.size()) {
        const qsizetype end = t.indexOf(kCrLf, start) + 2;
        lines << t.mid(start, end - start);
        start = end;
    }
    return lines;
}

// The bare form a marker line may have and keep through a round trip.
bool IsBareMarkerLine(TurretMarker marker, const QString &line) {
    const QString bare = line.trimmed();
    switch (marker) {
    case TurretMarker::TurretA: return bare == QLatin1String("G13");
    case TurretMarker::TurretB: return bare == QLatin1String("G14");
    case TurretMarker::End:
        return bare == QLatin1String("M02") || bare == QLatin1String("M2") || bare == QLatin1String("NEND M02") ||
               bare == QLatin1String("NEND M2");
    case TurretMarker::None: break;
    }
    return false;
}

QString MarkerLine(TurretMarker marker) {
    switch (marker) {
    case TurretMarker::TurretA: return QStringLiteral("G13\r\n");
    case TurretMarker::TurretB: return QStringLiteral("G14\r\n");
    default: return QStringLiteral("NEND M02\r\n");
    }
}

}  // namespace

TurretMarker MarkerOfLine(const QString &line) {
    static const struct {
        QLatin1String word;
        TurretMarker marker;
    } kWords[] = {{QLatin1String("G13"), TurretMarker::TurretA},
                  {QLatin1String("G14"), TurretMarker::TurretB},
                  {QLatin1String("M02"), TurretMarker::End},
                  {QLatin1String("M2"), TurretMarker::End}};
    for (const auto &w : kWords) {
        const qsizetype at = line.indexOf(w.word);
        if (at < 0) continue;
        const qsizetype after = at + w.word.size();
        if (after >= line.size()) return w.marker;
        const char16_t c = line[after].unicode();
        if (c < u'+' || c > u'9') return w.marker;
    }
    return TurretMarker::None;
}

TurretParts SplitTurretParts(const QString &text) {
    TurretParts parts;
    QString *target = &parts.header;
    for (const QString &line : LinesWithEnds(text)) {
        switch (MarkerOfLine(line)) {
        case TurretMarker::TurretA: target = &parts.partA; break;
        case TurretMarker::TurretB: target = &parts.partB; break;
        case TurretMarker::End:
            target = &parts.trailer;
            parts.hadEndLine = true;
            break;
        case TurretMarker::None: *target += line; break;
        }
    }
    return parts;
}

QString JoinTurretParts(const TurretParts &parts) {
    QString text = parts.header;
    if (!parts.partA.isEmpty()) text += MarkerLine(TurretMarker::TurretA) + WithFinalLineEnd(parts.partA);
    if (!parts.partB.isEmpty()) text += MarkerLine(TurretMarker::TurretB) + WithFinalLineEnd(parts.partB);
    if (!parts.partA.isEmpty() || !parts.partB.isEmpty() || parts.hadEndLine)
        text += MarkerLine(TurretMarker::End);
    return text + parts.trailer;
}

int FirstLineTheRoundTripChanges(const QString &text) {
    const QStringList lines = LinesWithEnds(text);
    const TurretParts parts = SplitTurretParts(text);
    // The program as the round trip may give it back: bare marker lines as
    // their word, the end line as "NEND M02", which a program without one
    // gains at its end once it has turret parts.
    QStringList expected;
    for (const QString &line : lines) {
        const TurretMarker marker = MarkerOfLine(line);
        expected << (IsBareMarkerLine(marker, line) ? MarkerLine(marker) : line);
    }
    if (!parts.hadEndLine && (!parts.partA.isEmpty() || !parts.partB.isEmpty()))
        expected << MarkerLine(TurretMarker::End);
    const QStringList joined = LinesWithEnds(JoinTurretParts(parts));
    const qsizetype n = std::max(expected.size(), joined.size());
    for (qsizetype i = 0; i < n; ++i) {
        if (i < expected.size() && i < joined.size() && expected[i] == joined[i]) continue;
        return int(std::min(i, lines.size()));
    }
    return -1;
}

}  // namespace brennvik
