// Printing from the File menu into a PDF file, read back as text, and the
// print-settings window.
#include "documents_fixture.h"

#include "platform/FontDialog.h"
#include "platform/FontFallback.h"
#include "platform/Printer.h"
#include "platform/PrinterDialog.h"
#include "platform/RichTextPane.h"
#include "support/dialog_helpers.h"
#include "workspace/PrintSetting.h"
#include "workspace/document_slots.h"
#include "workspace/frmDocument.h"
#include "workspace/frmMain.h"
#include "workspace/printing.h"
#include "workspace/workspace_state.h"

#include <QApplication>
#include <QFile>
#include <QFontInfo>
#include <QLabel>
#include <QMessageLogContext>
#include <QPrinter>
#include <QProcess>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTimer>

#include <functional>

namespace brennvik {
namespace {

class PrintingTest : public DocumentsFixture {
protected:
    // A document holding `text`, printed through the menu entry into a PDF file.
    QString PrintToPdf(const QString &text) {
        m_main->mnuFileNew_Click();
        g_Documents[g_CurrentDocument]->txtText->SetText(text);
        const QString pdf = m_dir.filePath(QStringLiteral("listing.pdf"));
        Printer::Instance().Device()->setOutputFileName(pdf);
        EXPECT_TRUE(m_main->RunCommand(QStringLiteral("mnuFilePrint")));
        return pdf;
    }
};

// What a command-line tool prints.
QString Output(const QString &program, const QStringList &arguments) {
    QProcess p;
    p.start(program, arguments);
    p.waitForFinished(10000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

QString ProgramLines(int count) {
    QStringList lines;
    for (int i = 1; i <= count; ++i) lines << QStringLiteral("N%1 G01 X%2 Z-%3").arg(i, 4, 10, QChar(u'0')).arg(i).arg(2 * i);
    return lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

TEST_F(PrintingTest, TwoHundredLinesInTwoColumnsPrintAsLaidOut) {
    StartMain();
    g_PrintLineNo = 2;
    const QString text = ProgramLines(200);
    const QString pdf = PrintToPdf(text);
    EXPECT_TRUE(m_msgBoxes.empty());

    Printer &printer = Printer::Instance();
    const QList<ListingPage> pages =
        LayOutListing(text, QStringLiteral("無題 1"), QDate::currentDate(), SetUpPrinter(),
                      [&printer](const QString &t) { return printer.TextWidth(t); });
    ASSERT_GE(pages.size(), 2);
    EXPECT_EQ(g_PageNo, pages.size());
    const QString info = Output(QStringLiteral("pdfinfo"), {pdf});
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+%1\\n").arg(pages.size())))) << info.toStdString();

    // Raw order is drawing order: the header, the left column, the right one.
    const QStringList printed = Output(QStringLiteral("pdftotext"), {QStringLiteral("-raw"), pdf, QStringLiteral("-")})
                                    .split(u'\f');
    for (const ListingPage &page : pages) {
        QStringList expected{page.header[0].text + u' ' + page.header[1].text + u' ' + page.header[2].text};
        for (const PrintedText &t : page.body) expected << t.text;
        EXPECT_EQ(printed.value(page.number - 1).trimmed().split(u'\n'), expected) << "page " << page.number;
    }
    // Every line once, in order, each in one of the two columns.
    QStringList body;
    for (const ListingPage &page : pages)
        for (const PrintedText &t : page.body) body << t.text;
    EXPECT_EQ(body.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"), text);
}

// The toolkit's warnings while `run` runs.
QStringList WarningsDuring(const std::function<void()> &run) {
    static QStringList *caught = nullptr;
    QStringList warnings;
    caught = &warnings;
    const QtMessageHandler previous = qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &m) {
        caught->append(m);
    });
    run();
    qInstallMessageHandler(previous);
    caught = nullptr;
    return warnings;
}

// Printing with no printer, or into a PDF file that cannot be written, used
// to paint on the device all the same: the toolkit refused and said so on
// the terminal ("QPainter::begin(): Returned false").
TEST_F(PrintingTest, APrinterThatCannotStartIsReportedAndNeverPaintedOn) {
    const struct {
        const char *what;
        QString pdf;
        QString reason;
    } cases[] = {
        {"no printer and no PDF file", QString(), QStringLiteral("プリンターがありません。")},
        {"a PDF file in a missing folder", m_dir.filePath(QStringLiteral("no such folder/listing.pdf")),
         m_dir.filePath(QStringLiteral("no such folder/listing.pdf"))},
    };
    StartMain();
    m_main->mnuFileNew_Click();
    RichTextPane *pane = g_Documents[1]->txtText;
    pane->LoadText(QStringLiteral("N0001 G00\r\n"));
    pane->SetDataChanged(false);
    for (const auto &c : cases) {
        m_msgBoxes.clear();
        QPrinter *device = Printer::Instance().Device();
        ASSERT_EQ(device->outputFormat(), QPrinter::PdfFormat) << "the tests run without a printer";
        device->setOutputFileName(c.pdf);
        const QStringList warnings = WarningsDuring([this] { m_main->mnuFilePrint_Click(); });
        EXPECT_FALSE(warnings.join(u'\n').contains(QStringLiteral("QPainter"))) << c.what;
        ASSERT_EQ(Prompts().size(), 1u) << c.what;
        EXPECT_TRUE(Prompts()[0].startsWith(QStringLiteral("プリンターを開始できません。\r\n") + c.reason))
            << Prompts()[0].toStdString();
        EXPECT_EQ(m_msgBoxes[0].title, "プリント");
        EXPECT_EQ(pane->Text(), "N0001 G00\r\n");
        EXPECT_FALSE(pane->DataChanged());
    }
}

// Printing shows its progress and stops at Cancel: the file it was writing
// goes, the document stays as it was, and the next listing prints whole.
TEST_F(PrintingTest, CancelStopsBetweenPagesAndLeavesNoFile) {
    StartMain();
    const QString text = ProgramLines(2000);
    QStringList seen;
    int progressShown = 0;
    // Clicks Cancel in the progress window once it tells of page 3; runs
    // while printing only because printing lets events through.
    std::function<void()> watch = [&] {
        for (QWidget *w : QApplication::topLevelWidgets()) {
            auto *progress = qobject_cast<QProgressDialog *>(w);
            if (!progress || progress->objectName() != "PrintProgress" || !progress->isVisible()) continue;
            ++progressShown;
            const QString label = progress->findChild<QLabel *>()->text();
            if (seen.isEmpty() || seen.last() != label) seen << label;
            if (label.startsWith("3 ")) {
                progress->findChild<QPushButton *>()->click();
                return;
            }
        }
        QTimer::singleShot(0, watch);
    };
    QTimer::singleShot(0, watch);
    m_main->mnuFileNew_Click();
    RichTextPane *pane = g_Documents[g_CurrentDocument]->txtText;
    pane->LoadText(text);
    pane->SetDataChanged(false);
    const QString pdf = m_dir.filePath(QStringLiteral("listing.pdf"));
    Printer::Instance().Device()->setOutputFileName(pdf);
    m_main->RunCommand(QStringLiteral("mnuFilePrint"));

    EXPECT_GT(progressShown, 0);
    EXPECT_EQ(seen, QStringList({"プリントしています。", "1 ページをプリントしました。", "2 ページをプリントしました。",
                                 "3 ページをプリントしました。"}));
    EXPECT_EQ(g_PageNo, 3);
    EXPECT_FALSE(QFile::exists(pdf));
    EXPECT_TRUE(m_msgBoxes.empty());
    EXPECT_EQ(pane->Text(), text);
    EXPECT_FALSE(pane->DataChanged());
    for (QWidget *w : QApplication::topLevelWidgets())
        EXPECT_FALSE(w->objectName() == "PrintProgress" && w->isVisible());

    m_main->RunCommand(QStringLiteral("mnuFilePrint"));
    EXPECT_TRUE(QFile::exists(pdf));
    EXPECT_GT(g_PageNo, 3);
    const QString info = Output(QStringLiteral("pdfinfo"), {pdf});
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+%1\\n").arg(g_PageNo)))) << info.toStdString();
}

TEST_F(PrintingTest, MarginsThatLeaveNoColumnAreRefusedBeforeAnythingIsPrinted) {
    StartMain();
    g_LeftMerge = 400;
    const QString pdf = PrintToPdf(QStringLiteral("N0001\r\n"));
    ASSERT_EQ(Prompts().size(), 1u);
    EXPECT_TRUE(Prompts()[0].startsWith(QStringLiteral("余白が大きすぎて"))) << Prompts()[0].toStdString();
    EXPECT_FALSE(QFile::exists(pdf));
}

class PrintSettingTest : public DocumentsFixture {
protected:
    PrintSetting *Open() {
        m_main->RunCommand(QStringLiteral("mnuFilePrinterSetup"));
        EXPECT_TRUE(g_PrintSetting && g_PrintSetting->isVisible());
        return g_PrintSetting;
    }
};

TEST_F(PrintSettingTest, OpensWithTheSettingsAndNoOptionForAnUnknownColumnCount) {
    StartMain();
    const struct {
        int16_t columns;
        bool option1, option2;
    } rows[] = {{1, true, false}, {2, false, true}, {3, false, false}};
    for (const auto &r : rows) {
        g_PrintLineNo = r.columns;
        g_LeftMerge = 15;
        g_RightMerge = 5;
        PrintSetting *w = Open();
        EXPECT_EQ(w->windowTitle(), "プリント設定");
        EXPECT_EQ(w->Option1->isChecked(), r.option1) << r.columns;
        EXPECT_EQ(w->Option2->isChecked(), r.option2) << r.columns;
        EXPECT_EQ(w->Text1->text(), "15");
        EXPECT_EQ(w->Text2->text(), "5");
        ClickControl(w, "Command4");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_FALSE(g_PrintSetting);
    }
}

TEST_F(PrintSettingTest, OkTakesWholeMillimetresAndTheColumnsAndTheyAreStoredAtExit) {
    StartMain();
    PrintSetting *w = Open();
    SetBoxText(w, "Text1", "12.5");
    SetBoxText(w, "Text2", "abc");
    ClickControl(w, "Option2");
    ClickControl(w, "Command3");
    EXPECT_EQ(g_LeftMerge, 12);
    EXPECT_EQ(g_RightMerge, 0);
    EXPECT_EQ(g_PrintLineNo, 2);
    CloseMain();
    EXPECT_EQ(StoredSetting("Settings", "LeftMerge"), "12");
    EXPECT_EQ(StoredSetting("Settings", "RightMerge"), "0");
    EXPECT_EQ(StoredSetting("Settings", "PrintLineNo"), "2");
}

TEST_F(PrintSettingTest, AMarginBeyondAnyNumberIsReportedAndTheWindowStays) {
    StartMain();
    PrintSetting *w = Open();
    SetBoxText(w, "Text1", "1e20");
    ClickControl(w, "Command3");
    ASSERT_EQ(m_msgBoxes.size(), 1u);
    EXPECT_EQ(m_msgBoxes[0].title, "エラー 6");
    EXPECT_EQ(g_LeftMerge, 10);
    EXPECT_TRUE(g_PrintSetting && g_PrintSetting->isVisible());
}

TEST_F(PrintSettingTest, CancelKeepsMarginsAndColumns) {
    StartMain();
    PrintSetting *w = Open();
    SetBoxText(w, "Text1", "30");
    ClickControl(w, "Option2");
    ClickControl(w, "Command4");
    EXPECT_EQ(g_LeftMerge, 10);
    EXPECT_EQ(g_PrintLineNo, 1);
}

TEST_F(PrintSettingTest, PrintFontTakesTheChosenNameAndWholePoints) {
    StartMain();
    PrintSetting *w = Open();
    // OK on the face the dialog opens on keeps the stored name, which the
    // listing is printed in (its stand-in here).
    FontChoice preset;
    SetFontDialogResponder([&preset](FontChoice &c) {
        preset = c;
        return true;
    });
    ClickControl(w, "Command2");
    EXPECT_EQ(preset.name, QFontInfo(PrintFont(QStringLiteral("ＭＳ 明朝"), 11)).family());
    EXPECT_NE(preset.name, "ＭＳ 明朝") << "the stored default is not installed here";
    EXPECT_EQ(preset.size, 11);
    EXPECT_EQ(g_PrintFontName, "ＭＳ 明朝");
    EXPECT_EQ(g_PrintFontSize, 11);
    SetFontDialogResponder([](FontChoice &c) {
        c = {QStringLiteral("Noto Serif CJK JP"), 10.5};
        return true;
    });
    ClickControl(w, "Command2");
    EXPECT_EQ(g_PrintFontName, "Noto Serif CJK JP");
    EXPECT_EQ(g_PrintFontSize, 10);
    SetFontDialogResponder([](FontChoice &c) {
        c = {QStringLiteral("Other"), 20};
        return false;
    });
    ClickControl(w, "Command2");
    EXPECT_EQ(g_PrintFontName, "Noto Serif CJK JP");
    EXPECT_EQ(g_PrintFontSize, 10);
}

TEST_F(PrintSettingTest, ThePrinterChosenInTheSetUpDialogIsThePrinterThatPrints) {
    StartMain();
    PrintSetting *w = Open();
    const QString pdf = m_dir.filePath(QStringLiteral("chosen.pdf"));
    int presetOrientation = 0;
    SetPrinterSetupResponder([&](QPrinter *printer) {
        presetOrientation = printer->pageLayout().orientation() == QPageLayout::Landscape ? 2 : 1;
        printer->setOutputFileName(pdf);
        printer->setPageOrientation(QPageLayout::Landscape);
        return true;
    });
    ClickControl(w, "Command1");
    EXPECT_EQ(presetOrientation, 1);
    EXPECT_EQ(g_PrinterOrientation, 2);
    // A cancelled dialog keeps the orientation.
    SetPrinterSetupResponder([](QPrinter *printer) {
        printer->setPageOrientation(QPageLayout::Portrait);
        return false;
    });
    ClickControl(w, "Command1");
    EXPECT_EQ(g_PrinterOrientation, 2);
    ClickControl(w, "Command4");

    m_main->mnuFileNew_Click();
    g_Documents[1]->txtText->SetText(QStringLiteral("N0001 G00 X0\r\n"));
    m_main->mnuFilePrint_Click();
    EXPECT_TRUE(m_msgBoxes.empty());
    const QString info = Output(QStringLiteral("pdfinfo"), {pdf});
    EXPECT_TRUE(info.contains(QStringLiteral("Pages:           1"))) << info.toStdString();
    // Landscape: wider than high.
    const QRegularExpressionMatch size =
        QRegularExpression(QStringLiteral("Page size:\\s+([\\d.]+) x ([\\d.]+)")).match(info);
    ASSERT_TRUE(size.hasMatch()) << info.toStdString();
    EXPECT_GT(size.captured(1).toDouble(), size.captured(2).toDouble());
}

}  // namespace
}  // namespace brennvik
