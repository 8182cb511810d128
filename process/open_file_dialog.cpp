#include "open_file_dialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStringList>

namespace brennvik {

namespace {
OpenFileResponder &Responder() {
    static OpenFileResponder responder;
    return responder;
}
}  // namespace

void SetOpenFileResponder(OpenFileResponder responder) { Responder() = std::move(responder); }

QString PlatformFileFilter(const QString &filter) {
    const QStringList parts = filter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString patterns = QString(parts[i + 1]).replace(u';', u' ');
        // A description that already names its patterns in parentheses is taken as it is.
        filters << (parts[i].contains(u'(') ? parts[i] : parts[i] + QStringLiteral(" (") + patterns + u')');
    }
    return filters.join(QStringLiteral(";;"));
}

QString ShowOpenFileDialog(const OpenFileRequest &request) {
    const QString chosen =
        Responder() ? Responder()(request)
                    : QFileDialog::getOpenFileName(nullptr, request.title, request.initialFolder,
                                                   PlatformFileFilter(request.filter));
    if (chosen.isEmpty()) return QString();
    QDir::setCurrent(QFileInfo(chosen).absolutePath());
    return QDir::toNativeSeparators(chosen);
}

}  // namespace brennvik
