#include "probe_steps.h"

#include "rotary_frame.h"
#include "process/block_steps.h"
#include "process/machine_settings.h"
#include "process/process_state.h"
#include "workspace/nc_text.h"

namespace brennvik {

void AppendProbeApproach() {
    const QString x = FormatNcNumber(g_AppX);
    const QString z = FormatNcNumber(g_AppZ);
    AppendApproachLine(x, z, ToolAddress() + ToolNumberTwice(), QString());
}

void AppendProbeReturn() { AppendRotaryReturn(ReturnForm::Bare, MacTurnReturn::Direct); }

QString OptionalProbeWord(const char *address, double &value) {
    return value > 0 ? QString::fromLatin1(address) + FormatNcNumber(value) : QString();
}

QString OptionalProbeWord(const char *address, float &value) {
    return value > 0 ? QString::fromLatin1(address) + FormatSingle(value) : QString();
}

}  // namespace brennvik
