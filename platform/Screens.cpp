#include "Screens.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace brennvik {

namespace {
QList<QRect> g_fixedAreas;

// Watches a window until it first shows, then places it again with its
// frame and goes.
class FrameWatcher : public QObject {
public:
    FrameWatcher(QWidget *window, std::function<void(const QMargins &)> place)
        : QObject(window), m_window(window), m_place(std::move(place)) {
        m_place(QMargins());
        window->installEventFilter(this);
        WatchHandle();
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        QWindow *handle = m_window->windowHandle();
        if (watched == m_window && event->type() == QEvent::Show) {
            WatchHandle();
        } else if (handle && watched == handle && event->type() == QEvent::Expose && handle->isExposed()) {
            handle->removeEventFilter(this);
            m_window->removeEventFilter(this);
            const QMargins frame = handle->frameMargins();
            if (!frame.isNull()) m_place(frame);
            deleteLater();
        }
        return false;
    }

private:
    // The native window exists from the first show on.
    void WatchHandle() {
        if (QWindow *handle = m_window->windowHandle()) handle->installEventFilter(this);
    }

    QWidget *m_window;
    std::function<void(const QMargins &)> m_place;
};
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

void PlaceWithFrame(QWidget *window, std::function<void(const QMargins &frame)> place) {
    new FrameWatcher(window, std::move(place));
}

}  // namespace brennvik
