#pragma once
// Tools > ファイルの比較: the current document line by line against every
// other open document. Differing lines are marked red in both documents and
// shown one by one until the user stops.

#include <QList>
#include <QString>

#include <map>

namespace brennvik {

// A line of a document: where it starts (a CR LF counts two) and its text
// without the line end.
struct DocumentLine {
    int start = 0;
    QString text;
};

// The lines of a text: each run up to a CR LF, and the text after the last
// CR LF when there is any.
QList<DocumentLine> DocumentLines(const QString &text);

// A pair of lines that differ: line `index` of the current document and of
// the document in `slot`.
struct LineDifference {
    int index = 0;
    int slot = 0;
    DocumentLine current;
    DocumentLine other;
};

// The differing pairs in the order they are shown: line by line of the
// current document, and for each line the other documents in slot order. A
// document that has no such line takes no part in it.
QList<LineDifference> LineDifferences(const QList<DocumentLine> &current,
                                      const std::map<int, QList<DocumentLine>> &others);

void mnuToolCompe_Click();

}  // namespace brennvik
