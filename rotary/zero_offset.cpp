#include "zero_offset.h"

#include "probe_steps.h"
#include "rotary_frame.h"
#include "process/block_steps.h"
#include "process/machine_settings.h"
#include "process/process_state.h"
#include "workspace/nc_text.h"

namespace brennvik {

namespace {

// The C axis is measured with the spindle in C-axis mode (M110) and
// clamped off (M15), fed per minute; afterwards it is back in spindle mode
// (M109), fed per revolution.
void AppendCAxisMeasuring() {
    QString measure = "N000 CALL OCPFI MSP=" + FormatNcNumber(g_EndZ);
    measure += " APP=" + FormatNcNumber(g_ParamV);
    measure += " CFW=" + FormatNcNumber(g_ParamF);
    AppendLine(measure + " COF=" + FormatNcNumber(g_EndC));
    QString set = "N000 CALL OZOFD COF=" + FormatNcNumber(g_EndC);
    set += " CMW=" + FormatNcNumber(g_ParamW);
    AppendLine(set + OptionalProbeWord(" APPS=", g_ParamC));
}

void AppendZAxisMeasuring() {
    QString measure = "N000 CALL OZOFA MSP=" + FormatNcNumber(g_EndZ);
    measure += " APP=" + FormatNcNumber(g_ParamD);
    measure += OptionalProbeWord(" APPS=", g_ParamC);
    measure += " IMP=" + FormatNcNumber(g_ParamL);
    measure += OptionalProbeWord(" DOK=", g_ParamU);
    AppendLine(measure + OptionalProbeWord(" DNG=", g_ParamW));
}

}  // namespace

QString BuildZeroOffsetBlock(ZeroOffsetAxis axis) {
    const bool cAxis = axis == ZeroOffsetAxis::C;
    StartBlock(cAxis ? QStringLiteral("C-AXIS ZERO OFFSET") : QStringLiteral("Z-AXIS ZERO OFFSET"));
    EmitTurningToolCall();
    if (cAxis) AppendLine(QStringLiteral("N000 G94 M110 M15"));
    AppendProbeApproach();
    AppendLine(SequenceName() + "     Z" + FormatNcNumber(g_StartZ));
    AppendLine("N000     X" + FormatNcNumber(g_StartX));
    if (cAxis)
        AppendCAxisMeasuring();
    else
        AppendZAxisMeasuring();
    AppendLine("N000 G00 Z" + FormatNcNumber(g_StartZ));
    AppendLine("N000     X" + FormatNcNumber(g_AppX));
    AppendProbeReturn();
    if (cAxis) AppendLine(QStringLiteral("N000 G95 M109"));
    return CloseBlock();
}

}  // namespace brennvik
