#include "generator_test_support.h"

#include "workspace/runtime.h"

namespace brennvik {
namespace {

class BlockStepsTest : public GeneratorTest {
protected:
    // The approach of an outer-diameter roughing: X60, or X66 with "TD".
    static void AppendTestApproach() {
        AppendApproach([] { return QStringLiteral("60"); }, [] { return QStringLiteral("66"); },
                       QStringLiteral(" M41 S"));
    }
};

TEST_F(BlockStepsTest, SpindleSpeedTruncatesToTensWithPiAs314) {
    const struct {
        double v, referenceDiameter, s;
    } cases[] = {
        {150, 56, 850},
        {200, 26, 2440},
        {150, 46, 1030},
        {120, 40.5, 940},
        {157, 10, 5000},  // exact with 3.14; the true pi would give 4990
        {100, 0.5, 63690},
    };
    for (const auto &c : cases) {
        g_ParamV = c.v;
        ComputeSpindleSpeed(c.referenceDiameter);
        EXPECT_EQ(g_SpindleSpeed, c.s) << "V " << c.v << " Dref " << c.referenceDiameter;
    }
}

TEST_F(BlockStepsTest, SpindleSpeedStaysWhenCuttingSpeedIsNotPositive) {
    g_SpindleSpeed = 1030;
    for (double v : {0.0, -50.0}) {
        g_ParamV = v;
        ComputeSpindleSpeed(0);  // not even a zero diameter is looked at
        EXPECT_EQ(g_SpindleSpeed, 1030) << v;
    }
}

TEST_F(BlockStepsTest, ZeroReferenceDiameterRaisesDivisionByZero) {
    g_SpindleSpeed = 850;
    g_ParamV = 150;
    try {
        ComputeSpindleSpeed(0);
        FAIL() << "no error";
    } catch (const RuntimeError &e) {
        EXPECT_EQ(e.number(), kErrDivisionByZero);
    }
    EXPECT_EQ(g_SpindleSpeed, 850);
}

TEST_F(BlockStepsTest, ToolChangeAndApproachByMachineAtcMacroAndToolLife) {
    using M = Machine;
    const struct {
        Machine machine;
        const char *atc;
        bool toolLife;
        QString lines;
    } cases[] = {
        {M::Other, "M321", false, Lines({"N000 G00 X60 Z50 T070707 M41 S1030 M03 M63 M08"})},
        {M::Other, "M321", true, Lines({"N000 G00 X60 Z50 TG=7 OG=1 M41 S1030 M03 M63 M08"})},
        {M::Other, "M421", false, Lines({"N000 G00 X60 Z50 T070707 M41 S1030 M03 M63 M08"})},
        {M::Other, "M421", true, Lines({"N000 G00 X60 Z50 TG=7 OG=1 M41 S1030 M03 M63 M08"})},
        {M::Other, "M441", false, Lines({"N000 G00 X60 Z50 T070707 M41 S1030 M03 M63 M08"})},
        {M::Other, "M441", true, Lines({"N000 G00 X60 Z50 TG=7 OG=1 M41 S1030 M03 M63 M08"})},
        {M::Other, "TD", false, Lines({"N000 G95 M109", "N000 G00 X66 Z50 M41 S1030 M03 M63 M08"})},
        {M::Other, "TD", true, Lines({"N000 G95 M109", "N000 G00 X66 Z50 M41 S1030 M03 M63 M08"})},
        {M::MacTurn, "M321", false,
         Lines({"N000 MT=701", "N000 M321", "N000 G00 X60 Z50 TL=070707 BT=1 M602 M41 S1030 M03 M63 M08"})},
        {M::MacTurn, "M321", true,
         Lines({"N000 MT=1 TG=7", "N000 M321", "N000 G00 X60 Z50 TG=7 OG=1 BT=1 M602 M41 S1030 M03 M63 M08"})},
        {M::MacTurn, "M421", false,
         Lines({"N000 MT=701", "N000 M421", "N000 G00 X60 Z50 TL=070707 BT=1 M602 M41 S1030 M03 M63 M08"})},
        {M::MacTurn, "M421", true,
         Lines({"N000 MT=1 TG=7", "N000 M421", "N000 G00 X60 Z50 TG=7 OG=1 BT=1 M602 M41 S1030 M03 M63 M08"})},
        {M::MacTurn, "M441", false,
         Lines({"N000 MT=701", "N000 M441", "N000 G00 X60 Z50 TL=070707 BT=1 M602 M41 S1030 M03 M63 M08"})},
        {M::MacTurn, "M441", true,
         Lines({"N000 MT=1 TG=7", "N000 M441", "N000 G00 X60 Z50 TG=7 OG=1 BT=1 M602 M41 S1030 M03 M63 M08"})},
        {M::MacTurn, "TD", false,
         Lines({"N000 TD=0007 M423", "N000 G95 M109", "N000 G00 X66 Z50 M41 S1030 M03 M63 M08"})},
        {M::MacTurn, "TD", true,
         Lines({"N000 TDG=0007 M423", "N000 G95 M109", "N000 G00 X66 Z50 M41 S1030 M03 M63 M08"})},
        {M::Multus, "M321", false,
         Lines({"N000 MT=701", "N000 M321", "N000 G00 X60 Z50 TL=070707 BA=45 M603 M41 S1030 M03 M63 M08 M263"})},
        {M::Multus, "M321", true,
         Lines({"N000 MT=1 TG=7", "N000 M321", "N000 G00 X60 Z50 TG=7 OG=1 BA=45 M603 M41 S1030 M03 M63 M08 M263"})},
        {M::Multus, "M421", false,
         Lines({"N000 MT=701", "N000 M421", "N000 G00 X60 Z50 TL=070707 BA=45 M603 M41 S1030 M03 M63 M08 M263"})},
        {M::Multus, "M421", true,
         Lines({"N000 MT=1 TG=7", "N000 M421", "N000 G00 X60 Z50 TG=7 OG=1 BA=45 M603 M41 S1030 M03 M63 M08 M263"})},
        {M::Multus, "M441", false,
         Lines({"N000 MT=701", "N000 M441", "N000 G00 X60 Z50 TL=070707 BA=45 M603 M41 S1030 M03 M63 M08 M263"})},
        {M::Multus, "M441", true,
         Lines({"N000 MT=1 TG=7", "N000 M441", "N000 G00 X60 Z50 TG=7 OG=1 BA=45 M603 M41 S1030 M03 M63 M08 M263"})},
        {M::Multus, "TD", false,
         Lines({"N000 TD=0007 M423", "N000 G95 M109", "N000 G00 X66 Z50 M41 S1030 M03 M63 M08 M263"})},
        {M::Multus, "TD", true,
         Lines({"N000 TDG=0007 M423", "N000 G95 M109", "N000 G00 X66 Z50 M41 S1030 M03 M63 M08 M263"})},
    };
    for (const auto &c : cases) {
        SetMachine(c.machine);
        g_AtcMacroType = QString::fromUtf8(c.atc);
        g_TG = c.toolLife;
        // The words the dialog reads for each machine (B 90 on the MacTurn, B 45 and 180° on the MULTUS).
        g_BAxisWord = c.machine == M::MacTurn ? " BT=1" : c.machine == M::Multus ? " BA=45" : "";
        g_TipPositionWord = c.machine == M::MacTurn ? " M602" : c.machine == M::Multus ? " M603" : "";
        g_M263Word = c.machine == M::Multus ? " M263" : "";
        g_ToolNumber = 7;
        g_SpindleSpeed = 1030;
        g_OutputBlock.clear();
        EmitTurningToolCall();
        AppendTestApproach();
        EXPECT_EQ(g_OutputBlock, c.lines) << int(c.machine) << ' ' << c.atc << ' ' << c.toolLife;
    }
}

TEST_F(BlockStepsTest, RetreatByMachineTypeWhateverTheToolChange) {
    using M = Machine;
    const struct {
        Machine machine;
        bool m867;
        RetreatMove move;
        QString lines;
    } cases[] = {
        {M::Other, false, RetreatMove::Rapid, Lines({"N000 G00 X500 Z500 G97 S1030 M63"})},
        {M::Other, false, RetreatMove::Continued, Lines({"N000     X500 Z500 G97 S1030 M63"})},
        {M::MacTurn, false, RetreatMove::Rapid, Lines({"N000 G00 X200 G97 S1030 M63", "N000 G21 HP=4 M05 M63 M09"})},
        {M::MacTurn, false, RetreatMove::Continued,
         Lines({"N000     X200 G97 S1030 M63", "N000 G21 HP=4 M05 M63 M09"})},
        {M::Multus, false, RetreatMove::Rapid, Lines({"N000 G20 HP=4 G97 S1030 M05 M63 M09 M262"})},
        {M::Multus, false, RetreatMove::Continued, Lines({"N000 G20 HP=4 G97 S1030 M05 M63 M09 M262"})},
        {M::Multus, true, RetreatMove::Rapid, Lines({"N000 G20 HP=4 M867 G97 S1030 M05 M63 M09 M262", "N000 M866"})},
    };
    for (const auto &c : cases) {
        for (const char *atc : {"M321", "M421", "M441", "TD"}) {
            for (bool toolLife : {false, true}) {
                SetMachine(c.machine);
                SetM867(c.m867);
                g_AtcMacroType = QString::fromUtf8(atc);
                g_TG = toolLife;
                g_SpindleSpeed = 1030;
                g_OutputBlock.clear();
                AppendRetreat(c.move);
                EXPECT_EQ(g_OutputBlock, c.lines) << int(c.machine) << ' ' << c.m867 << ' ' << atc << ' ' << toolLife;
            }
        }
    }
}

TEST_F(BlockStepsTest, ToolShapeLinesNameToolLifeOrToolVariables) {
    g_ToolNumber = 5;
    const ToolShapeValues shape{{"A2", "5"}, {"L", "40"}};
    g_TG = true;
    AppendToolShapeLines("7", "55", shape);
    g_TG = false;
    AppendToolShapeLines("7", "55", shape);
    g_ToolFrom = false;
    AppendToolShapeLines("7", "55", shape);
    EXPECT_EQ(g_OutputBlock, Lines({"NOEX VGRIN[5]=7 VGRFN[5]=1 VGRA1[5]=55", "NOEX VGRA2[5]=5 VGRL[5]=40",
                                    "NOEX VTLIN[5]=7 VTLFN[5]=1 VTLA1[5]=55", "NOEX VTLA2[5]=5 VTLL[5]=40"}));
}

TEST_F(BlockStepsTest, OptionalLinesOnlyWithTheirSetting) {
    g_ToolNumber = 5;
    AppendLoadMonitorOn("2+8");
    AppendLoadMonitorOff();
    CloseBlock();
    EXPECT_EQ(g_OutputBlock, "\t\r\n");
    g_OutputBlock.clear();
    g_LoadMoniter = true;
    g_OptionalStop = true;
    AppendLoadMonitorOn("2+8");
    AppendLoadMonitorOff();
    CloseBlock();
    EXPECT_EQ(g_OutputBlock, Lines({"N000 VLMON[5]=2+8", "N000 VLMON[5]=0", "NSTP M01", "\t"}));
}

// FormatTwoDigits floors the tool number in place: the words written before
// the first two-digit word keep 7.9, all after it read 7.
TEST_F(BlockStepsTest, FirstTwoDigitToolWordFloorsTheToolNumber) {
    SetMachine(Machine::MacTurn);
    g_LoadMoniter = true;
    g_ToolNumber = 7.9;
    AppendToolShapeLines("1", "55", {{"A2", "3"}});
    EmitTurningToolCall();
    AppendTestApproach();
    EXPECT_EQ(g_ToolNumber, 7);
    AppendSequenceLine("2");
    AppendLoadMonitorOn("2+8");
    EXPECT_EQ(g_OutputBlock, Lines({"NOEX VTLIN[7.9]=1 VTLFN[7.9]=1 VTLA1[7.9]=55", "NOEX VTLA2[7.9]=3",
                                    "N000 MT=7.901", "N000 M421",
                                    "N000 G00 X60 Z50 TL=070707 M41 S0 M03 M63 M08", "NT07     Z2 G96 S0",
                                    "N000 VLMON[7]=2+8"}));

    // With tool life the approach writes the number as it is; the
    // sequence line is the first two-digit word.
    g_TG = true;
    g_ToolNumber = 7.9;
    g_OutputBlock.clear();
    AppendTestApproach();
    AppendLoadMonitorOn("8");
    AppendSequenceLine("2");
    AppendLoadMonitorOff();
    EXPECT_EQ(g_OutputBlock, Lines({"N000 G00 X60 Z50 TG=7.9 OG=1 M41 S0 M03 M63 M08", "N000 VLMON[7.9]=8",
                                    "NT07     Z2 G96 S0", "N000 VLMON[7]=0"}));

    // The four-digit TD word rounds and leaves the number as it is.
    g_AtcMacroType = "TD";
    g_ToolNumber = 7.9;
    g_OutputBlock.clear();
    EmitTurningToolCall();
    EXPECT_EQ(g_OutputBlock, Lines({"N000 TDG=0008 M423"}));
    EXPECT_EQ(g_ToolNumber, 7.9);
}

}  // namespace
}  // namespace brennvik
