// Key grooves by the cycle G190 on the face, the side and the tilted plane.
#include "rotary_test_support.h"

#include "rotary/key_grooves.h"

#include <QStringList>

namespace brennvik {
namespace {

// An end mill of 10 at V80 F0.1, cutting 2 deep per pass and plunging at
// 50: on the face from X40 to X20 at Z-5, on the side from Z-10 to Z-30 at
// X30, on the tilted plane at C30 from (20, 5, -10) to (20, 15, -13).
class KeyGroovesTest : public RotaryBlockTest {
protected:
    void SetUp() override {
        RotaryBlockTest::SetUp();
        g_ToolFrom = true;
        g_ParamD = 2;
        g_ParamW = 50;
        g_ParamL = 0;
        g_ParamC = 1;
        g_StartX = 40;
        g_StartZ = 0;
        g_EndX = 20;
        g_EndZ = -5;
    }
    static void OnTheSide() {
        g_StartZ = -10;
        g_EndX = 30;
        g_EndZ = -30;
    }
    static void OnTheTiltedPlane() {
        StartOnTiltedPlane();
        g_ParamL = 30;
        g_EndX = 20;
        g_EndZ = 15;
        g_EndC = -13;
    }
};

TEST_F(KeyGroovesTest, FaceBlock) {
    EXPECT_EQ(BuildFaceKeyGrooveBlock(), Lines({"(-----< FACE KEY W10 >-----)",
                                                "NOEX VTLIN[5]=36 VTLFN[5]=1",
                                                "NOEX VTLD[5]=10 VTLL[5]=25",
                                                "N000 G94 M110 T050505",
                                                "NT05 G00 X200 Z50 SB=2540 M13 M63 M08",
                                                "N000     X40",
                                                "N000 G190 C0 X20 Z-5 K48 D2 E50 F=SB*0.1 M211 M213",
                                                "N000 G180",
                                                "N000 G00 Z50",
                                                "N000     X500 Z500 M12 M63",
                                                "\t"}));
}

TEST_F(KeyGroovesTest, SideBlock) {
    OnTheSide();
    SetMachine(Machine::MacTurn);
    EXPECT_EQ(BuildSideKeyGrooveBlock(), Lines({"(-----< SIDE KEY W10 >-----)",
                                                "NOEX VTLIN[5]=35 VTLFN[5]=1",
                                                "NOEX VTLD[5]=10 VTLL[5]=25",
                                                "N000 MT=503",
                                                "N000 M421",
                                                "N000 G94 M110 TL=050505 BT=1 M66",
                                                "NT05 G00 X200 Z50 SB=2540 M13 M63 M08",
                                                "N000     Z-10",
                                                "N000 G190 C0 X30 Z-30 I156 D2 E50 F=SB*0.1 M211 M213",
                                                "N000 G180",
                                                "N000 G00 X200",
                                                "N000 G21 HP=4 M12 M63 M09",
                                                "\t"}));
}

// The allowance only when above 0, as W on the face and U on the side; the
// number of keys only when above 1.
TEST_F(KeyGroovesTest, AllowanceAndNumberOfKeys) {
    const struct {
        bool side;
        double allowance;
        float keys;
        const char *cycle;
    } cases[] = {
        {false, 0.5, 1, "N000 G190 C0 X20 Z-5 K48 W0.5 D2 E50 F=SB*0.1 M211 M213"},
        {false, 0, 2, "N000 G190 C0 X20 Z-5 K48 D2 E50 F=SB*0.1 Q2 M211 M213"},
        {false, -1, 0, "N000 G190 C0 X20 Z-5 K48 D2 E50 F=SB*0.1 M211 M213"},
        {true, 0.5, 4, "N000 G190 C0 X30 Z-30 I156 U0.5 D2 E50 F=SB*0.1 Q4 M211 M213"},
    };
    g_ToolFrom = false;
    for (const auto &c : cases) {
        if (c.side) OnTheSide();
        g_ParamL = c.allowance;
        g_ParamC = c.keys;
        const QStringList lines = BlockLines(c.side ? BuildSideKeyGrooveBlock() : BuildFaceKeyGrooveBlock());
        EXPECT_EQ(lines[4], c.cycle);
    }
}

// Before OSP-U100 the rotary tool's M62 goes on the positioning line on the
// face and the side, and on a line of its own on the tilted plane.
TEST_F(KeyGroovesTest, M62BeforeOspU100) {
    g_OSPU100 = false;
    g_ToolFrom = false;
    EXPECT_EQ(BlockLines(BuildFaceKeyGrooveBlock()).mid(2, 2),
              QStringList({"NT05 G00 X200 Z50 SB=2540 M13 M64 M08", "N000     X40 M62"}));
    OnTheSide();
    EXPECT_EQ(BlockLines(BuildSideKeyGrooveBlock())[3], "N000     Z-10 M62");
    OnTheTiltedPlane();
    EXPECT_EQ(BlockLines(BuildTiltedKeyGrooveBlock()).mid(2, 3),
              QStringList({"NT05 G00 C30 X200 Z50 SB=2540 M13 M64 M08", "N000     M62", "N000 G138"}));
}

// The side tool line's words by machine.
TEST_F(KeyGroovesTest, SideToolLineByMachine) {
    const struct {
        Machine machine;
        const char *toolLine;
    } cases[] = {
        {Machine::Other, "N000 G94 M110 T050505"},
        {Machine::MacTurn, "N000 G94 M110 TL=050505 BT=1 M66"},
        {Machine::Multus, "N000 G94 M110 TL=050505 BT=1"},
    };
    g_ToolFrom = false;
    g_TurretType = 1;
    OnTheSide();
    for (const auto &c : cases) {
        SetMachine(c.machine);
        EXPECT_TRUE(BlockLines(BuildSideKeyGrooveBlock()).contains(QString::fromLatin1(c.toolLine))) << c.toolLine;
    }
    // From the face a MacTurn returns straight after the retract.
    SetMachine(Machine::MacTurn);
    EXPECT_EQ(BlockLines(BuildFaceKeyGrooveBlock()).mid(8, 2), QStringList({"N000 G00 Z50", "N000 G21 HP=4 M12 M63 M09"}));
}

TEST_F(KeyGroovesTest, TiltedBlockWithoutToolShapes) {
    OnTheTiltedPlane();
    EXPECT_EQ(BuildTiltedKeyGrooveBlock(), Lines({"(-----< SLANT KEY W10 >-----)",
                                                  "N000 G94 M110 TL=050505",
                                                  "NT05 G00 C30 X200 Z50 SB=2540 M13 M63 M08",
                                                  "N000 G138",
                                                  "N000 G00  X20 Y5 Z50",
                                                  "N000      Z-8",
                                                  "N000 G190 C30 X20 Y15 Z-13 K0 D2 E50 F=SB*0.1 M211 M213",
                                                  "N000 G180",
                                                  "N000 G00 Z50",
                                                  "N000 G136",
                                                  "N000     X500 Z500 M12 M63",
                                                  "\t"}));
}

// The lines from the tool line to the return, by B; the clearance over the
// start Z added in single precision is the Z as typed plus 2.
TEST_F(KeyGroovesTest, TiltedPositioningAndCycleByB) {
    OnTheTiltedPlane();
    const struct {
        double b;
        float startC;
        QStringList lines;
    } cases[] = {
        {90, -10, {"N000 G94 M110 TL=050505 BT=1", "NT05 G00 C30 X200 Z50 SB=2540 M13 M63 M08", "N000 G138",
                   "N000 G00  X100 Y5 Z-10", "N000      X22", "N000 G190 C30 X20 Y15 Z-13 I0 D2 E50 F=SB*0.1 M211 M213",
                   "N000 G180", "N000 G00 X100", "N000 G136"}},
        {30, -10, {"N000 G94 M110 TL=050505 G52 BA=30", "NT05 G00 C30 X200 Z50 SB=2540 M13 M63 M08", "N000 G138",
                   "N000 G127 B30", "N000 G00  X20 Y5 Z50", "N000      Z-8",
                   "N000 G190 C30 X20 Y15 Z-13 K0 D2 E50 F=SB*0.1 M211 M213", "N000 G180", "N000 G00 Z50",
                   "N000 G126", "N000 G136"}},
        {0, 10.7f, {"N000 G94 M110 TL=050505", "NT05 G00 C30 X200 Z50 SB=2540 M13 M63 M08", "N000 G138",
                    "N000 G00  X20 Y5 Z50", "N000      Z12.7", "N000 G190 C30 X20 Y15 Z-13 K0 D2 E50 F=SB*0.1 M211 M213",
                    "N000 G180", "N000 G00 Z50", "N000 G136"}},
    };
    for (const auto &c : cases) {
        g_ParamB = c.b;
        g_StartC = c.startC;
        g_StartX = 20;
        const QStringList lines = BlockLines(BuildTiltedKeyGrooveBlock());
        EXPECT_EQ(lines.mid(1, lines.size() - 4), c.lines) << c.b;
    }
}

}  // namespace
}  // namespace brennvik
