#include "block_steps.h"

#include "machine_settings.h"
#include "process_state.h"
#include "workspace/nc_text.h"
#include "workspace/runtime.h"

#include <cmath>

namespace brennvik {

double g_SpindleSpeed = 0;

void ResetBlockSteps() { g_SpindleSpeed = 0; }

namespace {

bool IsToolChangingMachine() { return g_MacTurn || g_MULTUS; }

bool IsTdMacro() { return g_AtcMacroType == QLatin1String("TD"); }

// A number written with at least four digits, rounded to a whole number
// with halves away from zero, as the "TD" word holds the tool number.
QString FourDigitNumber(double v) {
    const double whole = std::round(v);
    const QString digits = QString::number(std::fabs(whole), 'f', 0).rightJustified(4, u'0');
    return whole < 0 ? u'-' + digits : digits;
}

}  // namespace

QString ToolNumberThreeTimes() {
    QString numbers;
    for (int n = 0; n < 3; ++n) numbers += FormatTwoDigits(g_ToolNumber);
    return numbers;
}

QString ToolNumberTwice() {
    const QString tool = FormatTwoDigits(g_ToolNumber);
    return tool + FormatTwoDigits(g_ToolNumber);
}

QString RetreatMoveStart(RetreatMove move) {
    return move == RetreatMove::Rapid ? QStringLiteral("N000 G00 X") : QStringLiteral("N000     X");
}

void AppendLine(const QString &line) { g_OutputBlock += line + QStringLiteral("\r\n"); }

void StartBlock(const QString &header) {
    g_OutputBlock.clear();
    AppendLine(QStringLiteral("(-----< ") + header + QStringLiteral(" >-----)"));
}

void SetSpindleSpeed(double referenceDiameter) {
    const double perTen = Divide(Divide(Divide(1000 * g_ParamV, 3.14), referenceDiameter), 10.0);
    g_SpindleSpeed = Int(perTen) * 10;
}

void ComputeSpindleSpeed(double referenceDiameter) {
    if (g_ParamV > 0) SetSpindleSpeed(referenceDiameter);
}

void AppendToolShapeLines(const QString &kind, const QString &angle, const ToolShapeValues &shape) {
    if (!g_ToolFrom) return;
    const QString k = u'[' + FormatNcNumber(g_ToolNumber) + QStringLiteral("]=");
    const QString v = g_TG ? QStringLiteral("VGR") : QStringLiteral("VTL");
    QString first = "NOEX " + v + "IN" + k + kind + ' ' + v + "FN" + k + '1';
    if (!angle.isEmpty()) first += ' ' + v + "A1" + k + angle;
    AppendLine(first);
    QString second = QStringLiteral("NOEX");
    for (const auto &[name, value] : shape) second += ' ' + v + name + k + value;
    AppendLine(second);
}

void AppendToolShapeLines(const QString &kind, const QString &angle, const std::function<ToolShapeValues()> &shape) {
    if (g_ToolFrom) AppendToolShapeLines(kind, angle, shape());
}

QString ToolAddress() { return IsToolChangingMachine() ? QStringLiteral(" TL=") : QStringLiteral(" T"); }

QString TurningToolWord(const NcText &numbers) {
    if (g_TG) return " TG=" + FormatNcNumber(g_ToolNumber) + " OG=1";
    return ToolAddress() + numbers();
}

QString TurningToolWord() { return TurningToolWord(ToolNumberThreeTimes); }

void EmitTurningToolCall() {
    if (!IsToolChangingMachine()) return;
    if (IsTdMacro()) {
        AppendLine((g_TG ? "N000 TDG=" : "N000 TD=") + FourDigitNumber(g_ToolNumber) + " M423");
        return;
    }
    if (g_TG)
        AppendLine("N000 MT=1 TG=" + FormatNcNumber(g_ToolNumber));
    else
        AppendLine("N000 MT=" + FormatNcNumber(g_ToolNumber) + "01");
    AppendLine("N000 " + g_AtcMacroType);
}

QString SpindleStartWords(const QString &gear) {
    return gear + FormatNcNumber(g_SpindleSpeed) + g_SpindleWord + g_CoolantWord;
}

void AppendApproachLine(const QString &x, const QString &z, const QString &toolWord, const QString &spindleStart) {
    AppendLine("N000 G00 X" + x + " Z" + z + toolWord + g_BAxisWord + g_TipPositionWord + spindleStart);
}

void AppendRapidApproach(const NcText &x, const NcText &tdX, const NcText &toolNumbers, const QString &spindleStart) {
    if (IsTdMacro()) {
        AppendLine(QStringLiteral("N000 G95 M109"));
        const QString xText = tdX();
        AppendLine("N000 G00 X" + xText + " Z" + FormatNcNumber(g_AppZ) + spindleStart);
        return;
    }
    const QString xText = x();
    const QString z = FormatNcNumber(g_AppZ);
    AppendApproachLine(xText, z, TurningToolWord(toolNumbers), spindleStart);
}

void AppendApproach(const NcText &x, const NcText &tdX, const QString &gear) {
    const QString spindleStart = SpindleStartWords(gear) + g_M263Word;
    AppendRapidApproach(x, tdX, ToolNumberThreeTimes, spindleStart);
}

QString SequenceName() { return "NT" + FormatTwoDigits(g_ToolNumber); }

void AppendSequenceLine(const QString &zText) {
    const QString name = SequenceName();
    AppendLine(name + "     Z" + zText + " G96 S" + FormatNcNumber(g_ParamV));
}

void AppendTurningOpening(const TurningOpening &opening) {
    ComputeSpindleSpeed(opening.referenceDiameter);
    StartBlock(opening.header);
    AppendToolShapeLines(opening.toolKind, opening.toolAngle, opening.toolShape);
    EmitTurningToolCall();
    AppendApproach(opening.approachX, opening.tdApproachX, opening.gear);
}

ToolShapeValues BoringBarShape() {
    return {{QStringLiteral("A2"), QStringLiteral("3")},
            {QStringLiteral("D"), QStringLiteral("20")},
            {QStringLiteral("L"), FormatNcNumber(g_StartZ - g_EndZ + 20)}};
}

void AppendFacingToCentre(const QString &startLine) {
    AppendLine(startLine);
    AppendLine(QStringLiteral("N000     X0"));
    AppendLine(QStringLiteral("N000 G40 I-1"));
}

void AppendLoadMonitorOn(const QString &value) {
    if (g_LoadMoniter) AppendLine("N000 VLMON[" + FormatNcNumber(g_ToolNumber) + "]=" + value);
}

void AppendLoadMonitorOff() {
    if (g_LoadMoniter) AppendLine("N000 VLMON[" + FormatNcNumber(g_ToolNumber) + "]=0");
}

void AppendRetreat(RetreatMove move) {
    const QString start = RetreatMoveStart(move);
    if (g_MacTurn) {
        const QString x = FormatNcNumber(g_AppX);
        AppendLine(start + x + " G97 S" + FormatNcNumber(g_SpindleSpeed) + " M63");
        AppendLine(QStringLiteral("N000 G21 HP=4 M05 M63 M09"));
    } else if (g_MULTUS) {
        AppendLine("N000 G20 HP=4" + g_M867Word + " G97 S" + FormatNcNumber(g_SpindleSpeed) + " M05 M63 M09 M262");
        g_OutputBlock += g_M866Line;
    } else {
        const QString x = FormatNcNumber(g_HomeX);
        const QString z = FormatNcNumber(g_HomeZ);
        AppendLine(start + x + " Z" + z + " G97 S" + FormatNcNumber(g_SpindleSpeed) + " M63");
    }
}

void AppendSpindleStopReturn(RetreatMove move, MacTurnReturn macTurn, MultusReturn multus) {
    const QString start = RetreatMoveStart(move);
    if (g_MacTurn) {
        if (macTurn == MacTurnReturn::ThroughApproachX) AppendLine(start + FormatNcNumber(g_AppX));
        AppendLine(QStringLiteral("N000 G21 HP=4 M05 M63 M09"));
    } else if (g_MULTUS) {
        const QString m262 = multus == MultusReturn::WithM262 ? QStringLiteral(" M262") : QString();
        AppendLine("N000 G20 HP=4" + g_M867Word + " M05 M63 M09" + m262);
        g_OutputBlock += g_M866Line;
    } else {
        const QString x = FormatNcNumber(g_HomeX);
        AppendLine(start + x + " Z" + FormatNcNumber(g_HomeZ));
    }
}

void AppendOptionalStop() {
    if (g_OptionalStop) AppendLine(QStringLiteral("NSTP M01"));
}

void AppendClosingLine() { AppendLine(QStringLiteral("\t")); }

QString CloseBlock() {
    AppendOptionalStop();
    AppendClosingLine();
    return g_OutputBlock;
}

}  // namespace brennvik
