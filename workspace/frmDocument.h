#pragma once
// The child window that shows one NC program in its two panes.

#include <QWidget>
#include <cstdint>

class QLabel;
class QMdiSubWindow;

namespace brennvik {

class RichTextPane;

class frmDocument : public QWidget {
    Q_OBJECT
public:
    explicit frmDocument(QWidget *parent = nullptr);
    ~frmDocument() override;

    RichTextPane *txtText = nullptr;
    RichTextPane *txtTextB = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;

    int16_t Slot() const { return m_slot; }

    // The pane that last had the focus in this window.
    RichTextPane *ActivePane() const;

    // The file the document was loaded from or saved to, as the file system
    // names it; empty while the document is untitled. The caption shows it in
    // upper case.
    QString FilePath() const { return m_filePath; }
    void SetFilePath(const QString &path);
    bool IsUntitled() const { return m_filePath.isEmpty(); }
    QString Caption() const { return windowTitle(); }

    // The frame the main window's document area shows this window in.
    QMdiSubWindow *SubWindow() const;
    // Closes the window; its close check runs unless the close was approved.
    bool Unload();
    // The close check has been passed already (the main window is closing).
    void ApproveClose() { m_closeApproved = true; }

    // Window events.
    void Form_Load();
    void Form_Resize();
    // Asks whether to save a changed document; false when the window stays.
    bool Form_QueryUnload();
    void Form_Unload();
    void txtText_GotFocus();
    void txtTextB_GotFocus();
    void txtText_Change();
    void txtTextB_Change();
    void txtText_MouseDown(Qt::MouseButton button, QPoint globalPosition);
    void txtTextB_MouseDown(Qt::MouseButton button, QPoint globalPosition);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void PaneGotFocus(RichTextPane *pane, int label1Color, int label2Color);
    void PaneChanged();
    void PaneMouseDown(Qt::MouseButton button, QPoint globalPosition);

    int16_t m_slot = 0;
    RichTextPane *m_activePane = nullptr;
    QString m_filePath;
    bool m_closeApproved = false;
    bool m_unloaded = false;
};

}  // namespace brennvik
