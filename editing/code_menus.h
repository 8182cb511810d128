#pragma once
// The G-code and M-code menus: each item puts one fixed word or block
// template of the control's dialect at the caret.

#include <QString>

namespace brennvik {

class frmMain;

// Inserts the item's text into the focused pane of the active document
// window: the selection is replaced and the caret ends behind the text. A
// name that is no code item, or no open document, inserts nothing.
void CodeItem_Click(const QString &name);

// Fills the menus "G コード(&G)" and "M コード(&M)".
void InstallCodeMenus(frmMain &main);

}  // namespace brennvik
