#pragma once
// A calculator window as the user meets it: the program with a document
// whose second line is selected, the window opened from its menu entry,
// and boxes filled by typing.

#include "platform/RichTextPane.h"
#include "support/dialog_helpers.h"
#include "support/fixtures.h"
#include "workspace/document_slots.h"
#include "workspace/document_windows.h"
#include "workspace/frmMain.h"

#include <QAction>
#include <QLineEdit>
#include <QPointer>

namespace brennvik {

class CalcWindowFixture : public ProgramFixture {
protected:
    void SetUp() override {
        ProgramFixture::SetUp();
        StartMain();
        NewDocumentWindow();
        m_pane = ActivePaneOfCurrentDocument();
        m_pane->SetText(QStringLiteral("AAA\r\nBBB\r\n"));
        m_pane->Select(5, 3);
    }

    // Triggers the menu entry and returns the window it opened, active.
    template <class Window>
    Window *OpenFromEntry(const char *entry, QPointer<Window> &instance) {
        m_main->Entry(QString::fromLatin1(entry))->trigger();
        EXPECT_TRUE(instance);
        if (instance) {
            EXPECT_TRUE(ActivateWindow(instance));
        }
        return instance;
    }

    // Types a text into a box and presses Enter, as the user would.
    static void TypeAndEnter(QLineEdit *box, const char *text) {
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, QString::fromUtf8(text));
        QTest::keyClick(box, Qt::Key_Return);
    }

    RichTextPane *m_pane = nullptr;
};

}  // namespace brennvik
