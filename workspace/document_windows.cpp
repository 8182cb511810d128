#include "document_windows.h"

#include "document_slots.h"
#include "frmDocument.h"
#include "frmMain.h"
#include "platform/MsgBox.h"
#include "platform/RichTextPane.h"
#include "workspace_state.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>

#include <cmath>
#include <vector>

namespace brennvik {

int16_t NewDocumentWindow() {
    int n = 1;
    while (n <= kDocumentSlots && g_DocumentInUse[n]) ++n;
    if (n > kDocumentSlots) {
        MsgBox(QStringLiteral("同時にこれ以上ファイルを開けません。"), vbOKOnly | vbExclamation);
        return 0;
    }
    g_DocumentInUse[n] = true;
    g_DocumentSplit[n] = false;
    g_CurrentDocument = int16_t(n);
    auto *doc = new frmDocument;
    g_Documents[n] = doc;
    doc->setWindowTitle(QStringLiteral("無題 ") + QString::number(n));
    QMdiSubWindow *sub = g_frmMain->mdiArea->addSubWindow(doc);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    doc->Form_Load();
    sub->show();
    g_frmMain->mdiArea->setActiveSubWindow(sub);
    doc->txtText->setFocus();
    EnableEntries({"mnuFileSave", "mnuFileSaveAs", "mnuFileClose", "mnuFilePrint", "mnuEditCopy", "mnuEditCut",
                   "mnuEditPaste", "mnuToolsSizeShift"});
    return int16_t(n);
}

QList<frmDocument *> OpenDocumentWindows() {
    QList<frmDocument *> out;
    for (int n = 1; n <= kDocumentSlots; ++n)
        if (g_DocumentInUse[n] && g_Documents[n]) out << g_Documents[n].data();
    return out;
}

frmDocument *ActiveDocumentWindow() {
    if (!g_frmMain) return nullptr;
    QMdiSubWindow *sub = g_frmMain->mdiArea->currentSubWindow();
    auto *doc = sub ? qobject_cast<frmDocument *>(sub->widget()) : nullptr;
    return doc && OpenDocumentWindows().contains(doc) ? doc : nullptr;
}

RichTextPane *FocusedPaneOfActiveDocument() {
    frmDocument *doc = ActiveDocumentWindow();
    return doc ? doc->ActivePane() : nullptr;
}

QList<QRect> TileRects(int count, QSize area, bool horizontal) {
    QList<QRect> rects;
    if (count <= 0) return rects;
    int rows = int(std::sqrt(double(count)));
    int columns = count / rows;
    if (horizontal) std::swap(rows, columns);
    const int w = area.width(), h = area.height();
    int i = 0;
    if (!horizontal) {
        const int xsize = w / columns;
        for (int c = 1, x = 0; c <= columns; ++c, x += xsize) {
            if (c == columns) rows = count - i;
            const int ysize = h / rows;
            for (int r = 0; r < rows; ++r, ++i) rects << QRect(x, r * ysize, xsize, ysize);
        }
    } else {
        // Bands one above the other; the last band takes the windows left.
        const int ysize = h / rows;
        for (int r = 1, y = 0; r <= rows; ++r, y += ysize) {
            if (r == rows) columns = count - i;
            const int xsize = w / columns;
            for (int c = 0; c < columns; ++c, ++i) rects << QRect(c * xsize, y, xsize, ysize);
        }
    }
    return rects;
}

void ArrangeDocumentWindows(int arrangement) {
    if (!g_frmMain) return;
    QList<QMdiSubWindow *> frames;
    for (frmDocument *doc : OpenDocumentWindows()) {
        QMdiSubWindow *sub = doc->SubWindow();
        // Shown to the document area, even while the main window itself is not shown yet.
        if (sub && !sub->isHidden() && !sub->isMinimized()) frames << sub;
    }
    if (arrangement == kArrangeCascade) {
        g_frmMain->mdiArea->cascadeSubWindows();
    } else if (!frames.isEmpty()) {
        const QSize area = g_frmMain->mdiArea->contentsRect().size();
        const QList<QRect> rects = TileRects(int(frames.size()), area, arrangement == kArrangeTileHorizontal);
        for (qsizetype i = 0; i < frames.size(); ++i) {
            if (frames[i]->isMaximized()) frames[i]->showNormal();
            frames[i]->setGeometry(rects[i]);
        }
    }
    for (frmDocument *doc : OpenDocumentWindows()) doc->Form_Resize();
}

void RetileDocuments() {
    if (!g_frmMain) return;
    if (g_frmMain->mnuWindowTileHorizontal->isChecked())
        ArrangeDocumentWindows(kArrangeTileHorizontal);
    else if (g_frmMain->mnuWindowTileVertical->isChecked())
        ArrangeDocumentWindows(kArrangeTileVertical);
}

DocumentPaneLayout LayoutDocumentPanes(double w, double h, bool split) {
    DocumentPaneLayout l;
    l.split = split;
    if (split) {
        const double paneWidth = (w - 50) / 2;
        l.paneA = QRectF(15, 315, paneWidth, h - 330);
        l.paneB = QRectF(w / 2 + 20, 315, paneWidth, h - 330);
        l.label1 = QRectF(15, 0, paneWidth, 300);
        l.label2 = QRectF(w / 2 + 20, 0, paneWidth, 300);
    } else {
        l.paneA = QRectF(15, 15, w - 30, h - 30);
    }
    return l;
}

void PanesFollowInsertKeyState() {
    for (frmDocument *doc : OpenDocumentWindows())
        for (RichTextPane *pane : {doc->txtText, doc->txtTextB}) pane->FollowInsertKeyState();
}

bool CloseAllDocuments() {
    // Ask every changed document first, so that one cancel leaves all open.
    for (frmDocument *doc : OpenDocumentWindows())
        if (!doc->Form_QueryUnload()) return false;
    for (frmDocument *doc : OpenDocumentWindows()) {
        doc->ApproveClose();
        doc->Unload();
    }
    return OpenDocumentWindows().isEmpty();
}


}  // namespace brennvik
