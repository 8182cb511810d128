// The window of the circle through an end point tangent to a line, as the
// user meets it: filled along its Enter order, both circles, its inserts,
// the X-Y plane, and what it draws.
#include "calc_tangent/frmLineRPoint.h"
#include "calculator_window_fixture.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace brennvik {
namespace {

class frmLineRPointTest : public CalculatorWindowFixture {
protected:
    frmLineRPoint *OpenWithExample() {
        frmLineRPoint *w = OpenFromEntry("LineCirclePoint", g_frmLineRPoint);
        if (w) Fill({{w->Text1, "20"}, {w->Text2, "0"}, {w->Text3, "0"}, {w->Text4, "30"}, {w->Text5, "20"},
                     {w->Text8, "10"}});
        return w;
    }
    static QStringList Results(frmLineRPoint *w) {
        QStringList texts;
        for (QLineEdit *box : {w->Text6, w->Text7, w->Text9, w->Text10, w->Text11, w->Text12}) texts << box->text();
        return texts;
    }
};

TEST_F(frmLineRPointTest, EnterOrderBothCirclesAndEveryInsert) {
    frmLineRPoint *w = OpenWithExample();
    ASSERT_TRUE(w);
    EXPECT_TRUE(w->Command1->hasFocus());
    EXPECT_TRUE(w->Option1->isChecked());
    EXPECT_EQ(Results(w), QStringList({"40", "11.339", "20", "11.339", "10", "0"}));
    w->Option2->click();
    EXPECT_EQ(Results(w), QStringList({"40", "28.66", "20", "28.66", "10", "0"}));
    // Enter in the centre box moves on to the start point.
    w->Text6->setFocus();
    QTest::keyClick(w->Text6, Qt::Key_Return);
    EXPECT_TRUE(w->Text9->hasFocus());

    for (QPushButton *b : {w->Command1, w->Command3, w->Command4, w->Command5, w->Command6}) b->click();
    EXPECT_EQ(m_pane->Text(), "AAA\r\n"
                              " X20 Z0\r\n"
                              " X30 Z20\r\n"
                              " X40 Z28.66\r\n"
                              " X20 Z28.66\r\n"
                              " I10 K0\r\n"
                              "\r\n");

    // The end point exactly 2R from the line: the failure text, the boxes kept.
    Fill({{w->Text4, "60"}});
    EXPECT_EQ(w->Picture1->PrintedTexts(), QStringList({FailureText()}));
    EXPECT_EQ(Results(w), QStringList({"40", "28.66", "20", "28.66", "10", "0"}));
}

TEST_F(frmLineRPointTest, XYPlaneRelabelsAndInsertsYAndJ) {
    frmLineRPoint *w = OpenFromEntry("LineCirclePoint", g_frmLineRPoint);
    ASSERT_TRUE(w);
    w->OptionXY->click();
    EXPECT_TRUE(w->Text1->hasFocus());
    for (const char *y : {"Label2", "Label5", "Label14"}) EXPECT_EQ(Child<QLabel>(w, y)->text(), "Y") << y;
    EXPECT_EQ(Child<QLabel>(w, "Label11")->text(), "CY");
    EXPECT_EQ(Child<QLabel>(w, "Label18")->text(), "J");
    EXPECT_EQ(Child<QLabel>(w, "Label9")->text(), "円の中心CX");
    for (QPushButton *b : {w->Command1, w->Command3, w->Command4, w->Command5}) EXPECT_EQ(b->text(), "X Y 挿入");
    EXPECT_EQ(w->Command6->text(), "I J 挿入");

    Fill({{w->Text1, "10"}, {w->Text2, "0"}, {w->Text3, "30"}, {w->Text4, "20"}, {w->Text5, "5"}, {w->Text8, "10"}});
    EXPECT_EQ(Results(w), QStringList({"21.548", "-4.88", "16.548", "3.781", "5", "-8.661"}));
    for (QPushButton *b : {w->Command4, w->Command6}) b->click();
    EXPECT_EQ(m_pane->Text(), "AAA\r\n X21.548 Y-4.88\r\n I5 J-8.661\r\n\r\n");

    w->OptionXZ->click();
    EXPECT_EQ(Child<QLabel>(w, "Label11")->text(), "CZ");
    EXPECT_EQ(Child<QLabel>(w, "Label18")->text(), "K");
    EXPECT_EQ(w->Command6->text(), "I K 挿入");
}

TEST_F(frmLineRPointTest, RenderedDrawingShowsTheCircleTheTangentAndTheGuide) {
    frmLineRPoint *w = OpenWithExample();
    ASSERT_TRUE(w);
    const QImage image = w->Picture1->Render();
    EXPECT_EQ(image.pixelColor(2, 2), QColor(Qt::black));
    // The circle about Z 11.34, radius 20 (X 40), 10 wide: its left and right.
    EXPECT_TRUE(HasColourNear(image, PixelOf(w->Picture1, {1.34, -20}), kYellow));
    EXPECT_TRUE(HasColourNear(image, PixelOf(w->Picture1, {21.34, -20}), kYellow));
    // The tangent from the line point to the start point, the guide from
    // the end point toward +Z, and nothing between them.
    EXPECT_TRUE(HasColourNear(image, PixelOf(w->Picture1, {5, -10}), kYellow));
    EXPECT_TRUE(HasColourNear(image, PixelOf(w->Picture1, {30, -15}), kYellow));
    EXPECT_FALSE(HasColourNear(image, PixelOf(w->Picture1, {30, -12}), kYellow));
    // Red rings at the end point and the start point.
    EXPECT_TRUE(HasColourNear(image, PixelOf(w->Picture1, {20, -15}), kRedPixel, 1));
    EXPECT_TRUE(HasColourNear(image, PixelOf(w->Picture1, {11.34, -10}), kRedPixel, 1));
}

}  // namespace
}  // namespace brennvik
