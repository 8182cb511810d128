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

}  // namespace brennvik
