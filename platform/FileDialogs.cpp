#include "FileDialogs.h"

#include "FileProblems.h"
#include "MsgBox.h"
#include "Screens.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QRegularExpression>
#include <QTreeView>

#include <algorithm>

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

// Room the dialog takes at first, where the screen has it: enough for the
// side bar and every column of the file list.
constexpr QSize kDialogSize(960, 560);

class ProgramFileDialog : public QFileDialog {
public:
    ProgramFileDialog(QWidget *parent, int flags) : QFileDialog(parent), m_flags(flags) {
        // The toolkit's own dialog speaks the program's language on any desktop.
        setOption(QFileDialog::DontUseNativeDialog);
        FitColumnsToFiles();
        resize(kDialogSize.boundedTo(AvailableScreenAreas().value(0).size() - FrameAllowance()));
    }

    void accept() override {
        const QStringList chosen = selectedFiles();
        if (!chosen.isEmpty() && !Acceptable(chosen.constFirst())) return;
        QFileDialog::accept();
    }

private:
    // A frame the window manager adds around the dialog.
    static QSize FrameAllowance() { return QSize(16, 48); }

    // The toolkit sizes the columns for short English texts ("128.88 GB"), so
    // the size, type and date of an ordinary file were cut short; each
    // folder shown widens them to what its files need, and the names take
    // the room that is left.
    void FitColumnsToFiles() {
        auto *view = findChild<QTreeView *>(QStringLiteral("treeView"));
        auto *model = findChild<QFileSystemModel *>();
        if (!view || !model) return;
        auto fit = [view] {
            QHeaderView *header = view->header();
            const QAbstractItemView *rows = view;  // the widths of the rows shown
            for (int column = 1; column < header->count(); ++column) {
                const int needed = std::max(rows->sizeHintForColumn(column), header->sectionSizeHint(column));
                if (needed > header->sectionSize(column)) header->resizeSection(column, needed);
            }
        };
        view->header()->setStretchLastSection(false);
        view->header()->setSectionResizeMode(0, QHeaderView::Stretch);
        connect(model, &QFileSystemModel::directoryLoaded, view, fit);
        connect(model, &QFileSystemModel::layoutChanged, view, fit);
    }

    // The toolkit would call such a name a missing file, or in Save As
    // silently refuse it.
    bool Acceptable(const QString &chosen) const {
        const FileFacts facts = FileFactsOf(chosen);
        if (facts.nameTooLong) {
            MsgBox(QuotedPath(QDir::toNativeSeparators(chosen)) + QStringLiteral("\r\n") + NameTooLongText(),
                   vbOKOnly | vbExclamation);
            return false;
        }
        if ((m_flags & cdlOFNPathMustExist) && !facts.folderExists) {
            MsgBox(QuotedPath(QDir::toNativeSeparators(QFileInfo(chosen).absolutePath())) +
                       QStringLiteral("\r\nフォルダが見つかりません。"),
                   vbOKOnly | vbExclamation);
            return false;
        }
        return true;
    }

    int m_flags;
};

QString RunDialog(const FileDialogRequest &r) {
    const bool save = r.kind == FileDialogRequest::Kind::SaveAs;
    ProgramFileDialog dialog(QApplication::activeWindow(), r.flags);
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
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
    return QDir::toNativeSeparators(dialog.selectedFiles().constFirst());
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
