#pragma once
// The system clipboard, as text.

#include <QString>

namespace brennvik {

void ClipboardClear();
void ClipboardSetText(const QString &text);
// The clipboard's text; empty when it holds none.
QString ClipboardGetText();

}  // namespace brennvik
