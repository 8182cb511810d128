#pragma once
// The screens windows are placed on.

#include <QList>
#include <QRect>

namespace brennvik {

// The area of each screen that windows may take (without panels and docks),
// the primary screen first.
QList<QRect> AvailableScreenAreas();
// Tests fix the screens; an empty list gives the real ones back.
void UseScreenAreas(const QList<QRect> &areas);

}  // namespace brennvik
