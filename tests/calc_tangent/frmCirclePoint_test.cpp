// The window of the point tangent to a circle, as the user meets it: its
// Enter order, both points, inserts without a line end, the X-Y plane, and
// what it draws.
#include "calc_tangent/frmCirclePoint.h"
#include "calculator_window_fixture.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace brennvik {
namespace {

class frmCirclePointTest : public CalculatorWindowFixture {
protected:
    frmCirclePoint *OpenWithExample() {
        frmCirclePoint *w = OpenFromEntry("CirclePoint", g_frmCirclePoint);
        if (w) Fill({{w->Text1, "100"}, {w->Text2, "0"}, {w->Text3, "10"}, {w->Text4, "0"}});
        return w;
    }
    static QStringList Results(frmCirclePoint *w) {
        return {w->Text5->text(), w->Text6->text(), w->Text7->text(), w->Text8->text()};
    }
};

TEST_F(frmCirclePointTest, EnterOrderBothPointsAndInsertsWithoutLineEnd) {
    frmCirclePoint *w = OpenWithExample();
    ASSERT_TRUE(w);
    EXPECT_TRUE(w->Command3->hasFocus());
    EXPECT_EQ(Results(w), QStringList({"80", "0", "10", "0"}));
    w->Command1->click();
    w->Command3->click();
    w->Option2->click();
    EXPECT_EQ(Results(w), QStringList({"120", "0", "-10", "0"}));
    w->Command1->click();
    EXPECT_EQ(m_pane->Text(), "AAA\r\n X80 Z0 I10 K0 X120 Z0\r\n");

    // The angle emptied: the circle alone, the point as it was.
    Fill({{w->Text4, ""}});
    EXPECT_EQ(Results(w), QStringList({"120", "0", "-10", "0"}));
    EXPECT_EQ(Describe(w->Picture1->Primitives()).last(), "circle 0 -50 10 #0FFFFF");
    // R 0: the failure text.
    Fill({{w->Text3, "0"}});
    EXPECT_EQ(w->Picture1->PrintedTexts(), QStringList({FailureText()}));
    EXPECT_EQ(Results(w), QStringList({"120", "0", "-10", "0"}));
}

TEST_F(frmCirclePointTest, XYPlaneRelabelsAndInsertsYAndJ) {
    frmCirclePoint *w = OpenWithExample();
    ASSERT_TRUE(w);
    w->OptionXY->click();
    EXPECT_TRUE(w->Text1->hasFocus());
    for (const char *y : {"Label11", "Label14"}) EXPECT_EQ(Child<QLabel>(w, y)->text(), "Y") << y;
    EXPECT_EQ(Child<QLabel>(w, "Label18")->text(), "J");
    EXPECT_EQ(w->Command1->text(), "X Y 挿入");
    EXPECT_EQ(w->Command3->text(), "I J 挿入");
    EXPECT_EQ(Results(w), QStringList({"100", "-10", "0", "10"}));
    w->Command1->click();
    w->Command3->click();
    EXPECT_EQ(m_pane->Text(), "AAA\r\n X100 Y-10 I0 J10\r\n");
    w->OptionXZ->click();
    EXPECT_EQ(Child<QLabel>(w, "Label14")->text(), "Z");
    EXPECT_EQ(w->Command3->text(), "I K 挿入");
}

TEST_F(frmCirclePointTest, TheAngleRowLabelStandsApartFromItsShortLabel) {
    frmCirclePoint *w = OpenFromEntry("CirclePoint", g_frmCirclePoint);
    ASSERT_TRUE(w);
    // It used to share its cell with "A" and read "接する角度A".
    const QLabel *row = Child<QLabel>(w, "Label4");
    const QLabel *shortLabel = Child<QLabel>(w, "Label5");
    EXPECT_EQ(row->text(), "接する角度");
    EXPECT_EQ(shortLabel->text(), "A");
    const QFontMetrics metrics(row->font());
    EXPECT_LE(metrics.horizontalAdvance(row->text()), row->contentsRect().width());
    const QRect rowAt(row->mapTo(w, QPoint()), row->size());
    const QRect shortAt(shortLabel->mapTo(w, QPoint()), shortLabel->size());
    EXPECT_EQ(rowAt.top(), shortAt.top());
    // At least a blank between the end of one and the start of the other.
    EXPECT_GE(shortAt.left() - (rowAt.right() + 1), metrics.horizontalAdvance(u' '));
    EXPECT_LT(shortAt.right(), w->Text4->mapTo(w, QPoint()).x());
}

TEST_F(frmCirclePointTest, RenderedDrawingShowsTheCircleThePointAndItsTangent) {
    frmCirclePoint *w = OpenWithExample();
    ASSERT_TRUE(w);
    const QImage image = w->Picture1->Render();
    EXPECT_EQ(image.pixelColor(2, 2), QColor(Qt::black));
    // The circle about Z 0, radius 50 (X 100): its left and right; the
    // tangent along Z through the point at X 80, and nothing inside.
    EXPECT_TRUE(HasColourNear(image, PixelOf(w->Picture1, {-10, -50}), kYellow));
    EXPECT_TRUE(HasColourNear(image, PixelOf(w->Picture1, {10, -50}), kYellow));
    EXPECT_TRUE(HasColourNear(image, PixelOf(w->Picture1, {-20, -40}), kYellow));
    EXPECT_TRUE(HasColourNear(image, PixelOf(w->Picture1, {20, -40}), kYellow));
    EXPECT_FALSE(HasColourNear(image, PixelOf(w->Picture1, {5, -50}), kYellow));
    // The double ring at the point.
    EXPECT_TRUE(HasColourNear(image, PixelOf(w->Picture1, {0, -40}), kRedPixel, 1));
}

}  // namespace
}  // namespace brennvik
