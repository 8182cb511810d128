// The listing's page layout from tables of texts: which text stands where on
// which page, with a measure in which every character is 2 mm wide.
#include "workspace/print_layout.h"

#include "platform/Printer.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

#include <stdexcept>

namespace brennvik {
namespace {

const QDate kDate(2024, 7, 21);

// 2 mm a character; a layout that stops making progress runs out of budget.
struct Measure {
    mutable long budget = 1000000;
    double operator()(const QString &text) const {
        if (--budget < 0) throw std::runtime_error("the layout makes no progress");
        return 2.0 * text.size();
    }
};

// h = 5 mm, 10 lines a page: body lines at y 20 to 45, six to a column.
ListingSetup PageSetup(int left, int right, int columns, double printableWidth = 200) {
    ListingSetup s;
    s.job = {5, 10, right};
    s.printableWidth = printableWidth;
    s.textLineHeight = 5;
    s.leftMargin = left;
    s.columns = int16_t(columns);
    return s;
}

// Each page as "page n" followed by its body lines as "x y text".
QStringList Body(const QList<ListingPage> &pages) {
    QStringList out;
    for (const ListingPage &p : pages) {
        out << QStringLiteral("page %1").arg(p.number);
        for (const PrintedText &t : p.body) out << QStringLiteral("%1 %2 %3").arg(t.x).arg(t.y).arg(t.text);
    }
    return out;
}

QString Lines(int count) {
    QStringList lines;
    for (int i = 1; i <= count; ++i) lines << QStringLiteral("L%1").arg(i);
    return lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

struct LayoutCase {
    const char *name;
    QString text;
    ListingSetup setup;
    QStringList body;
};

class LayoutTest : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(LayoutTest, BodyLinesStandWhereTheyBelong) {
    const LayoutCase &c = GetParam();
    const QList<ListingPage> pages = LayOutListing(c.text, QStringLiteral("無題 1"), kDate, c.setup, Measure());
    EXPECT_EQ(Body(pages), c.body);
}

// One column 10 to 40 mm: 30 mm less the 10 mm reserve holds ten characters.
// Two columns 10 to 70 mm: 29 mm each, nine characters, the right one at 46.
INSTANTIATE_TEST_SUITE_P(
    Listings, LayoutTest,
    ::testing::Values(
        LayoutCase{"EmptyPaneIsOnePageOfHeaderOnly", "", PageSetup(10, 40, 1), {"page 1"}},
        LayoutCase{"FinalLineEndPrintsNoEmptyLine", "A\r\nB\r\n", PageSetup(10, 40, 1),
                   {"page 1", "10 20 A", "10 25 B"}},
        LayoutCase{"EmptyLineAndLastLineWithoutLineEnd", "A\r\n\r\nB", PageSetup(10, 40, 1),
                   {"page 1", "10 20 A", "10 25 ", "10 30 B"}},
        LayoutCase{"LongLineContinuesAtTheColumnStart", "0123456789ABCDEFGHIJKL\r\nX\r\n", PageSetup(10, 40, 1),
                   {"page 1", "10 20 0123456789", "10 25 ABCDEFGHIJ", "10 30 KL", "10 35 X"}},
        LayoutCase{"LongLastLineWithoutLineEndIsCutToo", "X\r\n0123456789ABC", PageSetup(10, 40, 1),
                   {"page 1", "10 20 X", "10 25 0123456789", "10 30 ABC"}},
        LayoutCase{"SeventhLineStartsPageTwo", Lines(7), PageSetup(10, 40, 1),
                   {"page 1", "10 20 L1", "10 25 L2", "10 30 L3", "10 35 L4", "10 40 L5", "10 45 L6", "page 2",
                    "10 20 L7"}},
        LayoutCase{"TwoColumnsFillLeftThenRightThenTheNextPage", Lines(13), PageSetup(10, 70, 2),
                   {"page 1", "10 20 L1", "10 25 L2", "10 30 L3", "10 35 L4", "10 40 L5", "10 45 L6", "46 20 L7",
                    "46 25 L8", "46 30 L9", "46 35 L10", "46 40 L11", "46 45 L12", "page 2", "10 20 L13"}},
        LayoutCase{"TwoColumnsCutLinesToTheirOwnWidth", "0123456789AB\r\n", PageSetup(10, 70, 2),
                   {"page 1", "10 20 012345678", "10 25 9AB"}},
        LayoutCase{"ColumnCountOtherThanTwoIsOneColumn", "0123456789AB", PageSetup(10, 40, 3),
                   {"page 1", "10 20 0123456789", "10 25 AB"}},
        // Not even one character fits 5 mm less the reserve: one a line.
        LayoutCase{"NarrowColumnStillPrintsOneCharacterALine", "ABC\r\nD", PageSetup(10, 15, 1),
                   {"page 1", "10 20 A", "10 25 B", "10 30 C", "10 35 D"}}),
    [](const ::testing::TestParamInfo<LayoutCase> &info) { return std::string(info.param.name); });

TEST(PrintLayoutTest, HeaderCarriesDatePageCentredCaptionAndPageNumberAtTheRightEdge) {
    const ListingSetup s = PageSetup(10, 40, 1);
    const QList<ListingPage> pages = LayOutListing(Lines(55), QStringLiteral("C:\\NC\\A.MIN"), kDate, s, Measure());
    ASSERT_EQ(pages.size(), 10);
    const ListingPage &last = pages.last();
    ASSERT_EQ(last.header.size(), 3);
    EXPECT_EQ(last.header[0].text, "2024.07.21");
    EXPECT_EQ(last.header[0].x, 10);
    EXPECT_EQ(last.header[1].text, "C:\\NC\\A.MIN");
    EXPECT_EQ(last.header[1].x, (40 - 2 * 11) / 2.0 + 10);
    EXPECT_EQ(last.header[2].text, "Page 10");
    EXPECT_EQ(last.header[2].x + 2 * 7, 40);  // ends at the right edge
    for (const PrintedText &t : last.header) EXPECT_EQ(t.y, 5);
    EXPECT_EQ(last.rule, QLineF(10, 11, 40, 11));
}

TEST(PrintLayoutTest, RightColumnNeverPassesThePrintableEdge) {
    // A wide left margin pushes the right column out: 30 + 85 mm reach past 200.
    const ListingSetup s = PageSetup(30, 200, 2, 200);
    const QString longLine(200, u'X');
    Measure measure;
    const QList<ListingPage> pages = LayOutListing(Lines(6) + longLine, QStringLiteral("無題 1"), kDate, s, measure);
    ASSERT_EQ(pages.size(), 1);
    const QList<PrintedText> &body = pages[0].body;
    ASSERT_GT(body.size(), 7);
    EXPECT_EQ(body[6].x, 131);
    for (const PrintedText &t : body) EXPECT_LE(t.x + measure(t.text), 200) << t.text.size();
    // The left column keeps its full width: (200 - 30) / 2 - 1 = 84 mm, 37 characters.
    const QList<ListingPage> left = LayOutListing(longLine, QStringLiteral("無題 1"), kDate, s, measure);
    EXPECT_EQ(left[0].body[0].text.size(), 37);
}

// The cut as it was made before: the first beginning of the line, one
// character longer at a time, that does not fit with the 10 mm reserve.
int CutByEveryBeginning(const QString &candidate, double columnWidth, const TextWidthMeasure &width) {
    const int n = int(candidate.size());
    int fitting = 0;
    while (fitting < n) {
        const int next = fitting + (candidate[fitting].isHighSurrogate() && fitting + 1 < n ? 2 : 1);
        if (width(candidate.left(next)) + 10 > columnWidth) return fitting > 0 ? fitting : next;
        fitting = next;
    }
    return n;
}

// Characters of unequal widths: 0 for a combining mark, 4 for a wide one, a
// character outside the basic plane as one.
double Uneven(const QString &text) {
    double w = 0;
    for (const QChar c : text)
        w += c.isLowSurrogate() ? 0 : c.category() == QChar::Mark_NonSpacing ? 0 : c.unicode() > 0x2000 ? 4 : 1.5;
    return w;
}

TEST(PrintLayoutTest, CutsFallWhereMeasuringEveryBeginningPutThem) {
    QRandomGenerator random(1121);
    const QStringList pieces = {"N000", " G01", " X12.5", "(外径)", "\u0301", "😀", "Z", " ", "ｱｲ"};
    for (int round = 0; round < 2000; ++round) {
        QString line;
        for (int k = int(random.bounded(60)); k > 0; --k) line += pieces[int(random.bounded(pieces.size()))];
        if (random.bounded(4) == 0) line += QChar(0xD83D);  // a lone high surrogate at the end
        const double column = 10 + random.bounded(120);
        ASSERT_EQ(PrintedLineLength(line, column, Uneven), CutByEveryBeginning(line, column, Uneven))
            << line.toStdString() << " in " << column << " mm";
    }
}

TEST(PrintLayoutTest, CutsInThePrintFontFallWhereMeasuringEveryBeginningPutThem) {
    Printer &printer = Printer::Instance();
    printer.SetFont(QStringLiteral("ＭＳ 明朝"), 11);
    const TextWidthMeasure width = [&printer](const QString &t) { return printer.TextWidth(t); };
    QRandomGenerator random(2);
    const QStringList pieces = {"N000", " G01", " X12.345", " Z-6.7", "(外径荒加工)", " F0.2", "ｿﾌﾄ", "%"};
    for (int round = 0; round < 300; ++round) {
        QString line;
        for (int k = int(random.bounded(40)); k > 0; --k) line += pieces[int(random.bounded(pieces.size()))];
        const double column = 15 + random.bounded(180);
        ASSERT_EQ(PrintedLineLength(line, column, width), CutByEveryBeginning(line, column, width))
            << line.toStdString() << " in " << column << " mm";
    }
}

TEST(PrintLayoutTest, ALineThatFitsIsMeasuredOnceALongOneBySomeOfItsBeginnings) {
    const ListingSetup s = PageSetup(10, 210, 1);  // 200 mm less the reserve: 95 characters
    int calls = 0;
    LayOutListing(Lines(500), QStringLiteral("無題 1"), kDate, s, [&calls](const QString &t) {
        ++calls;
        return 2.0 * t.size();
    });
    const int pages = (500 + 5) / 6;
    EXPECT_EQ(calls, 500 + 2 * pages);  // each line once, caption and page number on each page

    // Measuring every beginning measured each printed line's characters about
    // half as many times as it holds; the search measures each a few times.
    long measured = 0;
    const TextWidthMeasure counting = [&](const QString &t) {
        measured += t.size();
        return 2.0 * t.size();
    };
    const QString longLine(100000, u'X');
    const QList<ListingPage> cut = LayOutListing(longLine, QStringLiteral("無題 1"), kDate, s, counting);
    long printed = 0;
    for (const ListingPage &p : cut)
        for (const PrintedText &t : p.body) printed += t.text.size();
    EXPECT_EQ(printed, longLine.size());
    EXPECT_EQ(cut[0].body[0].text.size(), 95);
    EXPECT_LT(measured, 20 * printed);
}

TEST(PrintLayoutTest, JobValuesRoundHalvesToEven) {
    struct Row {
        double heightOfA, width, height;
        int rightMargin;
        PrintJobValues job;
    } rows[] = {
        {4.5, 200.5, 287.3, 0, {4, 71, 200}},
        {5.5, 201.5, 287.3, 0, {6, 47, 202}},
        {5.2, 190, 277, 12, {5, 55, 178}},
        {0.4, 190, 277, 0, {0, 0, 190}},
    };
    for (const Row &r : rows) {
        const PrintJobValues job = ComputePrintJob(r.heightOfA, r.width, r.height, r.rightMargin);
        EXPECT_EQ(job.lineHeight, r.job.lineHeight) << r.heightOfA;
        EXPECT_EQ(job.linesPerPage, r.job.linesPerPage) << r.heightOfA;
        EXPECT_EQ(job.rightEdge, r.job.rightEdge) << r.heightOfA;
    }
}

TEST(PrintLayoutTest, SetUpsThatCannotBeLaidOutAreRefused) {
    ListingSetup zeroHeight = PageSetup(10, 200, 1);
    zeroHeight.job.lineHeight = 0;
    ListingSetup fourLines = PageSetup(10, 200, 1);
    fourLines.job.linesPerPage = 4;
    ListingSetup fiveLines = PageSetup(10, 200, 1);
    fiveLines.job.linesPerPage = 5;
    struct Row {
        const char *name;
        ListingSetup setup;
        const char *refusalStart;  // empty: printed
    } rows[] = {
        {"line height 0", zeroHeight, "プリント時のフォントが小さすぎて"},
        {"4 lines a page", fourLines, "1ページに入る行数が5行より少なく"},
        {"5 lines a page", fiveLines, ""},
        {"left margin at the right edge", PageSetup(200, 200, 1), "余白が大きすぎて"},
        {"two columns of no width", PageSetup(100, 102, 2), "余白が大きすぎて"},
        {"right column beyond the paper", PageSetup(150, 400, 2, 200), "余白が大きすぎて"},
        {"narrow but there", PageSetup(10, 15, 1), ""},
    };
    for (const Row &r : rows) {
        const QString refusal = ListingRefusal(r.setup);
        if (*r.refusalStart == 0)
            EXPECT_TRUE(refusal.isEmpty()) << r.name;
        else
            EXPECT_TRUE(refusal.startsWith(QString::fromUtf8(r.refusalStart))) << r.name << ": " << refusal.toStdString();
    }
}

}  // namespace
}  // namespace brennvik
