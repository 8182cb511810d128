// A pane's whole-text writes rewrite only the lines that change. Beside a
// twin pane that rewrites everything the toolkit's plain way, nothing may
// differ: text, the format of every character, caret and selection, the
// format typing would take, both scroll bars, the change mark and signal,
// the undo history and what Undo brings back.
#include "platform/RichTextPane.h"

#include <QApplication>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTextBlock>
#include <gtest/gtest.h>

#include <functional>

namespace brennvik {
namespace {

// What the writes did before they rewrote only changed lines.
void RewriteAll(RichTextPane &pane, const QString &text) {
    QTextCursor c(pane.document());
    c.select(QTextCursor::Document);
    c.insertText(RichTextPane::ToEditorText(text));
    pane.setTextCursor(c);
}
void LoadAll(RichTextPane &pane, const QString &text) { pane.setPlainText(RichTextPane::ToEditorText(text)); }

QList<QTextCharFormat> Formats(const RichTextPane &pane) {
    QList<QTextCharFormat> formats;
    for (QTextBlock b = pane.document()->begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it)
            for (int k = 0; k < it.fragment().length(); ++k) formats << it.fragment().charFormat();
        if (b.next().isValid()) formats << b.next().charFormat();
    }
    return formats;
}

struct Seen {
    QString text;
    QList<QTextCharFormat> formats;
    int anchor, position;
    QTextCharFormat typing;
    int vertical, horizontal, widest;
    bool changed, canUndo;

