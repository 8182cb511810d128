#include "machine_settings.h"

#include "workspace/runtime.h"
#include "workspace/workspace_state.h"

namespace brennvik {

float g_MaxS = 2500;
double g_HomeX = 500;
double g_HomeZ = 500;
double g_AppX = 200;
double g_AppZ = 50;
bool g_TG = false;
bool g_OSPU100 = true;
bool g_MacTurn = false;
bool g_MULTUS = false;
bool g_swM867 = false;
bool g_Bturret = false;
bool g_Measuer = false;
bool g_PanelChk = true;
bool g_AutoDoor = false;
int16_t g_TurretType = 2;
QString g_ToolType = QStringLiteral("HSK");
QString g_AtcMacroType = QStringLiteral("M421");
bool g_ToolFrom = true;
bool g_LoadMoniter = false;
bool g_OptionalStop = false;
QString g_CsvPathName;
QString g_CsvFileName;
QString g_M867Word;
QString g_M866Line;

QString DefaultCsvPathName() { return JoinPath(ApplicationFolder(), QStringLiteral("加工条件")); }
QString DefaultCsvFileName() { return JoinPath(DefaultCsvPathName(), QStringLiteral("S45C.CSV")); }

void ResetMachineSettings() {
    g_MaxS = 2500;
    g_HomeX = 500;
    g_HomeZ = 500;
    g_AppX = 200;
    g_AppZ = 50;
    g_TG = false;
    g_OSPU100 = true;
    g_MacTurn = false;
    g_MULTUS = false;
    g_swM867 = false;
    g_Bturret = false;
    g_Measuer = false;
    g_PanelChk = true;
    g_AutoDoor = false;
    g_TurretType = 2;
    g_ToolType = QStringLiteral("HSK");
    g_AtcMacroType = QStringLiteral("M421");
    g_ToolFrom = true;
    g_LoadMoniter = false;
    g_OptionalStop = false;
    g_CsvPathName = DefaultCsvPathName();
    g_CsvFileName = DefaultCsvFileName();
    DeriveM867Words();
}

void DeriveM867Words() {
    g_M867Word = g_swM867 ? QStringLiteral(" M867") : QString();
    g_M866Line = g_swM867 ? QStringLiteral("N000 M866\r\n") : QString();
}

void LoadMachineSettings() {
    const QString p = QStringLiteral("Parameter");
    g_MaxS = GetSettingSingle(p, QStringLiteral("MaxS"), 2500);
    g_HomeX = GetSettingNumber(p, QStringLiteral("HomeX"), 500);
    g_HomeZ = GetSettingNumber(p, QStringLiteral("HomeZ"), 500);
    g_AppX = GetSettingNumber(p, QStringLiteral("AppX"), 200);
    g_AppZ = GetSettingNumber(p, QStringLiteral("AppZ"), 50);
    g_TG = GetSettingBoolean(p, QStringLiteral("TG"), false);
    g_OSPU100 = GetSettingBoolean(p, QStringLiteral("OSPU100"), true);
    g_MacTurn = GetSettingBoolean(p, QStringLiteral("MacTurn"), false);
    g_MULTUS = GetSettingBoolean(p, QStringLiteral("MULTUS"), false);
    g_swM867 = GetSettingBoolean(p, QStringLiteral("swM867"), false);
    g_Bturret = GetSettingBoolean(p, QStringLiteral("Bturret"), false);
    g_Measuer = GetSettingBoolean(p, QStringLiteral("Measuer"), false);
    g_PanelChk = GetSettingBoolean(p, QStringLiteral("PanelChk"), true);
    g_AutoDoor = GetSettingBoolean(p, QStringLiteral("AutoDoor"), false);
    g_TurretType = GetSettingInteger(p, QStringLiteral("TurretType"), 2);
    g_ToolType = GetSettingText(p, QStringLiteral("ToolType"), QStringLiteral("HSK"));
    g_AtcMacroType = GetSettingText(p, QStringLiteral("AtcMacroType"), QStringLiteral("M421"));
    g_ToolFrom = GetSettingBoolean(p, QStringLiteral("ToolFrom"), true);
    g_LoadMoniter = GetSettingBoolean(p, QStringLiteral("LoadMoniter"), false);
    g_OptionalStop = GetSettingBoolean(p, QStringLiteral("OptionalStop"), false);
    g_CsvPathName = GetSettingText(p, QStringLiteral("CsvPathName"), DefaultCsvPathName());
    g_CsvFileName = GetSettingText(p, QStringLiteral("CsvFileName"), DefaultCsvFileName());
    DeriveM867Words();
}

void SaveMachineSettings() {
    const QString p = QStringLiteral("Parameter");
    SaveSettingText(p, QStringLiteral("MaxS"), NumberText(g_MaxS));
    SaveSettingText(p, QStringLiteral("HomeX"), NumberText(g_HomeX));
    SaveSettingText(p, QStringLiteral("HomeZ"), NumberText(g_HomeZ));
    SaveSettingText(p, QStringLiteral("AppX"), NumberText(g_AppX));
    SaveSettingText(p, QStringLiteral("AppZ"), NumberText(g_AppZ));
    SaveSettingText(p, QStringLiteral("TG"), BooleanText(g_TG));
    SaveSettingText(p, QStringLiteral("OSPU100"), BooleanText(g_OSPU100));
    SaveSettingText(p, QStringLiteral("MacTurn"), BooleanText(g_MacTurn));
    SaveSettingText(p, QStringLiteral("MULTUS"), BooleanText(g_MULTUS));
    SaveSettingText(p, QStringLiteral("Bturret"), BooleanText(g_Bturret));
    SaveSettingText(p, QStringLiteral("Measuer"), BooleanText(g_Measuer));
    SaveSettingText(p, QStringLiteral("PanelChk"), BooleanText(g_PanelChk));
    SaveSettingText(p, QStringLiteral("AutoDoor"), BooleanText(g_AutoDoor));
    SaveSettingText(p, QStringLiteral("TurretType"), NumberText(g_TurretType));
    SaveSettingText(p, QStringLiteral("ToolType"), g_ToolType);
    SaveSettingText(p, QStringLiteral("AtcMacroType"), g_AtcMacroType);
    SaveSettingText(p, QStringLiteral("ToolFrom"), BooleanText(g_ToolFrom));
    SaveSettingText(p, QStringLiteral("LoadMoniter"), BooleanText(g_LoadMoniter));
    SaveSettingText(p, QStringLiteral("OptionalStop"), BooleanText(g_OptionalStop));
    SaveSettingText(p, QStringLiteral("swM867"), BooleanText(g_swM867));
}

}  // namespace brennvik
