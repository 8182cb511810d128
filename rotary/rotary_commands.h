#pragma once
// The rotary-tool, tapping and probing commands of the process menu.

namespace brennvik {

class frmMain;

// Adds the rotary-tool submenus to the Process menu, behind the turning ones.
void InstallRotaryCommands(frmMain &main);

}  // namespace brennvik
