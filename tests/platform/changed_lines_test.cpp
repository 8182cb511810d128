// The runs of changed lines a pane rewrites: applied to the old text they
// give the new one, they never split a CR LF pair, their line counts are
// right, and they are as few and as small as the change allows.
#include "platform/ChangedLines.h"

#include <QRandomGenerator>
#include <QStringList>
#include <gtest/gtest.h>

namespace brennvik {
namespace {

QString Joined(const QStringList &lines, bool finalLineEnd = true) {
    return lines.join(QStringLiteral("\r\n")) + (finalLineEnd && !lines.isEmpty() ? QStringLiteral("\r\n") : QString());
}

// The runs applied to the old text, after checking what they tell of it.
QString Applied(const QString &oldText, const QString &newText, const QList<ChangedRun> &runs) {
    QString out;
    qsizetype at = 0, newAt = 0;
    for (const ChangedRun &r : runs) {
        EXPECT_GE(r.oldStart, at) << "runs out of order";
        EXPECT_EQ(r.newStart - newAt, r.oldStart - at) << "the text between runs is not the same in both";
        EXPECT_EQ(r.oldBreaksBefore, oldText.first(r.oldStart).count(u'\n'));
        EXPECT_EQ(r.oldBreaks, oldText.sliced(r.oldStart, r.oldLength).count(u'\n'));
        EXPECT_EQ(r.newBreaks, newText.sliced(r.newStart, r.newLength).count(u'\n'));
        for (qsizetype edge : {r.oldStart, r.oldStart + r.oldLength})
            EXPECT_FALSE(edge > 0 && edge < oldText.size() && oldText[edge - 1] == u'\r' && oldText[edge] == u'\n')
                << "a CR LF pair split at " << edge;
        out += oldText.sliced(at, r.oldStart - at) + newText.sliced(r.newStart, r.newLength);
        at = r.oldStart + r.oldLength;
        newAt = r.newStart + r.newLength;
    }
    return out + oldText.sliced(at);
}

TEST(ChangedLinesTest, RunsTurnTheOldTextIntoTheNew) {
    QStringList program;
    for (int i = 0; i < 60; ++i) program << QStringLiteral("N%1 G01 X%2 Z-%3 (外径)").arg(i).arg(i * 1.5).arg(i);
    QStringList oneChanged = program, rareChanged = program, mostChanged = program, inserted = program,
                removed = program;
    oneChanged[30].replace("G01", "G1");
    for (int i = 0; i < 60; i += 20) rareChanged[i] += " M00";
    for (int i = 0; i < 60; ++i)
        if (i % 3) mostChanged[i].replace("G01", "G1");
    inserted.insert(10, "N999 M01");
    removed.removeAt(59);
    removed.removeAt(0);
    const struct {
        const char *what;
        QString oldText, newText;
        int runs;  // -1: any
        qsizetype oldLength, newLength;  // of the only run, when there is one
    } cases[] = {
        {"equal texts", Joined(program), Joined(program), 0, 0, 0},
        {"both empty", "", "", 0, 0, 0},
        {"into an empty text", "", Joined(program), 1, 0, Joined(program).size()},
        {"all removed", Joined(program), "", 1, Joined(program).size(), 0},
        {"one word on one line: only its characters", Joined(program), Joined(oneChanged), 1, 1, 0},
        {"a word on lines far apart: a run each", Joined(program), Joined(rareChanged), 3, 0, 4},
        {"most lines: one run for all", Joined(program), Joined(mostChanged), 1, -1, -1},
        {"a line inserted", Joined(program), Joined(inserted), 1, 0, 10},
        {"the first and last lines removed", Joined(program), Joined(removed), 2, -1, -1},
        {"lines around the old text", Joined(program.mid(20, 20)), Joined(program), 2, -1, -1},
        {"a line end added at the end", Joined(program, false), Joined(program), 1, 0, 2},
        {"the line end at the end removed", Joined(program), Joined(program, false), 1, 2, 0},
        {"a line appended after a last line without line end", "N1\r\nN2", "N1\r\nN2\r\nN3", 1, 0, 4},
        {"a line end between CR and LF kept whole", "A\r\nB", "A\r\n\r\nB", 1, 0, 2},
        {"a bare LF in the new text", "A\r\nB", "A\nB", 1, 2, 1},
    };
    for (const auto &c : cases) {
        const QList<ChangedRun> runs = ChangedLineRuns(c.oldText, c.newText);
        EXPECT_EQ(Applied(c.oldText, c.newText, runs), c.newText) << c.what;
        if (c.runs >= 0) {
            EXPECT_EQ(runs.size(), c.runs) << c.what;
        }
        if (runs.size() == 1 && c.oldLength >= 0) {
            EXPECT_EQ(runs[0].oldLength, c.oldLength) << c.what;
            EXPECT_EQ(runs[0].newLength, c.newLength) << c.what;
        }

    }
}

TEST(ChangedLinesTest, RandomEditsOfRandomPrograms) {
    QRandomGenerator random(26);
    const QStringList words = {"N000", "G01", "G1", "X10.", "Z-5.", "M01", "(外径)", "", "\r\n", "G13", "%"};
    const auto line = [&] {
        QString l;
        for (int k = int(random.bounded(5)); k > 0; --k) l += words[int(random.bounded(words.size() - 1))] + u' ';
        return l.trimmed();
    };
    for (int round = 0; round < 500; ++round) {
        QStringList lines;
        for (int k = int(random.bounded(40)); k > 0; --k) lines << line();
        QStringList edited = lines;
        for (int k = int(random.bounded(6)); k > 0; --k) {
            const int at = int(random.bounded(edited.size() + 1));
            switch (random.bounded(4)) {
            case 0: edited.insert(at, line()); break;
            case 1: if (at < edited.size()) edited.removeAt(at); break;
            case 2: if (at < edited.size()) edited[at] = line(); break;
            default: if (at < edited.size()) edited[at] += words[int(random.bounded(words.size()))];
            }
        }
        const QString oldText = Joined(lines, random.bounded(2)), newText = Joined(edited, random.bounded(2));
        const QList<ChangedRun> runs = ChangedLineRuns(oldText, newText);
        ASSERT_EQ(Applied(oldText, newText, runs), newText) << "round " << round;
    }
}

TEST(ChangedLinesTest, OtherLineBreaksAreFound) {
    const struct {
        const char *text;
        bool other;
    } cases[] = {
        {"", false}, {"N1\r\nN2\r\n", false}, {"N1\rN2", true}, {"N1\nN2", true}, {"N1\r", true},
        {"N1\u2028N2", true}, {"N1\u2029N2", true}, {"外径\r\n", false},
    };
    for (const auto &c : cases) EXPECT_EQ(HasOtherLineBreaks(QString::fromUtf8(c.text)), c.other) << c.text;
}

}  // namespace
}  // namespace brennvik
