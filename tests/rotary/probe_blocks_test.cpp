// The touch-probe texts: the measuring calls with their subprograms, and
// the zero-offset blocks of the C and Z axes.
#include "rotary_test_support.h"

#include "rotary/probe_measuring.h"
#include "rotary/zero_offset.h"

#include <functional>

namespace brennvik {
namespace {

// Probe 1 on a first start's machine, without B-axis or tool-tip words,
// and the values of the fixture; Reset() gives them again before a case
// changes them.
template <void (*values)()>
class ProbeTest : public RotaryBlockTest {
protected:
    void SetUp() override {
        RotaryBlockTest::SetUp();
        Reset();
    }
    static void Reset() {
        ResetMachineSettings();
        g_ToolNumber = 1;
        g_BAxisWord.clear();
        g_TipPositionWord.clear();
        values();
    }
};

// Correcting offset 21, good within 0.05, rejected beyond 0.1, at a nominal
// X50 and Z-20 (the outer diameter starting from X60 Z5).
void MeasuringValues() {
    g_ParamV = 21;
    g_ParamU = 0.05;
    g_ParamW = 0.1;
    g_StartX = 60;
    g_StartZ = 5;
    g_EndX = 50;
    g_EndZ = -20;
}
using ProbeMeasuringTest = ProbeTest<MeasuringValues>;

TEST_F(ProbeMeasuringTest, CallLineAndSubprogramOfEachMeasuring) {
    const char *const head[] = {"N000 IF[VDIN[32]EQ 0]NRTS", "N000 G00 X200 Z50 T0101"};
    const char measure[] = "MSP=50 APP=3 APPS=2 IMP=1 DOK=0.05 DNG=0.1 TOFN=21";
    const QString tail = Lines({"N000     X500 Z500", "NRTS RTS"});
    const struct {
        ProbeMeasuring measuring;
        const char *call;
        QString subprogram;
    } cases[] = {
        {ProbeMeasuring::InnerDiameter, "N000 CALL OME12 (ID.MEASURE D50)",
         Lines({"\t", "----------< ID.MEASURE D50 >----------", "OME12", head[0], head[1],
                "NT01 CALL ODIAA ZP1=50 ZP2=-20 TOF1=11 TOF2=01", "$         MSP=50 APP=3 APPS=2 IMP=1 DOK=0.05 DNG=0.1 TOFN=21",
                "N000 G00 X200"}) + tail},
        {ProbeMeasuring::InnerRadius, "N000 CALL OME11 (ID.MEASURE D50)",
         Lines({"\t", "----------< ID.MEASURE D50 >----------", "OME11", head[0], head[1], "NT01     X40", "N000     Z-20"}) +
             "N000 CALL OWMXA " + measure + "\r\n" + Lines({"N000 G00 Z50", "N000     X200"}) + tail},
        // Only the outer diameter starts from a point, and has no retract of its own.
        {ProbeMeasuring::OuterDiameter, "N000 CALL OME02 (OD.MEASURE D50)",
         Lines({"\t", "----------< OD.MEASURE D50 >----------", "OME02", head[0], head[1],
                "NT01 CALL ODOAA XP1=60 ZP1=5 ZP2=-20 TOF1=11 TOF2=01"}) + "$         " + measure + "\r\n" + tail},
        {ProbeMeasuring::OuterRadius, "N000 CALL OME01 (OD.MEASURE D50)",
         Lines({"\t", "----------< OD.MEASURE D50 >----------", "OME01", head[0], head[1], "NT01     Z-20"}) +
             "N000 CALL OWMXA " + measure + "\r\n" + Lines({"N000 G00 X200"}) + tail},
    };
    for (const auto &c : cases) {
        Reset();
        EXPECT_EQ(ProbeCallLine(c.measuring), c.call) << c.call;
        EXPECT_EQ(BuildProbeSubprogram(c.measuring), c.subprogram) << c.call;
        EXPECT_EQ(g_OutputBlock, c.subprogram) << c.call;
    }
}

// Probe 5: the tool call and tool word of the turning tools with the tool
// number twice, the offsets 15 and 05, the offset by its group with
// tool-life management, and the return without spindle words.
TEST_F(ProbeMeasuringTest, SubprogramByMachineAndSettings) {
    const struct {
        const char *name;
        std::function<void()> set;
        QString subprogram;
    } cases[] = {
        {"MacTurn",
         [] { SetMachine(Machine::MacTurn); },
         Lines({"N000 MT=501", "N000 M421", "N000 G00 X200 Z50 TL=0505", "NT05 CALL ODIAA ZP1=50 ZP2=-20 TOF1=15 TOF2=05",
                "$         MSP=50 APP=3 APPS=2 IMP=1 DOK=0.05 DNG=0.1 TOFN=21", "N000 G00 X200", "N000 G21 HP=4",
                "NRTS RTS"})},
        {"MULTUS with M867, B-axis and tool-tip words",
         [] {
             SetMachine(Machine::Multus);
             SetM867(true);
             g_BAxisWord = " BT=1";
             g_TipPositionWord = " M602";
         },
         Lines({"N000 MT=501", "N000 M421", "N000 G00 X200 Z50 TL=0505 BT=1 M602",
                "NT05 CALL ODIAA ZP1=50 ZP2=-20 TOF1=15 TOF2=05",
                "$         MSP=50 APP=3 APPS=2 IMP=1 DOK=0.05 DNG=0.1 TOFN=21", "N000 G00 X200", "N000 G20 HP=4 M867",
                "N000 M866", "NRTS RTS"})},
        {"tool-life management and optional stop",
         [] { g_TG = g_OptionalStop = true; },
         Lines({"N000 G00 X200 Z50 T0505", "NT05 CALL ODIAA ZP1=50 ZP2=-20 TOF1=15 TOF2=05",
                "$         MSP=50 APP=3 APPS=2 IMP=1 DOK=0.05 DNG=0.1 ATG=21 AOG=1", "N000 G00 X200",
                "N000     X500 Z500", "NSTP M01", "NRTS RTS"})},
        {"both machine types set: MacTurn's return",
         [] { SetBothMachineTypes(); },
         Lines({"N000 MT=501", "N000 M421", "N000 G00 X200 Z50 TL=0505", "NT05 CALL ODIAA ZP1=50 ZP2=-20 TOF1=15 TOF2=05",
                "$         MSP=50 APP=3 APPS=2 IMP=1 DOK=0.05 DNG=0.1 TOFN=21", "N000 G00 X200", "N000 G21 HP=4",
                "NRTS RTS"})},
    };
    const QString head = Lines({"\t", "----------< ID.MEASURE D50 >----------", "OME12", "N000 IF[VDIN[32]EQ 0]NRTS"});
    for (const auto &c : cases) {
        Reset();
        g_ToolNumber = 5;
        c.set();
        EXPECT_EQ(BuildProbeSubprogram(ProbeMeasuring::InnerDiameter), head + c.subprogram) << c.name;
    }
}

TEST_F(ProbeMeasuringTest, OutsideMeasuringIsOneCallLine) {
    EXPECT_EQ(OutsideMeasuringCall(), "N000 CALL OXMS\r\n");
}

// The C axis's feature at C10.7 (a single-precision box whose single floors
// to 10.7); a Z-axis case that leaves out the reject band sets W to 0.
using ZeroOffsetTest = ProbeTest<SetZeroOffsetExample>;

TEST_F(ZeroOffsetTest, BlocksOfTheCAndZAxes) {
    EXPECT_EQ(BuildZeroOffsetBlock(ZeroOffsetAxis::C),
              Lines({"(-----< C-AXIS ZERO OFFSET >-----)", "N000 G94 M110 M15", "N000 G00 X200 Z50 T0101", "NT01     Z5",
                     "N000     X60", "N000 CALL OCPFI MSP=-10 APP=3 CFW=10 COF=10.7", "N000 CALL OZOFD COF=10.7 CMW=5",
                     "N000 G00 Z5", "N000     X200", "N000     X500 Z500", "N000 G95 M109", "\t"}));
    Reset();
    g_ParamW = 0;
    EXPECT_EQ(BuildZeroOffsetBlock(ZeroOffsetAxis::Z),
              Lines({"(-----< Z-AXIS ZERO OFFSET >-----)", "N000 G00 X200 Z50 T0101", "NT01     Z5", "N000     X60",
                     "N000 CALL OZOFA MSP=-10 APP=4 IMP=2", "N000 G00 Z5", "N000     X200", "N000     X500 Z500", "\t"}));
}

// The second touch (C) and the bands (U, W on the Z axis) are written only
// when above 0; the C axis's groove width W always.
TEST_F(ZeroOffsetTest, OptionalWordsOnlyAboveZero) {
    const struct {
        ZeroOffsetAxis axis;
        float c;
        double u, w;
        const char *line;
    } cases[] = {
        {ZeroOffsetAxis::Z, 0, 0, 0, "N000 CALL OZOFA MSP=-10 APP=4 IMP=2"},
        {ZeroOffsetAxis::Z, -0.5f, -0.02, -0.1, "N000 CALL OZOFA MSP=-10 APP=4 IMP=2"},
        {ZeroOffsetAxis::Z, 0.5f, 0, 0, "N000 CALL OZOFA MSP=-10 APP=4 APPS=0.5 IMP=2"},
        {ZeroOffsetAxis::Z, 0, 0.02, 0, "N000 CALL OZOFA MSP=-10 APP=4 IMP=2 DOK=0.02"},
        {ZeroOffsetAxis::Z, 0, 0, 0.1, "N000 CALL OZOFA MSP=-10 APP=4 IMP=2 DNG=0.1"},
        {ZeroOffsetAxis::Z, 0.3f, 0.02, 0.1, "N000 CALL OZOFA MSP=-10 APP=4 APPS=0.3 IMP=2 DOK=0.02 DNG=0.1"},
        {ZeroOffsetAxis::C, 0, 0, 5, "N000 CALL OZOFD COF=10.7 CMW=5"},
        {ZeroOffsetAxis::C, -0.5f, 0, 0, "N000 CALL OZOFD COF=10.7 CMW=0"},
        {ZeroOffsetAxis::C, 0.3f, 0, -5, "N000 CALL OZOFD COF=10.7 CMW=-5 APPS=0.3"},
    };
    for (const auto &c : cases) {
        Reset();
        g_ParamC = c.c;
        g_ParamU = c.u;
        g_ParamW = c.w;
        const QStringList lines = BlockLines(BuildZeroOffsetBlock(c.axis));
        EXPECT_TRUE(lines.contains(QString::fromLatin1(c.line))) << c.line << "\n" << lines.join('\n').toStdString();
    }
}

// The return lines follow the machine type; no spindle or coolant words.
TEST_F(ZeroOffsetTest, ReturnByMachineType) {
    const struct {
        const char *name;
        std::function<void()> set;
        QString lines;
    } cases[] = {
        {"MacTurn", [] { SetMachine(Machine::MacTurn); }, Lines({"N000 G21 HP=4"})},
        {"MULTUS", [] { SetMachine(Machine::Multus); }, Lines({"N000 G20 HP=4"})},
        {"MULTUS with M867",
         [] {
             SetMachine(Machine::Multus);
             SetM867(true);
         },
         Lines({"N000 G20 HP=4 M867", "N000 M866"})},
        {"both set", [] { SetBothMachineTypes(); }, Lines({"N000 G21 HP=4"})},
        {"other", [] { SetMachine(Machine::Other); }, Lines({"N000     X500 Z500"})},
    };
    for (const auto &c : cases) {
        for (ZeroOffsetAxis axis : {ZeroOffsetAxis::C, ZeroOffsetAxis::Z}) {
            Reset();
            c.set();
            const QString end = axis == ZeroOffsetAxis::C ? Lines({"N000 G95 M109", "\t"}) : Lines({"\t"});
            EXPECT_TRUE(BuildZeroOffsetBlock(axis).endsWith("N000     X200\r\n" + c.lines + end))
                << c.name << "\n" << g_OutputBlock.toStdString();
        }
    }
}

}  // namespace
}  // namespace brennvik
