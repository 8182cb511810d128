#include "grooving.h"

#include "block_steps.h"
#include "machine_settings.h"
#include "process_state.h"
#include "workspace/nc_text.h"

namespace brennvik {

namespace {

// Offset words. The cycle and the second wall use the offset set 20 above
// the tool's own; the last line of the second wall selects the first again.
QString CycleOffsetWord() { return g_TG ? QStringLiteral(" OG=2") : " T" + FormatNcNumber(g_ToolNumber + 20); }

QString SecondEdgeWord() {
    if (g_TG) return QStringLiteral(" OG=2");
    return ToolAddress() + FormatNcNumber(g_ToolNumber * 10101 + 200020) + g_BAxisWord;
}

QString FirstEdgeWord() {
    if (g_TG) return QStringLiteral(" OG=1");
    return ToolAddress() + FormatNcNumber(g_ToolNumber * 10101) + g_BAxisWord;
}

// The second tool-shape line of a grooving tool holds its width.
ToolShapeValues GroovingToolShape() {
    return {{QStringLiteral("W"), FormatNcNumber(g_ParamL)}, {QStringLiteral("L"), QStringLiteral("40")}};
}

QString RadiusWords() {
    QString words = " L" + FormatNcNumber(g_ParamC);
    words += " F" + FormatNcNumber(g_ParamF);
    return words;
}

// How the tool turns onto a wall: its compensation, the chamfer's angle
// word and the rounded corner's arc.
struct WallTurn {
    const char *compensation, *angle, *arc;
};

// A groove in a diameter: the outer one is cut from outside, the inner one
// from inside, so every X offset, compensation and turn is mirrored.
struct GrooveSide {
    double outward;  // +1 outer diameter, -1 bore
    WallTurn first, second;
    const char *cancel;
};
constexpr GrooveSide kOuterGroove{+1, {" G41", " A-45", "N000 G02 X"}, {" G42", " A-135", "N000 G03 X"}, " G40 I-1"};
constexpr GrooveSide kInnerGroove{-1, {" G42", " A45", "N000 G03 X"}, {" G41", " A135", "N000 G02 X"}, " G40 I1"};

void AppendDiameterGrooveCycle(const GrooveSide &side) {
    QString line = "N000 G73 X" + FormatNcNumber(g_EndX + side.outward * g_ParamU);
    line += " Z" + FormatNcNumber(g_EndZ - g_ParamW);
    line += " D" + FormatNcNumber(g_ParamD);
    line += " K" + FormatNcNumber(g_ParamL - 0.5);
    line += " F" + FormatNcNumber(g_ParamF);
    AppendLine(line + CycleOffsetWord());
}

// Into the groove at the wall's mouth, round or along the chamfer onto the
// wall, and down the wall to the bottom.
void AppendDiameterWall(const GrooveSide &side, const WallTurn &turn, double *wallZ) {
    // A chamfered wall is entered 1 beyond the mouth, a rounded one at the
    // mouth itself (the variable, floored as it is written).
    const QString mouthX = g_ChamferIsC ? FormatNcNumber(g_StartX + side.outward) : FormatNcNumber(g_StartX);
    AppendLine("N000 G01 X" + mouthX + turn.compensation + (g_ChamferIsC ? " F0.3" : " F0.2"));
    QString line;
    if (g_ChamferIsC) {
        line = "N000     Z" + FormatNcNumber(*wallZ);
        line += QLatin1String(turn.angle) + " F" + FormatNcNumber(g_ParamF);
    } else {
        line = QLatin1String(turn.arc) + FormatNcNumber(g_StartX - side.outward * (2 * g_ParamC));
        line += " Z" + FormatNcNumber(*wallZ);
        line += RadiusWords();
    }
    AppendLine(line);
    const QString bottom = FormatNcNumber(g_EndX);
    AppendLine((g_ChamferIsC ? "N000     X" : "N000 G01 X") + bottom + side.cancel);
}

void AppendDiameterWalls(const GrooveSide &side) {
    AppendLine("N000 G00 Z" + FormatNcNumber(g_ChamferIsC ? g_StartZ - g_ParamC - 0.5 : g_StartZ - g_ParamC));
    AppendDiameterWall(side, side.first, &g_StartZ);
    AppendLine("N000     Z" + FormatNcNumber(g_StartZ + g_ParamW));
    AppendLine("N000 G00 X" + FormatNcNumber(g_StartX + side.outward * 4));
    const QString secondZ = FormatNcNumber(g_ChamferIsC ? g_EndZ + g_ParamC + 0.5 : g_EndZ + g_ParamC);
    AppendLine("N000     Z" + secondZ + SecondEdgeWord());
    AppendDiameterWall(side, side.second, &g_EndZ);
    AppendLine("N000     Z" + FormatNcNumber(g_StartZ + g_ParamW) + FirstEdgeWord());
}

QString GrooveWidthHeader(const char *kind) { return QLatin1String(kind) + FormatNcNumber(g_EndZ - g_StartZ); }

void AppendConstantSpeed() { AppendLine("N000 G96 S" + FormatNcNumber(g_ParamV)); }

QString ApproachSpindleStart() { return SpindleStartWords(QStringLiteral(" M42 S")) + g_M263Word; }

QString SpeedCancel() { return " G97 S" + FormatNcNumber(g_SpindleSpeed) + " M63"; }

// A face groove's wall: down the wall at `wallX` to the bottom.
void AppendFaceWall(const WallTurn &turn, double *wallX) {
    const QString mouthZ = g_ChamferIsC ? FormatNcNumber(g_StartZ + 0.5) : FormatNcNumber(g_StartZ);
    AppendLine("N000 G01 Z" + mouthZ + turn.compensation + " F0.3");
    QString line;
    if (g_ChamferIsC) {
        line = "N000     X" + FormatNcNumber(*wallX);
        line += QLatin1String(turn.angle) + " F" + FormatNcNumber(g_ParamF);
    } else {
        line = QLatin1String(turn.arc) + FormatNcNumber(*wallX);
        line += " Z" + FormatNcNumber(g_StartZ - g_ParamC);
        line += RadiusWords();
    }
    AppendLine(line);
    const QString bottom = FormatNcNumber(g_EndZ);
    AppendLine((g_ChamferIsC ? "N000     Z" : "N000 G01 Z") + bottom + " G40 K-1");
}

void AppendFaceWalls() {
    AppendLine("N000 G00 X" + FormatNcNumber(g_ChamferIsC ? g_StartX - (g_ParamC + 0.5) * 2 : g_StartX - 2 * g_ParamC));
    AppendFaceWall({" G42", " A135", "N000 G03 X"}, &g_StartX);
    AppendLine("N000     X" + FormatNcNumber(g_StartX + g_ParamU));
    AppendLine("N000 G00 Z" + FormatNcNumber(g_StartZ + 2));
    const QString secondX = FormatNcNumber(g_ChamferIsC ? g_EndX + (g_ParamC + 0.5) * 2 : g_EndX + 2 * g_ParamC);
    AppendLine("N000     X" + secondX + SecondEdgeWord());
    AppendFaceWall({" G41", " A-135", "N000 G02 X"}, &g_EndX);
    AppendLine("N000     X" + FormatNcNumber(g_StartX + g_ParamU) + FirstEdgeWord());
}

}  // namespace

QString BuildGrooveODBlock() {
    ComputeSpindleSpeed(g_StartX + 4);
    StartBlock(GrooveWidthHeader("OD.GROOVE W"));
    AppendToolShapeLines(QStringLiteral("19"), QStringLiteral("180"), GroovingToolShape);
    EmitTurningToolCall();
    const QString x = FormatNcNumber(g_AppX);
    const QString z = FormatNcNumber(g_StartZ + g_ParamW);
    AppendApproachLine(x, z, TurningToolWord(), ApproachSpindleStart());
    const QString name = SequenceName();
    AppendLine(name + "     X" + FormatNcNumber(g_StartX + 4));
    AppendConstantSpeed();
    AppendDiameterGrooveCycle(kOuterGroove);
    AppendDiameterWalls(kOuterGroove);
    AppendLine("N000 G00 X" + FormatNcNumber(g_AppX) + SpeedCancel());
    AppendSpindleStopReturn(RetreatMove::Continued, MacTurnReturn::Direct, MultusReturn::Plain);
    return CloseBlock();
}

QString BuildGrooveIDBlock() {
    ComputeSpindleSpeed(g_StartX - 4);
    StartBlock(GrooveWidthHeader("ID.GROOVE W"));
    AppendToolShapeLines(QStringLiteral("20"), QStringLiteral("180"), [] {
        return ToolShapeValues{{QStringLiteral("D"), QStringLiteral("20")},
                               {QStringLiteral("W"), FormatNcNumber(g_ParamL)},
                               {QStringLiteral("L"), FormatNcNumber(g_StartZ - g_EndZ + 20)}};
    });
    EmitTurningToolCall();
    const QString x = FormatNcNumber(g_StartX - 4);
    const QString z = FormatNcNumber(g_AppZ);
    AppendApproachLine(x, z, TurningToolWord(), ApproachSpindleStart());
    const QString name = SequenceName();
    AppendLine(name + "     Z" + FormatNcNumber(g_StartZ + g_ParamW));
    AppendConstantSpeed();
    AppendDiameterGrooveCycle(kInnerGroove);
    AppendDiameterWalls(kInnerGroove);
    // Off the wall towards the centre before leaving the bore.
    AppendLine("N000 G00 X" + FormatNcNumber(g_StartX - 4));
    AppendLine("N000     Z" + FormatNcNumber(g_AppZ) + SpeedCancel());
    AppendSpindleStopReturn(RetreatMove::Continued, MacTurnReturn::ThroughApproachX, MultusReturn::Plain);
    return CloseBlock();
}

QString BuildGrooveFaceBlock() {
    // A groove that starts at the centre keeps the speed of the block before.
    if (g_StartX > 0) ComputeSpindleSpeed(g_StartX);
    StartBlock("OD.GROOVE FACE W" + FormatNcNumber((g_EndX - g_StartX) / 2));
    AppendToolShapeLines(QStringLiteral("21"), QStringLiteral("180"), GroovingToolShape);
    EmitTurningToolCall();
    auto approachX = [] { return FormatNcNumber(g_StartX + g_ParamU); };
    // The face groove writes the tool and its offset pairs as one number,
    // without the leading zero of a one-digit tool.
    AppendRapidApproach(approachX, approachX, [] { return FormatTwoDigits(g_ToolNumber * 10101); },
                        ApproachSpindleStart());
    AppendSequenceLine(FormatNcNumber(g_StartZ + 2));
    QString cycle = "N000 G74 X" + FormatNcNumber(g_EndX - g_ParamU);
    cycle += " Z" + FormatNcNumber(g_EndZ + g_ParamW);
    cycle += " D" + FormatNcNumber(g_ParamD);
    cycle += " I" + FormatNcNumber(g_ParamL - 0.5);
    cycle += " F" + FormatNcNumber(g_ParamF);
    AppendLine(cycle + CycleOffsetWord());
    AppendFaceWalls();
    AppendLine("N000 G00 Z" + FormatNcNumber(g_AppZ));
    AppendRetreat(RetreatMove::Continued);
    return CloseBlock();
}

}  // namespace brennvik
