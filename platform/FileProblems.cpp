#include "FileProblems.h"

#include <QFileInfo>
#include <QStorageInfo>

namespace brennvik {

FileFacts FileFactsOf(const QString &path) {
    FileFacts f;
    if (path.isEmpty()) {
        f.folderExists = true;  // no name: no such file
        return f;
    }
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
    if (!f.exists) return f.folderExists ? FileProblem::NotFound : FileProblem::FolderNotFound;
    if (f.isFolder) return FileProblem::IsFolder;
    if (!f.readable) return FileProblem::NoPermission;
    return FileProblem::Other;
}

FileProblem WriteProblem(const FileFacts &f, qint64 bytesToWrite) {
    if (!f.folderExists) return FileProblem::FolderNotFound;
    if (f.isFolder) return FileProblem::IsFolder;
    if (f.exists && !f.writable) return FileProblem::NoPermission;
    if (!f.folderWritable) return FileProblem::FolderNotWritable;
    // A full disk may cut the write short without any error of its own.
    if (f.bytesFree >= 0 && f.bytesFree < bytesToWrite) return FileProblem::DiskFull;
    return FileProblem::Other;
}

}  // namespace brennvik
