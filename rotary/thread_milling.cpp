#include "thread_milling.h"

#include "rotary_frame.h"
#include "tilted_plane.h"
#include "process/block_steps.h"
#include "process/process_state.h"
#include "workspace/nc_text.h"

namespace brennvik {

namespace {

// An arc to (x, y) climbing to `z`. The end point is worked out before the
// radius is written (writing R floors it); the centre's Y is written as the
// variable itself, so the arcs floor it in place.
void AppendHelicalArc(const char *start, double x, const NcText &y, double z, const NcText &radius) {
    QString line = QString::fromLatin1(start) + FormatNcNumber(x);
    line += " Y" + y();
    line += " Z" + FormatNcNumber(z);
    AppendLine(line + " L" + radius());
}

// Centre X = StartX, Y = StartZ, thread radius R = EndX, pitch P = D, from
// the bottom Z = EndC; fed at F on the arcs and at 10 F on the way in and out.
void AppendThreadMoves() {
    double &x = g_StartX;
    double &y = g_StartZ;
    double &r = g_EndX;
    const double &pitch = g_ParamD;
    AppendLine("N000 G01 Z" + FormatNcNumber(g_EndC) + " F=SB*" + FormatNcNumber(10 * g_ParamF));
    const double bottom = g_EndC;
    QString entry = "N000     X" + FormatNcNumber(x - pitch);
    entry += " Y" + FormatNcNumber(y + r - pitch);
    AppendLine(entry + " F=SB*" + FormatNcNumber(g_ParamF) + " G41");
    const auto centreY = [&y] { return FormatNcNumber(y); };
    const auto quarterRadius = [&r, &pitch] { return FormatNcNumber(r - pitch); };
    const auto radius = [&r] { return FormatNcNumber(r); };
    AppendHelicalArc("N000 G03 X", x - r, centreY, bottom + 0.25 * pitch, quarterRadius);
    AppendHelicalArc("N000     X", x + r, centreY, bottom + 0.75 * pitch, radius);
    AppendHelicalArc("N000     X", x - r, centreY, bottom + 1.25 * pitch, radius);
    AppendHelicalArc("N000     X", x - pitch, [&] { return FormatNcNumber(y - r + pitch); }, bottom + 1.5 * pitch,
                     quarterRadius);
    QString exit = "N000 G01 X" + FormatNcNumber(x);
    exit += " Y" + FormatNcNumber(y);
    AppendLine(exit + " F=SB*" + FormatNcNumber(10 * g_ParamF) + " G40");
}

}  // namespace

QString BuildTiltedThreadBlock() {
    RotaryBlock block = ArcsOnTiltedPlane(QStringLiteral("32"));
    // Writing the pitch floors it: every later offset uses the pitch as shown.
    block.header = [] {
        const QString size = "PLANET TAP M" + FormatNcNumber(2 * g_EndX);
        return size + " P" + FormatNcNumber(g_ParamD);
    };
    block.cycle = AppendThreadMoves;
    return BuildRotaryBlock(block);
}

}  // namespace brennvik
