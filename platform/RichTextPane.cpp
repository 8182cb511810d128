#include "RichTextPane.h"

#include "AnsiCodec.h"
#include "ChangedLines.h"
#include "Clipboard.h"
#include "Colors.h"
#include "KeyboardLocks.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>

#include <algorithm>

namespace brennvik {

namespace {
// Beyond this many lines, a rehash reads the whole text at once.
constexpr int kLinesReadOneByOne = 64;

bool IsEditorBreak(QChar c) { return c == u'\n' || c == QChar::ParagraphSeparator || c == QChar::LineSeparator; }

// Every line break as CR LF, in one pass (replacing break by break moved the
// rest of a long text along for each one).
QString FromEditorText(const QString &t) {
    qsizetype breaks = 0;
    for (const QChar c : t) breaks += IsEditorBreak(c);
    if (breaks == 0) return t;
    QString out(t.size() + breaks, Qt::Uninitialized);
    QChar *o = out.data();
    for (const QChar c : t) {
        if (IsEditorBreak(c)) {
            *o++ = u'\r';
            *o++ = u'\n';
        } else {
            *o++ = c;
        }
    }
    return out;
}

// A letter as the program's Caps Lock makes it: while the lock is on, a
// capital, or a small letter with Shift, whatever the system's lock says.
QChar WithCapsLock(QChar typed, bool shift) {
    const char16_t c = typed.unicode();
    const bool letter = (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
    if (!letter || !KeyLockState(VK_CAPITAL)) return typed;
    return shift ? typed.toLower() : typed.toUpper();
}

// What a line's block keeps of its text, to tell later whether a change
// replaced its characters or only their format. Never -1, the state of a
// block that was never hashed.
int LineHash(QStringView line) {
    const size_t h = qHash(line);
    const int folded = int(uint32_t(h) ^ uint32_t(uint64_t(h) >> 32));
    return folded == -1 ? 0 : folded;
}
}  // namespace

RichTextPane::RichTextPane(QWidget *parent) : QPlainTextEdit(parent) {
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setContextMenuPolicy(Qt::DefaultContextMenu);
    SetHideSelection(true);
    RehashLines(0, 0);
    connect(document(), &QTextDocument::contentsChange, this, &RichTextPane::OnContentsChange);
    // One edit (a load, a paste, a whole-text write) is one change.
    connect(document(), &QTextDocument::contentsChanged, this, &RichTextPane::TellChange);
}

void RichTextPane::TellChange() {
    if (!m_textChangePending) return;
    m_textChangePending = false;
    m_dataChanged = true;
    emit Change();
}

void RichTextPane::OnContentsChange(int position, int removed, int added) {
    m_textKnown = false;
    // A whole-text write hashes the lines it writes itself.
    if (m_writing) return;
    if (m_formatsUniform && added > 0 &&
        OtherFormats(m_uniformFormat, position, std::min(position + added, document()->characterCount() - 1)).first >= 0)
        m_formatsUniform = false;
    // A change of format reports its range as replaced by itself: only the
    // lines' hashes tell it from a replacement by as many other characters.
    const bool textDiffers = RehashLines(position, added);
    if (removed == added && !textDiffers) return;
    m_textChangePending = true;
}

bool RichTextPane::RehashLines(int position, int length) {
    const QTextDocument *d = document();
    QTextBlock block = d->findBlock(position);
    const QTextBlock last = d->findBlock(std::min(position + length, d->characterCount() - 1));
    // Many lines are read in one go: a block's own text looks the block up afresh.
    QString raw;
    QStringView lines;
    if (last.blockNumber() - block.blockNumber() > kLinesReadOneByOne) {
        raw = d->toRawText();
        lines = QStringView(raw).sliced(block.position(), last.position() + last.length() - 1 - block.position());
    }
    bool differs = false;
    for (qsizetype from = 0; block.isValid(); block = block.next()) {
        QString own;
        QStringView line;
        if (raw.isNull()) {
            own = block.text();
            line = own;
        } else {
            qsizetype to = lines.indexOf(QChar::ParagraphSeparator, from);
            if (to < 0) to = lines.size();
            line = lines.sliced(from, to - from);
            from = to + 1;
        }
        const int hash = LineHash(line);
        if (block.userState() != hash) {
            block.setUserState(hash);
            differs = true;
        }
        if (block == last) break;
    }
    return differs;
}

QString RichTextPane::ToEditorText(const QString &text) {
    QString t = text;
    t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    t.replace(u'\r', u'\n');
    return t;
}

QString RichTextPane::Text() const {
    if (!m_textKnown) {
        const QString raw = document()->toRawText();
        m_linesAreBlocks = !raw.contains(QChar::LineSeparator);
        m_text = FromEditorText(raw);
        m_textKnown = true;
    }
    return m_text;
}

void RichTextPane::SetText(const QString &text) { WriteText(text, false); }

void RichTextPane::LoadText(const QString &text) { WriteText(text, true); }

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

void RichTextPane::WriteText(const QString &text, bool fresh) {
    QTextDocument *d = document();
    // No cursor here is moved by line or to the end: that lays out the line
    // it leaves, and which lines are laid out shows (see `wide`).
    QTextCursor end(d);
    end.setPosition(d->characterCount() - 1);
    // The format a rewrite of the whole text gives every character: that of
    // the last one, or for a fresh text that of the caret.
    QTextCharFormat format = fresh ? textCursor().charFormat() : end.charFormat();
    format.clearProperty(QTextFormat::ObjectType);
    format.clearProperty(QTextFormat::ObjectIndex);
    // How far a pane scrolls sideways follows the lines its layout has laid
    // out, which it forgets when all lines are rewritten. While lines are
    // wider than the pane this is kept as it was; else it shows nowhere.
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

    // While the text changes the editor has no caret of its own, as in the
    // toolkit's load, so none lays out a changed line; the place it leaves is
    // made the top line first, so neither is the way there laid out. The
    // view stays where it is, or for a fresh text goes to the top left, where
    // the load puts it while the pane is empty. With the viewport's updates
    // off, scrolling lays out nothing.
    const int top = fresh ? 0 : verticalScrollBar()->value(), left = fresh ? 0 : horizontalScrollBar()->value();
    viewport()->setUpdatesEnabled(false);
    verticalScrollBar()->setValue(textCursor().block().firstLineNumber());
    setTextCursor(QTextCursor());
    verticalScrollBar()->setValue(top);
    horizontalScrollBar()->setValue(left);
    viewport()->setUpdatesEnabled(true);

    m_writing = true;
    // A text loaded afresh is a change even when it is the same.
    if (fresh) m_textChangePending = true;
    if (fresh) d->setUndoRedoEnabled(false);
    // Undo puts the caret where the edit began: at the end, as after
    // rewriting all.
    QTextCursor c = end;
    c.beginEditBlock();
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
        const int written = c.position() - from;
        if (RehashLines(from, written) || written != length) m_textChangePending = true;
        shift += written - length;
    }
    if (!wasEmpty && !(m_formatsUniform && m_uniformFormat == format)) {
        const auto [first, last] = OtherFormats(format, 0, d->characterCount() - 1);
        if (first >= 0) {
            c.setPosition(first);
            c.setPosition(last, QTextCursor::KeepAnchor);
            c.setCharFormat(format);
        }
    }
    // The layout sees the lines from the first changed one to the next as
    // new, or while lines are wider than the pane all lines, as a rewrite of
    // all made it see them.
    if (wide) {
        TellLayoutChanged(c, 0, d->characterCount() - 1);
    } else if (!runs.isEmpty()) {
        const QTextBlock changed = d->findBlock(int(runs[0].oldStart - runs[0].oldBreaksBefore));
        const QTextBlock next = changed.next().isValid() ? changed.next() : changed;
        TellLayoutChanged(c, changed.position(), next.position() + next.length() - 1);
    }
    c.endEditBlock();
    if (fresh) {
        d->setUndoRedoEnabled(true);
        d->setModified(false);
    }
    m_writing = false;
    m_formatsUniform = true;
    m_uniformFormat = format;
    if (plain) {
        m_text = text;
        m_textKnown = true;
    }
    TellChange();  // when the document had nothing to tell
    // The toolkit's load lays out the last page to size the scroll bars.
    if (fresh && isVisible()) LayOutLastPage();
    QTextCursor caret(d);
    if (fresh) caret.setCharFormat(format);
    else caret.setPosition(d->characterCount() - 1);
    setTextCursor(caret);
}

void RichTextPane::LayOutLastPage() {
    const QTextDocument *d = document();
    const qreal page = viewport()->rect().height() - d->documentMargin() - 1;
    qreal y = 0;
    for (QTextBlock b = d->lastBlock(); b.isValid() && y <= page; b = b.previous())
        if (b.isVisible()) y += d->documentLayout()->blockBoundingRect(b).height();
}

void RichTextPane::TellLayoutChanged(QTextCursor &c, int from, int to) {
    // A blank put in and taken out again at both ends: the document tells its
    // layout of all between at the end of the edit.
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

AnsiFileRead RichTextPane::LoadFile(const QString &path) {
    AnsiFileRead r = ReadAnsiFile(path);
    if (r.ok) LoadText(r.text);
    return r;
}

int RichTextPane::ToTextPosition(int documentPosition) const {
    const QTextBlock block = document()->findBlock(documentPosition);
    return documentPosition + (block.isValid() ? block.blockNumber() : document()->blockCount() - 1);
}

int RichTextPane::ToDocumentPosition(int textPosition) const {
    if (textPosition <= 0) return 0;
    // Block k starts at text position block.position() + k.
    int lo = 0, hi = document()->blockCount() - 1;
    while (lo < hi) {
        const int mid = (lo + hi + 1) / 2;
        const QTextBlock b = document()->findBlockByNumber(mid);
        if (b.position() + mid <= textPosition) lo = mid; else hi = mid - 1;
    }
    const QTextBlock b = document()->findBlockByNumber(lo);
    const int lineLength = b.length() - 1;
    const int offset = std::min(textPosition - (b.position() + lo), lineLength);
    return b.position() + offset;
}

QTextCursor RichTextPane::CursorFor(int start, int length) const {
    QTextCursor c(document());
    const int last = document()->characterCount() - 1;
    const int a = std::clamp(ToDocumentPosition(start), 0, last);
    const int b = std::clamp(ToDocumentPosition(start + std::max(length, 0)), 0, last);
    c.setPosition(a);
    c.setPosition(b, QTextCursor::KeepAnchor);
    return c;
}

int RichTextPane::SelStart() const { return ToTextPosition(textCursor().selectionStart()); }

void RichTextPane::SetSelStart(int position) { setTextCursor(CursorFor(position, 0)); }

int RichTextPane::SelLength() const {
    const QTextCursor c = textCursor();
    return ToTextPosition(c.selectionEnd()) - ToTextPosition(c.selectionStart());
}

void RichTextPane::SetSelLength(int length) { setTextCursor(CursorFor(SelStart(), length)); }

void RichTextPane::Select(int start, int length) { setTextCursor(CursorFor(start, length)); }

QString RichTextPane::SelText() const { return FromEditorText(textCursor().selectedText()); }

void RichTextPane::SetSelText(const QString &text) {
    QTextCursor c = textCursor();
    c.insertText(ToEditorText(text));
    setTextCursor(c);
}

void RichTextPane::Paste() { PasteText(ClipboardGetText()); }

void RichTextPane::PasteText(const QString &text) {
    if (text.isEmpty()) return;
    SetSelText(text);
    ensureCursorVisible();
}

// The toolkit's paste and drop hand their data here; only its plain text is taken.
bool RichTextPane::canInsertFromMimeData(const QMimeData *source) const { return !PlainTextOf(source).isEmpty(); }

void RichTextPane::insertFromMimeData(const QMimeData *source) { PasteText(PlainTextOf(source)); }

int RichTextPane::SelColor() const {
    const QTextCursor sel = textCursor();
    if (!sel.hasSelection()) return BgrFromColor(sel.charFormat().foreground().color());
    int colour = -1;
    // The format of the character behind each position of the selection.
    QTextCursor c(document());
    for (int p = sel.selectionStart() + 1; p <= sel.selectionEnd(); ++p) {
        c.setPosition(p);
        const int here = BgrFromColor(c.charFormat().foreground().color());
        if (colour == -1) colour = here;
        else if (here != colour) return -1;
    }
    return colour;
}

void RichTextPane::SetSelColor(int bgr) {
    QTextCharFormat f;
    f.setForeground(ColorFromBgr(bgr));
    QTextCursor c = textCursor();
    c.mergeCharFormat(f);
    if (!c.hasSelection()) mergeCurrentCharFormat(f);
}

bool RichTextPane::SelBold() const { return textCursor().charFormat().fontWeight() >= QFont::Bold; }

void RichTextPane::SetSelBold(bool bold) {
    QTextCharFormat f;
    f.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    QTextCursor c = textCursor();
    c.mergeCharFormat(f);
    if (!c.hasSelection()) mergeCurrentCharFormat(f);
}

void RichTextPane::AsOneEdit(const std::function<void()> &edit) {
    QTextCursor block(document());
    block.beginEditBlock();
    edit();
    block.endEditBlock();
    // The document tells its changes only at the end of the edit.
    m_textKnown = false;
}

void RichTextPane::FollowInsertKeyState() { setOverwriteMode(KeyLockState(VK_INSERT)); }

bool RichTextPane::CanUndo() const { return document()->isUndoAvailable(); }

void RichTextPane::SetHideSelection(bool hide) {
    m_hideSelection = hide;
    QPalette p = palette();
    if (hide) {
        p.setColor(QPalette::Inactive, QPalette::Highlight, p.color(QPalette::Inactive, QPalette::Base));
        p.setColor(QPalette::Inactive, QPalette::HighlightedText, p.color(QPalette::Inactive, QPalette::Text));
    } else {
        p.setColor(QPalette::Inactive, QPalette::Highlight, p.color(QPalette::Active, QPalette::Highlight));
        p.setColor(QPalette::Inactive, QPalette::HighlightedText,
                   p.color(QPalette::Active, QPalette::HighlightedText));
    }
    setPalette(p);
}

void RichTextPane::keyPressEvent(QKeyEvent *event) {
    // Redo is never offered: only the Edit menu's Undo steps through edits.
    if (event->matches(QKeySequence::Redo)) {
        event->accept();
        return;
    }
    // The toolkit's own paste fails on an empty clipboard entry.
    if (event->matches(QKeySequence::Paste)) {
        event->accept();
        Paste();
        return;
    }
    if (event->key() == Qt::Key_Insert && event->modifiers() == Qt::NoModifier) {
        keybd_event(VK_INSERT, KEYEVENTF_KEYDOWN);
        keybd_event(VK_INSERT, KEYEVENTF_KEYUP);
        FollowInsertKeyState();
        event->accept();
        return;
    }
    // The state may have been switched from the status bar meanwhile.
    FollowInsertKeyState();
    const QString t = event->text();
    if (t.size() == 1 && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        const QChar ch = WithCapsLock(t[0], event->modifiers() & Qt::ShiftModifier);
        if (ch.unicode() >= 32 || ch == u'\r' || ch == u'\t' || ch == u'\b') emit KeyPress(AnsiCodec::charCode(ch));
        if (ch != t[0]) {
            QKeyEvent typed(event->type(), event->key(), event->modifiers(), QString(ch), event->isAutoRepeat(),
                            quint16(event->count()));
            QPlainTextEdit::keyPressEvent(&typed);
            event->setAccepted(typed.isAccepted());
            return;
        }
    }
    QPlainTextEdit::keyPressEvent(event);
}

void RichTextPane::focusInEvent(QFocusEvent *event) {
    FollowInsertKeyState();
    QPlainTextEdit::focusInEvent(event);
    emit GotFocus();
}

void RichTextPane::mousePressEvent(QMouseEvent *event) {
    emit MouseDown(event->button(), event->globalPosition().toPoint());
    if (event->button() != Qt::RightButton) QPlainTextEdit::mousePressEvent(event);
}

void RichTextPane::contextMenuEvent(QContextMenuEvent *event) {
    // The document window pops up the main window's Edit menu on MouseDown.
    event->accept();
}

// Dropped files are opened by the main window, not pasted as their names.
void RichTextPane::dragEnterEvent(QDragEnterEvent *event) {
    if (event->mimeData()->hasUrls()) event->ignore(); else QPlainTextEdit::dragEnterEvent(event);
}

void RichTextPane::dragMoveEvent(QDragMoveEvent *event) {
    if (event->mimeData()->hasUrls()) event->ignore(); else QPlainTextEdit::dragMoveEvent(event);
}

void RichTextPane::dropEvent(QDropEvent *event) {
    if (event->mimeData()->hasUrls()) event->ignore(); else QPlainTextEdit::dropEvent(event);
}

}  // namespace brennvik
