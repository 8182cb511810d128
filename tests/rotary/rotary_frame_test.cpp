#include "rotary_test_support.h"

#include "rotary/contour_milling.h"
#include "rotary/rotary_holes.h"
#include "rotary/rotary_frame.h"
#include "workspace/runtime.h"

#include <QStringList>

namespace brennvik {
namespace {

using RotaryFrameTest = RotaryBlockTest;

// The lines a step appends to an empty block.
QStringList LinesOf(const std::function<void()> &step) {
    g_OutputBlock.clear();
    step();
    QStringList lines = BlockLines(g_OutputBlock);
    lines.removeLast();
    return lines;
}

TEST_F(RotaryFrameTest, MillingToolCallByMachineToolLifeTurretAndMacro) {
    enum { Other, MacTurn, Multus };
    const struct {
        int machine;
        bool toolLife;
        int turret;
        const char *macro;
        double tool;
        QStringList lines;
    } cases[] = {
        {Other, true, 1, "M421", 5, {}},
        {Other, false, 2, "TD", 5, {}},
        {MacTurn, true, 1, "M421", 5, {"N000 MT=1 TG=5", "N000 M421"}},
        {MacTurn, true, 2, "M421", 5, {"N000 MT=3 TG=5", "N000 M421"}},
        {MacTurn, false, 1, "M321", 5, {"N000 MT=501", "N000 M321"}},
        {MacTurn, false, 2, "M421", 12, {"N000 MT=1203", "N000 M421"}},
        // No "TD=" form: the macro line reads as the setting does.
        {MacTurn, false, 2, "TD", 5, {"N000 MT=503", "N000 TD"}},
        {MacTurn, true, 1, "TD", 5, {"N000 MT=1 TG=5", "N000 TD"}},
        {Multus, true, 1, "M441", 5, {"N000 MT=1 TG=5", "N000 M441"}},
        {Multus, true, 2, "TD", 5, {"N000 MT=3 TG=5", "N000 TD"}},
        {Multus, false, 1, "M421", 5, {"N000 MT=501", "N000 M421"}},
        {Multus, false, 2, "M441", 5, {"N000 MT=503", "N000 M441"}},
        // A tool number with a fraction keeps it, floored to thousandths.
        {Multus, false, 2, "M421", 5.2509, {"N000 MT=5.2503", "N000 M421"}},
        {Multus, true, 1, "M421", 5.2509, {"N000 MT=1 TG=5.25", "N000 M421"}},
    };
    for (const auto &c : cases) {
        SetMachine(c.machine == MacTurn ? Machine::MacTurn : c.machine == Multus ? Machine::Multus : Machine::Other);
        g_TG = c.toolLife;
        g_TurretType = int16_t(c.turret);
        g_AtcMacroType = c.macro;
        g_ToolNumber = c.tool;
        EXPECT_EQ(LinesOf(EmitMillingToolCall), c.lines)
            << c.machine << ' ' << c.toolLife << ' ' << c.turret << ' ' << c.macro << ' ' << c.tool;
    }
}

TEST_F(RotaryFrameTest, ToolWord) {
    const struct {
        Machine machine;
        bool toolLife;
        ToolAddressing addressing;
        double tool;
        const char *word;
    } cases[] = {
        {Machine::Other, false, ToolAddressing::ByMachineType, 5, " T050505"},
        {Machine::MacTurn, false, ToolAddressing::ByMachineType, 5, " TL=050505"},
        {Machine::Multus, false, ToolAddressing::ByMachineType, 12, " TL=121212"},
        {Machine::Other, false, ToolAddressing::AlwaysTL, 5, " TL=050505"},
        {Machine::Other, true, ToolAddressing::ByMachineType, 5, " TG=5 OG=1"},
        {Machine::MacTurn, true, ToolAddressing::AlwaysTL, 5, " TG=5 OG=1"},
        // A fraction: the group keeps it, the tool and offsets drop it.
        {Machine::Other, true, ToolAddressing::ByMachineType, 5.75, " TG=5.75 OG=1"},
        {Machine::Other, false, ToolAddressing::ByMachineType, 5.75, " T050505"},
    };
    for (const auto &c : cases) {
        SetMachine(c.machine);
        g_TG = c.toolLife;
        g_ToolNumber = c.tool;
        EXPECT_EQ(RotaryToolWord(c.addressing), c.word) << c.word;
    }
}

TEST_F(RotaryFrameTest, ApproachFormsByControl) {
    g_SpindleSpeed = 2540;
    const auto turnC = [] { return QStringLiteral("10.3"); };
    const struct {
        ApproachForm form;
        bool ospU100;
        NcText c;
        QStringList lines;
    } cases[] = {
        {ApproachForm::RotatingTool, true, {}, {"NT05 G00 X200 Z50 SB=2540 M13 M63 M08"}},
        {ApproachForm::RotatingTool, false, {}, {"NT05 G00 X200 Z50 SB=2540 M13 M64 M08", "N000     M62"}},
        {ApproachForm::RotatingToolM62Later, true, turnC, {"NT05 G00 C10.3 X200 Z50 SB=2540 M13 M63 M08"}},
        {ApproachForm::RotatingToolM62Later, false, turnC, {"NT05 G00 C10.3 X200 Z50 SB=2540 M13 M64 M08"}},
        {ApproachForm::Tapping, true, {}, {"NT05 G00 X200 Z50 SB=2540 M08"}},
        {ApproachForm::Tapping, false, turnC, {"NT05 G00 C10.3 X200 Z50 SB=2540 M08"}},
    };
    for (const auto &c : cases) {
        g_OSPU100 = c.ospU100;
        EXPECT_EQ(LinesOf([&c] { AppendRotaryApproach(c.form, c.c); }), c.lines) << c.lines.join('|').toStdString();
    }
}

TEST_F(RotaryFrameTest, ReturnFormsByMachineAndControl) {
    enum { Other, MacTurn, Multus, Both };
    const auto full = ReturnForm::Full;
    const auto tap = ReturnForm::Tap;
    const auto coolant = ReturnForm::CoolantOnly;
    const auto direct = MacTurnReturn::Direct;
    const auto viaX = MacTurnReturn::ThroughApproachX;
    const struct {
        int machine;
        ReturnForm form;
        MacTurnReturn macTurn;
        bool ospU100;
        QStringList lines;
    } cases[] = {
        {Other, full, viaX, true, {"N000     X500 Z500 M12 M63"}},
        {Other, full, viaX, false, {"N000     X500 Z500 M12 M64", "N000     M62"}},
        {Other, tap, viaX, false, {"N000     X500 Z500"}},
        {Other, coolant, direct, false, {"N000     X500 Z500"}},
        {MacTurn, full, direct, true, {"N000 G21 HP=4 M12 M63 M09"}},
        {MacTurn, full, viaX, false, {"N000     X200", "N000 G21 HP=4 M12 M63 M09"}},
        {MacTurn, tap, viaX, true, {"N000     X200", "N000 G21 HP=4 M12 M63 M09"}},
        {MacTurn, tap, direct, false, {"N000 G21 HP=4 M12 M63 M09"}},
        {MacTurn, coolant, direct, true, {"N000 G21 HP=4 M09"}},
        {Multus, full, viaX, false, {"N000 G20 HP=4 M867 M12 M63 M09", "N000 M866"}},
        {Multus, tap, viaX, true, {"N000 G20 HP=4 M867 M12 M63 M09", "N000 M866"}},
        {Multus, coolant, direct, true, {"N000 G20 HP=4 M867 M09", "N000 M866"}},
        // A settings store that says both: one machine's return, not two.
        {Both, full, viaX, true, {"N000     X200", "N000 G21 HP=4 M12 M63 M09"}},
        {Both, coolant, direct, true, {"N000 G21 HP=4 M09"}},
    };
    SetM867(true);
    for (const auto &c : cases) {
        g_MacTurn = c.machine == MacTurn || c.machine == Both;
        g_MULTUS = c.machine == Multus || c.machine == Both;
        g_OSPU100 = c.ospU100;
        EXPECT_EQ(LinesOf([&c] { AppendRotaryReturn(c.form, c.macTurn); }), c.lines)
            << c.lines.join('|').toStdString();
    }
    SetM867(false);
    SetMachine(Machine::Multus);
    EXPECT_EQ(LinesOf([] { AppendRotaryReturn(ReturnForm::Full, MacTurnReturn::Direct); }),
              QStringList({"N000 G20 HP=4 M12 M63 M09"}));
    // A rapid move where the block has no retract of its own.
    SetMachine(Machine::Other);
    EXPECT_EQ(LinesOf([] { AppendRotaryReturn(ReturnForm::CoolantOnly, MacTurnReturn::Direct, RetreatMove::Rapid); }),
              QStringList({"N000 G00 X500 Z500"}));
}

TEST_F(RotaryFrameTest, SpindleSpeedWithoutGuard) {
    const struct {
        double v, u;
        double speed;
    } cases[] = {
        {80, 10, 2540},  // 254.77... cut to a multiple of 10
        {0, 10, 0},      // no cutting speed: the approach says SB=0
        {25, 6.9, 1150},
    };
    for (const auto &c : cases) {
        g_SpindleSpeed = 1230;
        g_ParamV = c.v;
        g_ParamU = c.u;
        const QString approach = BlockLines(BuildFaceDrillBlock())[2];
        EXPECT_EQ(g_SpindleSpeed, c.speed) << c.v;
        EXPECT_TRUE(approach.contains(" SB=" + NumberText(c.speed) + " M13")) << approach.toStdString();
    }
}

TEST_F(RotaryFrameTest, ZeroToolDiameterFailsBeforeAnyText) {
    g_ParamU = 0;
    g_OutputBlock = "OLD";
    g_SpindleSpeed = 1230;
    try {
        BuildFaceDrillBlock();
        ADD_FAILURE() << "no error";
    } catch (const RuntimeError &error) {
        EXPECT_EQ(error.number(), kErrDivisionByZero);
    }
    EXPECT_EQ(g_OutputBlock, "OLD");
    EXPECT_EQ(g_SpindleSpeed, 1230);
}

// The tool number is written with its fraction until the first two-digit
// word floors it: tool shape, tool change, then tool word, sequence name and
// load monitor with the whole number.
TEST_F(RotaryFrameTest, ToolNumberWithAFraction) {
    g_ToolNumber = 5.5;
    g_ToolFrom = true;
    g_TG = false;
    g_LoadMoniter = true;
    SetMachine(Machine::MacTurn);
    EXPECT_EQ(BlockLines(BuildFaceDrillBlock()).mid(1, 7),
              QStringList({"NOEX VTLIN[5.5]=28 VTLFN[5.5]=1 VTLA1[5.5]=118", "NOEX VTLD[5.5]=10 VTLL[5.5]=40",
                           "N000 MT=5.503", "N000 M421", "N000 G94 M110 TL=050505",
                           "NT05 G00 X200 Z50 SB=2540 M13 M63 M08", "N000 VLMON[5]=2+16"}));
}

TEST_F(RotaryFrameTest, ToolShapeLines) {
    const struct {
        bool toolShapes, toolLife;
        QStringList lines;
    } cases[] = {
        {true, true, {"NOEX VGRIN[5]=28 VGRFN[5]=1 VGRA1[5]=118", "NOEX VGRD[5]=10 VGRL[5]=40"}},
        {true, false, {"NOEX VTLIN[5]=28 VTLFN[5]=1 VTLA1[5]=118", "NOEX VTLD[5]=10 VTLL[5]=40"}},
        {false, true, {}},
    };
    for (const auto &c : cases) {
        g_ToolFrom = c.toolShapes;
        g_TG = c.toolLife;
        const QStringList lines = BlockLines(BuildFaceDrillBlock());
        EXPECT_EQ(lines.mid(1, c.lines.size()), c.lines) << c.toolShapes << c.toolLife;
        EXPECT_TRUE(lines[1 + c.lines.size()].startsWith("N000 G94 M110")) << c.toolShapes << c.toolLife;
    }
    // An end mill has no point angle; on the side its length is radial.
    g_ToolFrom = true;
    g_TG = false;
    g_StartX = 40;
    g_EndX = 30.5;
    EXPECT_EQ(LinesOf([] { AppendRotaryToolShapeLines({"35", false, SideToolLength}); }),
              QStringList({"NOEX VTLIN[5]=35 VTLFN[5]=1", "NOEX VTLD[5]=10 VTLL[5]=24.75"}));
}

}  // namespace
}  // namespace brennvik
