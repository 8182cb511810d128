#pragma once
// Behaviour shared by the text boxes of every dialog.

#include <Qt>

class QLineEdit;

namespace brennvik {

// Selects the whole text of a box that has just got the focus; an empty box
// keeps its caret. A box focused by a mouse click is selected again once the
// click has put its caret down.
void SelectWholeText(QLineEdit *box, Qt::FocusReason reason = Qt::OtherFocusReason);

}  // namespace brennvik
