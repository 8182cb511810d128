#include "program_files.h"

#include "document_slots.h"
#include "frmDocument.h"
#include "frmMain.h"
#include "platform/AnsiFiles.h"
#include "platform/BusyPointer.h"
#include "platform/FileDialogs.h"
#include "platform/MsgBox.h"
#include "platform/RichTextPane.h"
#include "workspace_state.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>

namespace brennvik {

namespace {

bool ADocumentSlotIsFree() {
    for (int n = 1; n <= kDocumentSlots; ++n)
        if (!g_DocumentInUse[n]) return true;
    return false;
}

}  // namespace

void EnableDocumentFileCommands() {
    EnableEntries({"mnuFileSave", "mnuFileSaveAs", "mnuFileClose", "mnuFilePrint", "mnuEditCopy", "mnuEditCut",
                   "mnuEditPaste", "mnuToolsSizeShift", "mnuToolsNumberArrange", "mnuSearchFind",
                   "mnuSearchReplace", "mnuSearchNextFind"});
}

void OpenFileInNewDocument(const QString &path) {
    BusyPointer wait;
    const int16_t previous = g_CurrentDocument;
    const int16_t slot = NewDocumentWindow();
    if (slot == 0) return;
    frmDocument *doc = g_Documents[slot];
    // The window keeps the whole path, so a later change of the current folder
    // cannot send a save elsewhere.
    const QString file = path.isEmpty() ? path : QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
    const AnsiFileRead read = doc->txtText->LoadFile(file);
    if (!read.ok) {
        wait.Restore();
        MsgBox(OpenFailureMessage(file, read.problem, read.error), vbOKOnly | vbExclamation);
        doc->Unload();
        g_CurrentDocument = previous;
        return;
    }
    doc->SetFilePath(file);
    doc->txtText->SetDataChanged(false);
    RetileDocuments();
    wait.Restore();
    EnableDocumentFileCommands();
    AddRecentFile(file);
    if (read.firstChangedByte >= 0)
        MsgBox(ChangedBytesWarning(file, read.bytes, read.firstChangedByte, read.readable), vbOKOnly | vbExclamation);
}

void OpenFilesInNewDocuments(const QStringList &paths) {
    QStringList leftOut;
    for (const QString &path : paths) {
        if (ADocumentSlotIsFree())
            OpenFileInNewDocument(path);
        else
            leftOut << QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
    }
    if (!leftOut.isEmpty()) MsgBox(FilesLeftOutMessage(leftOut), vbOKOnly | vbExclamation);
}

QString AskSaveFileName(const QString &proposedName) {
    FileDialogRequest r;
    r.kind = FileDialogRequest::Kind::SaveAs;
    r.fileName = proposedName;
    r.initialFolder = g_SavePathName;
    r.filter = QStringLiteral("Main File (*.min)|*.min|System Sub (*.ssb)|*.ssb|All Files (*.*)|*.*");
    r.filterIndex = 1;
    r.flags = cdlOFNOverwritePrompt | cdlOFNPathMustExist;
    const QString chosen = ShowFileDialog(r);
    g_SavePathName = QDir::toNativeSeparators(QDir::currentPath());
    return chosen;
}

QString ProgramTextToSave(frmDocument *document) {
    const int slot = document->Slot();
    if (slot < 1 || slot > kDocumentSlots || !g_DocumentSplit[slot]) return document->txtText->Text();
    g_DocumentPartA[slot] = WithFinalLineEnd(document->txtText->Text());
    g_DocumentPartB[slot] = WithFinalLineEnd(document->txtTextB->Text());
    return SavedFormOfTurrets(g_DocumentHeader[slot], g_DocumentPartA[slot], g_DocumentPartB[slot],
                              g_DocumentTrailer[slot]);
}

bool SaveDocument(frmDocument *document, const QString &path) {
    if (!document) return false;
    BusyPointer wait;
    const QString text = ProgramTextToSave(document);
    const QString file = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
    const AnsiFileWrite written = WriteAnsiFile(path, text);
    wait.Restore();
    if (written.badChar >= 0) {
        MsgBox(UnsavableCharacterMessage(text, written.badChar), vbOKOnly | vbExclamation);
        return false;
    }
    if (!written.ok) {
        MsgBox(SaveFailureMessage(file, written.problem, written.error), vbOKOnly | vbExclamation);
        return false;
    }
    document->SetFilePath(file);
    document->txtText->SetDataChanged(false);
    return true;
}

bool SaveActiveDocument(const QString &path) { return SaveDocument(ActiveDocumentWindow(), path); }

}  // namespace brennvik
