// Process-menu commands of the main window (stand-ins for now).
#include "workspace/frmMain.h"

namespace brennvik {

void frmMain::ProcessSetup_Click() {}

}  // namespace brennvik
