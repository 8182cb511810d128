#include "generator_test_support.h"

#include "process/generator_frame.h"
#include "process/grooving.h"

namespace brennvik {
namespace {

class GroovingTest : public InsertingGeneratorTest {
protected:
    // A groove 5 wide from Z-20 to Z-15, from X50 down to X40, cut with a
    // 3 mm tool, chamfered walls.
    static void SetOuterGrooveExample() {
        g_ToolNumber = 5;
        g_ParamV = 120;
        g_ParamF = 0.08;
        g_ParamD = 2;
        g_ParamL = 3;
        g_ParamU = 0.2;
        g_ParamW = 0.1;
        g_ParamC = 0.5f;
        g_StartX = 50;
        g_StartZ = -20;
        g_EndX = 40;
        g_EndZ = -15;
        g_ChamferIsC = true;
        g_ToolFrom = false;
    }
    // A groove 4 wide from Z-10 to Z-6 in a bore of 30, down to X36.
    static void SetInnerGrooveExample() {
        SetOuterGrooveExample();
        g_ToolNumber = 6;
        g_ParamV = 100;
        g_ParamF = 0.05;
        g_ParamD = 1;
        g_ParamL = 2;
        g_StartX = 30;
        g_StartZ = -10;
        g_EndX = 36;
        g_EndZ = -6;
        g_ToolFrom = true;
    }
    // A ring groove in the face between X40 and X50, 4 deep.
    static void SetFaceGrooveExample() {
        SetOuterGrooveExample();
        g_ParamV = 100;
        g_ParamF = 0.05;
        g_ParamD = 1;
        g_StartX = 40;
        g_StartZ = 0;
        g_EndX = 50;
        g_EndZ = -4;
        g_ToolFrom = true;
    }
};

TEST_F(GroovingTest, OuterGrooveChamferedWorkedExample) {
    SetOuterGrooveExample();
    EXPECT_EQ(BuildGrooveODBlock(),
              Lines({"(-----< OD.GROOVE W5 >-----)", "N000 G00 X200 Z-19.9 T050505 M42 S700 M03 M63 M08", "NT05     X54",
                     "N000 G96 S120", "N000 G73 X40.2 Z-15.1 D2 K2.5 F0.08 T25",
                     // first wall
                     "N000 G00 Z-21", "N000 G01 X51 G41 F0.3", "N000     Z-20 A-45 F0.08", "N000     X40 G40 I-1",
                     "N000     Z-19.9", "N000 G00 X54",
                     // second wall, second offset set
                     "N000     Z-14 T250525", "N000 G01 X51 G42 F0.3", "N000     Z-15 A-135 F0.08",
                     "N000     X40 G40 I-1", "N000     Z-19.9 T50505",
                     // retreat
                     "N000 G00 X200 G97 S700 M63", "N000     X500 Z500", "\t"}));
    EXPECT_EQ(g_SpindleSpeed, 700);
}

TEST_F(GroovingTest, OuterGrooveWithToolLifeUsesOffsetGroups) {
    SetOuterGrooveExample();
    g_TG = true;
    g_ToolFrom = true;
    const QStringList lines = BlockLines(BuildGrooveODBlock());
    EXPECT_EQ(lines.mid(1, 3), QStringList({"NOEX VGRIN[5]=19 VGRFN[5]=1 VGRA1[5]=180", "NOEX VGRW[5]=3 VGRL[5]=40",
                                            "N000 G00 X200 Z-19.9 TG=5 OG=1 M42 S700 M03 M63 M08"}));
    EXPECT_EQ(lines[6], "N000 G73 X40.2 Z-15.1 D2 K2.5 F0.08 OG=2");
    EXPECT_EQ(lines[13], "N000     Z-14 OG=2");
    EXPECT_EQ(lines[17], "N000     Z-19.9 OG=1");
}

TEST_F(GroovingTest, OuterGrooveRoundedWalls) {
    SetOuterGrooveExample();
    g_ChamferIsC = false;
    EXPECT_EQ(BlockLines(BuildGrooveODBlock()).mid(5, 11),
              QStringList({"N000 G00 Z-20.5", "N000 G01 X50 G41 F0.2", "N000 G02 X49 Z-20 L0.5 F0.08",
                           "N000 G01 X40 G40 I-1", "N000     Z-19.9", "N000 G00 X54", "N000     Z-14.5 T250525",
                           "N000 G01 X50 G42 F0.2", "N000 G03 X49 Z-15 L0.5 F0.08", "N000 G01 X40 G40 I-1",
                           "N000     Z-19.9 T50505"}));
}

// On a MacTurn the offset words carry the B-axis word and the TL= address.
TEST_F(GroovingTest, InnerGrooveChamferedOnMacTurn) {
    SetInnerGrooveExample();
    SetMachine(Machine::MacTurn);
    g_BAxisWord = " BT=1";
    g_TipPositionWord = " M602";
    EXPECT_EQ(BuildGrooveIDBlock(),
              Lines({"(-----< ID.GROOVE W4 >-----)", "NOEX VTLIN[6]=20 VTLFN[6]=1 VTLA1[6]=180",
                     "NOEX VTLD[6]=20 VTLW[6]=2 VTLL[6]=16", "N000 MT=601", "N000 M421",
                     "N000 G00 X26 Z50 TL=060606 BT=1 M602 M42 S1220 M03 M63 M08", "NT06     Z-9.9", "N000 G96 S100",
                     "N000 G73 X35.8 Z-6.1 D1 K1.5 F0.05 T26",
                     // first wall
                     "N000 G00 Z-11", "N000 G01 X29 G42 F0.3", "N000     Z-10 A45 F0.05", "N000     X36 G40 I1",
                     "N000     Z-9.9", "N000 G00 X26",
                     // second wall
                     "N000     Z-5 TL=260626 BT=1", "N000 G01 X29 G41 F0.3", "N000     Z-6 A135 F0.05",
                     "N000     X36 G40 I1", "N000     Z-9.9 TL=60606 BT=1",
                     // out of the bore
                     "N000 G00 X26", "N000     Z50 G97 S1220 M63", "N000     X200", "N000 G21 HP=4 M05 M63 M09", "\t"}));
}

TEST_F(GroovingTest, InnerGrooveRoundedWalls) {
    SetInnerGrooveExample();
    g_ChamferIsC = false;
    EXPECT_EQ(BlockLines(BuildGrooveIDBlock()).mid(7, 11),
              QStringList({"N000 G00 Z-10.5", "N000 G01 X30 G42 F0.2", "N000 G03 X31 Z-10 L0.5 F0.05",
                           "N000 G01 X36 G40 I1", "N000     Z-9.9", "N000 G00 X26", "N000     Z-5.5 T260626",
                           "N000 G01 X30 G41 F0.2", "N000 G02 X31 Z-6 L0.5 F0.05", "N000 G01 X36 G40 I1",
                           "N000     Z-9.9 T60606"}));
}

TEST_F(GroovingTest, FaceGrooveChamfered) {
    SetFaceGrooveExample();
    EXPECT_EQ(BuildGrooveFaceBlock(),
              Lines({"(-----< OD.GROOVE FACE W5 >-----)", "NOEX VTLIN[5]=21 VTLFN[5]=1 VTLA1[5]=180",
                     "NOEX VTLW[5]=3 VTLL[5]=40", "N000 G00 X40.2 Z50 T50505 M42 S790 M03 M63 M08",
                     "NT05     Z2 G96 S100", "N000 G74 X49.8 Z-3.9 D1 I2.5 F0.05 T25",
                     // inner wall
                     "N000 G00 X38", "N000 G01 Z0.5 G42 F0.3", "N000     X40 A135 F0.05", "N000     Z-4 G40 K-1",
                     "N000     X40.2", "N000 G00 Z2",
                     // outer wall
                     "N000     X52 T250525", "N000 G01 Z0.5 G41 F0.3", "N000     X50 A-135 F0.05",
                     "N000     Z-4 G40 K-1", "N000     X40.2 T50505",
                     // retreat
                     "N000 G00 Z50", "N000     X500 Z500 G97 S790 M63", "\t"}));
}

TEST_F(GroovingTest, FaceGrooveRoundedWalls) {
    SetFaceGrooveExample();
    g_ChamferIsC = false;
    EXPECT_EQ(BlockLines(BuildGrooveFaceBlock()).mid(6, 11),
              QStringList({"N000 G00 X39", "N000 G01 Z0 G42 F0.3", "N000 G03 X40 Z-0.5 L0.5 F0.05",
                           "N000 G01 Z-4 G40 K-1", "N000     X40.2", "N000 G00 Z2", "N000     X51 T250525",
                           "N000 G01 Z0 G41 F0.3", "N000 G02 X50 Z-0.5 L0.5 F0.05", "N000 G01 Z-4 G40 K-1",
                           "N000     X40.2 T50505"}));
}

TEST_F(GroovingTest, SpindleSpeedKeptWithoutSpeedOrFaceDiameter) {
    const struct {
        const char *name;
        double v, startX;
        QString (*build)();
    } cases[] = {
        {"outer, no speed", 0, 50, BuildGrooveODBlock},
        {"inner, no speed", 0, 30, BuildGrooveIDBlock},
        {"face at the centre", 100, 0, BuildGrooveFaceBlock},
        {"face, no speed", 0, 40, BuildGrooveFaceBlock},
    };
    for (const auto &c : cases) {
        SetOuterGrooveExample();
        g_ToolFrom = true;
        g_ParamV = c.v;
        g_StartX = c.startX;
        g_SpindleSpeed = 1230;
        // The approach follows the header and the two tool-shape lines.
        EXPECT_TRUE(BlockLines(c.build())[3].contains(" M42 S1230 M03")) << c.name;
        EXPECT_EQ(g_SpindleSpeed, 1230) << c.name;
    }
}

// Only the face groove takes the "TD" approach.
TEST_F(GroovingTest, TdMacroChangesOnlyTheFaceApproach) {
    SetMachine(Machine::Multus);
    g_AtcMacroType = "TD";
    g_M263Word = " M263";
    g_BAxisWord = " BA=45";
    SetOuterGrooveExample();
    EXPECT_EQ(BlockLines(BuildGrooveODBlock()).mid(1, 2),
              QStringList({"N000 TD=0005 M423", "N000 G00 X200 Z-19.9 TL=050505 BA=45 M42 S700 M03 M63 M08 M263"}));
    SetInnerGrooveExample();
    EXPECT_EQ(BlockLines(BuildGrooveIDBlock()).mid(3, 2),
              QStringList({"N000 TD=0006 M423", "N000 G00 X26 Z50 TL=060606 BA=45 M42 S1220 M03 M63 M08 M263"}));
    SetFaceGrooveExample();
    EXPECT_EQ(BlockLines(BuildGrooveFaceBlock()).mid(3, 3),
              QStringList({"N000 TD=0005 M423", "N000 G95 M109", "N000 G00 X40.2 Z50 M42 S790 M03 M63 M08 M263"}));
}

TEST_F(GroovingTest, RetreatByMachineType) {
    const struct {
        Machine machine;
        bool m867;
        QStringList outer, inner, face;
    } cases[] = {
        {Machine::MacTurn, false,
         {"N000     Z-19.9 TL=50505", "N000 G00 X200 G97 S700 M63", "N000 G21 HP=4 M05 M63 M09", "\t", ""},
         {"N000 G00 X26", "N000     Z50 G97 S1220 M63", "N000     X200", "N000 G21 HP=4 M05 M63 M09", "\t", ""},
         {"N000 G00 Z50", "N000     X200 G97 S790 M63", "N000 G21 HP=4 M05 M63 M09", "\t", ""}},
        {Machine::Multus, false,
         {"N000     Z-19.9 TL=50505", "N000 G00 X200 G97 S700 M63", "N000 G20 HP=4 M05 M63 M09", "\t", ""},
         {"N000 G00 X26", "N000     Z50 G97 S1220 M63", "N000 G20 HP=4 M05 M63 M09", "\t", ""},
         {"N000 G00 Z50", "N000 G20 HP=4 G97 S790 M05 M63 M09 M262", "\t", ""}},
        {Machine::Multus, true,
         {"N000 G00 X200 G97 S700 M63", "N000 G20 HP=4 M867 M05 M63 M09", "N000 M866", "\t", ""},
         {"N000     Z50 G97 S1220 M63", "N000 G20 HP=4 M867 M05 M63 M09", "N000 M866", "\t", ""},
         {"N000 G00 Z50", "N000 G20 HP=4 M867 G97 S790 M05 M63 M09 M262", "N000 M866", "\t", ""}},
    };
    for (const auto &c : cases) {
        SetMachine(c.machine);
        SetM867(c.m867);
        SetOuterGrooveExample();
        QStringList lines = BlockLines(BuildGrooveODBlock());
        EXPECT_EQ(lines.mid(lines.size() - c.outer.size()), c.outer) << int(c.machine) << c.m867;
        SetInnerGrooveExample();
        lines = BlockLines(BuildGrooveIDBlock());
        EXPECT_EQ(lines.mid(lines.size() - c.inner.size()), c.inner) << int(c.machine) << c.m867;
        SetFaceGrooveExample();
        lines = BlockLines(BuildGrooveFaceBlock());
        EXPECT_EQ(lines.mid(lines.size() - c.face.size()), c.face) << int(c.machine) << c.m867;
    }
}

// A start X that makes the reference diameter 0 fails on the spindle speed.
TEST_F(GroovingTest, ZeroReferenceDiameterIsReportedAndNothingInserted) {
    OpenDocument();
    const struct {
        const char *name;
        double startX;
        QString (*build)();
    } cases[] = {
        {"outer", -4, BuildGrooveODBlock},
        {"inner", 4, BuildGrooveIDBlock},
    };
    for (const auto &c : cases) {
        m_msgBoxes.clear();
        SetOuterGrooveExample();
        g_StartX = c.startX;
        RunGenerator({Confirm(), [&c] { c.build(); }, {}});
        ExpectErrorShown(11, kDivisionByZeroText);
        EXPECT_EQ(m_pane->Text(), "AAA\r\nBBB\r\n") << c.name;
    }
}

TEST_F(GroovingTest, ConfirmedBlockIsInsertedAtTheCaret) {
    OpenDocument();
    SetFaceGrooveExample();
    RunGenerator({Confirm(), [] { BuildGrooveFaceBlock(); }, {}});
    EXPECT_EQ(m_pane->Text(), "AAA\r\n" + g_OutputBlock + "\r\n");
    EXPECT_TRUE(g_OutputBlock.startsWith("(-----< OD.GROOVE FACE W5 >-----)\r\n"));
    EXPECT_TRUE(m_msgBoxes.empty());
}

}  // namespace
}  // namespace brennvik
