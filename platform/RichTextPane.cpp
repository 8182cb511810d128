#include "RichTextPane.h"

#include "AnsiCodec.h"
#include "Clipboard.h"
#include "Colors.h"
#include "KeyboardLocks.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMimeData>
#include <QTextBlock>
#include <QTextDocument>

#include <algorithm>
#include <cmath>

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

// A letter as the program's Caps Lock and Shift make it, whatever the
// system's lock says: a capital when exactly one of them is on.
QChar WithCapsLock(QChar typed, bool shift) {
    const char16_t c = typed.unicode();
    const bool letter = (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
    if (!letter) return typed;
    return KeyLockState(VK_CAPITAL) != shift ? typed.toUpper() : typed.toLower();
}

// How far the selection band goes from the pane's background towards the
// highlight colour, with the focus and without it.
constexpr double kFocusedBand = 0.4;
constexpr double kUnfocusedBand = 0.2;

QColor Blend(const QColor &from, const QColor &to, double share) {
    auto mix = [share](int a, int b) { return int(std::lround(a + (b - a) * share)); };
    return QColor(mix(from.red(), to.red()), mix(from.green(), to.green()), mix(from.blue(), to.blue()));
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
    // A whole-text write tells its change once its caret is in place.
    if (!m_textChangePending || m_writing) return;
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
    // The selection is a band behind the characters, which keep their own
    // colours: a line marked red stays red while selected. The band is a
    // tint of the highlight colour in the pane with the focus and a paler
    // one in a pane without it, where HideSelection leaves it out.
    const QPalette style = QApplication::palette(this);
    const QColor base = style.color(QPalette::Active, QPalette::Base);
    const QColor highlight = style.color(QPalette::Active, QPalette::Highlight);
    QPalette p = palette();
    p.setColor(QPalette::Active, QPalette::Highlight, Blend(base, highlight, kFocusedBand));
    if (hide) p.setBrush(QPalette::Inactive, QPalette::Highlight, Qt::NoBrush);
    else p.setColor(QPalette::Inactive, QPalette::Highlight, Blend(base, highlight, kUnfocusedBand));
    // No colour of its own for the selected text.
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
        p.setBrush(group, QPalette::HighlightedText, Qt::NoBrush);
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
    if (t.size() == 1 && !(event->modifiers() & Qt::ControlModifier)) {
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
