// Contour milling with C-axis interpolation on the face and the side.
#include "rotary_test_support.h"

#include "rotary/contour_milling.h"

#include <QStringList>

namespace brennvik {
namespace {

class ContourMillingTest : public RotaryBlockTest {
protected:
    // An end mill of 10 at V 25 (S 790), from C10 at X40 turning to C90 at
    // X30 on the face 3 deep; on the side from Z-10 to Z-30 at X36.
    void SetUp() override {
        RotaryBlockTest::SetUp();
        g_ToolNumber = 7;
        g_ParamV = 25;
        g_ParamF = 0.05;
        g_ParamU = 10;
        g_StartC = 10;
        g_EndC = 90;
    }
    static void SetFace() {
        g_StartX = 40;
        g_StartZ = 0;
        g_EndX = 30;
        g_EndZ = -3;
    }
    static void SetSide() {
        g_StartX = 42;
        g_StartZ = -10;
        g_EndX = 36;
        g_EndZ = -30;
    }
};

TEST_F(ContourMillingTest, FaceAndSideBlocks) {
    g_ToolFrom = true;
    SetFace();
    EXPECT_EQ(BuildFaceContourBlock(),
              Lines({"(-----< FACE ENDMILL D10 >-----)", "NOEX VTLIN[7]=36 VTLFN[7]=1", "NOEX VTLD[7]=10 VTLL[7]=23",
                     "N000 G94 M110 T070707", "NT07 G00 C10 X200 Z50 SB=790 M13 M63 M08", "N000     X40",
                     "N000     Z2", "N000 G01 Z-3 M147 F=SB*0.05", "N000 G101 C90 X30 M146", "N000 G00 Z50",
                     "N000     X500 Z500 M12 M63", "\t"}));
    SetSide();
    EXPECT_EQ(BuildSideContourBlock(),
              Lines({"(-----< SIDE ENDMILL D10 >-----)", "NOEX VTLIN[7]=35 VTLFN[7]=1", "NOEX VTLD[7]=10 VTLL[7]=23",
                     "N000 G94 M110 T070707", "NT07 G00 C10 X200 Z50 SB=790 M13 M63 M08", "N000     Z-10",
                     "N000     X46", "N000 G01 X36 M147 F=SB*0.05", "N000 G101 C90 Z-30 M146", "N000 G00 X200",
                     "N000     X500 Z500 M12 M63", "\t"}));
}

// Before OSP-U100 the rotary tool's mode switch rides on the first
// positioning line, and the return adds its own line.
TEST_F(ContourMillingTest, ControlsBeforeOspU100) {
    g_OSPU100 = false;
    SetFace();
    EXPECT_EQ(BlockLines(BuildFaceContourBlock()).mid(2),
              QStringList({"NT07 G00 C10 X200 Z50 SB=790 M13 M64 M08", "N000     X40 M62", "N000     Z2",
                           "N000 G01 Z-3 M147 F=SB*0.05", "N000 G101 C90 X30 M146", "N000 G00 Z50",
                           "N000     X500 Z500 M12 M64", "N000     M62", "\t", ""}));
    SetSide();
    EXPECT_EQ(BlockLines(BuildSideContourBlock()).mid(2, 2),
              QStringList({"NT07 G00 C10 X200 Z50 SB=790 M13 M64 M08", "N000     Z-10 M62"}));
}

TEST_F(ContourMillingTest, ReturnsOnMacTurnAndMultus) {
    SetMachine(Machine::MacTurn);
    SetFace();
    EXPECT_EQ(BlockLines(BuildFaceContourBlock()).mid(9),
              QStringList({"N000 G00 Z50", "N000     X200", "N000 G21 HP=4 M12 M63 M09", "\t", ""}));
    SetSide();
    EXPECT_EQ(BlockLines(BuildSideContourBlock()).mid(9),
              QStringList({"N000 G00 X200", "N000 G21 HP=4 M12 M63 M09", "\t", ""}));
    SetMachine(Machine::Multus);
    SetM867(true);
    SetFace();
    EXPECT_EQ(BlockLines(BuildFaceContourBlock()).mid(9),
              QStringList({"N000 G00 Z50", "N000 G20 HP=4 M867 M12 M63 M09", "N000 M866", "\t", ""}));
}

}  // namespace
}  // namespace brennvik
