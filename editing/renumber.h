#pragma once
// Sequence-number arrangement: fresh "N" words at the start of the blocks of
// a program, or the old ones deleted.

#include <QString>
#include <QtGlobal>

#include <limits>

namespace brennvik {

struct RenumberOptions {
    int digits = 3;       // of a new number; below 2 no padding
    qint64 start = 1;
    qint64 step = 1;
    int spaceN = 5;       // blanks after the number: 0, 1 or 5 (5 only before X, Y, Z)
    int bdel = 0;         // 1: a block-skip line gets "/N000", 0: "N000 /"
    bool stopAtEnd = false;   // stop at the line after an end code
    bool continuous = false;  // end codes do not restart the numbering
    bool deleteNumbers = false;
};

// The digit count written in the dialog's box: its number taken to a whole
// number (halves to even), which must be 1 to 9; false for any other text.
bool DigitCountFromText(const QString &text, int *digits);

// "N" and `n`, zero-padded to `digits`; a longer number is written whole.
QString SequenceNumberWord(qint64 n, int digits);

// The largest number a sequence number word can carry: numbers are counted
// exactly up to it.
constexpr qint64 kLargestSequenceNumber = std::numeric_limits<qint64>::max();

// Renumbers from the first line when `caret` is 0, otherwise from the line
// after the one holding `caret`. When a number to be written would exceed
// kLargestSequenceNumber the text is returned unchanged and `numbersFit`,
// when given, is set false.
QString RenumberText(const QString &text, int caret, const RenumberOptions &options, bool *numbersFit = nullptr);

// Is `code` an end code on the line whose line feed is at `lineFeed`,
// looking at its first occurrence from `from` on? It counts as a word between
// blanks and line ends, also at the start of the text or right behind the
// line's sequence number.
bool EndCodeInRegion(const QString &text, int from, int lineFeed, const QString &code);

}  // namespace brennvik
