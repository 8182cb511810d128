#include "platform/KeyboardLocks.h"
#include "platform/RichTextPane.h"
#include "support/pane_pixels.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QSignalSpy>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace brennvik {
namespace {

TEST(RichTextPaneTest, TextKeepsCrLfJapaneseAndAnEmptyLastLine) {
    const struct {
        QString in;
        QString out;
    } cases[] = {
        {"", ""},
        {"N000 G00", "N000 G00"},
        {"N1\r\n", "N1\r\n"},
        {"N1\r\n\r\n", "N1\r\n\r\n"},
        {"(日本語のコメント)\r\nN000 G00 X1.\r\n", "(日本語のコメント)\r\nN000 G00 X1.\r\n"},
        {"\r\n", "\r\n"},
        // One kind of line break in a pane: bare CR and LF come back as CR LF.
        {"a\nb\rc", "a\r\nb\r\nc"},
    };
    for (const auto &c : cases) {
        RichTextPane pane;
        pane.LoadText(c.in);
        EXPECT_EQ(pane.Text(), c.out) << c.in.toStdString();
        RichTextPane edited;
        edited.SetText(c.in);
        EXPECT_EQ(edited.Text(), c.out) << c.in.toStdString();
    }
}

TEST(RichTextPaneTest, PositionsCountCrLfAsTwoCharacters) {
    RichTextPane pane;
    pane.LoadText("N1\r\n日本\r\n");
    const struct {
        int start, length;
        QString selected;
        int selStart;
    } cases[] = {
        {0, 2, "N1", 0},
        {2, 2, "\r\n", 2},
        {4, 2, "日本", 4},
        {3, 3, "\r\n日本", 2},  // a position between CR and LF stands before the CR
        {0, 8, "N1\r\n日本\r\n", 0},
        {8, 0, "", 8},
        {6, 5, "\r\n", 6},  // past the end: up to the end
    };
    for (const auto &c : cases) {
        pane.Select(c.start, c.length);
        EXPECT_EQ(pane.SelText(), c.selected) << c.start << "," << c.length;
        EXPECT_EQ(pane.SelStart(), c.selStart);
        EXPECT_EQ(pane.SelLength(), c.selected.size());
    }
    // Inserting on the empty last line puts the caret behind the insertion.
    pane.SetSelStart(8);
    pane.SetSelText("N2\r\n");
    EXPECT_EQ(pane.Text(), "N1\r\n日本\r\nN2\r\n");
    EXPECT_EQ(pane.SelStart(), 12);
    EXPECT_EQ(pane.SelLength(), 0);
    pane.Select(4, 4);
    pane.SetSelText("X");
    EXPECT_EQ(pane.Text(), "N1\r\nXN2\r\n");
    EXPECT_EQ(pane.SelStart(), 5);
    pane.SetSelStart(0);
    pane.SetSelLength(4);
    EXPECT_EQ(pane.SelText(), "N1\r\n");
}

TEST(RichTextPaneTest, ChangesOfTextSetTheChangeFlagChangesOfFormatDoNot) {
    RichTextPane pane;
    QSignalSpy changes(&pane, &RichTextPane::Change);
    pane.LoadText("N1 X10.\r\n");
    EXPECT_EQ(changes.count(), 1);  // a load is a change like any other
    pane.SetDataChanged(false);
    pane.Select(3, 1);
    pane.SetSelColor(0xFF0000);
    pane.SetSelBold(true);
    EXPECT_EQ(changes.count(), 1);
    EXPECT_FALSE(pane.DataChanged());
    pane.SetSelText("Z");
    EXPECT_EQ(changes.count(), 2);
    EXPECT_TRUE(pane.DataChanged());
    EXPECT_EQ(pane.Text(), "N1 Z10.\r\n");
}

TEST(RichTextPaneTest, SelectionColourAndBold) {
    RichTextPane pane;
    pane.LoadText("X-12.5");
    pane.Select(0, 2);
    pane.SetSelColor(0xFF0000);
    EXPECT_EQ(pane.SelColor(), 0xFF0000);
    pane.Select(2, 2);
    EXPECT_EQ(pane.SelColor(), 0);
    pane.Select(1, 2);
    EXPECT_EQ(pane.SelColor(), -1);  // mixed
    const QTextCursor c = [&] {
        pane.Select(1, 1);
        return pane.textCursor();
    }();
    EXPECT_EQ(c.charFormat().foreground().color(), QColor(0, 0, 255));
    EXPECT_FALSE(pane.SelBold());
    pane.SetSelBold(true);
    EXPECT_TRUE(pane.SelBold());
}

TEST(RichTextPaneTest, OwnUndoTakesBackOneWholeTextWrite) {
    RichTextPane pane;
    pane.LoadText("A\r\n");
    EXPECT_FALSE(pane.CanUndo());  // a loaded file is no undo step
    pane.SetText("B\r\nC\r\n");
    pane.SetSelStart(0);
    pane.SetSelText("N");
    EXPECT_TRUE(pane.CanUndo());
    pane.Undo();
    EXPECT_EQ(pane.Text(), "B\r\nC\r\n");
    pane.Undo();
    EXPECT_EQ(pane.Text(), "A\r\n");
}

TEST(RichTextPaneTest, EachWholeTextWriteIsItsOwnUndoStep) {
    // Two commands in a row (replace all, then renumbering) were taken back
    // by one Undo.
    RichTextPane pane;
    pane.LoadText("N1 G01 X1\r\nN2 G01 Z1");
    pane.SetText("N1 G1 X1\r\nN2 G1 Z1");
    pane.SetText("N010 G1 X1\r\nN020 G1 Z1");
    pane.Undo();
    EXPECT_EQ(pane.Text(), "N1 G1 X1\r\nN2 G1 Z1");
    pane.Undo();
    EXPECT_EQ(pane.Text(), "N1 G01 X1\r\nN2 G01 Z1");
}

TEST(RichTextPaneTest, RedoKeysDoNothing) {
    // The editor's built-in redo keys brought back an undone edit, though the
    // program offers no Redo.
    RichTextPane pane;
    pane.LoadText("N000 G00");
    pane.SetSelStart(8);
    pane.SetSelText(" X100");
    pane.Undo();
    ASSERT_EQ(pane.Text(), "N000 G00");
    for (const QKeySequence &keys : QKeySequence::keyBindings(QKeySequence::Redo)) {
        QKeyEvent press(QEvent::KeyPress, keys[0].key(), keys[0].keyboardModifiers());
        QCoreApplication::sendEvent(&pane, &press);
    }
    EXPECT_EQ(pane.Text(), "N000 G00");
}

// The selection's highlight painted its own text colour over the
// characters: a line marked red showed white while selected, and black in
// a pane without the focus.
TEST(RichTextPaneTest, ASelectedLineKeepsItsColourWithAndWithoutTheFocus) {
    QWidget window;
    auto *pane = new RichTextPane(&window);
    auto *other = new QLineEdit(&window);
    pane->setGeometry(0, 0, 400, 200);
    other->setGeometry(0, 210, 100, 20);
    window.resize(400, 240);
    pane->LoadText(QStringLiteral("N000 G00 X100.\r\nN001 G01 Z-20.\r\nN002 G00 X200.\r\n"));
    pane->Select(16, 14);
    pane->SetSelColor(255);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    const struct {
        const char *what;
        bool focused;
        bool hideSelection;
        bool band;
    } cases[] = {
        {"with the focus", true, true, true},
        {"without the focus", false, false, true},
        {"without the focus, selection hidden", false, true, false},
    };
    for (const auto &c : cases) {
        pane->SetHideSelection(c.hideSelection);
        (c.focused ? static_cast<QWidget *>(pane) : other)->setFocus();
        QApplication::processEvents();
        ASSERT_EQ(pane->hasFocus(), c.focused) << c.what;
        const LineLook marked = LookOfLine(*pane, 1, c.focused);
        EXPECT_GT(marked.redPixels, 20) << c.what;
        EXPECT_EQ(marked.darkPixels, 0) << c.what;
        EXPECT_EQ(marked.bandPixels > 0, c.band) << c.what;
        // The lines around it: black, without a band.
        const LineLook plain = LookOfLine(*pane, 2, c.focused);
        EXPECT_EQ(plain.redPixels, 0) << c.what;
        EXPECT_GT(plain.darkPixels, 20) << c.what;
        EXPECT_EQ(plain.bandPixels, 0) << c.what;
    }
}

TEST(RichTextPaneTest, LoadsAShiftJisFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath("p.min");
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("(\x83\x65\x83\x58\x83\x67)\r\nN1 \\~");
    }
    RichTextPane pane;
    const AnsiFileRead r = pane.LoadFile(path);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(pane.Text(), "(テスト)\r\nN1 \\~");
    const AnsiFileRead missing = pane.LoadFile(dir.filePath("none.min"));
    EXPECT_FALSE(missing.ok);
    EXPECT_EQ(pane.Text(), "(テスト)\r\nN1 \\~");  // left as it was
}

