#pragma once
// The machine settings (section "Parameter"): the lathe programs are
// generated for, and which optional lines the generated text carries.

#include <QString>
#include <cstdint>

namespace brennvik {

extern float g_MaxS;
extern double g_HomeX;
extern double g_HomeZ;
extern double g_AppX;
extern double g_AppZ;
extern bool g_TG;
extern bool g_OSPU100;
extern bool g_MacTurn;
extern bool g_MULTUS;
extern bool g_swM867;
extern bool g_Bturret;
extern bool g_Measuer;
extern bool g_PanelChk;
extern bool g_AutoDoor;
extern int16_t g_TurretType;
extern QString g_ToolType;
extern QString g_AtcMacroType;
extern bool g_ToolFrom;
extern bool g_LoadMoniter;
extern bool g_OptionalStop;
extern QString g_CsvPathName;
extern QString g_CsvFileName;

// Derived from g_swM867 whenever it is set.
extern QString g_M867Word;
extern QString g_M866Line;

// The defaults of a first start.
void ResetMachineSettings();
// Reads every "Parameter" key with its default, then derives the M867 words.
void LoadMachineSettings();
void DeriveM867Words();
// Writes the machine settings to section "Parameter" in their fixed order
// (all but the two condition-file keys, which the exit writes).
void SaveMachineSettings();

// Default folder and file of the cutting-condition table.
QString DefaultCsvPathName();
QString DefaultCsvFileName();

}  // namespace brennvik
