#pragma once
// Programs this one starts (the external calculator, the help viewer), and
// closing them by the title their window bears. Only programs started here
// are known, so only those can be closed.

#include <QString>
#include <QStringList>

namespace brennvik {

// Starts a program (a path, or a name found on the search path) with each
// argument passed as it is; returns a task identifier (the process id), 0 on
// failure with its description in *error. A program with a window title is
// watched until it ends or is closed by that title; one without runs on its
// own, and may go on after this program ends.
qint64 StartProgram(const QString &program, const QStringList &arguments, const QString &windowTitle,
                    QString *error);

// Asks every still-running program started with that window title to close
// and lets go of it: one that has not ended within two seconds is ended.
// Finding none is no error. Returns how many were asked.
int CloseProgramWindowsByTitle(const QString &windowTitle);

// The executable file a program name or path stands for; empty when there is
// none.
QString FindProgram(const QString &program);
// The first of these programs that is installed; empty when none is.
QString FirstInstalledProgram(const QStringList &candidates);

}  // namespace brennvik
