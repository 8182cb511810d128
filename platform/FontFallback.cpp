#include "FontFallback.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QStringList>

#include <algorithm>
#include <functional>

namespace brennvik {

namespace {

// Every half-width character one width, an ideograph two of them.
bool KeepsColumns(const QString &family) {
    const QFontMetrics m(QFont(family, 12));
    const int w = m.horizontalAdvance(u'W');
    return w > 0 && m.horizontalAdvance(u'i') == w && m.horizontalAdvance(u'.') == w &&
           m.horizontalAdvance(QChar(0x5DE5)) == 2 * w;  // 工
}

bool IsSerif(const QString &family) {
    for (const char *mark : {"Serif", "Mincho", "明朝"})
        if (family.contains(QString::fromUtf8(mark), Qt::CaseInsensitive)) return true;
    return false;
}

// The first installed family with Japanese that fits; families made for
// Japan (their names end in "JP") come first.
QString FirstJapaneseFamily(const std::function<bool(const QString &)> &fits) {
    QStringList families = QFontDatabase::families(QFontDatabase::Japanese);
    std::stable_partition(families.begin(), families.end(),
                          [](const QString &f) { return f.endsWith(QLatin1String("JP")); });
    for (const QString &family : families)
        if (fits(family)) return family;
    return QString();
}

QFont Resolved(const QString &family, int pointSize, const QString &standIn, QFont::StyleHint hint) {
    if (!family.isEmpty() && QFontDatabase::hasFamily(family)) return QFont(family, pointSize);
    QFont font(standIn, pointSize);
    // Without a stand-in the toolkit picks by the kind.
    font.setStyleHint(hint);
    font.setFixedPitch(hint == QFont::Monospace);
    return font;
}

}  // namespace

QFont PaneFont(const QString &family, int pointSize) {
    static const QString standIn = FirstJapaneseFamily(KeepsColumns);
    return Resolved(family, pointSize, standIn, QFont::Monospace);
}

QFont PrintFont(const QString &family, int pointSize) {
    // A fixed-pitch serif keeps the listing's columns as the stored default
    // would; any serif with Japanese is the next best.
    static const QString standIn = [] {
        const QString fixed = FirstJapaneseFamily([](const QString &f) { return IsSerif(f) && KeepsColumns(f); });
        return fixed.isEmpty() ? FirstJapaneseFamily(IsSerif) : fixed;
    }();
    return Resolved(family, pointSize, standIn, QFont::Serif);
}

}  // namespace brennvik
