#include "key_grooves.h"

#include "rotary_frame.h"
#include "tilted_plane.h"
#include "process/block_steps.h"
#include "process/machine_settings.h"
#include "process/process_state.h"
#include "workspace/nc_text.h"

namespace brennvik {

namespace {

// The depth of cut, the plunge feed and the feed.
QString CutWords() {
    QString words = " D" + FormatNcNumber(g_ParamD);
    words += " E" + FormatNcNumber(g_ParamW);
    return words + " F=SB*" + FormatNcNumber(g_ParamF);
}

// On the face or the side the end mill goes along the surface to the
// groove's start (" M62" there on controls before OSP-U100), and the cycle
// cuts from the start angle to the end point, leaving the allowance L
// (W on the face, U on the side) when one is set, on C keys round the axis.
RotaryBlock SurfaceKeyGroove(Surface surface, const char *kind, const char *header) {
    RotaryBlock block = OnSurface(surface, QString::fromLatin1(kind));
    block.header = [header] { return QString::fromLatin1(header) + FormatNcNumber(g_ParamU); };
    block.approach = ApproachForm::RotatingToolM62Later;
    block.cycle = [surface] {
        const bool face = surface == Surface::Face;
        const QString start = face ? "N000     X" + FormatNcNumber(g_StartX) : "N000     Z" + FormatNcNumber(g_StartZ);
        AppendLine(start + PositioningM62());
        QString line = "N000 G190 C" + FormatNcNumber(g_StartC);
        line += " X" + FormatNcNumber(g_EndX);
        line += " Z" + FormatNcNumber(g_EndZ);
        line += face ? " K" + FormatNcNumber(g_AppZ - g_StartZ - 2) : " I" + FormatNcNumber(g_AppX - g_StartX - 4);
        if (g_ParamL > 0) line += (face ? " W" : " U") + FormatNcNumber(g_ParamL);
        line += CutWords();
        if (g_ParamC > 1) line += " Q" + FormatNcNumber(g_ParamC);
        AppendLine(line + " M211 M213");
    };
    // From the face a MacTurn returns without going out to the approach X.
    block.macTurnReturn = MacTurnReturn::Direct;
    return block;
}

}  // namespace

QString BuildFaceKeyGrooveBlock() { return BuildRotaryBlock(SurfaceKeyGroove(Surface::Face, "36", "FACE KEY W")); }

QString BuildSideKeyGrooveBlock() {
    RotaryBlock block = SurfaceKeyGroove(Surface::Side, "35", "SIDE KEY W");
    block.toolLineWords = [] { return SideToolWords(SideTurn::Turret); };
    return BuildRotaryBlock(block);
}

// On the tilted plane, at the reference angle in L, the end mill goes to
// the start and to the clearance 2 before it; the cycle cuts to the end
// point. No tool-shape lines.
QString BuildTiltedKeyGrooveBlock() {
    RotaryBlock block = OnTiltedPlane([] { return FormatNcNumber(g_ParamL); }, [] {
        AppendTiltedPositioning();
        if (BIsRadial())
            AppendLine("N000      X" + FormatNcNumber(g_StartX + 2));
        else
            AppendLine("N000      Z" + StartZClearance());
    });
    block.header = [] { return "SLANT KEY W" + FormatNcNumber(g_ParamU); };
    block.cycle = [] {
        QString line = "N000 G190 C" + FormatNcNumber(g_ParamL);
        line += " X" + FormatNcNumber(g_EndX);
        line += " Y" + FormatNcNumber(g_EndZ);
        line += " Z" + FormatNcNumber(g_EndC);
        line += BIsRadial() ? QStringLiteral(" I0") : QStringLiteral(" K0");
        AppendLine(line + CutWords() + " M211 M213");
    };
    return BuildRotaryBlock(block);
}

}  // namespace brennvik
