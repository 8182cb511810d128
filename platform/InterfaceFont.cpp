#include "InterfaceFont.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>

namespace brennvik {

namespace {

bool HasJapanese(const QString &family) {
    return QFontDatabase::writingSystems(family).contains(QFontDatabase::Japanese);
}

bool IsPlainSans(const QString &family) {
    for (const char *mark : {"Serif", "Mincho", "明朝", "Mono"})
        if (family.contains(QString::fromUtf8(mark), Qt::CaseInsensitive)) return false;
    return !QFontDatabase::isFixedPitch(family);
}

// The sans serif the set-up installs, else any installed one made for
// Japan, else any with Japanese; empty when there is none.
QString JapaneseSansFamily() {
    const QString preferred = QStringLiteral("Noto Sans CJK JP");
    if (QFontDatabase::hasFamily(preferred)) return preferred;
    const QStringList families = QFontDatabase::families(QFontDatabase::Japanese);
    QString any;
    for (const QString &family : families) {
        if (!IsPlainSans(family)) continue;
        if (family.endsWith(QLatin1String("JP"))) return family;
        if (any.isEmpty()) any = family;
    }
    return any;
}

}  // namespace

QFont InterfaceFont(const QFont &desktop) {
    if (HasJapanese(QFontInfo(desktop).family())) return desktop;
    static const QString family = JapaneseSansFamily();
    if (family.isEmpty()) return desktop;
    QFont font(family);
    if (desktop.pointSizeF() > 0) font.setPointSizeF(desktop.pointSizeF());
    else font.setPixelSize(desktop.pixelSize());
    return font;
}

void UseInterfaceFont() {
    // Without a class name the toolkit drops the desktop's fonts for single
    // kinds of widget (menus, tool tips, message boxes): all take this one.
    QApplication::setFont(InterfaceFont(QApplication::font()));
}

}  // namespace brennvik
