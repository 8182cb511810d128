#pragma once
// The process menu's commands of the turning processes and the machine
// settings, with their entries.

namespace brennvik {

class frmMain;

// Adds the Process menu's set-up and material entries and turning submenus, and the load
// and unload steps of the machine settings and the cutting-condition table.
void InstallProcessCommands(frmMain &main);

// Shows the six machine-type dependent Process entries on MacTurn and
// MULTUS, hides them otherwise (the entries are found by name).
void ApplyMachineTypeProcessEntries();

void ProcessSetup_Click();
// Turning processes: roughing and finishing.
void ProcessRoughFace_Click();
void ProcessRoughFaceOD_Click();
void ProcessRoughOD_Click();
void ProcessRoughID_Click();
void ProcessFinishFace_Click();
void ProcessFinishFaceOD_Click();
void ProcessFinishOD_Click();
void ProcessFinishID_Click();
// Turning processes: threading, grooving and drilling.
void ProcessThreadFace_Click();
void ProcessThreadOD_Click();
void ProcessThreadID_Click();
void ProcessGrooveOD_Click();
void ProcessGrooveID_Click();
void ProcessGrooveFace_Click();
void ProcessDrillHss_Click();
void ProcessDrillU_Click();

}  // namespace brennvik
