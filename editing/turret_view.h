#pragma once
// The two-turret view of a document: turret A in pane txtText, turret B in
// pane txtTextB, the header and trailer kept in the slot's tables
// (workspace/document_slots.h) until the view is switched off or the
// document is saved.

#include <QString>

namespace brennvik {

// Fills the four parts of the current slot from a program text.
void SplitProgramByTurret(const QString &text);
// The program text joined from the slot's four parts; changes none of them.
QString JoinProgramByTurret(int slot);

// View > AB表示 and the toolbar key "AB表示": switches the current
// document's view. Switching on asks first when splitting and joining would
// change the program beyond its marker lines, and leaves the document as it
// was when the answer is No.
void mnuAbView_Click();

// Appends text at the end of the current document's program: to the end of
// pane txtText in the plain view, to the slot's trailer in the two-turret
// view (saving and switching the view off write it behind "NEND M02").
// The caret stays where it was and the document counts as changed.
// Error 91 when the current slot holds no open document.
void AppendAtProgramEnd(const QString &text);

}  // namespace brennvik
