// Real message boxes (no responder): a quoted line without blanks ran out of
// its box, so that neither its end nor its "…" was seen.
#include "platform/MsgBox.h"

#include <QApplication>
#include <QClipboard>
#include <QFontMetrics>
#include <QLabel>
#include <QMessageBox>
#include <QTest>
#include <QTextLayout>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

namespace brennvik {
namespace {

// Shows `prompt` in a real box, lets `look` see its text label, closes it.
void LookAtBox(const QString &prompt, const std::function<void(QLabel *)> &look) {
    SetMsgBoxResponder({});
    bool looked = false;
    QTimer::singleShot(0, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        ASSERT_TRUE(box);
        auto *label = box->findChild<QLabel *>(QStringLiteral("qt_msgbox_label"));
        if (label) look(label);
        looked = label != nullptr;
        box->done(QMessageBox::No);
    });
    MsgBox(prompt, vbYesNo | vbQuestion);
    EXPECT_TRUE(looked);
}

// Every line of the label's text, broken as the label breaks it, lies inside
// the label.
void ExpectShownWhole(QLabel *label) {
    const int width = label->contentsRect().width();
    QTextLayout layout(label->text(), label->font());
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    qreal height = 0;
    int lines = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        EXPECT_LE(line.naturalTextWidth(), width) << "line " << lines;
        height += line.height();
        ++lines;
    }
    layout.endLayout();
    EXPECT_LE(height, label->contentsRect().height() + 1) << lines << " lines";
}

QString NcLineWithoutBlanks(int length) {
    QString line;
    for (int n = 0; line.size() < length; n += 10)
        line += QStringLiteral("N%1G01X12.345Z-6.789F0.2").arg(n, 4, 10, QLatin1Char('0'));
    return line.left(length);
}

TEST(MsgBoxTest, ALongRunWithoutBlanksBreaksInsideTheBoxAndOrdinaryTextIsShownAsItIs) {
    const QString ordinary = QStringLiteral("違いのある行\nN000 G01 X12.345 Z-6.789 F0.2\n次を比較しますか ?");
    const QString word = NcLineWithoutBlanks(int(kLongestUnbrokenRun));
    const struct {
        const char *name;
        QString prompt;
        bool asItIs;  // no break chance added
    } rows[] = {
        {"ordinary line", ordinary, true},
        {"run of the longest unbroken length", QStringLiteral("G13 ") + word + QStringLiteral("\n行を変更しますか ?"), true},
        {"quoted line of 200 without blanks",
         QStringLiteral("違いのある行\n") + QuotedText(NcLineWithoutBlanks(5000)) + QStringLiteral("\n次を比較しますか ?"),
         false},
        {"two long runs between words",
         QStringLiteral("G13 ") + NcLineWithoutBlanks(150) + QStringLiteral(" and ") + NcLineWithoutBlanks(120) +
             QStringLiteral("\n行を変更しますか ?"),
         false},
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(r.name);
        LookAtBox(r.prompt, [&](QLabel *label) {
            if (r.asItIs) EXPECT_EQ(label->text(), r.prompt);
            else EXPECT_NE(label->text(), r.prompt);
            EXPECT_EQ(QString(label->text()).remove(QChar(0x200B)), r.prompt);
            ExpectShownWhole(label);
            // A copy of the text is the message's own text.
            label->setSelection(0, int(label->text().size()));
            QTest::keyClick(label, Qt::Key_C, Qt::ControlModifier);
            EXPECT_EQ(QGuiApplication::clipboard()->text(), r.prompt);
        });
    }
}

TEST(MsgBoxTest, BreakChancesNeverSplitACharacter) {
    // A character outside the basic plane and one with a combining mark.
    const QString run = QString(40, u'A') + QString::fromUtf8("\xF0\x9D\x90\x80") + QStringLiteral("e\u0301") + u'B' + u'C';
    const QString shown = WithLineBreakChances(run);
    EXPECT_EQ(QString(shown).remove(QChar(0x200B)), run);
    EXPECT_TRUE(shown.contains(QString::fromUtf8("\xE2\x80\x8B\xF0\x9D\x90\x80\xE2\x80\x8B")));
    EXPECT_TRUE(shown.contains(QStringLiteral("e\u0301\u200B")));
    EXPECT_TRUE(shown.endsWith(QStringLiteral("\u200BBC"))) << "the last character stays with its neighbour";
    EXPECT_EQ(WithLineBreakChances(QString()), QString());
}

// The width of the real box MsgBox shows.
int ShownWidth(const QString &prompt, const QString &title) {
    SetMsgBoxResponder({});
    int width = 0;
    QTimer::singleShot(0, [&width] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        ASSERT_TRUE(box);
        width = box->width();
        box->done(QMessageBox::Ok);
    });
    MsgBox(prompt, vbOKOnly | vbExclamation, title);
    return width;
}

// The width the toolkit gives the same box by itself.
int ToolkitWidth(const QString &prompt, const QString &title) {
    QMessageBox box;
    box.setWindowTitle(title);
    box.setText(prompt);
    box.setIcon(QMessageBox::Warning);
    box.setStandardButtons(QMessageBox::Ok);
    box.show();
    const int width = box.width();
    box.hide();
    return width;
}

// The box of a short message was narrower than its title: the window
// manager showed "エラー 6" as "エ… 6".
TEST(MsgBoxTest, ABoxIsWideEnoughForItsTitleAndNoLongBoxIsMadeNarrower) {
    QString longText;
    for (int i = 0; i < 12; ++i) longText += QStringLiteral("N%1 G01 X12.345 Z-6.789 F0.2 ").arg(i * 10, 4, 10, QChar(u'0'));
    const QString title = QStringLiteral("エラー 6");
    const int needed = QFontMetrics(TitleBarFont()).horizontalAdvance(title) + kTitleBarButtonsWidth + kTitleBarMargins;
    const struct {
        const char *name;
        QString prompt;
    } rows[] = {
        {"short message", QStringLiteral("エラーです。")},
        {"long message", longText},
    };
    for (const auto &row : rows) {
        const int shown = ShownWidth(row.prompt, title);
        EXPECT_GE(shown, needed) << row.name;
        EXPECT_GE(shown, ToolkitWidth(row.prompt, title)) << row.name;
    }
    EXPECT_EQ(ShownWidth(longText, title), ToolkitWidth(longText, title)) << "a box wider than its title keeps its width";
}

}  // namespace
}  // namespace brennvik
