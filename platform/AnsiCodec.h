#pragma once
// Program files are text in code page 932 (Shift-JIS as Windows extends it).
// This module is the only place that converts between those bytes and text.
// It never substitutes silently: it tells where a byte could not be read or a
// character cannot be written.

#include <QByteArray>
#include <QString>

namespace brennvik {

struct DecodeResult {
    QString text;
    bool ok = true;
    qsizetype firstBadByte = -1;  // offset of the first byte that is not code page 932
};

struct EncodeResult {
    QByteArray bytes;
    bool ok = true;
    qsizetype firstBadChar = -1;  // index (in UTF-16 units) of the first character code page 932 cannot hold
};

class AnsiCodec {
public:
    // Undecodable bytes become U+FFFD in the text, one per byte.
    static DecodeResult decode(const QByteArray &bytes);
    // Characters the code page cannot hold are left out of the bytes. A
    // character counts as held only when its bytes read back as the same
    // character: the converter's near matches (the yen sign written as 0x5C,
    // which reads back as a backslash) are refused too.
    static EncodeResult encode(const QString &text);
    // The bytes of one character; empty when the code page cannot hold it.
    static QByteArray encodeChar(QChar c);
    // The character's code: one byte as 0..255, two bytes as a signed 16-bit
    // number (negative for every double-byte character); 63 ("?") when the
    // code page cannot hold it.
    static int charCode(QChar c);
};

}  // namespace brennvik
