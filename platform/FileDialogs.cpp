#include "FileDialogs.h"

#include "FileProblems.h"
#include "MsgBox.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpression>

namespace brennvik {

namespace {

FileDialogResponder &Responder() {
    static FileDialogResponder responder;
    return responder;
}

QStringList NameFilterList(const QString &filter) {
    QStringList out;
    const QStringList parts = filter.split(u'|');
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i];
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1String("*.*"), QLatin1String("*"));
        patterns.replace(u';', u' ');
        // The description's own pattern list would be read as the filter.
        description.remove(QRegularExpression(QStringLiteral("\\s*\\([^)]*\\)\\s*$")));
        out << QStringLiteral("%1 (%2)").arg(description, patterns);
    }
    return out;
}

QString RunDialog(const FileDialogRequest &r) {
    const bool save = r.kind == FileDialogRequest::Kind::SaveAs;
    QFileDialog dialog(QApplication::activeWindow());
    // The toolkit's own dialog speaks the program's language on any desktop.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (!r.title.isEmpty()) dialog.setWindowTitle(r.title);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (save && !(r.flags & cdlOFNOverwritePrompt)) dialog.setOption(QFileDialog::DontConfirmOverwrite);
    const QStringList filters = NameFilterList(r.filter);
    dialog.setNameFilters(filters);
    if (r.filterIndex >= 1 && r.filterIndex <= filters.size()) dialog.selectNameFilter(filters[r.filterIndex - 1]);
    QString folder = r.initialFolder;
    QString name = r.fileName;
    if (QFileInfo(name).isAbsolute()) {
        folder = QFileInfo(name).absolutePath();
        name = QFileInfo(name).fileName();
    }
    if (!folder.isEmpty()) dialog.setDirectory(folder);
    if (!name.isEmpty()) dialog.selectFile(name);
    for (;;) {
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
        const QString chosen = dialog.selectedFiles().constFirst();
        if (r.flags & cdlOFNPathMustExist) {
            const FileFacts facts = FileFactsOf(chosen);
            if (facts.nameTooLong) {
                MsgBox(QuotedPath(QDir::toNativeSeparators(chosen)) + QStringLiteral("\r\n") + NameTooLongText(),
                       vbOKOnly | vbExclamation);
                continue;
            }
            if (!facts.folderExists) {
                MsgBox(QuotedPath(QDir::toNativeSeparators(QFileInfo(chosen).absolutePath())) +
                           QStringLiteral("\r\nフォルダが見つかりません。"),
                       vbOKOnly | vbExclamation);
                continue;
            }
        }
        return QDir::toNativeSeparators(chosen);
    }
}

}  // namespace

QString DialogNameFilters(const QString &filter) { return NameFilterList(filter).join(QLatin1String(";;")); }

void SetFileDialogResponder(FileDialogResponder responder) { Responder() = std::move(responder); }

QString ShowFileDialog(const FileDialogRequest &request) {
    const QString chosen = Responder() ? Responder()(request) : RunDialog(request);
    if (!chosen.isEmpty()) QDir::setCurrent(QFileInfo(chosen).absolutePath());
    return chosen;
}

}  // namespace brennvik
