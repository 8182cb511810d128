// The corner, conversion and cutting-data calculators as the user meets
// them: opened from the menus and the toolbar, typed into, tabbed through,
// and inserting into a document.
#include "calc_corner/RPM.h"
#include "calc_corner/frmFeed.h"
#include "calc_corner/frmLineAngle.h"
#include "calc_corner/frmNoseRAngle.h"
#include "calc_corner/frmXY_XC.h"
#include "calc_tangent/CalcPicture.h"
#include "calc_tangent/qt_printing.h"
#include "calc_tangent/calculator_window_fixture.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>

namespace brennvik {
namespace {

class AngleConversionCuttingWindowsTest : public CalculatorWindowFixture {
protected:
    // Inserts go into an empty document.
    void SetUp() override {
        CalculatorWindowFixture::SetUp();
        m_pane->SetText(QString());
    }

    // Lets a window that closed itself be deleted.
    static void Unloaded() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    static QStringList Texts(std::initializer_list<QLineEdit *> boxes) {
        QStringList texts;
        for (QLineEdit *box : boxes) texts << box->text();
        return texts;
    }
};

TEST_F(AngleConversionCuttingWindowsTest, MenuEntriesAndToolbarKeysOpenOneWindowEachWithItsCaption) {
    const struct {
        const char *entry;
        const char *key;
        const char *window;
        const char *caption;
    } openers[] = {
        {"AngleNoseR", "テーパーのノーズR補正", "frmNoseRAngle", "テーパーのノーズＲ補正"},
        {"LineAngle", "直線と角度", "frmLineAngle", "直線と角度"},
        {"XY_XC", "XY-XC変換", "frmXY_XC", "XY-XC座標変換"},
        {"mnuToolsrpm", "回転数の計算", "RPM", " 回転数の計算"},
        {"mnuToolsFeed", "面粗さによる送り速度", "frmFeed", " 面粗さによる送り速度の計算"},
    };
    for (const auto &o : openers) {
        ASSERT_TRUE(m_main->RunCommand(QString::fromLatin1(o.entry))) << o.entry;
        QWidget *window = nullptr;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->objectName() == QString::fromLatin1(o.window) && w->isVisible()) window = w;
        ASSERT_TRUE(window) << o.window;
        EXPECT_EQ(window->windowTitle(), QString::fromUtf8(o.caption));
        // The toolbar key shows the same window again.
        m_main->tbToolBar_ButtonClick(m_main->ToolButtonByKey(QString::fromUtf8(o.key)));
        int open = 0;
        for (QWidget *w : QApplication::topLevelWidgets()) open += w->objectName() == QString::fromLatin1(o.window);
        EXPECT_EQ(open, 1) << o.window;
    }
    EXPECT_EQ(m_main->Entry(QStringLiteral("mnuToolsrpm"))->shortcut(), QKeySequence(QStringLiteral("Ctrl+N")));
}

TEST_F(AngleConversionCuttingWindowsTest, SpindleSpeedInsertsItsDigitsAndCloses) {
    const struct {
        const char *v, *d;
        const char *inserted;  // nullptr: closes without inserting
    } cases[] = {
        {"150", "40", "1190"}, {"1 5 0", "4 0", "1190"},  // a blank inside a number used to end it
        {"0", "40", "0"},      {"150", "", nullptr},     {"150", "0", nullptr}, {"-150", "40", nullptr},
    };
    for (const auto &c : cases) {
        m_pane->SetText(QStringLiteral("S"));
        m_pane->Select(1, 0);
        RPM *w = OpenFromEntry("mnuToolsrpm", g_RPM);
        ASSERT_TRUE(w);
        TypeAndEnter(w->V, c.v);
        EXPECT_TRUE(w->Diameter->hasFocus());
        TypeAndEnter(w->Diameter, c.d);
        Unloaded();
        EXPECT_FALSE(g_RPM) << c.v << " " << c.d;
        EXPECT_EQ(m_pane->Text(), u'S' + QString::fromLatin1(c.inserted ? c.inserted : "")) << c.v << " " << c.d;
    }

    // Without a cutting speed Enter goes back to it; Enter in the speed never computes.
    RPM *w = OpenFromEntry("mnuToolsrpm", g_RPM);
    ASSERT_TRUE(w);
    TypeAndEnter(w->Diameter, "40");
    EXPECT_TRUE(w->V->hasFocus());
    TypeAndEnter(w->V, "150");
    Unloaded();
    EXPECT_TRUE(g_RPM);
    EXPECT_EQ(m_pane->Text(), "S");
}

TEST_F(AngleConversionCuttingWindowsTest, FeedFromRoughnessInsertsAnFWordAndCloses) {
    const struct {
        bool rz;
        const char *roughness, *noseR;
        const char *inserted;
    } cases[] = {
        {false, "3.2", "0.8", "F0.28"},  {true, "6.3", "0.4", "F0.14"},    {false, "3.2", "0", "F0"},
        {false, "-3.2", "0.8", nullptr}, {false, "-3.2", "-0.8", nullptr},
    };
    for (const auto &c : cases) {
        m_pane->SetText(QString());
        frmFeed *w = OpenFromEntry("mnuToolsFeed", g_frmFeed);
        ASSERT_TRUE(w);
        EXPECT_TRUE(w->Option1->isChecked());
        if (c.rz) w->Option2->click();
        TypeAndEnter(w->RA, c.roughness);
        EXPECT_TRUE(w->NoseR->hasFocus());
        TypeAndEnter(w->NoseR, c.noseR);
        Unloaded();
        EXPECT_FALSE(g_frmFeed) << c.roughness;
        EXPECT_EQ(m_pane->Text(), QString::fromLatin1(c.inserted ? c.inserted : "")) << c.roughness;
    }
}

TEST_F(AngleConversionCuttingWindowsTest, LineAngleSolvesOnLeavingTheEndBoxesAndClosesOnInsert) {
    frmLineAngle *w = OpenFromEntry("LineAngle", g_frmLineAngle);
    ASSERT_TRUE(w);
    EXPECT_EQ(w->Picture1->property("printedTexts").toStringList(), QStringList({"Z", "X", "X1, Z1", "X2, Z2", "A"}));
    for (const auto &[box, text] : {std::pair{w->Text1, "20"}, {w->Text2, "0"}, {w->Text3, "30"}, {w->Text4, "40"}})
        TypeAndEnter(box, text);
    EXPECT_EQ(w->Text5->text(), "17.32");
    EXPECT_TRUE(w->Text5->hasFocus());
    QTest::keyClick(w->Text5, Qt::Key_Return);
    EXPECT_TRUE(w->Command1->hasFocus());

    // A failure (A 0 reaches no other X) changes no box.
    TypeAndEnter(w->Text3, "0");
    TypeAndEnter(w->Text4, "50");
    EXPECT_EQ(Texts({w->Text3, w->Text4, w->Text5}), QStringList({"0", "50", "17.32"}));

    w->Text4->setText(QStringLiteral("12.5"));
    w->Text5->setText(QStringLiteral("-3"));
    w->Command4->click();
    Unloaded();
    EXPECT_FALSE(g_frmLineAngle);
    EXPECT_EQ(m_pane->Text(), "X12.5 Z-3");
}

TEST_F(AngleConversionCuttingWindowsTest, LineAngleKeepsAnEditUntilALeaveSolvesWithIt) {
    frmLineAngle *w = OpenFromEntry("LineAngle", g_frmLineAngle);
    ASSERT_TRUE(w);
    TypeAndEnter(w->Text1, "20");
    TypeAndEnter(w->Text2, "0");
    // A left empty; Z2 first, then X2: neither leave has enough to solve.
    TypeAndEnter(w->Text5, "-10");
    TypeAndEnter(w->Text4, "40");
    EXPECT_EQ(w->Text3->text(), "");
    // Enter in X2 went on to Z2; leaving Z2 untouched now solves the angle.
    ASSERT_TRUE(w->Text5->hasFocus());
    QTest::keyClick(w->Text5, Qt::Key_Return);
    EXPECT_EQ(Texts({w->Text1, w->Text2, w->Text3, w->Text4, w->Text5}), QStringList({"20", "0", "135", "40", "-10"}));
}

TEST_F(AngleConversionCuttingWindowsTest, TabbingThroughASolvedWindowChangesNoBox) {
    // A line at 5 degrees: solving Z2 back from the floored X2 would give 9.995.
    frmLineAngle *line = OpenFromEntry("LineAngle", g_frmLineAngle);
    ASSERT_TRUE(line);
    for (const auto &[box, text] :
         {std::pair{line->Text1, "20"}, {line->Text2, "0"}, {line->Text3, "5"}, {line->Text5, "10"}})
        TypeAndEnter(box, text);
    const QStringList lineBoxes = {"20", "0", "5", "21.749", "10"};
    EXPECT_EQ(Texts({line->Text1, line->Text2, line->Text3, line->Text4, line->Text5}), lineBoxes);
    TabThroughTenTimes(line, line->Text1);
    EXPECT_EQ(Texts({line->Text1, line->Text2, line->Text3, line->Text4, line->Text5}), lineBoxes);

    // Converted to X/C, then read back from X/C: the X-Y boxes keep 10, 10.
    frmXY_XC *xy = OpenFromEntry("XY_XC", g_frmXY_XC);
    ASSERT_TRUE(xy);
    for (const auto &[box, text] : {std::pair{xy->Text1, "10"}, {xy->Text2, "10"}, {xy->Text5, "20"}, {xy->Text6, "0"}})
        TypeAndEnter(box, text);
    const QStringList solved =
        Texts({xy->Text1, xy->Text2, xy->Text3, xy->Text4, xy->Text5, xy->Text6, xy->Text7, xy->Text8, xy->Text9,
               xy->Text10, xy->Text11, xy->Text12, xy->Text13, xy->Text14, xy->Text15});
    EXPECT_EQ(solved.mid(0, 4), QStringList({"10", "10", "28.284", "45"}));
    TabThroughTenTimes(xy, xy->Text1);
    xy->OptionXC->click();
    TabThroughTenTimes(xy, xy->Text3);
    EXPECT_EQ(Texts({xy->Text1, xy->Text2, xy->Text3, xy->Text4, xy->Text5, xy->Text6, xy->Text7, xy->Text8, xy->Text9,
                     xy->Text10, xy->Text11, xy->Text12, xy->Text13, xy->Text14, xy->Text15}),
              solved);

    frmNoseRAngle *nose = OpenFromEntry("AngleNoseR", g_frmNoseRAngle);
    ASSERT_TRUE(nose);
    TypeAndEnter(nose->Text1, "0.8");
    TypeAndEnter(nose->Text2, "30");
    const QStringList amounts = {"0.8", "30", "0.676", "0.585", "1.014"};
    EXPECT_EQ(Texts({nose->Text1, nose->Text2, nose->Text3, nose->Text4, nose->Text5}), amounts);
    TabThroughTenTimes(nose, nose->Text1);
    EXPECT_EQ(Texts({nose->Text1, nose->Text2, nose->Text3, nose->Text4, nose->Text5}), amounts);
}

TEST_F(AngleConversionCuttingWindowsTest, TaperCompensationInsertsABlankAndTheAmountAndStaysOpen) {
    frmNoseRAngle *w = OpenFromEntry("AngleNoseR", g_frmNoseRAngle);
    ASSERT_TRUE(w);
    EXPECT_EQ(w->Picture1->property("printedTexts").toStringList(), QStringList({"R", "角度", "X/2", "Z", "Z2"}));
    TypeAndEnter(w->Text1, "0.8");
    // Only one input: nothing yet.
    EXPECT_EQ(w->Text3->text(), "");
    EXPECT_TRUE(w->Text2->hasFocus());
    TypeAndEnter(w->Text2, "30");
    EXPECT_TRUE(w->Text1->hasFocus());
    w->Command1->click();
    w->Command4->click();
    EXPECT_EQ(m_pane->Text(), " 0.676 1.014");
    EXPECT_TRUE(g_frmNoseRAngle);

    // 180 degrees has no compensation: the amounts stay.
    TypeAndEnter(w->Text2, "180");
    EXPECT_EQ(Texts({w->Text3, w->Text4, w->Text5}), QStringList({"0.676", "0.585", "1.014"}));
}

TEST_F(AngleConversionCuttingWindowsTest, ConversionModesInsertsAndReadouts) {
    frmXY_XC *w = OpenFromEntry("XY_XC", g_frmXY_XC);
    ASSERT_TRUE(w);
    EXPECT_TRUE(w->OptionXY->isChecked());
    EXPECT_FALSE(w->Text1->isReadOnly());
    EXPECT_TRUE(w->Text3->isReadOnly());
    // The window opens with the two axes drawn.
    EXPECT_EQ(Describe(w->Picture1->Primitives()).mid(2),
              QStringList({"line 250 0 -250 0 #80000010", "line 0 250 0 -250 #80000010"}));
    for (const auto &[box, text] : {std::pair{w->Text1, "10"}, {w->Text2, "10"}, {w->Text5, "20"}, {w->Text6, "0"}})
        TypeAndEnter(box, text);
    EXPECT_TRUE(w->Text1->hasFocus());
    // A box getting the focus has its text selected.
    EXPECT_EQ(w->Text1->selectedText(), "10");

    for (QPushButton *b : {w->Command1, w->Command5, w->Command3, w->Command4, w->Command7, w->Command6, w->Command8,
                           w->Command11, w->Command13})
        b->click();
    EXPECT_EQ(m_pane->Text(),
              "X10 Y10\r\nC45 X28.284\r\nX20 Y0\r\nC0 X40\r\nL14.142A-45C45X14.142 Y0\r\nX14.142 Y14.142\r\n");

    // "Ｘ－C": the X/C boxes become the inputs; nothing is computed yet.
    w->OptionXC->click();
    EXPECT_TRUE(w->Text3->hasFocus());
    EXPECT_TRUE(w->Text1->isReadOnly());
    EXPECT_FALSE(w->Text8->isReadOnly());
    EXPECT_EQ(w->Text1->focusPolicy(), Qt::ClickFocus);
    TypeAndEnter(w->Text3, "20");
    TypeAndEnter(w->Text4, "90");
    EXPECT_EQ(Texts({w->Text1, w->Text2}), QStringList({"-0.001", "10"}));

    // Both read-outs follow the mouse over the drawing; the window's background hides them.
    QMouseEvent move(QEvent::MouseMove, QPointF(w->Picture1->width() / 2.0 + 10, w->Picture1->height() / 2.0),
                     QPointF(), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w->Picture1, &move);
    EXPECT_TRUE(w->Picture3->isVisibleTo(w));
    EXPECT_TRUE(w->Picture5->text().startsWith(u'X'));
    EXPECT_TRUE(w->Picture5->text().contains(QStringLiteral(" C 0 ")));
    QMouseEvent away(QEvent::MouseMove, QPointF(2, w->height() - 2), QPointF(), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(w, &away);
    EXPECT_FALSE(w->Picture3->isVisibleTo(w));
    EXPECT_FALSE(w->Picture5->isVisibleTo(w));
}

}  // namespace
}  // namespace brennvik
