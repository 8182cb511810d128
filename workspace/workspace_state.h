#pragma once
// Module-level state of the workspace: the settings of section "Settings"
// and other values alive for the whole run.

#include <QString>
#include <cstdint>

namespace brennvik {

class frmMain;

extern frmMain *g_frmMain;
extern double g_Pi;

extern QString g_OpenPathName;
extern QString g_InsertPathName;
extern QString g_SavePathName;
extern QString g_ScreenFontName;
extern int32_t g_ScreenFontSize;
extern QString g_PrintFontName;
extern int32_t g_PrintFontSize;
extern int16_t g_PrinterOrientation;
extern int32_t g_LeftMerge;
extern int32_t g_RightMerge;
extern int16_t g_PrintLineNo;
extern bool g_CapsLockKeep;

// The print job, computed at the start of every print run.
extern int32_t g_PrintLineHeight;    // mm
extern int32_t g_PrintLinesPerPage;
extern int32_t g_PrintRightEdge;     // mm
extern int16_t g_PageNo;

extern QString g_SaveFileName;
extern qint64 g_CalculatorTask;
extern bool g_AutoSequenceNo;

// Back to the values before start-up (tests).
void ResetWorkspaceState();

// The folder the program lives in; shipped data files sit beside it.
QString ApplicationFolder();
// What the stored settings call the root folder "C:\".
QString RootFolder();
// A path below a folder, joined with this platform's separator.
QString JoinPath(const QString &folder, const QString &relative);

// Settings store access with the application title and typed defaults.
// A stored text that does not read as the type gives the default.
QString GetSettingText(const QString &section, const QString &key, const QString &defaultValue);
double GetSettingNumber(const QString &section, const QString &key, double defaultValue);
bool GetSettingBoolean(const QString &section, const QString &key, bool defaultValue);
int16_t GetSettingInteger(const QString &section, const QString &key, int16_t defaultValue);
int32_t GetSettingLong(const QString &section, const QString &key, int32_t defaultValue);
float GetSettingSingle(const QString &section, const QString &key, float defaultValue);
void SaveSettingText(const QString &section, const QString &key, const QString &value);

}  // namespace brennvik
