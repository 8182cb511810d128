// Whole presses as a click runs them, on generated two-turret programs of
// 12,500, 50,000 and 200,000 lines: the menu entry or dialog button, its
// handler, the pane written, and the events that follow processed. Beside
// them awk and perl doing the same work on the same file, for comparison.
// Run by hand, e.g. with --benchmark_repetitions=3
// --benchmark_report_aggregates_only=true for medians of three runs.
#include "app/install_commands.h"
#include "editing/frmNumberArrange.h"
#include "editing/frmReplace.h"
#include "editing/frmSizeShift.h"
#include "platform/AnsiFiles.h"
#include "platform/FileDialogs.h"
#include "platform/FontDialog.h"
#include "platform/KeyboardLocks.h"
#include "platform/MsgBox.h"
#include "platform/Printer.h"
#include "platform/PrinterDialog.h"
#include "platform/RichTextPane.h"
#include "platform/Screens.h"
#include "platform/SettingsStore.h"
#include "workspace/document_slots.h"
#include "workspace/frmDocument.h"
#include "workspace/frmMain.h"
#include "workspace/startup.h"
#include "workspace/workspace_state.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <benchmark/benchmark.h>

#include <chrono>
#include <functional>
#include <map>
#include <random>

namespace brennvik {
namespace {

// One machining block of `length` lines (at least 10): a comment, the tool
// and spindle lines, moves (most of them G01, nearly all with an X word),
// the retract and, in nine blocks of ten, an optional stop M01; so M01
// stands on about one line in 25 and G01 on most lines.
void AppendBlock(QStringList &lines, int length, int index, std::minstd_rand &random) {
    const int tool = index % 12 + 1;
    const QString t = QStringLiteral("%1").arg(tool, 2, 10, QChar(u'0'));
    lines << QStringLiteral("(-----< OD.ROUGH 外径荒加工 T%1 >-----)").arg(t)
          << QStringLiteral("NT%1 G00 X300. Z200. T%1%1%1").arg(t) << QStringLiteral("N000 G50 S2500")
          << QStringLiteral("N000 G96 S180 M03") << QStringLiteral("N000 G00 X82.5 Z5. M08");
    const bool stop = index % 10 != 9;
    const int moves = length - 6 - (stop ? 1 : 0);
    double x = 80, z = 0;
    for (int i = 0; i < moves; ++i) {
        x -= double(random() % 400) / 100;
        z -= double(random() % 900) / 100;
        const int kind = int(random() % 10);
        if (kind < 8)
            lines << QStringLiteral("N000 G01 X%1 Z%2 F0.25").arg(x, 0, 'f', 3).arg(z, 0, 'f', 3);
        else if (kind == 8)
            lines << QStringLiteral("N000 G02 X%1 Z%2 R2.").arg(x, 0, 'f', 3).arg(z, 0, 'f', 3);
        else
            lines << QStringLiteral("/N000 G00 X%1").arg(x + 5, 0, 'f', 3);
    }
    lines << QStringLiteral("N000 G00 X300. Z200. M09");
    if (stop) lines << QStringLiteral("N000 M01");
}

// A program of `count` lines with CR LF: a header, turret A's blocks after a
// bare G13 line, turret B's after a bare G14 line, then NEND M02 and a
// trailer, so the two-turret view gives it back unchanged.
QString TwoTurretProgram(int count) {
    std::minstd_rand random(4711);
    QStringList a, b;
    const int body = count - 7;
    int index = 0;
    while (a.size() + b.size() < body) {
        QStringList &part = a.size() <= b.size() ? a : b;
        const int length = std::min(10 + int(random() % 26), body - int(a.size() + b.size()));
        if (length < 10) {
            part << QStringList(length, QStringLiteral("N000 G01 X1. F0.1"));
            break;
        }
        AppendBlock(part, length, index++, random);
    }
    QStringList lines{QStringLiteral("%"), QStringLiteral("O1234"), QStringLiteral("(TWO TURRETS)"),
                      QStringLiteral("G13")};
    lines << a << QStringLiteral("G14") << b << QStringLiteral("NEND M02") << QStringLiteral("%");
    return lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

// Program words run together into one line of `characters` characters, as
// in a program saved without line breaks.
QString OneLongLine(qsizetype characters) {
    const QString word = QStringLiteral("N000 G01 X12.345 Z-6.789 ");
    QString line;
    while (line.size() < characters) line += word;
    line.truncate(characters);
    return line;
}

void Settle() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

// The started program, its files and its scripted prompts.
class Session {
public:
    static Session &Get() {
        static Session s;
        return s;
    }

    frmMain *Main() const { return m_main; }
    const QString &Text(int lines) {
        File(lines);
        return m_texts[lines];
    }
    QString File(int lines) {
        auto it = m_files.find(lines);
        if (it != m_files.end()) return it->second;
        const QString text = TwoTurretProgram(lines);
        const QString path = m_dir.filePath(QStringLiteral("program_%1.min").arg(lines));
        WriteAnsiFile(path, text);
        m_texts[lines] = text;
        return m_files[lines] = path;
    }
    QString Path(const QString &name) const { return m_dir.filePath(name); }

    // Opens the program through File > Open and returns its document.
    frmDocument *Open(int lines) {
        CloseAll();
        m_openAnswer = File(lines);
        m_main->RunCommand(QStringLiteral("mnuFileOpen"));
        Settle();
        return CurrentDocumentWindow();
    }
    // Puts the document back as opened: plain view, the program, caret at the top.
    void Reload(frmDocument *doc, int lines) {
        if (g_DocumentSplit[doc->Slot()]) m_main->RunCommand(QStringLiteral("mnuAbView"));
        doc->txtText->LoadText(Text(lines));
        doc->txtText->SetDataChanged(false);
        doc->txtText->SetSelStart(0);
        Settle();
    }
    // Closes every document; their windows go at once, so that one press's
    // documents do not weigh on the next.
    void CloseAll() {
        for (int n = 1; n <= kDocumentSlots; ++n)
            if (g_DocumentInUse[n] && g_Documents[n]) g_Documents[n]->Unload();
        Settle();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    // The focus in pane A, as after a click into it.
    bool FocusPane(frmDocument *doc) {
        m_main->activateWindow();
        doc->txtText->setFocus();
        Settle();
        return QApplication::focusWidget() == doc->txtText;
    }

    // Keep nothing, change the view, close without saving.
    static void AnswerMessages() {
        SetMsgBoxResponder([](const MsgBoxCall &call) {
            if ((call.buttons & 7) == vbYesNoCancel) return vbNo;
            if ((call.buttons & 7) == vbYesNo) return vbYes;
            return vbOK;
        });
    }

private:
    Session() {
        SetSettingsFilePath(m_dir.filePath(QStringLiteral("Brennvik.ini")));
        UseInProcessKeyStates(false, false, false);
        UseScreenAreas({QRect(0, 0, 1920, 1040)});
        AnswerMessages();
        SetFileDialogResponder([this](const FileDialogRequest &) { return m_openAnswer; });
        SetFontDialogResponder([](FontChoice &) { return false; });
        SetPrinterSetupResponder([](QPrinter *) { return false; });
        m_main = StartUp({}, InstallAllCommands);
        Settle();
    }

    QTemporaryDir m_dir;
    frmMain *m_main = nullptr;
    std::map<int, QString> m_files;
    std::map<int, QString> m_texts;
    QString m_openAnswer;
};

int Lines(const benchmark::State &state) { return int(state.range(0)); }

void Open(benchmark::State &state) {
    Session &s = Session::Get();
    s.File(Lines(state));
    for (auto _ : state) {
        state.PauseTiming();
        s.CloseAll();
        state.ResumeTiming();
        s.Open(Lines(state));
    }
    s.CloseAll();
}

frmReplace *ReplaceDialog(const QString &what, const QString &with) {
    Session::Get().Main()->RunCommand(QStringLiteral("mnuSearchReplace"));
    g_frmReplace->txtFind->setText(what);
    g_frmReplace->txtReplace->setText(with);
    g_frmReplace->Check1->setChecked(true);
    return g_frmReplace;
}

// 変　更 on M01: each press replaces the match found by the press before
// and selects the next one.
void ReplaceOne(benchmark::State &state) {
    Session &s = Session::Get();
    frmDocument *doc = s.Open(Lines(state));
    frmReplace *d = ReplaceDialog(QStringLiteral("M01"), QStringLiteral("M00"));
    d->Change->click();  // the first press only finds
    Settle();
    for (auto _ : state) {
        d->Change->click();
        Settle();
    }
    if (!doc->txtText->Text().contains(QStringLiteral("M00"))) state.SkipWithError("nothing was replaced");
    d->close();
    s.CloseAll();
}

// Times `press` (with the events it causes) on the program as generated,
// after `prepare` has set the press up, untimed.
void TimePressOnFreshProgram(benchmark::State &state, frmDocument *doc, const std::function<void()> &prepare,
                             const std::function<void()> &press) {
    Session &s = Session::Get();
    for (auto _ : state) {
        state.PauseTiming();
        s.Reload(doc, Lines(state));
        prepare();
        state.ResumeTiming();
        press();
        Settle();
    }
}

void ReplaceAllOf(benchmark::State &state, const QString &what, const QString &with) {
    Session &s = Session::Get();
    frmDocument *doc = s.Open(Lines(state));
    frmReplace *d = ReplaceDialog(what, with);
    TimePressOnFreshProgram(state, doc, [d] { d->Check1->setChecked(true); }, [d] { d->AllChange->click(); });
    if (doc->txtText->Text().contains(what)) state.SkipWithError("not every match was replaced");
    d->close();
    s.CloseAll();
}

void ReplaceAllRare(benchmark::State &state) { ReplaceAllOf(state, QStringLiteral("M01"), QStringLiteral("M00")); }
void ReplaceAllCommon(benchmark::State &state) { ReplaceAllOf(state, QStringLiteral("G01"), QStringLiteral("G1")); }

// Edit > Undo right after 全て変更, with the focus back in the pane.
void UndoReplaceAllOf(benchmark::State &state, const QString &what, const QString &with) {
    Session &s = Session::Get();
    frmDocument *doc = s.Open(Lines(state));
    frmReplace *d = ReplaceDialog(what, with);
    bool restored = true;
    for (auto _ : state) {
        state.PauseTiming();
        s.Reload(doc, Lines(state));
        d->Check1->setChecked(true);
        d->AllChange->click();
        Settle();
        if (!s.FocusPane(doc)) {
            state.SkipWithError("the pane did not get the focus");
            break;
        }
        state.ResumeTiming();
        s.Main()->RunCommand(QStringLiteral("mnuEditUndo"));
        Settle();
        state.PauseTiming();
        restored = restored && doc->txtText->Text() == s.Text(Lines(state));
        state.ResumeTiming();
    }
    if (!restored) state.SkipWithError("Undo did not restore the program");
    d->close();
    s.CloseAll();
}

void UndoReplaceAllRare(benchmark::State &state) { UndoReplaceAllOf(state, QStringLiteral("M01"), QStringLiteral("M00")); }
void UndoReplaceAllCommon(benchmark::State &state) { UndoReplaceAllOf(state, QStringLiteral("G01"), QStringLiteral("G1")); }

// 全て変更 of the size shift: every X plus 1.
void SizeShiftAll(benchmark::State &state) {
    Session &s = Session::Get();
    frmDocument *doc = s.Open(Lines(state));
    s.Main()->RunCommand(QStringLiteral("mnuToolsSizeShift"));
    frmSizeShift *d = g_frmSizeShift;
    d->txtFind->setText(QStringLiteral("X"));
    d->txtValue->setText(QStringLiteral("1"));
    TimePressOnFreshProgram(state, doc, [d] { d->Check1->setChecked(true); }, [d] { d->AllChange->click(); });
    if (doc->txtText->Text() == s.Text(Lines(state))) state.SkipWithError("nothing was shifted");
    d->close();
    s.CloseAll();
}

// 実行 of the sequence-number arrangement from the top, from 10 by 10.
void Renumber(benchmark::State &state) {
    Session &s = Session::Get();
    frmDocument *doc = s.Open(Lines(state));
    const auto openDialog = [&s] {
        s.Main()->RunCommand(QStringLiteral("mnuToolsNumberArrange"));
        frmNumberArrange *d = g_frmNumberArrange;
        d->StartNo->setText(QStringLiteral("10"));
        d->AddNo->setText(QStringLiteral("10"));
        d->FromTop->setChecked(true);
    };
    TimePressOnFreshProgram(state, doc, openDialog, [] { g_frmNumberArrange->Command1->click(); });
    if (!doc->txtText->Text().contains(QStringLiteral("N010 "))) state.SkipWithError("nothing was numbered");
    s.CloseAll();
}

void ViewSwitch(benchmark::State &state, bool on) {
    Session &s = Session::Get();
    frmDocument *doc = s.Open(Lines(state));
    const auto viewSwitch = [&s] { s.Main()->RunCommand(QStringLiteral("mnuAbView")); };
    TimePressOnFreshProgram(state, doc, [&] {
        if (!on) viewSwitch();
        Settle();
    }, viewSwitch);
    if (g_DocumentSplit[doc->Slot()] != on) state.SkipWithError("the view did not switch");
    s.CloseAll();
}

void ViewOn(benchmark::State &state) { ViewSwitch(state, true); }
void ViewOff(benchmark::State &state) { ViewSwitch(state, false); }

// File > プリント of the open document into a PDF file.
void PrintPresses(benchmark::State &state, const QString &pdf) {
    Session &s = Session::Get();
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(pdf);
        Printer::Instance().Device()->setOutputFileName(pdf);
        state.ResumeTiming();
        s.Main()->RunCommand(QStringLiteral("mnuFilePrint"));
        Settle();
    }
    if (QFileInfo(pdf).size() == 0) state.SkipWithError("no PDF was written");
    state.counters["pages"] = g_PageNo;
    s.CloseAll();
}

void PrintToPdf(benchmark::State &state) {
    Session &s = Session::Get();
    s.Open(Lines(state));
    PrintPresses(state, s.Path(QStringLiteral("listing_%1.pdf").arg(Lines(state))));
}

// One line of so many characters, without a line end.
void PrintOneLongLine(benchmark::State &state) {
    Session &s = Session::Get();
    frmDocument *doc = s.Open(12500);
    doc->txtText->LoadText(OneLongLine(state.range(0)));
    PrintPresses(state, s.Path(QStringLiteral("line.pdf")));
}

// ツール > ファイルの比較 on two documents whose first line, of so many
// characters, differs in its last one: the time until its question stands on
// the screen in a real message box, which is then answered No.
void CompareLongLines(benchmark::State &state) {
    Session &s = Session::Get();
    s.CloseAll();
    QString line = OneLongLine(state.range(0));
    for (const QChar last : {u'A', u'B'}) {
        s.Main()->RunCommand(QStringLiteral("mnuFileNew"));
        line[line.size() - 1] = last;
        CurrentDocumentWindow()->txtText->LoadText(line + QStringLiteral("\r\n"));
    }
    g_CurrentDocument = 1;
    Settle();
    using Clock = std::chrono::steady_clock;
    Clock::time_point shown;
    // Once the box has shown, its No button is clicked from its own event loop.
    struct Answerer : QObject {
        Clock::time_point *shown = nullptr;
        bool eventFilter(QObject *o, QEvent *e) override {
            auto *box = qobject_cast<QMessageBox *>(o);
            if (box && e->type() == QEvent::Show)
                QTimer::singleShot(0, box, [this, box] {
                    *shown = Clock::now();
                    box->button(QMessageBox::No)->click();
                });
            return false;
        }
    } answerer;
    answerer.shown = &shown;
    qApp->installEventFilter(&answerer);
    SetMsgBoxResponder(nullptr);
    for (auto _ : state) {
        const Clock::time_point pressed = Clock::now();
        s.Main()->RunCommand(QStringLiteral("mnuToolCompe"));
        state.SetIterationTime(std::chrono::duration<double>(shown - pressed).count());
        Settle();
    }
    qApp->removeEventFilter(&answerer);
    s.AnswerMessages();
    if (shown == Clock::time_point()) state.SkipWithError("no question was shown");
    s.CloseAll();
}

void Save(benchmark::State &state) {
    Session &s = Session::Get();
    frmDocument *doc = s.Open(Lines(state));
    for (auto _ : state) {
        state.PauseTiming();
        doc->txtText->SetDataChanged(true);
        state.ResumeTiming();
        s.Main()->RunCommand(QStringLiteral("mnuFileSave"));
        Settle();
    }
    if (doc->txtText->DataChanged()) state.SkipWithError("the document was not saved");
    s.CloseAll();
}

void TypeInTheMiddle(benchmark::State &state) {
    Session &s = Session::Get();
    frmDocument *doc = s.Open(Lines(state));
    RichTextPane *pane = doc->txtText;
    pane->SetSelStart(int(pane->Text().size() / 2));
    s.FocusPane(doc);
    for (auto _ : state) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("X"));
        QCoreApplication::sendEvent(pane, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_X, Qt::NoModifier, QStringLiteral("X"));
        QCoreApplication::sendEvent(pane, &release);
        Settle();
    }
    s.CloseAll();
}

// The same work by a tool that streams the file line by line.
void External(benchmark::State &state, const QString &program, const QStringList &script) {
    Session &s = Session::Get();
    const QString in = s.File(Lines(state));
    const QString out = s.Path(QStringLiteral("out.min"));
    for (auto _ : state) {
        QProcess p;
        p.setStandardOutputFile(out);
        p.start(program, QStringList(script) << in);
        if (!p.waitForFinished(60000) || p.exitCode() != 0) {
            state.SkipWithError("the tool failed");
            break;
        }
    }
}

void AwkReplaceAllRare(benchmark::State &state) {
    External(state, QStringLiteral("awk"), {QStringLiteral("{gsub(/M01/,\"M00\")}1")});
}
void AwkReplaceAllCommon(benchmark::State &state) {
    External(state, QStringLiteral("awk"), {QStringLiteral("{gsub(/G01/,\"G1\")}1")});
}
void PerlSizeShift(benchmark::State &state) {
    External(state, QStringLiteral("perl"), {QStringLiteral("-pe"), QStringLiteral("s/X([-+]?[0-9.]+)/'X'.($1+1)/ge")});
}
void PerlRenumber(benchmark::State &state) {
    External(state, QStringLiteral("perl"),
             {QStringLiteral("-pe"), QStringLiteral("s/^N[0-9]+ */sprintf('N%03d ', $n += 10)/e")});
}

// Each press runs on each size; slow set-ups (a reload per press) keep the
// counts of presses small.
void Sizes(benchmark::internal::Benchmark *b, int iterations) {
    b->Unit(benchmark::kMillisecond)->Iterations(iterations);
    for (int lines : {12500, 50000, 200000}) b->Arg(lines);
}

BENCHMARK(Open)->Apply([](auto *b) { Sizes(b, 3); });
BENCHMARK(ReplaceOne)->Apply([](auto *b) { Sizes(b, 10); });
BENCHMARK(ReplaceAllRare)->Apply([](auto *b) { Sizes(b, 3); });
BENCHMARK(ReplaceAllCommon)->Apply([](auto *b) { Sizes(b, 3); });
BENCHMARK(UndoReplaceAllRare)->Apply([](auto *b) { Sizes(b, 3); });
BENCHMARK(UndoReplaceAllCommon)->Apply([](auto *b) { Sizes(b, 3); });
BENCHMARK(SizeShiftAll)->Apply([](auto *b) { Sizes(b, 3); });
BENCHMARK(Renumber)->Apply([](auto *b) { Sizes(b, 3); });
BENCHMARK(ViewOn)->Apply([](auto *b) { Sizes(b, 3); });
BENCHMARK(ViewOff)->Apply([](auto *b) { Sizes(b, 3); });
BENCHMARK(PrintToPdf)->Apply([](auto *b) { Sizes(b, 1); });
BENCHMARK(PrintOneLongLine)->Unit(benchmark::kMillisecond)->Iterations(1)->Arg(250000)->Arg(1000000);
BENCHMARK(CompareLongLines)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(1)->Arg(1000000);
BENCHMARK(Save)->Apply([](auto *b) { Sizes(b, 5); });
BENCHMARK(TypeInTheMiddle)->Apply([](auto *b) { Sizes(b, 20); });
BENCHMARK(AwkReplaceAllRare)->Apply([](auto *b) { Sizes(b, 5); });
BENCHMARK(AwkReplaceAllCommon)->Apply([](auto *b) { Sizes(b, 5); });
BENCHMARK(PerlSizeShift)->Apply([](auto *b) { Sizes(b, 5); });
BENCHMARK(PerlRenumber)->Apply([](auto *b) { Sizes(b, 5); });

}  // namespace
}  // namespace brennvik
