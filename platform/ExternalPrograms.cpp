#include "ExternalPrograms.h"

#include <QPointer>
#include <QProcess>

#include <vector>

namespace brennvik {

namespace {
struct Started {
    QPointer<QProcess> process;
    QString title;
};
std::vector<Started> &StartedPrograms() {
    static std::vector<Started> list;
    return list;
}
}  // namespace

qint64 StartProgram(const QString &program, const QStringList &arguments, const QString &windowTitle,
                    QString *error) {
    auto *process = new QProcess;
    process->setProgram(program);
    process->setArguments(arguments);
    process->start();
    if (!process->waitForStarted(5000)) {
        if (error) *error = process->errorString();
        delete process;
        return 0;
    }
    QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
    StartedPrograms().push_back({process, windowTitle});
    return process->processId();
}

int CloseProgramWindowsByTitle(const QString &windowTitle) {
    int asked = 0;
    for (Started &s : StartedPrograms()) {
        if (s.title != windowTitle || !s.process || s.process->state() == QProcess::NotRunning) continue;
        s.process->terminate();  // a polite close request, like a window's close message
        ++asked;
    }
    return asked;
}

}  // namespace brennvik
