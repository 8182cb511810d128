// File-menu, clipboard and window commands of the main window, and files
// dropped on it.
#include "frmMain.h"

#include "document_slots.h"
#include "frmDocument.h"
#include "platform/Clipboard.h"
#include "platform/FileDialogs.h"
#include "platform/MsgBox.h"
#include "platform/RichTextPane.h"
#include "program_files.h"
#include "workspace_state.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

namespace brennvik {

namespace {

// File > Save As on one window; adds the chosen path to the recent files.
bool SaveDocumentAs(frmDocument *doc) {
    g_SaveFileName = AskSaveFileName(doc->IsUntitled() ? QString() : doc->FilePath());
    if (g_SaveFileName.isEmpty()) return false;
    if (!SaveDocument(doc, g_SaveFileName)) return false;
    AddRecentFile(doc->FilePath());
    return true;
}

// File > Save on one window: to its file, or through Save As when untitled.
bool SaveDocumentToItsFile(frmDocument *doc) {
    g_SaveFileName = doc->FilePath();
    if (!doc->IsUntitled()) return SaveDocument(doc, g_SaveFileName);
    return SaveDocumentAs(doc);
}

QStringList DroppedFiles(const QMimeData *data) {
    QStringList files;
    if (!data || !data->hasUrls()) return files;
    for (const QUrl &url : data->urls())
        if (url.isLocalFile()) files << QDir::toNativeSeparators(url.toLocalFile());
    return files;
}

}  // namespace

void frmMain::mnuEditUndo_Click() {
    // Only a document pane undoes; any other focused control is left alone.
    if (auto *pane = qobject_cast<RichTextPane *>(QApplication::focusWidget())) pane->undo();
}

void frmMain::mnuEditRedo_Click() {
    // Redo is never offered: the entry stays disabled for the whole run.
    mnuEditRedo->setEnabled(false);
}

void frmMain::MDIForm_Resize() {
    if (isMinimized()) return;
    if (mnuWindowTileHorizontal->isChecked()) ArrangeDocumentWindows(kArrangeTileHorizontal);
    if (mnuWindowTileVertical->isChecked()) ArrangeDocumentWindows(kArrangeTileVertical);
}

void frmMain::MDIForm_OLEDragDrop(const QMimeData *data) {
    const QStringList files = DroppedFiles(data);
    if (files.isEmpty()) return;
    OpenFilesInNewDocuments(files);
    EnableDocumentCommands();
}

void frmMain::dragEnterEvent(QDragEnterEvent *event) {
    if (!DroppedFiles(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void frmMain::dragMoveEvent(QDragMoveEvent *event) {
    if (!DroppedFiles(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void frmMain::dropEvent(QDropEvent *event) {
    if (DroppedFiles(event->mimeData()).isEmpty()) return;
    event->acceptProposedAction();
    MDIForm_OLEDragDrop(event->mimeData());
}

void frmMain::mnuFileNew_Click() {
    const int16_t slot = NewDocumentWindow();
    if (slot == 0) return;
    EnableDocumentCommands();
    RetileDocuments();
    g_Documents[slot]->txtText->SetDataChanged(false);
    EnableDocumentFileCommands();
}

void frmMain::mnuFileOpen_Click() {
    FileDialogRequest r;
    r.kind = FileDialogRequest::Kind::Open;
    r.initialFolder = g_OpenPathName;
    r.filter = QStringLiteral("All Files (*.*)|*.*|Main File (*.min)|*.min|System Sub (*.ssb)|*.ssb");
    r.filterIndex = 1;
    const QString file = ShowFileDialog(r);
    if (file.isEmpty()) return;
    g_OpenPathName = QDir::toNativeSeparators(QDir::currentPath());
    OpenFileInNewDocument(file);
    EnableDocumentCommands();
}

void frmMain::mnuFileRecentFile_Click(int index) {
    OpenFileInNewDocument(mnuFileRecentFile[size_t(index)]->text());
    EnableDocumentCommands();
}

void frmMain::mnuFileSave_Click() {
    if (frmDocument *doc = ActiveDocumentWindow()) SaveDocumentToItsFile(doc);
}

void frmMain::mnuFileSaveAs_Click() {
    if (frmDocument *doc = ActiveDocumentWindow()) SaveDocumentAs(doc);
}

void frmMain::mnuFileClose_Click() {
    frmDocument *doc = ActiveDocumentWindow();
    if (!doc) return;
    if (doc->txtText->DataChanged()) {
        const int answer = MsgBox(QStringLiteral("データが変更されています。保存しますか ?"),
                                  vbYesNoCancel | vbExclamation, ApplicationTitle());
        if (answer == vbYes) {
            // Nothing written (dialog cancelled or save failed): the window stays.
            if (!SaveDocumentToItsFile(doc)) return;
        } else if (answer != vbNo) {
            return;
        }
    }
    doc->Unload();
    RetileDocuments();
}

void frmMain::mnuEditCopy_Click() {
    RichTextPane *pane = FocusedPaneOfActiveDocument();
    if (!pane) return;
    ClipboardClear();
    ClipboardSetText(pane->SelText());
}

void frmMain::mnuEditCut_Click() {
    RichTextPane *pane = FocusedPaneOfActiveDocument();
    if (!pane) return;
    mnuEditCopy_Click();
    pane->SetSelText(QString());
    mnuEditUndo->setEnabled(true);
}

void frmMain::mnuEditPaste_Click() {
    RichTextPane *pane = FocusedPaneOfActiveDocument();
    if (!pane) return;
    pane->Paste();
    mnuEditUndo->setEnabled(true);
}

void frmMain::mnuWindowTileHorizontal_Click() {
    ArrangeDocumentWindows(kArrangeTileHorizontal);
    mnuWindowTileHorizontal->setChecked(true);
    mnuWindowTileVertical->setChecked(false);
}

void frmMain::mnuWindowTileVertical_Click() {
    ArrangeDocumentWindows(kArrangeTileVertical);
    mnuWindowTileVertical->setChecked(true);
    mnuWindowTileHorizontal->setChecked(false);
}

}  // namespace brennvik
