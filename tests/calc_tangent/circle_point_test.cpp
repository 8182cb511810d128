// The point of a circle with a tangent at a given angle, computed without
// the window: box texts in, box texts and drawing out.
#include "calc_cases.h"
#include "calc_tangent/circle_point.h"
#include "workspace/workspace_state.h"

namespace brennvik {
namespace {

const Names kResults = {"Text5", "Text6", "Text7", "Text8"};

class CirclePointTest : public ::testing::Test {
protected:
    void SetUp() override { g_Pi = 3.14159265398; }
};

// Centre X 100 Z 0, R 10, the tangent along Z.
const Texts kExample = {{"Text1", "100"}, {"Text2", "0"}, {"Text3", "10"}, {"Text4", "0"}};

TEST_F(CirclePointTest, WorkedExamplesGiveTheirBoxesDigitForDigit) {
    ExpectResults(RecalcCirclePoint, kResults, {
        {"point 1 nearest the axis", kExample, {"Option1"},
         {{"Text5", "80"}, {"Text6", "0"}, {"Text7", "10"}, {"Text8", "0"}}},
        {"point 2 farthest from it", kExample, {"Option2"},
         {{"Text5", "120"}, {"Text6", "0"}, {"Text7", "-10"}, {"Text8", "0"}}},
        {"X-Y plane: point 1 below the centre", kExample, {"Option1", "OptionXY"},
         {{"Text5", "100"}, {"Text6", "-10"}, {"Text7", "0"}, {"Text8", "10"}}},
        {"X-Y plane: point 2 above it", kExample, {"Option2", "OptionXY"},
         {{"Text5", "100"}, {"Text6", "10"}, {"Text7", "0"}, {"Text8", "-10"}}},
        // No correction before flooring: sin 30 comes out a hair above 0.5.
        {"30 degrees", With(kExample, {{"Text4", "30"}}), {"Option1"},
         {{"Text5", "82.679"}, {"Text6", "5"}, {"Text7", "8.66"}, {"Text8", "-5.001"}}},
        {"30 degrees in the X-Y plane, point 2", With(kExample, {{"Text4", "30"}}), {"Option2", "OptionXY"},
         {{"Text5", "94.999"}, {"Text6", "8.66"}, {"Text7", "5"}, {"Text8", "-8.661"}}},
    });
}

TEST_F(CirclePointTest, MissingInputsKeepTheResultsAndRadius0Fails) {
    // No centre: nothing at all, not even the drawing changes.
    EXPECT_EQ(DrawnWithoutResults(RecalcCirclePoint, kResults, With(kExample, {{"Text1", ""}}), {"Option1"}),
              QStringList({"scale 0 0 8835 4875", "line 0 0 1 1 #0000FF"}));
    // No angle: the circle alone, five radii wide; the results as they were.
    EXPECT_EQ(DrawnWithoutResults(RecalcCirclePoint, kResults, With(kExample, {{"Text4", ""}}), {"Option1"}),
              QStringList({"scale 0 0 8835 4875", "scale -25 -63.7946 50 27.5891", "circle 0 -50 10 #0FFFFF"}));
    // R 0: a view of no size.
    ExpectFailures(RecalcCirclePoint, kResults, {{"radius 0", With(kExample, {{"Text3", "0"}}), {"Option1"}, {}}});
}

TEST_F(CirclePointTest, DrawingOfTheWorkedExample) {
    EXPECT_EQ(Drawn(RecalcCirclePoint, With(kExample, {{"Text4", "90"}}), {"Option1"}), QStringList({
        "scale 0 0 8835 4875",
        "scale -25 -63.7946 50 27.5891",
        "circle 0 -50 10 #0FFFFF",
        // The tangent at 90 degrees through the point at Z 10, both ways.
        "line 10 -50 10 -75 #0FFFFF",
        "line 10 -50 10 -25 #0FFFFF",
        "circle 0 -50 0.05 #0000FF",
        "circle 10 -50 0.05 #0000FF",
        "circle 10 -50 0.1 #0000FF",
    }));
}

TEST(CirclePointInsertTest, WordsHaveNoLineEnd) {
    EXPECT_EQ(PointWords("80", "0", Plane::XZ), " X80 Z0");
    EXPECT_EQ(PointWords("80", "0", Plane::XY), " X80 Y0");
    EXPECT_EQ(CentreWords("10", "-0.5", Plane::XZ), " I10 K-0.5");
    EXPECT_EQ(CentreWords("10", "-0.5", Plane::XY), " I10 J-0.5");
    EXPECT_EQ(PointWords("", "", Plane::XZ), " X Z");
}

}  // namespace
}  // namespace brennvik
