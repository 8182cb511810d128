// The words written from the single-precision boxes (C, StartC, EndC) and
// from sums computed in single precision: floored in single precision, so
// a box value comes out as its single holds it (0.251 holds 0.25099998 and
// is written 0.25; 2.01 holds 2.0099999 but its single product is 2010).
#include "rotary_test_support.h"

#include "rotary/circle_milling.h"
#include "rotary/contour_milling.h"
#include "rotary/key_grooves.h"
#include "rotary/rotary_holes.h"
#include "rotary/thread_milling.h"
#include "rotary/tilted_holes.h"
#include "rotary/zero_offset.h"

#include <QStringList>

#include <functional>

namespace brennvik {
namespace {

using SinglePrecisionWordsTest = RotaryBlockTest;

TEST_F(SinglePrecisionWordsTest, WordsByCommandFamily) {
    const struct {
        const char *name;
        std::function<void()> values;
        std::function<QString()> build;
        const char *line;
    } cases[] = {
        // C, StartC of the face and side holes and Q, the number of holes.
        {"face drill C", [] { g_StartC = 2.01f; g_ParamC = 4; }, BuildFaceDrillBlock,
         "N000 G181 C2.01 X40 Z-20 K48 F=SB*0.1 Q4"},
        {"face drill Q", [] { g_ParamC = 1.005f; }, BuildFaceDrillBlock, "N000 G181 C0 X40 Z-20 K48 F=SB*0.1 Q1.005"},
        {"face drill C below", [] { g_StartC = 0.251f; }, BuildFaceDrillBlock, "N000 G181 C0.25 X40 Z-20 K48 F=SB*0.1"},
        {"side drill C", [] { g_StartC = -4.09f; }, BuildSideDrillBlock, "N000 G181 C-4.091 X0 Z0 I156 F=SB*0.1 M136"},
        {"face tap Q", [] { g_ParamC = 2.042f; }, BuildFaceTapBlock, "N000 G178 C0 X40 Z-20 K45 F0.1 Q2.042"},
        {"side tap C", [] { g_StartC = 1.001f; }, BuildSideTapBlock, "N000 G178 C1.001 X0 Z0 I150 F0.1 Q1 M136"},
        // The tilted plane: the origin shift SX=, the hole's X and Z.
        {"tilted tap SX", [] { StartOnTiltedPlane(); g_ParamC = 2.042f; }, BuildTiltedTapBlock,
         "N000 G174 SX=2.042 SZ=0"},
        {"tilted drill radial", [] { StartOnTiltedPlane(); g_ParamB = 90; g_EndC = 2.01f; g_StartC = 1.005f; },
         BuildTiltedDrillBlock, "N000 G181 C0 X2.01 Y5 Z1.005 I78 F=SB*0.1 M136"},
        {"tilted drill along Z", [] { StartOnTiltedPlane(); g_EndC = -4.09f; }, BuildTiltedDrillBlock,
         "N000 G181 C0 X20 Y5 Z-4.091 K58 F=SB*0.1 M136"},
        // Key grooves: the start angle, Q, the end Z and StartC + 2.
        {"face key groove", [] { g_StartC = 2.01f; g_ParamC = 1.005f; }, BuildFaceKeyGrooveBlock,
         "N000 G190 C2.01 X0 Z-20 K48 D0 E0 F=SB*0.1 Q1.005 M211 M213"},
        {"tilted key groove clearance", [] { StartOnTiltedPlane(); g_StartC = 0.01f; }, BuildTiltedKeyGrooveBlock,
         "N000      Z2.01"},
        {"tilted key groove end", [] { StartOnTiltedPlane(); g_EndC = 2.042f; }, BuildTiltedKeyGrooveBlock,
         "N000 G190 C0 X0 Y-20 Z2.042 K0 D0 E0 F=SB*0.1 M211 M213"},
        // Contour milling: the approach C and the end angle.
        {"contour approach C", [] { g_StartC = 2.01f; }, BuildFaceContourBlock,
         "NT05 G00 C2.01 X200 Z50 SB=2540 M13 M63 M08"},
        {"contour end C", [] { g_EndC = 2.042f; }, BuildFaceContourBlock, "N000 G101 C2.042 X0 M146"},
        // Circle and thread milling: StartC + 2, the start and end depths.
        {"circle clearance", [] { StartOnTiltedPlane(); g_StartC = 0.01f; }, BuildTiltedCircleBlock,
         "N000     Z2.01 M147"},
        {"circle start depth", [] { StartOnTiltedPlane(); g_StartC = 2.01f; g_EndC = 0; g_ParamD = 5; },
         BuildTiltedCircleBlock, "N000 G01 Z2.01 F=SB*0.1"},
        {"circle end depth", [] { StartOnTiltedPlane(); g_EndC = 1.001f; }, BuildTiltedCircleBlock,
         "N000 G01 Z1.001 F=SB*0.1"},
        {"thread bottom", [] { StartOnTiltedPlane(); g_EndX = 5; g_ParamD = 1; g_EndC = 2.042f; },
         BuildTiltedThreadBlock, "N000 G01 Z2.042 F=SB*1"},
        // The probe's zero offsets: COF= from EndC, APPS= from C.
        {"C zero offset measure", [] { SetZeroOffsetExample(); g_EndC = 2.042f; }, [] { return BuildZeroOffsetBlock(ZeroOffsetAxis::C); },
         "N000 CALL OCPFI MSP=-10 APP=3 CFW=10 COF=2.042"},
        {"C zero offset set", [] { SetZeroOffsetExample(); g_EndC = 2.042f; g_ParamC = 1.005f; },
         [] { return BuildZeroOffsetBlock(ZeroOffsetAxis::C); }, "N000 CALL OZOFD COF=2.042 CMW=5 APPS=1.005"},
        {"Z zero offset", [] { SetZeroOffsetExample(); g_ParamC = 2.01f; }, [] { return BuildZeroOffsetBlock(ZeroOffsetAxis::Z); },
         "N000 CALL OZOFA MSP=-10 APP=4 APPS=2.01 IMP=2 DNG=5"},
    };
    for (const auto &c : cases) {
        SetUp();
        c.values();
        const QStringList lines = BlockLines(c.build());
        EXPECT_TRUE(lines.contains(QString::fromLatin1(c.line)))
            << c.name << ": no line " << c.line << " in\n" << lines.join('\n').toStdString();
    }
}

// The variable keeps what its word shows: a later word of the same block
// sees the floored single.
TEST_F(SinglePrecisionWordsTest, VariableKeepsTheFlooredSingle) {
    g_StartC = 0.251f;
    g_EndC = 12.3456f;
    BuildFaceContourBlock();
    EXPECT_EQ(g_StartC, 0.25f);
    EXPECT_EQ(g_EndC, 12.345f);
    // A whole single of 1E7 and more is written and kept as it is.
    g_StartC = 123456789.0f;
    EXPECT_TRUE(BlockLines(BuildFaceDrillBlock()).contains("N000 G181 C123456792 X40 Z-20 K48 F=SB*0.1"));
    EXPECT_EQ(g_StartC, 123456792.0f);
}

}  // namespace
}  // namespace brennvik
