#include "tilted_holes.h"

#include "rotary_frame.h"
#include "tilted_plane.h"
#include "process/block_steps.h"
#include "process/machine_settings.h"
#include "process/process_state.h"
#include "workspace/nc_text.h"

namespace brennvik {

namespace {

// The cycle's angle, the hole's place and bottom, and the distance from
// the approach point to the clearance 2 above the hole (I when radial, K
// along Z).
QString TiltedHoleWords() {
    QString words = " C" + FormatNcNumber(g_EndX);
    if (BIsRadial()) {
        words += " X" + FormatNcNumber(g_EndC);
        words += " Y" + FormatNcNumber(g_StartZ);
        words += " Z" + FormatNcNumber(g_StartC);
        words += " I" + FormatNcNumber(g_AppX / 2 - g_StartX - 2);
    } else {
        words += " X" + FormatNcNumber(g_StartX);
        words += " Y" + FormatNcNumber(g_StartZ);
        words += " Z" + FormatNcNumber(g_EndC);
        words += " K" + FormatNcNumber(g_AppZ - g_StartC - 2);
    }
    return words;
}

RotaryBlock TiltedHoleBlock(const char *header, const char *kind, bool drill) {
    RotaryBlock block = OnTiltedPlane([] { return FormatNcNumber(g_EndX); }, AppendTiltedPositioning);
    block.header = [header] { return QString::fromLatin1(header) + FormatNcNumber(g_ParamU); };
    block.toolShape = RotaryToolShape{QString::fromLatin1(kind), drill, TiltedHoleToolLength};
    return block;
}

}  // namespace

QString BuildTiltedDrillBlock() {
    RotaryBlock block = TiltedHoleBlock("DRILL D", "28", true);
    block.loadMonitor = QStringLiteral("1+2+16");
    block.cycle = [] {
        QString line = g_ParamD == 0 && g_ParamW == 0 ? QStringLiteral("N000 G181") : QStringLiteral("N000 G183");
        line += TiltedHoleWords();
        if (g_ParamD > 0) line += " D" + FormatNcNumber(g_ParamD);
        if (g_ParamL > 0) line += " L" + FormatNcNumber(g_ParamL);
        if (g_ParamW > 0) line += " E" + FormatNcNumber(g_ParamW);
        AppendLine(line + " F=SB*" + FormatNcNumber(g_ParamF) + " M136");
    };
    return BuildRotaryBlock(block);
}

QString BuildTiltedTapBlock() {
    RotaryBlock block = TiltedHoleBlock("TAP M", "32", false);
    block.feed = FeedMode::PerRevolution;
    block.approach = ApproachForm::Tapping;
    block.cycle = [] { AppendLine("N000 G178" + TiltedHoleWords() + " F" + FormatNcNumber(g_ParamF) + " M136"); };
    block.returnForm = ReturnForm::CoolantOnly;
    return BuildRotaryBlock(block);
}

}  // namespace brennvik
