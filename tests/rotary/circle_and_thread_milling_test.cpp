// Circle milling and thread milling by arcs on the tilted plane.
#include "rotary_test_support.h"

#include "rotary/circle_milling.h"
#include "rotary/thread_milling.h"
#include "workspace/runtime.h"

#include <QStringList>

namespace brennvik {
namespace {

// An end mill of 10 at V80 F0.1 on the plane at C30: a circle of radius 5
// round (10, 0), from Z0 down to Z-3 by 1, without finish allowance.
class CircleMillingTest : public RotaryBlockTest {
protected:
    void SetUp() override {
        RotaryBlockTest::SetUp();
        g_ParamW = 30;
        g_ParamB = 0;
        g_ParamC = 0;
        g_ParamSZ = 0;
        g_ParamD = 1;
        g_ParamL = 0;
        g_StartX = 10;
        g_StartZ = 0;
        g_StartC = 0;
        g_EndX = 5;
        g_EndZ = 0;
        g_EndC = -3;
    }
};

const QStringList kFinishingPass = {"N000     X15 G41", "N000 G03 X5 Y0 L5", "N000     X15 Y0 L5",
                                    "N000 G01 X10 G40"};

TEST_F(CircleMillingTest, Block) {
    g_ToolFrom = true;
    QStringList expected = {"(-----< SLANT CIRCLE D10 >-----)",
                            "NOEX VTLIN[5]=36 VTLFN[5]=1",
                            "NOEX VTLD[5]=10 VTLL[5]=23",
                            "N000 G94 M110 T050505",
                            "NT05 G00 C30 X200 Z50 SB=2540 M13 M63 M08",
                            "N000 G138",
                            "N000 G174 SX=0 SZ=0",
                            "N000 G127 B0",
                            "N000 G17",
                            "N000 G00 X10 Y0 Z50",
                            "N000     Z2 M147",
                            "N000 G01 Z0 F=SB*0.1",
                            "N000     Z-1"};
    expected += kFinishingPass;
    expected << "N000     Z-2";
    expected += kFinishingPass;
    expected << "N000     Z-3";
    expected += kFinishingPass;
    expected += QStringList({"N000 G00 Z50", "N000 G126 M146", "N000 G175", "N000 G136", "N000     X500 Z500 M12 M63",
                             "\t", ""});
    EXPECT_EQ(BlockLines(BuildTiltedCircleBlock()), expected);
}

// The depths of the passes: each step below the start that stays above the
// end, each from the floored depth before, then the end depth; every depth
// line is followed by one pass.
TEST_F(CircleMillingTest, StepDown) {
    const struct {
        float startC, endC;
        double step;
        QStringList depths;
    } cases[] = {
        {0, -3, 1, {"N000 G01 Z0 F=SB*0.1", "N000     Z-1", "N000     Z-2", "N000     Z-3"}},
        {0, -3, 2, {"N000 G01 Z0 F=SB*0.1", "N000     Z-2", "N000     Z-3"}},
        // Reaching the end exactly gives no pass twice there.
        {0, -3, 1.5, {"N000 G01 Z0 F=SB*0.1", "N000     Z-1.5", "N000     Z-3"}},
        {0, -3, 5, {"N000 G01 Z0 F=SB*0.1", "N000     Z-3"}},
        // No step: straight to the end depth, one pass.
        {0, -3, 0, {"N000 G01 Z-3 F=SB*0.1"}},
        {0, -3, -1, {"N000 G01 Z-3 F=SB*0.1"}},
        {0.1237f, -2, 1, {"N000 G01 Z0.123 F=SB*0.1", "N000     Z-0.877", "N000     Z-1.877", "N000     Z-2"}},
        {-0.5f, -1, 0.3333, {"N000 G01 Z-0.5 F=SB*0.1", "N000     Z-0.834", "N000     Z-1"}},
    };
    for (const auto &c : cases) {
        g_StartC = c.startC;
        g_EndC = c.endC;
        g_ParamD = c.step;
        const QStringList lines = BlockLines(BuildTiltedCircleBlock());
        QStringList depths;
        for (const QString &line : lines)
            if ((line.startsWith("N000     Z") && !line.endsWith(" M147")) || line.startsWith("N000 G01 Z")) depths << line;
        EXPECT_EQ(depths, c.depths) << c.startC << ' ' << c.step;
        EXPECT_EQ(lines.filter(" G41").size(), c.depths.size() + (c.step > 0 ? -1 : 0)) << c.startC << ' ' << c.step;
    }
}

// A step too small to lower the depth would repeat the same depth without
// end: the block fails instead.
TEST_F(CircleMillingTest, StepThatDoesNotLowerTheDepthIsAnError) {
    for (double step : {1e-20, 1e-300}) {
        g_StartC = 0;
        g_EndC = -3;
        g_ParamD = step;
        g_OutputBlock.clear();
        try {
            BuildTiltedCircleBlock();
            ADD_FAILURE() << "no error for " << step;
        } catch (const RuntimeError &error) {
            EXPECT_EQ(error.number(), kErrInvalidCall);
        }
    }
    // Far from zero a small step is lost in the depth itself.
    g_StartC = -1e7f;
    g_EndC = -2e7f;
    g_ParamD = 1e-10;
    EXPECT_THROW(BuildTiltedCircleBlock(), RuntimeError);
}

// A roughing circle inside the allowance before the finishing circle.
TEST_F(CircleMillingTest, PassWithFinishAllowance) {
    g_ParamL = 0.2;
    g_OutputBlock.clear();
    AppendCirclePass();
    EXPECT_EQ(g_OutputBlock, Lines({"N000     X14.8 G41", "N000 G03 X5.2 Y0 L4.8", "N000     X14.8 Y0 L4.8",
                                    "N000 G01 X15", "N000 G03 X5 Y0 L5", "N000     X15 Y0 L5", "N000 G01 X10 G40"}));
}

// The radius is floored where it is first written on its own: the end point
// before it still uses the radius as entered, every later one the floored.
TEST_F(CircleMillingTest, RadiusFlooredWhereFirstWritten) {
    g_StartX = 0;
    g_EndX = 4.9996;
    g_OutputBlock.clear();
    AppendCirclePass();
    AppendCirclePass();
    EXPECT_EQ(g_OutputBlock, Lines({"N000     X4.999 G41", "N000 G03 X-5 Y0 L4.999", "N000     X4.999 Y0 L4.999",
                                    "N000 G01 X0 G40", "N000     X4.999 G41", "N000 G03 X-4.999 Y0 L4.999",
                                    "N000     X4.999 Y0 L4.999", "N000 G01 X0 G40"}));
    EXPECT_EQ(g_EndX, 4.999);
}

// The B words and the plane's turn are written whatever B is.
TEST_F(CircleMillingTest, BWordsByMachine) {
    const struct {
        Machine machine;
        bool both;
        const char *toolLine;
    } cases[] = {
        {Machine::MacTurn, false, "N000 G94 M110 TL=050505 G52 BA=0 M66"},
        {Machine::Multus, false, "N000 G94 M110 TL=050505 G52 BA=0"},
        {Machine::Other, false, "N000 G94 M110 T050505"},
        {Machine::MacTurn, true, "N000 G94 M110 TL=050505 G52 BA=0 M66"},
    };
    for (const auto &c : cases) {
        SetMachine(c.machine);
        if (c.both) SetBothMachineTypes();
        const QStringList lines = BlockLines(BuildTiltedCircleBlock());
        EXPECT_TRUE(lines.contains(QString::fromLatin1(c.toolLine))) << c.toolLine;
        EXPECT_TRUE(lines.contains("N000 G127 B0")) << c.toolLine;
        EXPECT_TRUE(lines.contains("N000 G174 SX=0 SZ=0")) << c.toolLine;
    }
}

// A thread mill of 8 at V80: an M10 x 1 thread round (0, 0), from the
// bottom Z-10 up, fed at 0.1, on the plane at C30.
class ThreadMillingTest : public RotaryBlockTest {
protected:
    void SetUp() override {
        RotaryBlockTest::SetUp();
        g_ParamU = 8;
        g_ParamW = 30;
        g_ParamB = 0;
        g_ParamC = 0;
        g_ParamSZ = 0;
        g_ParamD = 1;
        g_StartX = 0;
        g_StartZ = 0;
        g_StartC = 0;
        g_EndX = 5;
        g_EndZ = 0;
        g_EndC = -10;
    }
};

TEST_F(ThreadMillingTest, Block) {
    g_ToolFrom = true;
    SetMachine(Machine::MacTurn);
    g_ParamB = 30;
    g_ParamC = 2.5f;
    g_ParamSZ = -1;
    EXPECT_EQ(BuildTiltedThreadBlock(), Lines({"(-----< PLANET TAP M10 P1 >-----)",
                                               "NOEX VTLIN[5]=32 VTLFN[5]=1",
                                               "NOEX VTLD[5]=8 VTLL[5]=30",
                                               "N000 MT=503",
                                               "N000 M421",
                                               "N000 G94 M110 TL=050505 G52 BA=30 M66",
                                               "NT05 G00 C30 X200 Z50 SB=3180 M13 M63 M08",
                                               "N000 G138",
                                               "N000 G174 SX=2.5 SZ=-1",
                                               "N000 G127 B30",
                                               "N000 G17",
                                               "N000 G00 X0 Y0 Z50",
                                               "N000     Z2 M147",
                                               "N000 G01 Z-10 F=SB*1",
                                               "N000     X-1 Y4 F=SB*0.1 G41",
                                               "N000 G03 X-5 Y0 Z-9.75 L4",
                                               "N000     X5 Y0 Z-9.25 L5",
                                               "N000     X-5 Y0 Z-8.75 L5",
                                               "N000     X-1 Y-4 Z-8.5 L4",
                                               "N000 G01 X0 Y0 F=SB*1 G40",
                                               "N000 G00 Z50",
                                               "N000 G126 M146",
                                               "N000 G175",
                                               "N000 G136",
                                               "N000 G21 HP=4 M12 M63 M09",
                                               "\t"}));
}

// The pitch is floored by the header; every offset and rise uses it so.
// The last rise, -10 + 1.851, comes out a hair below -8.149 and is floored
// to -8.15.
TEST_F(ThreadMillingTest, PitchFlooredByTheHeader) {
    g_ParamD = 1.2345;
    const QStringList lines = BlockLines(BuildTiltedThreadBlock());
    EXPECT_EQ(lines[0], "(-----< PLANET TAP M10 P1.234 >-----)");
    EXPECT_EQ(lines.mid(10, 5).join('|').toStdString(),
              "N000     X-1.234 Y3.766 F=SB*0.1 G41|N000 G03 X-5 Y0 Z-9.692 L3.766|N000     X5 Y0 Z-9.075 L5|"
              "N000     X-5 Y0 Z-8.458 L5|N000     X-1.234 Y-3.766 Z-8.15 L3.766");
}

// The arcs write the centre's Y itself, floored again (its double of 1.001
// lies below 1.001); the exit's offset from it used to take the Y of
// before, 1.001.
TEST_F(ThreadMillingTest, ExitOffsetFromTheCentreYTheArcsWrite) {
    SetMachine(Machine::Multus);
    g_StartZ = 1.0015;
    const QStringList lines = BlockLines(BuildTiltedThreadBlock());
    const int start = lines.indexOf("N000 G00 X0 Y1.001 Z50");
    ASSERT_GE(start, 0) << lines.join('\n').toStdString();
    EXPECT_EQ(lines.mid(start + 3, 6).join('|').toStdString(),
              "N000     X-1 Y5 F=SB*0.1 G41|N000 G03 X-5 Y1 Z-9.75 L4|N000     X5 Y1 Z-9.25 L5|"
              "N000     X-5 Y1 Z-8.75 L5|N000     X-1 Y-3 Z-8.5 L4|N000 G01 X0 Y1 F=SB*1 G40");
    EXPECT_EQ(g_StartZ, 1);
}

// Before OSP-U100 the rotary tool's M62 follows the approach on a line of
// its own.
TEST_F(ThreadMillingTest, M62BeforeOspU100) {
    g_OSPU100 = false;
    EXPECT_EQ(BlockLines(BuildTiltedThreadBlock()).mid(2, 3),
              QStringList({"NT05 G00 C30 X200 Z50 SB=3180 M13 M64 M08", "N000     M62", "N000 G138"}));
}

}  // namespace
}  // namespace brennvik
