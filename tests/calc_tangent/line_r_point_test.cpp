// The circle through an end point tangent to a line, computed without the
// window: box texts in, box texts and drawing out.
#include "calc_cases.h"
#include "calc_tangent/line_r_point.h"
#include "workspace/workspace_state.h"

#include <gtest/gtest.h>

#include <cmath>

namespace brennvik {
namespace {

const Names kResults = {"Text6", "Text7", "Text9", "Text10", "Text11", "Text12"};

class LineRPointTest : public ::testing::Test {
protected:
    void SetUp() override { g_Pi = 3.14159265398; }
};

// Line point X 20 Z 0 at 0 degrees, end point X 30 Z 20, R 10.
const Texts kExample = {{"Text1", "20"}, {"Text2", "0"}, {"Text3", "0"},
                        {"Text4", "30"}, {"Text5", "20"}, {"Text8", "10"}};

QStringList Solve(const Texts &inputs, const Names &on) {
    CalcForm f = CaseForm(kResults, inputs, on);
    Drawing drawing;
    EXPECT_TRUE(RunRecalc(RecalcLineRPoint, f, drawing));
    return ChangedBoxes(f, kResults);
}

TEST_F(LineRPointTest, WorkedExamplesGiveTheirBoxesDigitForDigit) {
    ExpectResults(RecalcLineRPoint, kResults, {
        {"circle 1: its start point before the end point's foot", kExample, {"Option1"},
         {{"Text6", "40"}, {"Text7", "11.339"}, {"Text9", "20"}, {"Text10", "11.339"}, {"Text11", "10"},
          {"Text12", "0"}}},
        {"circle 2: after it", kExample, {"Option2"},
         {{"Text6", "40"}, {"Text7", "28.66"}, {"Text9", "20"}, {"Text10", "28.66"}, {"Text11", "10"},
          {"Text12", "0"}}},
        {"end point at the left: mirrored, the line kept", With(kExample, {{"Text5", "-20"}}), {"Option1"},
         {{"Text6", "40"}, {"Text7", "-11.34"}, {"Text9", "20"}, {"Text10", "-11.34"}, {"Text11", "10"},
          {"Text12", "0"}}},
        {"end point below the line point: the circle below the line", With(kExample, {{"Text4", "10"}}),
         {"Option1"},
         {{"Text6", "0"}, {"Text7", "11.339"}, {"Text9", "20"}, {"Text10", "11.339"}, {"Text11", "-10"},
          {"Text12", "0"}}},
        {"end point on the line: the circle touches it there", With(kExample, {{"Text4", "20"}}), {"Option2"},
         {{"Text6", "40"}, {"Text7", "20"}, {"Text9", "20"}, {"Text10", "20"}, {"Text11", "10"}, {"Text12", "0"}}},
        {"X-Y plane at 30 degrees",
         {{"Text1", "10"}, {"Text2", "0"}, {"Text3", "30"}, {"Text4", "20"}, {"Text5", "5"}, {"Text8", "10"}},
         {"Option1", "OptionXY"},
         {{"Text6", "21.548"}, {"Text7", "-4.88"}, {"Text9", "16.548"}, {"Text10", "3.781"}, {"Text11", "5"},
          {"Text12", "-8.661"}}},
    });
}

TEST_F(LineRPointTest, AnglesBeyond90AreTurnedHalfAroundOnceAnd90IsAlmost90) {
    // The same results as the angle as used.
    const struct {
        const char *angle;
        const char *sameAs;
    } same[] = {{"135", "-45"}, {"90", "89.9999"}, {"-90", "89.9999"}, {"270", "89.9999"}};
    for (const auto &c : same) {
        SCOPED_TRACE(c.angle);
        for (const char *option : {"Option1", "Option2"})
            EXPECT_EQ(Solve(With(kExample, {{"Text3", c.angle}}), {option}),
                      Solve(With(kExample, {{"Text3", c.sameAs}}), {option}));
    }
    // Turned once only: the line drawn while the radius is missing.
    const struct {
        const char *angle;
        const char *line;
    } drawn[] = {{"-135", "line 7071.07 -7071.07 -7071.07 7071.07 #0FFFFF"},
                 {"300", "line -5000 -8660.25 5000 8660.25 #0FFFFF"}};
    for (const auto &c : drawn)
        EXPECT_EQ(DrawnWithoutResults(RecalcLineRPoint, kResults, With(kExample, {{"Text3", c.angle}, {"Text8", ""}}),
                                      {"Option1"})
                      .last(),
                  c.line)
            << c.angle;
}

TEST_F(LineRPointTest, AnEndPointBelowTheLinePointGetsTheCircleOnTheLineAtMinusA) {
    const Texts below = {{"Text1", "20"}, {"Text2", "0"}, {"Text3", "30"},
                         {"Text4", "14"}, {"Text5", "10"}, {"Text8", "10"}};
    for (const char *option : {"Option1", "Option2"}) {
        SCOPED_TRACE(option);
        CalcForm f = CaseForm(kResults, below, {option});
        Drawing drawing;
        ASSERT_TRUE(RunRecalc(RecalcLineRPoint, f, drawing));
        const QPointF c(f.Number("Text7"), f.Number("Text6") / 2);
        const QPointF t(f.Number("Text10"), f.Number("Text9") / 2);
        // The start point on the line through X 20 Z 0 at -30 degrees, the
        // circle through the end point.
        EXPECT_NEAR((t.y() - 10) / t.x(), -std::tan(30 * M_PI / 180), 1e-3);
        EXPECT_NEAR(std::hypot(c.x() - 10, c.y() - 7), 10, 1e-3);
        EXPECT_NEAR(std::hypot(c.x() - t.x(), c.y() - t.y()), 10, 1e-3);
    }
}

TEST_F(LineRPointTest, EndPointsTooFarFromTheLineOrNoRadiusPrintTheFailureText) {
    ExpectFailures(RecalcLineRPoint, kResults, {
        {"exactly 2R from the line", With(kExample, {{"Text4", "60"}}), {"Option1"}, {}},
        {"exactly 2R from the line, circle 2", With(kExample, {{"Text4", "60"}}), {"Option2"}, {}},
        {"farther than 2R", With(kExample, {{"Text4", "70"}}), {"Option1"}, {}},
        {"radius 0", With(kExample, {{"Text8", "0"}}), {"Option1"}, {}},
        {"radius 0 with the end point on the line", With(kExample, {{"Text4", "20"}, {"Text8", "0"}}), {"Option1"},
         {}},
    });
}

TEST_F(LineRPointTest, IncompleteInputsStopEarly) {
    EXPECT_EQ(DrawnWithoutResults(RecalcLineRPoint, kResults, With(kExample, {{"Text3", ""}}), {"Option1"}),
              QStringList({"scale 0 0 8835 4875", "line 0 0 1 1 #0000FF"}));
    // No radius: the default view with the line's angle, as used (135 as -45).
    EXPECT_EQ(DrawnWithoutResults(RecalcLineRPoint, kResults, With(kExample, {{"Text3", "135"}, {"Text8", ""}}),
                                  {"Option1"}),
              QStringList({"scale 0 0 8835 4875", "scale -4417.5 -2437.5 8835 4875",
                           "line 7071.07 7071.07 -7071.07 -7071.07 #0FFFFF"}));
}

TEST_F(LineRPointTest, DrawingOfTheWorkedExampleAndItsMirror) {
    EXPECT_EQ(Drawn(RecalcLineRPoint, kExample, {"Option1"}), QStringList({
        "scale 0 0 8835 4875",
        // The line point, the end point one radius out and the start point,
        // 1.2 times their width.
        "scale -3 -28 36 19.8642",
        // The tangent from the start point back to the line point, the circle.
        "line 11.3397 -10 0 -10 #0FFFFF",
        "circle 11.3397 -20 10 #0FFFFF",
        // Markers at the line point, the end point, the centre and the start
        // point, double rings at the end point and the start point.
        "circle 0 -10 0.036 #0000FF",
        "circle 20 -15 0.036 #0000FF",
        "circle 11.3397 -20 0.036 #0000FF",
        "circle 11.3397 -10 0.036 #0000FF",
        "circle 20 -15 0.054 #0000FF",
        "circle 11.3397 -10 0.054 #0000FF",
        // The guide from the end point toward +Z; no labels.
        "line 20 -15 120 -15 #0FFFFF",
    }));
    EXPECT_EQ(Drawn(RecalcLineRPoint, With(kExample, {{"Text5", "-20"}}), {"Option1"}).last(),
              "line -20 -15 -120 -15 #0FFFFF");
}

}  // namespace
}  // namespace brennvik
