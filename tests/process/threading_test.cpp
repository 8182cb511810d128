#include "generator_test_support.h"

#include "process/generator_frame.h"
#include "process/threading.h"

namespace brennvik {
namespace {

class ThreadingTest : public InsertingGeneratorTest {
protected:
    // An M24×1.5 outer thread from Z5 to Z-20, cut from X30.
    static void SetOuterThreadExample() {
        g_ToolNumber = 7;
        g_ParamV = 120;
        g_ParamF = 1.5;
        g_ParamD = 0.3;
        g_ParamU = 0.05;
        g_ParamL = 0;
        g_ParamC = 1;
        g_StartX = 30;
        g_StartZ = 5;
        g_StartC = 0;
        g_EndX = 24;
        g_EndZ = -20;
        g_ToolFrom = false;
    }
};

TEST_F(ThreadingTest, OuterThreadWorkedExample) {
    SetOuterThreadExample();
    EXPECT_EQ(BuildThreadODBlock(), "(-----< OD.THREAD M24*P1.5 >-----)\r\n"
                                    "N000 G00 X30 Z50 T070707 M42 S1590 M03 M63 M08\r\n"
                                    "NT07     Z5\r\n"
                                    "N000 G71 X22.05 Z-20 H1.95 D0.3 U0.05 F1.5\r\n"
                                    "N000 G00 X200\r\n"
                                    "N000     X500 Z500\r\n"
                                    "\t\r\n");
    EXPECT_EQ(g_SpindleSpeed, 1590);
}

// A two-start M24×1.5 inner thread with run-out, its start at C180.
TEST_F(ThreadingTest, InnerThreadBlock) {
    SetOuterThreadExample();
    g_ToolNumber = 8;
    g_ParamV = 100;
    g_ParamD = 0.2;
    g_ParamL = 1;
    g_ParamC = 2;
    g_StartX = 20;
    g_StartC = 180;
    g_ToolFrom = true;
    EXPECT_EQ(BuildThreadIDBlock(),
              Lines({"(-----< ID.THREAD M24*P1.5 >-----)", "NOEX VTLIN[8]=14 VTLFN[8]=1 VTLA1[8]=60",
                     "NOEX VTLD[8]=20 VTLL[8]=45", "N000 G00 X20 Z50 T080808 M42 S1320 M03 M63 M08", "NT08     Z5",
                     "N000 G71 X24 Z-20 H1.5 D0.2 U0.05 L1 M23 Q2 C180 F1.5", "N000 G00 Z50",
                     "N000     X500 Z500", "\t"}));
}

// A face thread of pitch 1.25 on a MacTurn with tool life, monitor and stop
// on: the W allowance in place of U, and no load-monitor lines.
TEST_F(ThreadingTest, FaceThreadBlockOnMacTurn) {
    SetMachine(Machine::MacTurn);
    g_TG = true;
    g_LoadMoniter = true;
    g_OptionalStop = true;
    g_ToolNumber = 9;
    g_ParamV = 100;
    g_ParamF = 1.25;
    g_ParamD = 0.1;
    g_ParamU = 0.3;  // hidden in the face dialog
    g_ParamW = 0.05;
    g_ParamC = 1;
    g_StartX = 60;
    g_StartZ = 2;
    g_EndX = 40;
    g_EndZ = 0;
    EXPECT_EQ(BuildThreadFaceBlock(),
              Lines({"(-----< OD.THREAD FACE P1.25 >-----)", "NOEX VGRIN[9]=15 VGRFN[9]=1 VGRA1[9]=60",
                     "NOEX VGRL[9]=40", "N000 MT=1 TG=9", "N000 M421", "N000 G00 X60 Z50 TG=9 OG=1 M42 S530 M03 M63 M08",
                     "NT09     Z2", "N000 G72 X40 Z0 H0.812 D0.1 W0.05 F1.25", "N000 G00 Z50",
                     "N000 G21 HP=4 M05 M63 M09", "NSTP M01", "\t"}));
}

TEST_F(ThreadingTest, OptionalCycleWords) {
    const struct {
        double u, w, l;
        float c, startC;
        const char *outer, *face;
    } cases[] = {
        {0.05, 0.05, 0, 1, 0, "N000 G71 X22.05 Z-20 H1.95 D0.3 U0.05 F1.5", "N000 G72 X24 Z-20 H0.975 D0.3 W0.05 F1.5"},
        {0, 0, 0, 2, 0, "N000 G71 X22.05 Z-20 H1.95 D0.3 Q2 F1.5", "N000 G72 X24 Z-20 H0.975 D0.3 Q2 F1.5"},
        {0, 0, 0, 1, 180, "N000 G71 X22.05 Z-20 H1.95 D0.3 C180 F1.5", "N000 G72 X24 Z-20 H0.975 D0.3 C180 F1.5"},
        {0.05, 0, 1, 2, 180, "N000 G71 X22.05 Z-20 H1.95 D0.3 U0.05 L1 M23 Q2 C180 F1.5",
         "N000 G72 X24 Z-20 H0.975 D0.3 L1 M23 Q2 C180 F1.5"},
        {-0.1, 0.1, -1, 0, -90, "N000 G71 X22.05 Z-20 H1.95 D0.3 F1.5", "N000 G72 X24 Z-20 H0.975 D0.3 W0.1 F1.5"},
        // A large single is written in plain digits, never as 1E+07.
        {0, 0, 0, 10000000, 0, "N000 G71 X22.05 Z-20 H1.95 D0.3 Q10000000 F1.5",
         "N000 G72 X24 Z-20 H0.975 D0.3 Q10000000 F1.5"},
    };
    for (const auto &c : cases) {
        auto cycleOf = [&c](QString (*build)()) {
            SetOuterThreadExample();
            g_ParamU = c.u;
            g_ParamW = c.w;
            g_ParamL = c.l;
            g_ParamC = c.c;
            g_StartC = c.startC;
            return BlockLines(build())[3];
        };
        EXPECT_EQ(cycleOf(BuildThreadODBlock), c.outer) << c.u << ' ' << c.l << ' ' << c.c << ' ' << c.startC;
        EXPECT_EQ(cycleOf(BuildThreadFaceBlock), c.face) << c.w << ' ' << c.l << ' ' << c.c << ' ' << c.startC;
    }
}

// The outer thread's X and H hold the depth on both flanks, the inner one
// the pitch; the face thread's H is floored to three decimals.
TEST_F(ThreadingTest, CycleXAndDepthPerThread) {
    SetOuterThreadExample();
    EXPECT_EQ(BlockLines(BuildThreadODBlock())[3], "N000 G71 X22.05 Z-20 H1.95 D0.3 U0.05 F1.5");
    SetOuterThreadExample();
    EXPECT_EQ(BlockLines(BuildThreadIDBlock())[3], "N000 G71 X24 Z-20 H1.5 D0.3 U0.05 F1.5");
    SetOuterThreadExample();
    g_ParamF = 1.25;
    EXPECT_EQ(BlockLines(BuildThreadFaceBlock())[3], "N000 G72 X24 Z-20 H0.812 D0.3 F1.25");
}

TEST_F(ThreadingTest, SpindleSpeedKeptWithoutSpeedOrDiameter) {
    const struct {
        const char *name;
        double v, startX, endX;
        QString (*build)();
    } cases[] = {
        {"outer, no diameter", 120, 30, 0, BuildThreadODBlock},
        {"inner, no diameter", 120, 30, 0, BuildThreadIDBlock},
        {"outer, no speed", 0, 30, 24, BuildThreadODBlock},
        {"face, no start diameter", 120, 0, 24, BuildThreadFaceBlock},
        {"face, no speed", 0, 60, 24, BuildThreadFaceBlock},
    };
    for (const auto &c : cases) {
        SetOuterThreadExample();
        g_ParamV = c.v;
        g_StartX = c.startX;
        g_EndX = c.endX;
        g_SpindleSpeed = 1230;
        EXPECT_TRUE(BlockLines(c.build())[1].contains(" M42 S1230 M03")) << c.name;
        EXPECT_EQ(g_SpindleSpeed, 1230) << c.name;
    }
}

// The tool change still follows the macro, but the approach never takes
// the "TD" form.
TEST_F(ThreadingTest, TdMacroKeepsTheApproachLine) {
    SetOuterThreadExample();
    SetMachine(Machine::MacTurn);
    g_AtcMacroType = "TD";
    EXPECT_EQ(BlockLines(BuildThreadODBlock()).mid(1, 2),
              QStringList({"N000 TD=0007 M423", "N000 G00 X30 Z50 TL=070707 M42 S1590 M03 M63 M08"}));
}

TEST_F(ThreadingTest, RetreatByMachineType) {
    const struct {
        Machine machine;
        bool m867;
        QStringList outerEnd, innerEnd;
    } cases[] = {
        {Machine::Other, false, {"N000 G00 X200", "N000     X500 Z500", "\t", ""},
         {"N000 G00 Z50", "N000     X500 Z500", "\t", ""}},
        {Machine::MacTurn, false, {"N000 G00 X200", "N000 G21 HP=4 M05 M63 M09", "\t", ""},
         {"N000 G00 Z50", "N000 G21 HP=4 M05 M63 M09", "\t", ""}},
        {Machine::Multus, false, {"N000 G00 X200", "N000 G20 HP=4 M05 M63 M09", "\t", ""},
         {"N000 G00 Z50", "N000 G20 HP=4 M05 M63 M09", "\t", ""}},
        {Machine::Multus, true, {"N000 G00 X200", "N000 G20 HP=4 M867 M05 M63 M09", "N000 M866", "\t", ""},
         {"N000 G00 Z50", "N000 G20 HP=4 M867 M05 M63 M09", "N000 M866", "\t", ""}},
    };
    for (const auto &c : cases) {
        SetOuterThreadExample();
        SetMachine(c.machine);
        SetM867(c.m867);
        QStringList lines = BlockLines(BuildThreadODBlock());
        EXPECT_EQ(lines.mid(lines.size() - c.outerEnd.size()), c.outerEnd) << int(c.machine) << c.m867;
        lines = BlockLines(BuildThreadIDBlock());
        EXPECT_EQ(lines.mid(lines.size() - c.innerEnd.size()), c.innerEnd) << int(c.machine) << c.m867;
        lines = BlockLines(BuildThreadFaceBlock());
        EXPECT_EQ(lines.mid(lines.size() - c.innerEnd.size()), c.innerEnd) << int(c.machine) << c.m867;
    }
}

TEST_F(ThreadingTest, ConfirmedBlockIsInsertedAtTheCaret) {
    OpenDocument();
    SetOuterThreadExample();
    RunGenerator({Confirm(), [] { BuildThreadODBlock(); }, {}});
    EXPECT_EQ(m_pane->Text(), "AAA\r\n" + g_OutputBlock + "\r\n");
    EXPECT_TRUE(g_OutputBlock.startsWith("(-----< OD.THREAD M24*P1.5 >-----)\r\n"));
    EXPECT_TRUE(m_msgBoxes.empty());
}

TEST_F(ThreadingTest, NoDocumentAtTheInsertionIsReported) {
    SetOuterThreadExample();
    RunGenerator({Confirm(), [] { BuildThreadIDBlock(); }, {}});
    ExpectErrorShown(91, kNoDocumentText);
}

}  // namespace
}  // namespace brennvik
