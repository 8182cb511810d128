#include "document_slots.h"

#include "frmDocument.h"
#include "runtime.h"

namespace brennvik {

QPointer<frmDocument> g_Documents[kDocumentSlots + 1];
bool g_DocumentInUse[kDocumentSlots + 1] = {};
int16_t g_CurrentDocument = 0;
bool g_RetilePending = false;

bool g_DocumentSplit[kDocumentSlots + 1] = {};
QString g_DocumentHeader[kDocumentSlots + 1];
QString g_DocumentPartA[kDocumentSlots + 1];
QString g_DocumentPartB[kDocumentSlots + 1];
QString g_DocumentTrailer[kDocumentSlots + 1];
bool g_DocumentHadEndLine[kDocumentSlots + 1] = {};

void ResetDocumentSlots() {
    for (int n = 0; n <= kDocumentSlots; ++n) {
        g_Documents[n] = nullptr;
        g_DocumentInUse[n] = false;
        g_DocumentSplit[n] = false;
        g_DocumentHeader[n].clear();
        g_DocumentPartA[n].clear();
        g_DocumentPartB[n].clear();
        g_DocumentTrailer[n].clear();
        g_DocumentHadEndLine[n] = false;
    }
    g_CurrentDocument = 0;
    g_RetilePending = false;
}

QString WithFinalLineEnd(const QString &text) {
    return text.endsWith(QLatin1String("\r\n")) ? text : text + QStringLiteral("\r\n");
}

QString SavedFormOfTurrets(const QString &header, const QString &partA, const QString &partB,
                           const QString &trailer) {
    return header + QStringLiteral("G13\r\n") + WithFinalLineEnd(partA) + QStringLiteral("G14\r\n") +
           WithFinalLineEnd(partB) + QStringLiteral("NEND M02\r\n") + trailer;
}

frmDocument *CurrentDocumentWindow() {
    const int n = g_CurrentDocument;
    if (n < 1 || n > kDocumentSlots || !g_DocumentInUse[n] || !g_Documents[n]) RaiseError(kErrObjectNotSet);
    return g_Documents[n];
}

RichTextPane *ActivePaneOfCurrentDocument() { return CurrentDocumentWindow()->ActivePane(); }

}  // namespace brennvik