TEST(RichTextPaneTest, TypedCharactersAreReportedByTheirAnsiCode) {
    UseInProcessKeyStates(true, false, false);
    RichTextPane pane;
    QList<int> codes;
    QObject::connect(&pane, &RichTextPane::KeyPress, [&](int k) { codes << k; });
    for (const QString &t : {QStringLiteral("G"), QStringLiteral("ア"), QStringLiteral("\r")}) {
        QKeyEvent press(QEvent::KeyPress, t == "\r" ? Qt::Key_Return : Qt::Key_unknown, Qt::NoModifier, t);
        QCoreApplication::sendEvent(&pane, &press);
    }
    EXPECT_EQ(codes, QList<int>({71, int16_t(0x8341), 13}));
    EXPECT_EQ(pane.Text(), "Gア\r\n");  // the pane still inserts the keys
    UseInProcessKeyStates(false, false, false);
}

// The program's Caps Lock used to be the system's: it is kept in the
// program, and a letter typed into a pane follows it and Shift only (a
// capital the system's lock made is a small letter while the program's is off).
TEST(RichTextPaneTest, ProgramCapsLockTypesCapitals) {
    const struct {
        bool caps;
        const char *typed;  // UTF-8, one key each
        bool shift;
        const char *text;
        QList<int> codes;
    } cases[] = {
        {true, "g50", false, "G50", {71, 53, 48}},
        {true, "G", false, "G", {71}},
        {true, "xX", true, "xx", {120, 120}},
        {true, "ア(ｇ", false, "ア(ｇ", {int16_t(0x8341), 40, int16_t(0x8287)}},
        {false, "g50", false, "g50", {103, 53, 48}},
        {false, "xX", true, "XX", {88, 88}},
        {false, "G50", false, "g50", {103, 53, 48}},
    };
    for (const auto &c : cases) {
        UseInProcessKeyStates(c.caps, false, false);
        RichTextPane pane;
        QList<int> codes;
        QObject::connect(&pane, &RichTextPane::KeyPress, [&](int k) { codes << k; });
        for (QChar ch : QString::fromUtf8(c.typed)) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, c.shift ? Qt::ShiftModifier : Qt::NoModifier, QString(ch));
            QCoreApplication::sendEvent(&pane, &press);
        }
        EXPECT_EQ(pane.Text(), QString::fromUtf8(c.text)) << c.typed << " caps " << c.caps;
        EXPECT_EQ(codes, c.codes) << c.typed << " caps " << c.caps;
    }
    UseInProcessKeyStates(false, false, false);
}

}  // namespace
}  // namespace brennvik
