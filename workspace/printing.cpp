#include "printing.h"

#include "PrintProgress.h"
#include "document_slots.h"
#include "frmMain.h"
#include "frmDocument.h"
#include "platform/MsgBox.h"
#include "platform/Printer.h"
#include "platform/RichTextPane.h"
#include "workspace_state.h"

namespace brennvik {

namespace {

const QString kTitle = QStringLiteral("プリント");
constexpr int kHeaderRuleDots = 3;
constexpr int kBlack = 0;

void PrintAt(Printer &printer, const PrintedText &t) {
    printer.CurrentX = t.x;
    printer.CurrentY = t.y;
    printer.Print(t.text);
}

void PrintPage(Printer &printer, const ListingPage &page) {
    g_PageNo = int16_t(page.number);
    printer.DrawWidth = kHeaderRuleDots;
    for (const PrintedText &t : page.header) PrintAt(printer, t);
    printer.Line(page.rule.x1(), page.rule.y1(), page.rule.x2(), page.rule.y2(), kBlack);
    for (const PrintedText &t : page.body) PrintAt(printer, t);
}

}  // namespace

ListingSetup SetUpPrinter() {
    Printer &printer = Printer::Instance();
    printer.SetOrientation(g_PrinterOrientation);
    printer.SetFont(g_PrintFontName, int(g_PrintFontSize));
    ListingSetup s;
    s.job = ComputePrintJob(printer.TextHeight(QStringLiteral("A")), printer.ScaleWidth(), printer.ScaleHeight(),
                            g_RightMerge);
    g_PrintLineHeight = s.job.lineHeight;
    g_PrintLinesPerPage = s.job.linesPerPage;
    g_PrintRightEdge = s.job.rightEdge;
    s.printableWidth = printer.ScaleWidth();
    s.textLineHeight = printer.TextHeight(QStringLiteral("A"));
    s.leftMargin = g_LeftMerge;
    s.columns = g_PrintLineNo;
    return s;
}

void PrintActiveDocument() {
    if (g_CurrentDocument < 1 || g_CurrentDocument > kDocumentSlots || !g_DocumentInUse[g_CurrentDocument]) return;
    frmDocument *doc = g_Documents[g_CurrentDocument];
    if (!doc) return;
    const ListingSetup setup = SetUpPrinter();
    if (const QString refusal = ListingRefusal(setup); !refusal.isEmpty()) {
        MsgBox(refusal, vbOKOnly | vbExclamation, kTitle);
        return;
    }
    Printer &printer = Printer::Instance();
    // In the two-turret view the turret part whose pane has the focus.
    RichTextPane *pane = g_DocumentSplit[g_CurrentDocument] ? doc->ActivePane() : doc->txtText;
    const QString text = pane->Text();
    ListingPages pages(text, doc->Caption(), QDate::currentDate(), setup,
                       [&printer](const QString &t) { return printer.TextWidth(t); });
    QString error;
    if (!printer.StartDoc(&error)) {
        MsgBox(QStringLiteral("プリンターを開始できません。\r\n") + error +
                   QStringLiteral("\r\n[プリンターの設定] でプリンターか PDF ファイルを選んでください。"),
               vbOKOnly | vbExclamation, kTitle);
        return;
    }
    PrintProgress progress(text.size(), g_frmMain);
    do {
        const ListingPage page = pages.Next();
        if (page.number > 1) printer.NewPage();
        PrintPage(printer, page);
        if (!progress.Printed(page.number, pages.Done())) {
            printer.AbortDoc();
            return;
        }
    } while (!pages.AtEnd());
    progress.close();
    if (!printer.EndDoc(&error))
        MsgBox(QStringLiteral("プリントを終えられませんでした。\r\n") + error, vbOKOnly | vbExclamation, kTitle);
}

}  // namespace brennvik
