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

    // Presses Tab in the focused control of `window`, starting at `first`,
    // until the focus has gone round the window's tab order ten times.
    static void TabThroughTenTimes(QWidget *window, QWidget *first) {
        first->setFocus(Qt::TabFocusReason);
        for (int round = 0; round < 10; ++round) {
            int presses = 0;
            do {
                QTest::keyClick(window->focusWidget(), Qt::Key_Tab);
            } while (window->focusWidget() != first && ++presses < 200);
            ASSERT_EQ(window->focusWidget(), first) << "the tab order does not come back";
        }
    }

    RichTextPane *m_pane = nullptr;
};

}  // namespace brennvik
