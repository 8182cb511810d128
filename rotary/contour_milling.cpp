#include "contour_milling.h"

#include "rotary_frame.h"
#include "process/machine_settings.h"
#include "process/process_state.h"
#include "workspace/nc_text.h"

namespace brennvik {

namespace {

// Turned to the start angle at the approach point, the end mill goes to its
// start along `along` and to the clearance over the surface across it,
// plunges to `depth` with the C axis clamped, then unclamped turns C to the
// end angle while it moves along to `end`. No cycle to cancel.
RotaryBlock ContourBlock(Surface surface, const char *kind, const char *header) {
    RotaryBlock block = OnSurface(surface, QString::fromLatin1(kind));
    block.header = [header] { return QString::fromLatin1(header) + FormatNcNumber(g_ParamU); };
    block.approach = ApproachForm::RotatingToolM62Later;
    block.approachC = [] { return FormatNcNumber(g_StartC); };
    block.cycleCancel = false;
    return block;
}

void AppendContourCut(char along, double &start, char across, double clearance, double &depth, double &end) {
    AppendLine(QStringLiteral("N000     ") + QChar(along) + FormatNcNumber(start) + PositioningM62());
    AppendLine(QStringLiteral("N000     ") + QChar(across) + FormatNcNumber(clearance));
    const QString plunge = QStringLiteral("N000 G01 ") + QChar(across) + FormatNcNumber(depth);
    AppendLine(plunge + " M147 F=SB*" + FormatNcNumber(g_ParamF));
    const QString move = "N000 G101 C" + FormatNcNumber(g_EndC);
    AppendLine(move + ' ' + QChar(along) + FormatNcNumber(end) + " M146");
}

}  // namespace

QString BuildFaceContourBlock() {
    RotaryBlock block = ContourBlock(Surface::Face, "36", "FACE ENDMILL D");
    block.cycle = [] { AppendContourCut('X', g_StartX, 'Z', g_StartZ + 2, g_EndZ, g_EndX); };
    return BuildRotaryBlock(block);
}

QString BuildSideContourBlock() {
    RotaryBlock block = ContourBlock(Surface::Side, "35", "SIDE ENDMILL D");
    block.toolLineWords = [] { return SideToolWords(SideTurn::BAxis); };
    block.cycle = [] { AppendContourCut('Z', g_StartZ, 'X', g_StartX + 4, g_EndX, g_EndZ); };
    return BuildRotaryBlock(block);
}

}  // namespace brennvik
