#include "ExternalPrograms.h"

#include <QFileInfo>
#include <QPointer>
#include <QProcess>
#include <QStandardPaths>

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

qint64 StartProgram(const QString &program, const QStringList &arguments, const QString &windowTitle,
                    QString *error) {
    const QString executable = FindProgram(program);
    if (executable.isEmpty()) {
        if (error) *error = QStringLiteral("ファイルが見つかりません。");
        return 0;
    }
    auto *process = new QProcess;
    process->setProgram(executable);
    process->setArguments(arguments);
    // What the program prints is not ours to show.
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    process->start();
    if (!process->waitForStarted(5000)) {
        if (error) *error = QStringLiteral("プログラムを起動できません。(%1)").arg(process->errorString());
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
