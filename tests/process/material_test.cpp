#include "support/dialog_helpers.h"
#include "support/fixtures.h"

#include "platform/AnsiCodec.h"
#include "process/cutting_conditions.h"
#include "process/frmUGC.h"
#include "process/machine_settings.h"
#include "process/material.h"
#include "process/process_state.h"
#include "process/ugc_sketch.h"
#include "workspace/runtime.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace brennvik {
namespace {

QString Lines(std::initializer_list<const char *> lines) {
    QString text = QStringLiteral("\r\n\r\n\r\n");
    for (const char *line : lines) text += QString::fromUtf8(line) + QStringLiteral("\r\n");
    return text;
}

class MaterialTest : public ProgramFixture {
protected:
    void ShowScripted(const std::function<void(frmUGC *)> &script) {
        ScriptNextModal([script](QWidget *w) { script(qobject_cast<frmUGC *>(w)); });
        ShowMaterialDialog();
    }
    // A condition file with one record whose first field names it.
    // A whole table whose first field names it.
    QString ConditionFile(const QString &name, const QString &firstField) {
        QString text = QStringLiteral("h1\r\nh2\r\n");
        for (int row = 1; row <= 34; ++row) text += firstField + QStringLiteral(",t,1,0,1,100,0.1,1,1,1,1,1\r\n");
        return WriteFile(name, AnsiCodec::encode(text).bytes);
    }
};

TEST_F(MaterialTest, AllEmptyInputGivesTheBareBlock) {
    ShowScripted([](frmUGC *d) { d->Command1->click(); });
    EXPECT_TRUE(g_DialogOK);
    EXPECT_EQ(g_OutputBlock, Lines({"----------< USER GRAPHIC COMMAND >----------", "OUGC", "NOEX VCHKX=0 VCHKZ=0",
                                    "NOEX VCHKD=0 VCHKL=0", "NOEX VWKR=9999", "N000 CLEAR", "N000 DEF WORK",
                                    "N000 PS RC,[0,0],[0,0]", "N000 END", "N000 DRAW", "NRTS RTS"}));
    // Confirmed without graphic data: the values are stored, the flag stays off.
    EXPECT_FALSE(g_UgcGraphicOn);
    EXPECT_EQ(g_UgcOrigin.Text(), "0");
    EXPECT_EQ(g_MaterialOD.Text(), "0");
}

TEST_F(MaterialTest, FilledBlocks) {
    const struct {
        const char *what;
        MaterialInput in;
        QString block;
    } cases[] = {
        {"OD chucking, main spindle, front view with a bore",
         [] {
             MaterialInput in;
             in.origin = 2.5;
             in.length = 100;
             in.outerDiameter = 50;
             in.innerDiameter = 20;
             in.jawGripLength = 15;
             in.jawGripStep = 3;
             in.frontView = true;
             return in;
         }(),
         Lines({"----------< USER GRAPHIC COMMAND >----------", "OUGC", "NOEX VCHKX=50 VCHKZ=-97.5",
                "NOEX VCHKD=3 VCHKL=15", "NOEX VWKR=9999", "N000 CLEAR", "N000 DEF WORK", "N000 PS RC,[2,0],[100,50]",
                "N000 PS RC,[2.5,0],[100,20],0", "N000 END", "N000 DEF WORKF", "N000 PF 0,[0,0],50,D",
                "N000 PF 0,[0,0],20,D,0", "N000 PO [0,10]", "N000 CI [0,0],[0,-10],R,0", "N000 END", "N000 DRAW",
                "NRTS RTS"})},
        {"ID chucking, sub spindle, centre",
         [] {
             MaterialInput in;
             in.length = 80;
             in.outerDiameter = 40;
             in.innerDiameter = 25;
             in.jawGripLength = 20;
             in.jawGripStep = 2.5;
             in.centreLength = 30;
             in.centreDiameter = 12;
             in.centreHoleDiameter = 6;
             in.chuckOnOuterDiameter = false;
             in.subSpindle = true;
             in.centre = true;
             return in;
         }(),
         Lines({"----------< USER GRAPHIC COMMAND >----------", "OUGC", "NOEX VCHKX=25 VCHKZ=-80",
                "NOEX VCHKD=2.5 VCHKL=20", "NOEX VTSDA=6 VTSDB=12", "NOEX VTSL=30 VWKR=0", "N000 CLEAR",
                "N000 DEF WORK[S]", "N000 PS RC,[0,0],[80,40]", "N000 PS RC,[0,0],[80,25],0", "N000 END", "N000 DRAW",
                "NRTS RTS"})},
        {"sub spindle without centre, front view without a bore",
         [] {
             MaterialInput in;
             in.origin = -1.25;
             in.length = 60;
             in.outerDiameter = 30;
             in.subSpindle = true;
             in.frontView = true;
             return in;
         }(),
         Lines({"----------< USER GRAPHIC COMMAND >----------", "OUGC", "NOEX VCHKX=30 VCHKZ=-61.25",
                "NOEX VCHKD=0 VCHKL=0", "N000 CLEAR", "N000 DEF WORK[S]", "N000 PS RC,[-1,0],[60,30]", "N000 END",
                "N000 DEF WORKF[S]", "N000 PF 0,[0,0],30,D", "N000 END", "N000 DRAW", "NRTS RTS"})},
    };
    for (const auto &c : cases) EXPECT_EQ(BuildUserGraphicBlock(c.in), c.block) << c.what;
}

TEST_F(MaterialTest, DialogStoresTheMaterialAndBuildsTheBlock) {
    EXPECT_TRUE(g_UgcOrigin.IsEmpty());
    EXPECT_EQ(g_UgcOrigin.Text(), "");
    EXPECT_EQ(g_MaterialOD.Text(), "");
    ShowScripted([](frmUGC *d) {
        d->Text9->setText(QStringLiteral("2.5"));
        d->Text3->setText(QStringLiteral("100"));
        d->Text5->setText(QStringLiteral("50.8"));
        d->Text4->setText(QStringLiteral("20.9"));
        d->Check3->click();
        d->Check2->click();
        d->Text1->setText(QStringLiteral("15"));
        d->Text2->setText(QStringLiteral("3mm"));
        d->Command1->click();
    });
    EXPECT_TRUE(g_DialogOK);
    EXPECT_TRUE(g_UgcGraphicOn);
    EXPECT_EQ(g_UgcOrigin, 2.5);
    EXPECT_EQ(g_MaterialLength, 100);
    EXPECT_EQ(g_MaterialOD, 50);  // whole numbers
    EXPECT_EQ(g_MaterialID, 20.0f);
    EXPECT_EQ(g_JawGripLength, 15);
    EXPECT_EQ(g_JawGripStep, 3);
    EXPECT_TRUE(g_OutputBlock.contains("\r\nN000 PS RC,[2,0],[100,50]\r\nN000 PS RC,[2.5,0],[100,20],0\r\n"));
    EXPECT_TRUE(g_OutputBlock.contains("\r\nN000 PO [0,10]\r\n"));
    EXPECT_EQ(g_frmUGC, nullptr);
}

TEST_F(MaterialTest, ChuckingOnTheBoreReadsTheDisabledBoxToo) {
    ShowScripted([](frmUGC *d) {
        d->Text5->setText(QStringLiteral("60"));
        d->Text4->setText(QStringLiteral("25"));
        d->Check3->click();
        d->Check1->click();
        EXPECT_FALSE(d->Text4->isEnabled());
        d->ID->click();
        d->Check2->click();
        d->Command1->click();
    });
    EXPECT_TRUE(g_OutputBlock.contains("\r\nNOEX VCHKX=25 VCHKZ=0\r\n"));
    EXPECT_TRUE(g_OutputBlock.contains("\r\nN000 PO [0,12]\r\nN000 CI [0,0],[0,-12],R,0\r\n"));
    EXPECT_FALSE(g_OutputBlock.contains("VWKR=9999"));
}

TEST_F(MaterialTest, CancelAndCloseBoxChangeNothing) {
    for (bool closeBox : {false, true}) {
        g_DialogOK = true;
        g_OutputBlock = QStringLiteral("before");
        ShowScripted([closeBox](frmUGC *d) {
            d->Text5->setText(QStringLiteral("80"));
            d->Check3->click();
            closeBox ? void(d->close()) : d->Command2->click();
        });
        EXPECT_FALSE(g_DialogOK) << closeBox;
        EXPECT_EQ(g_OutputBlock, "before");
        EXPECT_TRUE(g_MaterialOD.IsEmpty());
        EXPECT_FALSE(g_UgcGraphicOn);
        EXPECT_EQ(g_frmUGC, nullptr);
    }
}

// "1e39" in the inner diameter was cast to a float out of range; now it is error 6 and nothing is stored.
TEST_F(MaterialTest, ValueTooLargeIsAnOverflowAndStoresNothing) {
    g_OutputBlock = QStringLiteral("before");
    try {
        ShowScripted([](frmUGC *d) {
            d->Text5->setText(QStringLiteral("50"));
            d->Text4->setText(QStringLiteral("1e39"));
            d->Command1->click();
        });
        ADD_FAILURE() << "no error";
    } catch (const RuntimeError &e) {
        EXPECT_EQ(e.number(), kErrOverflow);
    }
    EXPECT_FALSE(g_DialogOK);
    EXPECT_TRUE(g_MaterialOD.IsEmpty());
    EXPECT_EQ(g_OutputBlock, "before");
}

TEST_F(MaterialTest, EnablingFollowsGraphicAndCentre) {
    frmUGC *d = EnsureMaterialForm();
    const QList<QWidget *> graphic = {d->ChuckingSelect, d->SpindleSelect, d->MainSpindle, d->SubSpindle,
                                      d->OD,             d->ID,            d->Check1,      d->Check2};
    const QList<QLineEdit *> centreBoxes = {d->Text6, d->Text7, d->Text8};
    const QColor buttonFace = QApplication::palette().color(QPalette::Button);
    const QColor window = QApplication::palette().color(QPalette::Base);
    for (QWidget *w : graphic) EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();
    for (QLineEdit *box : {d->Text1, d->Text2, d->Text6, d->Text7, d->Text8}) {
        EXPECT_FALSE(box->isEnabled());
        EXPECT_EQ(box->palette().color(QPalette::Base), buttonFace);
    }
    for (QWidget *w : std::initializer_list<QWidget *>{d->Text9, d->Text3, d->Text5, d->Text4, d->Check3, d->Material,
                                                       d->Command1, d->Command2})
        EXPECT_TRUE(w->isEnabled()) << w->objectName().toStdString();

    d->Check3->click();
    for (QWidget *w : graphic) EXPECT_TRUE(w->isEnabled()) << w->objectName().toStdString();
    EXPECT_TRUE(d->Text1->isEnabled());
    EXPECT_EQ(d->Text1->palette().color(QPalette::Base), window);
    for (QLineEdit *box : centreBoxes) EXPECT_FALSE(box->isEnabled());

    d->Check1->click();
    EXPECT_FALSE(d->Text4->isEnabled());
    for (QLineEdit *box : centreBoxes) {
        EXPECT_TRUE(box->isEnabled());
        EXPECT_EQ(box->palette().color(QPalette::Base), window);
    }
    EXPECT_FALSE(d->Sketch->Line(5).visible);
    for (int n : {12, 13, 15, 16, 17}) EXPECT_TRUE(d->Sketch->Line(n).visible) << n;
    EXPECT_TRUE(d->Sketch->Label11->isVisibleTo(d));

    // Clearing graphic data disables the centre boxes; the centre stays checked.
    d->Check3->click();
    for (QLineEdit *box : centreBoxes) EXPECT_FALSE(box->isEnabled());
    EXPECT_TRUE(d->Check1->isChecked());
    d->Check3->click();
    for (QLineEdit *box : centreBoxes) EXPECT_TRUE(box->isEnabled());

    d->Check1->click();
    EXPECT_TRUE(d->Text4->isEnabled());
    EXPECT_TRUE(d->Sketch->Line(5).visible);
    EXPECT_FALSE(d->Sketch->Line(13).visible);
    EXPECT_FALSE(d->Sketch->Label11->isVisibleTo(d));
}

TEST_F(MaterialTest, FocusHighlightsTheSketchLineAndEnterMovesFromGripLength) {
    ShowScripted([](frmUGC *d) {
        ASSERT_TRUE(ActivateWindow(d));
        const QColor text = QApplication::palette().color(QPalette::WindowText);
        d->Text5->setFocus();
        EXPECT_EQ(d->Sketch->Line(2).width, 2);
        EXPECT_EQ(d->Sketch->Line(2).colour, QColor(0xFF, 0x00, 0xFF));
        d->Text9->setFocus();
        EXPECT_EQ(d->Sketch->Line(2).width, 1);
        EXPECT_EQ(d->Sketch->Line(2).colour, text);
        EXPECT_EQ(d->Sketch->Line(18).width, 2);

        d->Check3->click();
        d->Text1->setFocus();
        QTest::keyClick(d->Text1, Qt::Key_Return);  // empty: stays
        EXPECT_EQ(QApplication::focusWidget(), d->Text1);
        d->Text1->setText(QStringLiteral("15"));
        QTest::keyClick(d->Text1, Qt::Key_Return);
        EXPECT_EQ(QApplication::focusWidget(), d->Text2);
        EXPECT_EQ(g_frmUGC, d);  // Enter confirmed nothing
        d->Command2->click();
    });
}

TEST_F(MaterialTest, ChoosingAConditionFileLoadsIt) {
    g_CsvPathName = QStringLiteral("/old/folder");
    const QString chosen = ConditionFile(QStringLiteral("AL.CSV"), QStringLiteral("アルミ"));
    m_openFileAnswer = chosen;
    ShowScripted([](frmUGC *d) {
        d->Material->click();
        EXPECT_EQ(d->CsvFile->text(), g_CsvFileName);
        d->Command2->click();
    });
    ASSERT_EQ(m_openFileRequests.size(), 1u);
    EXPECT_EQ(m_openFileRequests[0].filter, "CSV Files(*.csv)|*.csv|All Files(*.*)|*.*");
    EXPECT_EQ(m_openFileRequests[0].initialFolder, "/old/folder");
    // The choice takes effect at once, though the dialog was cancelled.
    EXPECT_EQ(g_CsvFileName, QDir::toNativeSeparators(chosen));
    EXPECT_EQ(g_CsvPathName, QDir::toNativeSeparators(QFileInfo(chosen).absolutePath()));
    EXPECT_EQ(QDir::currentPath(), QFileInfo(chosen).absolutePath());
    EXPECT_EQ(g_CuttingConditions[1][1], "アルミ");
}

// Cancelling the file dialog used to take over whatever it reported, losing the file in use.
TEST_F(MaterialTest, CancellingTheFileDialogKeepsTheFileInUse) {
    g_CsvFileName = ConditionFile(QStringLiteral("S45C.CSV"), QStringLiteral("炭素鋼"));
    g_CsvPathName = m_dir.path();
    LoadCuttingConditions();
    m_openFileAnswer.clear();
    ShowScripted([](frmUGC *d) {
        const QString shown = d->CsvFile->text();
        d->Material->click();
        EXPECT_EQ(d->CsvFile->text(), shown);
        d->Command2->click();
    });
    EXPECT_EQ(m_openFileRequests.size(), 1u);
    EXPECT_EQ(g_CsvFileName, m_dir.filePath(QStringLiteral("S45C.CSV")));
    EXPECT_EQ(g_CsvPathName, m_dir.path());
    EXPECT_EQ(g_CuttingConditions[1][1], "炭素鋼");
}

// Choosing a file that cannot be read used to name it as the file in use while the table held another.
TEST_F(MaterialTest, AnUnreadableChoiceKeepsFileAndTable) {
    g_CsvFileName = ConditionFile(QStringLiteral("S45C.CSV"), QStringLiteral("炭素鋼"));
    LoadCuttingConditions();
    m_openFileAnswer = WriteFile(QStringLiteral("empty.csv"), "h1\r\nh2\r\n");
    ShowScripted([](frmUGC *d) {
        d->Material->click();
        EXPECT_TRUE(d->CsvFile->text().endsWith(QStringLiteral("S45C.CSV")));
        d->Command2->click();
    });
    EXPECT_EQ(m_msgBoxes.size(), 1u);
    EXPECT_TRUE(g_CsvFileName.endsWith(QStringLiteral("S45C.CSV")));
    EXPECT_EQ(g_CuttingConditions[1][1], "炭素鋼");
}

TEST_F(MaterialTest, DesignCaptions) {
    frmUGC *d = EnsureMaterialForm();
    EXPECT_EQ(d->windowTitle(), "素材定義");
    const std::pair<QAbstractButton *, const char *> captions[] = {
        {d->OD, "外径"},           {d->ID, "内径"},           {d->MainSpindle, "メイン側"}, {d->SubSpindle, "サブ側"},
        {d->Check1, "センタ有り"}, {d->Check2, "正面図有り"}, {d->Check3, "グラフィック有り"},
        {d->Material, "加工条件選択"}, {d->Command1, "実　行"}, {d->Command2, "キャンセル"},
    };
    for (const auto &c : captions) EXPECT_EQ(c.first->text(), QString::fromUtf8(c.second)) << c.second;
    EXPECT_EQ(d->ChuckingSelect->title(), "把握選択");
    EXPECT_EQ(d->SpindleSelect->title(), "主軸選択");
    EXPECT_TRUE(d->OD->isChecked());
    EXPECT_TRUE(d->MainSpindle->isChecked());
    for (QPushButton *b : d->findChildren<QPushButton *>()) EXPECT_FALSE(b->autoDefault() || b->isDefault());
}

}  // namespace
}  // namespace brennvik
