#include "Screens.h"

#include <QGuiApplication>
#include <QScreen>

namespace brennvik {

namespace {
QList<QRect> g_fixedAreas;
}  // namespace

QList<QRect> AvailableScreenAreas() {
    if (!g_fixedAreas.isEmpty()) return g_fixedAreas;
    QList<QRect> areas;
    if (QScreen *primary = QGuiApplication::primaryScreen()) areas << primary->availableGeometry();
    for (QScreen *screen : QGuiApplication::screens())
        if (screen != QGuiApplication::primaryScreen()) areas << screen->availableGeometry();
    return areas;
}

void UseScreenAreas(const QList<QRect> &areas) { g_fixedAreas = areas; }

}  // namespace brennvik
