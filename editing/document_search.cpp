#include "document_search.h"

#include "frmFind.h"
#include "frmReplace.h"
#include "frmSizeShift.h"
#include "search.h"
#include "search_state.h"
#include "platform/BusyPointer.h"
#include "platform/MsgBox.h"
#include "platform/RichTextPane.h"
#include "workspace/document_slots.h"
#include "workspace/runtime.h"

#include <QCheckBox>

#include <algorithm>
#include <limits>

namespace brennvik {

RichTextPane *FocusedPane() {
    try {
        return ActivePaneOfCurrentDocument();
    } catch (const RuntimeError &) {
        return nullptr;
    }
}

void TakeSearchSnapshot(RichTextPane *pane) {
    g_SearchSubject = pane->Text();
    g_CaretPos = pane->SelStart();
    g_SearchPane = pane;
}

RichTextPane *RefreshSearchState() {
    RichTextPane *pane = FocusedPane();
    if (!pane) return nullptr;
    g_SearchSubject = pane->Text();
    if (pane != g_SearchPane) {
        g_SearchPane = pane;
        g_CaretPos = pane->SelStart();
    }
    g_CaretPos = std::clamp(g_CaretPos, 0, int32_t(g_SearchSubject.size()));
    return pane;
}

bool SelectionIsSearchText(RichTextPane *pane) {
    return !g_FindWhat.isEmpty() && pane->SelText() == g_FindWhat;
}

bool FindNextInDocument() {
    RichTextPane *pane = g_SearchPane;
    if (!pane) return false;
    const int p = FindFrom(g_SearchSubject, g_FindWhat, g_CaretPos);
    if (p < 0) return false;
    pane->SetHideSelection(false);
    pane->Select(p, int(g_FindWhat.size()));
    pane->ensureCursorVisible();
    g_CaretPos = p + int(g_FindWhat.size());
    return true;
}

void ReplaceNextInDocument() {
    RichTextPane *pane = g_SearchPane;
    if (!pane || !SelectionIsSearchText(pane)) return;
    BusyPointer busy;
    const int s = pane->SelStart();
    g_SearchSubject = ReplaceAt(g_SearchSubject, s, int(g_FindWhat.size()), g_ReplaceWith);
    g_CaretPos = s + int(g_ReplaceWith.size());
    WriteSearchSubject(pane, g_CaretPos);
    CountHits();
}

void WriteSearchSubject(RichTextPane *pane, int caret) {
    if (pane->Text() != g_SearchSubject) pane->SetText(g_SearchSubject);
    pane->SetSelStart(caret);
}

void CountHits(int hits) {
    const int32_t room = std::numeric_limits<int32_t>::max() - g_HitCount;
    g_HitCount += std::min(hits, room);
}

void ShowRunEndMessage(const QString &counted, const QString &notFound, const QString &title) {
    const QString prompt = g_HitCount != 0 ? NumberText(int(g_HitCount)) + counted
                                           : u'"' + QuotedText(g_FindWhat) + u'"' + notFound;
    MsgBox(prompt, vbOKOnly, title);
}

void ApplyStartFromTop(QCheckBox *fromTop, bool untick) {
    if (!fromTop->isChecked()) return;
    g_CaretPos = 0;
    if (untick) fromTop->setChecked(false);
}

int SweepStart(RichTextPane *pane, const QCheckBox *fromTop) {
    if (fromTop->isChecked()) return 0;
    if (SelectionIsSearchText(pane)) return pane->SelStart();
    return g_CaretPos;
}

void TakeSweepResult(RichTextPane *pane, const QString &text, int caret, int changes) {
    g_SearchSubject = text;
    g_CaretPos = caret;
    if (changes > 0) WriteSearchSubject(pane, caret);
    CountHits(changes);
}

void EndRun(const QString &counted, const QString &notFound, const QString &title, QCheckBox *fromTop) {
    ShowRunEndMessage(counted, notFound, title);
    g_FirstPress = -1;
    g_HitCount = 0;
    if (fromTop) fromTop->setChecked(true);
}

void ShowModeless(QWidget *dialog) {
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

void BringSearchDialogsToFront() {
    QWidget *dialogs[] = {g_frmFind.data(), g_frmReplace.data(), g_frmSizeShift.data()};
    for (QWidget *d : dialogs)
        if (d && d->isVisible()) d->raise();
}

}  // namespace brennvik
