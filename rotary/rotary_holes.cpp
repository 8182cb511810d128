#include "rotary_holes.h"

#include "rotary_frame.h"
#include "process/machine_settings.h"
#include "process/process_state.h"
#include "workspace/nc_text.h"

namespace brennvik {

namespace {

// Where a cycle finds the hole: its angle, the hole's place and bottom, and
// the distance from the approach point down to the clearance above it (K
// on the face, I on the side).
QString HoleWords(Surface surface, double faceClearance, double sideClearance) {
    QString words = " C" + FormatNcNumber(g_StartC);
    if (surface == Surface::Face) {
        words += " X" + FormatNcNumber(g_StartX);
        words += " Z" + FormatNcNumber(g_EndZ);
        words += " K" + FormatNcNumber(g_AppZ - g_StartZ - faceClearance);
    } else {
        words += " X" + FormatNcNumber(g_EndX);
        words += " Z" + FormatNcNumber(g_StartZ);
        words += " I" + FormatNcNumber(g_AppX - g_StartX - sideClearance);
    }
    return words;
}

// Radial holes are drilled and tapped with the C axis clamped.
QString SideClamp(Surface surface) { return surface == Surface::Side ? QStringLiteral(" M136") : QString(); }

// The drilling cycle in one line: the pecking step, pull-out and dwell that
// are set, the feed and the number of holes around C.
void AppendDrillingCycle(Surface surface) {
    QString line = g_ParamD == 0 && g_ParamW == 0 ? QStringLiteral("N000 G181") : QStringLiteral("N000 G183");
    line += HoleWords(surface, 2, 4);
    if (g_ParamD > 0) line += " D" + FormatNcNumber(g_ParamD);
    if (g_ParamL > 0) line += " L" + FormatNcNumber(g_ParamL);
    if (g_ParamW > 0) line += " E" + FormatNcNumber(g_ParamW);
    line += " F=SB*" + FormatNcNumber(g_ParamF);
    if (g_ParamC > 1) line += " Q" + FormatNcNumber(g_ParamC);
    AppendLine(line + SideClamp(surface));
}

// The tapping cycle in one line: the thread angle when set, the pitch and
// the number of tapped holes.
void AppendTappingCycle(Surface surface) {
    QString line = "N000 G178" + HoleWords(surface, 5, 10);
    if (g_ParamD > 0) line += " D" + FormatNcNumber(g_ParamD);
    line += " F" + FormatNcNumber(g_ParamF);
    if (g_ParamC > 0) line += " Q" + FormatNcNumber(g_ParamC);
    AppendLine(line + SideClamp(surface));
}

RotaryBlock DrillBlock(Surface surface, const char *kind, const char *header, const char *loadMonitor) {
    RotaryBlock block = OnSurface(surface, QString::fromLatin1(kind), true);
    block.header = [header] { return QString::fromLatin1(header) + FormatNcNumber(g_ParamU); };
    block.loadMonitor = QString::fromLatin1(loadMonitor);
    block.cycle = [surface] { AppendDrillingCycle(surface); };
    return block;
}

RotaryBlock TapBlock(Surface surface, const char *kind, const char *header) {
    RotaryBlock block = OnSurface(surface, QString::fromLatin1(kind));
    block.header = [header] {
        const QString size = QString::fromLatin1(header) + FormatNcNumber(g_ParamU);
        return size + "*P" + FormatNcNumber(g_ParamF);
    };
    block.feed = FeedMode::PerRevolution;
    block.approach = ApproachForm::Tapping;
    block.cycle = [surface] { AppendTappingCycle(surface); };
    block.returnForm = ReturnForm::Tap;
    return block;
}

}  // namespace

QString BuildFaceDrillBlock() {
    RotaryBlock block = DrillBlock(Surface::Face, "28", "FACE DRILL D", "2+16");
    // The B box is hidden at its "0": both words are empty.
    block.toolLineWords = [] { return g_G52Word + g_BAxisWord; };
    return BuildRotaryBlock(block);
}

QString BuildSideDrillBlock() {
    RotaryBlock block = DrillBlock(Surface::Side, "27", "SIDE DRILL D", "1+16");
    block.toolLineWords = [] { return SideToolWords(SideTurn::Turret); };
    return BuildRotaryBlock(block);
}

QString BuildFaceTapBlock() { return BuildRotaryBlock(TapBlock(Surface::Face, "32", "FACE TAP M")); }

QString BuildSideTapBlock() {
    RotaryBlock block = TapBlock(Surface::Side, "31", "SIDE TAP M");
    block.toolLineWords = [] { return SideToolWords(SideTurn::BAxis); };
    return BuildRotaryBlock(block);
}

}  // namespace brennvik
