#pragma once
// The texts of the Insert menu: the program header from the comment
// template, the process title lines and the date.

#include <QDate>
#include <QString>

namespace brennvik {

// The date as the programs carry it: "yyyy.mm.dd".
QString NcDateText(const QDate &date);

// The template's contents, then " EDIT DATE  : ", the date, "   )", CR LF,
// a line holding one blank, CR LF. The edit date continues the template's
// last line.
QString CommentHeaderText(const QString &templateText, const QDate &date);

// The process title comments of the Insert menu, k = 1..17.
constexpr int kTitleCommentCount = 17;
QString TitleCommentCaption(int k);
QString TitleCommentLabel(int k);
// "(-----< label >-----)" and CR LF.
QString TitleCommentLine(int k);
// Where the caret goes after a title line was put at `start`: right behind
// its label.
int TitleCommentCaret(int k, int start);

// Files longer than this many bytes are not inserted.
constexpr qint64 kInsertFileSizeLimit = 65000;

}  // namespace brennvik
