#include "workspace/file_messages.h"

#include <gtest/gtest.h>

namespace brennvik {
namespace {

// The open warning counted line feeds only, so a file with bare CR line
// ends was always "line 1"; the save refusal counted right.
TEST(FileMessagesTest, EveryKindOfLineEndEndsALine) {
    const struct {
        const char *text;
        qsizetype position;
        int line;
    } cases[] = {
        {"N1\r\nN2\r\nN3", 8, 3},
        {"N1\rN2\rN3", 6, 3},
        {"N1\nN2\nN3", 6, 3},
        {"N1\r\nN2\rN3\nN4", 11, 4},
        {"N1\r\n", 3, 1},  // between CR and LF the line has not ended yet
        {"N1\r\n", 4, 2},
        {"N1\r", 3, 2},
        {"\r\r\n\n", 4, 4},
        {"N1", 0, 1},
        {"N1\rN2", 99, 2},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(LineNumberAt(QByteArray(c.text), c.position), c.line) << c.text << " @" << c.position;
        EXPECT_EQ(LineNumberAt(QString::fromLatin1(c.text), c.position), c.line) << c.text << " @" << c.position;
    }
    EXPECT_EQ(ChangedBytesWarning("P.MIN", "N1\rN2\r(\x80)\r", 7, false).left(12), "P.MIN の 3 行目");
}

// A 1 MB line was quoted whole: the message box grew taller than the screen.
TEST(FileMessagesTest, TheRefusalQuotesALongLineOnlyAroundTheCharacter) {
    const QString pad(1000000, u'X');
    const QString twenty(20, u'X');
    const struct {
        const char *what;
        QString text;
        qsizetype bad;
        QString quote;
    } cases[] = {
        {"short line", "N1\r\nN2 (€) X1.\r\nN3", 8, "N2 (€) X1."},
        {"bare CR line ends", "N1\rN2 (€)\rN3", 7, "N2 (€)"},
        {"long line", "N1\r\n" + pad + "€" + pad + "\r\nN3", 4 + pad.size(), "…" + twenty + "€" + twenty + "…"},
        {"near its start", "ab€" + pad, 2, "ab€" + twenty + "…"},
        {"near its end", pad + "€cd\r\n", pad.size(), "…" + twenty + "€cd"},
        {"a character of two units", pad + "😀" + pad, pad.size(), "…" + twenty + "😀" + twenty + "…"},
        {"not half a pair at the cut", "😀" + QString(19, u'X') + "€" + QString(19, u'X') + "😀X",
         21, "😀" + QString(19, u'X') + "€" + QString(19, u'X') + "😀…"},
    };
    for (const auto &c : cases) {
        const QString message = UnsavableCharacterMessage(c.text, c.bad);
        const QString line = QString::number(LineNumberAt(c.text, c.bad));
        const QString character = c.text.mid(c.bad, c.text[c.bad].isHighSurrogate() ? 2 : 1);
        EXPECT_EQ(message, line + " 行目の文字「" + character + "」は Shift-JIS で保存できません。\r\n" + line + ": " +
                               c.quote + "\r\n保存していません。")
            << c.what;
    }
}

TEST(FileMessagesTest, OpenAndSaveFailuresNameTheFileAndWhatHappened) {
    const QString path = "/home/nc/P1.MIN";
    const struct {
        FileProblem problem;
        const char *opening, *saving;
    } cases[] = {
        {FileProblem::NameTooLong,
         "名前が長すぎます。パス全体か、その中のファイル名かフォルダ名が、システムの扱える長さを超えています。",
         "名前が長すぎます。パス全体か、その中のファイル名かフォルダ名が、システムの扱える長さを超えています。"},
        {FileProblem::NotFound, "ファイルが見つかりません。", "ファイルが見つかりません。"},
        {FileProblem::FolderNotFound, "フォルダが見つかりません。", "保存先のフォルダが見つかりません。"},
        {FileProblem::IsFolder, "ファイルではなくフォルダです。", "同じ名前のフォルダがあります。"},
        {FileProblem::NoPermission, "ファイルを読む権限がありません。",
         "ファイルが読み取り専用か、書き込む権限がありません。"},
        {FileProblem::FolderNotWritable,
         "フォルダに書き込む権限がありません。保存は同じフォルダに一時ファイルを作ってから置き換えるので、"
         "ファイルに書き込めてもフォルダへの書き込み権限が必要です。",
         "フォルダに書き込む権限がありません。保存は同じフォルダに一時ファイルを作ってから置き換えるので、"
         "ファイルに書き込めてもフォルダへの書き込み権限が必要です。"},
        {FileProblem::DiskFull, "ディスクの空き容量が足りません。", "ディスクの空き容量が足りません。"},
        {FileProblem::Other, "読み込みに失敗しました。（Input/output error）",
         "書き込みに失敗しました。（Input/output error）"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(OpenFailureMessage(path, c.problem, "Input/output error"),
                  "ファイルを開けません。\r\n/home/nc/P1.MIN\r\n" + QString::fromUtf8(c.opening));
        EXPECT_EQ(SaveFailureMessage(path, c.problem, "Input/output error"),
                  "ファイルを保存できません。\r\n/home/nc/P1.MIN\r\n" + QString::fromUtf8(c.saving) +
                      "\r\n保存していません。文書は開いたままで、変更もそのまま残っています。");
    }
    EXPECT_EQ(SaveFailureMessage(path, FileProblem::Other, QString()).split("\r\n")[2], "書き込みに失敗しました。");
}

}  // namespace
}  // namespace brennvik
