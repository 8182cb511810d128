#pragma once
// The state that find, replace, size shift and renumbering share between the
// presses of their dialogs.

#include <QPointer>
#include <QString>
#include <cstdint>

namespace brennvik {

class RichTextPane;

// The focused pane's text as the last press read it.
extern QString g_SearchSubject;
// The text to find; in the size shift the address whose values change.
extern QString g_FindWhat;
// The replacement; in the size shift the formula text.
extern QString g_ReplaceWith;
// 0-based position after which the next search starts. Kept as a whole
// number wide enough for any text (a single-precision value is exact only up
// to 16,777,216).
extern int32_t g_CaretPos;
// Finds or changes since the last end of a run. 32 bits: a run over a long
// program can count far beyond 32767.
extern int32_t g_HitCount;
// -1 after a dialog was loaded or a run ended: the next change press only finds.
extern int16_t g_FirstPress;
// During renumbering: 1-based position of the line feed before the current line.
extern int32_t g_LineEndPos;
// Output format 1..4 of the size shift.
extern int16_t g_ShiftFormat;
// The pane the positions above belong to; a press on another pane starts at
// that pane's caret.
extern QPointer<RichTextPane> g_SearchPane;

void ResetSearchState();

}  // namespace brennvik
