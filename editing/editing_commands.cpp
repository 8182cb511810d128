#include "editing_commands.h"

#include "character_colours.h"
#include "code_menus.h"
#include "document_compare.h"
#include "document_search.h"
#include "frmFind.h"
#include "frmNumberArrange.h"
#include "frmReplace.h"
#include "frmSizeShift.h"
#include "insert_commands.h"
#include "search_state.h"
#include "turret_view.h"
#include "platform/RichTextPane.h"
#include "workspace/external_tools.h"
#include "workspace/frmMain.h"
#include "workspace/workspace_state.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>

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

void mnuSearchFind_Click() { OpenOnFocusedPane(&LoadFindDialog, &frmFind::txtFind); }

void mnuSearchReplace_Click() { OpenOnFocusedPane(&LoadReplaceDialog, &frmReplace::txtFind); }

void mnuSearchNextFind_Click() {
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

void mnuToolsAutoNo_Click() {
    g_AutoSequenceNo = !g_AutoSequenceNo;
    // The menu entry and toolbar button 14 are one switch.
    g_frmMain->Entry(QStringLiteral("mnuToolsAutoNo"))->setChecked(g_AutoSequenceNo);
    g_frmMain->ToolButton(14)->setChecked(g_AutoSequenceNo);
}

void mnuToolsNumberArrange_Click() {
    OpenOnFocusedPane<frmNumberArrange>(&LoadNumberArrangeDialog, nullptr);
}

void mnuToolsSizeShift_Click() { OpenOnFocusedPane(&LoadSizeShiftDialog, &frmSizeShift::txtFind); }

void GcodeHelp_Click() { OpenHelpFile(QStringLiteral("G-code.hlp")); }
void McodeHelp_Click() { OpenHelpFile(QStringLiteral("M-code.hlp")); }
void MnemonicHelp_Click() { OpenHelpFile(QStringLiteral("Mnemonic.hlp")); }

void InstallEditingCommands(frmMain &main) {
    QMenu *edit = main.mnuEdit;
    main.AddEntry(edit, "mnuSearchFind", "検索(&F)", mnuSearchFind_Click);
    main.AddEntry(edit, "mnuSearchNextFind", "次の検索(&N)", mnuSearchNextFind_Click, QKeySequence(Qt::Key_F3))
        ->setEnabled(false);
    main.AddEntry(edit, "mnuSearchReplace", "置き換え(&R)", mnuSearchReplace_Click);
    main.AddSeparator(edit, QStringLiteral("mnuEditBar3"));
    main.AddEntry(edit, "mnuColor", "文字の識別", mnuColor_Click);
    main.AddEntry(edit, "mnuColorBlack", "文字の色を黒に戻す", mnuColorBlack_Click);

    QMenu *tools = main.mnuTools;
    QAction *bar1 = main.Entry(QStringLiteral("mnuToolsBar1"));
    main.AddEntry(tools, "mnuToolsAutoNo", "自動シーケンス番号挿入", mnuToolsAutoNo_Click, QKeySequence(Qt::Key_F1), bar1)
        ->setCheckable(true);
    main.AddEntry(tools, "mnuToolsNumberArrange", "シーケンス番号アレンジ(&A)", mnuToolsNumberArrange_Click,
                  QKeySequence(Qt::Key_F2), bar1)
        ->setEnabled(false);
    main.AddEntry(tools, "mnuToolsSizeShift", "計算によるデータの変更(&S)", mnuToolsSizeShift_Click, QKeySequence(), bar1)
        ->setEnabled(false);
    main.AddEntry(tools, "mnuToolCompe", "ファイルの比較", mnuToolCompe_Click);

    main.AddEntry(main.mnuView, "mnuAbView", "AB表示", mnuAbView_Click, QKeySequence(),
                  main.Entry(QStringLiteral("mnuViewBar2")));

    InstallInsertCommands(main);
    InstallCodeMenus(main);

    QAction *variableHelp = main.VariableHelp;
    main.AddEntry(main.mnuHelp, "GcodeHelp", "G コード", GcodeHelp_Click, QKeySequence(), variableHelp);
    main.AddEntry(main.mnuHelp, "McodeHelp", "M コード", McodeHelp_Click, QKeySequence(), variableHelp);
    main.AddEntry(main.mnuHelp, "MnemonicHelp", "ニーモニック", MnemonicHelp_Click, QKeySequence(),
                  main.Entry(QStringLiteral("mnuHelpBar1")));

    g_MainWindowHooks.paneFocused = BringSearchDialogsToFront;
}

}  // namespace brennvik
