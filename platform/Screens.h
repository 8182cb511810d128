#pragma once
// The screens windows are placed on.

#include <QList>
#include <QMargins>
#include <QRect>

#include <functional>

class QWidget;

namespace brennvik {

// The area of each screen that windows may take (without panels and docks),
// the primary screen first.
QList<QRect> AvailableScreenAreas();
// Tests fix the screens; an empty list gives the real ones back.
void UseScreenAreas(const QList<QRect> &areas);

// A window placed by its outer size needs the frame the window manager puts
// around it (title bar, borders), and the window manager tells it only once
// the window shows. `place` runs at once with no frame, and again, once, with
// the frame the window first shows with, when it has one.
void PlaceWithFrame(QWidget *window, std::function<void(const QMargins &frame)> place);

}  // namespace brennvik
