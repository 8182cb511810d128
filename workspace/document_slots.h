#pragma once
// The six document slots and their per-slot tables.

#include <QPointer>
#include <QString>
#include <cstdint>

namespace brennvik {

class frmDocument;
class RichTextPane;

constexpr int kDocumentSlots = 6;

extern QPointer<frmDocument> g_Documents[kDocumentSlots + 1];  // index 0 unused
extern bool g_DocumentInUse[kDocumentSlots + 1];
extern int16_t g_CurrentDocument;
extern bool g_RetilePending;

// Two-turret view tables of each slot.
extern bool g_DocumentSplit[kDocumentSlots + 1];
extern QString g_DocumentHeader[kDocumentSlots + 1];
extern QString g_DocumentPartA[kDocumentSlots + 1];
extern QString g_DocumentPartB[kDocumentSlots + 1];
extern QString g_DocumentTrailer[kDocumentSlots + 1];
// The last split dropped an end line ("M02"), so joining gives one back even
// when both turret parts are empty.
extern bool g_DocumentHadEndLine[kDocumentSlots + 1];

void ResetDocumentSlots();

// The text with a CR LF at its end unless it ends with one already; an empty
// text becomes one empty line.
QString WithFinalLineEnd(const QString &text);
// The file text of a document saved in the two-turret view: the header, "G13"
// and part A, "G14" and part B, "NEND M02", the trailer. Every section is
// written even when its part is empty.
QString SavedFormOfTurrets(const QString &header, const QString &partA, const QString &partB,
                           const QString &trailer);

// The document window of the current slot; error 91 when that slot holds no
// open window.
frmDocument *CurrentDocumentWindow();
// The pane of the current document that last had the focus; error 91 when
// there is none.
RichTextPane *ActivePaneOfCurrentDocument();

}  // namespace brennvik
