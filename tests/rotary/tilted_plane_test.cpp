// The tilted-plane frame, and one hole drilled or tapped on the plane.
#include "rotary_test_support.h"

#include "rotary/key_grooves.h"
#include "rotary/tilted_holes.h"
#include "rotary/tilted_plane.h"

#include <QStringList>

#include <functional>

namespace brennvik {
namespace {

// A hole at the reference angle C30, at X20 (a radius) and Y5 on the plane,
// from Z-10 to the end box's 12, drilled with a drill of 10 at V80 F0.1.
class TiltedPlaneTest : public RotaryBlockTest {
protected:
    void SetUp() override {
        RotaryBlockTest::SetUp();
        StartOnTiltedPlane();
        g_EndX = 30;
        g_EndZ = 0;
        g_EndC = 12;
    }
};

// The tool line, then the lines that frame the plane: those between the
// approach and the cycle, "--", and those between "N000 G180" and the
// return (a block without tool shapes, load monitor or M62 lines).
QStringList Framing(const QString &block) {
    const QStringList lines = BlockLines(block);
    const int cancel = lines.indexOf(QStringLiteral("N000 G180"));
    QStringList framing = {lines[1]};
    framing += lines.mid(3, cancel - 4);
    framing << QStringLiteral("--");
    framing += lines.mid(cancel + 1, lines.size() - 3 - (cancel + 1));
    return framing;
}

TEST_F(TiltedPlaneTest, FramingByBAndOriginShift) {
    const struct {
        double b;
        float c;
        double sz;
        QStringList framing;
    } cases[] = {
        {0, 0, 0, {"N000 G94 M110 TL=050505", "N000 G138", "N000 G00  X20 Y5 Z50", "--", "N000 G00 Z50", "N000 G136"}},
        {0, 3, 3, {"N000 G94 M110 TL=050505", "N000 G138", "N000 G174 SX=3 SZ=3", "N000 G00  X20 Y5 Z50", "--",
                   "N000 G00 Z50", "N000 G175", "N000 G136"}},
        // A shift below a thousandth is written as 0, and still switched off.
        {0, 0.0004f, 0.0004, {"N000 G94 M110 TL=050505", "N000 G138", "N000 G174 SX=0 SZ=0", "N000 G00  X20 Y5 Z50",
                              "--", "N000 G00 Z50", "N000 G175", "N000 G136"}},
        {0, 0.0004f, 0, {"N000 G94 M110 TL=050505", "N000 G138", "N000 G174 SX=0 SZ=0", "N000 G00  X20 Y5 Z50", "--",
                         "N000 G00 Z50", "N000 G175", "N000 G136"}},
        {0, 0, 0.0004, {"N000 G94 M110 TL=050505", "N000 G138", "N000 G174 SX=0 SZ=0", "N000 G00  X20 Y5 Z50", "--",
                        "N000 G00 Z50", "N000 G175", "N000 G136"}},
        {90, 0, 0, {"N000 G94 M110 TL=050505 BT=1", "N000 G138", "N000 G00  X100 Y5 Z-10", "--", "N000 G00 X100",
                    "N000 G136"}},
        {90, 3, 0, {"N000 G94 M110 TL=050505 BT=1", "N000 G138", "N000 G174 SX=3 SZ=0", "N000 G00  X100 Y5 Z-10", "--",
                    "N000 G00 X100", "N000 G175", "N000 G136"}},
        {90, 0.0004f, 0.0004, {"N000 G94 M110 TL=050505 BT=1", "N000 G138", "N000 G174 SX=0 SZ=0",
                               "N000 G00  X100 Y5 Z-10", "--", "N000 G00 X100", "N000 G175", "N000 G136"}},
        {45, 0, 0, {"N000 G94 M110 TL=050505 G52 BA=45", "N000 G138", "N000 G127 B45", "N000 G00  X20 Y5 Z50", "--",
                    "N000 G00 Z50", "N000 G126", "N000 G136"}},
        {45, 0, 3, {"N000 G94 M110 TL=050505 G52 BA=45", "N000 G138", "N000 G174 SX=0 SZ=3", "N000 G127 B45",
                    "N000 G00  X20 Y5 Z50", "--", "N000 G00 Z50", "N000 G175", "N000 G126", "N000 G136"}},
        {45, 0.0004f, 0.0004, {"N000 G94 M110 TL=050505 G52 BA=45", "N000 G138", "N000 G174 SX=0 SZ=0",
                               "N000 G127 B45", "N000 G00  X20 Y5 Z50", "--", "N000 G00 Z50", "N000 G175", "N000 G126",
                               "N000 G136"}},
        // Written on the tool line as 90, B is 90 from there on.
        {90.0004, 0, 0, {"N000 G94 M110 TL=050505 G52 BA=90", "N000 G138", "N000 G00  X100 Y5 Z-10", "--",
                         "N000 G00 X100", "N000 G136"}},
        {90.0004, 3, 3, {"N000 G94 M110 TL=050505 G52 BA=90", "N000 G138", "N000 G174 SX=3 SZ=3",
                         "N000 G00  X100 Y5 Z-10", "--", "N000 G00 X100", "N000 G175", "N000 G136"}},
        {90.0004, 0.0004f, 0, {"N000 G94 M110 TL=050505 G52 BA=90", "N000 G138", "N000 G174 SX=0 SZ=0",
                               "N000 G00  X100 Y5 Z-10", "--", "N000 G00 X100", "N000 G175", "N000 G136"}},
    };
    for (const auto &c : cases) {
        g_ParamB = c.b;
        g_ParamC = c.c;
        g_ParamSZ = c.sz;
        EXPECT_EQ(Framing(BuildTiltedDrillBlock()), c.framing) << c.b << ' ' << c.c << ' ' << c.sz;
    }
}

// Every B with every origin shift, in each block on the plane: the shift and
// the turn are each switched off exactly when they were switched on.
TEST_F(TiltedPlaneTest, ShiftAndTurnAlwaysSwitchedOffAsOn) {
    const std::function<QString()> builds[] = {BuildTiltedDrillBlock, BuildTiltedTapBlock, BuildTiltedKeyGrooveBlock};
    for (const auto &build : builds) {
        for (double b : {0.0, 90.0, 45.0, 90.0004}) {
            for (float c : {0.0f, 3.0f, 0.0004f}) {
                for (double sz : {0.0, 3.0, 0.0004}) {
                    g_ParamB = b;
                    g_ParamC = c;
                    g_ParamSZ = sz;
                    const QString block = build();
                    const bool shifted = c != 0 || sz != 0;
                    EXPECT_EQ(block.count("N000 G174 SX="), shifted ? 1 : 0) << b << ' ' << c << ' ' << sz;
                    EXPECT_EQ(block.count("N000 G175\r\n"), shifted ? 1 : 0) << b << ' ' << c << ' ' << sz;
                    EXPECT_EQ(block.count("N000 G127 B"), block.count("N000 G126\r\n")) << b << ' ' << c << ' ' << sz;
                    EXPECT_EQ(block.count("N000 G138\r\n"), 1);
                    EXPECT_EQ(block.count("N000 G136\r\n"), 1);
                }
            }
        }
    }
}

// A radial hole on a MULTUS, with tool shapes and the load monitor.
TEST_F(TiltedPlaneTest, RadialDrillBlock) {
    SetMachine(Machine::Multus);
    g_ParamB = 90;
    g_LoadMoniter = true;
    g_ToolFrom = true;
    EXPECT_EQ(BuildTiltedDrillBlock(), Lines({"(-----< DRILL D10 >-----)",
                                              "NOEX VTLIN[5]=28 VTLFN[5]=1 VTLA1[5]=118",
                                              "NOEX VTLD[5]=10 VTLL[5]=28",
                                              "N000 MT=503",
                                              "N000 M421",
                                              "N000 G94 M110 TL=050505 BT=1",
                                              "NT05 G00 C30 X200 Z50 SB=2540 M13 M63 M08",
                                              "N000 G138",
                                              "N000 G00  X100 Y5 Z-10",
                                              "N000 VLMON[5]=1+2+16",
                                              "N000 G181 C30 X12 Y5 Z-10 I78 F=SB*0.1 M136",
                                              "N000 G180",
                                              "N000 VLMON[5]=0",
                                              "N000 G00 X100",
                                              "N000 G136",
                                              "N000 G20 HP=4 M12 M63 M09",
                                              "\t"}));
}

// The cycle line and the second tool-shape line: its length is the hole's
// depth along the tool axis plus 20, the start X less the end X when B is
// 90, else the start Z less the end Z.
TEST_F(TiltedPlaneTest, CycleAndToolLengthOfHoles) {
    const struct {
        bool tap;
        double b;
        float startC, endC;
        double d, l, w;
        const char *length;
        const char *cycle;
    } cases[] = {
        {false, 90, -10, 12, 0, 0, 0, "28", "N000 G181 C30 X12 Y5 Z-10 I78 F=SB*0.1 M136"},
        {true, 90, -10, 12, 0, 0, 0, "28", "N000 G178 C30 X12 Y5 Z-10 I78 F0.1 M136"},
        {false, 0, 0, -15, 0, 0, 0, "35", "N000 G181 C30 X20 Y5 Z-15 K48 F=SB*0.1 M136"},
        {true, 45, 0, -15, 2, 1, 0.5, "35", "N000 G178 C30 X20 Y5 Z-15 K48 F0.1 M136"},
        {false, 45, 0, -15, 2, 1, 0.5, "35", "N000 G183 C30 X20 Y5 Z-15 K48 D2 L1 E0.5 F=SB*0.1 M136"},
        {false, 0, 0, -15, 0, 0, 0.5, "35", "N000 G183 C30 X20 Y5 Z-15 K48 E0.5 F=SB*0.1 M136"},
        // A single start Z counts with the value it holds, 10.3000002: the
        // length adds and floors in single precision (35.3), K in double
        // (37.6999998).
        {false, 0, 10.3f, -5, 0, 0, 0, "35.3", "N000 G181 C30 X20 Y5 Z-5 K37.699 F=SB*0.1 M136"},
    };
    g_ToolFrom = true;
    for (const auto &c : cases) {
        g_ParamB = c.b;
        g_StartC = c.startC;
        g_EndC = c.endC;
        g_ParamD = c.d;
        g_ParamL = c.l;
        g_ParamW = c.w;
        const QStringList lines = BlockLines(c.tap ? BuildTiltedTapBlock() : BuildTiltedDrillBlock());
        EXPECT_EQ(lines[2], QStringLiteral("NOEX VTLD[5]=10 VTLL[5]=") + c.length) << c.cycle;
        EXPECT_TRUE(lines.contains(QString::fromLatin1(c.cycle))) << c.cycle << '\n'
                                                                  << lines.join('\n').toStdString();
    }
}

// Tapping feeds per revolution and only stops the coolant at the end.
TEST_F(TiltedPlaneTest, TapBlockOnMacTurn) {
    SetMachine(Machine::MacTurn);
    g_ParamU = 10;
    g_ParamF = 1.5;
    g_ParamV = 10;
    EXPECT_EQ(BuildTiltedTapBlock(), Lines({"(-----< TAP M10 >-----)",
                                            "N000 MT=503",
                                            "N000 M421",
                                            "N000 G95 M110 TL=050505",
                                            "NT05 G00 C30 X200 Z50 SB=310 M08",
                                            "N000 G138",
                                            "N000 G00  X20 Y5 Z50",
                                            "N000 G178 C30 X20 Y5 Z12 K58 F1.5 M136",
                                            "N000 G180",
                                            "N000 G00 Z50",
                                            "N000 G136",
                                            "N000 G21 HP=4 M09",
                                            "\t"}));
    // The drill on a MacTurn stops the rotary tool too, with no move to
    // the approach X before.
    EXPECT_EQ(BlockLines(BuildTiltedDrillBlock()).mid(10, 2),
              QStringList({"N000 G136", "N000 G21 HP=4 M12 M63 M09"}));
}

// With tool-life management the tool line names the group, whatever the
// machine; without it the tool is always addressed by TL=.
TEST_F(TiltedPlaneTest, ToolWord) {
    g_ParamB = 45;
    EXPECT_EQ(BlockLines(BuildTiltedDrillBlock())[1], "N000 G94 M110 TL=050505 G52 BA=45");
    g_TG = true;
    EXPECT_EQ(BlockLines(BuildTiltedDrillBlock())[1], "N000 G94 M110 TG=5 OG=1 G52 BA=45");
}

}  // namespace
}  // namespace brennvik
