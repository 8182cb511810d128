#include "finishing.h"

#include "block_steps.h"
#include "machine_settings.h"
#include "process_state.h"
#include "workspace/nc_text.h"

namespace brennvik {

namespace {

// A finishing tool for outer diameters and faces.
TurningOpening OuterFinishingOpening(const QString &header) {
    auto approachX = [] { return FormatNcNumber(g_StartX + 4); };
    return {g_StartX + 6,
            header,
            QStringLiteral("7"),
            QStringLiteral("55"),
            {{QStringLiteral("A2"), QStringLiteral("5")}, {QStringLiteral("L"), QStringLiteral("40")}},
            approachX,
            approachX,
            QStringLiteral(" M42 S")};
}

// The cycle on the roughed contour; an allowance that is not positive is
// left out.
void AppendFinishingCycle(const QString &label) {
    QString line = "N000 G87 " + label;
    if (g_ParamU > 0) line += " U" + FormatNcNumber(g_ParamU);
    if (g_ParamW > 0) line += " W" + FormatNcNumber(g_ParamW);
    AppendLine(line);
}

// The outer-diameter finishing leaves the diameter to the approach X first,
// on every machine, and then returns.
void AppendRetreatThroughApproachX() {
    const QString x = FormatNcNumber(g_AppX);
    AppendLine("N000 G00 X" + x + " G97 S" + FormatNcNumber(g_SpindleSpeed) + " M63");
    AppendSpindleStopReturn(RetreatMove::Continued, MacTurnReturn::Direct, MultusReturn::WithM262);
}

}  // namespace

QString BuildFinishODBlock() {
    AppendTurningOpening(OuterFinishingOpening(QStringLiteral("OD.FINISH")));
    AppendSequenceLine(FormatNcNumber(g_StartZ + 2));
    AppendLoadMonitorOn(QStringLiteral("8"));
    AppendFinishingCycle(QStringLiteral("NAP2"));
    AppendLoadMonitorOff();
    AppendRetreatThroughApproachX();
    return CloseBlock();
}

QString BuildFinishFaceBlock() {
    AppendTurningOpening(OuterFinishingOpening(QStringLiteral("OD.FINISH FACE")));
    AppendSequenceLine(FormatNcNumber(g_StartZ + 2));
    AppendLoadMonitorOn(QStringLiteral("1+8"));
    AppendFinishingCycle(QStringLiteral("NAP1"));
    AppendLoadMonitorOff();
    AppendRetreat();
    return CloseBlock();
}

QString BuildFinishFaceODBlock() {
    AppendTurningOpening(OuterFinishingOpening(QStringLiteral("OD.FINISH")));
    AppendSequenceLine(FormatNcNumber(g_StartZ));
    AppendLoadMonitorOn(QStringLiteral("1+8"));
    // The face down to the bore, or to the centre of a solid blank.
    if (g_EndX == 0) {
        const QString x = FormatNcNumber(g_StartX);
        AppendFacingToCentre("N000 G01 X" + x + " G41 F" + FormatNcNumber(g_ParamF));
    } else {
        const QString x = FormatNcNumber(g_EndX);
        AppendLine("N000 G01 X" + x + " F" + FormatNcNumber(g_ParamF));
    }
    const QString x = FormatNcNumber(g_StartX);
    AppendLine("N000 G00 X" + x + " Z" + FormatNcNumber(g_StartZ + 2));
    AppendFinishingCycle(QStringLiteral("NAP2"));
    AppendLoadMonitorOff();
    AppendRetreatThroughApproachX();
    return CloseBlock();
}

QString BuildFinishIDBlock() {
    auto approachX = [] { return FormatNcNumber(g_StartX); };
    AppendTurningOpening({g_StartX + 6, QStringLiteral("ID.FINISH"), QStringLiteral("8"), QStringLiteral("60"),
                          BoringBarShape(), approachX, approachX, QStringLiteral(" M42 S")});
    AppendSequenceLine(FormatNcNumber(g_StartZ + 2));
    AppendLoadMonitorOn(QStringLiteral("8"));
    AppendFinishingCycle(QStringLiteral("NAP3"));
    AppendLoadMonitorOff();
    // Off the bore wall, out of the bore, then back.
    AppendLine(QStringLiteral("N000 G01 X-1 G91"));
    AppendLine("N000 G00 Z" + FormatNcNumber(g_AppZ) + " G90");
    AppendRetreat(RetreatMove::Continued);
    return CloseBlock();
}

}  // namespace brennvik
