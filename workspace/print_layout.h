#pragma once
// The printed listing of a document laid out on pages: a header line with
// the date, the caption and the page number, a rule under it, and the body
// in one or two columns with long lines cut to the column width. Positions
// are millimetres from the top left corner of the printable area; widths
// come from a measure of the print font, so the layout needs no printer.

#include <QDate>
#include <QLineF>
#include <QList>
#include <QString>

#include <cstdint>
#include <functional>

namespace brennvik {

// Width of a text in the print font, in millimetres.
using TextWidthMeasure = std::function<double(const QString &)>;

// What SetUpPrinter computes from the printer and the print settings.
struct PrintJobValues {
    int32_t lineHeight = 0;    // height of "A", whole millimetres
    int32_t linesPerPage = 0;  // whole lines of that height in the printable height
    int32_t rightEdge = 0;     // printable width less the right margin, whole millimetres
};
PrintJobValues ComputePrintJob(double heightOfA, double printableWidth, double printableHeight,
                               int32_t rightMargin);

// The measures and settings a listing is laid out with.
struct ListingSetup {
    PrintJobValues job;
    double printableWidth = 0;
    double textLineHeight = 0;  // how far down each printed text moves the position
    int32_t leftMargin = 0;
    int16_t columns = 1;        // 2: two columns; any other value: one
};

struct PrintedText {
    double x = 0;
    double y = 0;
    QString text;
};

struct ListingPage {
    int number = 0;
    QList<PrintedText> header;  // date, caption, page text
    QLineF rule;
    QList<PrintedText> body;
};

// Why a listing cannot be printed with this set-up (a message for the user);
// empty when it can.
QString ListingRefusal(const ListingSetup &setup);

// Lays out the listing of `text` (lines separated by CR LF) one page at a
// time, so that its printing can show how far it is and stop between pages.
// `setup` must pass ListingRefusal.
class ListingPages {
public:
    ListingPages(const QString &text, const QString &caption, const QDate &date, const ListingSetup &setup,
                 TextWidthMeasure width);
    // The next page; there is always a first one, if only with its header.
    ListingPage Next();
    bool AtEnd() const { return m_pages > 0 && m_pos >= m_text.size(); }
    // The characters of the text laid out so far.
    qsizetype Done() const { return m_pos; }

private:
    QString m_text, m_caption;
    QDate m_date;
    ListingSetup m_setup;
    TextWidthMeasure m_width;
    int m_pages = 0;
    qsizetype m_pos = 0;
    qsizetype m_lineEnd = -1;  // where the line that holds m_pos ends, once found
};

// All pages of the listing at once.
QList<ListingPage> LayOutListing(const QString &text, const QString &caption, const QDate &date,
                                 const ListingSetup &setup, const TextWidthMeasure &width);

// How many characters of `candidate` make the next printed line in a column
// `columnWidth` wide, which keeps 10 mm free at its right. A line of which
// not even one character fits still prints one, so printing always advances.
// A line that fits is measured once; for one that does not, the cut is
// searched among its beginnings, whose widths grow with their length.
int PrintedLineLength(QStringView candidate, double columnWidth, const TextWidthMeasure &width);

}  // namespace brennvik
