#include "character_colours.h"

#include "document_search.h"
#include "search_state.h"
#include "platform/BusyPointer.h"
#include "platform/RichTextPane.h"

namespace brennvik {

namespace {
constexpr int kBlue = 0xFF0000;
constexpr int kBlack = 0;
bool IsDigit(QChar c) { return c >= u'0' && c <= u'9'; }
}  // namespace

QList<CharacterRun> NonDigitRuns(const QString &text) {
    QList<CharacterRun> runs;
    for (int i = 0; i < text.size();) {
        if (IsDigit(text[i])) {
            ++i;
            continue;
        }
        const int start = i;
        while (i < text.size() && !IsDigit(text[i])) ++i;
        runs << CharacterRun{start, i - start};
    }
    return runs;
}

void mnuColor_Click() {
    RichTextPane *pane = FocusedPane();
    if (!pane) return;
    BusyPointer busy;
    g_CaretPos = pane->SelStart();
    const QList<CharacterRun> runs = NonDigitRuns(pane->Text());
    // One step of the pane's undo takes the whole colouring back.
    pane->AsOneEdit([&] {
        for (const CharacterRun &run : runs) {
            pane->Select(run.start, run.length);
            pane->SetSelColor(kBlue);
        }
    });
    pane->SetSelStart(g_CaretPos);
}

void mnuColorBlack_Click() {
    RichTextPane *pane = FocusedPane();
    if (!pane) return;
    BusyPointer busy;
    pane->AsOneEdit([&] {
        pane->Select(0, int(pane->Text().size()));
        pane->SetSelColor(kBlack);
    });
    pane->Select(0, 0);
}

}  // namespace brennvik
