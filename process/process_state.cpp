#include "process_state.h"

namespace brennvik {

double g_ToolNumber = 0;
double g_ParamV = 0;
double g_ParamF = 0;
double g_ParamU = 0;
double g_ParamW = 0;
double g_ParamD = 0;
double g_ParamL = 0;
double g_ParamB = 0;
double g_ParamSZ = 0;
double g_StartX = 0;
double g_StartZ = 0;
double g_EndX = 0;
double g_EndZ = 0;
float g_ParamC = 0;
float g_StartC = 0;
float g_EndC = 0;
bool g_ChamferIsC = false;

QString g_SpindleWord;
QString g_CoolantWord;
QString g_TipPositionWord;
QString g_G52Word;
QString g_BAxisWord;
QString g_M263Word;

bool g_DialogOK = false;
QString g_OutputBlock;

void ResetProcessState() {
    g_ToolNumber = g_ParamV = g_ParamF = g_ParamU = g_ParamW = g_ParamD = g_ParamL = g_ParamB = g_ParamSZ = 0;
    g_StartX = g_StartZ = g_EndX = g_EndZ = 0;
    g_ParamC = g_StartC = g_EndC = 0;
    g_ChamferIsC = false;
    g_SpindleWord.clear();
    g_CoolantWord.clear();
    g_TipPositionWord.clear();
    g_G52Word.clear();
    g_BAxisWord.clear();
    g_M263Word.clear();
    g_DialogOK = false;
    g_OutputBlock.clear();
}

}  // namespace brennvik
