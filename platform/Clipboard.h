#pragma once
// The system clipboard, as text. Every paste into a program pane reads it
// through here, never through the toolkit's own paste.

#include <QString>

class QMimeData;

namespace brennvik {

void ClipboardClear();
void ClipboardSetText(const QString &text);
// The clipboard's text; empty when it holds none.
QString ClipboardGetText();
// The plain text of a clipboard entry or of dropped data; empty when there is
// none (no data, no formats, or no text among them).
QString PlainTextOf(const QMimeData *data);

}  // namespace brennvik
