#include "cutting_conditions.h"

#include "platform/AnsiCodec.h"
#include "platform/MsgBox.h"
#include "machine_settings.h"
#include "workspace/runtime.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace brennvik {

QString g_CuttingConditions[kCuttingConditionRows + 1][kCuttingConditionFields + 1];

namespace {

bool IsBlank(QChar c) { return c == u' ' || c == u'\t'; }

}  // namespace

QStringList SplitConditionLine(const QString &line) {
    QStringList fields;
    const qsizetype n = line.size();
    qsizetype pos = 0;
    while (true) {
        while (pos < n && IsBlank(line[pos])) ++pos;
        QString field;
        if (pos < n && line[pos] == u'"') {
            const qsizetype close = line.indexOf(u'"', pos + 1);
            const qsizetype end = close < 0 ? n : close;
            field = line.mid(pos + 1, end - pos - 1);
            pos = close < 0 ? n : close + 1;
            // Whatever stands between the closing quote and the comma is dropped.
            const qsizetype comma = line.indexOf(u',', pos);
            pos = comma < 0 ? n : comma;
        } else {
            const qsizetype comma = line.indexOf(u',', pos);
            const qsizetype end = comma < 0 ? n : comma;
            field = line.mid(pos, end - pos);
            while (!field.isEmpty() && IsBlank(field.back())) field.chop(1);
            pos = end;
        }
        fields << field;
        if (pos >= n) break;
        ++pos;  // the comma
    }
    return fields;
}

ConditionFileContent ParseCuttingConditions(const QByteArray &bytes) {
    ConditionFileContent content;
    const DecodeResult decoded = AnsiCodec::decode(bytes);
    if (!decoded.ok) {
        content.reason = QStringLiteral("Shift-JIS で読めないバイトがあります（%1 バイト目）。")
                             .arg(decoded.firstBadByte + 1);
        return content;
    }
    QStringList lines = decoded.text.split(QRegularExpression(QStringLiteral("\r\n|\r|\n")));
    // A final line end closes the last line; it does not begin another one.
    if (!lines.isEmpty() && lines.back().isEmpty()) lines.removeLast();
    for (qsizetype i = 2; i < lines.size(); ++i) {
        if (lines[i].trimmed().isEmpty()) continue;
        QStringList fields = SplitConditionLine(lines[i]);
        while (fields.size() < kCuttingConditionFields) fields << QString();
        content.records.push_back(fields.mid(0, kCuttingConditionFields));
        content.recordLines.push_back(int(i) + 1);
        if (int(content.records.size()) == kCuttingConditionRows) break;
    }
    if (content.records.empty()) {
        content.reason = QStringLiteral("加工条件が1行もありません。");
        return content;
    }
    content.ok = true;
    return content;
}

namespace {

// Rows no process asks for.
bool RowIsUsed(int row) { return row != 28 && row != 29 && row != 31 && row != 32; }

// Rows listed by name in a warning; the rest are counted.
constexpr int kRowsNamed = 10;

}  // namespace

QString ConditionFileWarning(const QString &path, const ConditionFileContent &content) {
    QStringList badRows;
    int unnamed = 0;
    for (size_t r = 0; r < content.records.size(); ++r) {
        const int row = int(r) + 1;
        double value = 0;
        if (!RowIsUsed(row) || (TryParseNumber(content.records[r][3], &value) &&
                                TryParseNumber(content.records[r][4], &value)))
            continue;
        if (badRows.size() < kRowsNamed)
            badRows << QStringLiteral("条件 %1（%2 行目）").arg(row).arg(content.recordLines[r]);
        else
            ++unnamed;
    }
    const int rowsRead = int(content.records.size());
    if (badRows.isEmpty() && rowsRead >= kCuttingConditionRows) return QString();
    QString text = QStringLiteral("加工条件ファイルの一部が使えません。\n") + QuotedPath(path) + u'\n';
    if (!badRows.isEmpty()) {
        text += QStringLiteral("主軸または切削水の欄が数値ではありません: ") + badRows.join(QStringLiteral("、"));
        if (unnamed > 0) text += QStringLiteral("、ほか %1 件").arg(unnamed);
        text += u'\n';
    }
    if (rowsRead < kCuttingConditionRows)
        text += QStringLiteral("ファイルが条件 %1 で終わっています。条件 %2～%3 がありません。\n")
                    .arg(rowsRead)
                    .arg(rowsRead + 1)
                    .arg(kCuttingConditionRows);
    return text + QStringLiteral("これらの条件を使う工程はエラーになります。");
}

namespace {

void ReportUnreadable(const QString &path, const QString &reason) {
    MsgBox(QStringLiteral("加工条件ファイルを読み込めません。\n%1\n%2\n加工条件は前のままです。").arg(QuotedPath(path), reason),
           vbOKOnly | vbExclamation, QStringLiteral("加工条件"));
}

}  // namespace

bool LoadCuttingConditionsFrom(const QString &path) {
    if (!QFileInfo(path).isFile()) {
        ReportUnreadable(path, QStringLiteral("ファイルが見つかりません。"));
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ReportUnreadable(path, QStringLiteral("ファイルを開けません。"));
        return false;
    }
    const QByteArray bytes = file.readAll();
    const bool readFailed = file.error() != QFileDevice::NoError;
    file.close();
    if (readFailed) {
        ReportUnreadable(path, QStringLiteral("ファイルを読めません。"));
        return false;
    }
    const ConditionFileContent content = ParseCuttingConditions(bytes);
    if (!content.ok) {
        ReportUnreadable(path, content.reason);
        return false;
    }
    ResetCuttingConditions();
    for (size_t r = 0; r < content.records.size(); ++r)
        for (int c = 1; c <= kCuttingConditionFields; ++c)
            g_CuttingConditions[r + 1][c] = content.records[r][c - 1];
    const QString warning = ConditionFileWarning(path, content);
    if (!warning.isEmpty()) MsgBox(warning, vbOKOnly | vbExclamation, QStringLiteral("加工条件"));
    return true;
}

void LoadCuttingConditions() { LoadCuttingConditionsFrom(g_CsvFileName); }

void ResetCuttingConditions() {
    for (auto &row : g_CuttingConditions)
        for (QString &field : row) field.clear();
}

}  // namespace brennvik
