#include "AnsiCodec.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <iterator>
#include <stdexcept>
#include <vector>

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

qsizetype CharWidth(const QString &text, qsizetype i) {
    return (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) ? 2 : 1;
}

// Encodes what the converter accepts; `skipped` gets the index of every
// character it refused, in order.
QByteArray EncodeAccepted(const QString &text, std::vector<qsizetype> *skipped) {
    Iconv cd("CP932", "UTF-8");
    QByteArray bytes;
    qsizetype i = 0;
    while (i < text.size()) {
        // Convert the longest run that encodes, then step over the failing character.
        const QByteArray utf8 = text.mid(i).toUtf8();
        const size_t used = Convert(cd.get(), utf8.constData(), size_t(utf8.size()), &bytes);
        if (used == size_t(utf8.size())) break;
        i += QString::fromUtf8(utf8.constData(), qsizetype(used)).size();
        skipped->push_back(i);
        i += CharWidth(text, i);
    }
    return bytes;
}

QString Without(const QString &text, const std::vector<qsizetype> &indices) {
    QString kept;
    kept.reserve(text.size());
    size_t k = 0;
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype w = CharWidth(text, i);
        if (k < indices.size() && indices[k] == i) {
            ++k;
        } else {
            kept += text.mid(i, w);
        }
        i += w;
    }
    return kept;
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
            if (result.ok) {
                result.ok = false;
                result.firstBadByte = pos;
            }
            utf8.append("\xEF\xBF\xBD");
            ++pos;
        }
    }
    result.text = QString::fromUtf8(utf8);
    return result;
}

EncodeResult AnsiCodec::encode(const QString &text) {
    EncodeResult result;
    std::vector<qsizetype> refused;
    result.bytes = EncodeAccepted(text, &refused);
    // Every accepted character is one UTF-16 unit and reads back as one, so
    // the read-back lines up with the accepted characters.
    const QString accepted = Without(text, refused);
    const QString back = decode(result.bytes).text;
    std::vector<qsizetype> nearMatches;
    if (back != accepted) {
        size_t k = 0;
        for (qsizetype i = 0, j = 0; i < text.size(); i += CharWidth(text, i)) {
            if (k < refused.size() && refused[k] == i) {
                ++k;
                continue;
            }
            if (j >= back.size() || back[j] != text[i]) nearMatches.push_back(i);
            ++j;
        }
    }
    if (refused.empty() && nearMatches.empty()) return result;
    std::vector<qsizetype> bad;
    bad.reserve(refused.size() + nearMatches.size());
    std::merge(refused.begin(), refused.end(), nearMatches.begin(), nearMatches.end(), std::back_inserter(bad));
    result.ok = false;
    result.firstBadChar = bad.front();
    if (!nearMatches.empty()) {
        std::vector<qsizetype> none;
        result.bytes = EncodeAccepted(Without(text, bad), &none);
    }
    return result;
}

QByteArray AnsiCodec::encodeChar(QChar c) {
    const EncodeResult r = encode(QString(c));
    return r.ok ? r.bytes : QByteArray();
}

int AnsiCodec::charCode(QChar c) {
    const QByteArray b = encodeChar(c);
    if (b.isEmpty()) return 63;
    if (b.size() == 1) return static_cast<unsigned char>(b[0]);
    return static_cast<int16_t>((static_cast<unsigned char>(b[0]) << 8) | static_cast<unsigned char>(b[1]));
}

}  // namespace brennvik
