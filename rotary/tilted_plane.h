#pragma once
// The plane tilted by the B axis (MacTurn and MULTUS machines). A block on
// it works in a coordinate system of its own, X as a radius, Y and Z,
// turned to a reference C angle and optionally shifted:
//
//   tool line                   the B words: " BT=1" at 90, " G52 BA=" B at
//                               another angle, none at 0
//   approach                    "NT" tool " G00 C" reference " X" ...
//   "N000 G138"                 the tilted coordinate system on
//   "N000 G174 SX=" C " SZ=" SZ origin shift, when C or SZ is not 0
//   "N000 G127 B" B             the plane turned, when B is neither 0 nor 90
//   positioning, the member's cycle
//   retract                     along X at 90, else along Z
//   "N000 G175", "N000 G126", "N000 G136"  the three switched off again
//
// The dialog's B and SZ boxes open with the last confirmed process
// dialog's values, C with the origin shift X of the last confirmed
// tilted-plane dialog.

#include "rotary_frame.h"

#include "process/process_form_setup.h"

#include <QString>

#include <functional>
#include <optional>
#include <vector>

namespace brennvik {

// The origin shift X of the last confirmed tilted-plane dialog; none
// before the first.
extern std::optional<float> g_LastOriginShiftX;

void ResetTiltedPlaneState();

// The B, C and SZ boxes as the earlier dialogs left them.
std::vector<BoxPreset> TiltedPlanePresets();

// Runs a tilted-plane command: once its dialog is confirmed the origin
// shift X is remembered (also when the block then fails), then the block
// is built and inserted.
void RunTiltedPlaneCommand(const ProcessFormSetup &setup, const std::function<QString()> &build);

// B is compared exactly: the tool radial at 90, along the spindle at 0.
bool BIsRadial();
bool BIsOblique();  // neither 0 nor 90

// The tool line's B words.
QString TiltedToolLineWords();

// The tool length 20 beyond the depth along the tool axis: start Z - end Z
// on the plane, or with B at 90 in the hole dialogs, whose end box then
// holds the end X, start X - end X.
QString TiltedToolLength();
QString TiltedHoleToolLength();

// The clearance 2 above the start Z, added in single precision.
QString StartZClearance();

// "N000 G00  X" ... : at 90 to half the approach X, Y and the start Z;
// otherwise to the start X, Y and the approach Z.
void AppendTiltedPositioning();

// A drilling, tapping or key-groove block on the tilted plane: the tool
// addressed by TL= on every machine, the B words, the approach turned to
// `referenceC`, the plane switched on before `positioning` and off after
// the retract. Whether the origin is shifted is decided here, once, so
// the shift is always switched off when it was switched on.
RotaryBlock OnTiltedPlane(const NcText &referenceC, const std::function<void()> &positioning);

// A circle or thread milled by arcs in the plane: the B words on MacTurn
// and MULTUS whatever B is, the approach turned to the reference angle W,
// the origin shift and the turn always written, the X-Y plane selected,
// the C axis clamped at the clearance above the start Z and released with
// the plane's turn.
RotaryBlock ArcsOnTiltedPlane(const QString &toolKind);

}  // namespace brennvik
