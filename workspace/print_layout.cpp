#include "print_layout.h"

#include "runtime.h"

#include <algorithm>

namespace brennvik {

namespace {

constexpr double kColumnReserve = 10;  // mm kept free at the right of every column
// A line longer than this is no candidate to fit whole: no column is that wide.
constexpr qsizetype kLongestLineMeasuredWhole = 1000;
// The first beginning of a line too wide whose width is tried.
constexpr qsizetype kFirstCutGuess = 16;
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

int PrintedLineLength(QStringView candidate, double columnWidth, const TextWidthMeasure &width) {
    const qsizetype n = candidate.size();
    const auto fits = [&](qsizetype length) {
        return width(candidate.first(length).toString()) + kColumnReserve <= columnWidth;
    };
    bool wholeMeasured = n <= kLongestLineMeasuredWhole;
    if (wholeMeasured && fits(n)) return int(n);
    // Where a cut may fall: after the k-th character, one outside the basic
    // plane never split; the whole line beyond the last.
    QList<qsizetype> ends;
    const auto end = [&](qsizetype k) {
        while (ends.size() < k) {
            const qsizetype at = ends.isEmpty() ? 0 : ends.last();
            if (at >= n) return n;
            ends << at + (candidate[at].isHighSurrogate() && at + 1 < n ? 2 : 1);
        }
        return ends[k - 1];
    };
    // Doubling up to a beginning that does not fit, then halving between.
    qsizetype fitting = 0, over = 0;
    for (qsizetype k = kFirstCutGuess;; k *= 2) {
        const qsizetype e = end(k);
        if ((e == n && wholeMeasured) || !fits(e)) {
            over = k;
            break;
        }
        if (e == n) return int(n);
        fitting = k;
    }
    while (over - fitting > 1) {
        const qsizetype k = fitting + (over - fitting) / 2;
        if (end(k) < n && fits(end(k))) fitting = k;
        else over = k;
    }
    return int(end(std::max<qsizetype>(fitting, 1)));
}

ListingPages::ListingPages(const QString &text, const QString &caption, const QDate &date, const ListingSetup &setup,
                           TextWidthMeasure width)
    : m_text(text), m_caption(caption), m_date(date), m_setup(setup), m_width(std::move(width)) {}

ListingPage ListingPages::Next() {
    const ListingSetup &s = m_setup;
    const double h = s.job.lineHeight;
    const double lastLineTop = double(s.job.linesPerPage - 1) * h;
    const QList<Column> columns = Columns(s);
    ListingPage page = PageHeader(++m_pages, m_caption, m_date, s, m_width);
    double y = kBodyStartLines * h;
    int column = 0;
    while (m_pos < m_text.size()) {
        if (column + 1 < columns.size() && y > lastLineTop) {
            y = kBodyStartLines * h;
            ++column;
        }
        if (y > lastLineTop) break;  // the rest goes on the next page
        // A long line is cut into several printed ones; its end is looked for once.
        if (m_lineEnd < m_pos) {
            m_lineEnd = m_text.indexOf(kLineEnd, m_pos);
            if (m_lineEnd < 0) m_lineEnd = m_text.size();
        }
        const QStringView candidate = QStringView(m_text).sliced(m_pos, m_lineEnd - m_pos);
        const int length = PrintedLineLength(candidate, columns[column].width, m_width);
        page.body << PrintedText{columns[column].x, y, candidate.first(length).toString()};
        y += s.textLineHeight;
        m_pos += length;
        if (length == candidate.size() && m_lineEnd < m_text.size()) m_pos += kLineEnd.size();
    }
    return page;
}

QList<ListingPage> LayOutListing(const QString &text, const QString &caption, const QDate &date,
                                 const ListingSetup &setup, const TextWidthMeasure &width) {
    ListingPages pages(text, caption, date, setup, width);
    QList<ListingPage> all;
    do all << pages.Next();
    while (!pages.AtEnd());
    return all;
}

}  // namespace brennvik
