// Drilling and tapping with a rotary tool on the face and the side.
#include "rotary_test_support.h"

#include "rotary/contour_milling.h"
#include "rotary/rotary_holes.h"

#include <QStringList>

#include <functional>

namespace brennvik {
namespace {

using RotaryHolesTest = RotaryBlockTest;

// A tap M8 x 1.25 at V 10, tapped from the face at Z0 to Z-15.
void SetFaceTapExample() {
    g_ToolNumber = 6;
    g_ParamV = 10;
    g_ParamF = 1.25;
    g_ParamD = 0;
    g_ParamU = 8;
    g_ParamC = 1;
    g_StartX = 0;
    g_StartZ = 0;
    g_StartC = 0;
    g_EndZ = -15;
}

TEST_F(RotaryHolesTest, FaceDrillWorkedExample) {
    EXPECT_EQ(BuildFaceDrillBlock(), "(-----< FACE DRILL D10 >-----)\r\n"
                                     "N000 G94 M110 T050505\r\n"
                                     "NT05 G00 X200 Z50 SB=2540 M13 M63 M08\r\n"
                                     "N000 G181 C0 X40 Z-20 K48 F=SB*0.1\r\n"
                                     "N000 G180\r\n"
                                     "N000 G00 Z50\r\n"
                                     "N000     X500 Z500 M12 M63\r\n"
                                     "\t\r\n");
}

TEST_F(RotaryHolesTest, FaceTapWorkedExample) {
    SetFaceTapExample();
    EXPECT_EQ(BuildFaceTapBlock(), "(-----< FACE TAP M8*P1.25 >-----)\r\n"
                                   "N000 G95 M110 T060606\r\n"
                                   "NT06 G00 X200 Z50 SB=390 M08\r\n"
                                   "N000 G178 C0 X0 Z-15 K45 F1.25 Q1\r\n"
                                   "N000 G180\r\n"
                                   "N000 G00 Z50\r\n"
                                   "N000     X500 Z500\r\n"
                                   "\t\r\n");
    EXPECT_EQ(g_SpindleSpeed, 390);
}

// Pecking or a dwell selects G183; each of D, L and E is written only when
// above 0, Q only for more than one hole.
TEST_F(RotaryHolesTest, DrillingCycleWords) {
    const struct {
        bool side;
        double d, l, w;
        float holes;
        const char *cycle;
    } cases[] = {
        {false, 0, 0, 0, 1, "N000 G181 C0 X40 Z-20 K48 F=SB*0.1"},
        {false, 0, 1, 0, 0, "N000 G181 C0 X40 Z-20 K48 L1 F=SB*0.1"},
        {false, 0, 0, 0.5, 1, "N000 G183 C0 X40 Z-20 K48 E0.5 F=SB*0.1"},
        {false, -1, 0, 0, 1, "N000 G183 C0 X40 Z-20 K48 F=SB*0.1"},
        {false, 0, 0, -0.5, 1, "N000 G183 C0 X40 Z-20 K48 F=SB*0.1"},
        {false, 3, 1, 0.2, 4, "N000 G183 C0 X40 Z-20 K48 D3 L1 E0.2 F=SB*0.1 Q4"},
        {true, 0, 0, 0, 1, "N000 G181 C0 X30 Z-10 I156 F=SB*0.1 M136"},
        {true, 2.5, 0.5, 0, 4, "N000 G183 C0 X30 Z-10 I156 D2.5 L0.5 F=SB*0.1 Q4 M136"},
    };
    for (const auto &c : cases) {
        g_ParamD = c.d;
        g_ParamL = c.l;
        g_ParamW = c.w;
        g_ParamC = c.holes;
        g_StartX = 40;
        g_EndX = 30;
        g_StartZ = c.side ? -10 : 0;
        EXPECT_EQ(BlockLines(c.side ? BuildSideDrillBlock() : BuildFaceDrillBlock())[3], c.cycle) << c.cycle;
    }
}

TEST_F(RotaryHolesTest, TappingCycleWords) {
    const struct {
        bool side;
        double angle;
        float taps;
        const char *cycle;
    } cases[] = {
        {false, 0, 0, "N000 G178 C0 X0 Z-15 K45 F1.25"},
        {false, 0, 1, "N000 G178 C0 X0 Z-15 K45 F1.25 Q1"},
        {false, 60, 3, "N000 G178 C0 X0 Z-15 K45 D60 F1.25 Q3"},
        {true, 0, 0, "N000 G178 C0 X30 Z-10 I150 F1.25 M136"},
        {true, 60, 2, "N000 G178 C0 X30 Z-10 I150 D60 F1.25 Q2 M136"},
    };
    for (const auto &c : cases) {
        SetFaceTapExample();
        g_ParamD = c.angle;
        g_ParamC = c.taps;
        if (c.side) {
            g_StartX = 40;
            g_EndX = 30;
            g_StartZ = -10;
        }
        EXPECT_EQ(BlockLines(c.side ? BuildSideTapBlock() : BuildFaceTapBlock())[3], c.cycle) << c.cycle;
    }
}

// The side members turn the tool to the side; a settings store with both
// machine types on gives the MacTurn's words once.
TEST_F(RotaryHolesTest, SideToolLineWordsByMachine) {
    enum { Other, MacTurn, Multus, Both };
    const struct {
        const char *member;
        std::function<QString()> build;
        int machine;
        const char *toolLine;
    } cases[] = {
        {"side drill", BuildSideDrillBlock, Other, "N000 G94 M110 T050505"},
        {"side drill", BuildSideDrillBlock, MacTurn, "N000 G94 M110 TL=050505 BT=1 M66"},
        {"side drill", BuildSideDrillBlock, Multus, "N000 G94 M110 TL=050505 BT=1"},
        {"side drill", BuildSideDrillBlock, Both, "N000 G94 M110 TL=050505 BT=1 M66"},
        {"side tap", BuildSideTapBlock, Other, "N000 G95 M110 T050505"},
        {"side tap", BuildSideTapBlock, MacTurn, "N000 G95 M110 TL=050505 G52 BA=90 M66"},
        {"side tap", BuildSideTapBlock, Multus, "N000 G95 M110 TL=050505 G52 BA=90"},
        {"side tap", BuildSideTapBlock, Both, "N000 G95 M110 TL=050505 G52 BA=90 M66"},
        {"side contour", BuildSideContourBlock, Other, "N000 G94 M110 T050505"},
        {"side contour", BuildSideContourBlock, MacTurn, "N000 G94 M110 TL=050505 G52 BA=90 M66"},
        {"side contour", BuildSideContourBlock, Multus, "N000 G94 M110 TL=050505 G52 BA=90"},
        {"side contour", BuildSideContourBlock, Both, "N000 G94 M110 TL=050505 G52 BA=90 M66"},
        // The face drill writes the B-axis words of the hidden B box.
        {"face drill", BuildFaceDrillBlock, MacTurn, "N000 G94 M110 TL=050505"},
    };
    for (const auto &c : cases) {
        g_MacTurn = c.machine == MacTurn || c.machine == Both;
        g_MULTUS = c.machine == Multus || c.machine == Both;
        g_AtcMacroType = "M421";
        const QStringList lines = BlockLines(c.build());
        const int toolLine = c.machine == Other ? 1 : 3;
        EXPECT_EQ(lines[toolLine], c.toolLine) << c.member << ' ' << c.machine;
    }
}

// The face members go out to the approach X before a MacTurn's return; the
// load monitor frames the drilling cycle only.
TEST_F(RotaryHolesTest, BlocksOnMacTurnAndMultus) {
    g_LoadMoniter = true;
    g_OptionalStop = true;
    SetMachine(Machine::MacTurn);
    g_TurretType = 1;
    EXPECT_EQ(BuildFaceDrillBlock(),
              Lines({"(-----< FACE DRILL D10 >-----)", "N000 MT=501", "N000 M421", "N000 G94 M110 TL=050505",
                     "NT05 G00 X200 Z50 SB=2540 M13 M63 M08", "N000 VLMON[5]=2+16",
                     "N000 G181 C0 X40 Z-20 K48 F=SB*0.1", "N000 G180", "N000 VLMON[5]=0", "N000 G00 Z50",
                     "N000     X200", "N000 G21 HP=4 M12 M63 M09", "NSTP M01", "\t"}));
    g_StartX = 40;
    g_EndX = 30;
    g_StartZ = -10;
    EXPECT_EQ(BlockLines(BuildSideDrillBlock()).mid(5),
              QStringList({"N000 VLMON[5]=1+16", "N000 G181 C0 X30 Z-10 I156 F=SB*0.1 M136", "N000 G180",
                           "N000 VLMON[5]=0", "N000 G00 X200", "N000 G21 HP=4 M12 M63 M09", "NSTP M01", "\t", ""}));
    SetFaceTapExample();
    EXPECT_EQ(BlockLines(BuildFaceTapBlock()).mid(5),
              QStringList({"N000 G178 C0 X0 Z-15 K45 F1.25 Q1", "N000 G180", "N000 G00 Z50", "N000     X200",
                           "N000 G21 HP=4 M12 M63 M09", "NSTP M01", "\t", ""}));

    SetMachine(Machine::Multus);
    SetM867(true);
    g_LoadMoniter = false;
    g_OptionalStop = false;
    g_StartX = 40;
    g_EndX = 30;
    g_StartZ = -10;
    EXPECT_EQ(BuildSideTapBlock(),
              Lines({"(-----< SIDE TAP M8*P1.25 >-----)", "N000 MT=601", "N000 M421",
                     "N000 G95 M110 TL=060606 G52 BA=90", "NT06 G00 X200 Z50 SB=390 M08",
                     "N000 G178 C0 X30 Z-10 I150 F1.25 Q1 M136", "N000 G180", "N000 G00 X200",
                     "N000 G20 HP=4 M867 M12 M63 M09", "N000 M866", "\t"}));
}

// Before OSP-U100 the rotary tool's mode is switched by a line of its own
// after the approach and after the return; a tap never switches it.
TEST_F(RotaryHolesTest, ControlsBeforeOspU100) {
    g_OSPU100 = false;
    EXPECT_EQ(BlockLines(BuildFaceDrillBlock()).mid(2),
              QStringList({"NT05 G00 X200 Z50 SB=2540 M13 M64 M08", "N000     M62",
                           "N000 G181 C0 X40 Z-20 K48 F=SB*0.1", "N000 G180", "N000 G00 Z50",
                           "N000     X500 Z500 M12 M64", "N000     M62", "\t", ""}));
    SetFaceTapExample();
    const QString before = BuildFaceTapBlock();
    g_OSPU100 = true;
    SetFaceTapExample();
    EXPECT_EQ(BuildFaceTapBlock(), before);
}

}  // namespace
}  // namespace brennvik
