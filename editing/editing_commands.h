#pragma once
// The editing commands of the main window: find and replace, size shift,
// renumbering and the automatic-numbering switch, the two-turret view, and
// the Insert, G-code and M-code menus, with their menu entries.

namespace brennvik {

class frmMain;

// Adds the editing entries to the Edit, Tools and View menus, fills the
// Insert, G-code and M-code menus, and sets the pane focus hook that keeps
// the search dialogs in front.
void InstallEditingCommands(frmMain &main);

void mnuSearchFind_Click();
void mnuSearchNextFind_Click();
void mnuSearchReplace_Click();
void mnuToolsAutoNo_Click();
void mnuToolsNumberArrange_Click();
void mnuToolsSizeShift_Click();
void GcodeHelp_Click();
void McodeHelp_Click();
void MnemonicHelp_Click();

}  // namespace brennvik
