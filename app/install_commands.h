#pragma once
// Every subsystem's commands in the main window, installed in one order.

namespace brennvik {

class frmMain;

// Adds the menu entries, commands and hooks of subsystems 2 to 6 to the
// main window before it loads.
void InstallAllCommands(frmMain &main);

}  // namespace brennvik
