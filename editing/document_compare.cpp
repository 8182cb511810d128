#include "document_compare.h"

#include "platform/BusyPointer.h"
#include "platform/MsgBox.h"
#include "platform/RichTextPane.h"
#include "workspace/document_slots.h"
#include "workspace/frmDocument.h"

namespace brennvik {

namespace {

const QString kTitle = QStringLiteral("ファイルの比較");
constexpr int kRed = 255;

// The line is selected, scrolled into view and coloured; the pane shows the
// selection without the focus too, so that the pair asked about stands out.
void MarkRed(RichTextPane *pane, const DocumentLine &line) {
    pane->SetHideSelection(false);
    pane->Select(line.start, int(line.text.size()));
    pane->SetSelColor(kRed);
}

QString LineCount(int slot, const QList<DocumentLine> &lines) {
    return QStringLiteral("[%1] %2 行").arg(g_Documents[slot]->Caption()).arg(lines.size());
}

}  // namespace

QList<DocumentLine> DocumentLines(const QString &text) {
    QList<DocumentLine> lines;
    qsizetype pos = 0;
    while (pos < text.size()) {
        qsizetype end = text.indexOf(QLatin1String("\r\n"), pos);
        if (end < 0) end = text.size();
        lines << DocumentLine{int(pos), text.mid(pos, end - pos)};
        pos = end + 2;
    }
    return lines;
}

QList<LineDifference> LineDifferences(const QList<DocumentLine> &current,
                                      const std::map<int, QList<DocumentLine>> &others) {
    QList<LineDifference> out;
    for (int k = 0; k < current.size(); ++k)
        for (const auto &[slot, lines] : others)
            if (k < lines.size() && lines[k].text != current[k].text)
                out << LineDifference{k, slot, current[k], lines[k]};
    return out;
}

void mnuToolCompe_Click() {
    const int current = g_CurrentDocument;
    if (current < 1 || current > kDocumentSlots || !g_DocumentInUse[current] || !g_Documents[current]) return;
    if (g_DocumentSplit[current]) {
        MsgBox(QStringLiteral("AB独立表示中ではファイルの比較はできません。"), vbOKOnly | vbExclamation, kTitle);
        return;
    }
    BusyPointer busy;
    std::map<int, QList<DocumentLine>> others;
    for (int n = 1; n <= kDocumentSlots; ++n)
        if (n != current && g_DocumentInUse[n] && g_Documents[n]) others[n] = DocumentLines(g_Documents[n]->txtText->Text());
    if (others.empty()) {
        busy.Restore();
        MsgBox(QStringLiteral("2つ以上のファイルを開いてください。"), vbOKOnly | vbExclamation, kTitle);
        return;
    }
    RichTextPane *pane = g_Documents[current]->txtText;
    const QList<DocumentLine> lines = DocumentLines(pane->Text());
    const QList<LineDifference> differences = LineDifferences(lines, others);
    busy.Restore();
    for (const LineDifference &d : differences) {
        {
            BusyPointer marking;
            MarkRed(pane, d.current);
            MarkRed(g_Documents[d.slot]->txtText, d.other);
        }
        // Only the beginning of a long line: the red mark shows the whole of it.
        const QString prompt = QStringLiteral("違いのある行\n") + QuotedText(d.current.text) + u'\n' +
                               QuotedText(d.other.text) + QStringLiteral("\r\n続いて比較しますか？");
        if (MsgBox(prompt, vbYesNo | vbQuestion, kTitle) == vbNo) return;
    }
    // Lines beyond the end of the shorter document were not compared: say so.
    QStringList counts;
    for (const auto &[slot, otherLines] : others)
        if (otherLines.size() != lines.size()) counts << LineCount(slot, otherLines);
    QString done = QStringLiteral("全ての行を比較しました。");
    if (!counts.isEmpty())
        done += QStringLiteral("\r\n行数が違います。\r\n") + LineCount(current, lines) + QStringLiteral("\r\n") +
                counts.join(QStringLiteral("\r\n"));
    MsgBox(done, vbOKOnly, kTitle);
}

}  // namespace brennvik
