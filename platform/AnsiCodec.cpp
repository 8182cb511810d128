#include "AnsiCodec.h"

#include <iconv.h>

#include <cerrno>
#include <stdexcept>

namespace brennvik {

namespace {

class Iconv {
public:
    Iconv(const char *to, const char *from) : m_cd(iconv_open(to, from)) {
        if (m_cd == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error("code page 932 converter is not available");
    }
    ~Iconv() { iconv_close(m_cd); }
    Iconv(const Iconv &) = delete;
    Iconv &operator=(const Iconv &) = delete;
    iconv_t get() const { return m_cd; }

private:
    iconv_t m_cd;
};

// Converts one run; returns the number of input bytes consumed before a
// failure (or all of them).
size_t Convert(iconv_t cd, const char *in, size_t inLen, QByteArray *out) {
    size_t left = inLen;
    char *inPtr = const_cast<char *>(in);
    while (left > 0) {
        char buf[4096];
        char *outPtr = buf;
        size_t outLeft = sizeof buf;
        const size_t r = iconv(cd, &inPtr, &left, &outPtr, &outLeft);
        out->append(buf, static_cast<qsizetype>(sizeof buf - outLeft));
        if (r == static_cast<size_t>(-1) && errno != E2BIG) break;
    }
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    return inLen - left;
}

}  // namespace

DecodeResult AnsiCodec::decode(const QByteArray &bytes) {
    DecodeResult result;
    Iconv cd("UTF-8", "CP932");
    QByteArray utf8;
    qsizetype pos = 0;
    while (pos < bytes.size()) {
        const size_t used = Convert(cd.get(), bytes.constData() + pos, size_t(bytes.size() - pos), &utf8);
        pos += qsizetype(used);
        if (pos < bytes.size()) {
            if (result.ok) { result.ok = false; result.firstBadByte = pos; }
            utf8.append("\xEF\xBF\xBD");
            ++pos;
        }
    }
    result.text = QString::fromUtf8(utf8);
    return result;
}

EncodeResult AnsiCodec::encode(const QString &text) {
    EncodeResult result;
    Iconv cd("CP932", "UTF-8");
    qsizetype i = 0;
    while (i < text.size()) {
        // Convert the longest run that encodes, then step over the failing character.
        const QByteArray utf8 = text.mid(i).toUtf8();
        const size_t used = Convert(cd.get(), utf8.constData(), size_t(utf8.size()), &result.bytes);
        if (used == size_t(utf8.size())) break;
        const qsizetype charsDone = QString::fromUtf8(utf8.constData(), qsizetype(used)).size();
        i += charsDone;
        if (result.ok) { result.ok = false; result.firstBadChar = i; }
        i += (text[i].isHighSurrogate() && i + 1 < text.size()) ? 2 : 1;
    }
    return result;
}

QByteArray AnsiCodec::encodeChar(QChar c) {
    const EncodeResult r = encode(QString(c));
    return r.ok ? r.bytes : QByteArray();
}

}  // namespace brennvik
