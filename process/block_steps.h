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

// S = Int(1000 × V ÷ 3.14 ÷ Dref ÷ 10) × 10 whatever V is. Error 11 for a
// zero reference diameter.
void SetSpindleSpeed(double referenceDiameter);

// The same only when V > 0, else S stays.
void ComputeSpindleSpeed(double referenceDiameter);

// The generator's own variables of the second tool-shape line, each a name
// after the VGR/VTL prefix ("A2", "L") and its value as text.
using ToolShapeValues = std::vector<std::pair<QString, QString>>;

// The two "NOEX" tool-shape lines, only when tool shapes are output: the
// tool kind and first angle (no angle word when `angle` is empty), then the
// generator's own values.
void AppendToolShapeLines(const QString &kind, const QString &angle, const ToolShapeValues &shape);
// The same with values that are only written (and their variables floored)
// when tool shapes are output.
void AppendToolShapeLines(const QString &kind, const QString &angle, const std::function<ToolShapeValues()> &shape);

// A coordinate text written at the place the step puts it (its variable is
// floored only when the line that holds it is written).
using NcText = std::function<QString()>;

// The address of a tool and offset number: " TL=" on MacTurn and MULTUS,
// " T" on other machines.
QString ToolAddress();

// The two-digit tool number three times (a tool with its two offset
// numbers), and twice.
QString ToolNumberThreeTimes();
QString ToolNumberTwice();

// The tool word of a turning approach line: " TG=" tool " OG=1" with
// tool-life management, else the tool address and `numbers`; by default
// the two-digit tool number three times.
QString TurningToolWord(const NcText &numbers);
QString TurningToolWord();

// The tool-change lines of MacTurn and MULTUS machines.
void EmitTurningToolCall();

// How an approach line starts the spindle: the gear (" M41 S" or " M42 S")
// and the speed, then the spindle and coolant words.
QString SpindleStartWords(const QString &gear);

// One rapid approach line: "N000 G00 X" x " Z" z, the tool word, the
// B-axis and tip-position words, then `spindleStart`.
void AppendApproachLine(const QString &x, const QString &z, const QString &toolWord, const QString &spindleStart);

// The rapid approach to the approach Z: with the "TD" macro "N000 G95 M109"
// and a line at `tdX` without tool, B-axis and tip-position words;
// otherwise one approach line at `x` with the tool word of `toolNumbers`.
// Both end with `spindleStart`.
void AppendRapidApproach(const NcText &x, const NcText &tdX, const NcText &toolNumbers, const QString &spindleStart);

// The rapid approach of most turning blocks: the tool number three times,
// `gear` is " M41 S" or " M42 S", and M263 on MULTUS machines.
void AppendApproach(const NcText &x, const NcText &tdX, const QString &gear);

// "NT" + the two-digit tool number: the name of the sequence that starts
// the cut.
QString SequenceName();

// The sequence name + "     Z" + zText + " G96 S" + V.
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
QString RetreatMoveStart(RetreatMove move);

// The return to the turret-indexing position by machine type, cancelling
// the constant surface speed.
void AppendRetreat(RetreatMove move = RetreatMove::Rapid);

// Whether a MacTurn moves to the approach X before it stops the spindle,
// and whether the MULTUS return line ends with " M262".
enum class MacTurnReturn { Direct, ThroughApproachX };
enum class MultusReturn { Plain, WithM262 };

// The return of a block that has left constant surface speed already (or
// never used it): on a MacTurn the spindle stop "N000 G21 HP=4 M05 M63
// M09", on a MULTUS "N000 G20 HP=4" with the M867 word, " M05 M63 M09" and
// the M866 line, on other machines the home point. `move` starts the X
// moves.
void AppendSpindleStopReturn(RetreatMove move, MacTurnReturn macTurn, MultusReturn multus);

void AppendOptionalStop();

// The line of one TAB that closes every turning block.
void AppendClosingLine();

// The optional stop and the closing line; returns the finished block.
QString CloseBlock();

}  // namespace brennvik
