#include "editing_fixture.h"

#include "editing/editing_commands.h"
#include "editing/frmNumberArrange.h"
#include "workspace/frmMain.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextCursor>

namespace brennvik {
namespace {

class NumberArrangeDialogTest : public EditingFixture {
protected:
    frmNumberArrange *Open() {
        mnuToolsNumberArrange_Click();
        return g_frmNumberArrange;
    }
    static void Unload() { QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
};

const char *const kProgram =
    "O1234\r\n(外径荒加工)\r\nG50 S2000\r\nNT01 G00 X100\r\nN5 G01 X50\r\n     Z-10\r\n/G00 X200\r\nNCYL X80\r\n"
    "M02\r\nG00 X300\r\n";

TEST_F(NumberArrangeDialogTest, DesignStateAndStoredChoices) {
    OpenDocument("G00");
    frmNumberArrange *d = Open();
    ASSERT_TRUE(d);
    EXPECT_EQ(d->windowTitle(), "シーケンスナンバーアレンジ");
    EXPECT_EQ(d->DigitNo->text(), "3");
    EXPECT_EQ(d->StartNo->text(), "1");
    EXPECT_EQ(d->AddNo->text(), "1");
    EXPECT_TRUE(d->With5Space->isChecked());
    for (QCheckBox *c : {d->FromTop, d->StopM02, d->Continue, d->NoDelete, d->BSkip}) EXPECT_FALSE(c->isChecked());
    d->Cancel->click();
    Unload();
    EXPECT_FALSE(g_frmNumberArrange);

    WriteSettingsFile("[Settings]\nSpaceN=0\nDigitN=4\nBDEL=1\n");
    d = Open();
    EXPECT_TRUE(d->WithoutSpace->isChecked());
    EXPECT_EQ(d->DigitNo->text(), "4");
    EXPECT_TRUE(d->BSkip->isChecked());
}

TEST_F(NumberArrangeDialogTest, RunFromTheTopWritesOnceAndStoresTheChoices) {
    RichTextPane *pane = OpenDocument(QString::fromUtf8(kProgram));
    frmNumberArrange *d = Open();
    d->StartNo->setText("10");
    d->AddNo->setText("10");
    d->With1Space->setChecked(true);
    d->FromTop->setChecked(true);
    d->Command1->click();
    EXPECT_EQ(pane->Text(), QString::fromUtf8("O1234\r\n(外径荒加工)\r\nN010 G50 S2000\r\nNT01 G00 X100\r\n"
                                              "N030 G01 X50\r\nN040 Z-10\r\nN050 /G00 X200\r\nN060 NCYL X80\r\n"
                                              "N070 M02\r\nN010 G00 X300\r\n"));
    EXPECT_EQ(pane->SelStart(), pane->Text().size());
    Unload();
    EXPECT_FALSE(g_frmNumberArrange);
    EXPECT_EQ(StoredSetting("Settings", "DigitN"), "3");
    EXPECT_EQ(StoredSetting("Settings", "BDEL"), "0");
    EXPECT_EQ(StoredSetting("Settings", "SpaceN"), "1");
    pane->undo();
    EXPECT_EQ(pane->Text(), QString::fromUtf8(kProgram));
}

const char kStartOrStep[] =
    "開始番号と番号の加算量は、番号が 9223372036854775807 を超えない 0 以上の整数を入力してください。";

TEST_F(NumberArrangeDialogTest, BoxesAreCheckedBeforeAnythingChanges) {
    // The boxes were read leniently: "99999" digits overflowed, "-1" or "1.5" wrote broken numbers.
    const struct {
        const char *digits, *start, *step, *message;
    } cases[] = {
        {"0", "1", "1", "番号の桁数は 1 から 9 までの整数を入力してください。"},
        {"10", "1", "1", "番号の桁数は 1 から 9 までの整数を入力してください。"},
        {"99999", "1", "1", "番号の桁数は 1 から 9 までの整数を入力してください。"},
        {"0.4", "1", "1", "番号の桁数は 1 から 9 までの整数を入力してください。"},
        {"9.6", "1", "1", "番号の桁数は 1 から 9 までの整数を入力してください。"},
        {"abc", "1", "1", "番号の桁数は 1 から 9 までの整数を入力してください。"},
        {"3", "-1", "1", kStartOrStep},
        {"3", "1.5", "1", kStartOrStep},
        {"3", "", "1", kStartOrStep},
        {"3", "1", "x", kStartOrStep},
        {"3", "9223372036854775808", "1", kStartOrStep},
        {"3", "1", "1e300", kStartOrStep},
        // The second line's number would be beyond the largest.
        {"3", "9223372036854775807", "1", kStartOrStep},
    };
    RichTextPane *pane = OpenDocument("G00\r\nG01\r\n");
    frmNumberArrange *d = Open();
    d->FromTop->setChecked(true);
    for (const auto &c : cases) {
        m_msgBoxes.clear();
        d->DigitNo->setText(c.digits);
        d->StartNo->setText(c.start);
        d->AddNo->setText(c.step);
        d->Command1->click();
        EXPECT_EQ(Prompts(), QStringList({QString::fromUtf8(c.message)})) << c.digits << c.start << c.step;
        EXPECT_EQ(pane->Text(), "G00\r\nG01\r\n");
        EXPECT_TRUE(g_frmNumberArrange);
    }
    EXPECT_TRUE(StoredSetting("Settings", "DigitN").isNull());
}

// Start and step were refused beyond 999999999, although larger numbers
// count exactly; and in deleting mode, where the boxes are disabled.
TEST_F(NumberArrangeDialogTest, LargeNumbersAndDeletingTakeWhatTheRunUses) {
    const struct {
        const char *start, *step;
        bool deleting;
        const char *result;
    } cases[] = {
        {"1000000000", "10", false, "N1000000000 G00\r\nN1000000010 G01\r\n"},
        {"9223372036854775806", "1", false, "N9223372036854775806 G00\r\nN9223372036854775807 G01\r\n"},
        {"1e3", "10.0", false, "N1000 G00\r\nN1010 G01\r\n"},
        {"-5", "x", true, "G00\r\n G01\r\n"},
    };
    for (const auto &c : cases) {
        RichTextPane *pane = OpenDocument("N7 G00\r\nG01\r\n");
        frmNumberArrange *d = Open();
        d->FromTop->setChecked(true);
        d->With1Space->setChecked(true);
        d->StartNo->setText(c.start);
        d->AddNo->setText(c.step);
        if (c.deleting) {
            d->DigitNo->setText("x");
            d->NoDelete->setChecked(true);
        }
        m_msgBoxes.clear();
        d->Command1->click();
        EXPECT_TRUE(m_msgBoxes.empty()) << c.start;
        EXPECT_EQ(pane->Text(), c.result) << c.start;
        Unload();
    }
    EXPECT_EQ(StoredSetting("Settings", "DigitN"), "3") << "a digit count not read keeps the stored one";
}

TEST_F(NumberArrangeDialogTest, FractionalDigitCountIsTakenToAWholeNumber) {
    RichTextPane *pane = OpenDocument("G00\r\n");
    frmNumberArrange *d = Open();
    d->DigitNo->setText("3.4");
    d->FromTop->setChecked(true);
    d->Command1->click();
    EXPECT_EQ(pane->Text(), "N001 G00\r\n");
    EXPECT_TRUE(m_msgBoxes.empty());
    EXPECT_EQ(StoredSetting("Settings", "DigitN"), "3");
}

TEST_F(NumberArrangeDialogTest, FromTheCaretOfTheFocusedPane) {
    // The caret was taken from pane A even when pane B had the focus.
    RichTextPane *a = OpenDocument("G10\r\nG11\r\nG12");
    frmDocument *doc = g_Documents[g_CurrentDocument];
    RichTextPane *b = doc->txtTextB;
    b->LoadText("G00\r\nG01\r\nG02\r\nG03");
    emit b->GotFocus();
    a->SetSelStart(0);
    b->SetSelStart(6);
    frmNumberArrange *d = Open();
    d->Command1->click();
    EXPECT_EQ(b->Text(), "G00\r\nG01\r\nN001 G02\r\nN002 G03");
    EXPECT_EQ(a->Text(), "G10\r\nG11\r\nG12");
}

TEST_F(NumberArrangeDialogTest, TextTypedWhileTheDialogIsOpenIsNumberedToo) {
    // The run numbered the snapshot taken when the dialog opened and wrote it over the typing.
    RichTextPane *pane = OpenDocument("G00\r\n");
    frmNumberArrange *d = Open();
    QTextCursor typing(pane->document());
    typing.movePosition(QTextCursor::End);
    typing.insertText(QStringLiteral("G01 X10 (追加)"));
    d->FromTop->setChecked(true);
    d->Command1->click();
    EXPECT_EQ(pane->Text(), "N001 G00\r\nN002 G01 X10 (追加)");
}

TEST_F(NumberArrangeDialogTest, SmallHandlers) {
    OpenDocument("G00");
    frmNumberArrange *d = Open();
    d->NoDelete->setChecked(true);
    for (QLineEdit *b : {d->DigitNo, d->StartNo, d->AddNo}) EXPECT_FALSE(b->isEnabled());
    d->NoDelete->setChecked(false);
    for (QLineEdit *b : {d->DigitNo, d->StartNo, d->AddNo}) EXPECT_TRUE(b->isEnabled());
    d->StopM02->setChecked(true);
    EXPECT_FALSE(d->Continue->isEnabled());
    d->StopM02->setChecked(false);
    EXPECT_TRUE(d->Continue->isEnabled());
}

TEST_F(NumberArrangeDialogTest, MCheckReadsTheRunState) {
    OpenDocument("G00");
    frmNumberArrange *d = Open();
    g_SearchSubject = QStringLiteral("N010 M02\r\nG00\r\nN020 M25 M2\r\n");
    g_CaretPos = 0;
    g_LineEndPos = 10;
    EXPECT_TRUE(d->MCheck("M02"));
    EXPECT_FALSE(d->MCheck("M30"));
    g_CaretPos = 15;
    g_LineEndPos = 28;
    EXPECT_FALSE(d->MCheck("M2"));
    g_LineEndPos = 0;
    EXPECT_FALSE(d->MCheck("M02"));
}

TEST_F(NumberArrangeDialogTest, RunDoesNothingWithoutADocument) {
    OpenDocument("G00");
    frmNumberArrange *d = Open();
    g_Documents[1]->parentWidget()->close();
    Unload();
    d->Command1->click();
    EXPECT_TRUE(m_msgBoxes.empty());
    EXPECT_TRUE(g_frmNumberArrange);
}

}  // namespace
}  // namespace brennvik
