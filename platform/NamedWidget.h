#pragma once
// A control with its object name, as tests and the code address it.

#include <QString>

namespace brennvik {

template <class Widget>
Widget *Named(Widget *widget, const char *name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

}  // namespace brennvik
