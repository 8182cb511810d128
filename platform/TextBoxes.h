#pragma once
// Behaviour shared by the text boxes of the program: the boxes of every
// dialog and calculator, and the document panes.

#include <Qt>

class QLineEdit;

namespace brennvik {

// Selects the whole text of a box that has just got the focus; an empty box
// keeps its caret. A box focused by a mouse click is selected again once the
// click has put its caret down.
void SelectWholeText(QLineEdit *box, Qt::FocusReason reason = Qt::OtherFocusReason);

// From now on Alt or Meta with a key that no menu, access key or shortcut
// took types nothing into any box of the program; once is enough.
void IgnoreUntakenCommandChords();

}  // namespace brennvik
