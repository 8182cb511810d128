#pragma once
// Where the main window goes at start-up: the stored placement, brought onto
// a screen when it would not fit or could not be seen there.

#include <QList>
#include <QMargins>
#include <QRect>
#include <QSize>

namespace brennvik {

// The smallest main window a placement gives, in pixels (a screen smaller
// than this gives its own size).
constexpr QSize kMinimumMainWindowSize(400, 300);

// A stored placement in pixels, any values at all (huge, negative, not
// finite): `left` and `top` place the window's frame, `width` and `height`
// size what lies inside it, and `frame` is what the window manager puts
// around that (title bar and borders). Fitted to the screen the framed
// window overlaps most, or to the first screen when it overlaps none: the
// framed window no larger than that screen, its inside no smaller than
// `minimum`, and moved so that the whole frame lies on it. Gives the frame's
// corner and the inside's size.
QRect FitWindowToScreens(double left, double top, double width, double height, const QList<QRect> &screens,
                         const QMargins &frame = QMargins(), QSize minimum = kMinimumMainWindowSize);

}  // namespace brennvik
