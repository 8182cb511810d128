#include "platform/AnsiCodec.h"
#include "platform/AnsiFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/resource.h>

#include <csignal>

namespace brennvik {
namespace {

QByteArray Read(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void Write(const QString &path, const QByteArray &bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

TEST(AnsiCodecTest, ReadsAndWritesCodePage932) {
    const struct {
        const char *name;
        QByteArray bytes;
        QString text;
    } cases[] = {
        {"backslash and tilde stay ASCII", "N1 \\ ~", QStringLiteral("N1 \\ ~")},
        {"half-width katakana", "\xB1\xB2\xDF", QStringLiteral("ｱｲﾟ")},
        {"full-width katakana", "\x83\x41\x83\x43", QStringLiteral("アイ")},
        {"kanji", "\x8A\xBF\x8E\x9A", QStringLiteral("漢字")},
        {"two-byte character at the very end", "(\x83\x65\x83\x58\x83\x67)\r\n\x88\x9F", QStringLiteral("(テスト)\r\n亜")},
        {"second byte in the ASCII range", "\x83\x5C\x83\x7E", QStringLiteral("ソミ")},
        {"empty", "", QString()},
    };
    for (const auto &c : cases) {
        const DecodeResult d = AnsiCodec::decode(c.bytes);
        EXPECT_TRUE(d.ok) << c.name;
        EXPECT_EQ(d.text, c.text) << c.name;
        const EncodeResult e = AnsiCodec::encode(c.text);
        EXPECT_TRUE(e.ok) << c.name;
        EXPECT_EQ(e.bytes, c.bytes) << c.name;
    }
}

TEST(AnsiCodecTest, ReportsTheFirstByteThatIsNoCodePage932) {
    const struct {
        const char *name;
        QByteArray bytes;
        qsizetype firstBad;
        QString text;
    } cases[] = {
        {"lead byte cut off at the end", "AB\x82", 2, QStringLiteral("AB\uFFFD")},
        {"undefined single byte", "\x80X", 0, QStringLiteral("\uFFFDX")},
        {"lead byte before a blank", "A\x81 B", 1, QStringLiteral("A\uFFFD B")},
        {"two bad bytes", "\xFD\xFE", 0, QStringLiteral("\uFFFD\uFFFD")},
    };
    for (const auto &c : cases) {
        const DecodeResult d = AnsiCodec::decode(c.bytes);
        EXPECT_FALSE(d.ok) << c.name;
        EXPECT_EQ(d.firstBadByte, c.firstBad) << c.name;
        EXPECT_EQ(d.text, c.text) << c.name;
    }
}

TEST(AnsiCodecTest, ReportsTheFirstCharacterCodePage932CannotHold) {
    const struct {
        const char *name;
        QString text;
        qsizetype firstBad;
        QByteArray kept;
    } cases[] = {
        {"euro sign", QStringLiteral("ab€c"), 2, "abc"},
        // The converter would write these as 0x5C and 0x7E, which read back as "\" and "~".
        {"yen sign", QStringLiteral("¥100"), 0, "100"},
        {"overline", QStringLiteral("a‾b"), 1, "ab"},
        {"wave dash read back as full-width tilde", QStringLiteral("1〜2"), 1, "12"},
        {"character outside the basic plane", QStringLiteral("x😀y"), 1, "xy"},
        {"the replacement mark of an unreadable byte", QStringLiteral("N\uFFFD"), 1, "N"},
    };
    for (const auto &c : cases) {
        const EncodeResult e = AnsiCodec::encode(c.text);
        EXPECT_FALSE(e.ok) << c.name;
        EXPECT_EQ(e.firstBadChar, c.firstBad) << c.name;
        EXPECT_EQ(e.bytes, c.kept) << c.name;
    }
}

// Each refused character used to make the converter start over on the rest
// of the text; a document with many of them froze the save.
TEST(AnsiCodecTest, ManyRefusedCharactersAreAllLeftOutInOnePass) {
    // Refused and near-match characters of one and two UTF-16 units, between
    // runs with single- and double-byte characters.
    const QString refused[] = {QStringLiteral("€"), QStringLiteral("¥"), QStringLiteral("😀"), QStringLiteral("〜"),
                               QStringLiteral("\uFFFD")};
    const QString run = QStringLiteral("N000 G01 X1.5 (ｱ亜)");
    const QByteArray runBytes = "N000 G01 X1.5 (\xB1\x88\x9F)";
    QString text;
    QByteArray kept;
    for (int i = 0; i < 5000; ++i) {
        text += run + refused[i % 5];
        kept += runBytes;
    }
    const EncodeResult e = AnsiCodec::encode(text);
    EXPECT_FALSE(e.ok);
    EXPECT_EQ(e.firstBadChar, run.size());
    EXPECT_EQ(e.bytes, kept);
    const EncodeResult tail = AnsiCodec::encode(QStringLiteral("ab") + run + QStringLiteral("😀") + run);
    EXPECT_EQ(tail.firstBadChar, run.size() + 2);
    EXPECT_EQ(tail.bytes, "ab" + runBytes + runBytes);
}

TEST(AnsiCodecTest, CharacterCodesAreSignedForDoubleBytes) {
    EXPECT_EQ(AnsiCodec::charCode(u'A'), 65);
    EXPECT_EQ(AnsiCodec::charCode(u'\\'), 0x5C);
    EXPECT_EQ(AnsiCodec::charCode(QChar(0xFF71)), 0xB1);  // ｱ
    EXPECT_EQ(AnsiCodec::charCode(QChar(0x30A2)), int16_t(0x8341));  // ア
    EXPECT_EQ(AnsiCodec::charCode(QChar(0x20AC)), 63);  // €
}

TEST(AnsiFilesTest, WritesExactlyTheTextsBytes) {
    QTemporaryDir dir;
    const QString path = dir.filePath("p.min");
    const AnsiFileWrite w = WriteAnsiFile(path, QStringLiteral("(漢字)\r\nN1 ~\\"));
    ASSERT_TRUE(w.ok) << w.error.toStdString();
    // No byte-order mark, no line end added.
    EXPECT_EQ(Read(path), QByteArray("(\x8A\xBF\x8E\x9A)\r\nN1 ~\\"));
}

TEST(AnsiFilesTest, AFailedWriteLeavesTheOldFileWhole) {
    QTemporaryDir dir;
    const QString old = dir.filePath("old.min");
    Write(old, "OLD\r\n");
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder"));
    const struct {
        const char *name;
        QString path;
    } cases[] = {
        {"parent is a regular file", dir.filePath("old.min/new.min")},
        {"a folder where the file should be", dir.filePath("folder")},
    };
    for (const auto &c : cases) {
        const AnsiFileWrite w = WriteAnsiFile(c.path, QStringLiteral("NEW\r\n"));
        EXPECT_FALSE(w.ok) << c.name;
        EXPECT_FALSE(w.error.isEmpty()) << c.name;
        EXPECT_EQ(w.badChar, -1) << c.name;
    }
    // A text the code page cannot hold writes nothing at all.
    const AnsiFileWrite w = WriteAnsiFile(old, QStringLiteral("NEW €\r\n"));
    EXPECT_FALSE(w.ok);
    EXPECT_EQ(w.badChar, 4);
    EXPECT_EQ(Read(old), QByteArray("OLD\r\n"));
    EXPECT_TRUE(QFileInfo(dir.filePath("folder")).isDir());
    // No temporary file is left behind.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::NoDotAndDotDot), QStringList({"old.min"}));
}

// A write the disk cut short (a full disk, here a limit on the file size)
// failed only when the buffered bytes went out at the end, after which the
// short file still replaced the old one.
TEST(AnsiFilesTest, AWriteCutShortLeavesTheOldFileWhole) {
    QTemporaryDir dir;
    const QString old = dir.filePath("old.min");
    const QByteArray oldBytes = QByteArray("N1 OLD\r\n").repeated(20);
    Write(old, oldBytes);
    const QString text = QStringLiteral("N2 NEW\r\n").repeated(100);
    rlimit before{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &before), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = before;
    small.rlim_cur = 300;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const AnsiFileWrite w = WriteAnsiFile(old, text);
    setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_FALSE(w.ok);
    EXPECT_EQ(w.problem, FileProblem::Other);
    EXPECT_EQ(Read(old), oldBytes);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::NoDotAndDotDot), QStringList({"old.min"}));
}

TEST(AnsiFilesTest, ReadingTellsWhereWritingBackWouldChangeTheBytes) {
    QTemporaryDir dir;
    const struct {
        const char *name;
        QByteArray bytes;
        qsizetype changed;
        bool readable;
    } cases[] = {
        {"valid file", "N1\r\n(\x8A\xBF)", -1, true},
        {"byte that is no Shift-JIS", "N1\r\nN2 \x80\r\n", 7, false},
        // NEC-selected IBM extension: the same character is written in the IBM row.
        {"code written back another way", "N1 \xED\x40", 3, true},
    };
    for (const auto &c : cases) {
        const QString path = dir.filePath("r.min");
        Write(path, c.bytes);
        const AnsiFileRead r = ReadAnsiFile(path);
        ASSERT_TRUE(r.ok) << c.name;
        EXPECT_EQ(r.bytes, c.bytes) << c.name;
        EXPECT_EQ(r.firstChangedByte, c.changed) << c.name;
        EXPECT_EQ(r.readable, c.readable) << c.name;
    }
    const AnsiFileRead missing = ReadAnsiFile(dir.filePath("missing.min"));
    EXPECT_FALSE(missing.ok);
    EXPECT_FALSE(missing.error.isEmpty());
    EXPECT_FALSE(ReadAnsiFile(dir.path()).ok);  // a folder
}

}  // namespace
}  // namespace brennvik
