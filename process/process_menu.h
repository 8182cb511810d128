#pragma once
// The submenus of the turning processes in the main window's process menu.

class QMenu;

namespace brennvik {

class frmMain;

// Adds the turning-process submenus to `process`, wired to the main
// window's handlers.
void BuildTurningProcessMenus(frmMain *main, QMenu *process);

}  // namespace brennvik
