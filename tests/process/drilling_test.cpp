#include "generator_test_support.h"

#include "process/drilling.h"
#include "process/generator_frame.h"

namespace brennvik {
namespace {

class DrillingTest : public InsertingGeneratorTest {
protected:
    // A hole of 10 drilled 30 deep from the face at Z0.
    static void SetHssExample() {
        g_ToolNumber = 5;
        g_ParamV = 25;
        g_ParamF = 0.1;
        g_ParamU = 10;
        g_ParamD = 0;
        g_ParamL = 0;
        g_StartZ = 0;
        g_EndZ = -30;
    }
    // A carbide drill of 12, entry 2 and exit 3 at half feed.
    static void SetCarbideExample() {
        g_ToolNumber = 6;
        g_ParamV = 80;
        g_ParamF = 0.2;
        g_ParamU = 12;
        g_ParamD = 2;
        g_ParamL = 3;
        g_StartZ = 0;
        g_EndZ = -30;
    }
};

TEST_F(DrillingTest, HssDrillWorkedExample) {
    SetHssExample();
    EXPECT_EQ(BuildDrillHssBlock(), "(-----< DRILL D10 >-----)\r\n"
                                    "NOEX VTLIN[5]=22 VTLFN[5]=1 VTLA1[5]=118\r\n"
                                    "NOEX VTLD[5]=10 VTLL[5]=50\r\n"
                                    "N000 G00 X0 Z50 T0505 M42 S790 M03 M63 M08\r\n"
                                    "NT05 G74 X0 Z-30 K47 D34 F0.1\r\n"
                                    "N000 G00 X500 Z500\r\n"
                                    "\t\r\n");
    EXPECT_EQ(g_SpindleSpeed, 790);
}

TEST_F(DrillingTest, HssPeckDepthAndPullOut) {
    const struct {
        double d, l, startZ;
        const char *cycle;
    } cases[] = {
        {5, 2, 0, "NT05 G74 X0 Z-30 K47 D5 L2 F0.1"},
        {0, 2, 0, "NT05 G74 X0 Z-30 K47 D34 L2 F0.1"},
        {5, 0, 0, "NT05 G74 X0 Z-30 K47 D5 F0.1"},
        // one peck: the whole depth plus 4, cut down to a whole number
        {-1, -1, 2.5, "NT05 G74 X0 Z-30 K44.5 D36 F0.1"},
    };
    for (const auto &c : cases) {
        SetHssExample();
        g_ParamD = c.d;
        g_ParamL = c.l;
        g_StartZ = c.startZ;
        EXPECT_EQ(BlockLines(BuildDrillHssBlock())[4], c.cycle) << c.d << ' ' << c.l;
    }
}

// On a MULTUS with tool life, load monitor and M867: the carbide drill's
// approach has no M263, and it goes back to the approach Z before the
// return, which has no M262.
TEST_F(DrillingTest, CarbideDrillOnMultus) {
    SetCarbideExample();
    SetMachine(Machine::Multus);
    SetM867(true);
    g_TG = true;
    g_LoadMoniter = true;
    g_BAxisWord = " BA=45";
    g_TipPositionWord = " M603";
    g_M263Word = " M263";
    EXPECT_EQ(BuildDrillCarbideBlock(),
              Lines({"(-----< DRILL D12 >-----)", "NOEX VGRIN[6]=23 VGRFN[6]=1 VGRA1[6]=180",
                     "NOEX VGRD[6]=12 VGRL[6]=50", "N000 MT=1 TG=6", "N000 M421",
                     "N000 G00 X0 Z50 TG=6 OG=1 BA=45 M603 M42 S2120 M03 M63 M08", "NT06     Z3", "N000 VLMON[6]=2+8",
                     "N000 G01 Z-2 F0.1", "N000     Z-27 F0.2", "N000     Z-30 F0.1", "N000 VLMON[6]=0",
                     "N000 G00 Z50", "N000 G20 HP=4 M867 M05 M63 M09", "N000 M866", "\t"}));
}

TEST_F(DrillingTest, CarbideEntryAndExitAtHalfFeed) {
    const struct {
        double d, l;
        QStringList moves;
    } cases[] = {
        {2, 3, {"N000 G01 Z-2 F0.1", "N000     Z-27 F0.2", "N000     Z-30 F0.1"}},
        {2, 0, {"N000 G01 Z-2 F0.1", "N000     Z-30 F0.2"}},
        {0, 3, {"N000 G01 Z-27 F0.2", "N000     Z-30 F0.1"}},
        {0, 0, {"N000 G01 Z-30 F0.2"}},
        {-2, -3, {"N000 G01 Z-30 F0.2"}},
    };
    for (const auto &c : cases) {
        SetCarbideExample();
        g_ParamD = c.d;
        g_ParamL = c.l;
        const QStringList lines = BlockLines(BuildDrillCarbideBlock());
        EXPECT_EQ(lines.mid(5, c.moves.size()), c.moves) << c.d << ' ' << c.l;
        EXPECT_EQ(lines[5 + c.moves.size()], "N000 G00 Z50") << c.d << ' ' << c.l;
    }
}

// Unlike the other turning blocks, a drill's speed is computed even
// without a cutting speed.
TEST_F(DrillingTest, SpindleSpeedAlwaysFromTheDrillDiameter) {
    SetHssExample();
    g_ParamV = 0;
    g_SpindleSpeed = 1230;
    EXPECT_EQ(BlockLines(BuildDrillHssBlock())[3], "N000 G00 X0 Z50 T0505 M42 S0 M03 M63 M08");
    EXPECT_EQ(g_SpindleSpeed, 0);
}

TEST_F(DrillingTest, TdMacroApproachAndM263OnlyForTheHssDrill) {
    SetMachine(Machine::Multus);
    g_AtcMacroType = "TD";
    g_M263Word = " M263";
    g_BAxisWord = " BA=45";
    SetHssExample();
    EXPECT_EQ(BlockLines(BuildDrillHssBlock()).mid(3, 3),
              QStringList({"N000 TD=0005 M423", "N000 G95 M109", "N000 G00 X0 Z50 M42 S790 M03 M63 M08 M263"}));
    SetCarbideExample();
    EXPECT_EQ(BlockLines(BuildDrillCarbideBlock()).mid(3, 3),
              QStringList({"N000 TD=0006 M423", "N000 G95 M109", "N000 G00 X0 Z50 M42 S2120 M03 M63 M08"}));
    g_AtcMacroType = "M421";
    SetHssExample();
    EXPECT_EQ(BlockLines(BuildDrillHssBlock())[5], "N000 G00 X0 Z50 TL=0505 BA=45 M42 S790 M03 M63 M08 M263");
    SetCarbideExample();
    EXPECT_EQ(BlockLines(BuildDrillCarbideBlock())[5], "N000 G00 X0 Z50 TL=0606 BA=45 M42 S2120 M03 M63 M08");
}

TEST_F(DrillingTest, RetreatByMachineType) {
    const struct {
        Machine machine;
        bool m867;
        QStringList hss, carbide;
    } cases[] = {
        {Machine::Other, false, {"N000 G00 X500 Z500", "\t", ""}, {"N000 G00 Z50", "N000     X500 Z500", "\t", ""}},
        {Machine::MacTurn, false, {"N000 G00 X200", "N000 G21 HP=4 M05 M63 M09", "\t", ""},
         {"N000 G00 Z50", "N000     X200", "N000 G21 HP=4 M05 M63 M09", "\t", ""}},
        {Machine::Multus, false, {"N000 G20 HP=4 M05 M63 M09 M262", "\t", ""},
         {"N000 G00 Z50", "N000 G20 HP=4 M05 M63 M09", "\t", ""}},
        {Machine::Multus, true, {"N000 G20 HP=4 M867 M05 M63 M09 M262", "N000 M866", "\t", ""},
         {"N000 G00 Z50", "N000 G20 HP=4 M867 M05 M63 M09", "N000 M866", "\t", ""}},
    };
    for (const auto &c : cases) {
        SetMachine(c.machine);
        SetM867(c.m867);
        SetHssExample();
        QStringList lines = BlockLines(BuildDrillHssBlock());
        EXPECT_EQ(lines.mid(lines.size() - c.hss.size()), c.hss) << int(c.machine) << c.m867;
        SetCarbideExample();
        lines = BlockLines(BuildDrillCarbideBlock());
        EXPECT_EQ(lines.mid(lines.size() - c.carbide.size()), c.carbide) << int(c.machine) << c.m867;
    }
}

// The drilling commands used to set the material's inner diameter before
// the spindle speed was computed, so a drill of diameter 0 left it at 0
// although nothing was inserted, and so did a block with no document open.
TEST_F(DrillingTest, MaterialInnerDiameterChangesOnlyOnceTheBlockIsInserted) {
    const struct {
        const char *name;
        bool document, confirm;
        double u;
        float materialID;
        int error;
        QString (*build)();
    } cases[] = {
        {"HSS inserted", true, true, 10.0005, 10, 0, BuildDrillHssBlock},
        {"carbide inserted", true, true, 12.3456, 12.345f, 0, BuildDrillCarbideBlock},
        {"cancelled", true, false, 10, 20, 0, BuildDrillHssBlock},
        {"HSS diameter 0", true, true, 0, 20, 11, BuildDrillHssBlock},
        {"carbide diameter 0", true, true, 0, 20, 11, BuildDrillCarbideBlock},
        {"no document", false, true, 10, 20, 91, BuildDrillCarbideBlock},
    };
    for (const auto &c : cases) {
        if (c.document && !m_pane) OpenDocument();
        if (!c.document) {
            ResetDocumentSlots();
            m_pane = nullptr;
        }
        if (m_pane) m_pane->SetText("AAA\r\nBBB\r\n");
        m_msgBoxes.clear();
        SetHssExample();
        g_ParamU = c.u;
        g_MaterialID = 20;
        RunGenerator({c.confirm ? Confirm() : Cancel(), [&c] { c.build(); }, TakeWrittenBoreAsMaterialID});
        EXPECT_EQ(g_MaterialID, c.materialID) << c.name;
        if (c.error == 11) ExpectErrorShown(11, kDivisionByZeroText);
        if (c.error == 91) ExpectErrorShown(91, kNoDocumentText);
        if (c.error == 0) {
            EXPECT_TRUE(m_msgBoxes.empty()) << c.name;
        }
        if (m_pane) {
            const bool inserted = c.confirm && c.error == 0;
            EXPECT_EQ(m_pane->Text() != "AAA\r\nBBB\r\n", inserted) << c.name;
        }
    }
}

}  // namespace
}  // namespace brennvik
