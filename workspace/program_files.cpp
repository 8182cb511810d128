#include "program_files.h"

#include "document_slots.h"
#include "frmDocument.h"
#include "frmMain.h"
#include "platform/AnsiCodec.h"
#include "platform/MsgBox.h"
#include "platform/RichTextPane.h"
#include "workspace_state.h"

#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace brennvik {

void NewDocumentWindow() {
    int n = 1;
    while (n <= kDocumentSlots && g_DocumentInUse[n]) ++n;
    if (n > kDocumentSlots) {
        MsgBox(QStringLiteral("同時にこれ以上ファイルを開けません。"), vbOKOnly | vbExclamation);
        g_CurrentDocument = 0;
        return;
    }
    g_DocumentInUse[n] = true;
    g_DocumentSplit[n] = false;
    g_CurrentDocument = int16_t(n);
    auto *doc = new frmDocument;
    doc->SetSlot(int16_t(n));
    doc->setWindowTitle(QStringLiteral("無題 ") + QString::number(n));
    g_Documents[n] = doc;
    QMdiSubWindow *sub = g_frmMain->mdiArea->addSubWindow(doc);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(doc, &QObject::destroyed, [n] { g_DocumentInUse[n] = false; });
    doc->show();
}

void OpenFileInNewDocument(const QString &path) {
    NewDocumentWindow();
    if (g_CurrentDocument == 0) return;
    frmDocument *doc = g_Documents[g_CurrentDocument];
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        MsgBox(file.errorString(), vbOKOnly | vbExclamation);
        doc->parentWidget()->close();
        return;
    }
    doc->setWindowTitle(path);
    doc->txtText->LoadText(AnsiCodec::decode(file.readAll()).text);
    doc->txtText->SetDataChanged(false);
    RetileDocuments();
}

bool CloseAllDocuments() {
    if (!g_frmMain) return true;
    g_frmMain->mdiArea->closeAllSubWindows();
    return g_frmMain->mdiArea->subWindowList().isEmpty();
}

void RetileDocuments() {
    if (g_frmMain) g_frmMain->mdiArea->tileSubWindows();
}

}  // namespace brennvik
