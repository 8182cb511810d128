#include "generator_test_support.h"

#include "process/roughing.h"
#include "workspace/runtime.h"

namespace brennvik {
namespace {

class RoughingTest : public GeneratorTest {
protected:
    // The outer diameter of a 60 mm blank roughed to 40 over 50 mm.
    static void SetOuterDiameterExample() {
        g_ToolNumber = 3;
        g_ParamV = 150;
        g_ParamF = 0.3;
        g_ParamD = 2;
        g_ParamU = 0.4;
        g_ParamW = 0.1;
        g_ParamC = 1;
        g_StartX = 40;
        g_StartZ = 0;
        g_EndX = 60;
        g_EndZ = -50;
        g_MaterialOD = 60;
    }
    // The same blank with 2 mm of stock in front of the face.
    static void SetFaceAndOuterDiameterExample() {
        SetOuterDiameterExample();
        g_ToolNumber = 2;
        g_ParamL = 3;
        g_UgcOrigin = 2;
    }
    // A bore of 20 opened to 30 over 30 mm.
    static void SetBoreExample() {
        g_ToolNumber = 4;
        g_ParamV = 100;
        g_ParamF = 0.2;
        g_ParamD = 1.5;
        g_ParamU = 0.3;
        g_ParamW = 0.1;
        g_ParamC = 0.5f;
        g_StartX = 30;
        g_StartZ = 0;
        g_EndX = 20;
        g_EndZ = -30;
        g_MaterialID = 20;
    }
};

const char *const kOuterDiameterCycle[] = {
    "N000 G85 NAP2 D2 U0.4 W0.1 F0.3", "NAP2 G81", "N000 G00 X37", "N000 G01 Z0.5 G42 F0.15", "N000     X40 A135",
    "N000     Z-50", "N000     X58", "N000     X60 A135", "N000 G40 K-1", "N000 G80",
};

TEST_F(RoughingTest, OuterDiameterWorkedExample) {
    SetOuterDiameterExample();
    EXPECT_EQ(BuildRoughODBlock(), "(-----< OD.ROUGH >-----)\r\n"
                                   "NOEX VTLIN[3]=1 VTLFN[3]=1 VTLA1[3]=55\r\n"
                                   "NOEX VTLA2[3]=3 VTLL[3]=40\r\n"
                                   "N000 G00 X60 Z50 T030303 M41 S1030 M03 M63 M08\r\n"
                                   "NT03     Z2 G96 S150\r\n"
                                   "N000 G85 NAP2 D2 U0.4 W0.1 F0.3\r\n"
                                   "NAP2 G81\r\n"
                                   "N000 G00 X37\r\n"
                                   "N000 G01 Z0.5 G42 F0.15\r\n"
                                   "N000     X40 A135\r\n"
                                   "N000     Z-50\r\n"
                                   "N000     X58\r\n"
                                   "N000     X60 A135\r\n"
                                   "N000 G40 K-1\r\n"
                                   "N000 G80\r\n"
                                   "N000 G00 X500 Z500 G97 S1030 M63\r\n"
                                   "\t\r\n");
    EXPECT_EQ(g_OutputBlock, BuildRoughODBlock()) << "the block is rebuilt from scratch";
}

TEST_F(RoughingTest, OuterDiameterOnMacTurnWithToolLifeMonitorAndStop) {
    SetOuterDiameterExample();
    SetMachine(Machine::MacTurn);
    g_TG = true;
    g_LoadMoniter = true;
    g_OptionalStop = true;
    g_TipPositionWord = " M602";
    EXPECT_EQ(BuildRoughODBlock(), "(-----< OD.ROUGH >-----)\r\n"
                                   "NOEX VGRIN[3]=1 VGRFN[3]=1 VGRA1[3]=55\r\n"
                                   "NOEX VGRA2[3]=3 VGRL[3]=40\r\n"
                                   "N000 MT=1 TG=3\r\n"
                                   "N000 M421\r\n"
                                   "N000 G00 X60 Z50 TG=3 OG=1 M602 M41 S1030 M03 M63 M08\r\n"
                                   "NT03     Z2 G96 S150\r\n"
                                   "N000 VLMON[3]=2+8\r\n"
                                   "N000 G85 NAP2 D2 U0.4 W0.1 F0.3\r\n"
                                   "NAP2 G81\r\n"
                                   "N000 G00 X37\r\n"
                                   "N000 G01 Z0.5 G42 F0.15\r\n"
                                   "N000     X40 A135\r\n"
                                   "N000     Z-50\r\n"
                                   "N000     X58\r\n"
                                   "N000     X60 A135\r\n"
                                   "N000 G40 K-1\r\n"
                                   "N000 G80\r\n"
                                   "N000 VLMON[3]=0\r\n"
                                   "N000 G00 X200 G97 S1030 M63\r\n"
                                   "N000 G21 HP=4 M05 M63 M09\r\n"
                                   "NSTP M01\r\n"
                                   "\t\r\n");
}

TEST_F(RoughingTest, OuterDiameterApproachesAtTheBlankWithTdMacro) {
    SetOuterDiameterExample();
    SetMachine(Machine::Multus);
    g_AtcMacroType = "TD";
    g_MaterialOD = 62;
    const QStringList lines = BlockLines(BuildRoughODBlock());
    EXPECT_EQ(lines.mid(3, 3), QStringList({"N000 TD=0003 M423", "N000 G95 M109", "N000 G00 X68 Z50 M41 S1030 M03 M63 M08"}));
}

// A single-precision chamfer plus a double 0.5 is floored, not rounded.
TEST_F(RoughingTest, ChamferSetsTheContourStartAndShoulder) {
    const struct {
        float c;
        const char *rapid, *shoulder;
    } cases[] = {
        {0, "N000 G00 X39", "N000     X60"},
        {0.3f, "N000 G00 X38.399", "N000     X59.399"},
        {0.5f, "N000 G00 X38", "N000     X59"},
    };
    for (const auto &c : cases) {
        SetOuterDiameterExample();
        g_ParamC = c.c;
        const QStringList lines = BlockLines(BuildRoughODBlock());
        EXPECT_EQ(lines[7], c.rapid) << c.c;
        EXPECT_EQ(lines[11], c.shoulder) << c.c;
        EXPECT_EQ(lines[12], "N000     X60 A135") << c.c;
    }
}

TEST_F(RoughingTest, FaceBlock) {
    g_ToolNumber = 1;
    g_ParamV = 120;
    g_ParamF = 0.25;
    g_ParamL = 2;
    g_ParamW = 0.1;
    g_StartX = 60;
    g_StartZ = 2;
    g_EndX = 20;
    g_EndZ = 0;
    g_MaterialOD = 60;
    EXPECT_EQ(BuildRoughFaceBlock(), Lines({"(-----< OD.ROUGH FACE >-----)", "NOEX VTLIN[1]=1 VTLFN[1]=1 VTLA1[1]=80",
                                            "NOEX VTLA2[1]=5 VTLL[1]=40",
                                            "N000 G00 X66 Z50 T010101 M41 S570 M03 M63 M08", "NT01     Z2 G96 S120",
                                            "N000 G85 NAP1 D2 W0.1 F0.25", "NAP1 G82", "N000 G00 Z0",
                                            "N000 G01 X60 G41 F0.15", "N000     X20", "N000 G40 I-1", "N000 G80",
                                            "N000 G00 X500 Z500 G97 S570 M63", "\t"}));
}

TEST_F(RoughingTest, FaceAndOuterDiameterWithOnePassOnTheFace) {
    SetFaceAndOuterDiameterExample();  // 2 mm of stock, L 3
    g_LoadMoniter = true;
    QString expected = Lines({"(-----< OD.ROUGH >-----)", "NOEX VTLIN[2]=1 VTLFN[2]=1 VTLA1[2]=80",
                              "NOEX VTLA2[2]=5 VTLL[2]=40", "N000 G00 X66 Z50 T020202 M41 S1030 M03 M63 M08",
                              "NT02     Z0.1 G96 S150", "N000 VLMON[2]=1", "N000 G01 X60 G41 F0.24", "N000     X0",
                              "N000 G40 I-1", "N000 G00 X60 Z2"});
    for (const char *line : kOuterDiameterCycle) expected += Lines({line});
    expected += Lines({"N000 VLMON[2]=0", "N000 G00 X500 Z500 G97 S1030 M63", "\t"});
    EXPECT_EQ(BuildRoughFaceODBlock(), expected);
}

TEST_F(RoughingTest, FaceAndOuterDiameterWithFacePasses) {
    SetFaceAndOuterDiameterExample();
    g_ParamL = 1;
    g_LoadMoniter = true;
    const QStringList lines = BlockLines(BuildRoughFaceODBlock());
    EXPECT_EQ(lines.mid(4, 11), QStringList({"NT02     Z2 G96 S150", "N000 VLMON[2]=1+8", "N000 G85 NAP1 D1 W0.1 F0.24",
                                             "NAP1 G82", "N000 G00 Z0", "N000 G01 X60 G41", "N000     X0",
                                             "N000 G40 I-1", "N000 G80", "N000 G00 X60 Z2",
                                             "N000 G85 NAP2 D2 U0.4 W0.1 F0.3"}));
    EXPECT_EQ(lines.filter("VLMON").size(), 2) << "switched off once, after the outer diameter";
}

// A face-end X (the blank's bore less 3) ends the face cut there, without compensation.
TEST_F(RoughingTest, FaceAndOuterDiameterFaceEndsAtTheBore) {
    SetFaceAndOuterDiameterExample();
    g_ParamSZ = 17;
    QStringList lines = BlockLines(BuildRoughFaceODBlock());
    EXPECT_EQ(lines.mid(4, 3), QStringList({"NT02     Z0.1 G96 S150", "N000 G01 X17 F0.24", "N000 G00 X60 Z2"}));
    g_ParamL = 1;
    lines = BlockLines(BuildRoughFaceODBlock());
    EXPECT_EQ(lines.mid(7, 3), QStringList({"N000 G00 Z0", "N000 G01 X17", "N000 G80"}));
}

TEST_F(RoughingTest, FaceAndOuterDiameterClearsTheFaceBeforeTheMultusReturn) {
    const struct {
        Machine machine;
        QStringList end;
    } cases[] = {
        {Machine::Other, {"N000 G80", "N000 G00 X500 Z500 G97 S1030 M63", "\t", ""}},
        {Machine::MacTurn, {"N000 G80", "N000 G00 X200 G97 S1030 M63", "N000 G21 HP=4 M05 M63 M09", "\t", ""}},
        {Machine::Multus, {"N000 G80", "N000 G00 Z50", "N000 G20 HP=4 M867 G97 S1030 M05 M63 M09 M262", "N000 M866", "\t", ""}},
    };
    for (const auto &c : cases) {
        SetFaceAndOuterDiameterExample();
        SetMachine(c.machine);
        SetM867(true);
        const QStringList lines = BlockLines(BuildRoughFaceODBlock());
        EXPECT_EQ(lines.mid(lines.size() - c.end.size()), c.end) << int(c.machine);
    }
}

TEST_F(RoughingTest, InnerDiameterBlock) {
    SetBoreExample();
    EXPECT_EQ(BuildRoughIDBlock(), Lines({"(-----< ID.ROUGH >-----)", "NOEX VTLIN[4]=2 VTLFN[4]=1 VTLA1[4]=60",
                                          "NOEX VTLA2[4]=3 VTLD[4]=20 VTLL[4]=50",
                                          "N000 G00 X20 Z50 T040404 M42 S880 M03 M63 M08", "NT04     Z2 G96 S100",
                                          "N000 G85 NAP3 D1.5 U0.3 W0.1 F0.2", "NAP3 G81", "N000 G00 X32",
                                          "N000 G01 Z0.5 G41 F0.15", "N000     X30 A-135", "N000     Z-30",
                                          "N000     X21", "N000     X20 A-135", "N000 G40 K-1", "N000 G80",
                                          "N000 G00 Z50", "N000     X500 Z500 G97 S880 M63", "\t"}));
    EXPECT_EQ(g_MaterialID, 20) << "building changes no material value";
}

TEST_F(RoughingTest, InnerDiameterRetreatLeavesTheBoreFirst) {
    const struct {
        Machine machine;
        QStringList end;
    } cases[] = {
        {Machine::MacTurn, {"N000 G80", "N000 G00 Z50", "N000     X200 G97 S880 M63", "N000 G21 HP=4 M05 M63 M09", "\t", ""}},
        {Machine::Multus, {"N000 G80", "N000 G00 Z50", "N000 G20 HP=4 G97 S880 M05 M63 M09 M262", "\t", ""}},
    };
    for (const auto &c : cases) {
        SetBoreExample();
        SetMachine(c.machine);
        const QStringList lines = BlockLines(BuildRoughIDBlock());
        EXPECT_EQ(lines.mid(lines.size() - c.end.size()), c.end) << int(c.machine);
    }
}

// The bore's start X is floored to three decimals before the spindle speed
// is computed from it (with 4.0004 itself the speed would be 4990).
TEST_F(RoughingTest, InnerDiameterTakesTheStartXAsWritten) {
    SetBoreExample();
    g_ParamV = 157;
    g_StartX = 4.0004;
    const QStringList lines = BlockLines(BuildRoughIDBlock());
    EXPECT_EQ(lines[3], "N000 G00 X20 Z50 T040404 M42 S5000 M03 M63 M08");
    EXPECT_EQ(g_StartX, 4);
}

// The bore taken is the start X the block wrote, formatted once: floored a
// second time, 16.0025 (written 16.002) became 16.001.
TEST_F(RoughingTest, BoreIsTheStartXAsTheBlockWroteIt) {
    const struct {
        double startX;
        float bore;
    } cases[] = {{4.0004, 4}, {30.5, 30.5f}, {16.0025, 16.002f}, {1.005, 1.004f}, {25.0019, 25.001f}};
    for (const auto &c : cases) {
        SetBoreExample();
        g_StartX = c.startX;
        BuildRoughIDBlock();
        TakeWrittenBoreAsMaterialID();
        EXPECT_EQ(g_MaterialID, c.bore) << c.startX;
    }
}

TEST_F(RoughingTest, ToolNumberIsFlooredByItsFirstTwoDigitWord) {
    SetOuterDiameterExample();
    g_ToolNumber = 7.9;
    g_LoadMoniter = true;
    const QStringList lines = BlockLines(BuildRoughODBlock());
    EXPECT_EQ(lines.mid(0, 6), QStringList({"(-----< OD.ROUGH >-----)", "NOEX VTLIN[7.9]=1 VTLFN[7.9]=1 VTLA1[7.9]=55",
                                            "NOEX VTLA2[7.9]=3 VTLL[7.9]=40",
                                            "N000 G00 X60 Z50 T070707 M41 S1030 M03 M63 M08", "NT07     Z2 G96 S150",
                                            "N000 VLMON[7]=2+8"}));
    EXPECT_EQ(lines[16], "N000 VLMON[7]=0");
    EXPECT_EQ(g_ToolNumber, 7);
}

TEST_F(RoughingTest, ZeroCuttingSpeedKeepsThePreviousSpindleSpeed) {
    SetOuterDiameterExample();
    BuildRoughODBlock();  // S1030
    g_ParamV = 0;
    g_StartX = 100;
    const QStringList lines = BlockLines(BuildRoughFaceBlock());
    EXPECT_EQ(lines[3], "N000 G00 X106 Z50 T030303 M41 S1030 M03 M63 M08");
    EXPECT_EQ(lines[4], "NT03     Z0 G96 S0");
    EXPECT_EQ(lines[12], "N000 G00 X500 Z500 G97 S1030 M63");
}

TEST_F(RoughingTest, ZeroReferenceDiameterIsDivisionByZero) {
    const struct {
        const char *name;
        QString (*build)();
    } generators[] = {
        {"OD", BuildRoughODBlock},
        {"face", BuildRoughFaceBlock},
        {"face+OD", BuildRoughFaceODBlock},
        {"ID", BuildRoughIDBlock},
    };
    for (const auto &g : generators) {
        SetOuterDiameterExample();
        g_StartX = -6;
        try {
            g.build();
            ADD_FAILURE() << g.name << ": no error";
        } catch (const RuntimeError &e) {
            EXPECT_EQ(e.number(), kErrDivisionByZero) << g.name;
        }
        g_ParamV = 0;  // no speed is computed, so nothing divides
        EXPECT_NO_THROW(g.build()) << g.name;
    }
}

}  // namespace
}  // namespace brennvik
