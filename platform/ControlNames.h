#pragma once
// Controls carry object names, by which the code and scripted tests address them.

#include <QString>

namespace brennvik {

// The control, given its object name.
template <class Widget>
Widget *Named(Widget *widget, const char *name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

}  // namespace brennvik
