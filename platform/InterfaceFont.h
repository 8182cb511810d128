#pragma once
// One typeface for every caption of the interface (menus, dialogs, message
// boxes, status bar, tool tips). A desktop font without Japanese makes the
// toolkit draw kanji and kana in different fallback faces; a Japanese sans
// serif at the desktop's size stands in for it. The document panes and
// printing choose their own fonts.

#include <QFont>

namespace brennvik {

// The desktop font when it has Japanese, else a Japanese sans serif of the
// same size.
QFont InterfaceFont(const QFont &desktop);

// Makes InterfaceFont of the desktop's font the application's font for
// every kind of widget. Calling it again changes nothing.
void UseInterfaceFont();

}  // namespace brennvik
