#pragma once
// The messages about program files: a file that cannot be opened or saved,
// a character that cannot be saved, a file whose bytes a save would change,
// files left out of a full set of documents. They name a path whole unless
// it is longer than any file system takes.

#include "platform/FileProblems.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace brennvik {

// The 1-based line of a position. A line ends in CR LF, a bare CR or a bare
// LF, in file bytes and in text alike.
int LineNumberAt(const QString &text, qsizetype position);
int LineNumberAt(const QByteArray &bytes, qsizetype position);

// The message that refuses to save a text whose character at `badChar` the
// code page cannot hold; it names the line and quotes it, a long line only
// around the character.
QString UnsavableCharacterMessage(const QString &text, qsizetype badChar);
// The warning for a file whose bytes saving would not give back; `offset` is
// the first such byte.
QString ChangedBytesWarning(const QString &path, const QByteArray &bytes, qsizetype offset, bool readable);

// A file that could not be opened, or saved: the file, what happened and,
// for a save, that the document stays open with its changes. `platformText`
// is told only where the problem has no words of its own.
QString OpenFailureMessage(const QString &path, FileProblem problem, const QString &platformText);
QString SaveFailureMessage(const QString &path, FileProblem problem, const QString &platformText);

// Files not opened because every document slot was taken: the first ten
// named, the rest counted.
QString FilesLeftOutMessage(const QStringList &paths);

}  // namespace brennvik
