// The program skeleton of "素材形状入力": the material dialog, then the
// start, turret and end lines around the caret in either view, and the user
// graphic command block at the end of the program.
#include "support/fixtures.h"
#include "support/text_lines.h"

#include "editing/turret_view.h"
#include "platform/AnsiCodec.h"
#include "platform/RichTextPane.h"
#include "process/frmUGC.h"
#include "process/machine_settings.h"
#include "process/material.h"
#include "process/process_state.h"
#include "workspace/document_slots.h"
#include "workspace/document_windows.h"
#include "workspace/frmDocument.h"
#include "workspace/frmMain.h"
#include "workspace/program_files.h"

#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>

namespace brennvik {
namespace {

class ProgramSkeletonTest : public ProgramFixture {
protected:
    void SetUp() override {
        ProgramFixture::SetUp();
        StartMain();
    }
    // A document holding `text` with the caret at `caret`.
    frmDocument *OpenDocument(const QString &text, int caret) {
        NewDocumentWindow();
        frmDocument *doc = g_Documents[g_CurrentDocument];
        doc->txtText->LoadText(text);
        doc->txtText->SetSelStart(caret);
        return doc;
    }
    // Runs the menu entry with the material dialog filled and confirmed.
    void RunConfirmed(bool graphic) {
        ScriptNextModal([graphic](QWidget *w) {
            auto *d = qobject_cast<frmUGC *>(w);
            d->Text5->setText(QStringLiteral("60"));
            d->Text3->setText(QStringLiteral("120"));
            if (graphic) d->Check3->setChecked(true);
            d->Command1->click();
        });
        ASSERT_TRUE(m_main->RunCommand(QStringLiteral("ProcessUGC")));
    }
};

const QString kStart = Lines({"NMAX G50 S2500", "N000 G00 X500 Z500", "N000 CALL OPCHK (PANEL CHECK)", ""});

TEST_F(ProgramSkeletonTest, PlainViewWithDefaultSettings) {
    frmDocument *doc = OpenDocument(Lines({"O1", "%"}), 4);
    RunConfirmed(false);
    EXPECT_EQ(doc->txtText->Text(), Lines({"O1"}) + kStart + Lines({"", "NEND M02", "%"}));
    // At the start of the second empty line, where the processes go.
    EXPECT_EQ(doc->txtText->SelStart(), 4 + kStart.size());
    EXPECT_EQ(g_MaterialOD.Text(), "60");
    EXPECT_TRUE(m_msgBoxes.empty());
}

TEST_F(ProgramSkeletonTest, GraphicDataCallsAndAppendsTheBlock) {
    frmDocument *doc = OpenDocument(Lines({"O1", "%"}), 4);
    RunConfirmed(true);
    const QString text = doc->txtText->Text();
    const QString start = Lines({"NMAX G50 S2500", "N000 G00 X500 Z500", "N000 CALL OPCHK (PANEL CHECK)",
                                 "N000 CALL OUGC  (GRAPHIC DATA)", ""});
    EXPECT_EQ(text, Lines({"O1"}) + start + Lines({"", "NEND M02", "%", "", "", "",
                                                   "----------< USER GRAPHIC COMMAND >----------", "OUGC",
                                                   "NOEX VCHKX=60 VCHKZ=-120", "NOEX VCHKD=0 VCHKL=0",
                                                   "NOEX VWKR=9999", "N000 CLEAR", "N000 DEF WORK",
                                                   "N000 PS RC,[0,0],[120,60]", "N000 END", "N000 DRAW", "NRTS RTS"}));
    EXPECT_EQ(doc->txtText->SelStart(), 4 + start.size());
}

TEST_F(ProgramSkeletonTest, TwoTurretMultusWithEveryOption) {
    g_MULTUS = true;
    g_swM867 = true;
    DeriveM867Words();
    g_Bturret = g_LoadMoniter = g_TG = g_AutoDoor = g_Measuer = true;
    frmDocument *doc = OpenDocument(QString(), 0);
    RunConfirmed(false);
    const QString start = Lines({"G13 (-----< A:TURRET >-----)", "N000 M90", "NMAX G50 S2500", "N000 G20 HP=4 M109 M867",
                                 "N000 M866", "N000 CALL OPCHK (PANEL CHECK)", "N000 M216", ""});
    EXPECT_EQ(doc->txtText->Text(),
              start + Lines({"", "", "N000 M215", "N000 CALL OMSSF", "N000 M100", "N000 TLID", "N000 M91", "",
                             "G14 (-----< B:TURRET >-----)", "N000 M90", "NMAX G50 S2500", "N000 G00 X500 Z500",
                             "N000 CALL OPCHK (PANEL CHECK)", "N000 M216", "", "", "", "N000 M215",
                             "N000 CALL OMSSF", "N000 CALL OCNCK", "N000 M100", "N000 TLID", "N000 M91",
                             "NEND M02"}));
    EXPECT_EQ(doc->txtText->SelStart(), start.size());
}

TEST_F(ProgramSkeletonTest, TwoTurretViewPutsTheBlockIntoTheTrailer) {
    g_Bturret = true;
    const QString path = WriteFile(QStringLiteral("p.min"), "O1\r\nG13\r\nA1\r\nG14\r\nB1\r\nNEND M02\r\n%\r\n");
    OpenFileInNewDocument(path);
    mnuAbView_Click();
    frmDocument *doc = g_Documents[g_CurrentDocument];
    ASSERT_TRUE(g_DocumentSplit[doc->Slot()]);
    doc->txtText->SetSelStart(4);
    doc->txtTextB->SetSelStart(4);
    RunConfirmed(true);

    const QString start = Lines({"NMAX G50 S2500", "N000 G00 X500 Z500", "N000 CALL OPCHK (PANEL CHECK)",
                                 "N000 CALL OUGC  (GRAPHIC DATA)", ""});
    const QString paneA = Lines({"A1"}) + start + Lines({"", ""});
    const QString paneB = Lines({"B1", "NMAX G50 S2500", "N000 G00 X500 Z500", "N000 CALL OPCHK (PANEL CHECK)", "", "", ""});
    EXPECT_EQ(doc->txtText->Text(), paneA);
    EXPECT_EQ(doc->txtTextB->Text(), paneB);
    EXPECT_EQ(doc->txtText->SelStart(), 4 + start.size());
    ASSERT_TRUE(g_DocumentTrailer[doc->Slot()].startsWith(QStringLiteral("%\r\n")));
    const QString block = g_DocumentTrailer[doc->Slot()].mid(3);
    ASSERT_TRUE(block.startsWith(QStringLiteral("\r\n\r\n\r\n----------< USER GRAPHIC COMMAND >----------\r\nOUGC\r\n")));
    EXPECT_TRUE(block.endsWith(QStringLiteral("N000 DRAW\r\nNRTS RTS\r\n")));

    m_main->mnuFileSave_Click();
    QFile saved(path);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QString expected = Lines({"O1", "G13"}) + paneA + Lines({"G14"}) + paneB + Lines({"NEND M02", "%"}) + block;
    EXPECT_EQ(saved.readAll(), AnsiCodec::encode(expected).bytes);
}

TEST_F(ProgramSkeletonTest, CancellingChangesNothing) {
    frmDocument *doc = OpenDocument(Lines({"O1"}), 4);
    RunConfirmed(false);
    const QString after = doc->txtText->Text();
    for (bool closeBox : {false, true}) {
        ScriptNextModal([closeBox](QWidget *w) {
            auto *d = qobject_cast<frmUGC *>(w);
            if (closeBox) d->close(); else d->Command2->click();
        });
        m_main->RunCommand(QStringLiteral("ProcessUGC"));
        EXPECT_EQ(doc->txtText->Text(), after) << closeBox;
    }
}

TEST_F(ProgramSkeletonTest, WithoutADocumentTheErrorIsShown) {
    RunConfirmed(false);
    ASSERT_EQ(m_msgBoxes.size(), 1u);
    EXPECT_EQ(m_msgBoxes[0].title, "エラー 91");
    EXPECT_EQ(m_msgBoxes[0].prompt,
              "ファイルが開いていないので挿入出来ません。新しく作成をする時は[新規]を押してください。");
}

}  // namespace
}  // namespace brennvik
