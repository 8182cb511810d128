#include "RichTextPane.h"

#include "AnsiCodec.h"

#include <QKeyEvent>
#include <QTextBlock>
#include <QTextDocument>

namespace brennvik {

namespace {
// The ANSI code of a typed character, negative for a double-byte one.
int KeyCodeOf(QChar c) {
    const QByteArray b = AnsiCodec::encodeChar(c);
    if (b.isEmpty()) return 63;
    if (b.size() == 1) return static_cast<unsigned char>(b[0]);
    return static_cast<int16_t>((static_cast<unsigned char>(b[0]) << 8) | static_cast<unsigned char>(b[1]));
}
}  // namespace

RichTextPane::RichTextPane(QWidget *parent) : QPlainTextEdit(parent) {
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setContextMenuPolicy(Qt::DefaultContextMenu);
    SetHideSelection(true);
}

QString RichTextPane::ToEditorText(const QString &text) {
    QString t = text;
    t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    t.replace(u'\r', u'\n');
    return t;
}

QString RichTextPane::Text() const {
    QString t = document()->toRawText();
    t.replace(QChar::ParagraphSeparator, u'\n');
    t.replace(QChar::LineSeparator, u'\n');
    // toRawText ends with the document's final paragraph mark.
    if (t.endsWith(u'\n') && document()->characterCount() == t.size()) t.chop(1);
    t.replace(QLatin1String("\n"), QLatin1String("\r\n"));
    return t;
}

void RichTextPane::SetText(const QString &text) {
    QTextCursor c(document());
    c.select(QTextCursor::Document);
    c.insertText(ToEditorText(text));
    setTextCursor(c);
}

void RichTextPane::LoadText(const QString &text) {
    setPlainText(ToEditorText(text));
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

QString RichTextPane::SelText() const {
    QString t = textCursor().selectedText();
    t.replace(QChar::ParagraphSeparator, u'\n');
    t.replace(QChar::LineSeparator, u'\n');
    t.replace(QLatin1String("\n"), QLatin1String("\r\n"));
    return t;
}

void RichTextPane::SetSelText(const QString &text) {
    QTextCursor c = textCursor();
    c.insertText(ToEditorText(text));
    setTextCursor(c);
}

void RichTextPane::SetSelColor(int bgr) {
    QTextCharFormat f;
    f.setForeground(QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF));
    QTextCursor c = textCursor();
    c.mergeCharFormat(f);
}

void RichTextPane::SetSelBold(bool bold) {
    QTextCharFormat f;
    f.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    QTextCursor c = textCursor();
    c.mergeCharFormat(f);
}

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
    const QString t = event->text();
    if (t.size() == 1 && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        const QChar ch = t[0];
        if (ch.unicode() >= 32 || ch == u'\r' || ch == u'\t' || ch == u'\b') emit KeyPress(KeyCodeOf(ch));
    }
    QPlainTextEdit::keyPressEvent(event);
}

void RichTextPane::focusInEvent(QFocusEvent *event) {
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

}  // namespace brennvik
