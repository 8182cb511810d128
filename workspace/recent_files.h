#pragma once
// The five recent-file entries of the File menu, most recent first.

#include <QString>
#include <QStringList>

namespace brennvik {

// Puts a path at the top of the recent-file entries of the main window.
void AddRecentFile(const QString &path);

// The five entry captions after putting `path` on top: every caption moves
// down one place and the last one drops out. An entry that holds no path has
// a caption beginning with "RecentFile".
QStringList PushRecentFile(const QStringList &captions, const QString &path);

}  // namespace brennvik
