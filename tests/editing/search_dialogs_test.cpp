#include "editing_fixture.h"

#include "support/dialog_helpers.h"
#include "support/pane_pixels.h"

#include "editing/editing_commands.h"
#include "editing/frmFind.h"
#include "editing/frmReplace.h"
#include "workspace/frmMain.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTextCursor>

#include <functional>

namespace brennvik {
namespace {

class SearchDialogsTest : public EditingFixture {
protected:
    frmFind *OpenFind(const QString &what) {
        mnuSearchFind_Click();
        g_frmFind->txtFind->setText(what);
        return g_frmFind;
    }
    frmReplace *OpenReplace(const QString &what, const QString &with) {
        mnuSearchReplace_Click();
        g_frmReplace->txtFind->setText(what);
        g_frmReplace->txtReplace->setText(with);
        return g_frmReplace;
    }
    static std::pair<int, int> Selection(RichTextPane *pane) { return {pane->SelStart(), pane->SelLength()}; }
};

TEST_F(SearchDialogsTest, FindSelectsEachMatchThenReportsTheCountAndStartsAgain) {
    RichTextPane *pane = OpenDocument("abab");
    frmFind *f = OpenFind(QString());
    ASSERT_TRUE(f);
    EXPECT_TRUE(f->isVisible());
    EXPECT_EQ(f->windowTitle(), "検索");
    EXPECT_FALSE(f->NextFind->isEnabled());
    EXPECT_TRUE(f->Check1->isChecked());
    f->txtFind->setText("ab");
    EXPECT_TRUE(f->NextFind->isEnabled());
    f->NextFind->click();
    EXPECT_EQ(Selection(pane), std::make_pair(0, 2));
    f->NextFind->click();
    EXPECT_EQ(Selection(pane), std::make_pair(2, 2));
    f->NextFind->click();
    ASSERT_EQ(m_msgBoxes.size(), 1u);
    EXPECT_EQ(m_msgBoxes[0].prompt, "2 回 見つかりました。");
    EXPECT_EQ(m_msgBoxes[0].title, "検索");
    EXPECT_EQ(m_msgBoxes[0].buttons, vbOKOnly);
    EXPECT_TRUE(f->Check1->isChecked());
    f->NextFind->click();
    EXPECT_EQ(Selection(pane), std::make_pair(0, 2));
}

TEST_F(SearchDialogsTest, FindIsCaseSensitiveAndQuotesWhatItMissed) {
    OpenDocument("G01 X1\r\n(外径)\r\n");
    OpenFind("g01")->NextFind->click();
    EXPECT_EQ(Prompts(), QStringList({"\"g01\" は見つかりませんでした。"}));
}

TEST_F(SearchDialogsTest, FindFromTheCaretFindsTheSelectionItself) {
    RichTextPane *pane = OpenDocument("G01 X1 G01 X2");
    pane->Select(7, 3);
    frmFind *f = OpenFind("G01");
    f->Check1->setChecked(false);
    f->NextFind->click();
    EXPECT_EQ(Selection(pane), std::make_pair(7, 3));
}

TEST_F(SearchDialogsTest, NextFindSearchesOnWithoutTheDialog) {
    RichTextPane *pane = OpenDocument("G01 X1\r\nG01 X2\r\n");
    pane->Select(0, 3);
    mnuSearchFind_Click();
    g_frmFind->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_FALSE(g_frmFind);
    mnuSearchNextFind_Click();
    EXPECT_EQ(Selection(pane), std::make_pair(8, 3));
    mnuSearchNextFind_Click();
    EXPECT_EQ(Prompts(), QStringList({"1回 見つかりました。"}));
    // The find dialog is loaded, not shown, with its start-from-top box ticked.
    ASSERT_TRUE(g_frmFind);
    EXPECT_FALSE(g_frmFind->isVisible());
    EXPECT_TRUE(g_frmFind->Check1->isChecked());
    EXPECT_EQ(g_HitCount, 0);
}

TEST_F(SearchDialogsTest, ReplaceFindsFirstThenReplacesOneByOne) {
    RichTextPane *pane = OpenDocument("A1 A2\r\n(工具)A3\r\n");
    frmReplace *r = OpenReplace("A", "B");
    EXPECT_EQ(r->windowTitle(), "文字列の置き換え");
    EXPECT_TRUE(r->Change->isDefault());
    r->Change->click();
    EXPECT_EQ(pane->Text(), "A1 A2\r\n(工具)A3\r\n");
    EXPECT_EQ(Selection(pane), std::make_pair(0, 1));
    r->Change->click();
    EXPECT_EQ(pane->Text(), "B1 A2\r\n(工具)A3\r\n");
    EXPECT_EQ(Selection(pane), std::make_pair(3, 1));
    r->Change->click();
    r->Change->click();
    EXPECT_EQ(pane->Text(), "B1 B2\r\n(工具)B3\r\n");
    EXPECT_EQ(Prompts(), QStringList({"3 回　変更しました。"}));
    EXPECT_EQ(m_msgBoxes[0].title, "置き換え");
    EXPECT_TRUE(r->Check1->isChecked());
    EXPECT_EQ(g_FirstPress, -1);
}

// The dialogs keep the focus while they search: the pane shows its match
// with the band of a pane without the focus, the characters as they are.
TEST_F(SearchDialogsTest, TheMatchShowsInThePaneWhileTheDialogHasTheFocus) {
    const QString text = QStringLiteral("N000 G00 X100.\r\nN001 G01 Z-20.\r\nN002 G00 X200.\r\n");
    const struct {
        const char *what;
        std::function<QWidget *()> open;
        std::function<void()> find;
    } dialogs[] = {
        {"find", [this] { return OpenFind(QStringLiteral("G01 Z-20.")); }, [] { g_frmFind->NextFind->click(); }},
        {"replace", [this] { return OpenReplace(QStringLiteral("G01 Z-20."), QStringLiteral("G01 Z-30.")); },
         [] { g_frmReplace->NextFind->click(); }},
    };
    for (const auto &d : dialogs) {
        RichTextPane *pane = OpenDocument(text);
        QWidget *dialog = d.open();
        ASSERT_TRUE(ActivateWindow(dialog)) << d.what;
        d.find();
        QApplication::processEvents();
        ASSERT_EQ(Selection(pane), std::make_pair(21, 9)) << d.what;
        ASSERT_FALSE(pane->hasFocus()) << d.what;
        const LineLook match = LookOfLine(*pane, 1, false);
        EXPECT_TRUE(match.shown) << d.what;
        EXPECT_GT(match.bandPixels, 0) << d.what;
        EXPECT_GT(match.darkPixels, 20) << d.what;
        EXPECT_EQ(LookOfLine(*pane, 0, false).bandPixels, 0) << d.what;
        dialog->close();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

TEST_F(SearchDialogsTest, ReplaceOfAMissingTextChangesNothing) {
    RichTextPane *pane = OpenDocument("G00 X1");
    frmReplace *r = OpenReplace("Q", "R");
    r->Change->click();
    EXPECT_EQ(Prompts(), QStringList({"\"Q\" 見つかりませんでした。"}));
    EXPECT_EQ(pane->Text(), "G00 X1");
}

TEST_F(SearchDialogsTest, SkipLeavesTheFirstPressFlag) {
    RichTextPane *pane = OpenDocument("A A A");
    frmReplace *r = OpenReplace("A", "B");
    r->NextFind->click();
    EXPECT_EQ(Selection(pane), std::make_pair(0, 1));
    r->Change->click();  // still the first change press: only finds
    EXPECT_EQ(pane->Text(), "A A A");
    EXPECT_EQ(Selection(pane), std::make_pair(2, 1));
    r->Change->click();
    EXPECT_EQ(pane->Text(), "A B A");
}

TEST_F(SearchDialogsTest, ReplaceAllCases) {
    const struct {
        const char *text, *what, *with, *expected, *message;
    } cases[] = {
        {"ABAB", "AB", "X", "XX", "2 回 変更しました。"},
        {"XX", "X", "XX", "XXXX", "2 回 変更しました。"},
        {"G00 X1\r\nG00 X2\r\n", "G00 ", "", "X1\r\nX2\r\n", "2 回 変更しました。"},
        {"(荒加工)\r\nG00", "荒", "仕上", "(仕上加工)\r\nG00", "1 回 変更しました。"},
        {"G00", "Q", "R", "G00", "\"Q\" 見つかりませんでした。"},
    };
    for (const auto &c : cases) {
        RichTextPane *pane = OpenDocument(QString::fromUtf8(c.text));
        m_msgBoxes.clear();
        frmReplace *r = OpenReplace(QString::fromUtf8(c.what), QString::fromUtf8(c.with));
        r->AllChange->click();
        EXPECT_EQ(pane->Text(), QString::fromUtf8(c.expected)) << c.text;
        EXPECT_EQ(Prompts(), QStringList({QString::fromUtf8(c.message)})) << c.text;
        EXPECT_TRUE(r->Check1->isChecked());
        EXPECT_EQ(g_HitCount, 0);
        g_Documents[g_CurrentDocument]->parentWidget()->close();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

TEST_F(SearchDialogsTest, ReplaceAllIsOneUndoableEdit) {
    // Each match was written into the pane on its own, so one undo took back only the last.
    RichTextPane *pane = OpenDocument("A1 A2 A3 A4");
    OpenReplace("A", "BB")->AllChange->click();
    EXPECT_EQ(pane->Text(), "BB1 BB2 BB3 BB4");
    pane->undo();
    EXPECT_EQ(pane->Text(), "A1 A2 A3 A4");
}

TEST_F(SearchDialogsTest, ReplaceAllStartsAtTheSelectedMatch) {
    // The sweep started two characters before the remembered position and missed a match found at position 0.
    RichTextPane *pane = OpenDocument("A A A");
    frmReplace *r = OpenReplace("A", "B");
    r->Change->click();
    ASSERT_EQ(Selection(pane), std::make_pair(0, 1));
    r->AllChange->click();
    EXPECT_EQ(pane->Text(), "B B B");
    EXPECT_EQ(Prompts(), QStringList({"3 回 変更しました。"}));
}

TEST_F(SearchDialogsTest, CountsBeyondSixteenBits) {
    // The counter was a 16-bit number: the 32768th replacement overflowed.
    QString text;
    for (int i = 0; i < 40000; ++i) text += QStringLiteral("A ");
    RichTextPane *pane = OpenDocument(text);
    OpenReplace("A", "B")->AllChange->click();
    EXPECT_EQ(Prompts(), QStringList({"40000 回 変更しました。"}));
    EXPECT_FALSE(pane->Text().contains(u'A'));
}

TEST_F(SearchDialogsTest, TextTypedBetweenPressesIsKept) {
    // The press wrote back the snapshot taken when the dialog opened, losing what was typed since.
    RichTextPane *pane = OpenDocument("A1 A2\r\n");
    frmReplace *r = OpenReplace("A", "B");
    r->Change->click();
    ASSERT_EQ(Selection(pane), std::make_pair(0, 1));
    QTextCursor typing(pane->document());
    typing.movePosition(QTextCursor::End);
    typing.insertText(QStringLiteral("G00 X10 (追加)"));
    r->Change->click();
    EXPECT_EQ(pane->Text(), "B1 A2\r\nG00 X10 (追加)");
    r->AllChange->click();
    EXPECT_EQ(pane->Text(), "B1 B2\r\nG00 X10 (追加)");
}

TEST_F(SearchDialogsTest, APressAfterAClickIntoAnotherDocumentWorksThere) {
    // The other document's text was replaced by the first document's snapshot.
    RichTextPane *first = OpenDocument("A1 A2");
    frmReplace *r = OpenReplace("A", "B");
    r->Change->click();
    RichTextPane *second = OpenDocument("X A9\r\nA8");  // now the current document
    r->Change->click();  // nothing selected here yet: only finds
    EXPECT_EQ(second->Text(), "X A9\r\nA8");
    EXPECT_EQ(Selection(second), std::make_pair(2, 1));
    r->Change->click();
    EXPECT_EQ(second->Text(), "X B9\r\nA8");
    EXPECT_EQ(first->Text(), "A1 A2");
}

TEST_F(SearchDialogsTest, ReplaceOnlyWhenTheSelectionIsTheSearchText) {
    // Whatever was selected was overwritten by the replacement.
    RichTextPane *pane = OpenDocument("A1 Z2 A3");
    frmReplace *r = OpenReplace("A", "B");
    r->Change->click();
    pane->Select(3, 2);  // the user selects "Z2"
    r->Change->click();
    EXPECT_EQ(pane->Text(), "A1 Z2 A3");
    EXPECT_EQ(Selection(pane), std::make_pair(6, 1));
}

TEST_F(SearchDialogsTest, ButtonsDoNothingWithoutADocument) {
    // The presses raised error 91 when no document was open.
    OpenDocument("A1");
    OpenFind("A");
    OpenReplace("A", "B");
    g_Documents[1]->parentWidget()->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_FALSE(g_DocumentInUse[1]);
    g_frmFind->NextFind->click();
    for (QPushButton *b : {g_frmReplace->Change, g_frmReplace->Change, g_frmReplace->NextFind, g_frmReplace->AllChange})
        b->click();
    EXPECT_TRUE(m_msgBoxes.empty());
    mnuSearchNextFind_Click();
    EXPECT_TRUE(m_msgBoxes.empty());
}

TEST_F(SearchDialogsTest, EachDialogSearchesForItsOwnText) {
    // Typing into one dialog's box changed what the other dialog searched for.
    RichTextPane *pane = OpenDocument("X1 G01 X2");
    frmFind *f = OpenFind("G01");
    OpenReplace("X", "U");
    f->NextFind->click();
    EXPECT_EQ(pane->SelText(), "G01");
}

TEST_F(SearchDialogsTest, CancelUnloadsAndTheNextOpeningStartsFresh) {
    OpenDocument("A1 A2");
    frmReplace *r = OpenReplace("A", "B");
    r->Check1->setChecked(false);
    r->Cancel->click();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(g_frmReplace);
    mnuSearchReplace_Click();
    ASSERT_TRUE(g_frmReplace);
    EXPECT_TRUE(g_frmReplace->Check1->isChecked());
    EXPECT_EQ(g_frmReplace->txtFind->text(), "");
    for (QPushButton *b : {g_frmReplace->Change, g_frmReplace->NextFind, g_frmReplace->AllChange})
        EXPECT_FALSE(b->isEnabled());
}

}  // namespace
}  // namespace brennvik
