// The roughing and finishing commands as the user runs them: from the
// process menu through the scripted process dialog into the document.
#include "turning_commands_support.h"

#include "platform/FileDialogs.h"
#include "platform/Modal.h"
#include "platform/RichTextPane.h"
#include "process/cutting_conditions.h"
#include "process/frmProcess.h"
#include "process/frmUGC.h"
#include "process/material.h"
#include "process/process_form_setup.h"
#include "workspace/document_slots.h"
#include "workspace/frmMain.h"

#include <QAction>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMap>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>

namespace brennvik {
namespace {

const char kDivisionByZeroText[] = "ゼロ割り算エラー。工具径などのデータが０です。";
const char kNoDocumentText[] = "ファイルが開いていないので挿入出来ません。新しく作成をする時は[新規]を押してください。";

const char *const kCommands[] = {"ProcessRoughFace",  "ProcessRoughFaceOD",  "ProcessRoughOD",  "ProcessRoughID",
                                 "ProcessFinishFace", "ProcessFinishFaceOD", "ProcessFinishOD", "ProcessFinishID"};

// The outer diameter of a 60 mm blank roughed to 40 over 50 mm.
const QString kRoughODGolden =
    Lines({"(-----< OD.ROUGH >-----)", "NOEX VTLIN[3]=1 VTLFN[3]=1 VTLA1[3]=55", "NOEX VTLA2[3]=3 VTLL[3]=40",
           "N000 G00 X60 Z50 T030303 M41 S1030 M03 M63 M08", "NT03     Z2 G96 S150", "N000 G85 NAP2 D2 U0.4 W0.1 F0.3",
           "NAP2 G81", "N000 G00 X37", "N000 G01 Z0.5 G42 F0.15", "N000     X40 A135", "N000     Z-50",
           "N000     X58", "N000     X60 A135", "N000 G40 K-1", "N000 G80", "N000 G00 X500 Z500 G97 S1030 M63",
           "\t"});
// Its finishing at 20 mm with 0.2 and 0.05 left.
const QString kFinishODGolden =
    Lines({"(-----< OD.FINISH >-----)", "NOEX VTLIN[5]=7 VTLFN[5]=1 VTLA1[5]=55", "NOEX VTLA2[5]=5 VTLL[5]=40",
           "N000 G00 X24 Z50 T050505 M42 S2440 M03 M63 M08", "NT05     Z2 G96 S200", "N000 G87 NAP2 U0.2 W0.05",
           "N000 G00 X200 G97 S2440 M63", "N000     X500 Z500", "\t"});

TEST_F(TurningCommandsTest, EachCommandSetsUpTheDialog) {
    // Labels every finishing command blanks, with the fields they belong to.
    const std::vector<std::pair<const char *, const char *>> finishingCaptions = {
        {"LabelF", ""},  {"LabelF2", ""},     {"LabelD", ""},   {"LabelD2", ""},   {"LabelL", ""},
        {"LabelL2", ""}, {"LabelC", ""},      {"LabelC2", ""},  {"LabelStartC", ""}, {"LabelEnd", ""},
        {"LabelEndX", ""}, {"LabelEndZ", ""}, {"LabelEndC", ""}};
    const std::vector<const char *> finishingHidden = {"F", "D", "L", "C", "StartC", "EndX", "EndZ", "EndC", "EndZ2"};
    const ExpectedSetup cases[] = {
        {"ProcessRoughOD",
         "外径荒引き",
         5,
         {{"LabelD", "切込み量"}, {"LabelL", ""}, {"LabelL2", ""}, {"LabelStartC", ""}, {"LabelEndC", ""}},
         {"L", "StartC", "EndC"},
         {},
         {{"EndX", "62"}, {"StartZ", "0"}}},
        {"ProcessRoughFace",
         "外径端面荒引き",
         4,
         {{"LabelD", ""},
          {"LabelD2", ""},
          {"LabelL", "端面切込量"},
          {"LabelL2", "Z"},
          {"LabelC", ""},
          {"LabelC2", ""},
          {"LabelU", ""},
          {"LabelU2", ""},
          {"LabelStartC", ""},
          {"LabelEndC", ""}},
         {"C", "U", "D", "StartC", "EndC"},
         {},
         {{"StartX", "62"}, {"StartZ", "2.5"}, {"EndX", "20.5"}, {"EndZ", "0"}}},
        {"ProcessRoughFaceOD",
         "端面外径荒引き",
         3,
         {{"LabelD", "切込み量"},
          {"LabelD2", "X"},
          {"LabelCZ", "端面終点"},
          {"LabelSZ", "X"},
          {"LabelL", "端面切込量"},
          {"LabelL2", "Z"},
          {"LabelStartC", ""},
          {"LabelEndC", ""}},
         {"StartC", "EndC"},
         {"LabelSZ", "SZ"},
         {{"EndX", "62"}, {"StartZ", "0"}, {"SZ", "17.5"}}},
        {"ProcessRoughID",
         "内径荒引き",
         6,
         {{"LabelD", "切込み量"}, {"LabelL", ""}, {"LabelL2", ""}, {"LabelStartC", ""}, {"LabelEndC", ""}},
         {"L", "StartC", "EndC"},
         {},
         {{"EndX", "20.5"}, {"StartZ", "0"}}},
        {"ProcessFinishFace", "外径端面仕上げ", 8, finishingCaptions, finishingHidden, {}, {}},
        {"ProcessFinishFaceOD",
         "端面外径仕上げ",
         7,
         {{"LabelD", ""},
          {"LabelD2", ""},
          {"LabelL", ""},
          {"LabelL2", ""},
          {"LabelC", "端面の"},
          {"LabelC2", ""},
          {"LabelStartC", ""},
          {"LabelEndZ", ""},
          {"LabelEndC", ""}},
         {"D", "L", "C", "StartC", "EndZ", "EndC", "EndZ2"},
         {},
         {{"EndX", "20.5"}, {"StartZ", "0"}}},
        {"ProcessFinishID",
         "内径仕上げ",
         10,
         finishingCaptions,
         finishingHidden,
         {},
         {{"StartX", "20.5"}, {"StartZ", "0"}}},
        {"ProcessFinishOD", "外径仕上げ", 9, finishingCaptions, finishingHidden, {}, {}},
    };
    ExpectSetups({std::begin(cases), std::end(cases)});
}

TEST_F(TurningCommandsTest, PresetsFollowTheMaterial) {
    const struct {
        const char *name;
        bool materialEntered;
        float innerDiameter;
        const char *roughODEndX, *roughFaceStartX, *roughFaceStartZ, *faceEndX, *finishIDStartX;
    } cases[] = {
        {"no material entered", false, 0, "", "", "", "0", "0"},
        {"solid blank", true, 0, "60", "60", "1", "0", "0"},
        {"bored blank", true, 20, "60", "60", "1", "17", "20"},
        // A single of 1E7 or more was pre-filled as "1.677722E+07".
        {"large bore", true, 16777216, "60", "60", "1", "16777213", "16777216"},
    };
    StartWithDocument();
    for (const auto &c : cases) {
        ResetMaterialState();
        if (c.materialEntered) {
            g_MaterialOD = 60;
            g_UgcOrigin = 1;
        }
        g_MaterialID = c.innerDiameter;
        QMap<QString, QString> texts;
        auto read = [&texts](const char *box) {
            return [&texts, box](frmProcess *f) {
                texts[box] = BoxText(f, box);
                texts[QStringLiteral("StartZ")] = BoxText(f, "StartZ");
                f->Command2->click();
            };
        };
        RunCommand("ProcessRoughOD", read("EndX"));
        EXPECT_EQ(texts["EndX"], c.roughODEndX) << c.name;
        RunCommand("ProcessRoughFace", read("StartX"));
        EXPECT_EQ(texts["StartX"], c.roughFaceStartX) << c.name;
        EXPECT_EQ(texts["StartZ"], c.roughFaceStartZ) << c.name;
        RunCommand("ProcessRoughFaceOD", read("SZ"));
        EXPECT_EQ(texts["SZ"], c.faceEndX) << c.name;
        RunCommand("ProcessFinishID", read("StartX"));
        EXPECT_EQ(texts["StartX"], c.finishIDStartX) << c.name;
    }
}

TEST_F(TurningCommandsTest, MachineTypeShowsTheBAxisAndTheToolTipPosition) {
    const struct {
        Machine machine;
        const char *toolType;
        bool bAxis, tipPosition;
    } cases[] = {
        {Machine::Other, "HSK", false, false},  {Machine::MacTurn, "BT", true, false},
        {Machine::MacTurn, "HSK", true, true},  {Machine::Multus, "BT", true, false},
        {Machine::Multus, "HSK", true, true},   {Machine::Other, "BT", false, false},
    };
    ASSERT_EQ(g_frmProcess, nullptr);
    for (const auto &c : cases) {
        // One form through all cases, so each case also undoes the one before.
        SetMachine(c.machine);
        g_ToolType = c.toolType;
        ConfigureProcessFormForMachine();
        frmProcess *f = g_frmProcess;
        ASSERT_NE(f, nullptr) << "created when needed";
        for (QWidget *w : {static_cast<QWidget *>(f->LabelB), static_cast<QWidget *>(f->LabelB2),
                           static_cast<QWidget *>(f->B)})
            EXPECT_EQ(w->isVisibleTo(f), c.bAxis) << w->objectName().toStdString() << " " << c.toolType;
        EXPECT_EQ(f->TipPostion->isVisibleTo(f), c.tipPosition) << c.toolType;
    }
    // Through a command: the dialog of a MULTUS with HSK tools asks for B.
    StartWithDocument();
    SetMachine(Machine::Multus);
    g_ToolType = "HSK";
    bool bShown = false, tipShown = false;
    RunCommand("ProcessFinishOD", [&](frmProcess *f) {
        bShown = f->B->isVisible();
        tipShown = f->TipPostion->isVisible();
        f->Command2->click();
    });
    EXPECT_TRUE(bShown);
    EXPECT_TRUE(tipShown);
}

TEST_F(TurningCommandsTest, ConfirmedDialogPutsTheBlockAtTheCaret) {
    const struct {
        const char *command;
        std::vector<std::pair<const char *, const char *>> boxes;
        QString golden;
    } cases[] = {
        // F 0.3, U 0.4, W 0.1 and C 1 come from the shipped table, EndX from the blank.
        {"ProcessRoughOD", {{"ToolNumber", "3"}, {"V", "150"}, {"D", "2"}, {"StartX", "40"}, {"EndZ", "-50"}},
         kRoughODGolden},
        {"ProcessFinishOD", {{"ToolNumber", "5"}, {"V", "200"}, {"U", "0.2"}, {"W", "0.05"}, {"StartX", "20"},
                             {"StartZ", "0"}},
         kFinishODGolden},
    };
    for (const auto &c : cases) {
        StartWithDocument();
        g_MaterialOD = 60;
        ExpectBlockAtTheCaret(c.command, c.boxes, c.golden);
        CloseMainWithoutSaving();
    }
}

TEST_F(TurningCommandsTest, SavedBlockHasTheBytesOfTheGolden) {
    StartMain();
    m_main->mnuFileNew->trigger();
    g_MaterialOD = 60;
    ASSERT_TRUE(RunCommand("ProcessRoughOD", Confirm({{"ToolNumber", "3"}, {"V", "150"}, {"D", "2"},
                                                      {"StartX", "40"}, {"EndZ", "-50"}})));
    EXPECT_EQ(SavedAs("OD.MIN"), kRoughODGolden.toLatin1());
}

TEST_F(TurningCommandsTest, CancelOrCloseBoxInsertsNothing) {
    ExpectCancelAndCloseBoxInsertNothing({std::begin(kCommands), std::end(kCommands)});
}

TEST_F(TurningCommandsTest, FailedCommandShowsItsErrorAndInsertsNothing) {
    const struct {
        const char *name;
        bool document;
        const char *startX;  // reference diameter StartX + 6
        int error;
        const char *text;
    } cases[] = {
        // The process menu is hidden without a document; the handlers are still reached.
        {"no document", false, "30", 91, kNoDocumentText},
        {"zero reference diameter", true, "-6", 11, kDivisionByZeroText},
    };
    for (const auto &c : cases) {
        if (c.document) StartWithDocument();
        else StartMain();
        for (const char *command : kCommands) {
            m_msgBoxes.clear();
            ASSERT_TRUE(RunCommand(command, Confirm({{"V", "150"}, {"StartX", c.startX}}))) << command;
            ExpectErrorShown(c.error, c.text, command);
            if (c.document) {
                EXPECT_EQ(m_pane->Text(), "AAA\r\nBBB\r\nCCC\r\n") << command;
            }
        }
        CloseMainWithoutSaving();
    }
}

TEST_F(TurningCommandsTest, ZeroCuttingSpeedKeepsTheSpeedOfTheBlockBefore) {
    StartWithDocument();
    g_MaterialOD = 60;
    RunCommand("ProcessRoughOD",
               Confirm({{"ToolNumber", "3"}, {"V", "150"}, {"D", "2"}, {"StartX", "40"}, {"EndZ", "-50"}}));
    ASSERT_EQ(g_SpindleSpeed, 1030);
    const char *const finishing[] = {"ProcessFinishFace", "ProcessFinishOD"};
    for (const char *command : finishing) {
        m_pane->SetText(QString());
        RunCommand(command, Confirm({{"ToolNumber", "5"}, {"V", "0"}, {"StartX", "20"}, {"StartZ", "0"}}));
        const QString block = m_pane->Text();
        EXPECT_TRUE(block.contains("N000 G00 X24 Z50 T050505 M42 S1030 M03 M63 M08\r\n")) << command;
        EXPECT_TRUE(block.contains("NT05     Z2 G96 S0\r\n")) << command;
        EXPECT_TRUE(block.contains(" G97 S1030 M63\r\n")) << command;
    }
    EXPECT_TRUE(m_msgBoxes.empty());
}

// The bore roughing used to take its start diameter as the blank's bore as
// soon as the dialog was confirmed, so a block that failed changed it too.
TEST_F(TurningCommandsTest, BoreRoughingTakesTheBoreOnlyOnceTheBlockIsIn) {
    StartWithDocument();
    // The dialog opens at the bore of the moment.
    auto atBore20 = [](std::function<void(frmProcess *)> answer) {
        return [answer](frmProcess *f) {
            EXPECT_EQ(BoxText(f, "EndX"), "20");
            answer(f);
        };
    };
    ExpectBoreTakenOnlyOnceInserted(
        "ProcessRoughID",
        {{"cancelled", atBore20([](frmProcess *f) { f->Command2->click(); }), 20, false},
         {"division by zero", atBore20(Confirm({{"V", "100"}, {"StartX", "-6"}})), 20, false},
         // The bore is the start X the block wrote; it used to be floored a second time (16.001).
         {"inserted, 16.0025", atBore20(Confirm({{"V", "100"}, {"StartX", "16.0025"}})), 16.002f, true},
         {"inserted", atBore20(Confirm({{"V", "100"}, {"StartX", "30.0004"}})), 30, true}},
        "ID.ROUGH", "30");
}

// "端面の" stood alone five rows below the feed box it qualifies.
TEST_F(TurningCommandsTest, FaceCaptionReadsBeforeTheFeedCaption) {
    StartWithDocument();
    struct Placement {
        QRect face, feed;
    };
    auto placementIn = [this](const char *command) {
        Placement p;
        RunCommand(command, [&p](frmProcess *f) {
            f->layout()->activate();
            p.face = f->LabelC->geometry();
            p.feed = f->LabelF->geometry();
            f->Command2->click();
        });
        return p;
    };
    const Placement faceOD = placementIn("ProcessFinishFaceOD");
    EXPECT_EQ(faceOD.face.center().y(), faceOD.feed.center().y());
    EXPECT_EQ(faceOD.face.right() + 1, faceOD.feed.left());
    // The next command finds the chamfer caption in its own row again.
    const Placement roughOD = placementIn("ProcessRoughOD");
    EXPECT_GT(roughOD.face.top(), roughOD.feed.bottom());
    EXPECT_EQ(roughOD.face.left(), roughOD.feed.left());
}

// A command whose condition row could not be read used to leave the dialog
// loaded with its fields hidden, so the next command opened it that way.
TEST_F(TurningCommandsTest, UnreadableConditionRowLeavesTheDialogAsDesigned) {
    StartWithDocument();
    g_CuttingConditions[9][4].clear();  // the spindle cell of the OD finishing
    EXPECT_FALSE(RunCommand("ProcessFinishOD", Confirm({}))) << "no dialog is shown";
    ExpectErrorShown(13, "加工条件エラー。素材入力をしてください。", "ProcessFinishOD");
    EXPECT_EQ(g_frmProcess, nullptr);
    bool feedShown = false;
    QString feedCaption;
    RunCommand("ProcessRoughOD", [&](frmProcess *f) {
        feedShown = f->F->isVisible();
        feedCaption = f->LabelF->text();
        f->Command2->click();
    });
    EXPECT_TRUE(feedShown);
    EXPECT_EQ(feedCaption, "送り速度(mm/rev)");
}

TEST_F(TurningCommandsTest, MenusFollowTheSetupEntry) {
    StartMain();
    const QList<QAction *> entries = m_main->Process->actions();
    ASSERT_GE(entries.size(), 9);
    EXPECT_EQ(entries[0]->objectName(), "ProcessSetup");
    EXPECT_EQ(entries[1]->objectName(), "ProcessUGC");
    EXPECT_TRUE(entries[2]->isSeparator());
    const struct {
        const char *name, *caption;
        QStringList names, captions;
    } submenus[] = {
        {"ProcessRough", "荒引き", {"ProcessRoughFace", "ProcessRoughFaceOD", "ProcessRoughOD", "ProcessRoughID"},
         {"端面", "端面+外径", "外径", "内径"}},
        {"ProcessFinish", "仕上げ", {"ProcessFinishFace", "ProcessFinishFaceOD", "ProcessFinishOD", "ProcessFinishID"},
         {"端面", "端面+外径", "外径", "内径"}},
        {"ProcessThread", "ネジ切り", {"ProcessThreadFace", "ProcessThreadOD", "ProcessThreadID"},
         {"端面", "外径", "内径"}},
        {"ProcessGroove", "ミゾ入れ", {"ProcessGrooveOD", "ProcessGrooveID", "ProcessGrooveFace"},
         {"外径", "内径", "端面"}},
        {"ProcessDrill", "ドリル", {"ProcessDrillHss", "ProcessDrillU"}, {"ハイス", "超硬"}},
    };
    for (int i = 0; i < 5; ++i) {
        QMenu *submenu = entries[3 + i]->menu();
        ASSERT_NE(submenu, nullptr) << submenus[i].name;
        EXPECT_EQ(submenu->objectName(), submenus[i].name);
        EXPECT_EQ(submenu->title(), submenus[i].caption);
        QStringList seenNames, seenCaptions;
        for (QAction *a : submenu->actions()) {
            seenNames << a->objectName();
            seenCaptions << a->text();
        }
        EXPECT_EQ(seenNames, submenus[i].names);
        EXPECT_EQ(seenCaptions, submenus[i].captions) << submenus[i].name;
    }
    EXPECT_EQ(entries[8]->objectName(), "ProcessMDrill") << "the rotary-tool submenus come after";
}

}  // namespace
}  // namespace brennvik

