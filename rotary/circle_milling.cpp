#include "circle_milling.h"

#include "rotary_frame.h"
#include "tilted_plane.h"
#include "process/block_steps.h"
#include "process/process_state.h"
#include "workspace/nc_text.h"
#include "workspace/runtime.h"

namespace brennvik {

namespace {

// A half circle to `x` at the centre's Y. The end point is worked out
// before the radius is written (writing R floors it).
void AppendHalfCircle(const char *start, double x, const NcText &radius) {
    QString line = QString::fromLatin1(start) + FormatNcNumber(x);
    line += " Y" + FormatNcNumber(g_StartZ);
    AppendLine(line + " L" + radius());
}

// Passes at each step below the start depth that stays above the end depth,
// then one at the end depth.
void AppendStepDown() {
    const double step = g_ParamD;
    if (step <= 0) {
        AppendLine("N000 G01 Z" + FormatNcNumber(g_EndC) + " F=SB*" + FormatNcNumber(g_ParamF));
        AppendCirclePass();
        return;
    }
    AppendLine("N000 G01 Z" + FormatNcNumber(g_StartC) + " F=SB*" + FormatNcNumber(g_ParamF));
    const double end = g_EndC;
    double z = g_StartC;
    for (;;) {
        const double previous = z;
        z -= step;
        if (z <= end) break;
        const QString depth = FormatNcNumber(z);
        if (!(z < previous)) RaiseError(kErrInvalidCall);
        AppendLine("N000     Z" + depth);
        AppendCirclePass();
    }
    AppendLine("N000     Z" + FormatNcNumber(g_EndC));
    AppendCirclePass();
}

}  // namespace

void AppendCirclePass() {
    double &x = g_StartX;
    double &r = g_EndX;
    const double allowance = g_ParamL;
    if (allowance > 0) {
        const auto roughRadius = [&r, allowance] { return FormatNcNumber(r - allowance); };
        AppendLine("N000     X" + FormatNcNumber(x + r - allowance) + " G41");
        AppendHalfCircle("N000 G03 X", x - r + allowance, roughRadius);
        AppendHalfCircle("N000     X", x + r - allowance, roughRadius);
        AppendLine("N000 G01 X" + FormatNcNumber(x + r));
    } else {
        AppendLine("N000     X" + FormatNcNumber(x + r) + " G41");
    }
    const auto radius = [&r] { return FormatNcNumber(r); };
    AppendHalfCircle("N000 G03 X", x - r, radius);
    AppendHalfCircle("N000     X", x + r, radius);
    AppendLine("N000 G01 X" + FormatNcNumber(x) + " G40");
}

QString BuildTiltedCircleBlock() {
    RotaryBlock block = ArcsOnTiltedPlane(QStringLiteral("36"));
    block.header = [] { return "SLANT CIRCLE D" + FormatNcNumber(2 * g_EndX); };
    block.cycle = AppendStepDown;
    return BuildRotaryBlock(block);
}

}  // namespace brennvik
