// The tilted-plane and key-groove commands as the user runs them: from the
// process menu through the scripted process dialog into the document.
#include "process/turning_commands_support.h"

#include "process/machine_settings.h"
#include "platform/SettingsStore.h"
#include "process/process_state.h"
#include "rotary/tilted_plane.h"
#include "workspace/frmMain.h"

#include <QLineEdit>

namespace brennvik {
namespace {

// The tilted-plane entries show on MacTurn and MULTUS machines: the
// program starts with a MULTUS setting.
class TiltedCommandsTest : public TurningCommandsTest {
protected:
    void SetUp() override {
        TurningCommandsTest::SetUp();
        SaveSetting(QStringLiteral("Brennvik"), QStringLiteral("Parameter"), QStringLiteral("MULTUS"),
                    QStringLiteral("True"));
    }
};

const char *const kCommands[] = {"ProcessMDrillSlant", "ProcessMTapSlant",    "ProcessMKeyFace",
                                 "ProcessMKeySide",    "ProcessMKeySlant",    "ProcessMCircleSlant",
                                 "ProcessMPlanetTapSlant"};
const char *const kTiltedCommands[] = {"ProcessMDrillSlant", "ProcessMTapSlant", "ProcessMKeySlant",
                                       "ProcessMCircleSlant", "ProcessMPlanetTapSlant"};

TEST_F(TiltedCommandsTest, EachCommandSetsUpTheDialog) {
    using Captions = std::vector<std::pair<const char *, const char *>>;
    auto with = [](Captions captions, std::initializer_list<std::pair<const char *, const char *>> more) {
        captions.insert(captions.end(), more);
        return captions;
    };
    const Captions plane = {{"LabelC", "原点移動量"}, {"LabelC2", "X"},    {"LabelCZ", "原点移動量"},
                            {"LabelStartZ", "Y"},     {"LabelStartC", "Z"}, {"LabelEndC", "Z"}};
    const Captions holes = with(plane, {{"LabelAttn", "注：Ｘ軸は半径指令です。"}, {"LabelEnd", "基準角度"}, {"LabelEndX", "C"}});
    const Captions arcs = with(plane, {{"LabelEnd", "半径"}, {"LabelEndX", "R"}, {"LabelW", "基準角度"}, {"LabelW2", "C"}});
    const Captions key = {{"LabelU", "ｴﾝﾄﾞﾐﾙ径"}, {"LabelU2", "D"}, {"LabelD", "切込量"}, {"LabelW", "切込速度(mm/min)"},
                          {"LabelW2", "E"}};
    Captions keyOnPlane = plane;
    keyOnPlane.insert(keyOnPlane.end(), key.begin(), key.end());
    const std::vector<const char *> planeShown = {"LabelB", "LabelB2", "B", "LabelSZ", "SZ"};
    auto shownWith = [&planeShown](std::initializer_list<const char *> more) {
        std::vector<const char *> shown = planeShown;
        shown.insert(shown.end(), more);
        return shown;
    };
    // B and SZ as the last process dialog left them (none yet: 0), C as the
    // last tilted-plane dialog did (none yet: empty).
    const Captions presets = {{"B", "0"}, {"C", ""}, {"SZ", "0"}};
    const ExpectedSetup cases[] = {
        {"ProcessMDrillSlant", "Y/B軸 Mドリル", 19,
         with(holes, {{"LabelU", "ドリル径"}, {"LabelU2", "D"}, {"LabelW", "終点ﾄﾞｳｪﾙ"}, {"LabelW2", "E"}}),
         {"TipPostion", "LabelEndZ", "EndZ"}, shownWith({"EndZ2"}), presets},
        {"ProcessMTapSlant", "Y/B軸 Mタップ", 22,
         with(holes, {{"LabelU", "呼び径"}, {"LabelU2", "M"}, {"LabelD", ""}, {"LabelD2", ""}, {"LabelL", ""}, {"LabelL2", ""}}),
         {"TipPostion", "LabelEndZ", "EndZ", "LabelW", "LabelW2", "W", "D", "L"}, shownWith({"EndZ2"}), presets},
        {"ProcessMKeyFace", "Mキーミゾ端面", 23,
         with(key, {{"LabelC", "キーの数"}, {"LabelC2", "Q"}, {"LabelL", "仕上げ代"}, {"LabelL2", "W"}, {"LabelEndC", ""}}),
         {"TipPostion", "LabelB", "LabelB2", "B", "EndC"}, {}, {}},
        {"ProcessMKeySide", "Mキーミゾ側面", 24,
         with(key, {{"LabelC", "キーの数"}, {"LabelC2", "Q"}, {"LabelL", "仕上げ代"}, {"LabelL2", "U"}, {"LabelEndC", ""}}),
         {"TipPostion", "LabelB", "LabelB2", "B", "EndC"}, {}, {}},
        {"ProcessMKeySlant", "Y/B軸 Mキーミゾ", 25,
         with(keyOnPlane, {{"LabelAttn", "注：Ｘ軸は半径指令です。"}, {"LabelL", "基準角度"}, {"LabelL2", "C"}, {"LabelEndZ", "Y"}}),
         {"TipPostion"}, planeShown, presets},
        {"ProcessMCircleSlant", "エンドミル円傾斜面", 30,
         with(arcs, {{"LabelAttn", "注意：X軸は半径指令"}, {"LabelU", "エンドミル径"}, {"LabelU2", "D"}, {"LabelD", "切り込み量"},
                     {"LabelD2", "t"}, {"LabelL", "仕上げ代"}, {"LabelL2", "U"}}),
         {"TipPostion", "LabelEndZ", "EndZ"}, shownWith({"EndZ2"}), presets},
        {"ProcessMPlanetTapSlant", "プラネットタップ傾斜面", 33,
         with(arcs, {{"LabelAttn", "注意：X軸は半径指令です。"}, {"LabelU", "タップ径"}, {"LabelU2", "D"}, {"LabelD", "ネジピッチ"},
                     {"LabelD2", "P"}, {"LabelL", ""}, {"LabelL2", ""}}),
         {"TipPostion", "LabelEndZ", "EndZ", "L"}, shownWith({"EndZ2"}), presets},
    };
    ExpectSetups(std::vector<ExpectedSetup>(std::begin(cases), std::end(cases)));
}

// The hints on the size boxes of the tilted drill and tap.
TEST_F(TiltedCommandsTest, Tooltips) {
    StartWithDocument();
    ASSERT_TRUE(RunCommand("ProcessMDrillSlant", [](frmProcess *f) {
        EXPECT_EQ(f->U->toolTip(), "M3=2.6 M4=3.4 M5=4.3 M6=5.1 M8=6.9 M10=8.7 M12=10.5 M16=14.3");
        f->Command2->click();
    }));
    ASSERT_TRUE(RunCommand("ProcessMTapSlant", [](frmProcess *f) {
        EXPECT_EQ(f->F->toolTip(),
                  "M2=0.4 M2.5=0.45 M3=0.5 M4=0.7 M5=0.8 M6=1 M8=1.25 M10=1.5 M12=1.75 M16=2 M20=2.5 M24=3");
        f->Command2->click();
    }));
}

// The C, B and SZ boxes each tilted-plane dialog opens with.
std::function<void(frmProcess *)> ReadShiftBoxesAndCancel(QStringList &seen) {
    return [&seen](frmProcess *f) {
        seen = QStringList({BoxText(f, "C"), BoxText(f, "B"), BoxText(f, "SZ")});
        f->Command2->click();
    };
}

// C carries the origin shift X from one tilted-plane dialog to the next,
// also when the block then fails, never from a cancelled one; B and SZ
// come from the last confirmed dialog of any kind.
TEST_F(TiltedCommandsTest, OriginShiftCarriedToTheNextTiltedDialog) {
    StartWithDocument();
    QStringList seen;
    ASSERT_TRUE(RunCommand("ProcessMKeySlant", ReadShiftBoxesAndCancel(seen)));
    EXPECT_EQ(seen, QStringList({"", "0", "0"}));
    EXPECT_FALSE(g_LastOriginShiftX.has_value());

    ASSERT_TRUE(RunCommand("ProcessMDrillSlant", Confirm({{"U", "10"}, {"C", "2.5"}, {"B", "45"}, {"SZ", "1.5"}})));
    ASSERT_TRUE(RunCommand("ProcessMCircleSlant", ReadShiftBoxesAndCancel(seen)));
    EXPECT_EQ(seen, QStringList({"2.5", "45", "1.5"}));

    // A face drill asks for the number of holes in C, without B and SZ.
    ASSERT_TRUE(RunCommand("ProcessMDrillFace", Confirm({{"U", "10"}, {"C", "3"}})));
    ASSERT_TRUE(RunCommand("ProcessMPlanetTapSlant", ReadShiftBoxesAndCancel(seen)));
    EXPECT_EQ(seen, QStringList({"2.5", "0", "0"}));

    m_msgBoxes.clear();
    ASSERT_TRUE(RunCommand("ProcessMTapSlant", Confirm({{"U", "0"}, {"C", "7.25"}})));
    ExpectErrorShown(11, kDivisionByZeroText, "ProcessMTapSlant");
    ASSERT_TRUE(RunCommand("ProcessMKeySlant", [](frmProcess *f) {
        EXPECT_EQ(BoxText(f, "C"), "7.25");
        SetBoxText(f, "C", "9");
        f->Command2->click();
    }));
    ASSERT_TRUE(RunCommand("ProcessMDrillSlant", ReadShiftBoxesAndCancel(seen)));
    EXPECT_EQ(seen.first(), "7.25");
}

// Leaving B relabels the end box of the tilted drill and tap: X for a
// radial hole, else Z.
TEST_F(TiltedCommandsTest, EndBoxRelabelledByB) {
    StartWithDocument();
    const struct {
        const char *command;
        const char *b;
        const char *endLabel;
    } cases[] = {
        {"ProcessMDrillSlant", "90", "X"}, {"ProcessMTapSlant", "90", "X"},
        {"ProcessMTapSlant", "45", "Z"},   {"ProcessMKeySlant", "90", "Z"},
    };
    for (const auto &c : cases) {
        ASSERT_TRUE(RunCommand(c.command, [&c](frmProcess *f) {
            f->B->setText(QString::fromLatin1(c.b));
            f->B_LostFocus();
            EXPECT_EQ(f->LabelEndC->text(), c.endLabel) << c.command << ' ' << c.b;
            f->Command2->click();
        }));
    }
}

// Y/B軸加工 > M軸ドリル on a MULTUS: the radial hole's block at the caret.
TEST_F(TiltedCommandsTest, TiltedDrillFromTheMenu) {
    StartWithDocument();
    g_ToolFrom = false;
    const QString golden = Lines({"(-----< DRILL D10 >-----)",
                                  "N000 MT=503",
                                  "N000 M421",
                                  "N000 G94 M110 TL=050505 BT=1",
                                  "NT05 G00 C30 X200 Z50 SB=2540 M13 M63 M08",
                                  "N000 G138",
                                  "N000 G174 SX=1 SZ=0",
                                  "N000 G00  X100 Y5 Z-10",
                                  "N000 G181 C30 X12 Y5 Z-10 I78 F=SB*0.1 M136",
                                  "N000 G180",
                                  "N000 G00 X100",
                                  "N000 G175",
                                  "N000 G136",
                                  "N000 G20 HP=4 M12 M63 M09",
                                  "\t"});
    ExpectBlockAtTheCaret("ProcessMDrillSlant",
                          {{"ToolNumber", "5"}, {"V", "80"},      {"F", "0.1"},     {"D", "0"},      {"L", "0"},
                           {"U", "10"},         {"W", "0"},       {"C", "1"},       {"B", "90"},     {"SZ", "0"},
                           {"StartX", "20"},    {"StartZ", "5"},  {"StartC", "-10"}, {"EndX", "30"}, {"EndC", "12"}},
                          golden);
}

// A step too small to lower the depth: the error message, nothing inserted.
TEST_F(TiltedCommandsTest, CircleStepTooSmallIsAnError) {
    StartWithDocument();
    ASSERT_TRUE(RunCommand("ProcessMCircleSlant", Confirm({{"U", "10"}, {"D", "0.00000000000000000001"}, {"StartC", "0"},
                                                           {"EndC", "-3"}})));
    ExpectErrorShown(5, "エラーです。", "ProcessMCircleSlant");
    EXPECT_EQ(m_pane->Text(), "AAA\r\nBBB\r\nCCC\r\n");
}

TEST_F(TiltedCommandsTest, CancelAndCloseBoxChangeNothing) {
    ExpectCancelAndCloseBoxInsertNothing(std::vector<const char *>(std::begin(kCommands), std::end(kCommands)));
    EXPECT_FALSE(g_LastOriginShiftX.has_value());
}

TEST_F(TiltedCommandsTest, ZeroToolDiameterIsErrorElevenAndInsertsNothing) {
    StartWithDocument();
    for (const char *command : kCommands) {
        m_msgBoxes.clear();
        g_OutputBlock = "OLD";
        ASSERT_TRUE(RunCommand(command, Confirm({{"V", "80"}, {"U", "0"}}))) << command;
        ExpectErrorShown(11, kDivisionByZeroText, command);
        EXPECT_EQ(m_pane->Text(), "AAA\r\nBBB\r\nCCC\r\n") << command;
        EXPECT_EQ(g_OutputBlock, "OLD") << command;
    }
}

// The circle and thread milling exist on the tilted plane only.
TEST_F(TiltedCommandsTest, FaceAndSideCircleAndThreadMillingDisabled) {
    StartWithDocument();
    for (const char *name : {"ProcessMCircleFace", "ProcessMCircleSide", "ProcessMPlanetTapFace", "ProcessMPlanetTapSide"})
        EXPECT_FALSE(Action(name)->isEnabled()) << name;
    for (const char *name : kTiltedCommands) EXPECT_TRUE(Action(name)->isEnabled()) << name;
}

}  // namespace
}  // namespace brennvik
