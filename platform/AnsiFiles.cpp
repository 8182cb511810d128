#include "AnsiFiles.h"

#include <QFile>
#include <QSaveFile>

namespace brennvik {

AnsiFileRead ReadAnsiFile(const QString &path) {
    AnsiFileRead r;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        r.error = file.errorString();
        r.problem = ReadProblem(FileFactsOf(path));
        return r;
    }
    r.bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        r.error = file.errorString();
        r.problem = ReadProblem(FileFactsOf(path));
        return r;
    }
    r.ok = true;
    const DecodeResult decoded = AnsiCodec::decode(r.bytes);
    r.text = decoded.text;
    r.readable = decoded.ok;
    if (!decoded.ok) {
        r.firstChangedByte = decoded.firstBadByte;
    } else {
        const QByteArray again = AnsiCodec::encode(decoded.text).bytes;
        if (again != r.bytes) {
            qsizetype i = 0;
            while (i < again.size() && i < r.bytes.size() && again[i] == r.bytes[i]) ++i;
            r.firstChangedByte = i;
        }
    }
    return r;
}

AnsiFileWrite WriteAnsiFile(const QString &path, const QString &text) {
    AnsiFileWrite w;
    const EncodeResult encoded = AnsiCodec::encode(text);
    if (!encoded.ok) {
        w.badChar = encoded.firstBadChar;
        return w;
    }
    QSaveFile file(path);
    // Unbuffered, so that a write the disk cuts short fails here: buffered
    // bytes going out only at the commit failed unnoticed, and the short
    // file replaced the old one.
    const bool written = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) &&
                         file.write(encoded.bytes) == encoded.bytes.size() && file.flush() && file.commit();
    if (!written) {
        w.error = file.errorString();
        file.cancelWriting();
        w.problem = WriteProblem(FileFactsOf(path), encoded.bytes.size());
        return w;
    }
    w.ok = true;
    return w;
}

}  // namespace brennvik
