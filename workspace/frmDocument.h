#pragma once
// The child window that shows one NC program in its two panes.

#include <QWidget>
#include <cstdint>

class QLabel;

namespace brennvik {

class RichTextPane;

class frmDocument : public QWidget {
    Q_OBJECT
public:
    explicit frmDocument(QWidget *parent = nullptr);

    RichTextPane *txtText = nullptr;
    RichTextPane *txtTextB = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;

    int16_t Slot() const { return m_slot; }
    void SetSlot(int16_t slot) { m_slot = slot; }

    // The pane that last had the focus in this window.
    RichTextPane *ActivePane() const;

private:
    int16_t m_slot = 0;
    RichTextPane *m_activePane = nullptr;
};

}  // namespace brennvik
