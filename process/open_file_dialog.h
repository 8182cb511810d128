#pragma once
// The common Open dialog behind one seam, so that tests answer it without a
// user. Cancelling chooses nothing.

#include <QString>

#include <functional>

namespace brennvik {

struct OpenFileRequest {
    QString title;
    // In the "description|pattern|description|pattern" form, e.g.
    // "CSV Files(*.csv)|*.csv|All Files(*.*)|*.*".
    QString filter;
    QString initialFolder;
};

// The chosen file's path, or an empty text when the dialog was cancelled.
// After a choice the process's current folder is the file's folder.
QString ShowOpenFileDialog(const OpenFileRequest &request);

using OpenFileResponder = std::function<QString(const OpenFileRequest &)>;
// Installs a responder that answers in place of the dialog; an empty one
// restores the real dialog.
void SetOpenFileResponder(OpenFileResponder responder);

// The filter in the form the platform's dialog takes.
QString PlatformFileFilter(const QString &filter);

}  // namespace brennvik
