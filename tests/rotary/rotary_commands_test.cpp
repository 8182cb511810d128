// The rotary-tool commands as the user runs them: from the process menu
// through the scripted process dialog into the document.
#include "process/turning_commands_support.h"

#include "process/machine_settings.h"
#include "process/process_state.h"
#include "workspace/frmMain.h"

#include <QLabel>
#include <QLineEdit>

#include <algorithm>

namespace brennvik {
namespace {

using RotaryCommandsTest = TurningCommandsTest;

const char *const kCommands[] = {"ProcessMDrillFace",  "ProcessMDrillSide",  "ProcessMTapFace", "ProcessMTapSide",
                                 "ProcessMSouseiFace", "ProcessMSouseiSide", "SipndleTap_1",     "SipndleTap_2"};

// The three worked examples with the boxes that give them.
const QString kFaceDrillGolden = Lines({"(-----< FACE DRILL D10 >-----)", "N000 G94 M110 T050505",
                                        "NT05 G00 X200 Z50 SB=2540 M13 M63 M08", "N000 G181 C0 X40 Z-20 K48 F=SB*0.1",
                                        "N000 G180", "N000 G00 Z50", "N000     X500 Z500 M12 M63", "\t"});
const std::vector<std::pair<const char *, const char *>> kFaceDrillBoxes = {
    {"ToolNumber", "5"}, {"V", "80"},     {"F", "0.1"},    {"D", "0"},      {"L", "0"},     {"U", "10"},
    {"W", "0"},          {"C", "1"},      {"StartX", "40"}, {"StartZ", "0"}, {"StartC", "0"}, {"EndZ", "-20"}};
const QString kFaceTapGolden = Lines({"(-----< FACE TAP M8*P1.25 >-----)", "N000 G95 M110 T060606",
                                      "NT06 G00 X200 Z50 SB=390 M08", "N000 G178 C0 X0 Z-15 K45 F1.25 Q1",
                                      "N000 G180", "N000 G00 Z50", "N000     X500 Z500", "\t"});
const std::vector<std::pair<const char *, const char *>> kFaceTapBoxes = {
    {"ToolNumber", "6"}, {"V", "10"}, {"F", "1.25"}, {"D", "0"}, {"U", "8"}, {"C", "1"}, {"StartX", "0"}, {"EndZ", "-15"}};
const QString kSpindleTapGolden =
    Lines({"(-----< SPINDLE TAP M10*P1.5 >-----)", "N000 G00 X0 Z50 T0303 M41 S310 M03 M63 M08",
           "NT03 G107 X0 Z-20 K45 F1.5", "N000 G00 X500 Z500", "\t"});
const std::vector<std::pair<const char *, const char *>> kSpindleTapBoxes = {
    {"ToolNumber", "3"}, {"V", "10"}, {"F", "1.5"}, {"U", "10"}, {"D", "0"}, {"EndZ", "-20"}};

TEST_F(RotaryCommandsTest, EachCommandSetsUpTheDialog) {
    const std::vector<std::pair<const char *, const char *>> drillCaptions = {
        {"LabelU", "ドリル径"}, {"LabelU2", "D"}, {"LabelW", "終点ﾄﾞｳｪﾙ"}, {"LabelW2", "E"},
        {"LabelC", "穴の数"},   {"LabelC2", "Q"}, {"LabelEndC", ""}};
    const std::vector<std::pair<const char *, const char *>> tapCaptions = {
        {"LabelU", "呼び径"}, {"LabelU2", "M"}, {"LabelW", ""},         {"LabelW2", ""}, {"LabelD", "ネジ角度"},
        {"LabelL", ""},       {"LabelL2", ""},  {"LabelC", "タップ数"}, {"LabelC2", "Q"}, {"LabelEndC", ""}};
    const std::vector<std::pair<const char *, const char *>> contourCaptions = {
        {"LabelU", "ｴﾝﾄﾞﾐﾙ径"}, {"LabelU2", "D"}, {"LabelC", ""}, {"LabelC2", ""}, {"LabelD", ""},
        {"LabelD2", ""},        {"LabelW", ""},   {"LabelW2", ""}, {"LabelL", ""}, {"LabelL2", ""}};
    const std::vector<std::pair<const char *, const char *>> spindleTapCaptions = {
        {"LabelU", "呼び径"}, {"LabelU2", "M"},    {"LabelW", ""},      {"LabelW2", ""},   {"LabelL", ""},
        {"LabelL2", ""},      {"LabelC", ""},      {"LabelC2", ""},     {"LabelStartX", ""}, {"LabelStartC", ""},
        {"LabelEndX", ""},    {"LabelEndC", ""}};
    auto with = [](std::vector<std::pair<const char *, const char *>> captions,
                   std::initializer_list<std::pair<const char *, const char *>> more) {
        captions.insert(captions.end(), more);
        return captions;
    };
    const std::vector<const char *> noBAxis = {"TipPostion", "LabelB", "LabelB2", "B"};
    auto hiding = [&noBAxis](std::initializer_list<const char *> boxes) {
        std::vector<const char *> hidden = noBAxis;
        hidden.insert(hidden.end(), boxes);
        return hidden;
    };
    const ExpectedSetup cases[] = {
        {"ProcessMDrillFace", "Mドリル端面", 17, with(drillCaptions, {{"LabelEndX", ""}}), hiding({"EndX", "EndC"}), {}, {}},
        {"ProcessMDrillSide", "Mドリル側面", 18, with(drillCaptions, {{"LabelEndZ", ""}, {"EndZ2", ""}}),
         hiding({"EndZ", "EndC"}), {}, {}},
        {"ProcessMTapFace", "Mタップ端面", 20, with(tapCaptions, {{"LabelEndX", ""}}), hiding({"W", "L", "EndX", "EndC"}),
         {}, {{"StartZ", "0"}, {"StartC", "0"}}},
        {"ProcessMTapSide", "Mタップ側面", 21, with(tapCaptions, {{"LabelEndZ", ""}, {"EndZ2", ""}}),
         hiding({"W", "L", "EndZ", "EndC"}), {}, {{"StartC", "0"}}},
        {"ProcessMSouseiFace", "M創成加工端面", 26, contourCaptions, hiding({"C", "D", "W", "L"}), {}, {}},
        {"ProcessMSouseiSide", "M創成加工側面", 27, contourCaptions, hiding({"C", "D", "W", "L"}), {}, {}},
        // The main-spindle tap keeps the tool-tip position on every machine.
        {"SipndleTap_1", "主軸フローティング タップ", 20, with(spindleTapCaptions, {{"LabelD", ""}, {"LabelD2", ""}}),
         {"D", "W", "L", "C", "StartX", "StartC", "EndX", "EndC", "LabelB", "LabelB2", "B"}, {"TipPostion"},
         {{"StartZ", "0"}}},
        {"SipndleTap_2", "主軸同期タップ", 20, with(spindleTapCaptions, {{"LabelD", "開始角度"}}),
         {"W", "L", "C", "StartX", "StartC", "EndX", "EndC", "LabelB", "LabelB2", "B"}, {"TipPostion"},
         {{"StartZ", "0"}}},
    };
    ExpectSetups(std::vector<ExpectedSetup>(std::begin(cases), std::end(cases)));
}

// The captions a user sees on the dialog's end row, left to right: shown,
// not empty, and not covered by a box shown over them.
QStringList SeenEndRowCaptions(frmProcess *f) {
    const QRect row = f->LabelEnd->geometry();
    QList<QLabel *> seen;
    for (QLabel *label : f->findChildren<QLabel *>()) {
        const QRect at = label->geometry();
        const bool onEndRow = at.center().y() >= row.top() && at.center().y() <= row.bottom();
        if (!label->isVisible() || label->text().isEmpty() || !onEndRow) continue;
        const QList<QLineEdit *> boxes = f->findChildren<QLineEdit *>();
        if (std::none_of(boxes.begin(), boxes.end(),
                         [&at](QLineEdit *box) { return box->isVisible() && box->geometry().intersects(at); }))
            seen << label;
    }
    std::sort(seen.begin(), seen.end(), [](QLabel *a, QLabel *b) { return a->x() < b->x(); });
    QStringList captions;
    for (QLabel *label : seen) captions << label->text();
    return captions;
}

// The hole ends at a Z on the face and at an X on the side: the end row
// names the one end box it keeps, and the hidden end Z of the side uncovers
// no second "終　点".
TEST_F(RotaryCommandsTest, EndRowShowsOnlyTheCaptionsOfItsBoxes) {
    StartWithDocument();
    const struct {
        const char *command;
        QStringList endRow;
    } cases[] = {
        {"ProcessMDrillFace", {"終　点", "Z"}},
        {"ProcessMDrillSide", {"終　点", "X"}},
        {"ProcessMTapFace", {"終　点", "Z"}},
        {"ProcessMTapSide", {"終　点", "X"}},
    };
    for (const auto &c : cases) {
        QStringList seen;
        ASSERT_TRUE(RunCommand(c.command, [&seen](frmProcess *f) {
            seen = SeenEndRowCaptions(f);
            f->Command2->click();
        })) << c.command;
        EXPECT_EQ(seen, c.endRow) << c.command << ": " << seen.join(" | ").toStdString();
    }
}

// Each command places the B-axis fields itself: hidden also on a MULTUS,
// where the turning commands show them.
TEST_F(RotaryCommandsTest, TooltipsAndNoBAxisOnMultus) {
    StartWithDocument();
    SetMachine(Machine::Multus);
    const char pitches[] = "M2=0.4 M2.5=0.45 M3=0.5 M4=0.7 M5=0.8 M6=1 M8=1.25 M10=1.5 M12=1.75 M16=2 M20=2.5";
    const QString longPitches = QString::fromLatin1(pitches) + " M24=3";
    const struct {
        const char *command;
        const char *box;
        QString tooltip;
        bool tipPosition;
    } cases[] = {
        {"ProcessMDrillFace", "U", "M3=2.6 M4=3.4 M5=4.3 M6=5.1 M8=6.9 M10=8.7 M12=10.5 M16=14.3", false},
        {"ProcessMDrillSide", "U", "M3=2.6 M4=3.4 M5=4.3 M6=5.1 M8=6.9 M10=8.7 M12=10.5 M16=14.3", false},
        {"ProcessMTapFace", "F", pitches, false},
        {"ProcessMTapSide", "F", longPitches, false},
        {"ProcessMSouseiSide", "U", "", false},
        {"SipndleTap_2", "F", longPitches, true},
    };
    for (const auto &c : cases) {
        ASSERT_TRUE(RunCommand(c.command, [&c](frmProcess *f) {
            EXPECT_EQ(Child<QLineEdit>(f, c.box)->toolTip(), c.tooltip) << c.command;
            EXPECT_FALSE(f->B->isVisibleTo(f)) << c.command;
            EXPECT_FALSE(f->LabelB->isVisibleTo(f)) << c.command;
            EXPECT_EQ(f->TipPostion->isVisibleTo(f), c.tipPosition) << c.command;
            f->Command2->click();
        })) << c.command;
    }
}

// M軸ドリル > 正面 opens with row 17 of the shipped table; the three worked
// examples go into the document as their blocks, byte for byte.
TEST_F(RotaryCommandsTest, WorkedExamplesFromTheMenu) {
    StartWithDocument();
    g_ToolFrom = false;
    QStringList prefilled;
    RunCommand("ProcessMDrillFace", [&prefilled](frmProcess *f) {
        for (const char *box : {"ToolNumber", "V", "F", "D", "L", "U", "W", "C"}) prefilled << BoxText(f, box);
        f->Command2->click();
    });
    EXPECT_EQ(prefilled, QStringList({"21", "25", "0.1", "4", "1", "6.9", "0", "1"}));

    ExpectBlockAtTheCaret("ProcessMDrillFace", kFaceDrillBoxes, kFaceDrillGolden);
    EXPECT_EQ(SavedAs("drill.min"), ("AAA\r\n" + kFaceDrillGolden + "CCC\r\n").toLatin1());
    m_pane->SetText("AAA\r\nBBB\r\nCCC\r\n");
    m_pane->Select(5, 5);
    ExpectBlockAtTheCaret("ProcessMTapFace", kFaceTapBoxes, kFaceTapGolden);
    m_pane->SetText("AAA\r\nBBB\r\nCCC\r\n");
    m_pane->Select(5, 5);
    ExpectBlockAtTheCaret("SipndleTap_2", kSpindleTapBoxes, kSpindleTapGolden);
}

// The boxes of the single-precision values as typed into the dialog: 2.01
// was written 2.009 when its single was floored as a double.
TEST_F(RotaryCommandsTest, SingleBoxesFromTheMenu) {
    StartWithDocument();
    g_ToolFrom = false;
    auto boxes = kFaceDrillBoxes;
    boxes.push_back({"StartC", "2.01"});
    boxes.push_back({"C", "4"});
    ASSERT_TRUE(RunCommand("ProcessMDrillFace", Confirm(boxes)));
    EXPECT_TRUE(m_pane->Text().contains("\r\nN000 G181 C2.01 X40 Z-20 K48 F=SB*0.1 Q4\r\n")) << m_pane->Text().toStdString();
}

TEST_F(RotaryCommandsTest, CancelAndCloseBoxChangeNothing) {
    ExpectCancelAndCloseBoxInsertNothing(std::vector<const char *>(std::begin(kCommands), std::end(kCommands)));
}

TEST_F(RotaryCommandsTest, ZeroToolDiameterIsErrorElevenAndInsertsNothing) {
    StartWithDocument();
    for (const char *command : kCommands) {
        m_msgBoxes.clear();
        g_OutputBlock = "OLD";
        ASSERT_TRUE(RunCommand(command, Confirm({{"V", "80"}, {"U", "0"}}))) << command;
        ExpectErrorShown(11, "ゼロ割り算エラー。工具径などのデータが０です。", command);
        EXPECT_EQ(m_pane->Text(), "AAA\r\nBBB\r\nCCC\r\n") << command;
        EXPECT_EQ(g_OutputBlock, "OLD") << command;
    }
}

TEST_F(RotaryCommandsTest, NoDocumentIsErrorNinetyOne) {
    const char text[] = "ファイルが開いていないので挿入出来ません。新しく作成をする時は[新規]を押してください。";
    StartMain();
    for (const char *command : {"ProcessMDrillFace", "SipndleTap_1", "ProcessMT1"}) {
        m_msgBoxes.clear();
        ScriptNextModal([](QWidget *w) { qobject_cast<frmProcess *>(w)->Command1->click(); });
        EXPECT_TRUE(m_main->RunCommand(QString::fromLatin1(command))) << command;
        SetModalDriver({});
        ExpectErrorShown(91, text, command);
    }
}

// The preparation words replace the selection without a line end; the
// tool group is typed after " TG=".
TEST_F(RotaryCommandsTest, ToolChangePreparationWordsAtTheCaret) {
    StartWithDocument();
    const struct {
        const char *command;
        bool toolLife;
        QString words;
    } cases[] = {
        {"ProcessMT1", true, "N000 MT=1 TG="},
        {"ProcessMT3", true, "N000 MT=3 TG="},
        {"ProcessMT1", false, "N000 MT=1"},
        {"ProcessMT3", false, "N000 MT=3"},
    };
    for (const auto &c : cases) {
        m_pane->SetText("AAA\r\nBBB\r\nCCC\r\n");
        m_pane->Select(5, 3);
        g_TG = c.toolLife;
        Action(c.command)->trigger();
        EXPECT_EQ(m_pane->Text(), "AAA\r\n" + c.words + "\r\nCCC\r\n") << c.command;
        EXPECT_EQ(m_pane->SelStart(), 5 + c.words.size()) << c.command;
        EXPECT_EQ(g_OutputBlock, c.words) << c.command;
    }
    EXPECT_TRUE(m_msgBoxes.empty());
}

}  // namespace
}  // namespace brennvik
