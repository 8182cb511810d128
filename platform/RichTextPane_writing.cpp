// Whole-text writes of a pane. Only the lines that differ are rewritten, as
// one edit, but nothing may show that: the characters take the format a
// rewrite of all gives them, the caret and the view end where it leaves
// them, and Undo takes the edit back as it did.
//
// The toolkit's layout lays out lines only when they are shown or looked
// at, and takes the width it lets the pane scroll sideways from the lines it
// has laid out. A rewrite of all makes it forget every line, so the writes
// take care which lines they have it lay out (see LeaveCaretAside and
// TellLayout).
#include "RichTextPane.h"

#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>

#include <algorithm>

namespace brennvik {

void RichTextPane::SetText(const QString &text) { WriteText(text, false); }

void RichTextPane::LoadText(const QString &text) { WriteText(text, true); }

void RichTextPane::WriteText(const QString &text, bool fresh) {
    QTextDocument *d = document();
    // No cursor here is moved by line or to the end: that lays out the line
    // it leaves.
    QTextCursor end(d);
    end.setPosition(d->characterCount() - 1);
    const QTextCharFormat format = RewriteFormat(fresh, end);
    // While lines are wider than the pane the layout is told that all lines
    // changed, as a rewrite of all told it; else the width shows nowhere.
    const bool wide = horizontalScrollBar()->maximum() > 0;
    if (fresh && wide) {
        m_formatsUniform = false;  // nothing to check while the load writes
        setPlainText(ToEditorText(text));
        m_formatsUniform = true;
        m_uniformFormat = format;
        return;
    }
    const QString old = Text();
    const bool wasEmpty = d->isEmpty();
    const QList<ChangedRun> runs = RunsToWrite(old, text, fresh);
    LeaveCaretAside(fresh);

    m_writing = true;
    // A text loaded afresh is a change even when it is the same.
    if (fresh) m_textChangePending = true;
    if (fresh) d->setUndoRedoEnabled(false);
    // Undo puts the caret where the edit began: at the end, as after
    // rewriting all.
    QTextCursor c = end;
    c.beginEditBlock();
    const bool plain = WriteRuns(c, text, runs, format);
    if (!wasEmpty && !(m_formatsUniform && m_uniformFormat == format)) {
        const auto [first, last] = OtherFormats(format, 0, d->characterCount() - 1);
        if (first >= 0) {
            c.setPosition(first);
            c.setPosition(last, QTextCursor::KeepAnchor);
            c.setCharFormat(format);
        }
    }
    if (wide) {
        TellLayout(c, 0, d->characterCount() - 1);
    } else if (!runs.isEmpty()) {
        // It lays out a single changed line at once, which a rewrite of all
        // leaves until shown: the next line is told of too.
        const QTextBlock changed = d->findBlock(int(runs[0].oldStart - runs[0].oldBreaksBefore));
        const QTextBlock next = changed.next().isValid() ? changed.next() : changed;
        TellLayout(c, changed.position(), next.position() + next.length() - 1);
    }
    c.endEditBlock();
    if (fresh) {
        d->setUndoRedoEnabled(true);
        d->setModified(false);
    }
    m_formatsUniform = true;
    m_uniformFormat = format;
    if (plain) {
        m_text = text;
        m_textKnown = true;
    }
    // The toolkit's load lays out the last page to size the scroll bars.
    if (fresh && isVisible()) LayOutLastPage();
    QTextCursor caret(d);
    if (fresh) caret.setCharFormat(format);
    else caret.setPosition(d->characterCount() - 1);
    setTextCursor(caret);
    m_writing = false;
    TellChange();
}

QTextCharFormat RichTextPane::RewriteFormat(bool fresh, const QTextCursor &end) const {
    // That of the last character, or for a fresh text that of the caret.
    QTextCharFormat format = fresh ? textCursor().charFormat() : end.charFormat();
    format.clearProperty(QTextFormat::ObjectType);
    format.clearProperty(QTextFormat::ObjectIndex);
    return format;
}

QList<ChangedRun> RichTextPane::RunsToWrite(const QString &old, const QString &text, bool fresh) const {
    const int length = document()->characterCount() - 1;
    if (!m_linesAreBlocks) {
        // Line separators of the pane's own: all is written anew.
        ChangedRun all;
        all.oldLength = old.size();
        all.newLength = text.size();
        all.oldBreaks = old.size() - length;
        return {all};
    }
    QList<ChangedRun> runs = ChangedLineRuns(old, text);
    if (runs.isEmpty() && !fresh && !old.isEmpty()) {
        // The same text again is still an edit: its last character is written anew.
        ChangedRun last;
        last.oldLength = last.newLength = old.endsWith(QStringLiteral("\r\n")) ? 2 : 1;
        last.oldStart = last.newStart = old.size() - last.oldLength;
        last.oldBreaks = last.newBreaks = last.oldLength - 1;
        last.oldBreaksBefore = old.size() - length - last.oldBreaks;
        runs << last;
    }
    return runs;
}

void RichTextPane::LeaveCaretAside(bool fresh) {
    // While the text changes the editor has no caret of its own, as in the
    // toolkit's load, so none lays out a changed line; the place it leaves is
    // made the top line first, so neither is the way there laid out. The
    // view stays where it is, or for a fresh text goes to the top left, where
    // the load puts it while the pane is empty. With the viewport's updates
    // off, scrolling lays out nothing.
    const int top = fresh ? 0 : verticalScrollBar()->value();
    const int left = fresh ? 0 : horizontalScrollBar()->value();
    viewport()->setUpdatesEnabled(false);
    verticalScrollBar()->setValue(textCursor().block().firstLineNumber());
    setTextCursor(QTextCursor());
    verticalScrollBar()->setValue(top);
    horizontalScrollBar()->setValue(left);
    viewport()->setUpdatesEnabled(true);
}

bool RichTextPane::WriteRuns(QTextCursor &c, const QString &text, const QList<ChangedRun> &runs,
                             const QTextCharFormat &format) {
    bool plain = m_linesAreBlocks;
    int shift = 0;  // how far the runs written so far moved the rest
    for (const ChangedRun &r : runs) {
        const int from = int(r.oldStart - r.oldBreaksBefore) + shift;
        const int length = int(r.oldLength - r.oldBreaks);
        c.setPosition(from);
        c.setPosition(from + length, QTextCursor::KeepAnchor);
        const QString piece = text.mid(r.newStart, r.newLength);
        if (piece.isEmpty()) {
            c.removeSelectedText();
        } else {
            c.insertText(piece, format);
            plain = plain && !HasOtherLineBreaks(piece);
        }
        // The lines written are hashed here, not again for the whole edit.
        const int written = c.position() - from;
        if (RehashLines(from, written) || written != length) m_textChangePending = true;
        shift += written - length;
    }
    return plain;
}

void RichTextPane::LayOutLastPage() {
    const QTextDocument *d = document();
    const qreal page = viewport()->rect().height() - d->documentMargin() - 1;
    qreal y = 0;
    for (QTextBlock b = d->lastBlock(); b.isValid() && y <= page; b = b.previous())
        if (b.isVisible()) y += d->documentLayout()->blockBoundingRect(b).height();
}

void RichTextPane::TellLayout(QTextCursor &c, int from, int to) {
    // A blank put in and taken out again at both ends: at the end of the
    // edit the document tells its layout of all between.
    for (const int at : {to, from}) {
        c.setPosition(at);
        c.insertText(QStringLiteral(" "));
        c.setPosition(at, QTextCursor::KeepAnchor);
        c.removeSelectedText();
    }
}

std::pair<int, int> RichTextPane::OtherFormats(const QTextCharFormat &format, int from, int to) const {
    // A format the document never took is on no character.
    const QList<QTextFormat> used = document()->allFormats();
    if (std::none_of(used.begin(), used.end(),
                     [&](const QTextFormat &f) { return f.isCharFormat() && f.toCharFormat() != format; }))
        return {-1, -1};
    int first = -1, end = -1;
    const auto look = [&](int a, int b, const QTextCharFormat &f) {
        a = std::max(a, from);
        b = std::min(b, to);
        if (a >= b || f == format) return;
        if (first < 0) first = a;
        end = b;
    };
    for (QTextBlock b = document()->findBlock(from); b.isValid() && b.position() < to; b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment f = it.fragment();
            look(f.position(), f.position() + f.length(), f.charFormat());
        }
        // The line break's own format is that of the next line's block.
        const int lineBreak = b.position() + b.length() - 1;
        if (b.next().isValid()) look(lineBreak, lineBreak + 1, b.next().charFormat());
    }
    return {first, end};
}

}  // namespace brennvik
