#pragma once
// The steps every turning block is built from. Each appends its lines to
// g_OutputBlock (every line ends with CR LF) and reads the process
// variables and the machine settings.
//
// Numbers are written with FormatNcNumber/FormatTwoDigits, which floor a
// variable passed to them in place; the steps pass the variables themselves
// where the block's words do, so a tool number of 7.9 is 7 once its first
// two-digit word has been written.

#include <QString>

#include <functional>
#include <utility>
#include <vector>

namespace brennvik {

// The spindle speed of the current block. A block whose cutting speed is
// not positive keeps the speed an earlier block left.
extern double g_SpindleSpeed;

void ResetBlockSteps();

// Appends one line and its CR LF.
void AppendLine(const QString &line);

// Starts g_OutputBlock afresh with the header line "(-----< header >-----)".
void StartBlock(const QString &header);

// S = Int(1000 × V ÷ 3.14 ÷ Dref ÷ 10) × 10 when V > 0, else S stays.
// Error 11 for a zero reference diameter.
void ComputeSpindleSpeed(double referenceDiameter);

// The generator's own variables of the second tool-shape line, each a name
// after the VGR/VTL prefix ("A2", "L") and its value as text.
using ToolShapeValues = std::vector<std::pair<QString, QString>>;

// The two "NOEX" tool-shape lines, only when tool shapes are output: the
// tool kind and first angle, then the generator's own values.
void AppendToolShapeLines(const QString &kind, const QString &angle, const ToolShapeValues &shape);

// The tool word of a turning approach line: " TG=" tool " OG=1" with
// tool-life management, else " T" (" TL=" on MacTurn and MULTUS) and the
// two-digit tool number three times.
QString TurningToolWord();

// The tool-change lines of MacTurn and MULTUS machines.
void EmitTurningToolCall();

// A coordinate text written at the place the step puts it (its variable is
// floored only when the line that holds it is written).
using NcText = std::function<QString()>;

// The rapid approach: with the "TD" macro "N000 G95 M109" and a line at
// `tdX` without tool word; otherwise one line at `x` with the tool word
// and the B-axis and tip-position words. `gear` is " M41 S" or " M42 S".
void AppendApproach(const NcText &x, const NcText &tdX, const QString &gear);

// "NT" + tool + "     Z" + zText + " G96 S" + V: the line that starts the cut.
void AppendSequenceLine(const QString &zText);

// What a turning block starts with; the values differ per generator.
struct TurningOpening {
    double referenceDiameter;  // of the spindle speed
    QString header;
    QString toolKind;
    QString toolAngle;
    ToolShapeValues toolShape;
    NcText approachX;
    NcText tdApproachX;
    QString gear;
};

// Spindle speed, header, tool-shape lines, tool change and approach.
void AppendTurningOpening(const TurningOpening &opening);

// The second tool-shape line's values of a boring bar: its length reaches
// 20 beyond the bore's depth.
ToolShapeValues BoringBarShape();

// A face cut to the centre under nose-radius compensation: `startLine`,
// then "N000     X0" and the compensation cancel "N000 G40 I-1".
void AppendFacingToCentre(const QString &startLine);

void AppendLoadMonitorOn(const QString &value);
void AppendLoadMonitorOff();

// How the first retreat line of MacTurn and plain machines starts: a rapid
// move "N000 G00 X", or "N000     X" continuing the G00 of a bore retract.
enum class RetreatMove { Rapid, Continued };

// The return to the turret-indexing position by machine type, cancelling
// the constant surface speed.
void AppendRetreat(RetreatMove move = RetreatMove::Rapid);

void AppendOptionalStop();

// The line of one TAB that closes every turning block.
void AppendClosingLine();

// The optional stop and the closing line; returns the finished block.
QString CloseBlock();

}  // namespace brennvik
