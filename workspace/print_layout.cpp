#include "print_layout.h"

#include "runtime.h"

#include <algorithm>

namespace brennvik {

namespace {

constexpr double kColumnReserve = 10;  // mm kept free at the right of every column
constexpr int kBodyStartLines = 4;     // the body starts 4 line heights down
const QString kLineEnd = QStringLiteral("\r\n");

struct Column {
    double x = 0;
    double width = 0;
};

// The columns of a page. A column's text never passes the printable edge,
// whatever the margins.
QList<Column> Columns(const ListingSetup &s) {
    const double right = s.job.rightEdge, left = s.leftMargin;
    QList<Column> columns;
    if (s.columns == 2) {
        const double width = CLng((right - left) / 2 - 1);
        columns << Column{left, width} << Column{double(CLng(right / 2 + left + 1)), width};
    } else {
        columns << Column{left, right - left};
    }
    for (Column &c : columns) c.width = std::min(c.width, s.printableWidth + kColumnReserve - c.x);
    return columns;
}

ListingPage PageHeader(int number, const QString &caption, const QDate &date, const ListingSetup &s,
                       const TextWidthMeasure &width) {
    const double h = s.job.lineHeight, left = s.leftMargin, right = s.job.rightEdge;
    const QString pageText = QStringLiteral("Page ") + QString::number(number);
    ListingPage page;
    page.number = number;
    page.header << PrintedText{left, h, date.toString(QStringLiteral("yyyy.MM.dd"))}
                << PrintedText{(right - width(caption)) / 2 + left, h, caption}
                << PrintedText{right - width(pageText), h, pageText};
    page.rule = QLineF(left, 2.2 * h, right, 2.2 * h);
    return page;
}

}  // namespace

PrintJobValues ComputePrintJob(double heightOfA, double printableWidth, double printableHeight,
                               int32_t rightMargin) {
    PrintJobValues job;
    job.lineHeight = CLng(heightOfA);
    // Without a line height no line count can be had; ListingRefusal says so.
    job.linesPerPage = job.lineHeight > 0 ? int32_t(Int(printableHeight / job.lineHeight)) : 0;
    job.rightEdge = CLng(printableWidth - rightMargin);
    return job;
}

QString ListingRefusal(const ListingSetup &s) {
    if (s.job.lineHeight < 1)
        return QStringLiteral("プリント時のフォントが小さすぎて、行の高さが求まりません。\r\n"
                              "プリント時のフォントを大きくしてください。");
    if (s.job.linesPerPage < kBodyStartLines + 1)
        return QStringLiteral("1ページに入る行数が5行より少なくなります。\r\n"
                              "プリント時のフォントを小さくしてください。");
    for (const Column &c : Columns(s))
        if (c.width <= 0 || c.x >= s.printableWidth)
            return QStringLiteral("余白が大きすぎて、文字を印字する幅がありません。\r\n"
                                  "プリンターの設定で余白を小さくしてください。");
    return QString();
}

int PrintedLineLength(const QString &candidate, double columnWidth, const TextWidthMeasure &width) {
    const int n = int(candidate.size());
    int fitting = 0;
    while (fitting < n) {
        // A character outside the basic plane is never split.
        const int next = fitting + (candidate[fitting].isHighSurrogate() && fitting + 1 < n ? 2 : 1);
        if (width(candidate.left(next)) + kColumnReserve > columnWidth) return fitting > 0 ? fitting : next;
        fitting = next;
    }
    return n;
}

QList<ListingPage> LayOutListing(const QString &text, const QString &caption, const QDate &date,
                                 const ListingSetup &s, const TextWidthMeasure &width) {
    const double h = s.job.lineHeight;
    const double lastLineTop = double(s.job.linesPerPage - 1) * h;
    const QList<Column> columns = Columns(s);
    QList<ListingPage> pages{PageHeader(1, caption, date, s, width)};
    double y = kBodyStartLines * h;
    int column = 0;
    qsizetype pos = 0;
    while (pos < text.size()) {
        if (column + 1 < columns.size() && y > lastLineTop) {
            y = kBodyStartLines * h;
            ++column;
        }
        if (y > lastLineTop) {
            pages << PageHeader(pages.last().number + 1, caption, date, s, width);
            y = kBodyStartLines * h;
            column = 0;
        }
        const qsizetype lineEnd = text.indexOf(kLineEnd, pos);
        const QString candidate = text.mid(pos, lineEnd < 0 ? -1 : lineEnd - pos);
        const int length = PrintedLineLength(candidate, columns[column].width, width);
        pages.last().body << PrintedText{columns[column].x, y, candidate.left(length)};
        y += s.textLineHeight;
        pos += length;
        if (length == candidate.size() && lineEnd >= 0) pos += kLineEnd.size();
    }
    return pages;
}

}  // namespace brennvik
