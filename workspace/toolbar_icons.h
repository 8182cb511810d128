#pragma once
#include <QIcon>
#include <QString>

namespace brennvik {
// A small icon drawn for a toolbar key: a coloured tile with a short sign.
QIcon ToolbarIcon(const QString &key);
// The program's own icon.
QIcon ProgramIcon();
}  // namespace brennvik
