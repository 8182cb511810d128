#pragma once
// The program skeleton of "素材形状入力": after the material dialog, the
// start lines, the turret sections of a two-turret lathe and the end lines
// around the caret, and the user graphic command block at the end of the
// program.

namespace brennvik {

// Each builds one piece in g_OutputBlock afresh from the machine settings;
// every line ends with CR LF. `plainView` is false in the two-turret view,
// where joining supplies the "G14" and "NEND M02" lines.
void BuildSkeletonStart();
void BuildSkeletonTurretAEnd(bool plainView);
void BuildSkeletonTurretBStart();
void BuildSkeletonProgramEnd(bool plainView);

// Process > 素材形状入力: shows the material dialog and, once it is
// confirmed, writes the skeleton into the current document in either view.
// The caret ends behind the start lines.
void ProcessUGC_Click();

}  // namespace brennvik
