#pragma once
// Where the main window goes at start-up: the stored placement, brought onto
// a screen when it would not fit or could not be seen there.

#include <QList>
#include <QRect>
#include <QSize>

namespace brennvik {

// The smallest main window a placement gives, in pixels (a screen smaller
// than this gives its own size).
constexpr QSize kMinimumMainWindowSize(400, 300);

// A stored placement in pixels, any values at all (huge, negative, not
// finite), fitted to the screen it overlaps most, or to the first screen when
// it overlaps none: no larger than that screen, no smaller than `minimum`,
// and moved so that the whole window, title bar and all, lies on it.
QRect FitWindowToScreens(double left, double top, double width, double height, const QList<QRect> &screens,
                         QSize minimum = kMinimumMainWindowSize);

}  // namespace brennvik
