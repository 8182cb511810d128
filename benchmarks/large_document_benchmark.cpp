// A 20 MB program with a character Shift-JIS cannot hold every 20
// characters: the time from Save to the refusal's message (the pane's text
// read, encoded, the message built), and the encoding alone; and one typed
// character in the middle of the program, with the pane telling the change.
#include "platform/AnsiCodec.h"
#include "platform/AnsiFiles.h"
#include "platform/RichTextPane.h"
#include "workspace/program_files.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace brennvik {
namespace {

constexpr qsizetype kDocumentSize = 20 * 1000 * 1000;

// Lines of 38 characters and CR LF; the 20th character of every 20 is a euro sign.
const QString &Program() {
    static const QString text = [] {
        const QString line = QStringLiteral("N000 G01 X12.345 Z-6.789 F0.2 (ﾊﾞｲﾄ)\r\n");
        QString t;
        t.reserve(kDocumentSize + line.size());
        while (t.size() < kDocumentSize) t += line;
        t.truncate(kDocumentSize);
        for (qsizetype i = 19; i < t.size(); i += 20)
            if (t[i] != u'\r' && t[i] != u'\n') t[i] = QChar(0x20AC);
        return t;
    }();
    return text;
}

void EncodeRefused(benchmark::State &state) {
    for (auto _ : state) benchmark::DoNotOptimize(AnsiCodec::encode(Program()).firstBadChar);
}

void SaveRefused(benchmark::State &state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("big.min"));
    RichTextPane pane;
    pane.LoadText(Program());
    for (auto _ : state) {
        const QString text = pane.Text();
        const AnsiFileWrite written = WriteAnsiFile(path, text);
        benchmark::DoNotOptimize(UnsavableCharacterMessage(text, written.badChar));
    }
}

void TypeInPane(benchmark::State &state) {
    RichTextPane pane;
    pane.LoadText(Program());
    pane.SetSelStart(int(kDocumentSize / 2));
    int changes = 0;
    QObject::connect(&pane, &RichTextPane::Change, [&] { ++changes; });
    for (auto _ : state) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("X"));
        QCoreApplication::sendEvent(&pane, &press);
    }
    if (changes != int(state.iterations())) state.SkipWithError("a typed character was not told as a change");
}

BENCHMARK(EncodeRefused)->Unit(benchmark::kMillisecond);
BENCHMARK(SaveRefused)->Unit(benchmark::kMillisecond);
BENCHMARK(TypeInPane)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace brennvik
