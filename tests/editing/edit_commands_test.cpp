#include "editing_fixture.h"

#include "editing/editing_commands.h"
#include "editing/document_search.h"
#include "editing/frmFind.h"
#include "workspace/frmMain.h"
#include "workspace/workspace_state.h"

#include <QAction>
#include <QLineEdit>
#include <QTest>

namespace brennvik {
namespace {

class EditCommandsTest : public EditingFixture {
protected:
    // The main window active with `pane` holding the application's focus.
    void FocusPane(RichTextPane *pane) {
        m_main->show();
        m_main->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_main));
        pane->setFocus();
        ASSERT_EQ(QApplication::focusWidget(), pane);
    }
};

TEST_F(EditCommandsTest, TypingWithAutomaticNumbering) {
    RichTextPane *pane = OpenDocument("");
    mnuToolsAutoNo_Click();
    ASSERT_TRUE(g_AutoSequenceNo);
    QTest::keyClicks(pane, "G00X100");
    EXPECT_EQ(pane->Text(), "N000 G00 X100");
    QTest::keyClick(pane, Qt::Key_Return);
    QTest::keyClicks(pane, "X1(");
    EXPECT_EQ(pane->Text(), "N000 G00 X100\r\nN000     X1(");
}

TEST_F(EditCommandsTest, TypingWithoutAutomaticNumbering) {
    RichTextPane *pane = OpenDocument("");
    QTest::keyClicks(pane, "G00X100");
    EXPECT_EQ(pane->Text(), "G00X100");
}

TEST_F(EditCommandsTest, PaneBPutsABlankBehindAPoint) {
    RichTextPane *a = OpenDocument("");
    RichTextPane *b = g_Documents[g_CurrentDocument]->txtTextB;
    mnuToolsAutoNo_Click();
    QTest::keyClicks(a, "G1.X");
    QTest::keyClicks(b, "G1.X");
    EXPECT_EQ(a->Text(), "N000 G1.X");
    EXPECT_EQ(b->Text(), "N000 G1. X");
}

TEST_F(EditCommandsTest, UndoRevertsAnInsertionInTheFocusedPane) {
    RichTextPane *pane = OpenDocument("G00\r\n");
    FocusPane(pane);
    pane->SetSelStart(5);
    pane->SetSelText("N000 G01 X10\r\n");
    m_main->mnuEditUndo_Click();
    EXPECT_EQ(pane->Text(), "G00\r\n");
}

TEST_F(EditCommandsTest, UndoLeavesOtherControlsAlone) {
    RichTextPane *pane = OpenDocument("G00");
    pane->SetSelText("G01 ");
    mnuSearchFind_Click();
    QLineEdit *box = g_frmFind->txtFind;
    g_frmFind->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(g_frmFind));
    box->setFocus();
    box->setText("X");
    m_main->mnuEditUndo_Click();
    EXPECT_EQ(pane->Text(), "G01 G00");
}

TEST_F(EditCommandsTest, RedoStaysDisabled) {
    RichTextPane *pane = OpenDocument("G00");
    FocusPane(pane);
    EXPECT_FALSE(m_main->mnuEditRedo->isEnabled());
    pane->SetSelText("X");
    m_main->mnuEditUndo_Click();
    m_main->mnuEditRedo_Click();
    EXPECT_FALSE(m_main->mnuEditRedo->isEnabled());
    EXPECT_EQ(pane->Text(), "G00");
}

TEST_F(EditCommandsTest, AutoNumberingMenuAndToolbarButtonAreOneSwitch) {
    OpenDocument("");
    QAction *menu = m_main->Entry("mnuToolsAutoNo");
    QAction *button = m_main->ToolButton(14);
    EXPECT_EQ(menu->text(), "自動シーケンス番号挿入");
    EXPECT_EQ(menu->shortcut(), QKeySequence(Qt::Key_F1));
    mnuToolsAutoNo_Click();
    EXPECT_TRUE(g_AutoSequenceNo);
    EXPECT_TRUE(menu->isChecked());
    EXPECT_TRUE(button->isChecked());
    button->trigger();
    EXPECT_FALSE(g_AutoSequenceNo);
    EXPECT_FALSE(menu->isChecked());
    EXPECT_FALSE(button->isChecked());
    menu->trigger();
    EXPECT_TRUE(g_AutoSequenceNo);
    EXPECT_TRUE(button->isChecked());
    menu->trigger();
    EXPECT_FALSE(g_AutoSequenceNo);
    EXPECT_FALSE(button->isChecked());
    EXPECT_FALSE(menu->isChecked());
}

TEST_F(EditCommandsTest, BringingDialogsToTheFrontCreatesNone) {
    OpenDocument("");
    BringSearchDialogsToFront();
    EXPECT_FALSE(g_frmFind);
    mnuSearchFind_Click();
    g_frmFind->hide();
    BringSearchDialogsToFront();
    EXPECT_FALSE(g_frmFind->isVisible());
}

}  // namespace
}  // namespace brennvik
