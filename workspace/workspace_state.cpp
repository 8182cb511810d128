#include "workspace_state.h"

#include "platform/SettingsStore.h"
#include "runtime.h"

#include <QCoreApplication>
#include <QDir>

#include <cmath>

namespace brennvik {

frmMain *g_frmMain = nullptr;
double g_Pi = 0;

QString g_OpenPathName;
QString g_InsertPathName;
QString g_SavePathName;
QString g_ScreenFontName;
int32_t g_ScreenFontSize = 0;
QString g_PrintFontName;
int32_t g_PrintFontSize = 0;
int16_t g_PrinterOrientation = 0;
int32_t g_LeftMerge = 0;
int32_t g_RightMerge = 0;
int16_t g_PrintLineNo = 0;
bool g_CapsLockKeep = false;

int32_t g_PrintLineHeight = 0;
int32_t g_PrintLinesPerPage = 0;
int32_t g_PrintRightEdge = 0;
int16_t g_PageNo = 0;

QString g_SaveFileName;
qint64 g_CalculatorTask = 0;
bool g_AutoSequenceNo = false;

void ResetWorkspaceState() {
    g_frmMain = nullptr;
    g_Pi = 0;
    g_OpenPathName.clear();
    g_InsertPathName.clear();
    g_SavePathName.clear();
    g_ScreenFontName.clear();
    g_ScreenFontSize = 0;
    g_PrintFontName.clear();
    g_PrintFontSize = 0;
    g_PrinterOrientation = 0;
    g_LeftMerge = 0;
    g_RightMerge = 0;
    g_PrintLineNo = 0;
    g_CapsLockKeep = false;
    g_PrintLineHeight = 0;
    g_PrintLinesPerPage = 0;
    g_PrintRightEdge = 0;
    g_PageNo = 0;
    g_SaveFileName.clear();
    g_CalculatorTask = 0;
    g_AutoSequenceNo = false;
}

QString ApplicationFolder() { return QDir::toNativeSeparators(QCoreApplication::applicationDirPath()); }

QString RootFolder() { return QDir::toNativeSeparators(QDir::homePath()); }

QString JoinPath(const QString &folder, const QString &relative) {
    return QDir::toNativeSeparators(QDir(folder).filePath(relative));
}

namespace {
const QString kApp = QStringLiteral("Brennvik");
}

QString GetSettingText(const QString &section, const QString &key, const QString &defaultValue) {
    return GetSetting(kApp, section, key, defaultValue);
}

double GetSettingNumber(const QString &section, const QString &key, double defaultValue) {
    double v = 0;
    return TryParseNumber(GetSettingText(section, key, QString()), &v) ? v : defaultValue;
}

bool GetSettingBoolean(const QString &section, const QString &key, bool defaultValue) {
    bool v = false;
    return TryParseBoolean(GetSettingText(section, key, QString()), &v) ? v : defaultValue;
}

int16_t GetSettingInteger(const QString &section, const QString &key, int16_t defaultValue) {
    const double v = GetSettingNumber(section, key, defaultValue);
    try {
        return CInt(v);
    } catch (const RuntimeError &) {
        return defaultValue;
    }
}

int32_t GetSettingLong(const QString &section, const QString &key, int32_t defaultValue) {
    const double v = GetSettingNumber(section, key, defaultValue);
    try {
        return CLng(v);
    } catch (const RuntimeError &) {
        return defaultValue;
    }
}

float GetSettingSingle(const QString &section, const QString &key, float defaultValue) {
    const double v = GetSettingNumber(section, key, defaultValue);
    try {
        return CSng(v);
    } catch (const RuntimeError &) {
        return defaultValue;
    }
}

void SaveSettingText(const QString &section, const QString &key, const QString &value) {
    SaveSetting(kApp, section, key, value);
}

}  // namespace brennvik
