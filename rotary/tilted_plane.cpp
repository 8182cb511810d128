#include "tilted_plane.h"

#include "process/block_steps.h"
#include "process/machine_settings.h"
#include "process/process_state.h"
#include "workspace/nc_text.h"
#include "workspace/runtime.h"

namespace brennvik {

std::optional<float> g_LastOriginShiftX;

void ResetTiltedPlaneState() { g_LastOriginShiftX.reset(); }

std::vector<BoxPreset> TiltedPlanePresets() {
    return {{&frmProcess::B, [] { return NumberText(g_ParamB); }},
            {&frmProcess::C, [] { return g_LastOriginShiftX ? NumberText(*g_LastOriginShiftX) : QString(); }},
            {&frmProcess::SZ, [] { return NumberText(g_ParamSZ); }}};
}

void RunTiltedPlaneCommand(const ProcessFormSetup &setup, const std::function<QString()> &build) {
    RunRotaryCommand(setup, [&build] {
        g_LastOriginShiftX = g_ParamC;
        return build();
    });
}

bool BIsRadial() { return g_ParamB == 90; }

bool BIsOblique() { return g_ParamB != 0 && g_ParamB != 90; }

QString TiltedToolLineWords() {
    if (g_ParamB == 0) return QString();
    if (BIsRadial()) return QStringLiteral(" BT=1");
    return " G52 BA=" + FormatNcNumber(g_ParamB);
}

// Two singles and a whole number: computed in single precision.
QString TiltedToolLength() { return FormatNcNumber(g_StartC - g_EndC + 20); }

QString TiltedHoleToolLength() {
    if (BIsRadial()) return FormatNcNumber(g_StartX - g_EndC + 20);
    return TiltedToolLength();
}

namespace {

double HalfApproachX() { return g_AppX / 2; }

void AppendOriginShift() {
    QString line = "N000 G174 SX=" + FormatNcNumber(g_ParamC);
    AppendLine(line + " SZ=" + FormatNcNumber(g_ParamSZ));
}

void AppendPlaneTurn() { AppendLine("N000 G127 B" + FormatNcNumber(g_ParamB)); }

}  // namespace

QString StartZClearance() { return FormatNcNumber(g_StartC + 2.0f); }

void AppendTiltedPositioning() {
    QString line = QStringLiteral("N000 G00  X");
    if (BIsRadial()) {
        line += FormatNcNumber(HalfApproachX());
        line += " Y" + FormatNcNumber(g_StartZ);
        line += " Z" + FormatNcNumber(g_StartC);
    } else {
        line += FormatNcNumber(g_StartX);
        line += " Y" + FormatNcNumber(g_StartZ);
        line += " Z" + FormatNcNumber(g_AppZ);
    }
    AppendLine(line);
}

RotaryBlock OnTiltedPlane(const NcText &referenceC, const std::function<void()> &positioning) {
    RotaryBlock block;
    block.addressing = ToolAddressing::AlwaysTL;
    block.toolLineWords = TiltedToolLineWords;
    block.approachC = referenceC;
    // Writing C or SZ floors it: a shift below a thousandth is written as 0
    // and would no longer be switched off if the test were made again.
    const bool shifted = g_ParamC != 0.0f || g_ParamSZ != 0;
    block.beforeCycle = [shifted, positioning] {
        AppendLine(QStringLiteral("N000 G138"));
        if (shifted) AppendOriginShift();
        if (BIsOblique()) AppendPlaneTurn();
        positioning();
    };
    block.retract = [shifted] {
        if (BIsRadial())
            AppendLine("N000 G00 X" + FormatNcNumber(HalfApproachX()));
        else
            AppendRetractToApproachZ();
        if (shifted) AppendLine(QStringLiteral("N000 G175"));
        if (BIsOblique()) AppendLine(QStringLiteral("N000 G126"));
        AppendLine(QStringLiteral("N000 G136"));
    };
    block.macTurnReturn = MacTurnReturn::Direct;
    return block;
}

RotaryBlock ArcsOnTiltedPlane(const QString &toolKind) {
    RotaryBlock block;
    block.toolShape = RotaryToolShape{toolKind, false, TiltedToolLength};
    block.toolLineWords = [] {
        if (!g_MacTurn && !g_MULTUS) return QString();
        const QString words = " G52 BA=" + FormatNcNumber(g_ParamB);
        return MachineTypeWords(words + " M66", words);
    };
    block.approachC = [] { return FormatNcNumber(g_ParamW); };
    block.beforeCycle = [] {
        AppendLine(QStringLiteral("N000 G138"));
        AppendOriginShift();
        AppendPlaneTurn();
        AppendLine(QStringLiteral("N000 G17"));
        QString line = "N000 G00 X" + FormatNcNumber(g_StartX);
        line += " Y" + FormatNcNumber(g_StartZ);
        AppendLine(line + " Z" + FormatNcNumber(g_AppZ));
        AppendLine("N000     Z" + StartZClearance() + " M147");
    };
    block.cycleCancel = false;
    block.retract = [] {
        AppendRetractToApproachZ();
        AppendLine(QStringLiteral("N000 G126 M146"));
        AppendLine(QStringLiteral("N000 G175"));
        AppendLine(QStringLiteral("N000 G136"));
    };
    block.macTurnReturn = MacTurnReturn::Direct;
    return block;
}

}  // namespace brennvik
