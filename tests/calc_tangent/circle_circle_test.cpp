// The points where two circles cut each other, computed without the
// window: box texts in, box texts and drawing out.
#include "calc_cases.h"
#include "calc_tangent/circle_circle.h"
#include "workspace/workspace_state.h"

#include <QRectF>

namespace brennvik {
namespace {

const Names kResults = {"Text7", "Text8", "Text11", "Text12"};

class CircleCircleTest : public ::testing::Test {
protected:
    void SetUp() override { g_Pi = 3.14159265398; }
};

// Circle 1 X 0 Z 0 R 10, circle 2 X 0 Z 11 R 8.
const Texts kExample = {{"Text1", "0"}, {"Text2", "0"},  {"Text3", "10"},
                        {"Text4", "0"}, {"Text5", "11"}, {"Text6", "8"}};
const Texts kReversed = {{"Text1", "0"}, {"Text2", "11"}, {"Text3", "8"},
                         {"Text4", "0"}, {"Text5", "0"},  {"Text6", "10"}};

TEST_F(CircleCircleTest, WorkedExamplesGiveTheirBoxesDigitForDigit) {
    ExpectResults(RecalcCircleCircle, kResults, {
        {"centre 2 along +Z: no turn", kExample, {},
         {{"Text7", "14.01"}, {"Text8", "7.136"}, {"Text11", "-14.011"}, {"Text12", "7.136"}}},
        {"entered the other way round: a half turn", kReversed, {},
         {{"Text7", "-14.011"}, {"Text8", "7.136"}, {"Text11", "14.01"}, {"Text12", "7.136"}}},
        {"X-Y plane: no factor 2, sine and cosine exchanged", kExample, {"OptionXY"},
         {{"Text7", "-7.006"}, {"Text8", "7.136"}, {"Text11", "7.005"}, {"Text12", "7.136"}}},
        {"centre 2 nearer the axis: the turn the other way",
         {{"Text1", "20"}, {"Text2", "0"}, {"Text3", "10"}, {"Text4", "0"}, {"Text5", "0"}, {"Text6", "10"}}, {},
         {{"Text7", "10"}, {"Text8", "8.66"}, {"Text11", "9.999"}, {"Text12", "-8.661"}}},
    });
}

TEST_F(CircleCircleTest, NoTwoPointsPrintTheFailureTextOnTheEmptyDrawing) {
    ExpectFailures(RecalcCircleCircle, kResults, {
        {"concentric", With(kExample, {{"Text5", "0"}}), {}, {}},
        {"the same circle twice", With(kExample, {{"Text5", "0"}, {"Text6", "10"}}), {}, {}},
        {"apart", With(kExample, {{"Text5", "30"}}), {}, {}},
        {"one inside the other", With(kExample, {{"Text5", "1"}, {"Text6", "2"}}), {}, {}},
        {"touching from outside", With(kExample, {{"Text5", "15"}, {"Text6", "5"}}), {}, {}},
        {"touching from inside", With(kExample, {{"Text5", "5"}, {"Text6", "5"}}), {}, {}},
        {"radius 1 is 0", With(kExample, {{"Text3", "0"}}), {}, {}},
        {"only circle 1, radius 0", {{"Text1", "0"}, {"Text2", "0"}, {"Text3", "0"}}, {}, {}},
    });
}

TEST_F(CircleCircleTest, OneCircleAloneIsDrawnTenRadiiWide) {
    EXPECT_EQ(DrawnWithoutResults(RecalcCircleCircle, kResults,
                                  {{"Text1", "20"}, {"Text2", "5"}, {"Text3", "3"}, {"Text4", "1"}}, {}),
              QStringList({"scale 0 0 8835 4875", "scale -10 -18.2767 30 16.5535", "line 5 -9.8 5 -10.2 #0000FF",
                           "line 5.2 -10 4.8 -10 #0000FF", "circle 5 -10 3 #0FFFFF"}));
    EXPECT_EQ(DrawnWithoutResults(RecalcCircleCircle, kResults, {{"Text4", "20"}, {"Text5", "5"}, {"Text6", "3"}},
                                  {"OptionXY"}),
              QStringList({"scale 0 0 8835 4875", "scale 5 -13.2767 30 16.5535", "line 20 -4.8 20 -5.2 #0000FF",
                           "line 20.2 -5 19.8 -5 #0000FF", "circle 20 -5 3 #0FFFFF"}));
    // Neither circle complete: the drawing is cleared and stays empty.
    EXPECT_EQ(DrawnWithoutResults(RecalcCircleCircle, kResults, {{"Text1", "20"}, {"Text2", "5"}, {"Text6", "3"}}, {}),
              QStringList({"scale 0 0 8835 4875"}));
}

TEST_F(CircleCircleTest, DrawingOfTheWorkedExample) {
    EXPECT_EQ(Drawn(RecalcCircleCircle, kExample, {}), QStringList({
        "scale 0 0 8835 4875",
        "scale -14.5 -11.0357 40 22.0713",
        // Each centre's cross, then its circle.
        "line 0 0.285714 0 -0.285714 #0000FF",
        "line 0.285714 0 -0.285714 0 #0000FF",
        "circle 0 0 10 #0FFFFF",
        "line 11 0.285714 11 -0.285714 #0000FF",
        "line 11.2857 0 10.7143 0 #0000FF",
        "circle 11 0 8 #0FFFFF",
        // The points as the boxes show them, and their labels.
        "circle 7.136 -7.005 0.04 #0000FF",
        "circle 7.136 7.0055 0.04 #0000FF",
        "circle 7.136 -7.005 0.08 #0000FF",
        "circle 7.136 7.0055 0.08 #0000FF",
        "text 7.136 -7.005 #00FF00  1",
        "text 7.136 7.0055 #00FF00 2",
    }));
}

TEST_F(CircleCircleTest, TheViewHoldsBothCirclesInEitherPlane) {
    for (const char *plane : {"OptionXZ", "OptionXY"}) {
        SCOPED_TRACE(plane);
        CalcForm f = CaseForm(kResults, kExample, {plane});
        Drawing drawing;
        ASSERT_TRUE(RunRecalc(RecalcCircleCircle, f, drawing));
        const ViewScale &s = drawing.Scale();
        QRectF extent;
        for (const Primitive &p : drawing.Primitives())
            if (p.kind == PrimitiveKind::Circle)
                extent |= QRectF(p.p1 - QPointF(p.radius, p.radius), p.p1 + QPointF(p.radius, p.radius));
        EXPECT_TRUE(QRectF(s.left, s.top, s.width, s.height).contains(extent));
    }
}

}  // namespace
}  // namespace brennvik
