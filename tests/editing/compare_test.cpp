// Comparing the current document with the others: the messages in their
// order, the refusals, and the red marks left in the panes.
#include "editing_fixture.h"

#include "support/dialog_helpers.h"
#include "support/pane_pixels.h"

#include "editing/document_compare.h"
#include "workspace/frmMain.h"

namespace brennvik {
namespace {

const QString kTitle = QStringLiteral("ファイルの比較");

QString Difference(const QString &current, const QString &other) {
    return QStringLiteral("違いのある行\n") + current + u'\n' + other + QStringLiteral("\r\n続いて比較しますか？");
}
const QString kDone = QStringLiteral("全ての行を比較しました。");

class CompareTest : public EditingFixture {
protected:
    // Documents in slots 1, 2, ... holding these texts; `current` is the current slot.
    void Open(const QStringList &texts, int current) {
        for (const QString &t : texts) OpenDocument(t);
        g_CurrentDocument = int16_t(current);
    }
    // The lines of a document's pane that are red from their first to their last character.
    static QList<int> RedLines(int slot) {
        RichTextPane *pane = g_Documents[slot]->txtText;
        QList<int> red;
        const QList<DocumentLine> lines = DocumentLines(pane->Text());
        for (int k = 0; k < lines.size(); ++k) {
            pane->Select(lines[k].start, int(lines[k].text.size()));
            if (!lines[k].text.isEmpty() && pane->SelColor() == 255) red << k;
        }
        return red;
    }
};

struct CompareCase {
    const char *name;
    QStringList texts;
    int current;
    QStringList prompts;
    QList<QList<int>> redLines;  // per slot
};

class CompareCases : public CompareTest, public ::testing::WithParamInterface<CompareCase> {};

TEST_P(CompareCases, MessagesAndMarks) {
    const CompareCase &c = GetParam();
    Open(c.texts, c.current);
    m_msgBoxAnswer = [](const MsgBoxCall &) { return int(vbYes); };
    m_main->RunCommand(QStringLiteral("mnuToolCompe"));
    EXPECT_EQ(Prompts(), c.prompts);
    for (const MsgBoxCall &call : m_msgBoxes) {
        EXPECT_EQ(call.title, kTitle);
        EXPECT_EQ(call.buttons, call.prompt.startsWith(kDone) ? vbOKOnly : (vbYesNo | vbQuestion));
    }
    for (int slot = 1; slot <= c.texts.size(); ++slot) {
        EXPECT_EQ(RedLines(slot), c.redLines[slot - 1]) << "slot " << slot;
        // Marks are colour only: the text and its saved state stay.
        EXPECT_EQ(g_Documents[slot]->txtText->Text(), c.texts[slot - 1]);
        EXPECT_FALSE(g_Documents[slot]->txtText->DataChanged());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Documents, CompareCases,
    ::testing::Values(
        CompareCase{"IdenticalDocumentsOnlyFinish", {"G00\r\nX1\r\n", "G00\r\nX1\r\n"}, 2, {kDone}, {{}, {}}},
        CompareCase{"FirstLineDiffers",
                    {"G00\r\nX1\r\n", "G01\r\nX1\r\n"}, 1, {Difference("G00", "G01"), kDone}, {{0}, {0}}},
        CompareCase{"TrailingBlankAndLetterCaseCount",
                    {"X1 \r\nx2\r\n", "X1\r\nX2\r\n"}, 1,
                    {Difference("X1 ", "X1"), Difference("x2", "X2"), kDone}, {{0, 1}, {0, 1}}},
        CompareCase{"LastLineWithoutLineEndIsCompared",
                    {"A\r\nB", "A\r\nC"}, 1, {Difference("B", "C"), kDone}, {{1}, {1}}},
        CompareCase{"ShorterCurrentDocumentSaysTheLineCountsDiffer",
                    {"A\r\n", "A\r\nB\r\nC\r\n"}, 1,
                    {kDone + QStringLiteral("\r\n行数が違います。\r\n[無題 1] 1 行\r\n[無題 2] 3 行")}, {{}, {}}},
        CompareCase{"LongerCurrentDocumentComparesItsExtraLinesWithNothing",
                    {"A\r\nX\r\nB\r\n", "A\r\nY\r\n"}, 1,
                    {Difference("X", "Y"), kDone + QStringLiteral("\r\n行数が違います。\r\n[無題 1] 3 行\r\n[無題 2] 2 行")},
                    {{1}, {1}}},
        CompareCase{"EachLineGoesToTheOtherSlotsInOrder",
                    {"A1\r\nB1\r\n", "A2\r\nB2\r\n", "A3\r\nB2\r\n"}, 2,
                    {Difference("A2", "A1"), Difference("A2", "A3"), Difference("B2", "B1"), kDone},
                    {{0, 1}, {0, 1}, {0}}}),
    [](const ::testing::TestParamInfo<CompareCase> &info) { return std::string(info.param.name); });

TEST_F(CompareTest, NoStopsAtOnceAndKeepsTheMarksMadeSoFar) {
    Open({"A1\r\nB1\r\n", "A2\r\nB2\r\n", "A3\r\nB3\r\n"}, 2);
    int asked = 0;
    m_msgBoxAnswer = [&asked](const MsgBoxCall &) { return ++asked == 2 ? int(vbNo) : int(vbYes); };
    m_main->RunCommand(QStringLiteral("mnuToolCompe"));
    EXPECT_EQ(Prompts(), QStringList({Difference("A2", "A1"), Difference("A2", "A3")}));
    EXPECT_EQ(RedLines(1), QList<int>{0});
    EXPECT_EQ(RedLines(2), QList<int>{0});
    EXPECT_EQ(RedLines(3), QList<int>{0});
}

// The selection's highlight painted over the red: while the question was
// open neither line looked red, and after the command the last pair stayed
// black until the user clicked into the pane.
TEST_F(CompareTest, BothLinesShowRedAndSelectedWhileAskedAndAfterwards) {
    QStringList current, other;
    for (int k = 0; k < 60; ++k) current << QStringLiteral("N%1 G01 X%2").arg(k, 4, 10, QChar(u'0')).arg(k);
    other = current;
    const QList<int> differing = {40, 55};
    for (int k : differing) other[k] += QStringLiteral(" Z-5.");
    Open({current.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"),
          other.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")},
         1);
    RichTextPane *panes[] = {g_Documents[1]->txtText, g_Documents[2]->txtText};
    ASSERT_EQ(LookOfLine(*panes[0], 40, false).shown, false) << "the line lies below the visible part at first";
    // The command runs from the current document's pane, which has the focus
    // again once the command is over.
    ASSERT_TRUE(ActivateWindow(m_main));
    panes[0]->setFocus();
    ASSERT_TRUE(panes[0]->hasFocus());

    // Both panes as the user sees them while the question is open.
    auto expectShownRedAndSelected = [&panes](int line, const char *when) {
        for (RichTextPane *pane : panes) {
            const LineLook look = LookOfLine(*pane, line, pane->hasFocus());
            EXPECT_TRUE(look.shown) << when << " line " << line;
            EXPECT_GT(look.redPixels, 20) << when << " line " << line;
            EXPECT_EQ(look.darkPixels, 0) << when << " line " << line;
            EXPECT_GT(look.bandPixels, 0) << when << " line " << line;
        }
    };
    int asked = 0;
    m_msgBoxAnswer = [&](const MsgBoxCall &call) {
        if (call.buttons & vbQuestion) expectShownRedAndSelected(differing[asked++], "asked");
        return int(vbYes);
    };
    m_main->RunCommand(QStringLiteral("mnuToolCompe"));
    EXPECT_EQ(asked, 2);
    expectShownRedAndSelected(55, "afterwards");
    EXPECT_EQ(panes[0]->SelText(), current[55]);
    EXPECT_EQ(panes[1]->SelText(), other[55]);
    // The pair asked about before stays red, without the band.
    for (RichTextPane *pane : panes) {
        const LineLook earlier = LookOfLine(*pane, 40, pane->hasFocus());
        if (!earlier.shown) continue;
        EXPECT_GT(earlier.redPixels, 20);
        EXPECT_EQ(earlier.bandPixels, 0);
    }
}

TEST_F(CompareTest, RefusedWithOneDocumentOrInTheTwoTurretView) {
    Open({"A\r\n"}, 1);
    m_main->RunCommand(QStringLiteral("mnuToolCompe"));
    g_DocumentSplit[1] = true;
    m_main->RunCommand(QStringLiteral("mnuToolCompe"));
    EXPECT_EQ(Prompts(), QStringList({"2つ以上のファイルを開いてください。", "AB独立表示中ではファイルの比較はできません。"}));
    for (const MsgBoxCall &call : m_msgBoxes) {
        EXPECT_EQ(call.buttons, vbOKOnly | vbExclamation);
        EXPECT_EQ(call.title, kTitle);
    }
}

TEST_F(CompareTest, AnotherDocumentInTheTwoTurretViewTakesPartWithItsFirstPane) {
    Open({"A\r\n", "B\r\n"}, 1);
    g_DocumentSplit[2] = true;
    g_Documents[2]->txtTextB->LoadText(QStringLiteral("A\r\n"));
    m_main->RunCommand(QStringLiteral("mnuToolCompe"));
    EXPECT_EQ(Prompts(), QStringList({Difference("A", "B"), kDone}));
}

}  // namespace
}  // namespace brennvik
