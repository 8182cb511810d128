// The touch-probe commands as the user runs them: from the process menu
// through the scripted process dialog into the document, the measuring
// subprogram at the end of the program in either view.
#include "process/turning_commands_support.h"

#include "editing/turret_view.h"
#include "platform/AnsiCodec.h"
#include "process/cutting_conditions.h"
#include "process/machine_settings.h"
#include "process/process_state.h"
#include "workspace/frmDocument.h"
#include "workspace/program_files.h"

#include <QLineEdit>

namespace brennvik {
namespace {

using MeasuringCommandsTest = TurningCommandsTest;

const char *const kProbeCommands[] = {"ProcessMeasuerInD", "ProcessMeasuerInR", "ProcessMeasuerOutD",
                                      "ProcessMeasuerOutR"};
const char *const kDialogCommands[] = {"ProcessMeasuerInD",  "ProcessMeasuerInR",       "ProcessMeasuerOutD",
                                       "ProcessMeasuerOutR", "ProcessMeasuerZeroCaxis", "ProcessMeasuerZeroZaxis"};

// The inner-diameter example: probe 1 correcting offset 21, good within
// 0.05, rejected beyond 0.1, at X50 Z-20, on a first start's machine.
const std::vector<std::pair<const char *, const char *>> kInnerDiameterBoxes = {
    {"ToolNumber", "1"}, {"V", "21"}, {"U", "0.05"}, {"W", "0.1"}, {"EndX", "50"}, {"EndZ", "-20"}};
const char kInnerDiameterCall[] = "N000 CALL OME12 (ID.MEASURE D50)";
const QString kInnerDiameterSubprogram =
    Lines({"\t", "----------< ID.MEASURE D50 >----------", "OME12", "N000 IF[VDIN[32]EQ 0]NRTS", "N000 G00 X200 Z50 T0101",
           "NT01 CALL ODIAA ZP1=50 ZP2=-20 TOF1=11 TOF2=01",
           "$         MSP=50 APP=3 APPS=2 IMP=1 DOK=0.05 DNG=0.1 TOFN=21", "N000 G00 X200", "N000     X500 Z500",
           "NRTS RTS"});

TEST_F(MeasuringCommandsTest, EachCommandSetsUpTheDialog) {
    using Captions = std::vector<std::pair<const char *, const char *>>;
    auto with = [](Captions captions, std::initializer_list<std::pair<const char *, const char *>> more) {
        captions.insert(captions.end(), more);
        return captions;
    };
    const Captions probe = {{"Label1", "ｾﾝｻ-番号"}, {"LabelU", "OK範囲"}, {"LabelW", "NG範囲"}, {"LabelEnd", "目標位置"},
                            {"LabelF", ""},          {"LabelF2", ""},      {"LabelD", ""},      {"LabelD2", ""},
                            {"LabelL", ""},          {"LabelL2", ""},      {"LabelC", ""},      {"LabelC2", ""},
                            {"LabelStartC", ""},     {"LabelEndC", ""}};
    const Captions noStart = with(probe, {{"LabelV", "工具補正"}, {"LabelStart", ""}, {"LabelStartX", ""}, {"LabelStartZ", ""}});
    const std::vector<const char *> probeHidden = {"F", "D", "L", "C", "StartC", "EndC"};
    std::vector<const char *> noStartHidden = probeHidden;
    noStartHidden.insert(noStartHidden.end(), {"StartX", "StartZ"});
    const Captions zero = {{"Label1", "ｾﾝｻ-番号"}, {"LabelC", "2度当り"}, {"LabelEnd", "目標位置"}, {"LabelStartC", ""},
                           {"LabelEndX", ""}};
    const ExpectedSetup cases[] = {
        {"ProcessMeasuerInD", "内径直径計測", 34, noStart, noStartHidden, {}, {}},
        {"ProcessMeasuerInR", "内径半径計測", 34, noStart, noStartHidden, {}, {}},
        // Only the outer diameter asks where the probe starts.
        {"ProcessMeasuerOutD", "外径直径計測", 34, with(probe, {{"LabelV", "工具補正"}}), probeHidden, {}, {}},
        {"ProcessMeasuerOutR", "外径半径計測", 34,
         with(probe, {{"LabelV", "補正先No"}, {"LabelStart", ""}, {"LabelStartX", ""}, {"LabelStartZ", ""}}),
         noStartHidden, {}, {}},
        {"ProcessMeasuerZeroCaxis", "C軸-自動原点オフセット", 34,
         with(zero, {{"LabelV", "ｱﾌﾟﾛｰﾁ距離"}, {"LabelF", "ｼﾌﾄ角度"}, {"LabelU", ""}, {"LabelU2", ""},
                     {"LabelW", "ﾐｿﾞ幅角度"}, {"LabelD", "ｱﾌﾟﾛｰﾁ角"}, {"LabelL", ""}, {"LabelL2", ""}}),
         {"StartC", "EndX", "U", "L"}, {}, {}},
        {"ProcessMeasuerZeroZaxis", "Z軸-自動原点オフセット", 34,
         with(zero, {{"LabelV", ""}, {"Labelv2", ""}, {"LabelF", ""}, {"LabelF2", ""}, {"LabelU", "OK範囲"},
                     {"LabelW", "NG範囲"}, {"LabelD", "ｱﾌﾟﾛｰﾁ量"}, {"LabelL", "ｵｰﾊﾞｰ量"}, {"LabelEndC", ""}}),
         {"StartC", "EndX", "V", "F", "EndC"}, {}, {}},
    };
    ExpectSetups(std::vector<ExpectedSetup>(std::begin(cases), std::end(cases)));
}

// The probe commands place the B-axis and tool-tip fields by the machine
// type; the zero-offset boxes that may stay empty say so.
TEST_F(MeasuringCommandsTest, MachineFieldsAndOptionalBoxes) {
    StartWithDocument();
    SetMachine(Machine::Multus);
    for (const char *command : kDialogCommands) {
        const bool zAxis = command == std::string("ProcessMeasuerZeroZaxis");
        const bool cAxis = command == std::string("ProcessMeasuerZeroCaxis");
        ASSERT_TRUE(RunCommand(command, [&](frmProcess *f) {
            EXPECT_TRUE(f->B->isVisibleTo(f)) << command;
            EXPECT_TRUE(f->TipPostion->isVisibleTo(f)) << command;
            for (const char *box : {"C", "U", "W"}) {
                const bool optional = zAxis || (cAxis && box == std::string("C"));
                EXPECT_EQ(Child<QLineEdit>(f, box)->toolTip(), optional ? "省略可能" : "") << command << " " << box;
            }
            f->Command2->click();
        })) << command;
    }
}

// 内径計測 > 直径計測 opens with row 34 of the shipped table; the call
// replaces the selection, the subprogram goes to the end and the caret to
// the start of the call.
TEST_F(MeasuringCommandsTest, InnerDiameterWorkedExample) {
    StartWithDocument();
    QStringList prefilled;
    RunCommand("ProcessMeasuerInD", [&prefilled](frmProcess *f) {
        for (const char *box : {"ToolNumber", "V", "U", "W"}) prefilled << BoxText(f, box);
        f->Command2->click();
    });
    EXPECT_EQ(prefilled, QStringList({"40", "1", "0.02", "0.1"}));

    m_pane->Select(5, 3);
    ASSERT_TRUE(RunCommand("ProcessMeasuerInD", Confirm(kInnerDiameterBoxes)));
    const QString expected = "AAA\r\n" + QString::fromLatin1(kInnerDiameterCall) + "\r\nCCC\r\n" + kInnerDiameterSubprogram;
    EXPECT_EQ(m_pane->Text(), expected);
    EXPECT_EQ(m_pane->SelStart(), 5);
    EXPECT_EQ(m_pane->SelLength(), 0);
    EXPECT_EQ(g_OutputBlock, kInnerDiameterSubprogram);
    EXPECT_TRUE(m_msgBoxes.empty());
    EXPECT_EQ(SavedAs("measure.min"), expected.toLatin1());
}

// The call has no line end of its own: what followed the selection stays
// on its line; the outside call brings its line end.
TEST_F(MeasuringCommandsTest, CallLinesAtTheCaret) {
    StartWithDocument();
    const struct {
        const char *command;
        QString call;
    } cases[] = {
        {"ProcessMeasuerInR", "N000 CALL OME11 (ID.MEASURE D50)"},
        {"ProcessMeasuerOutD", "N000 CALL OME02 (OD.MEASURE D50)"},
        {"ProcessMeasuerOutR", "N000 CALL OME01 (OD.MEASURE D50)"},
    };
    for (const auto &c : cases) {
        m_pane->SetText("AAA\r\nBBB\r\nCCC\r\n");
        m_pane->Select(5, 5);
        ASSERT_TRUE(RunCommand(c.command, Confirm(kInnerDiameterBoxes))) << c.command;
        EXPECT_EQ(m_pane->Text(), "AAA\r\n" + c.call + "CCC\r\n" + g_OutputBlock) << c.command;
        EXPECT_TRUE(g_OutputBlock.startsWith("\t\r\n----------<")) << c.command;
        EXPECT_EQ(m_pane->SelStart(), 5) << c.command;
    }
    m_pane->SetText("AAA\r\nBBB\r\nCCC\r\n");
    m_pane->Select(5, 3);
    Action("ProcessMeasuerOutside")->trigger();
    EXPECT_EQ(m_pane->Text(), "AAA\r\nN000 CALL OXMS\r\n\r\nCCC\r\n");
    EXPECT_EQ(m_pane->SelStart(), 21);
    EXPECT_TRUE(m_msgBoxes.empty());
}

// A program whose end line has no line end gets it before the subprogram:
// "NEND M02" stays as it was and the TAB line stands on its own, as when
// the line end was there.
TEST_F(MeasuringCommandsTest, SubprogramAfterAnEndLineWithoutItsLineEnd) {
    StartWithDocument();
    for (const char *command : kProbeCommands) {
        // The program after the command, the caret put before "N1".
        auto probed = [this, command](const char *lastLineEnd) {
            m_pane->SetText(QStringLiteral("O1\r\nN1 G00 X0\r\nNEND M02") + lastLineEnd);
            m_pane->Select(4, 0);
            EXPECT_TRUE(RunCommand(command, Confirm(kInnerDiameterBoxes))) << command;
            EXPECT_EQ(m_pane->SelStart(), 4) << command;
            return m_pane->Text().toStdString();
        };
        const std::string withoutLineEnd = probed("");
        EXPECT_EQ(withoutLineEnd, probed("\r\n")) << command;
        EXPECT_NE(withoutLineEnd.find("\r\nNEND M02\r\n\t\r\n----------<"), std::string::npos) << command;
    }
    EXPECT_TRUE(m_msgBoxes.empty());
}

// In the two-turret view the call goes into the focused turret pane and the
// subprogram behind the program's end line, where saving writes it.
TEST_F(MeasuringCommandsTest, TwoTurretViewPutsTheSubprogramBehindTheEndLine) {
    StartMain();
    const QString path = WriteFile(QStringLiteral("p.min"), "O1\r\nG13\r\nA1\r\nG14\r\nB1\r\nNEND M02\r\n%\r\n");
    OpenFileInNewDocument(path);
    mnuAbView_Click();
    frmDocument *doc = g_Documents[g_CurrentDocument];
    ASSERT_TRUE(g_DocumentSplit[doc->Slot()]);
    doc->txtTextB_GotFocus();
    doc->txtTextB->SetSelStart(4);
    ASSERT_TRUE(RunCommand("ProcessMeasuerInD", Confirm(kInnerDiameterBoxes)));

    EXPECT_EQ(doc->txtText->Text(), "A1\r\n");
    EXPECT_EQ(doc->txtTextB->Text(), "B1\r\n" + QString::fromLatin1(kInnerDiameterCall));
    EXPECT_EQ(doc->txtTextB->SelStart(), 4);
    EXPECT_EQ(g_DocumentTrailer[doc->Slot()], "%\r\n" + kInnerDiameterSubprogram);
    EXPECT_TRUE(m_msgBoxes.empty());

    m_main->mnuFileSave_Click();
    QFile saved(path);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QString expected = Lines({"O1", "G13", "A1", "G14", "B1"}) + kInnerDiameterCall + "\r\n" +
                             Lines({"NEND M02", "%"}) + kInnerDiameterSubprogram;
    EXPECT_EQ(saved.readAll(), AnsiCodec::encode(expected).bytes);
}

// A failure anywhere leaves the program as it was: the call used to stay in
// the program when building the subprogram failed after it.
TEST_F(MeasuringCommandsTest, FailuresLeaveTextAndCaretAsTheyWere) {
    StartWithDocument();
    m_pane->Select(5, 3);
    for (const char *command : kProbeCommands) {
        m_msgBoxes.clear();
        // Z 1e306 is a double, but beyond the range of its thousandths.
        std::vector<std::pair<const char *, const char *>> boxes = kInnerDiameterBoxes;
        boxes.push_back({"EndZ", "1e306"});
        ASSERT_TRUE(RunCommand(command, Confirm(boxes))) << command;
        ExpectErrorShown(6, "エラーです。", command);
        EXPECT_EQ(m_pane->Text(), "AAA\r\nBBB\r\nCCC\r\n") << command;
        EXPECT_EQ(m_pane->SelStart(), 5) << command;
        EXPECT_EQ(m_pane->SelLength(), 3) << command;
    }
    // A condition row whose spindle field is no number: reported before the
    // dialog shows.
    m_msgBoxes.clear();
    g_CuttingConditions[34][4] = QStringLiteral("x");
    EXPECT_FALSE(RunCommand("ProcessMeasuerInD", Confirm(kInnerDiameterBoxes)));
    ExpectErrorShown(13, "加工条件エラー。素材入力をしてください。", "row 34");
    EXPECT_EQ(m_pane->Text(), "AAA\r\nBBB\r\nCCC\r\n");
    EXPECT_EQ(m_pane->SelStart(), 5);
    EXPECT_EQ(m_pane->SelLength(), 3);
}

TEST_F(MeasuringCommandsTest, NoDocumentIsErrorNinetyOne) {
    StartMain();
    std::vector<const char *> commands(std::begin(kDialogCommands), std::end(kDialogCommands));
    commands.push_back("ProcessMeasuerOutside");
    for (const char *command : commands) {
        m_msgBoxes.clear();
        ScriptNextModal([](QWidget *w) { qobject_cast<frmProcess *>(w)->Command1->click(); });
        EXPECT_TRUE(m_main->RunCommand(QString::fromLatin1(command))) << command;
        SetModalDriver({});
        ExpectErrorShown(91, kNoDocumentText, command);
    }
}

TEST_F(MeasuringCommandsTest, CancelAndCloseBoxChangeNothing) {
    ExpectCancelAndCloseBoxInsertNothing(std::vector<const char *>(std::begin(kDialogCommands), std::end(kDialogCommands)));
}

// The zero-offset blocks replace the selection, the caret behind them.
TEST_F(MeasuringCommandsTest, ZeroOffsetBlocksAtTheCaret) {
    StartWithDocument();
    ExpectBlockAtTheCaret("ProcessMeasuerZeroCaxis",
                          {{"ToolNumber", "1"}, {"V", "3"}, {"F", "10"}, {"W", "5"}, {"C", "0.5"}, {"StartX", "60"},
                           {"StartZ", "5"}, {"EndZ", "-10"}, {"EndC", "90"}},
                          Lines({"(-----< C-AXIS ZERO OFFSET >-----)", "N000 G94 M110 M15", "N000 G00 X200 Z50 T0101",
                                 "NT01     Z5", "N000     X60", "N000 CALL OCPFI MSP=-10 APP=3 CFW=10 COF=90",
                                 "N000 CALL OZOFD COF=90 CMW=5 APPS=0.5", "N000 G00 Z5", "N000     X200",
                                 "N000     X500 Z500", "N000 G95 M109", "\t"}));
    m_pane->SetText("AAA\r\nBBB\r\nCCC\r\n");
    m_pane->Select(5, 5);
    ExpectBlockAtTheCaret("ProcessMeasuerZeroZaxis",
                          {{"ToolNumber", "1"}, {"D", "4"}, {"L", "2"}, {"U", ""}, {"W", ""}, {"C", ""},
                           {"StartX", "60"}, {"StartZ", "5"}, {"EndZ", "-10"}},
                          Lines({"(-----< Z-AXIS ZERO OFFSET >-----)", "N000 G00 X200 Z50 T0101", "NT01     Z5",
                                 "N000     X60", "N000 CALL OZOFA MSP=-10 APP=4 IMP=2", "N000 G00 Z5", "N000     X200",
                                 "N000     X500 Z500", "\t"}));
}

}  // namespace
}  // namespace brennvik
