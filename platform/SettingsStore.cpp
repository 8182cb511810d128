#include "SettingsStore.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

namespace brennvik {

namespace {
QString &OverridePath() {
    static QString path;
    return path;
}
QStringList &WriteLog() {
    static QStringList log;
    return log;
}
QString GroupKey(const QString &section, const QString &key) { return section + u'/' + key; }
}  // namespace

QString SettingsFilePath() {
    if (!OverridePath().isEmpty()) return OverridePath();
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return QDir(folder).filePath(QStringLiteral("Brennvik/Brennvik.ini"));
}

void SetSettingsFilePath(const QString &path) { OverridePath() = path; }

QString GetSetting(const QString &app, const QString &section, const QString &key, const QString &defaultValue) {
    Q_UNUSED(app);  // one application per file
    QSettings settings(SettingsFilePath(), QSettings::IniFormat);
    const QVariant v = settings.value(GroupKey(section, key));
    return v.isValid() ? v.toString() : defaultValue;
}

void SaveSetting(const QString &app, const QString &section, const QString &key, const QString &value) {
    Q_UNUSED(app);
    QSettings settings(SettingsFilePath(), QSettings::IniFormat);
    settings.setValue(GroupKey(section, key), value);
    settings.sync();
    WriteLog().append(GroupKey(section, key));
}

QStringList SettingsWriteLog() { return WriteLog(); }
void ClearSettingsWriteLog() { WriteLog().clear(); }

}  // namespace brennvik
