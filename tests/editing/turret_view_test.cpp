// The two-turret view: which lines are markers, splitting and joining, the
// view command with its question, saving in the view, and the end of the
// program where later blocks are appended.
#include "editing_fixture.h"

#include "editing/code_menus.h"
#include "editing/turret_split.h"
#include "editing/turret_view.h"
#include "platform/AnsiCodec.h"
#include "support/text_lines.h"
#include "workspace/frmMain.h"

#include <QDir>
#include <QFile>
#include <QLabel>

namespace brennvik {
namespace {

TEST(TurretMarkerTest, FirstQualifyingWordDecides) {
    const struct {
        const char *line;
        TurretMarker marker;
    } cases[] = {
        {"G13", TurretMarker::TurretA},
        {"G13\r\n", TurretMarker::TurretA},
        {"G13.", TurretMarker::None},
        {"G130", TurretMarker::None},
        {"G13)", TurretMarker::TurretA},
        {"G13X", TurretMarker::TurretA},
        {"G13あ", TurretMarker::TurretA},
        {"G13+", TurretMarker::None},
        {"g13", TurretMarker::None},
        {"N001 G13 T0101", TurretMarker::TurretA},
        {"G14 G13", TurretMarker::TurretA},   // "G13" is tested first
        {"G130 G14", TurretMarker::TurretB},  // only the first "G13" counts
        {"G14", TurretMarker::TurretB},
        {"(END M02)", TurretMarker::End},
        {"NEND M02", TurretMarker::End},
        {"M2", TurretMarker::End},
        {"N1 M20 M2", TurretMarker::None},    // only the first "M2" counts
        {"M020", TurretMarker::None},
        {"G00 X100.", TurretMarker::None},
    };
    for (const auto &c : cases) EXPECT_EQ(MarkerOfLine(QString::fromUtf8(c.line)), c.marker) << c.line;
}

TEST(TurretSplitTest, SplitThenJoin) {
    const struct {
        const char *what;
        QString text, header, partA, partB, trailer, joined;
    } cases[] = {
        {"no marker: all in the header, a final CR LF added", "O1\r\nG00", "O1\r\nG00\r\n", "", "", "",
         "O1\r\nG00\r\n"},
        {"the last line gets its CR LF in its part", "G13\r\nX1\r\nG14\r\nX2", "", "X1\r\n", "X2\r\n", "",
         "G13\r\nX1\r\nG14\r\nX2\r\nNEND M02\r\n"},
        {"two turret A sections become one", Lines({"G13", "A1", "G14", "B1", "G13", "A2", "M02", "%"}), "",
         "A1\r\nA2\r\n", "B1\r\n", "%\r\n", Lines({"G13", "A1", "A2", "G14", "B1", "NEND M02", "%"})},
        {"a comment holding M02 ends the program", Lines({"O1", "(END M02)", "X1"}), "O1\r\n", "", "", "X1\r\n",
         Lines({"O1", "NEND M02", "X1"})},
        {"turret A empty: no G13 line", Lines({"G13", "G14", "B1", "M02"}), "", "", "B1\r\n", "",
         Lines({"G14", "B1", "NEND M02"})},
        // Joining used to drop the end line of a program without turret parts.
        {"an end line without turrets comes back", Lines({"O1", "X1", "M02", "%"}), "O1\r\nX1\r\n", "", "",
         "%\r\n", Lines({"O1", "X1", "NEND M02", "%"})},
    };
    for (const auto &c : cases) {
        const TurretParts parts = SplitTurretParts(c.text);
        EXPECT_EQ(parts.header, c.header) << c.what;
        EXPECT_EQ(parts.partA, c.partA) << c.what;
        EXPECT_EQ(parts.partB, c.partB) << c.what;
        EXPECT_EQ(parts.trailer, c.trailer) << c.what;
        EXPECT_EQ(JoinTurretParts(parts), c.joined) << c.what;
    }
}

TEST(TurretSplitTest, JoinedPanesWithoutLineEndGetOne) {
    TurretParts parts{"O1\r\n", "A1", "B1", "%\r\n", false};
    EXPECT_EQ(JoinTurretParts(parts), Lines({"O1", "G13", "A1", "G14", "B1", "NEND M02", "%"}));
}

class TurretViewTest : public EditingFixture {
protected:
    frmDocument *Doc() { return g_Documents[g_CurrentDocument]; }
    QString FixturePath(const QString &name) {
        return QStringLiteral(BRENNVIK_EDITING_PROGRAMS "/") + name;
    }
    QByteArray FileBytes(const QString &path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QString FixtureText(const QString &name) { return AnsiCodec::decode(FileBytes(FixturePath(name))).text; }
};

const QString kWorkedExample =
    Lines({"O1234", "(TURRET TEST)", "N001 G13", "N002 G00 X100. Z50.", "N003 G14", "N004 G00 X200.", "M02", "%"});

TEST_F(TurretViewTest, WorkedExampleSplitsIntoThePanesAndJoinsBack) {
    RichTextPane *paneA = OpenDocument(kWorkedExample);
    frmDocument *doc = Doc();
    const int n = g_CurrentDocument;
    // The sequence numbers of the marker lines would be lost: the user is asked.
    m_msgBoxAnswer = [](const MsgBoxCall &) { return vbYes; };
    m_main->RunCommand(QStringLiteral("mnuAbView"));
    ASSERT_EQ(m_msgBoxes.size(), 1u);
    EXPECT_TRUE(m_msgBoxes[0].prompt.contains(QStringLiteral("3 行目: N001 G13")));
    EXPECT_EQ(m_msgBoxes[0].buttons, vbYesNo | vbQuestion | vbDefaultButton2);

    EXPECT_TRUE(g_DocumentSplit[n]);
    EXPECT_EQ(paneA->Text(), "N002 G00 X100. Z50.\r\n");
    EXPECT_EQ(doc->txtTextB->Text(), "N004 G00 X200.\r\n");
    EXPECT_EQ(g_DocumentHeader[n], "O1234\r\n(TURRET TEST)\r\n");
    EXPECT_EQ(g_DocumentTrailer[n], "%\r\n");
    EXPECT_FALSE(paneA->DataChanged()) << "switching on marks nothing changed";
    EXPECT_TRUE(doc->txtTextB->isVisibleTo(doc));
    EXPECT_TRUE(doc->Label1->isVisibleTo(doc));

    m_main->tbToolBar_ButtonClick(m_main->ToolButtonByKey(QStringLiteral("AB表示")));
    EXPECT_FALSE(g_DocumentSplit[n]);
    EXPECT_EQ(paneA->Text(),
              Lines({"O1234", "(TURRET TEST)", "G13", "N002 G00 X100. Z50.", "G14", "N004 G00 X200.", "NEND M02", "%"}));
    EXPECT_TRUE(paneA->DataChanged()) << "switching off marks the document changed";
    EXPECT_FALSE(doc->txtTextB->isVisibleTo(doc));
    EXPECT_FALSE(doc->Label1->isVisibleTo(doc));
}

TEST_F(TurretViewTest, NoLeavesTheDocumentUntouched) {
    RichTextPane *paneA = OpenDocument(kWorkedExample);
    m_msgBoxAnswer = [](const MsgBoxCall &) { return vbNo; };
    mnuAbView_Click();
    EXPECT_FALSE(g_DocumentSplit[g_CurrentDocument]);
    EXPECT_EQ(paneA->Text(), kWorkedExample);
    EXPECT_FALSE(paneA->DataChanged());
    EXPECT_FALSE(Doc()->txtTextB->isVisibleTo(Doc()));
}

// Every program of the fixtures either comes back from switching the view
// on and off as the table says, or the user is asked first and No changes
// nothing.
TEST_F(TurretViewTest, RoundTripOfEveryFixtureProgram) {
    const QString kSame = QStringLiteral("same");
    const QString kAsks = QStringLiteral("asks");
    const QMap<QString, QString> expected = {
        {"two_turrets.min", kSame},
        {"skeleton_plain.min", kAsks},
        {"numbered_markers.min", kAsks},
        {"two_a_sections.min", kAsks},
        {"comment_m02_header.min", kAsks},
        {"empty_turret_a.min", kAsks},
        {"end_line_only.min", Lines({"O6000", "(一刃物台)", "N001 G00 X100. Z50.", "NEND M02", "%"})},
        {"no_markers.min", Lines({"O7000", "N001 G00 X100.", "N002 G01 Z-5. F0.1"})},
        {"turrets_no_end.min", Lines({"O8000", "G13", "N001 G00 X100.", "G14", "N101 G00 X200.", "NEND M02"})},
    };
    const QStringList files = QDir(QStringLiteral(BRENNVIK_EDITING_PROGRAMS)).entryList(QDir::Files, QDir::Name);
    ASSERT_EQ(files.size(), expected.size()) << "every fixture program has its expectation";
    m_msgBoxAnswer = [](const MsgBoxCall &) { return vbNo; };
    for (const QString &file : files) {
        ASSERT_TRUE(expected.contains(file)) << file.toStdString();
        OpenFileInNewDocument(FixturePath(file));
        const QString original = FixtureText(file);
        RichTextPane *pane = Doc()->txtText;
        ASSERT_EQ(pane->Text(), original);
        m_msgBoxes.clear();
        mnuAbView_Click();
        if (expected[file] == kAsks) {
            EXPECT_EQ(m_msgBoxes.size(), 1u) << file.toStdString();
            EXPECT_FALSE(g_DocumentSplit[g_CurrentDocument]) << file.toStdString();
            EXPECT_EQ(pane->Text(), original) << file.toStdString();
        } else {
            EXPECT_TRUE(m_msgBoxes.empty()) << file.toStdString();
            mnuAbView_Click();
            EXPECT_EQ(pane->Text(), expected[file] == kSame ? original : expected[file]) << file.toStdString();
        }
        pane->SetDataChanged(false);
        Doc()->Unload();
    }
}

TEST_F(TurretViewTest, SavingWhileSplitWritesTheSavedFormAndReopensAlike) {
    const QString path = WriteFile("turrets.min", FileBytes(FixturePath("two_turrets.min")));
    OpenFileInNewDocument(path);
    mnuAbView_Click();
    ASSERT_TRUE(m_msgBoxes.empty());
    frmDocument *doc = Doc();
    doc->txtText->SetSelStart(0);
    doc->txtText->SetSelText("N000 M08\r\n");
    doc->txtTextB->SetSelStart(int(doc->txtTextB->Text().size()));
    doc->txtTextB->SetSelText("N102 M09");  // no line end: the save gives it one
    m_main->mnuFileSave_Click();
    const QString saved = Lines({"O1000", "(二刃物台の加工)", "G13", "N000 M08", "N001 G00 X100. Z50.",
                                 "N002 G01 Z-20. F0.2", "G14", "N101 G00 X200.", "N102 M09", "NEND M02", "%"});
    EXPECT_EQ(FileBytes(path), AnsiCodec::encode(saved).bytes);
    EXPECT_TRUE(g_DocumentSplit[doc->Slot()]) << "the view stays on";
    EXPECT_FALSE(doc->txtText->DataChanged());

    const QString paneA = doc->txtText->Text();
    OpenFileInNewDocument(path);
    mnuAbView_Click();
    EXPECT_TRUE(m_msgBoxes.empty());
    EXPECT_EQ(Doc()->txtText->Text(), paneA);
    EXPECT_EQ(Doc()->txtTextB->Text(), "N101 G00 X200.\r\nN102 M09\r\n");
}

TEST_F(TurretViewTest, EmptyPaneIsSavedAsAnEmptyLine) {
    const QString path = WriteFile("b_only.min", AnsiCodec::encode(Lines({"O1", "G13", "A1", "G14", "B1", "M02"})).bytes);
    OpenFileInNewDocument(path);
    mnuAbView_Click();
    Doc()->txtText->SetText(QString());
    m_main->mnuFileSave_Click();
    EXPECT_EQ(FileBytes(path), AnsiCodec::encode(Lines({"O1", "G13", "", "G14", "B1", "NEND M02"})).bytes);
    mnuAbView_Click();
    EXPECT_EQ(Doc()->txtText->Text(), Lines({"O1", "G14", "B1", "NEND M02"}));
}

// Undo after a switch used to bring the whole program back into pane A.
TEST_F(TurretViewTest, UndoRightAfterASwitchKeepsThePanes) {
    RichTextPane *paneA = OpenDocument(Lines({"O1", "G13", "A1", "G14", "B1", "NEND M02"}));
    paneA->SetSelText("(X)\r\n");
    mnuAbView_Click();
    paneA->Undo();
    EXPECT_EQ(paneA->Text(), "A1\r\n");
    mnuAbView_Click();
    const QString joined = paneA->Text();
    paneA->Undo();
    EXPECT_EQ(paneA->Text(), joined);
}

// A pane B that had the focus before the view was switched off used to keep
// taking insertions while hidden.
TEST_F(TurretViewTest, AfterSwitchingOffInsertionsGoToPaneA) {
    RichTextPane *paneA = OpenDocument(Lines({"G13", "A1", "G14", "B1", "NEND M02"}));
    mnuAbView_Click();
    Doc()->txtTextB_GotFocus();
    mnuAbView_Click();
    paneA->SetSelStart(0);
    CodeItem_Click(QStringLiteral("McodeCoolantStanderdOn"));
    EXPECT_TRUE(paneA->Text().startsWith(" M08G13\r\n"));
}

// Switching the view off used to leave turret B's text in the hidden pane
// B, where a later command could read it.
TEST_F(TurretViewTest, SwitchingOffEmptiesTheHiddenPaneB) {
    const QString program = Lines({"G13", "A1", "G14", "B1", "NEND M02"});
    RichTextPane *paneA = OpenDocument(program);
    RichTextPane *paneB = Doc()->txtTextB;
    mnuAbView_Click();
    ASSERT_EQ(paneB->Text(), "B1\r\n");
    mnuAbView_Click();
    EXPECT_EQ(paneB->Text(), "");
    EXPECT_FALSE(paneB->CanUndo());
    EXPECT_EQ(paneA->Text(), program);
    mnuAbView_Click();
    EXPECT_EQ(paneB->Text(), "B1\r\n");
}

TEST_F(TurretViewTest, WithoutAnOpenCurrentDocumentTheCommandOnlyArranges) {
    mnuAbView_Click();
    OpenDocument("G13\r\nA1\r\n");
    Doc()->Unload();
    mnuAbView_Click();
    EXPECT_TRUE(m_msgBoxes.empty());
}

TEST_F(TurretViewTest, AppendAtProgramEnd) {
    RichTextPane *paneA = OpenDocument(Lines({"O1", "G13", "A1", "G14", "B1", "NEND M02", "%"}));
    paneA->SetSelStart(4);
    AppendAtProgramEnd("ORTN\r\nNRTS RTS\r\n");
    EXPECT_EQ(paneA->Text(), Lines({"O1", "G13", "A1", "G14", "B1", "NEND M02", "%", "ORTN", "NRTS RTS"}));
    EXPECT_EQ(paneA->SelStart(), 4) << "the caret stays";

    paneA->Undo();
    mnuAbView_Click();
    paneA->SetDataChanged(false);
    AppendAtProgramEnd("ORTN\r\n");
    EXPECT_EQ(paneA->Text(), "A1\r\n");
    EXPECT_EQ(g_DocumentTrailer[g_CurrentDocument], "%\r\nORTN\r\n");
    EXPECT_TRUE(paneA->DataChanged());
    mnuAbView_Click();
    EXPECT_EQ(paneA->Text(), Lines({"O1", "G13", "A1", "G14", "B1", "NEND M02", "%", "ORTN"}));
}

}  // namespace
}  // namespace brennvik
