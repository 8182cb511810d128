#pragma once
// Why a file could not be read or written, in terms a user can act on. The
// platform's own error text often says too little ("Unknown error" when a
// full disk cuts a write short), so the reason is found from the state of
// the file and its folder after the failure.

#include <QString>
#include <QtGlobal>

namespace brennvik {

enum class FileProblem {
    None,
    NameTooLong,        // the path, or a name in it, is longer than the system takes
    NotFound,           // no file of that name
    FolderNotFound,     // the folder it should be in does not exist
    IsFolder,           // the name is a folder's
    NoPermission,       // the file exists but may not be read, or written
    FolderNotWritable,  // nothing may be created in its folder (a save needs a temporary file there)
    DiskFull,           // fewer bytes free than were to be written
    Other,              // something else: the platform's text says what
};

// What a failure is judged by.
struct FileFacts {
    bool nameTooLong = false;
    bool exists = false;
    bool isFolder = false;
    bool readable = false;
    bool writable = false;
    bool folderExists = false;
    bool folderWritable = false;
    qint64 bytesFree = -1;  // on the folder's disk; -1 when unknown
};

FileFacts FileFactsOf(const QString &path);

FileProblem ReadProblem(const FileFacts &facts);
// What a user is told of a name the system refuses for its length.
QString NameTooLongText();
FileProblem WriteProblem(const FileFacts &facts, qint64 bytesToWrite);

}  // namespace brennvik
