#include "threading.h"

#include "block_steps.h"
#include "machine_settings.h"
#include "process_state.h"
#include "workspace/nc_text.h"

namespace brennvik {

namespace {

// What the three threads differ in. The texts are written when the block
// reaches them, as their variables are floored there.
struct ThreadKind {
    double referenceDiameter;  // of the spindle speed
    NcText header;
    QString toolKind;
    std::function<ToolShapeValues()> toolShape;
    QString cycle;  // "N000 G71 X" or "N000 G72 X"
    NcText cycleX;
    NcText height;      // the thread's depth as the H word holds it
    double *allowance;  // U on a diameter, W on the face
    QString allowanceWord;
    NcText leaveLine;  // out of the thread before the retreat
};

// The depth of a 60° thread as a share of its pitch.
constexpr double kThreadDepth = 0.65;

QString PitchText() { return "*P" + FormatNcNumber(g_ParamF); }

ToolShapeValues StraightToolShape() { return {{QStringLiteral("L"), QStringLiteral("40")}}; }

QString LeaveAlongZ() { return "N000 G00 Z" + FormatNcNumber(g_AppZ); }

void AppendThreadCycle(const ThreadKind &kind) {
    QString line = kind.cycle + kind.cycleX();
    line += " Z" + FormatNcNumber(g_EndZ);
    line += " H" + kind.height();
    line += " D" + FormatNcNumber(g_ParamD);
    if (*kind.allowance > 0) line += kind.allowanceWord + FormatNcNumber(*kind.allowance);
    if (g_ParamL > 0) line += " L" + FormatNcNumber(g_ParamL) + " M23";
    // A thread of more than one start says how many.
    if (g_ParamC > 1) line += " Q" + FormatNcNumber(g_ParamC);
    if (g_StartC > 0) line += " C" + FormatNcNumber(g_StartC);
    line += " F" + FormatNcNumber(g_ParamF);
    AppendLine(line);
}

QString BuildThreadBlock(const ThreadKind &kind) {
    // Without a diameter the block keeps the speed of the block before.
    if (kind.referenceDiameter > 0) ComputeSpindleSpeed(kind.referenceDiameter);
    StartBlock(kind.header());
    AppendToolShapeLines(kind.toolKind, QStringLiteral("60"), kind.toolShape);
    EmitTurningToolCall();
    const QString x = FormatNcNumber(g_StartX);
    const QString z = FormatNcNumber(g_AppZ);
    AppendApproachLine(x, z, TurningToolWord(), SpindleStartWords(QStringLiteral(" M42 S")) + g_M263Word);
    const QString name = SequenceName();
    AppendLine(name + "     Z" + FormatNcNumber(g_StartZ));
    AppendThreadCycle(kind);
    AppendLine(kind.leaveLine());
    AppendSpindleStopReturn(RetreatMove::Continued, MacTurnReturn::Direct, MultusReturn::Plain);
    return CloseBlock();
}

}  // namespace

QString BuildThreadFaceBlock() {
    return BuildThreadBlock({g_StartX,
                             [] { return "OD.THREAD FACE P" + FormatNcNumber(g_ParamF); },
                             QStringLiteral("15"),
                             StraightToolShape,
                             QStringLiteral("N000 G72 X"),
                             [] { return FormatNcNumber(g_EndX); },
                             [] { return FormatNcNumber(kThreadDepth * g_ParamF); },
                             &g_ParamW,
                             QStringLiteral(" W"),
                             LeaveAlongZ});
}

QString BuildThreadODBlock() {
    return BuildThreadBlock({g_EndX,
                             [] {
                                 const QString diameter = FormatNcNumber(g_EndX);
                                 return "OD.THREAD M" + diameter + PitchText();
                             },
                             QStringLiteral("13"),
                             StraightToolShape,
                             QStringLiteral("N000 G71 X"),
                             [] { return FormatNcNumber(g_EndX - g_ParamF * kThreadDepth * 2); },
                             [] { return FormatNcNumber(g_ParamF * kThreadDepth * 2); },
                             &g_ParamU,
                             QStringLiteral(" U"),
                             [] { return "N000 G00 X" + FormatNcNumber(g_AppX); }});
}

QString BuildThreadIDBlock() {
    return BuildThreadBlock({g_EndX,
                             [] {
                                 const QString diameter = FormatNcNumber(g_EndX);
                                 return "ID.THREAD M" + diameter + PitchText();
                             },
                             QStringLiteral("14"),
                             [] {
                                 return ToolShapeValues{{QStringLiteral("D"), QStringLiteral("20")},
                                                        {QStringLiteral("L"), FormatNcNumber(g_StartZ - g_EndZ + 20)}};
                             },
                             QStringLiteral("N000 G71 X"),
                             [] { return FormatNcNumber(g_EndX); },
                             [] { return FormatNcNumber(g_ParamF); },
                             &g_ParamU,
                             QStringLiteral(" U"),
                             LeaveAlongZ});
}

}  // namespace brennvik
