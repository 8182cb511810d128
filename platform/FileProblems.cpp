#include "FileProblems.h"

#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <sys/stat.h>
#endif

namespace brennvik {

namespace {

// Such a name fails every look-up, so the file and its folder would both
// seem to be missing.
bool IsNameTooLong(const QString &path) {
#ifdef Q_OS_UNIX
    struct stat info;
    return ::stat(QFile::encodeName(path).constData(), &info) != 0 && errno == ENAMETOOLONG;
#else
    Q_UNUSED(path);
    return false;
#endif
}

}  // namespace

FileFacts FileFactsOf(const QString &path) {
    FileFacts f;
    if (path.isEmpty()) {
        f.folderExists = true;  // no name: no such file
        return f;
    }
    f.nameTooLong = IsNameTooLong(path);
    const QFileInfo file(path);
    f.exists = file.exists();
    f.isFolder = file.isDir();
    f.readable = file.isReadable();
    f.writable = file.isWritable();
    const QFileInfo folder(file.absolutePath());
    f.folderExists = folder.isDir();
    f.folderWritable = folder.isWritable();
    if (f.folderExists) {
        const QStorageInfo disk(folder.absoluteFilePath());
        if (disk.isValid()) f.bytesFree = disk.bytesAvailable();
    }
    return f;
}

FileProblem ReadProblem(const FileFacts &f) {
    if (f.nameTooLong) return FileProblem::NameTooLong;
    if (!f.exists) return f.folderExists ? FileProblem::NotFound : FileProblem::FolderNotFound;
    if (f.isFolder) return FileProblem::IsFolder;
    if (!f.readable) return FileProblem::NoPermission;
    return FileProblem::Other;
}

QString NameTooLongText() {
    return QStringLiteral("名前が長すぎます。パス全体か、その中のファイル名かフォルダ名が、システムの扱える長さを超えています。");
}

FileProblem WriteProblem(const FileFacts &f, qint64 bytesToWrite) {
    if (f.nameTooLong) return FileProblem::NameTooLong;
    if (!f.folderExists) return FileProblem::FolderNotFound;
    if (f.isFolder) return FileProblem::IsFolder;
    if (f.exists && !f.writable) return FileProblem::NoPermission;
    if (!f.folderWritable) return FileProblem::FolderNotWritable;
    // A full disk may cut the write short without any error of its own.
    if (f.bytesFree >= 0 && f.bytesFree < bytesToWrite) return FileProblem::DiskFull;
    return FileProblem::Other;
}

}  // namespace brennvik
