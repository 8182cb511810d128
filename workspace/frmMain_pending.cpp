// Main-window commands whose work is not there yet: each does nothing.
#include "frmMain.h"

namespace brennvik {

void frmMain::mnuFilePrint_Click() {}
void frmMain::mnuFileFont_Click() {}
void frmMain::mnuAbView_Click() {}
void frmMain::mnuToolsrpm_Click() {}
void frmMain::mnuToolsFeed_Click() {}
void frmMain::mnuToolsCalculator_Click() {}
void frmMain::mnuToolCompe_Click() {}
void frmMain::VariableHelp_Click() {}
void frmMain::mnuHelpAbout_Click() {}
void frmMain::AngleNoseR_Click() {}
void frmMain::LineAngle_Click() {}
void frmMain::LineCircleLine_Click() {}
void frmMain::LineCycle_Click() {}
void frmMain::LineCirclePoint_Click() {}
void frmMain::CirclePoint_Click() {}
void frmMain::Neck_Click() {}
void frmMain::CircleCircle_Click() {}
void frmMain::Line2Circle2_Click() {}
void frmMain::XY_XC_Click() {}
void frmMain::Chamfer_Click() {}

}  // namespace brennvik
