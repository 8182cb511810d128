#include "external_tools.h"

#include "platform/ExternalPrograms.h"
#include "platform/MsgBox.h"
#include "platform/SettingsStore.h"
#include "startup.h"
#include "workspace_state.h"

#include <QDir>
#include <QFileInfo>

namespace brennvik {

namespace {

const QString kSettings = QStringLiteral("Settings");
const QString kCalculatorKey = QStringLiteral("CalculatorProgram");
const QString kHelpViewerKey = QStringLiteral("HelpViewer");

// Where the user names another program.
QString SettingHint(const QString &key) {
    return QStringLiteral("設定ファイル %1 の [%2] %3= で変更できます。")
        .arg(QDir::toNativeSeparators(SettingsFilePath()), kSettings, key);
}

// Starts a program; a failure is shown with its description, OK only, under
// the application title. 0 on failure.
qint64 StartOrReport(const QString &program, const QStringList &arguments, const QString &windowTitle,
                     const QString &settingKey) {
    QString error;
    const qint64 task = program.isEmpty() ? 0 : StartProgram(program, arguments, windowTitle, &error);
    if (task != 0) return task;
    const QString what = program.isEmpty() ? QStringLiteral("起動するプログラムが決まっていません。")
                                           : QuotedPath(program) + QStringLiteral(": ") + error;
    MsgBox(what + QStringLiteral("\r\n") + SettingHint(settingKey), vbOKOnly);
    return 0;
}

}  // namespace

QString CalculatorProgram() {
    const QString desktopCalculator =
        FirstInstalledProgram({QStringLiteral("gnome-calculator"), QStringLiteral("kcalc"), QStringLiteral("mate-calc"),
                               QStringLiteral("galculator"), QStringLiteral("qalculate-gtk"), QStringLiteral("xcalc")});
    return GetSettingText(kSettings, kCalculatorKey, desktopCalculator);
}

QString HelpViewerProgram() { return GetSettingText(kSettings, kHelpViewerKey, QStringLiteral("xdg-open")); }

void StartCalculator() {
    const qint64 task = StartOrReport(CalculatorProgram(), {}, CalculatorWindowTitle(), kCalculatorKey);
    if (task != 0) g_CalculatorTask = task;
}

QString HelpFilePath(const QString &fileName) {
    return JoinPath(JoinPath(ApplicationFolder(), QStringLiteral("help")), fileName);
}

void ShowHelpFile(const QString &path) {
    if (!QFileInfo(path).isFile()) {
        MsgBox(QuotedPath(path) + QStringLiteral("\r\nヘルプファイルが見つかりません。"), vbOKOnly);
        return;
    }
    StartOrReport(HelpViewerProgram(), {path}, QString(), kHelpViewerKey);
}

void OpenHelpFile(const QString &fileName) { ShowHelpFile(HelpFilePath(fileName)); }

}  // namespace brennvik
