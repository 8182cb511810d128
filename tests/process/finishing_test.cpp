#include "generator_test_support.h"

#include "process/finishing.h"
#include "process/roughing.h"
#include "workspace/runtime.h"

namespace brennvik {
namespace {

class FinishingTest : public GeneratorTest {
protected:
    // The outer diameter 20 finished from Z0 (S = 2440).
    static void SetFinishingExample() {
        g_ToolNumber = 5;
        g_ParamV = 200;
        g_ParamU = 0.2;
        g_ParamW = 0.05;
        g_StartX = 20;
        g_StartZ = 0;
    }
};

TEST_F(FinishingTest, OuterDiameterWorkedExample) {
    SetFinishingExample();
    EXPECT_EQ(BuildFinishODBlock(), "(-----< OD.FINISH >-----)\r\n"
                                    "NOEX VTLIN[5]=7 VTLFN[5]=1 VTLA1[5]=55\r\n"
                                    "NOEX VTLA2[5]=5 VTLL[5]=40\r\n"
                                    "N000 G00 X24 Z50 T050505 M42 S2440 M03 M63 M08\r\n"
                                    "NT05     Z2 G96 S200\r\n"
                                    "N000 G87 NAP2 U0.2 W0.05\r\n"
                                    "N000 G00 X200 G97 S2440 M63\r\n"
                                    "N000     X500 Z500\r\n"
                                    "\t\r\n");
}

TEST_F(FinishingTest, OuterDiameterWithToolLifeMonitorAndStopOnMultus) {
    SetFinishingExample();
    SetMachine(Machine::Multus);
    SetM867(true);
    g_TG = true;
    g_LoadMoniter = true;
    g_OptionalStop = true;
    g_TipPositionWord = " M602";
    g_M263Word = " M263";
    EXPECT_EQ(BuildFinishODBlock(), Lines({"(-----< OD.FINISH >-----)", "NOEX VGRIN[5]=7 VGRFN[5]=1 VGRA1[5]=55",
                                           "NOEX VGRA2[5]=5 VGRL[5]=40", "N000 MT=1 TG=5", "N000 M421",
                                           "N000 G00 X24 Z50 TG=5 OG=1 M602 M42 S2440 M03 M63 M08 M263",
                                           "NT05     Z2 G96 S200", "N000 VLMON[5]=8", "N000 G87 NAP2 U0.2 W0.05",
                                           "N000 VLMON[5]=0", "N000 G00 X200 G97 S2440 M63",
                                           "N000 G20 HP=4 M867 M05 M63 M09 M262", "N000 M866", "NSTP M01", "\t"}));
}

TEST_F(FinishingTest, AllowancesThatAreNotPositiveAreLeftOut) {
    const struct {
        double u, w;
        const char *cycle;
    } cases[] = {
        {0, 0, "N000 G87 NAP2"},
        {-0.1, 0.05, "N000 G87 NAP2 W0.05"},
        {0.2, -0.05, "N000 G87 NAP2 U0.2"},
    };
    for (const auto &c : cases) {
        SetFinishingExample();
        g_ParamU = c.u;
        g_ParamW = c.w;
        EXPECT_EQ(BlockLines(BuildFinishODBlock())[5], c.cycle) << c.u << ' ' << c.w;
    }
}

TEST_F(FinishingTest, ApproachFollowsTheHeaderWithoutToolShapes) {
    SetFinishingExample();
    g_ToolFrom = false;
    EXPECT_EQ(BlockLines(BuildFinishODBlock()).mid(0, 2),
              QStringList({"(-----< OD.FINISH >-----)", "N000 G00 X24 Z50 T050505 M42 S2440 M03 M63 M08"}));
}

TEST_F(FinishingTest, TdMacroApproachHasNoToolWord) {
    SetFinishingExample();
    SetMachine(Machine::MacTurn);
    g_AtcMacroType = "TD";
    g_BAxisWord = " BT=1";
    g_TipPositionWord = " M602";
    EXPECT_EQ(BlockLines(BuildFinishODBlock()).mid(3, 4),
              QStringList({"N000 TD=0005 M423", "N000 G95 M109", "N000 G00 X24 Z50 M42 S2440 M03 M63 M08",
                           "NT05     Z2 G96 S200"}));
}

// The finishing cycle names the contour its roughing defined under the same label.
TEST_F(FinishingTest, FinishingFollowsTheRoughingOfItsLabel) {
    g_ToolNumber = 3;
    g_ParamV = 150;
    g_ParamF = 0.3;
    g_ParamD = 2;
    g_ParamC = 1;
    g_StartX = 40;
    g_EndX = 60;
    g_EndZ = -50;
    const QString roughing = BuildRoughODBlock();
    EXPECT_TRUE(roughing.contains("\r\nNAP2 G81\r\n"));
    g_ToolNumber = 5;
    g_ParamU = 0;
    g_ParamW = 0;
    EXPECT_TRUE(BuildFinishODBlock().contains("\r\nN000 G87 NAP2\r\n"));
}

TEST_F(FinishingTest, ZeroCuttingSpeedKeepsTheSpeedOfTheBlockBefore) {
    SetFinishingExample();
    BuildFinishODBlock();
    g_ParamV = 0;
    g_StartX = 60;  // would give another speed
    const QStringList lines = BlockLines(BuildFinishODBlock());
    EXPECT_EQ(lines[3], "N000 G00 X64 Z50 T050505 M42 S2440 M03 M63 M08");
    EXPECT_EQ(lines[4], "NT05     Z2 G96 S0");
    EXPECT_EQ(lines[6], "N000 G00 X200 G97 S2440 M63");
}

TEST_F(FinishingTest, FaceBlock) {
    SetFinishingExample();
    g_StartX = 60;  // S = Int(1000 × 200 ÷ 3.14 ÷ 66 ÷ 10) × 10
    g_StartZ = 1;
    g_LoadMoniter = true;
    EXPECT_EQ(BuildFinishFaceBlock(), Lines({"(-----< OD.FINISH FACE >-----)", "NOEX VTLIN[5]=7 VTLFN[5]=1 VTLA1[5]=55",
                                             "NOEX VTLA2[5]=5 VTLL[5]=40",
                                             "N000 G00 X64 Z50 T050505 M42 S960 M03 M63 M08", "NT05     Z3 G96 S200",
                                             "N000 VLMON[5]=1+8", "N000 G87 NAP1 U0.2 W0.05", "N000 VLMON[5]=0",
                                             "N000 G00 X500 Z500 G97 S960 M63", "\t"}));
}

TEST_F(FinishingTest, FaceAndOuterDiameterFacesToTheCentreOrToTheBore) {
    SetFinishingExample();
    g_ParamF = 0.1;
    g_EndX = 0;
    EXPECT_EQ(BuildFinishFaceODBlock(), Lines({"(-----< OD.FINISH >-----)", "NOEX VTLIN[5]=7 VTLFN[5]=1 VTLA1[5]=55",
                                               "NOEX VTLA2[5]=5 VTLL[5]=40",
                                               "N000 G00 X24 Z50 T050505 M42 S2440 M03 M63 M08",
                                               "NT05     Z0 G96 S200", "N000 G01 X20 G41 F0.1", "N000     X0",
                                               "N000 G40 I-1", "N000 G00 X20 Z2", "N000 G87 NAP2 U0.2 W0.05",
                                               "N000 G00 X200 G97 S2440 M63", "N000     X500 Z500", "\t"}));
    g_EndX = 30;
    EXPECT_EQ(BlockLines(BuildFinishFaceODBlock()).mid(4, 3),
              QStringList({"NT05     Z0 G96 S200", "N000 G01 X30 F0.1", "N000 G00 X20 Z2"}));
}

TEST_F(FinishingTest, InnerDiameterBlock) {
    SetFinishingExample();
    g_StartX = 30;  // S = 1000 × 200 ÷ 3.14 ÷ 36 → 1760
    g_EndZ = 0;
    EXPECT_EQ(BuildFinishIDBlock(), Lines({"(-----< ID.FINISH >-----)", "NOEX VTLIN[5]=8 VTLFN[5]=1 VTLA1[5]=60",
                                           "NOEX VTLA2[5]=3 VTLD[5]=20 VTLL[5]=20",
                                           "N000 G00 X30 Z50 T050505 M42 S1760 M03 M63 M08", "NT05     Z2 G96 S200",
                                           "N000 G87 NAP3 U0.2 W0.05", "N000 G01 X-1 G91", "N000 G00 Z50 G90",
                                           "N000     X500 Z500 G97 S1760 M63", "\t"}));
    g_TG = true;
    EXPECT_EQ(BlockLines(BuildFinishIDBlock())[2], "NOEX VGRA2[5]=3 VGRD[5]=20 VGRL[5]=20");
}

TEST_F(FinishingTest, RetreatOfEachCommandByMachineType) {
    const struct {
        const char *name;
        QString (*build)();
        Machine machine;
        QStringList end;  // from the line after the cycle (load monitor off)
    } cases[] = {
        {"OD", BuildFinishODBlock, Machine::Other, {"N000 G00 X200 G97 S2440 M63", "N000     X500 Z500"}},
        {"OD", BuildFinishODBlock, Machine::MacTurn, {"N000 G00 X200 G97 S2440 M63", "N000 G21 HP=4 M05 M63 M09"}},
        {"OD", BuildFinishODBlock, Machine::Multus,
         {"N000 G00 X200 G97 S2440 M63", "N000 G20 HP=4 M867 M05 M63 M09 M262", "N000 M866"}},
        {"face+OD", BuildFinishFaceODBlock, Machine::Multus,
         {"N000 G00 X200 G97 S2440 M63", "N000 G20 HP=4 M867 M05 M63 M09 M262", "N000 M866"}},
        {"face", BuildFinishFaceBlock, Machine::Other, {"N000 G00 X500 Z500 G97 S2440 M63"}},
        {"face", BuildFinishFaceBlock, Machine::MacTurn, {"N000 G00 X200 G97 S2440 M63", "N000 G21 HP=4 M05 M63 M09"}},
        {"face", BuildFinishFaceBlock, Machine::Multus, {"N000 G20 HP=4 M867 G97 S2440 M05 M63 M09 M262", "N000 M866"}},
        {"ID", BuildFinishIDBlock, Machine::Other,
         {"N000 G01 X-1 G91", "N000 G00 Z50 G90", "N000     X500 Z500 G97 S2440 M63"}},
        {"ID", BuildFinishIDBlock, Machine::MacTurn,
         {"N000 G01 X-1 G91", "N000 G00 Z50 G90", "N000     X200 G97 S2440 M63", "N000 G21 HP=4 M05 M63 M09"}},
        {"ID", BuildFinishIDBlock, Machine::Multus,
         {"N000 G01 X-1 G91", "N000 G00 Z50 G90", "N000 G20 HP=4 M867 G97 S2440 M05 M63 M09 M262", "N000 M866"}},
    };
    for (const auto &c : cases) {
        SetFinishingExample();
        SetMachine(c.machine);
        SetM867(true);
        g_LoadMoniter = true;
        g_ParamV = 0;
        g_SpindleSpeed = 2440;  // left by an earlier block
        QStringList lines = BlockLines(c.build());
        const int off = int(lines.indexOf("N000 VLMON[5]=0"));
        ASSERT_GE(off, 0) << c.name;
        EXPECT_EQ(lines.mid(off + 1, c.end.size() + 2), c.end + QStringList({"\t", ""}))
            << c.name << ' ' << int(c.machine);
    }
}

TEST_F(FinishingTest, ZeroReferenceDiameterIsDivisionByZero) {
    for (QString (*build)() : {BuildFinishODBlock, BuildFinishFaceBlock, BuildFinishFaceODBlock, BuildFinishIDBlock}) {
        SetFinishingExample();
        g_StartX = -6;
        try {
            build();
            ADD_FAILURE() << "no error";
        } catch (const RuntimeError &e) {
            EXPECT_EQ(e.number(), kErrDivisionByZero);
        }
    }
}

}  // namespace
}  // namespace brennvik
