#include "platform/Clipboard.h"
#include "platform/RichTextPane.h"

#include <QApplication>
#include <QClipboard>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QSignalSpy>
#include <gtest/gtest.h>

#include <functional>

namespace brennvik {
namespace {

void PressPasteKeys(RichTextPane &pane, int times) {
    for (int i = 0; i < times; ++i) {
        for (const QKeySequence &keys : QKeySequence::keyBindings(QKeySequence::Paste)) {
            QKeyEvent press(QEvent::KeyPress, keys[0].key(), keys[0].keyboardModifiers());
            QCoreApplication::sendEvent(&pane, &press);
        }
    }
}

void Drop(RichTextPane &pane, QMimeData *data) {
    const QPointF at(2, 2);
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(pane.viewport(), &enter);
    QDropEvent drop(at, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(pane.viewport(), &drop);
}

// The toolkit's own paste read an empty or absent clipboard entry and ended
// the program after a few presses.
TEST(PanePasteTest, PasteKeysWithNothingOnTheClipboardChangeNothing) {
    const struct {
        const char *what;
        std::function<void()> fill;
    } clipboards[] = {
        {"absent", [] { QApplication::clipboard()->clear(); }},
        {"empty entry", [] { QApplication::clipboard()->setMimeData(new QMimeData); }},
        {"empty text", [] { QApplication::clipboard()->setText(QString()); }},
        {"no plain text", [] {
             auto *data = new QMimeData;
             data->setData("application/octet-stream", "\x01\x02");
             QApplication::clipboard()->setMimeData(data);
         }},
    };
    for (const auto &c : clipboards) {
        RichTextPane pane;
        pane.LoadText("N1 X10.\r\n");
        pane.SetDataChanged(false);
        pane.Select(3, 1);
        QSignalSpy changes(&pane, &RichTextPane::Change);
        c.fill();
        PressPasteKeys(pane, 25);
        EXPECT_EQ(pane.Text(), "N1 X10.\r\n") << c.what;
        EXPECT_EQ(pane.SelText(), "X") << c.what;  // the selection stays
        EXPECT_EQ(changes.count(), 0) << c.what;
        EXPECT_FALSE(pane.DataChanged()) << c.what;
    }
}

TEST(PanePasteTest, PastesAndDropsInsertPlainTextOnly) {
    auto richEntry = [] {
        auto *data = new QMimeData;
        data->setHtml("<b>G01</b> <i>X5.</i>");
        data->setText("G01\nX5.");
        return data;
    };
    {
        RichTextPane pane;
        pane.LoadText("N1 \r\n");
        pane.SetSelStart(3);
        QApplication::clipboard()->setMimeData(richEntry());
        PressPasteKeys(pane, 1);
        const int keys = int(QKeySequence::keyBindings(QKeySequence::Paste).size());
        QString expected = "N1 ";
        for (int i = 0; i < keys; ++i) expected += "G01\r\nX5.";
        EXPECT_EQ(pane.Text(), expected + "\r\n");
        EXPECT_FALSE(pane.textCursor().charFormat().fontWeight() >= QFont::Bold);
        EXPECT_TRUE(pane.DataChanged());
    }
    {
        RichTextPane pane;
        pane.LoadText("N1\r\n");
        pane.SetDataChanged(false);
        QMimeData none;
        Drop(pane, &none);
        EXPECT_EQ(pane.Text(), "N1\r\n");
        EXPECT_FALSE(pane.DataChanged());
        QMimeData *rich = richEntry();
        Drop(pane, rich);
        delete rich;
        EXPECT_EQ(pane.Text(), "G01\r\nX5.N1\r\n");
        EXPECT_TRUE(pane.DataChanged());
    }
}

}  // namespace
}  // namespace brennvik
