// Replace all, size shift and renumbering on a generated 50,000-line program:
// the text functions alone, and the whole press through a document pane
// (read the pane, compute, write it back as one edit).
#include "editing/renumber.h"
#include "editing/search.h"
#include "editing/size_shift.h"
#include "platform/RichTextPane.h"

#include <benchmark/benchmark.h>

namespace brennvik {
namespace {

constexpr int kLines = 50000;

// A turning program of kLines lines with CR LF, Japanese comments, named
// sequences, block skips and end codes, ending with an empty line.
const QString &Program() {
    static const QString text = [] {
        const QStringList block = {
            "(-----< OD.ROUGH 外径荒加工 >-----)", "NT01 G00 X300. Z200. T010101", "N000 G50 S2500",
            "N000 G96 S180 M03", "N000 G00 X82. Z5. M08", "NAP2 G81", "N000 G01 X60. Z-12.5 F0.25",
            "N000     X70.5 Z-30.", "/N000 G00 X200.", "N000 G80", "N000 G00 X300. Z200. M09",
            "N000 M01", "\t",
        };
        QString t;
        for (int i = 0; i < kLines; ++i) t += block[i % block.size()] + QStringLiteral("\r\n");
        return t;
    }();
    return text;
}

RenumberOptions Numbering() {
    RenumberOptions o;
    o.start = 10;
    o.step = 10;
    o.spaceN = 1;
    return o;
}

ShiftFormula Half() {
    ShiftFormula f;
    ReadShiftFormula(QStringLiteral("*0.5"), &f);
    return f;
}

void ReplaceAll(benchmark::State &state) {
    for (auto _ : state) benchmark::DoNotOptimize(ReplaceAllFrom(Program(), "G01", "G1", 0));
}

void SizeShift(benchmark::State &state) {
    const ShiftFormula f = Half();
    for (auto _ : state) benchmark::DoNotOptimize(ShiftAllFrom(Program(), "X", f, 2, 0));
}

void Renumber(benchmark::State &state) {
    const RenumberOptions o = Numbering();
    for (auto _ : state) benchmark::DoNotOptimize(RenumberText(Program(), 0, o));
}

// One press as the dialogs make it: the pane's text read afresh, the result
// written back as one undoable edit.
template <class Command>
void ThroughPane(benchmark::State &state, Command command) {
    RichTextPane pane;
    for (auto _ : state) {
        state.PauseTiming();
        pane.LoadText(Program());
        state.ResumeTiming();
        pane.SetText(command(pane.Text()));
    }
}

void ReplaceAllInPane(benchmark::State &state) {
    ThroughPane(state, [](const QString &t) { return ReplaceAllFrom(t, "G01", "G1", 0).text; });
}

void SizeShiftInPane(benchmark::State &state) {
    const ShiftFormula f = Half();
    ThroughPane(state, [&](const QString &t) { return ShiftAllFrom(t, "X", f, 2, 0).text; });
}

void RenumberInPane(benchmark::State &state) {
    const RenumberOptions o = Numbering();
    ThroughPane(state, [&](const QString &t) { return RenumberText(t, 0, o); });
}

BENCHMARK(ReplaceAll)->Unit(benchmark::kMillisecond);
BENCHMARK(SizeShift)->Unit(benchmark::kMillisecond);
BENCHMARK(Renumber)->Unit(benchmark::kMillisecond);
BENCHMARK(ReplaceAllInPane)->Unit(benchmark::kMillisecond);
BENCHMARK(SizeShiftInPane)->Unit(benchmark::kMillisecond);
BENCHMARK(RenumberInPane)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace brennvik
