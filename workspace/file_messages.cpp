#include "file_messages.h"

#include "document_slots.h"
#include "platform/MsgBox.h"

#include <algorithm>

namespace brennvik {

namespace {

template <typename Text>
int CountLineNumber(const Text &text, qsizetype position) {
    position = std::min(position, text.size());
    int line = 1;
    for (qsizetype i = 0; i < position; ++i) {
        if (text[i] == '\n' || (text[i] == '\r' && (i + 1 >= text.size() || text[i + 1] != '\n'))) ++line;
    }
    return line;
}

bool IsLineEnd(QChar c) { return c == u'\r' || c == u'\n'; }

// Files named in the message about files left out; the rest are counted.
constexpr qsizetype kFilesNamed = 10;

// Characters quoted on either side of a refused one in a long line.
constexpr qsizetype kQuoteReach = 20;

// The line that holds `position`, without its line end; a long one cut to
// the characters around [position, position + width), with "…" where cut.
QString QuotedLine(const QString &text, qsizetype position, qsizetype width) {
    qsizetype start = position;
    while (start > 0 && !IsLineEnd(text[start - 1])) --start;
    qsizetype end = position + width;
    while (end < text.size() && !IsLineEnd(text[end])) ++end;
    qsizetype from = std::max(start, position - kQuoteReach);
    qsizetype to = std::min(end, position + width + kQuoteReach);
    // Never half a character outside the basic plane.
    if (from > start && text[from].isLowSurrogate()) --from;
    if (to < end && text[to].isLowSurrogate()) ++to;
    QString quote = text.mid(from, to - from);
    if (from > start) quote.prepend(u'…');
    if (to < end) quote.append(u'…');
    return quote;
}

QString ProblemText(FileProblem problem, bool saving, const QString &platformText) {
    switch (problem) {
    case FileProblem::NameTooLong: return NameTooLongText();
    case FileProblem::NotFound: return QStringLiteral("ファイルが見つかりません。");
    case FileProblem::FolderNotFound:
        return saving ? QStringLiteral("保存先のフォルダが見つかりません。") : QStringLiteral("フォルダが見つかりません。");
    case FileProblem::IsFolder:
        return saving ? QStringLiteral("同じ名前のフォルダがあります。") : QStringLiteral("ファイルではなくフォルダです。");
    case FileProblem::NoPermission:
        return saving ? QStringLiteral("ファイルが読み取り専用か、書き込む権限がありません。")
                      : QStringLiteral("ファイルを読む権限がありません。");
    case FileProblem::FolderNotWritable:
        return QStringLiteral("フォルダに書き込む権限がありません。保存は同じフォルダに一時ファイルを作ってから"
                              "置き換えるので、ファイルに書き込めてもフォルダへの書き込み権限が必要です。");
    case FileProblem::DiskFull: return QStringLiteral("ディスクの空き容量が足りません。");
    case FileProblem::None:
    case FileProblem::Other: break;
    }
    const QString what = saving ? QStringLiteral("書き込みに失敗しました。") : QStringLiteral("読み込みに失敗しました。");
    return platformText.isEmpty() ? what : what + QStringLiteral("（") + platformText + QStringLiteral("）");
}

}  // namespace

int LineNumberAt(const QString &text, qsizetype position) { return CountLineNumber(text, position); }
int LineNumberAt(const QByteArray &bytes, qsizetype position) { return CountLineNumber(bytes, position); }

QString ChangedBytesWarning(const QString &path, const QByteArray &bytes, qsizetype offset, bool readable) {
    const QString line = QString::number(LineNumberAt(bytes, offset));
    if (!readable)
        return QStringLiteral("%1 の %2 行目に Shift-JIS として読めないバイトがあります。"
                              "読めないバイトは「\uFFFD」で表示しています。\r\n"
                              "「\uFFFD」をほかの文字に置き換えるまで、このファイルは保存できません。")
            .arg(QuotedPath(path), line);
    return QStringLiteral("%1 の %2 行目に、Shift-JIS では別の符号で書き戻される文字があります。\r\n"
                          "保存するとファイルのバイトが変わります。")
        .arg(QuotedPath(path), line);
}

QString UnsavableCharacterMessage(const QString &text, qsizetype badChar) {
    const qsizetype width = text[badChar].isHighSurrogate() && badChar + 1 < text.size() ? 2 : 1;
    const QString line = QString::number(LineNumberAt(text, badChar));
    return QStringLiteral("%1 行目の文字「%2」は Shift-JIS で保存できません。\r\n%1: %3\r\n保存していません。")
        .arg(line, text.mid(badChar, width), QuotedLine(text, badChar, width));
}

QString OpenFailureMessage(const QString &path, FileProblem problem, const QString &platformText) {
    return QStringLiteral("ファイルを開けません。\r\n%1\r\n%2")
        .arg(QuotedPath(path), ProblemText(problem, false, platformText));
}

QString SaveFailureMessage(const QString &path, FileProblem problem, const QString &platformText) {
    return QStringLiteral("ファイルを保存できません。\r\n%1\r\n%2\r\n"
                          "保存していません。文書は開いたままで、変更もそのまま残っています。")
        .arg(QuotedPath(path), ProblemText(problem, true, platformText));
}

QString FilesLeftOutMessage(const QStringList &paths) {
    QStringList named;
    for (qsizetype i = 0; i < std::min(paths.size(), kFilesNamed); ++i) named << QuotedPath(paths[i]);
    if (paths.size() > kFilesNamed) named << QStringLiteral("ほか %1 件").arg(paths.size() - kFilesNamed);
    return QStringLiteral("同時に開けるファイルは %1 つまでです。次のファイルは開いていません。\r\n%2")
        .arg(QString::number(kDocumentSlots), named.join(QStringLiteral("\r\n")));
}

}  // namespace brennvik
