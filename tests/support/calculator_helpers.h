#pragma once
// Driving a calculator window as the user does: open it from its menu
// entry, type into its boxes, tab through it.

#include "platform/RichTextPane.h"
#include "support/dialog_helpers.h"
#include "support/fixtures.h"
#include "workspace/document_slots.h"
#include "workspace/document_windows.h"
#include "workspace/frmMain.h"

#include <QAction>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <gtest/gtest.h>

namespace brennvik {

// The program with one new, empty document whose pane takes the inserts.
class CalculatorFixture : public ProgramFixture {
protected:
    void SetUp() override {
        ProgramFixture::SetUp();
        StartMain();
        NewDocumentWindow();
        m_pane = ActivePaneOfCurrentDocument();
    }

    RichTextPane *m_pane = nullptr;
};

// Runs the menu entry `name` and makes the window it opened (its single
// instance) the active one; nullptr and a test failure when none opened.
template <class Window>
Window *OpenFromEntry(frmMain *main, const char *name, const QPointer<Window> &instance) {
    QAction *entry = main->Entry(QString::fromLatin1(name));
    EXPECT_TRUE(entry) << name;
    if (!entry) return nullptr;
    entry->trigger();
    EXPECT_TRUE(instance) << name;
    if (instance) {
        EXPECT_TRUE(ActivateWindow(instance));
    }
    return instance;
}

// Types a text over a box's text and presses Enter.
inline void TypeAndEnter(QLineEdit *box, const char *text) {
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, QString::fromUtf8(text));
    QTest::keyClick(box, Qt::Key_Return);
}

// Presses Tab in the focused control of `window`, starting at `first`,
// until the focus has gone round the window's tab order ten times.
inline void TabThroughTenTimes(QWidget *window, QWidget *first) {
    first->setFocus(Qt::TabFocusReason);
    for (int round = 0; round < 10; ++round) {
        int presses = 0;
        do {
            QTest::keyClick(window->focusWidget(), Qt::Key_Tab);
        } while (window->focusWidget() != first && ++presses < 200);
        ASSERT_EQ(window->focusWidget(), first) << "the tab order does not come back";
    }
}

}  // namespace brennvik
