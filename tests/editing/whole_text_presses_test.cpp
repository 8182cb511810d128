// What a user sees after each press that rewrites a pane's whole text, on a
// document coloured by the colouring and comparison commands: the text, the
// caret and selection, the colours, the change mark, and what one Undo
// brings back. The pane rewrites only the lines that change; none of this
// may show it.
#include "editing_fixture.h"

#include "editing/character_colours.h"
#include "editing/document_compare.h"
#include "editing/editing_commands.h"
#include "editing/frmNumberArrange.h"
#include "editing/frmReplace.h"
#include "editing/frmSizeShift.h"
#include "editing/turret_view.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextBlock>

#include <functional>

namespace brennvik {
namespace {

const QStringList kProgram = {"%",
                              "O1234",
                              "(TEST)",
                              "G13",
                              "NT01 G00 X300. Z200. T0101",
                              "N000 G01 X50.5 Z-10. F0.2",
                              "N000 M01",
                              "G14",
                              "NT02 G00 X200. T0202",
                              "N000 G01 X40. Z-5.",
                              "N000 M01",
                              "NEND M02",
                              "%"};

// One letter per character of the pane, line breaks included: its colour
// (d the pane's own, b blue, r red, k black), capital when bold.
QChar Letter(const QTextCharFormat &f) {
    QChar c = u'?';
    if (!f.hasProperty(QTextFormat::ForegroundBrush)) c = u'd';
    else if (f.foreground().color() == QColor(Qt::blue)) c = u'b';
    else if (f.foreground().color() == QColor(Qt::red)) c = u'r';
    else if (f.foreground().color() == QColor(Qt::black)) c = u'k';
    return f.fontWeight() >= QFont::Bold ? c.toUpper() : c;
}

QString Colours(const RichTextPane *pane) {
    QString s;
    for (QTextBlock b = pane->document()->begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) s += QString(it.fragment().length(), Letter(it.fragment().charFormat()));
        if (b.next().isValid()) s += Letter(b.next().charFormat());
    }
    return s;
}

// The letter every character has after a rewrite of the whole text: that
// of the last character, or for a text written afresh that of the caret.
QChar ResetLetter(const RichTextPane *pane, bool atCaret) {
    if (atCaret) return Letter(pane->textCursor().charFormat());
    QTextCursor end(pane->document());
    end.movePosition(QTextCursor::End);
    return Letter(end.charFormat());
}

QString Joined(const QStringList &lines) {
    QString text;
    for (const QString &line : lines) text += line + QStringLiteral("\r\n");
    return text;
}

struct Press {
    const char *name;
    std::function<void()> setUp;  // before the colours are set
    std::function<void()> press;
    QStringList text;             // the lines after the press
    int selStart, selLength;
    bool afresh;                  // written as a new text: no undo step, caret at the top
};

class WholeTextPressTest : public EditingFixture {
protected:
    void SetUp() override {
        EditingFixture::SetUp();
        // Go on comparing; close without saving.
        m_msgBoxAnswer = [](const MsgBoxCall &c) {
            if ((c.buttons & 7) == vbYesNoCancel) return vbNo;
            return (c.buttons & 7) == vbYesNo ? vbYes : vbOK;
        };
    }
};

TEST_F(WholeTextPressTest, EachPressShowsWhatAWholeRewriteShowedAndOneUndoTakesItBack) {
    const auto replaceDialog = [](const char *what, const char *with) {
        mnuSearchReplace_Click();
        g_frmReplace->txtFind->setText(what);
        g_frmReplace->txtReplace->setText(with);
    };
    const auto shiftDialog = [] {
        mnuToolsSizeShift_Click();
        g_frmSizeShift->txtFind->setText("X");
        g_frmSizeShift->txtValue->setText("1");
    };
    QStringList replacedOnce = kProgram, replacedAll = kProgram, shiftedOnce = kProgram, shiftedAll = kProgram;
    replacedOnce[6] = replacedAll[6] = replacedAll[10] = "N000 M00";
    shiftedOnce[4] = shiftedAll[4] = "NT01 G00 X301 Z200. T0101";
    shiftedAll[5] = "N000 G01 X51.5 Z-10. F0.2";
    shiftedAll[8] = "NT02 G00 X201 T0202";
    shiftedAll[9] = "N000 G01 X41 Z-5.";
    const QStringList renumbered = {"%", "O1234", "(TEST)", "N010 G13", "NT01 G00 X300. Z200. T0101",
                                    "N030 G01 X50.5 Z-10. F0.2", "N040 M01", "N050 G14", "NT02 G00 X200. T0202",
                                    "N070 G01 X40. Z-5.", "N080 M01", "NEND M02", "%"};
    const QStringList partA = kProgram.mid(4, 3);
    const auto at = [](const QStringList &lines, int line, int column) { return int(Joined(lines.mid(0, line)).size()) + column; };

    const Press presses[] = {
        {"replace one (変　更)", [&] { replaceDialog("M01", "M00"); },
         [] { g_frmReplace->Change->click(), g_frmReplace->Change->click(); }, replacedOnce,
         at(replacedOnce, 10, 5), 3, false},
        {"replace all (全て変更)", [&] { replaceDialog("M01", "M00"); }, [] { g_frmReplace->AllChange->click(); },
         replacedAll, at(replacedAll, 10, 8), 0, false},
        {"size shift one (変　更)", shiftDialog,
         [] { g_frmSizeShift->Change->click(), g_frmSizeShift->Change->click(); }, shiftedOnce,
         at(shiftedOnce, 5, 9), 1, false},
        {"size shift all (全て変更)", shiftDialog, [] { g_frmSizeShift->AllChange->click(); }, shiftedAll,
         at(shiftedAll, 9, 12), 0, false},
        {"renumber (実行)",
         [] {
             mnuToolsNumberArrange_Click();
             g_frmNumberArrange->StartNo->setText("10");
             g_frmNumberArrange->AddNo->setText("10");
             g_frmNumberArrange->With1Space->setChecked(true);
             g_frmNumberArrange->FromTop->setChecked(true);
         },
         [] { g_frmNumberArrange->Command1->click(); }, renumbered, int(Joined(renumbered).size()), 0, false},
        {"view on (AB表示)", [] {}, [] { mnuAbView_Click(); }, partA, 0, 0, true},
        {"view off (AB表示)", [] { mnuAbView_Click(); }, [] { mnuAbView_Click(); }, kProgram, 0, 0, true},
        {"lines at the program end", [] {}, [] { AppendAtProgramEnd("N000 M30\r\n"); },
         kProgram + QStringList{"N000 M30"}, 4, 0, false},
    };
    for (const Press &p : presses) {
        SCOPED_TRACE(p.name);
        const bool viewOn = QString::fromUtf8(p.name).startsWith("view on");
        OpenDocument(Joined(kProgram).replace("X40.", "X44."));
        RichTextPane *pane = OpenDocument(Joined(kProgram));
        p.setUp();
        // Colours as the colouring command and a comparison leave them.
        mnuColor_Click();
        mnuToolCompe_Click();
        pane->SetSelStart(4);  // behind the blue O
        pane->SetDataChanged(false);
        const QString before = pane->Text();
        const QString coloursBefore = Colours(pane);
        ASSERT_TRUE(coloursBefore.contains(u'b')) << coloursBefore.toStdString();
        const QChar reset = ResetLetter(pane, p.afresh);

        p.press();
        EXPECT_EQ(pane->Text(), Joined(p.text));
        EXPECT_EQ(pane->SelStart(), p.selStart);
        EXPECT_EQ(pane->SelLength(), p.selLength);
        EXPECT_EQ(Colours(pane), QString(pane->document()->characterCount() - 1, reset));
        EXPECT_EQ(pane->DataChanged(), !viewOn);

        pane->Undo();
        if (p.afresh) {
            EXPECT_EQ(pane->Text(), Joined(p.text));
        } else {
            EXPECT_EQ(pane->Text(), before);
            EXPECT_EQ(Colours(pane), coloursBefore);
        }
        for (QWidget *d : {(QWidget *)g_frmReplace.data(), (QWidget *)g_frmSizeShift.data()})
            if (d) d->close();
        for (int n = 1; n <= kDocumentSlots; ++n)
            if (g_DocumentInUse[n]) g_Documents[n]->Unload();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

}  // namespace
}  // namespace brennvik
