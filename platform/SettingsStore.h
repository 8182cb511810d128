#pragma once
// The per-user settings store: values addressed by application, section and
// key, all held as text. An INI file in the user's configuration folder.

#include <QString>
#include <QStringList>

namespace brennvik {

// The stored text, or `defaultValue` when the key is absent.
QString GetSetting(const QString &app, const QString &section, const QString &key,
                   const QString &defaultValue = QString());
void SaveSetting(const QString &app, const QString &section, const QString &key, const QString &value);

// The INI file in use.
QString SettingsFilePath();
// Points the store at another file (tests use a temporary one); an empty path
// goes back to the user's configuration folder.
void SetSettingsFilePath(const QString &path);

// Every "section/key" written since the last call of ClearSettingsWriteLog, in
// the order written, so that the order of writes can be checked.
QStringList SettingsWriteLog();
void ClearSettingsWriteLog();

}  // namespace brennvik
