// Editing commands of the main window: undo, find and replace, size shift,
// renumbering and the automatic-numbering switch.
#include "document_search.h"
#include "frmFind.h"
#include "frmNumberArrange.h"
#include "frmReplace.h"
#include "frmSizeShift.h"
#include "search_state.h"
#include "platform/RichTextPane.h"
#include "workspace/frmMain.h"
#include "workspace/workspace_state.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>

namespace brennvik {

namespace {

// Opens a dialog on a fresh snapshot of the focused pane; its find box (when
// it has one) takes the pane's selection.
template <class Dialog>
void OpenOnFocusedPane(Dialog *(*load)(), QLineEdit *Dialog::*findBox) {
    RichTextPane *pane = FocusedPane();
    if (!pane) return;
    TakeSearchSnapshot(pane);
    Dialog *dialog = load();
    if (findBox) (dialog->*findBox)->setText(pane->SelText());
    ShowModeless(dialog);
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

void frmMain::mnuSearchFind_Click() { OpenOnFocusedPane(&LoadFindDialog, &frmFind::txtFind); }

void frmMain::mnuSearchReplace_Click() { OpenOnFocusedPane(&LoadReplaceDialog, &frmReplace::txtFind); }

void frmMain::mnuSearchNextFind_Click() {
    RichTextPane *pane = FocusedPane();
    if (!pane) return;
    TakeSearchSnapshot(pane);
    // One character on from the selection's start: the current match is passed.
    g_CaretPos = pane->SelStart() + 1;
    if (FindNextInDocument()) {
        CountHits();
        return;
    }
    ShowRunEndMessage(QStringLiteral("回 見つかりました。"), QStringLiteral("は見つかりませんでした。"),
                      QStringLiteral("検索"));
    LoadFindDialog()->Check1->setChecked(true);
    g_HitCount = 0;
}

void frmMain::mnuToolsAutoNo_Click() {
    g_AutoSequenceNo = !g_AutoSequenceNo;
    // The menu entry and toolbar button 14 are one switch.
    mnuToolsAutoNo->setChecked(g_AutoSequenceNo);
    ToolButton(14)->setChecked(g_AutoSequenceNo);
}

void frmMain::mnuToolsNumberArrange_Click() {
    OpenOnFocusedPane<frmNumberArrange>(&LoadNumberArrangeDialog, nullptr);
}

void frmMain::mnuToolsSizeShift_Click() { OpenOnFocusedPane(&LoadSizeShiftDialog, &frmSizeShift::txtFind); }

}  // namespace brennvik
