#pragma once
// The rotary-tool, tapping and probing commands of the process menu.

namespace brennvik {

class frmMain;

// Adds the rotary-tool submenus to the Process menu, behind the turning ones.
void InstallRotaryCommands(frmMain &main);

// Drilling and tapping with a rotary tool on the face and the side.
void ProcessMDrillFace_Click();
void ProcessMDrillSide_Click();
void ProcessMTapFace_Click();
void ProcessMTapSide_Click();
// Contour milling with C-axis interpolation.
void ProcessMSouseiFace_Click();
void ProcessMSouseiSide_Click();
// Tapping on the main spindle: 1 floating, any other index synchronised.
void SipndleTap_Click(int index);
// The tool-change preparation words of the two magazine sides.
void ProcessMT1_Click();
void ProcessMT3_Click();

}  // namespace brennvik
