#include "turret_view.h"

#include "turret_split.h"
#include "platform/BusyPointer.h"
#include "platform/MsgBox.h"
#include "platform/RichTextPane.h"
#include "workspace/document_slots.h"
#include "workspace/document_windows.h"
#include "workspace/frmDocument.h"
#include "workspace/frmMain.h"
#include "workspace/workspace_state.h"

#include <QAction>

namespace brennvik {

namespace {

bool IsOpenSlot(int n) { return n >= 1 && n <= kDocumentSlots && g_DocumentInUse[n] && g_Documents[n]; }

TurretParts PartsOfSlot(int n) {
    return {g_DocumentHeader[n], g_DocumentPartA[n], g_DocumentPartB[n], g_DocumentTrailer[n],
            g_DocumentHadEndLine[n]};
}

// The question before a split that the join would not give back as it was.
bool UserAcceptsChangedRoundTrip(const QString &text) {
    BusyPointer checking;
    const int line = FirstLineTheRoundTripChanges(text);
    if (line < 0) return true;
    QStringList lines = text.split(QStringLiteral("\r\n"));
    if (text.endsWith(QStringLiteral("\r\n"))) lines.removeLast();
    const QString where = line < lines.size()
                              ? QStringLiteral("%1 行目: %2").arg(QString::number(line + 1), QuotedText(lines[line]))
                              : QStringLiteral("プログラムの終わり");
    checking.Restore();
    const QString prompt = QStringLiteral("AB表示にして元に戻すと、このプログラムは次の所から変わります。\r\n"
                                          "%1\r\n\r\nAB表示にしますか ?")
                               .arg(where);
    return MsgBox(prompt, vbYesNo | vbQuestion | vbDefaultButton2) == vbYes;
}

// Writes a pane for the view: its undo history starts afresh, so Undo never
// brings back what the pane held before the switch.
void WritePaneAfresh(RichTextPane *pane, const QString &text) { pane->LoadText(text); }

bool SwitchViewOn(frmDocument *doc, int n) {
    const QString text = doc->txtText->Text();
    if (!UserAcceptsChangedRoundTrip(text)) return false;
    BusyPointer busy;
    g_DocumentSplit[n] = true;
    const bool changed = doc->txtText->DataChanged();
    SplitProgramByTurret(text);
    WritePaneAfresh(doc->txtText, g_DocumentPartA[n]);
    WritePaneAfresh(doc->txtTextB, g_DocumentPartB[n]);
    // Switching the view on does not mark the document changed.
    doc->txtText->SetDataChanged(changed);
    return true;
}

void SwitchViewOff(frmDocument *doc, int n) {
    BusyPointer busy;
    g_DocumentSplit[n] = false;
    g_DocumentPartA[n] = doc->txtText->Text();
    g_DocumentPartB[n] = doc->txtTextB->Text();
    // The write marks the document changed like any edit.
    WritePaneAfresh(doc->txtText, JoinProgramByTurret(n));
    // The hidden pane keeps no copy of turret B for a later command to read.
    WritePaneAfresh(doc->txtTextB, QString());
}

// Cascade, then tile by the View menu's vertical entry; every window lays
// out its panes for its own view.
void RearrangeForView() {
    ArrangeDocumentWindows(kArrangeCascade);
    const bool vertical = g_frmMain && g_frmMain->mnuWindowTileVertical->isChecked();
    ArrangeDocumentWindows(vertical ? kArrangeTileVertical : kArrangeTileHorizontal);
}

}  // namespace

void SplitProgramByTurret(const QString &text) {
    const int n = g_CurrentDocument;
    const TurretParts parts = SplitTurretParts(text);
    g_DocumentHeader[n] = parts.header;
    g_DocumentPartA[n] = parts.partA;
    g_DocumentPartB[n] = parts.partB;
    g_DocumentTrailer[n] = parts.trailer;
    g_DocumentHadEndLine[n] = parts.hadEndLine;
}

QString JoinProgramByTurret(int slot) { return JoinTurretParts(PartsOfSlot(slot)); }

void mnuAbView_Click() {
    const int n = g_CurrentDocument;
    // A closed current document has nothing to split or join.
    if (IsOpenSlot(n)) {
        frmDocument *doc = g_Documents[n];
        if (!g_DocumentSplit[n]) {
            if (!SwitchViewOn(doc, n)) return;
        } else {
            SwitchViewOff(doc, n);
        }
    }
    BusyPointer busy;
    RearrangeForView();
}

void AppendAtProgramEnd(const QString &text) {
    frmDocument *doc = CurrentDocumentWindow();
    if (text.isEmpty()) return;
    const int n = doc->Slot();
    if (g_DocumentSplit[n]) {
        g_DocumentTrailer[n] += text;
        doc->txtText->SetDataChanged(true);
        return;
    }
    BusyPointer busy;
    RichTextPane *pane = doc->txtText;
    const int caret = pane->SelStart();
    // A last line without a line end is ended first, so that it stays as it
    // was and the text begins a line of its own. In the two-turret view the
    // text goes behind the end line, which always has its line end.
    const QString lineEnd = QStringLiteral("\r\n");
    const QString program = pane->Text();
    pane->SetText(program + (program.isEmpty() || program.endsWith(lineEnd) ? QString() : lineEnd) + text);
    pane->SetSelStart(caret);
}

}  // namespace brennvik
