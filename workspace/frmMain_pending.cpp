// Main-window commands whose work is not there yet: each does nothing.
#include "frmMain.h"

namespace brennvik {

void frmMain::MDIForm_Resize() {}
void frmMain::mnuFileNew_Click() {}
void frmMain::mnuFileOpen_Click() {}
void frmMain::mnuFileClose_Click() {}
void frmMain::mnuFileSave_Click() {}
void frmMain::mnuFileSaveAs_Click() {}
void frmMain::mnuFilePrint_Click() {}
void frmMain::mnuFileFont_Click() {}
void frmMain::mnuFileRecentFile_Click(int) {}
void frmMain::mnuEditUndo_Click() {}
void frmMain::mnuEditRedo_Click() {}
void frmMain::mnuEditCut_Click() {}
void frmMain::mnuEditCopy_Click() {}
void frmMain::mnuEditPaste_Click() {}
void frmMain::mnuSearchFind_Click() {}
void frmMain::mnuSearchNextFind_Click() {}
void frmMain::mnuSearchReplace_Click() {}
void frmMain::mnuAbView_Click() {}
void frmMain::mnuWindowTileHorizontal_Click() {}
void frmMain::mnuWindowTileVertical_Click() {}
void frmMain::mnuToolsAutoNo_Click() {}
void frmMain::mnuToolsNumberArrange_Click() {}
void frmMain::mnuToolsSizeShift_Click() {}
void frmMain::mnuToolsrpm_Click() {}
void frmMain::mnuToolsFeed_Click() {}
void frmMain::mnuToolsCalculator_Click() {}
void frmMain::mnuToolCompe_Click() {}
void frmMain::VariableHelp_Click() {}
void frmMain::mnuHelpAbout_Click() {}
void frmMain::ProcessSetup_Click() {}
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