namespace brennvik {
namespace {

// Writing a material value floors the variable itself, so the dialogs that
// are pre-filled from it afterwards show it floored. The face and diameter
// roughing used to write copies of the material's OD and origin.
TEST_F(TurningCommandsTest, RoughingFloorsTheMaterialValuesItWrites) {
    StartWithDocument();
    auto readBox = [](const char *box, QString *text) {
        return [box, text](frmProcess *f) {
            *text = BoxText(f, box);
            f->Command2->click();
        };
    };
    const auto faceAndDiameter = Confirm({{"V", "100"}, {"StartX", "40"}, {"L", "0.5"}});
    // Never confirmed, the OD is empty; written by the face pass it holds 0.
    QString endX;
    RunCommand("ProcessRoughOD", readBox("EndX", &endX));
    EXPECT_EQ(endX, "");
    ASSERT_TRUE(RunCommand("ProcessRoughFaceOD", faceAndDiameter));
    RunCommand("ProcessRoughOD", readBox("EndX", &endX));
    EXPECT_EQ(endX, "0");

    // The origin 1.0015 is written 1.001 by the face passes and holds that;
    // pre-filled so, it is floored once more where a block writes it (the
    // double of 1.001 lies a hair below it).
    ScriptNextModal([](QWidget *w) {
        auto *d = qobject_cast<frmUGC *>(w);
        d->Text9->setText(QStringLiteral("1.0015"));
        d->Text5->setText(QStringLiteral("60"));
        d->Command1->click();
    });
    ShowMaterialDialog();
    ASSERT_TRUE(RunCommand("ProcessRoughFaceOD", faceAndDiameter));
    EXPECT_TRUE(m_pane->Text().contains("\r\nNT01     Z1.001 G96 S100\r\n"));
    QString startZ;
    RunCommand("ProcessRoughFace", readBox("StartZ", &startZ));
    EXPECT_EQ(startZ, "1.001");
    ASSERT_TRUE(RunCommand("ProcessRoughFace", Confirm({{"V", "100"}})));
    EXPECT_TRUE(m_pane->Text().contains("\r\nNT01     Z1 G96 S100\r\n"));
    ASSERT_TRUE(RunCommand("ProcessDrillHss", Confirm({{"V", "100"}, {"U", "10"}})));
    EXPECT_TRUE(m_pane->Text().contains("\r\nNT08 G74 X0 Z0 K45.999 D5 L1 F0.12\r\n")) << m_pane->Text().toStdString();
}

}  // namespace
}  // namespace brennvik
