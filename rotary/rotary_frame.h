#pragma once
// The frame every rotary-tool command runs in. The command sets up the
// process dialog from its table of fields and shows it; once confirmed it
// builds one block in a fixed sequence and puts it at the caret:
//
//   spindle speed (always, from V and the tool diameter U)
//   header                      "(-----< " header " >-----)"
//   tool-shape lines            only when tool shapes are output
//   tool-change lines           EmitMillingToolCall
//   tool line                   feed mode, tool word, the member's words
//   approach                    rotating-tool or tapping form
//   [lines on the plane]        (the tilted plane's coordinate system)
//   load monitor on             drilling members only
//   the member's cycle lines
//   "N000 G180"                 unless the member has none
//   load monitor off
//   retract                     face: to the approach Z, side: to the approach X
//   return lines                full, tap or coolant-only form by machine type
//   optional stop, a line of one TAB
//
// A member describes itself as a RotaryBlock; members whose sequence
// departs further (the main-spindle tap) call the steps themselves.
//
// Numbers are written with FormatNcNumber/FormatTwoDigits on the variables
// themselves, which floors them in place: a later step of the same block
// computes with the floored value. The single-precision box values (C,
// StartC, EndC) are floored and written in single precision; in double
// arithmetic they count with the value the single holds, as everywhere.

#include "process/block_steps.h"
#include "process/process_form_setup.h"

#include <QString>

#include <functional>
#include <optional>

namespace brennvik {

// Of words that differ by machine type, those of this machine: MacTurn's
// when it is a MacTurn (also when a hand-edited setting says MULTUS too),
// else MULTUS's, else none.
QString MachineTypeWords(const QString &macTurn, const QString &multus);

// The tool-change lines of a rotary tool on MacTurn and MULTUS machines:
// the tool (with tool-life management its group) on the turret's magazine
// side, MT=1 or MT=3, then the ATC macro. Nothing on other machines.
void EmitMillingToolCall();

// How the tool line addresses the tool without tool-life management:
// " TL=" on MacTurn and MULTUS and " T" elsewhere, or " TL=" always (the
// tilted-plane members).
enum class ToolAddressing { ByMachineType, AlwaysTL };

// " TG=" tool " OG=1" with tool-life management, else the address and the
// two-digit tool number three times.
QString RotaryToolWord(ToolAddressing addressing = ToolAddressing::ByMachineType);

// The kind number of the tool in the tool-shape lines, whether it is a
// drill (its point angle 118 is written), and its length.
struct RotaryToolShape {
    QString kind;
    bool drill = false;
    NcText length;
};

// Tool lengths: 20 beyond the depth on the face (StartZ - EndZ) and on the
// side (the radial depth (StartX - EndX) / 2).
QString FaceToolLength();
QString SideToolLength();

// The tool-shape lines of a rotary tool: its kind, drill point, diameter U
// and length.
void AppendRotaryToolShapeLines(const RotaryToolShape &shape);

// Drilling and milling feed per minute, tapping per revolution.
enum class FeedMode { PerMinute, PerRevolution };

// "N000 G94 M110" or "N000 G95 M110", the tool word and `words`.
void AppendRotaryToolLine(FeedMode feed, ToolAddressing addressing, const QString &words);

// The approach line:
// - RotatingTool: starts the rotary tool (" M13") with its mode words,
//   " M63" on OSP-U100 and later controls, else " M64" and a line
//   "N000     M62" after it;
// - RotatingToolM62Later: the same, but the member puts " M62" on its next
//   positioning line (PositioningM62) instead of a line of its own;
// - Tapping: the speed and coolant only.
enum class ApproachForm { RotatingTool, RotatingToolM62Later, Tapping };

// "NT" tool " G00 X" AppX " Z" AppZ " SB=" S and the form's words; with
// `turnC` the line turns the C axis first: " G00 C" c " X" ...
void AppendRotaryApproach(ApproachForm form, const NcText &turnC = {});

// " M62" on controls before OSP-U100, for the first positioning line after
// a RotatingToolM62Later approach.
QString PositioningM62();

// Retracts along the tool axis: "N000 G00 Z" AppZ (face) or "N000 G00 X"
// AppX (side).
void AppendRetractToApproachZ();
void AppendRetractToApproachX();

// Return lines, by machine type:
// - Full: on a MacTurn (after "N000     X" AppX when `macTurn` goes through
//   the approach X) "N000 G21 HP=4 M12 M63 M09"; on a MULTUS "N000 G20
//   HP=4" M867 " M12 M63 M09" and the M866 line; elsewhere the home point
//   with " M12 M63", or " M12 M64" and a line "N000     M62" before OSP-U100;
// - Tap: as Full on MacTurn and MULTUS, elsewhere the home point only;
// - CoolantOnly: " M09" in place of " M12 M63 M09", the home point only;
// - Bare: no spindle or coolant words at all, the home point only (the
//   touch probe's return).
// `move` starts the X lines of MacTurn and other machines.
enum class ReturnForm { Full, Tap, CoolantOnly, Bare };
void AppendRotaryReturn(ReturnForm form, MacTurnReturn macTurn, RetreatMove move = RetreatMove::Continued);

// One rotary-tool block: what a member sets in the frame.
struct RotaryBlock {
    NcText header;                            // between "(-----< " and " >-----)"
    std::optional<RotaryToolShape> toolShape; // none: no tool-shape lines at all
    FeedMode feed = FeedMode::PerMinute;
    ToolAddressing addressing = ToolAddressing::ByMachineType;
    NcText toolLineWords;                     // the member's words after the tool word
    ApproachForm approach = ApproachForm::RotatingTool;
    NcText approachC;                         // the C the approach turns to, if any
    std::function<void()> beforeCycle;        // lines between the approach and the load monitor
    QString loadMonitor;                      // empty: no load-monitor lines
    std::function<void()> cycle;              // the member's own lines
    bool cycleCancel = true;                  // "N000 G180" after the cycle
    std::function<void()> retract;            // e.g. AppendRetractToApproachZ
    ReturnForm returnForm = ReturnForm::Full;
    MacTurnReturn macTurnReturn = MacTurnReturn::Direct;
};

// The face (tool axis along Z) or the side (tool axis along X, radial).
enum class Surface { Face, Side };

// A block on the face or the side of its tool kind: the tool length of the
// surface in the tool-shape lines, the retract along the tool axis, and on a
// MacTurn the return from the face past the approach X.
RotaryBlock OnSurface(Surface surface, const QString &toolKind, bool drill = false);

// The tool-line words that turn the tool to the side, by the B axis to 90
// degrees (" G52 BA=90") or by the tool's own position (" BT=1"); a MacTurn
// adds " M66".
enum class SideTurn { BAxis, Turret };
QString SideToolWords(SideTurn turn);

// Builds the block in g_OutputBlock and returns it. Error 11 when the tool
// diameter U is 0 (before anything is written).
QString BuildRotaryBlock(const RotaryBlock &block);

// Runs a rotary-tool command: sets the dialog up (the command places the
// B-axis and tool-tip fields itself), shows it and, once it is confirmed,
// builds the block and inserts it; errors are reported, nothing inserted.
void RunRotaryCommand(const ProcessFormSetup &setup, const std::function<QString()> &build);

// Puts a text at the caret of the focused pane of the current document;
// error 91 is reported when there is none.
void InsertIntoFocusedPane(const QString &text);

}  // namespace brennvik
