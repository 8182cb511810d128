#pragma once
// The typing aids of the document panes: run on every typed character before
// the pane inserts it.

#include <QString>

namespace brennvik {

class RichTextPane;

// What the automatic numbering puts at the caret before the typed character
// with ANSI code `keyCode`: "N000 " or "N000     " at a line start, a blank
// between a value and a letter, or nothing. `text` is the pane's text (CR LF
// line ends) and `caret` a position in it; only the two characters before
// the caret matter. `paneB` selects the rules of pane txtTextB.
QString TypingAidInsertion(const QString &text, int caret, int keyCode, bool paneB);

// Inserts that text into `pane` while automatic numbering is on.
void ApplyTypingAid(RichTextPane *pane, int keyCode, bool paneB);

}  // namespace brennvik
