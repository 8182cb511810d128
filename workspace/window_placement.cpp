#include "window_placement.h"

#include <algorithm>
#include <cmath>

namespace brennvik {

namespace {

double Overlap(double left, double top, double width, double height, const QRect &screen) {
    const double w = std::min(left + width, double(screen.x()) + screen.width()) - std::max(left, double(screen.x()));
    const double h = std::min(top + height, double(screen.y()) + screen.height()) - std::max(top, double(screen.y()));
    return w > 0 && h > 0 ? w * h : 0;
}

// A length within [low, high] (low wins when they cross); not a number gives low.
int Within(double value, int low, int high) {
    if (!(value >= low)) return low;
    if (value > high) return std::max(low, high);
    return int(std::lround(value));
}

}  // namespace

QRect FitWindowToScreens(double left, double top, double width, double height, const QList<QRect> &screens,
                         const QMargins &frame, QSize minimum) {
    if (screens.isEmpty()) return QRect(QPoint(0, 0), minimum);
    const int frameWidth = frame.left() + frame.right();
    const int frameHeight = frame.top() + frame.bottom();
    const QRect *screen = &screens.front();
    double best = 0;
    for (const QRect &s : screens) {
        const double o = Overlap(left, top, width + frameWidth, height + frameHeight, s);
        if (o > best) {
            best = o;
            screen = &s;
        }
    }
    const int roomW = std::max(1, screen->width() - frameWidth);
    const int roomH = std::max(1, screen->height() - frameHeight);
    const int w = Within(width, std::min(minimum.width(), roomW), roomW);
    const int h = Within(height, std::min(minimum.height(), roomH), roomH);
    const int x = Within(left, screen->x(), screen->x() + screen->width() - (w + frameWidth));
    const int y = Within(top, screen->y(), screen->y() + screen->height() - (h + frameHeight));
    return QRect(x, y, w, h);
}

}  // namespace brennvik
