#include "rotary_frame.h"

#include "platform/RichTextPane.h"
#include "process/generator_frame.h"
#include "process/machine_settings.h"
#include "process/process_state.h"
#include "workspace/document_slots.h"
#include "workspace/nc_text.h"
#include "workspace/runtime.h"

namespace brennvik {

QString MachineTypeWords(const QString &macTurn, const QString &multus) {
    if (g_MacTurn) return macTurn;
    if (g_MULTUS) return multus;
    return QString();
}

void EmitMillingToolCall() {
    if (!g_MacTurn && !g_MULTUS) return;
    // The rotary tools sit on the magazine side the turret type gives;
    // unlike the turning tool call there is no "TD" form.
    const bool firstTurret = g_TurretType == 1;
    if (g_TG)
        AppendLine((firstTurret ? "N000 MT=1 TG=" : "N000 MT=3 TG=") + FormatNcNumber(g_ToolNumber));
    else
        AppendLine("N000 MT=" + FormatNcNumber(g_ToolNumber) + (firstTurret ? "01" : "03"));
    AppendLine("N000 " + g_AtcMacroType);
}

QString RotaryToolWord(ToolAddressing addressing) {
    if (g_TG || addressing == ToolAddressing::ByMachineType) return TurningToolWord();
    return " TL=" + ToolNumberThreeTimes();
}

QString FaceToolLength() { return FormatNcNumber(g_StartZ - g_EndZ + 20); }

QString SideToolLength() { return FormatNcNumber((g_StartX - g_EndX) / 2 + 20); }

void AppendRotaryToolShapeLines(const RotaryToolShape &shape) {
    AppendToolShapeLines(shape.kind, shape.drill ? QStringLiteral("118") : QString(), [&shape] {
        return ToolShapeValues{{QStringLiteral("D"), FormatNcNumber(g_ParamU)}, {QStringLiteral("L"), shape.length()}};
    });
}

void AppendRotaryToolLine(FeedMode feed, ToolAddressing addressing, const QString &words) {
    const QString start = feed == FeedMode::PerMinute ? QStringLiteral("N000 G94 M110") : QStringLiteral("N000 G95 M110");
    AppendLine(start + RotaryToolWord(addressing) + words);
}

void AppendRotaryApproach(ApproachForm form, const NcText &turnC) {
    QString line = SequenceName();
    line += turnC ? " G00 C" + turnC() + " X" : QStringLiteral(" G00 X");
    line += FormatNcNumber(g_AppX);
    line += " Z" + FormatNcNumber(g_AppZ);
    line += " SB=" + FormatNcNumber(g_SpindleSpeed);
    if (form == ApproachForm::Tapping) {
        AppendLine(line + g_CoolantWord);
        return;
    }
    AppendLine(line + (g_OSPU100 ? " M13 M63" : " M13 M64") + g_CoolantWord);
    if (!g_OSPU100 && form == ApproachForm::RotatingTool) AppendLine(QStringLiteral("N000     M62"));
}

QString PositioningM62() { return g_OSPU100 ? QString() : QStringLiteral(" M62"); }

void AppendRetractToApproachZ() { AppendLine("N000 G00 Z" + FormatNcNumber(g_AppZ)); }

void AppendRetractToApproachX() { AppendLine("N000 G00 X" + FormatNcNumber(g_AppX)); }

void AppendRotaryReturn(ReturnForm form, MacTurnReturn macTurn, RetreatMove move) {
    // What stops at the end: the rotary tool and the coolant, or the coolant only.
    const QString stop = form == ReturnForm::Bare          ? QString()
                         : form == ReturnForm::CoolantOnly ? QStringLiteral(" M09")
                                                           : QStringLiteral(" M12 M63 M09");
    if (g_MacTurn) {
        if (macTurn == MacTurnReturn::ThroughApproachX) AppendLine(RetreatMoveStart(move) + FormatNcNumber(g_AppX));
        AppendLine("N000 G21 HP=4" + stop);
    } else if (g_MULTUS) {
        AppendLine("N000 G20 HP=4" + g_M867Word + stop);
        g_OutputBlock += g_M866Line;
    } else {
        QString line = RetreatMoveStart(move) + FormatNcNumber(g_HomeX);
        line += " Z" + FormatNcNumber(g_HomeZ);
        if (form != ReturnForm::Full) {
            AppendLine(line);
        } else if (g_OSPU100) {
            AppendLine(line + " M12 M63");
        } else {
            AppendLine(line + " M12 M64");
            AppendLine(QStringLiteral("N000     M62"));
        }
    }
}

RotaryBlock OnSurface(Surface surface, const QString &toolKind, bool drill) {
    RotaryBlock block;
    const bool face = surface == Surface::Face;
    block.toolShape = RotaryToolShape{toolKind, drill, face ? FaceToolLength : SideToolLength};
    block.retract = face ? AppendRetractToApproachZ : AppendRetractToApproachX;
    block.macTurnReturn = face ? MacTurnReturn::ThroughApproachX : MacTurnReturn::Direct;
    return block;
}

QString SideToolWords(SideTurn turn) {
    const QString words = turn == SideTurn::BAxis ? QStringLiteral(" G52 BA=90") : QStringLiteral(" BT=1");
    return MachineTypeWords(words + " M66", words);
}

QString BuildRotaryBlock(const RotaryBlock &block) {
    SetSpindleSpeed(g_ParamU);
    StartBlock(block.header());
    if (block.toolShape) AppendRotaryToolShapeLines(*block.toolShape);
    EmitMillingToolCall();
    AppendRotaryToolLine(block.feed, block.addressing, block.toolLineWords ? block.toolLineWords() : QString());
    AppendRotaryApproach(block.approach, block.approachC);
    if (block.beforeCycle) block.beforeCycle();
    if (!block.loadMonitor.isEmpty()) AppendLoadMonitorOn(block.loadMonitor);
    block.cycle();
    if (block.cycleCancel) AppendLine(QStringLiteral("N000 G180"));
    if (!block.loadMonitor.isEmpty()) AppendLoadMonitorOff();
    block.retract();
    AppendRotaryReturn(block.returnForm, block.macTurnReturn);
    return CloseBlock();
}

void RunRotaryCommand(const ProcessFormSetup &setup, const std::function<QString()> &build) {
    RunGenerator({[&setup] { AskProcessParameters(setup, MachineFields::AsSetUp); }, [&build] { build(); }, {}});
}

void InsertIntoFocusedPane(const QString &text) {
    try {
        ActivePaneOfCurrentDocument()->SetSelText(text);
    } catch (const RuntimeError &error) {
        ShowErrorMessage(error.number());
    }
}

}  // namespace brennvik