    bool operator==(const Seen &o) const {
        return text == o.text && formats == o.formats && anchor == o.anchor && position == o.position &&
               typing == o.typing && vertical == o.vertical && horizontal == o.horizontal && widest == o.widest && changed == o.changed &&
               canUndo == o.canUndo;
    }
};

Seen Look(RichTextPane &pane) {
    QApplication::processEvents();
    const QTextCursor c = pane.textCursor();
    return {pane.Text(), Formats(pane), c.anchor(), c.position(), c.charFormat(),
            pane.verticalScrollBar()->value(), pane.horizontalScrollBar()->value(),
            pane.horizontalScrollBar()->maximum(), pane.DataChanged(),
            pane.CanUndo()};
}

std::ostream &operator<<(std::ostream &out, const Seen &s) {
    return out << "caret " << s.anchor << "-" << s.position << " scroll " << s.vertical << "/" << s.horizontal << " of " << s.widest
               << " changed " << s.changed << " undo " << s.canUndo << " text " << s.text.size() << " chars";
}

// Two panes alike, side by side in one window: same size, text, colours,
// caret and scrolling. Neither takes the focus, which would lay out lines
// in the one that the other has not (the widest line laid out sets how far
// a pane scrolls sideways).
class Twins {
public:
    Twins(const QString &text, const std::function<void(RichTextPane &)> &prepare, int width = 260) {
        window.resize(2 * width + 20, 170);
        int x = 0;
        for (RichTextPane *p : {&mine, &plain}) {
            p->setFocusPolicy(Qt::NoFocus);
            p->setGeometry(x, 0, width, 160);
            x += width + 10;
            p->LoadText(text);
        }
        window.show();
        QApplication::processEvents();
        for (RichTextPane *p : {&mine, &plain}) {
            prepare(*p);
            p->SetDataChanged(false);
        }
    }
    QWidget window;
    RichTextPane mine{&window}, plain{&window};
};

// A program with, now and then, a line much wider than the others.
QString Program(int lines, int seed) {
    QStringList out;
    for (int i = 0; i < lines; ++i)
        out << QStringLiteral("N%1 G01 X%2 Z-%3 F0.%4 (外径荒加工 %5)").arg(i).arg(seed + i * 7).arg(i * 3).arg(seed % 9).arg(i % 4);
    if (seed % 3 == 0) out[(seed * 7) % lines] += QString(50, u'Y');
    return out.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

// Colours and bold on a few stretches, the caret or a selection somewhere,
// the view scrolled.
std::function<void(RichTextPane &)> Prepared(quint32 seed) {
    return [seed](RichTextPane &p) {
        QRandomGenerator random(seed);
        const int size = int(p.Text().size());
        for (int k = int(random.bounded(4)); k > 0; --k) {
            p.Select(int(random.bounded(size + 1)), int(random.bounded(40)));
            if (random.bounded(2)) p.SetSelColor(random.bounded(2) ? 0xFF0000 : 0x0000FF);
            else p.SetSelBold(true);
        }
        p.Select(int(random.bounded(size + 1)), int(random.bounded(3)));
        if (random.bounded(3) == 0) p.SetSelColor(0x00FF00);  // typing would take this colour
        p.verticalScrollBar()->setValue(int(random.bounded(p.verticalScrollBar()->maximum() + 1)));
        p.horizontalScrollBar()->setValue(int(random.bounded(p.horizontalScrollBar()->maximum() + 1)));
    };
}

QString Edited(const QString &text, quint32 seed) {
    QRandomGenerator random(seed);
    QStringList lines = text.split(QStringLiteral("\r\n"));
    switch (random.bounded(6)) {
    case 0:  // one word on one line
        lines[int(random.bounded(lines.size()))].replace("G01", "G1");
        break;
    case 1:  // a word on some lines
        for (QString &l : lines)
            if (random.bounded(8) == 0) l.replace("G01", "G00");
        break;
    case 2:  // every line
        for (int i = 0; i < lines.size(); ++i) lines[i].replace(QRegularExpression("^N\\d+"), QString("N%1").arg(10 * i));
        break;
    case 3:  // lines in and out
        lines.insert(int(random.bounded(lines.size())), "G13");
        lines.removeAt(int(random.bounded(lines.size())));
        lines.insert(int(random.bounded(lines.size())), "N9 M30");
        break;
    case 4:  // a part of it
        lines = lines.mid(int(random.bounded(lines.size() / 2)), int(random.bounded(lines.size())));
        break;
    default:  // one line much longer, somewhere out of sight or not
        lines[int(random.bounded(lines.size()))] += QString(60, u'X');
    }
    return lines.join(QStringLiteral("\r\n"));
}

TEST(PaneWriteTest, ChangedLinesOnlyLookLikeAWholeRewrite) {
    for (quint32 seed = 1; seed <= 300; ++seed) {
        SCOPED_TRACE(seed);
        const QString before = Program(40 + int(seed % 30), int(seed));
        const QString after = Edited(before, seed);
        // Lines wider than the pane, or all of them in sight sideways.
        Twins t(before, Prepared(seed), seed % 2 ? 260 : 700);
        ASSERT_TRUE(Look(t.mine) == Look(t.plain));
        const Seen start = Look(t.mine);
        QSignalSpy mineChanges(&t.mine, &RichTextPane::Change), plainChanges(&t.plain, &RichTextPane::Change);

        t.mine.SetText(after);
        RewriteAll(t.plain, after);
        const Seen mine = Look(t.mine), plain = Look(t.plain);
        EXPECT_TRUE(mine == plain) << mine << "\n" << plain;
        EXPECT_EQ(mine.text, RichTextPane::ToEditorText(after).replace(u'\n', QStringLiteral("\r\n")));
        EXPECT_EQ(mineChanges.count(), plainChanges.count());
        // The caller puts the caret; the view follows it alike.
        t.mine.SetSelStart(int(after.size() / 3));
        t.plain.SetSelStart(int(after.size() / 3));
        EXPECT_TRUE(Look(t.mine) == Look(t.plain));

        t.mine.Undo();
        t.plain.Undo();
        const Seen undone = Look(t.mine), plainUndone = Look(t.plain);
        EXPECT_EQ(undone.text, start.text);
        EXPECT_EQ(undone.formats, start.formats);
        EXPECT_TRUE(undone == plainUndone) << undone << "\n" << plainUndone;
    }
}

TEST(PaneWriteTest, ALoadedTextLooksAsTheToolkitLoadsIt) {
    for (quint32 seed = 1; seed <= 200; ++seed) {
        SCOPED_TRACE(seed);
        const QString before = Program(40 + int(seed % 30), int(seed));
        const QString after = seed % 7 == 0 ? QString() : Edited(before, seed);
        Twins t(before, Prepared(seed), seed % 2 ? 260 : 700);
        t.mine.SetText(Edited(before, seed + 1000));  // an undo step that the load forgets
        RewriteAll(t.plain, Edited(before, seed + 1000));
        QSignalSpy mineChanges(&t.mine, &RichTextPane::Change), plainChanges(&t.plain, &RichTextPane::Change);

        t.mine.LoadText(after);
        LoadAll(t.plain, after);
        const Seen mine = Look(t.mine), plain = Look(t.plain);
        EXPECT_TRUE(mine == plain) << mine << "\n" << plain;
        EXPECT_EQ(mineChanges.count(), plainChanges.count());
        EXPECT_FALSE(t.mine.CanUndo());
        EXPECT_FALSE(t.mine.document()->isModified());
    }
}

// Texts whose line ends are not all CR LF, or whose pane holds line
// separators of its own, are written whole, as before.
TEST(PaneWriteTest, OtherLineEndsComeOutAsBefore) {
    const struct {
        const char *what;
        QString before, after;
    } cases[] = {
        {"bare CR and LF in the new text", "N1\r\nN2\r\nN3\r\n", "N1\rN2\nN3\r\n"},
        {"a line separator in the new text", "N1\r\nN2\r\n", QString("N1\r\nN") + QChar(0x2028) + "2\r\n"},
        {"a paragraph separator in the new text", "N1\r\nN2\r\n", QString("N1") + QChar(0x2029) + "N2\r\n"},
    };
    for (const auto &c : cases) {
        Twins t(c.before, [](RichTextPane &) {});
        t.mine.SetText(c.after);
        RewriteAll(t.plain, c.after);
        EXPECT_TRUE(Look(t.mine) == Look(t.plain)) << c.what;
        // And the next write on a pane that holds a line separator.
        t.mine.SetText("N1\r\nN2 X1\r\n");
        RewriteAll(t.plain, "N1\r\nN2 X1\r\n");
        EXPECT_TRUE(Look(t.mine) == Look(t.plain)) << c.what;
        EXPECT_EQ(t.mine.Text(), "N1\r\nN2 X1\r\n") << c.what;
    }
}

}  // namespace
}  // namespace brennvik
