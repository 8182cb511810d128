#pragma once
// The text pane of a document window. It shows the program as a plain text
// editor does, but its interface speaks in the terms the program's commands
// use: the text with CR LF line ends, and selection positions that count a
// CR LF as two characters.

#include <QPlainTextEdit>

namespace brennvik {

class RichTextPane : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit RichTextPane(QWidget *parent = nullptr);

    // The whole text, lines separated by CR LF.
    QString Text() const;
    // Replaces the whole text as one undoable edit.
    void SetText(const QString &text);
    // Replaces the whole text for a freshly loaded file (no undo step).
    void LoadText(const QString &text);

    int SelStart() const;
    void SetSelStart(int position);  // also collapses the selection
    int SelLength() const;
    void SetSelLength(int length);
    QString SelText() const;
    // Replaces the selection (or inserts at the caret); the caret ends behind it.
    void SetSelText(const QString &text);
    // Selects `length` characters from `start`, positions as Text() counts them.
    void Select(int start, int length);

    // Colour as a 24-bit value with red in the low byte.
    void SetSelColor(int bgr);
    void SetSelBold(bool bold);

    bool DataChanged() const { return m_dataChanged; }
    void SetDataChanged(bool changed) { m_dataChanged = changed; }

    bool HideSelection() const { return m_hideSelection; }
    void SetHideSelection(bool hide);

    // Position conversions between Text() positions and the editor's own.
    int ToDocumentPosition(int textPosition) const;
    int ToTextPosition(int documentPosition) const;

    // Line breaks of any kind as the editor holds them.
    static QString ToEditorText(const QString &text);

signals:
    // A printable or control character typed by the user, before the pane
    // inserts it: its code in the ANSI code page.
    void KeyPress(int keyCode);
    void GotFocus();
    void MouseDown(Qt::MouseButton button, QPoint globalPosition);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    QTextCursor CursorFor(int start, int length) const;
    bool m_dataChanged = false;
    bool m_hideSelection = true;
};

}  // namespace brennvik
