#include "editing_fixture.h"

#include "editing/editing_commands.h"
#include "editing/frmSizeShift.h"
#include "workspace/frmMain.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextCursor>

namespace brennvik {
namespace {

class SizeShiftDialogTest : public EditingFixture {
protected:
    frmSizeShift *Open(const QString &address, const QString &formula) {
        mnuToolsSizeShift_Click();
        g_frmSizeShift->txtFind->setText(address);
        g_frmSizeShift->txtValue->setText(formula);
        return g_frmSizeShift;
    }
};

TEST_F(SizeShiftDialogTest, OpensWithTheSelectedAddressAndNeedsBothBoxes) {
    RichTextPane *pane = OpenDocument("G00 SB=100");
    pane->Select(4, 2);
    mnuToolsSizeShift_Click();
    frmSizeShift *d = g_frmSizeShift;
    ASSERT_TRUE(d);
    EXPECT_EQ(d->windowTitle(), "計算によるデータの変更");
    EXPECT_EQ(d->txtFind->text(), "SB");
    EXPECT_TRUE(d->Option1->isChecked());
    EXPECT_TRUE(d->Check1->isChecked());
    EXPECT_FALSE(d->Change->isEnabled());
    d->txtValue->setText("-10");
    EXPECT_TRUE(d->Change->isEnabled());
    EXPECT_TRUE(d->Change->isDefault());
    d->AllChange->click();
    EXPECT_EQ(pane->Text(), "G00 SB=90");
}

TEST_F(SizeShiftDialogTest, ChangePressesFindThenRewriteOneByOne) {
    RichTextPane *pane = OpenDocument("X50 Z10\r\n(外径)X60\r\n");
    frmSizeShift *d = Open("X", "100");
    d->Change->click();
    EXPECT_EQ(pane->Text(), "X50 Z10\r\n(外径)X60\r\n");
    EXPECT_EQ(pane->SelStart(), 0);
    d->Change->click();
    EXPECT_EQ(pane->Text(), "X150 Z10\r\n(外径)X60\r\n");
    EXPECT_EQ(pane->SelStart(), 14);
    d->Change->click();
    EXPECT_EQ(pane->Text(), "X150 Z10\r\n(外径)X160\r\n");
    EXPECT_EQ(Prompts(), QStringList({"2 回 データを変更しました."}));
    EXPECT_EQ(m_msgBoxes[0].title, "データ変更");
    EXPECT_TRUE(d->Check1->isChecked());
}

TEST_F(SizeShiftDialogTest, AllChangeInEachFormat) {
    const struct {
        QRadioButton *frmSizeShift::*option;
        const char *expected;
    } cases[] = {
        {&frmSizeShift::Option1, "Z-10 X5\r\nZ-8"},
        {&frmSizeShift::Option2, "Z-10. X5\r\nZ-8."},
        {&frmSizeShift::Option3, "Z-10.0 X5\r\nZ-8.0"},
        {&frmSizeShift::Option4, "Z-10 X5\r\nZ-08"},
    };
    for (const auto &c : cases) {
        RichTextPane *pane = OpenDocument("Z-12.5 X5\r\nZ-10");
        m_msgBoxes.clear();
        frmSizeShift *d = Open("Z", "*0.8");
        (d->*c.option)->setChecked(true);
        d->AllChange->click();
        EXPECT_EQ(pane->Text(), QString::fromUtf8(c.expected));
        EXPECT_EQ(Prompts(), QStringList({"2 回変更しました。"}));
        EXPECT_EQ(m_msgBoxes[0].title, "計算による変更");
        g_Documents[g_CurrentDocument]->parentWidget()->close();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

TEST_F(SizeShiftDialogTest, AddressesWithoutNumbersEndWithTheQuotedAddress) {
    OpenDocument("S SB=1");
    Open("S", "5")->NextFind->click();
    Open("S", "5")->AllChange->click();
    Open("Q", "5")->NextFind->click();
    EXPECT_EQ(Prompts(), QStringList({"\"S\" 見つかりません。", "\"Q\" 見つかりません。"}));
}

TEST_F(SizeShiftDialogTest, DivisionByZeroIsRefusedBeforeAnythingChanges) {
    // "/0" was not guarded: the run wrote values that were no numbers.
    RichTextPane *pane = OpenDocument("X10 X20");
    frmSizeShift *d = Open("X", "/0");
    d->Change->click();
    d->Change->click();
    d->AllChange->click();
    EXPECT_EQ(pane->Text(), "X10 X20");
    EXPECT_EQ(Prompts(), QStringList(3, "０で割ることはできません。"));
    EXPECT_EQ(pane->SelLength(), 0);
}

TEST_F(SizeShiftDialogTest, AFormulaThatIsNoNumberIsRefused) {
    // Such a formula read as 0, so "*x" wrote zeros over every value.
    RichTextPane *pane = OpenDocument("X10 X20");
    Open("X", "*x")->AllChange->click();
    EXPECT_EQ(pane->Text(), "X10 X20");
    EXPECT_EQ(Prompts(), QStringList({"計算式が正しくありません。(+,-,*,/と数値のみ)"}));
}

TEST_F(SizeShiftDialogTest, AnAddressOfDigitsEnds) {
    // The search resumed inside the new number and rewrote it again without end.
    RichTextPane *pane = OpenDocument("1 5\r\n1 7");
    frmSizeShift *d = Open("1", "100");
    d->AllChange->click();
    EXPECT_EQ(pane->Text(), "1105\r\n1107");
    d->Check1->setChecked(true);
    d->Change->click();
    d->Change->click();
    d->Change->click();
    EXPECT_EQ(pane->Text(), "1205\r\n1207");
}

TEST_F(SizeShiftDialogTest, RewritesOnlyWhereTheSelectionIsTheAddress) {
    // The number after whatever was selected was rewritten, with the address written over it.
    RichTextPane *pane = OpenDocument("X50 Z10\r\nX60");
    frmSizeShift *d = Open("X", "100");
    d->Change->click();
    pane->Select(4, 1);  // the user selects "Z"
    d->Change->click();
    EXPECT_EQ(pane->Text(), "X50 Z10\r\nX60");
    EXPECT_EQ(pane->SelStart(), 9);
}

TEST_F(SizeShiftDialogTest, TextTypedWhileTheDialogIsOpenIsKept) {
    // The run wrote back the snapshot taken when the dialog opened.
    RichTextPane *pane = OpenDocument("X10\r\n");
    frmSizeShift *d = Open("X", "5");
    QTextCursor typing(pane->document());
    typing.movePosition(QTextCursor::End);
    typing.insertText(QStringLiteral("X20 (追加)"));
    d->AllChange->click();
    EXPECT_EQ(pane->Text(), "X15\r\nX25 (追加)");
}

TEST_F(SizeShiftDialogTest, ButtonsDoNothingWithoutADocument) {
    // The presses raised error 91 when no document was open.
    OpenDocument("X10");
    frmSizeShift *d = Open("X", "5");
    g_Documents[1]->parentWidget()->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (QPushButton *b : {d->Change, d->Change, d->NextFind, d->AllChange}) b->click();
    EXPECT_TRUE(m_msgBoxes.empty());
}

TEST_F(SizeShiftDialogTest, EnterMovesThroughTheBoxes) {
    OpenDocument("X1");
    frmSizeShift *d = Open("X", "");
    QTest::keyClick(d->txtFind, Qt::Key_Return);
    EXPECT_EQ(d->focusWidget(), d->txtValue);
    QTest::keyClick(d->txtValue, Qt::Key_Return);
    EXPECT_EQ(d->focusWidget(), d->txtFind);
    d->txtValue->setText("1");
    QTest::keyClick(d->txtValue, Qt::Key_Return);
    EXPECT_EQ(d->focusWidget(), d->Change);
}

}  // namespace
}  // namespace brennvik
