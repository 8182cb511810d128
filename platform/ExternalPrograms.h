#pragma once
// Programs this one starts (the external calculator, the help viewer), and
// closing them by the title their window bears. Only programs started here
// are known, so only those can be closed.

#include <QString>
#include <QStringList>

namespace brennvik {

// Starts a program; returns a task identifier (the process id), 0 on failure
// with the reason in *error.
qint64 StartProgram(const QString &program, const QStringList &arguments, const QString &windowTitle,
                    QString *error);

// Asks every still-running program started with that window title to close.
// Finding none is no error. Returns how many were asked.
int CloseProgramWindowsByTitle(const QString &windowTitle);

}  // namespace brennvik
