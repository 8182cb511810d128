// The window of the intersection of two circles, as the user meets it: its
// Enter and tab orders, the inserts of both points, the X-Y plane, the
// failure of touching circles, and what it draws.
#include "calc_tangent/frmCircleCircle.h"
#include "calculator_window_fixture.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace brennvik {
namespace {

class frmCircleCircleTest : public CalculatorWindowFixture {
protected:
    frmCircleCircle *OpenWithExample() {
        frmCircleCircle *w = OpenFromEntry("CircleCircle", g_frmCircleCircle);
        if (w) Fill({{w->Text1, "0"}, {w->Text2, "0"}, {w->Text3, "10"}, {w->Text4, "0"}, {w->Text5, "11"},
                     {w->Text6, "8"}});
        return w;
    }
    static QStringList Results(frmCircleCircle *w) {
        return {w->Text7->text(), w->Text8->text(), w->Text11->text(), w->Text12->text()};
    }
};

TEST_F(frmCircleCircleTest, EnterAndTabOrdersInsertsAndTouchingCircles) {
    frmCircleCircle *w = OpenWithExample();
    ASSERT_TRUE(w);
    // Enter in the last box goes round to the first; Tab from it to the drawing.
    EXPECT_TRUE(w->Text1->hasFocus());
    QTest::keyClick(w->Text1, Qt::Key_Tab);
    EXPECT_TRUE(w->Picture1->hasFocus());
    QTest::keyClick(w->Picture1, Qt::Key_Tab);
    EXPECT_TRUE(w->Text2->hasFocus());
    EXPECT_EQ(Results(w), QStringList({"14.01", "7.136", "-14.011", "7.136"}));
    EXPECT_EQ(w->Picture1->PrintedTexts(), QStringList({" 1", "2"}));
    EXPECT_EQ(w->Picture3->width(), TwipsToPixels(2415));

    w->Command1->click();
    w->Command3->click();
    EXPECT_EQ(m_pane->Text(), "AAA\r\n X14.01 Z7.136\r\n X-14.011 Z7.136\r\n\r\n");

    // Touching circles: the failure text on an empty drawing, the points kept.
    w->Text5->setText(QStringLiteral("15"));
    w->Text6->setText(QStringLiteral("5"));
    w->Text6->setFocus();
    QTest::keyClick(w->Text6, Qt::Key_Return);
    EXPECT_EQ(Describe(w->Picture1->Primitives()).size(), 2);
    EXPECT_EQ(w->Picture1->PrintedTexts(), QStringList({FailureText()}));
    EXPECT_EQ(Results(w), QStringList({"14.01", "7.136", "-14.011", "7.136"}));
}

TEST_F(frmCircleCircleTest, XYPlaneRelabelsAndInsertsY) {
    frmCircleCircle *w = OpenWithExample();
    ASSERT_TRUE(w);
    w->OptionXY->click();
    EXPECT_TRUE(w->Text1->hasFocus());
    for (const char *y : {"Label2", "Label5", "Label8", "Label14"}) EXPECT_EQ(Child<QLabel>(w, y)->text(), "Y") << y;
    for (QPushButton *b : {w->Command1, w->Command3}) EXPECT_EQ(b->text(), "X Y 挿入");
    EXPECT_EQ(Results(w), QStringList({"-7.006", "7.136", "7.005", "7.136"}));
    w->Command3->click();
    EXPECT_EQ(m_pane->Text(), "AAA\r\n X7.005 Y7.136\r\n\r\n");
    w->OptionXZ->click();
    EXPECT_EQ(Child<QLabel>(w, "Label8")->text(), "Z");
    EXPECT_EQ(w->Command1->text(), "X Z 挿入");
}

TEST_F(frmCircleCircleTest, RenderedDrawingShowsBothCirclesTheirCentresAndThePoints) {
    frmCircleCircle *w = OpenWithExample();
    ASSERT_TRUE(w);
    const QImage image = w->Picture1->Render();
    EXPECT_EQ(image.pixelColor(2, 2), QColor(Qt::black));
    // Circle 1 about Z 0 and circle 2 about Z 11, on the axis.
    EXPECT_TRUE(HasColourNear(image, PixelOf(w->Picture1, {-10, 0}), kYellow));
    EXPECT_TRUE(HasColourNear(image, PixelOf(w->Picture1, {19, 0}), kYellow));
    EXPECT_FALSE(HasColourNear(image, PixelOf(w->Picture1, {5, -3}), kYellow));
    // Red crosses at the centres, rings and green numbers at the points.
    for (const QPointF at : {QPointF(0, 0), QPointF(11, 0), QPointF(7.136, -7.005), QPointF(7.136, 7.0055)})
        EXPECT_TRUE(HasColourNear(image, PixelOf(w->Picture1, at), kRedPixel, 1));
    EXPECT_TRUE(HasColourNear(image, PixelOf(w->Picture1, {7.136, -7.005}) + QPoint(6, 6), kGreenPixel, 5));
}

}  // namespace
}  // namespace brennvik
