#pragma once
// The typing aids of the document panes: run on every typed character before
// the pane inserts it.

namespace brennvik {

class RichTextPane;

// `paneB` selects the rules of pane txtTextB.
void ApplyTypingAid(RichTextPane *pane, int keyCode, bool paneB);

}  // namespace brennvik
