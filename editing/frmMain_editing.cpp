// Editing commands of the main window (stand-ins for now).
#include "workspace/frmMain.h"

namespace brennvik {

void frmMain::mnuEditUndo_Click() {}
void frmMain::mnuEditRedo_Click() {}
void frmMain::mnuSearchFind_Click() {}
void frmMain::mnuSearchNextFind_Click() {}
void frmMain::mnuSearchReplace_Click() {}
void frmMain::mnuToolsAutoNo_Click() {}
void frmMain::mnuToolsNumberArrange_Click() {}
void frmMain::mnuToolsSizeShift_Click() {}

}  // namespace brennvik
