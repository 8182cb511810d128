#pragma once
// The text pane of a document window. It shows the program as a plain text
// editor does, but its interface speaks in the terms the program's commands
// use: the text with CR LF line ends, and selection positions that count a
// CR LF as two characters.

#include "AnsiFiles.h"
#include "ChangedLines.h"

#include <QPlainTextEdit>

#include <functional>
#include <utility>

namespace brennvik {

class RichTextPane : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit RichTextPane(QWidget *parent = nullptr);

    // The whole text, lines separated by CR LF.
    QString Text() const;
    // Replaces the whole text as one undoable edit. Only the lines that
    // differ are rewritten, but the result is that of rewriting all: every
    // character takes the format of the last one, and the caret stands at
    // the end.
    void SetText(const QString &text);
    // Replaces the whole text as a freshly loaded one: no undo step and an
    // empty undo history, every character in the format at the caret, the
    // caret at the top.
    void LoadText(const QString &text);
    // Reads a code page 932 file into the pane; on failure the pane is left
    // as it was. The result tells what was read.
    AnsiFileRead LoadFile(const QString &path);

    int SelStart() const;
    void SetSelStart(int position);  // also collapses the selection
    int SelLength() const;
    void SetSelLength(int length);
    QString SelText() const;
    // Replaces the selection (or inserts at the caret); the caret ends behind it.
    void SetSelText(const QString &text);
    // Replaces the selection by the clipboard's plain text; with no text on
    // the clipboard nothing happens. The paste keys and dropped text take
    // this way too.
    void Paste();
    // Selects `length` characters from `start`, positions as Text() counts them.
    void Select(int start, int length);

    // Colour as a 24-bit value with red in the low byte. Reading gives the
    // colour of the selected characters, -1 when they differ; with nothing
    // selected, the colour typing would use.
    int SelColor() const;
    void SetSelColor(int bgr);
    bool SelBold() const;
    void SetSelBold(bool bold);

    // The change flag: set by every change of the text, cleared by its owner.
    bool DataChanged() const { return m_dataChanged; }
    void SetDataChanged(bool changed) { m_dataChanged = changed; }

    // The selection is a band behind characters that keep their own colours.
    // While set, the selection is not shown when the pane has no focus.
    bool HideSelection() const { return m_hideSelection; }
    void SetHideSelection(bool hide);

    // Runs `edit` (selections, colours, text changes through this pane) as
    // one step of the pane's own undo.
    void AsOneEdit(const std::function<void()> &edit);

    // Typing overwrites while the Insert key's state is on; the Insert key
    // toggles that state, and a pane takes it over when it gets the focus.
    void FollowInsertKeyState();

    // The pane's own undo of its last edit.
    void Undo() { undo(); }
    bool CanUndo() const;

    // Position conversions between Text() positions and the editor's own.
    int ToDocumentPosition(int textPosition) const;
    int ToTextPosition(int documentPosition) const;

    // Line breaks of any kind as the editor holds them.
    static QString ToEditorText(const QString &text);

signals:
    // A printable or control character typed by the user, before the pane
    // inserts it: its code in the ANSI code page. While the program's Caps
    // Lock is on, a letter is typed as a capital (small with Shift).
    void KeyPress(int keyCode);
    // The text changed (a change of colour or weight alone is none).
    void Change();
    void GotFocus();
    void MouseDown(Qt::MouseButton button, QPoint globalPosition);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    bool canInsertFromMimeData(const QMimeData *source) const override;
    void insertFromMimeData(const QMimeData *source) override;

private:
    void PasteText(const QString &text);
    QTextCursor CursorFor(int start, int length) const;
    void OnContentsChange(int position, int removed, int added);
    // One edit (a load, a paste, a whole-text write) is one change.
    void TellChange();
    // Hashes the text of the lines that hold [position, position + length]
    // into their blocks' state; true when one of them differs from before.
    bool RehashLines(int position, int length);
    // Whole-text writes (RichTextPane_writing.cpp). SetText and LoadText:
    // `fresh` for LoadText.
    void WriteText(const QString &text, bool fresh);
    // The format a rewrite of all gives every character.
    QTextCharFormat RewriteFormat(bool fresh, const QTextCursor &end) const;
    // What WriteText rewrites of `old` to make it `text`.
    QList<ChangedRun> RunsToWrite(const QString &old, const QString &text, bool fresh) const;
    // Takes the editor's caret away while the text changes.
    void LeaveCaretAside(bool fresh);
    // Writes the runs' new text; true when it holds only CR LF line ends.
    bool WriteRuns(QTextCursor &c, const QString &text, const QList<ChangedRun> &runs, const QTextCharFormat &format);
    // Lays out the lines the last page of the pane shows.
    void LayOutLastPage();
    // Inside an edit: the layout is to lay out [from, to] afresh.
    void TellLayout(QTextCursor &c, int from, int to);
    // The first and the end of the characters in [from, to) whose format is
    // not `format`; {-1, -1} when there are none.
    std::pair<int, int> OtherFormats(const QTextCharFormat &format, int from, int to) const;
    mutable QString m_text;              // Text() while m_textKnown
    mutable bool m_textKnown = false;
    mutable bool m_linesAreBlocks = true;  // every CR LF of Text() is a line break of the editor
    // Every character has m_uniformFormat, as after a whole-text write.
    bool m_formatsUniform = false;
    QTextCharFormat m_uniformFormat;
    bool m_writing = false;
    bool m_dataChanged = false;
    bool m_hideSelection = true;
    bool m_textChangePending = false;
};

}  // namespace brennvik
