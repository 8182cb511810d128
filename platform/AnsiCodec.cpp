#include "AnsiCodec.h"

#include <iconv.h>

#include <cerrno>
#include <cstdint>
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

// What the code page makes of each character of the basic plane, looked up
// once per character and kept: a whole document is then encoded by table,
// in one pass, however many characters it refuses. (Asking the converter
// again behind every refused character made it convert ahead and back each
// time.)
class CharTable {
public:
    static constexpr uint16_t kUnknown = 0xFFFF;  // no code page 932 code is this
    static constexpr uint16_t kRefused = 0xFFFE;  // nor this

    // One byte as 0..255, two bytes as lead * 256 + trail (always above 255),
    // or kRefused.
    uint16_t Code(char16_t c) {
        uint16_t &code = m_codes[c];
        if (code == kUnknown) code = LookUp(c);
        return code;
    }

private:
    // A character counts as held only when its bytes read back as the same
    // character: the converter's near matches are refused too.
    uint16_t LookUp(char16_t c) {
        if (QChar::isSurrogate(c)) return kRefused;
        const QByteArray utf8 = QString(QChar(c)).toUtf8();
        QByteArray bytes;
        if (Convert(m_encoder.get(), utf8.constData(), size_t(utf8.size()), &bytes) != size_t(utf8.size()))
            return kRefused;
        QByteArray back;
        if (bytes.isEmpty() || bytes.size() > 2 ||
            Convert(m_decoder.get(), bytes.constData(), size_t(bytes.size()), &back) != size_t(bytes.size()) ||
            back != utf8)
            return kRefused;
        const auto lead = static_cast<unsigned char>(bytes[0]);
        return bytes.size() == 1 ? lead : uint16_t(lead << 8 | static_cast<unsigned char>(bytes[1]));
    }

    Iconv m_encoder{"CP932", "UTF-8"};
    Iconv m_decoder{"UTF-8", "CP932"};
    std::vector<uint16_t> m_codes = std::vector<uint16_t>(0x10000, kUnknown);
};

CharTable &Table() {
    static CharTable table;
    return table;
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
    CharTable &table = Table();
    const qsizetype n = text.size();
    result.bytes.resize(2 * n);
    char *out = result.bytes.data();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = text[i].unicode();
        const uint16_t code = table.Code(c);
        if (code == CharTable::kRefused) {
            if (result.ok) {
                result.ok = false;
                result.firstBadChar = i;
            }
            // A character outside the basic plane is refused whole.
            if (QChar::isHighSurrogate(c) && i + 1 < n && text[i + 1].isLowSurrogate()) ++i;
            continue;
        }
        if (code > 0xFF) *out++ = char(code >> 8);
        *out++ = char(code & 0xFF);
    }
    result.bytes.truncate(out - result.bytes.constData());
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
