#include "recent_files.h"

#include "frmMain.h"
#include "workspace_state.h"

#include <QAction>

namespace brennvik {

QStringList PushRecentFile(const QStringList &captions, const QString &path) {
    QStringList out = captions;
    for (int i = 4; i >= 1; --i) out[i] = captions[i - 1];
    out[0] = path;
    return out;
}

void AddRecentFile(const QString &path) {
    if (!g_frmMain) return;
    QStringList captions;
    for (int n = 1; n <= 5; ++n) captions << g_frmMain->mnuFileRecentFile[size_t(n)]->text();
    captions = PushRecentFile(captions, path);
    for (int n = 1; n <= 5; ++n) {
        QAction *entry = g_frmMain->mnuFileRecentFile[size_t(n)];
        entry->setText(captions[n - 1]);
        // An entry shows only while it holds a path.
        entry->setVisible(!captions[n - 1].startsWith(RecentFilePlaceholder()));
    }
}

}  // namespace brennvik
