// The line-circle window as the user meets it: filled along its Enter
// order, inserting every kind of line, switched to the X-Y plane, and
// drawing its construction.
#include "calc_tangent/frmLineR.h"
#include "calculator_window_fixture.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace brennvik {
namespace {

class frmLineRTest : public CalculatorWindowFixture {
protected:
    frmLineR *OpenWithExample() {
        frmLineR *w = OpenFromEntry("LineCycle", g_frmLineR);
        if (w) Fill({{w->Text1, "10"}, {w->Text2, "0"}, {w->Text3, "0"}, {w->Text4, "6"}, {w->Text5, "10"},
                     {w->Text6, "5"}});
        return w;
    }
};

TEST_F(frmLineRTest, EnterOrderResultsAndEveryInsert) {
    frmLineR *w = OpenWithExample();
    ASSERT_TRUE(w);
    EXPECT_TRUE(w->Command1->hasFocus());
    const std::pair<QLineEdit *, const char *> results[] = {
        {w->Text7, "10"},  {w->Text8, "5.417"},   {w->Text9, "-2"},  {w->Text10, "4.582"},
        {w->Text11, "10"}, {w->Text12, "14.582"}, {w->Text13, "-2"}, {w->Text14, "-4.583"}};
    for (const auto &[box, text] : results) EXPECT_EQ(box->text(), text) << box->objectName().toStdString();

    // In the tab order: the line point, the centre, point 1, its I/K,
    // point 2 as an arc, its I/K.
    for (QPushButton *b : {w->Command1, w->Command3, w->Command4, w->Command6, w->Command5, w->Command7}) b->click();
    EXPECT_EQ(m_pane->Text(), "AAA\r\n"
                              " X10 Z0\r\n"
                              " X6 Z10\r\n"
                              "N000 G01 X10 Z5.417\r\n"
                              " I-2 K4.582\r\n"
                              "N000 G0* X10 Z14.582 L5\r\n"
                              " I-2 K-4.583\r\n"
                              "\r\n");
}

TEST_F(frmLineRTest, XYPlaneRelabelsAndInsertsYAndJ) {
    frmLineR *w = OpenWithExample();
    ASSERT_TRUE(w);
    w->OptionXY->click();
    EXPECT_TRUE(w->Text1->hasFocus());
    for (const char *y : {"Label2", "Label5", "Label6", "Label11"}) EXPECT_EQ(Child<QLabel>(w, y)->text(), "Y") << y;
    for (const char *j : {"Label18", "Label19"}) EXPECT_EQ(Child<QLabel>(w, j)->text(), "J") << j;
    for (const char *i : {"Label16", "Label17"}) EXPECT_EQ(Child<QLabel>(w, i)->text(), "I") << i;
    for (QPushButton *b : {w->Command1, w->Command3, w->Command4}) EXPECT_EQ(b->text(), "X Y 挿入");
    for (QPushButton *b : {w->Command6, w->Command7}) EXPECT_EQ(b->text(), "I J 挿入");
    EXPECT_EQ(w->Command5->text(), "XYL挿入");
    // The same numbers as X-Y coordinates: the line Y 0 and the circle about X 6 Y 10 miss.
    EXPECT_EQ(w->Picture1->PrintedTexts(), QStringList({FailureText()}));
    EXPECT_EQ(w->Text8->text(), "5.417");
    Fill({{w->Text5, "3"}});
    // The centre left of the line point: point 1 comes first along the line at 180 degrees.
    EXPECT_EQ(w->Text7->text(), "10");
    EXPECT_EQ(w->Text11->text(), "2");
    for (QPushButton *b : {w->Command4, w->Command5, w->Command6}) b->click();
    EXPECT_EQ(m_pane->Text(), "AAA\r\n"
                              "N000 G01 X10 Y0\r\n"
                              "N000 G0* X2 Y0 L5\r\n"
                              " I-4 J3\r\n"
                              "\r\n");

    w->OptionXZ->click();
    EXPECT_EQ(Child<QLabel>(w, "Label2")->text(), "Z");
    EXPECT_EQ(w->Command5->text(), "XZL挿入");
    EXPECT_EQ(w->Command6->text(), "I K 挿入");
}

TEST_F(frmLineRTest, RenderedDrawingShowsTheLineTheCircleAndThePoints) {
    frmLineR *w = OpenWithExample();
    ASSERT_TRUE(w);
    const QImage image = w->Picture1->Render();
    EXPECT_EQ(image.pixelColor(2, 2), QColor(Qt::black));
    // The circle about Z 10, radius 3 (X 6): its top and bottom; the line at
    // radius 5 right of the line point.
    EXPECT_TRUE(HasColourNear(image, PixelOf(w->Picture1, {10, -8}), kYellow));
    EXPECT_TRUE(HasColourNear(image, PixelOf(w->Picture1, {10, 2}), kYellow));
    EXPECT_TRUE(HasColourNear(image, PixelOf(w->Picture1, {2, -5}), kYellow));
    EXPECT_FALSE(HasColourNear(image, PixelOf(w->Picture1, {12, -1}), kYellow));
    // Red markers at the centre and the points, green numbers beside the points.
    EXPECT_TRUE(HasColourNear(image, PixelOf(w->Picture1, {10, -3}), kRedPixel, 1));
    EXPECT_TRUE(HasColourNear(image, PixelOf(w->Picture1, {5.417, -5}), kRedPixel, 1));
    EXPECT_TRUE(HasColourNear(image, PixelOf(w->Picture1, {5.417, -5}) + QPoint(4, 6), kGreenPixel, 4));
    EXPECT_TRUE(HasColourNear(image, PixelOf(w->Picture1, {14.583, -5}) + QPoint(4, 6), kGreenPixel, 4));
}

}  // namespace
}  // namespace brennvik
