#include "drilling.h"

#include "block_steps.h"
#include "machine_settings.h"
#include "material.h"
#include "process_state.h"
#include "workspace/nc_text.h"
#include "workspace/runtime.h"

namespace brennvik {

namespace {

enum class Drill { Hss, Carbide };

// Speed, header, tool-shape lines, tool change and the approach to the
// centre line.
void AppendDrillOpening(Drill drill) {
    // The diameter is taken as it is written, before anything is computed
    // from it; a drill of diameter 0 fails on the spindle speed.
    NoteBoreAsWritten(FormatNcNumber(g_ParamU));
    SetSpindleSpeed(g_ParamU);
    StartBlock("DRILL D" + FormatNcNumber(g_ParamU));
    const bool hss = drill == Drill::Hss;
    AppendToolShapeLines(hss ? QStringLiteral("22") : QStringLiteral("23"),
                         hss ? QStringLiteral("118") : QStringLiteral("180"), [] {
                             return ToolShapeValues{{QStringLiteral("D"), FormatNcNumber(g_ParamU)},
                                                    {QStringLiteral("L"), FormatNcNumber(g_StartZ - g_EndZ + 20)}};
                         });
    EmitTurningToolCall();
    auto centre = [] { return QStringLiteral("0"); };
    // A drill holds its tool number with one offset pair; only the HSS
    // drill switches M263 on.
    AppendRapidApproach(centre, centre, ToolNumberTwice,
                        SpindleStartWords(QStringLiteral(" M42 S")) + (hss ? g_M263Word : QString()));
}

// Entry and exit lengths that are not positive are fed at full feed.
void AppendCarbideMoves() {
    QString lead = QStringLiteral("N000 G01 Z");
    if (g_ParamD > 0) {
        AppendLine(lead + FormatNcNumber(g_StartZ - g_ParamD) + " F" + FormatNcNumber(g_ParamF * 0.5));
        lead = QStringLiteral("N000     Z");
    }
    if (g_ParamL > 0) {
        AppendLine(lead + FormatNcNumber(g_EndZ + g_ParamL) + " F" + FormatNcNumber(g_ParamF));
        AppendLine("N000     Z" + FormatNcNumber(g_EndZ) + " F" + FormatNcNumber(g_ParamF * 0.5));
    } else {
        AppendLine(lead + FormatNcNumber(g_EndZ) + " F" + FormatNcNumber(g_ParamF));
    }
}

}  // namespace

QString BuildDrillHssBlock() {
    AppendDrillOpening(Drill::Hss);
    AppendLoadMonitorOn(QStringLiteral("2+8"));
    QString line = SequenceName();
    line += " G74 X0 Z" + FormatNcNumber(g_EndZ);
    line += " K" + FormatNcNumber(g_AppZ - g_StartZ - 3);
    // Without a peck depth the hole is drilled in one peck.
    line += " D" + (g_ParamD > 0 ? FormatNcNumber(g_ParamD) : FormatNcNumber(Int(g_StartZ - g_EndZ + 4)));
    if (g_ParamL > 0) line += " L" + FormatNcNumber(g_ParamL);
    line += " F" + FormatNcNumber(g_ParamF);
    AppendLine(line);
    AppendLoadMonitorOff();
    AppendSpindleStopReturn(RetreatMove::Rapid, MacTurnReturn::ThroughApproachX, MultusReturn::WithM262);
    return CloseBlock();
}

QString BuildDrillCarbideBlock() {
    AppendDrillOpening(Drill::Carbide);
    const QString name = SequenceName();
    AppendLine(name + "     Z" + FormatNcNumber(g_StartZ + 3));
    AppendLoadMonitorOn(QStringLiteral("2+8"));
    AppendCarbideMoves();
    AppendLoadMonitorOff();
    AppendLine("N000 G00 Z" + FormatNcNumber(g_AppZ));
    AppendSpindleStopReturn(RetreatMove::Continued, MacTurnReturn::ThroughApproachX, MultusReturn::Plain);
    return CloseBlock();
}

}  // namespace brennvik
