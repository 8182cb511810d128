#pragma once
// Whole text files in code page 932, read and written in one go. Writing goes
// to a temporary file beside the target that replaces it only once all is
// written, so a failure leaves the old file whole.

#include "AnsiCodec.h"
#include "FileProblems.h"

#include <QString>

namespace brennvik {

struct AnsiFileRead {
    bool ok = false;         // the file could be read
    FileProblem problem = FileProblem::None;  // why it could not
    QString error;           // the platform's text when it could not
    QString text;            // line ends as in the file
    QByteArray bytes;        // the file as it is
    // Offset of the first byte that writing `text` back would not reproduce
    // (a byte that is no code page 932, or a code the code page writes another
    // way); -1 when writing it back gives the same bytes.
    qsizetype firstChangedByte = -1;
    bool readable = true;    // false when a byte is no code page 932 at all
};

AnsiFileRead ReadAnsiFile(const QString &path);

struct AnsiFileWrite {
    bool ok = false;
    FileProblem problem = FileProblem::None;  // why the file could not be written
    QString error;            // the platform's text when the file could not be written
    qsizetype badChar = -1;   // index of the first character the code page cannot hold; nothing written
};

// Writes exactly the text's bytes: no byte-order mark, no added line end.
AnsiFileWrite WriteAnsiFile(const QString &path, const QString &text);

}  // namespace brennvik
