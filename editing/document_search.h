#pragma once
// Find and replace in the focused pane of the current document, on the
// shared search state.

#include <QString>

class QCheckBox;
class QWidget;

namespace brennvik {

class RichTextPane;

// The focused pane of the current document; nullptr when no document is open.
RichTextPane *FocusedPane();

// Opening a dialog (or F3): the pane's text and caret become the search state.
void TakeSearchSnapshot(RichTextPane *pane);

// Every press starts here: the focused pane's text is read afresh, so text
// typed since the last press is never overwritten. Positions carry over only
// on the same pane; another pane starts at its caret. nullptr (and nothing
// changed) when no document is open.
RichTextPane *RefreshSearchState();

// Does the pane's selection hold exactly the search text?
bool SelectionIsSearchText(RichTextPane *pane);

// Finds g_FindWhat from g_CaretPos on and selects it; false when not found.
bool FindNextInDocument();

// Replaces the pane's selection by g_ReplaceWith when it is exactly the
// search text; otherwise changes nothing.
void ReplaceNextInDocument();

// Writes g_SearchSubject into the pane when it differs (one undoable edit)
// and puts the caret at `caret`.
void WriteSearchSubject(RichTextPane *pane, int caret);

// Counts one more find or change; stops at the largest count.
void CountHits(int hits = 1);

// A message box with OK only: n + `counted` when g_HitCount is not 0, else
// the quoted search text + `notFound`.
void ShowRunEndMessage(const QString &counted, const QString &notFound, const QString &title);

// The start-from-top step of a press: a ticked box sends the search back to
// the top and, when `untick`, is cleared.
void ApplyStartFromTop(QCheckBox *fromTop, bool untick);

// Where a sweep over every match begins: the top when the box is ticked,
// else the selected match, else the remembered position.
int SweepStart(RichTextPane *pane, const QCheckBox *fromTop);

// A sweep's result becomes the search state and is written into the pane at
// once, as one undoable edit.
void TakeSweepResult(RichTextPane *pane, const QString &text, int caret, int changes);

// The end of a run: the message, then the counter and the first-press flag
// start again; `fromTop` (if given) is ticked.
void EndRun(const QString &counted, const QString &notFound, const QString &title, QCheckBox *fromTop);

// Shows a modeless dialog above the main window.
void ShowModeless(QWidget *dialog);

// Brings the visible find, replace and size-shift dialogs back to the front,
// in this order; a pane that gets the focus calls it.
void BringSearchDialogsToFront();

}  // namespace brennvik
