#pragma once
// Where a new text differs from an old one, in runs of whole lines, so that
// a pane rewrites only those lines. Lines end in CR LF; the last line may
// have no line end.

#include <QList>
#include <QStringView>

namespace brennvik {

// Old characters [oldStart, oldStart + oldLength) give way to new characters
// [newStart, newStart + newLength): the lines that differ, less what they
// begin and end with alike. A CR LF pair is never split.
struct ChangedRun {
    qsizetype oldStart = 0;
    qsizetype oldLength = 0;
    qsizetype newStart = 0;
    qsizetype newLength = 0;
    qsizetype oldBreaksBefore = 0;  // CR LF pairs in the old text before oldStart
    qsizetype oldBreaks = 0;        // CR LF pairs inside the old range
    qsizetype newBreaks = 0;        // CR LF pairs inside the new range
};

// The runs, in order, that turn `oldText` into `newText`: an empty list for
// equal texts. Runs closer together than a few lines are joined, and when
// most lines change, one run takes them all: a run costs more than a line.
// The old text must hold CR only before LF and LF only after CR.
QList<ChangedRun> ChangedLineRuns(QStringView oldText, QStringView newText);

// Does the text hold line ends other than CR LF pairs (a bare CR or LF, or a
// Unicode line or paragraph separator)?
bool HasOtherLineBreaks(QStringView text);

}  // namespace brennvik
