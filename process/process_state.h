#pragma once
// The process variables: what the process dialog's OK button read, and the
// ready-made NC words built from its options. Every generator reads them.

#include <QString>

namespace brennvik {

extern double g_ToolNumber;
extern double g_ParamV;
extern double g_ParamF;
extern double g_ParamU;
extern double g_ParamW;
extern double g_ParamD;
extern double g_ParamL;
extern double g_ParamB;
extern double g_ParamSZ;
extern double g_StartX;
extern double g_StartZ;
extern double g_EndX;
extern double g_EndZ;
extern float g_ParamC;
extern float g_StartC;
extern float g_EndC;
extern bool g_ChamferIsC;

extern QString g_SpindleWord;
extern QString g_CoolantWord;
extern QString g_TipPositionWord;
extern QString g_G52Word;
extern QString g_BAxisWord;
extern QString g_M263Word;

// The confirmation flag of the last modal dialog.
extern bool g_DialogOK;
// The block a generator or template command builds before inserting it.
extern QString g_OutputBlock;

void ResetProcessState();

}  // namespace brennvik
