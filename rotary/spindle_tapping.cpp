#include "spindle_tapping.h"

#include "rotary_frame.h"
#include "process/block_steps.h"
#include "process/machine_settings.h"
#include "process/process_state.h"
#include "workspace/nc_text.h"

namespace brennvik {

QString BuildSpindleTapBlock(SpindleTap tap) {
    SetSpindleSpeed(g_ParamU);
    QString header = "SPINDLE TAP M" + FormatNcNumber(g_ParamU);
    StartBlock(header + "*P" + FormatNcNumber(g_ParamF));
    AppendRotaryToolShapeLines({QStringLiteral("32"), false, FaceToolLength});
    EmitTurningToolCall();
    // The tap sits in the turret on the spindle axis, with one offset pair.
    AppendApproachLine(QStringLiteral("0"), FormatNcNumber(g_AppZ), TurningToolWord(ToolNumberTwice),
                       SpindleStartWords(QStringLiteral(" M41 S")));
    // The cycle taps right-hand with the spindle turning forward.
    const bool forward = g_SpindleWord == QLatin1String(" M03 M63");
    QString cycle = SequenceName();
    if (tap == SpindleTap::Floating)
        cycle += forward ? QStringLiteral(" G77") : QStringLiteral(" G78");
    else
        cycle += forward ? QStringLiteral(" G107") : QStringLiteral(" G108");
    cycle += " X0 Z" + FormatNcNumber(g_EndZ);
    cycle += " K" + FormatNcNumber(g_AppZ - g_StartZ - 5);
    cycle += " F" + FormatNcNumber(g_ParamF);
    // Only the synchronised tap has a start angle; the floating tap's box
    // is hidden and would only carry the table's value.
    if (tap == SpindleTap::Synchronised && g_ParamD > 0) cycle += " D" + FormatNcNumber(g_ParamD);
    AppendLine(cycle);
    AppendRotaryReturn(ReturnForm::CoolantOnly, MacTurnReturn::ThroughApproachX, RetreatMove::Rapid);
    return CloseBlock();
}

QString ToolChangePreparationWords(MagazineSide side) {
    const QString words = "N000 MT=" + QString::number(int(side));
    return g_TG ? words + " TG=" : words;
}

}  // namespace brennvik
