#include "platform/KeyboardLocks.h"
#include "platform/RichTextPane.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QSignalSpy>
#include <gtest/gtest.h>

#include <functional>

namespace brennvik {
namespace {

void Type(RichTextPane &pane, const QString &text) {
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(&pane, &press);
    }
}

TEST(PaneChangeTest, OnlyChangesOfTheCharactersAreChanges) {
    const struct {
        const char *what;
        std::function<void(RichTextPane &)> edit;
        bool changed;
    } cases[] = {
        {"colour", [](RichTextPane &p) { p.Select(3, 1), p.SetSelColor(0xFF0000); }, false},
        {"bold over two lines", [](RichTextPane &p) { p.Select(1, 10), p.SetSelBold(true); }, false},
        {"colour undone", [](RichTextPane &p) { p.Select(0, 14), p.SetSelColor(255), p.Undo(); }, false},
        {"one character for another", [](RichTextPane &p) { p.Select(3, 1), p.SetSelText("Z"); }, true},
        {"a typed key over a selection", [](RichTextPane &p) { p.Select(4, 1), Type(p, "9"); }, true},
        {"a key typed over a character", [](RichTextPane &p) {
             UseInProcessKeyStates(false, false, true), p.SetSelStart(4), Type(p, "2");
             UseInProcessKeyStates(false, false, false);
         }, true},
        {"a line end for a character", [](RichTextPane &p) { p.Select(7, 2), p.SetSelText("A"); }, true},
        {"the same characters again", [](RichTextPane &p) { p.Select(3, 3), p.SetSelText("X10"); }, false},
        {"a replacement undone", [](RichTextPane &p) {
             p.Select(3, 1), p.SetSelText("Z"), p.SetDataChanged(false), p.Undo();
         }, true},
    };
    for (const auto &c : cases) {
        RichTextPane pane;
        pane.LoadText("N1 X10.\r\nN2 Z5.\r\n");
        pane.SetDataChanged(false);
        QSignalSpy changes(&pane, &RichTextPane::Change);
        c.edit(pane);
        EXPECT_EQ(pane.DataChanged(), c.changed) << c.what;
        EXPECT_EQ(changes.count() > 0, c.changed) << c.what;
    }
}

// Microseconds of the cheapest of a few runs of keys typed into each pane,
// the runs taken in turn so that a busy machine slows both alike.
std::vector<double> CheapestKeystroke(std::vector<RichTextPane *> panes) {
    std::vector<double> best(panes.size(), 1e12);
    for (int run = 0; run < 5; ++run) {
        for (size_t i = 0; i < panes.size(); ++i) {
            QElapsedTimer timer;
            timer.start();
            Type(*panes[i], "X1.");
            best[i] = std::min(best[i], timer.nsecsElapsed() / 3e3);
        }
    }
    return best;
}

// Every keystroke copied the whole text to tell a change from a change of
// format: about 60 ms a key in a 20 MB program.
TEST(PaneChangeTest, AKeystrokeCostsNoMoreInALongProgram) {
    const QString line = QStringLiteral("N000 G01 X12.345 Z-6.789 F0.2\r\n");
    RichTextPane shortPane, longPane;
    shortPane.LoadText(line.repeated(100));
    longPane.LoadText(line.repeated(100000));
    shortPane.SetSelStart(31 * 50);
    longPane.SetSelStart(31 * 50000);
    const std::vector<double> cost = CheapestKeystroke({&shortPane, &longPane});
    // A copy of 3 million characters per key makes it a hundred times dearer.
    EXPECT_LT(cost[1], 10 * cost[0] + 50) << cost[0] << " us against " << cost[1] << " us";
}

}  // namespace
}  // namespace brennvik
