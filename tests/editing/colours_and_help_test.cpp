// Colouring the focused pane and back to black, and the help entries.
#include "editing_fixture.h"

#include "editing/document_compare.h"
#include "workspace/frmMain.h"
#include "workspace/workspace_state.h"

#include <QMenu>

namespace brennvik {
namespace {

constexpr int kBlue = 0xFF0000;
constexpr int kRed = 255;

class ColoursTest : public EditingFixture {
protected:
    // Each character's colour: "b" blue, "r" red, "." black.
    static QString Colours(RichTextPane *pane) {
        const QString text = pane->Text();
        QString out;
        for (int i = 0; i < text.size(); ++i) {
            if (text[i] == u'\r' || text[i] == u'\n') continue;
            pane->Select(i, 1);
            const int c = pane->SelColor();
            out += c == kBlue ? u'b' : c == kRed ? u'r' : c == 0 ? u'.' : u'?';
        }
        return out;
    }
};

TEST_F(ColoursTest, IdentifyingTurnsAllButDigitsBlueAndLeavesTheCaretAndTheDocument) {
    RichTextPane *pane = OpenDocument("X-12.5\r\nG01 Z3");
    pane->Select(2, 0);
    m_main->RunCommand(QStringLiteral("mnuColor"));
    EXPECT_EQ(Colours(pane), "bb..b.b..bb.");
    EXPECT_EQ(g_CaretPos, 2);
    EXPECT_FALSE(pane->DataChanged());
    EXPECT_EQ(pane->Text(), "X-12.5\r\nG01 Z3");
}

TEST_F(ColoursTest, CaretStaysWhereItWasWithNothingSelected) {
    RichTextPane *pane = OpenDocument("G01 X10\r\nZ5");
    pane->Select(9, 0);
    m_main->RunCommand(QStringLiteral("mnuColor"));
    EXPECT_EQ(pane->SelStart(), 9);
    EXPECT_EQ(pane->SelLength(), 0);
}

TEST_F(ColoursTest, PaneBIsColouredAloneAndBlackCoversItsWholeText) {
    OpenDocument("G00 X1\r\n");
    frmDocument *doc = g_Documents[1];
    g_DocumentSplit[1] = true;
    doc->Form_Resize();
    doc->txtTextB->LoadText(QStringLiteral("N1 G01 X20 Z-5\r\nM05"));
    doc->txtText->SetDataChanged(false);
    doc->txtTextB_GotFocus();  // the user clicks into pane B
    ASSERT_EQ(doc->ActivePane(), doc->txtTextB);
    m_main->RunCommand(QStringLiteral("mnuColor"));
    EXPECT_EQ(Colours(doc->txtText), "......");
    EXPECT_EQ(Colours(doc->txtTextB), "b.bb..bb..bbb.b..");
    doc->txtTextB->Select(3, 0);
    m_main->RunCommand(QStringLiteral("mnuColorBlack"));
    EXPECT_EQ(doc->txtTextB->SelStart(), 0);
    EXPECT_EQ(doc->txtTextB->SelLength(), 0);
    EXPECT_EQ(Colours(doc->txtTextB), ".................");
    EXPECT_FALSE(doc->txtText->DataChanged());
}

TEST_F(ColoursTest, BlackRemovesTheComparisonMarksOfTheFocusedDocumentOnly) {
    RichTextPane *first = OpenDocument("A\r\n");
    RichTextPane *second = OpenDocument("B\r\n");
    m_msgBoxAnswer = [](const MsgBoxCall &) { return int(vbYes); };
    m_main->RunCommand(QStringLiteral("mnuToolCompe"));
    ASSERT_EQ(Colours(first), "r");
    ASSERT_EQ(Colours(second), "r");
    m_main->RunCommand(QStringLiteral("mnuColorBlack"));
    EXPECT_EQ(Colours(second), ".");
    EXPECT_EQ(Colours(first), "r");
}

TEST_F(ColoursTest, HelpEntriesStandInOrderAndOpenTheirFiles) {
    QStringList entries;
    for (QAction *a : m_main->mnuHelp->actions())
        if (!a->isSeparator()) entries << a->objectName();
    EXPECT_EQ(entries, QStringList({"GcodeHelp", "McodeHelp", "VariableHelp", "MnemonicHelp", "mnuHelpAbout"}));
    const struct {
        const char *entry, *caption, *file;
    } rows[] = {{"GcodeHelp", "G コード", "G-code.hlp"},
                {"McodeHelp", "M コード", "M-code.hlp"},
                {"VariableHelp", "システム変数", "Variable.hlp"},
                {"MnemonicHelp", "ニーモニック", "Mnemonic.hlp"}};
    // No help files ship beside the tests: each entry names the one it looked for.
    for (const auto &r : rows) {
        m_msgBoxes.clear();
        EXPECT_EQ(m_main->Entry(r.entry)->text(), QString::fromUtf8(r.caption));
        m_main->RunCommand(QString::fromLatin1(r.entry));
        ASSERT_EQ(Prompts().size(), 1u) << r.entry;
        EXPECT_EQ(Prompts()[0], JoinPath(ApplicationFolder(), QStringLiteral("help/") + r.file) +
                                    QStringLiteral("\r\nヘルプファイルが見つかりません。"));
    }
}

}  // namespace
}  // namespace brennvik
