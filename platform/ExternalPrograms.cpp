#include "ExternalPrograms.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QPointer>
#include <QProcess>
#include <QStandardPaths>

#include <algorithm>
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

QString FindProgram(const QString &program) {
    if (program.isEmpty()) return QString();
    if (program.contains(u'/') || program.contains(u'\\')) {
        const QFileInfo file(program);
        return file.isFile() && file.isExecutable() ? file.absoluteFilePath() : QString();
    }
    return QStandardPaths::findExecutable(program);
}

QString FirstInstalledProgram(const QStringList &candidates) {
    for (const QString &candidate : candidates)
        if (!FindProgram(candidate).isEmpty()) return candidate;
    return QString();
}

namespace {

// What the program prints is not ours to show.
void PrepareProcess(QProcess &process, const QString &executable, const QStringList &arguments) {
    process.setProgram(executable);
    process.setArguments(arguments);
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
}

QString StartFailure(const QProcess &process) {
    return QStringLiteral("プログラムを起動できません。(%1)").arg(process.errorString());
}

// How long programs asked to close at exit may take before they are ended.
constexpr int kCloseGraceMs = 2000;

}  // namespace

qint64 StartProgram(const QString &program, const QStringList &arguments, const QString &windowTitle,
                    QString *error) {
    const QString executable = FindProgram(program);
    if (executable.isEmpty()) {
        if (error) *error = QStringLiteral("ファイルが見つかりません。");
        return 0;
    }
    if (windowTitle.isEmpty()) {
        // Nothing here closes it: it runs on its own and may outlive this program.
        QProcess starter;
        PrepareProcess(starter, executable, arguments);
        qint64 pid = 0;
        if (!starter.startDetached(&pid)) {
            if (error) *error = StartFailure(starter);
            return 0;
        }
        return pid;
    }
    // Watched until it ends or is closed; the application owns the object,
    // so none is left behind when this program ends first.
    auto *process = new QProcess(QCoreApplication::instance());
    PrepareProcess(*process, executable, arguments);
    process->start();
    if (!process->waitForStarted(5000)) {
        if (error) *error = StartFailure(*process);
        delete process;
        return 0;
    }
    QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
    StartedPrograms().push_back({process, windowTitle});
    return process->processId();
}

int CloseProgramWindowsByTitle(const QString &windowTitle) {
    auto &started = StartedPrograms();
    // Programs that ended before have freed their objects already.
    started.erase(std::remove_if(started.begin(), started.end(), [](const Started &s) { return !s.process; }),
                  started.end());
    std::vector<QProcess *> closing;
    for (const Started &s : started)
        if (s.title == windowTitle) closing.push_back(s.process);
    started.erase(std::remove_if(started.begin(), started.end(),
                                 [&](const Started &s) { return s.title == windowTitle; }),
                  started.end());
    int asked = 0;
    for (QProcess *process : closing) {
        if (process->state() == QProcess::NotRunning) continue;
        process->terminate();  // a polite close request, like a window's close message
        ++asked;
    }
    // Their objects go now; a program that has not ended by then ends with its object.
    const QDeadlineTimer deadline(kCloseGraceMs);
    for (QProcess *process : closing) process->waitForFinished(int(deadline.remainingTime()));
    for (QProcess *process : closing) delete process;
    return asked;
}

}  // namespace brennvik
