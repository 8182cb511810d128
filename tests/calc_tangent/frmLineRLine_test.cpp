// The tangent-circle window as the user meets it: opened from the menu and
// the toolbar, filled along its Enter order, switched between the planes,
// and inserting into a document.
#include "calc_tangent/frmLineRLine.h"
#include "calculator_window_fixture.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

namespace brennvik {
namespace {

class frmLineRLineTest : public CalculatorWindowFixture {
protected:
    frmLineRLine *Open() { return OpenFromEntry("LineCircleLine", g_frmLineRLine); }

    // Fills the worked example: lines at 0 and 90 degrees, R 5, nose 0.8.
    static void FillExample(frmLineRLine *w) {
        Fill({{w->Text1, "100"}, {w->Text2, "0"}, {w->Text3, "0"}, {w->Text4, "0"}, {w->Text5, "-50"},
              {w->Text6, "90"}, {w->Text9, "5"}, {w->Text20, "0.8"}});
    }
};

TEST_F(frmLineRLineTest, OpensAsOneInstanceAtTheLowerRightInFront) {
    frmLineRLine *w = Open();
    ASSERT_TRUE(w);
    EXPECT_EQ(w->windowTitle(), " 2直線と接する円");
    EXPECT_TRUE(w->isVisible());
    EXPECT_TRUE(w->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(w->pos(), LowerRightPlacement(w->screen()->geometry(), w->frameGeometry().size(), 97, 63));
    for (QAbstractButton *on : {static_cast<QAbstractButton *>(w->Option1), static_cast<QAbstractButton *>(w->OptionXZ),
                                static_cast<QAbstractButton *>(w->Option5), static_cast<QAbstractButton *>(w->NosePN[2]),
                                static_cast<QAbstractButton *>(w->Check2)})
        EXPECT_TRUE(on->isChecked()) << on->objectName().toStdString();
    EXPECT_FALSE(w->Check1->isChecked());
    EXPECT_FALSE(w->Check1->isEnabled());
    // The lines cross (線), in the red note.
    EXPECT_EQ(w->Label21->text(), "※直線２の開始点が直線１上にあるときは線が交差するように0.0001ずらしてください。");

    // The toolbar key opens the same window, its boxes as they were.
    w->Text1->setText(QStringLiteral("100"));
    m_main->tbToolBar_ButtonClick(m_main->ToolButtonByKey(QStringLiteral("2直線と接する円")));
    EXPECT_EQ(g_frmLineRLine, w);
    EXPECT_EQ(w->Text1->text(), "100");

    // Unticking 手前に表示 gives the window its normal place.
    w->Check2->click();
    EXPECT_FALSE(w->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(w->isVisible());

    // キャンセル unloads it; the next opening starts afresh, in front again.
    w->Command2->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(g_frmLineRLine);
    w = Open();
    ASSERT_TRUE(w);
    EXPECT_EQ(w->Text1->text(), "");
    EXPECT_TRUE(w->windowFlags() & Qt::WindowStaysOnTopHint);
}

// The window stood one title bar too low, and on a laptop's screen, taller
// than the screen, it covered the main window's menus: it is placed by its
// outer size, and at the lower right of a small screen it leaves the title
// and menu bar of a maximised main window free.
TEST_F(frmLineRLineTest, PlacedAtTheLowerRightFrameAndAll) {
    frmLineRLine *w = Open();
    ASSERT_TRUE(w);
    w->PlaceAtLowerRight(kSmallScreen, kTypicalFrame);
    const QSize outer = w->size().grownBy(kTypicalFrame);
    EXPECT_EQ(w->pos(), QPoint(kSmallScreen.width() - 97 - outer.width(), kSmallScreen.height() - 63 - outer.height()));
    EXPECT_GE(w->pos().y(), kTypicalFrame.top() + m_main->menuBar()->sizeHint().height());
}

TEST_F(frmLineRLineTest, EnterMovesAlongTheBoxesAndTheInsertGoesToTheCaret) {
    frmLineRLine *w = Open();
    ASSERT_TRUE(w);
    const std::pair<QLineEdit *, QWidget *> order[] = {{w->Text1, w->Text2}, {w->Text2, w->Text3}, {w->Text3, w->Text4},
                                                       {w->Text4, w->Text5}, {w->Text5, w->Text6}, {w->Text6, w->Text9},
                                                       {w->Text9, w->Option1}, {w->Text20, w->Option5}};
    for (const auto &[box, next] : order) {
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Return);
        EXPECT_TRUE(next->hasFocus()) << box->objectName().toStdString();
    }

    FillExample(w);
    EXPECT_EQ(w->Text10->text(), "110");
    EXPECT_EQ(w->Text11->text(), "-45");
    EXPECT_EQ(w->Text24->text(), "96.8");
    EXPECT_TRUE(w->Check1->isEnabled());
    EXPECT_EQ(w->Picture1->property("printedTexts").toStringList(), QStringList({"1", "2"}));

    // Tangent point 1 replaces the selected line; the intersection follows it.
    w->Command8->click();
    w->Command4->click();
    EXPECT_EQ(m_pane->Text(), "AAA\r\n X100 Z-45\r\n X100 Z-50\r\n\r\n");

    // Ticking 円の基準表示 centres a view five radii wide on the circle.
    w->Check1->click();
    EXPECT_EQ(Describe(w->Picture1->Primitives()).at(1), "scale -57.5 -61.8973 25 13.7946");
}

TEST_F(frmLineRLineTest, XYPlaneRelabelsEmptiesTheTipsAndInsertsY) {
    frmLineRLine *w = Open();
    ASSERT_TRUE(w);
    FillExample(w);
    w->OptionXY->click();
    EXPECT_TRUE(w->Text1->hasFocus());
    for (const char *y : {"Label2", "Label5", "Label6", "Label14", "Label15", "Label28", "Label33"})
        EXPECT_EQ(Child<QLabel>(w, y)->text(), "Y") << y;
    for (const char *j : {"Label18", "Label19", "Label30", "Label34"}) EXPECT_EQ(Child<QLabel>(w, j)->text(), "J") << j;
    EXPECT_EQ(Child<QLabel>(w, "Label11")->text(), "CY");
    // The nose-centre rows keep "CZ".
    EXPECT_EQ(Child<QLabel>(w, "Label23")->text(), "CZ");
    EXPECT_EQ(Child<QLabel>(w, "Label25")->text(), "CZ");
    for (QPushButton *b : {w->Command4, w->Command5, w->Command8, w->Command9}) EXPECT_EQ(b->text(), "X Y 挿入");
    EXPECT_FALSE(w->Frame4->isEnabled());
    for (QLineEdit *tip : {w->Text24, w->Text25, w->Text31, w->Text32}) EXPECT_EQ(tip->text(), "");

    w->Command4->click();
    EXPECT_EQ(m_pane->Text(), "AAA\r\n X" + w->Text7->text() + " Y" + w->Text8->text() + "\r\n\r\n");

    w->OptionXZ->click();
    EXPECT_EQ(Child<QLabel>(w, "Label2")->text(), "Z");
    EXPECT_EQ(Child<QLabel>(w, "Label18")->text(), "K");
    EXPECT_EQ(Child<QLabel>(w, "Label11")->text(), "CZ");
    EXPECT_EQ(w->Command4->text(), "X Z 挿入");
    EXPECT_TRUE(w->Frame4->isEnabled());
    EXPECT_EQ(w->Text24->text(), "96.8");
}

}  // namespace
}  // namespace brennvik
