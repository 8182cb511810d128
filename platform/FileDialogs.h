#pragma once
// The Open and Save As dialogs. Filters and flags are written as the
// program's commands give them ("Main File (*.min)|*.min|..."); tests install
// a responder that answers instead of a dialog.

#include <QString>
#include <functional>

namespace brennvik {

// Flags of a file dialog.
enum FileDialogFlag : int {
    cdlOFNOverwritePrompt = 2,  // ask before replacing an existing file
    cdlOFNPathMustExist = 2048, // accept only an existing folder
};

struct FileDialogRequest {
    enum class Kind { Open, SaveAs };
    Kind kind = Kind::Open;
    QString title;        // empty: the platform's own title
    QString initialFolder;
    QString fileName;     // proposed name or path
    QString filter;       // description|pattern pairs, separated by "|"
    int filterIndex = 1;  // 1-based entry selected at first
    int flags = 0;
};

using FileDialogResponder = std::function<QString(const FileDialogRequest &)>;

// Shows the dialog (or asks the responder) and returns the chosen path, or an
// empty text when the user cancelled. After a choice the process's current
// folder is the chosen file's folder, as the platform's dialogs leave it.
QString ShowFileDialog(const FileDialogRequest &request);

// Installs a responder; an empty one restores real dialogs.
void SetFileDialogResponder(FileDialogResponder responder);

// The filter in the form the dialog widget takes: "desc (patterns)" entries
// separated by ";;", with "*.*" meaning every file.
QString DialogNameFilters(const QString &filter);

}  // namespace brennvik
