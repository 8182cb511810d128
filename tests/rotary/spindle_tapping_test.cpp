// Tapping on the main spindle, and the tool-change preparation words.
#include "rotary_test_support.h"

#include "rotary/spindle_tapping.h"

#include <QStringList>

namespace brennvik {
namespace {

class SpindleTappingTest : public RotaryBlockTest {
protected:
    // M10 x 1.5 at V 10, tapped from the face at Z0 to Z-20.
    void SetUp() override {
        RotaryBlockTest::SetUp();
        g_ToolNumber = 3;
        g_ParamV = 10;
        g_ParamF = 1.5;
        g_ParamU = 10;
        g_ParamD = 0;
        g_StartZ = 0;
        g_EndZ = -20;
    }
};

TEST_F(SpindleTappingTest, SynchronisedWorkedExample) {
    EXPECT_EQ(BuildSpindleTapBlock(SpindleTap::Synchronised), "(-----< SPINDLE TAP M10*P1.5 >-----)\r\n"
                                                              "N000 G00 X0 Z50 T0303 M41 S310 M03 M63 M08\r\n"
                                                              "NT03 G107 X0 Z-20 K45 F1.5\r\n"
                                                              "N000 G00 X500 Z500\r\n"
                                                              "\t\r\n");
    EXPECT_EQ(g_SpindleSpeed, 310);
}

// The cycle follows the spindle direction; only the synchronised tap has a
// start angle. The floating tap's D box is hidden and holds the table's
// value, which used to end up in its cycle.
TEST_F(SpindleTappingTest, CycleByHolderDirectionAndStartAngle) {
    const struct {
        SpindleTap tap;
        const char *spindle;
        double d;
        const char *cycle;
    } cases[] = {
        {SpindleTap::Synchronised, " M03 M63", 0, "NT03 G107 X0 Z-20 K45 F1.5"},
        {SpindleTap::Synchronised, " M04 M63", 0, "NT03 G108 X0 Z-20 K45 F1.5"},
        {SpindleTap::Synchronised, " M03 M63", 30, "NT03 G107 X0 Z-20 K45 F1.5 D30"},
        {SpindleTap::Synchronised, " M03 M63", -30, "NT03 G107 X0 Z-20 K45 F1.5"},
        {SpindleTap::Floating, " M03 M63", 0, "NT03 G77 X0 Z-20 K45 F1.5"},
        {SpindleTap::Floating, " M04 M63", 0, "NT03 G78 X0 Z-20 K45 F1.5"},
        {SpindleTap::Floating, " M03 M63", 30, "NT03 G77 X0 Z-20 K45 F1.5"},
    };
    for (const auto &c : cases) {
        g_SpindleWord = c.spindle;
        g_ParamD = c.d;
        EXPECT_EQ(BlockLines(BuildSpindleTapBlock(c.tap))[2], c.cycle) << c.cycle;
    }
}

// The turning tool call, the tool with one offset pair, the tool-tip
// position before the spindle start, and a return that stops the coolant.
TEST_F(SpindleTappingTest, OnMacTurnAndMultus) {
    g_ToolFrom = true;
    g_OptionalStop = true;
    SetMachine(Machine::MacTurn);
    g_TipPositionWord = " M602";
    EXPECT_EQ(BuildSpindleTapBlock(SpindleTap::Synchronised),
              Lines({"(-----< SPINDLE TAP M10*P1.5 >-----)", "NOEX VTLIN[3]=32 VTLFN[3]=1",
                     "NOEX VTLD[3]=10 VTLL[3]=40", "N000 MT=301", "N000 M421",
                     "N000 G00 X0 Z50 TL=0303 M602 M41 S310 M03 M63 M08", "NT03 G107 X0 Z-20 K45 F1.5",
                     "N000 G00 X200", "N000 G21 HP=4 M09", "NSTP M01", "\t"}));
    g_ToolFrom = false;
    g_OptionalStop = false;
    SetMachine(Machine::Multus);
    SetM867(true);
    g_TG = true;
    g_AtcMacroType = "TD";
    g_TipPositionWord = " M603";
    EXPECT_EQ(BuildSpindleTapBlock(SpindleTap::Floating),
              Lines({"(-----< SPINDLE TAP M10*P1.5 >-----)", "N000 TDG=0003 M423",
                     "N000 G00 X0 Z50 TG=3 OG=1 M603 M41 S310 M03 M63 M08", "NT03 G77 X0 Z-20 K45 F1.5",
                     "N000 G20 HP=4 M867 M09", "N000 M866", "\t"}));
}

TEST_F(SpindleTappingTest, ToolChangePreparationWords) {
    const struct {
        MagazineSide side;
        bool toolLife;
        const char *words;
    } cases[] = {
        {MagazineSide::One, false, "N000 MT=1"},
        {MagazineSide::Three, false, "N000 MT=3"},
        {MagazineSide::One, true, "N000 MT=1 TG="},
        {MagazineSide::Three, true, "N000 MT=3 TG="},
    };
    for (const auto &c : cases) {
        g_TG = c.toolLife;
        EXPECT_EQ(ToolChangePreparationWords(c.side), c.words);
    }
}

}  // namespace
}  // namespace brennvik
