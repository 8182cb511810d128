// The points where a line cuts a circle, computed without the window: box
// texts in, box texts and drawing out.
#include "calc_cases.h"
#include "calc_tangent/line_r.h"
#include "workspace/workspace_state.h"

namespace brennvik {
namespace {

const Names kResults = {"Text7", "Text8", "Text9", "Text10", "Text11", "Text12", "Text13", "Text14"};

class LineRTest : public ::testing::Test {
protected:
    void SetUp() override { g_Pi = 3.14159265398; }
};

// Line point X 10 Z 0 at 0 degrees, circle X 6 Z 10 R 5.
const Texts kExample = {{"Text1", "10"}, {"Text2", "0"}, {"Text3", "0"},
                        {"Text4", "6"},  {"Text5", "10"}, {"Text6", "5"}};

TEST_F(LineRTest, WorkedExamplesGiveTheirBoxesDigitForDigit) {
    ExpectResults(RecalcLineR, kResults, {
        {"centre right of the line point", kExample, {},
         {{"Text7", "10"}, {"Text8", "5.417"}, {"Text9", "-2"}, {"Text10", "4.582"},
          {"Text11", "10"}, {"Text12", "14.582"}, {"Text13", "-2"}, {"Text14", "-4.583"}}},
        {"centre left: mirrored, point 1 still nearer the line point", With(kExample, {{"Text5", "-10"}}), {},
         {{"Text7", "10"}, {"Text8", "-5.418"}, {"Text9", "-2"}, {"Text10", "-4.583"},
          {"Text11", "10"}, {"Text12", "-14.583"}, {"Text13", "-2"}, {"Text14", "4.582"}}},
        {"10 degrees, centre right", With(kExample, {{"Text3", "10"}}), {},
         {{"Text7", "12.134"}, {"Text8", "6.051"}, {"Text9", "-3.067"}, {"Text10", "3.948"},
          {"Text11", "14.465"}, {"Text12", "12.661"}, {"Text13", "-4.233"}, {"Text14", "-2.662"}}},
        // The line at 180 - 10 degrees, not the entered one.
        {"10 degrees, centre left: the construction mirrored", With(kExample, {{"Text3", "10"}, {"Text5", "-10"}}), {},
         {{"Text7", "12.134"}, {"Text8", "-6.052"}, {"Text9", "-3.067"}, {"Text10", "-3.949"},
          {"Text11", "14.465"}, {"Text12", "-12.662"}, {"Text13", "-4.233"}, {"Text14", "2.661"}}},
        {"centre straight below the line point",
         {{"Text1", "20"}, {"Text2", "0"}, {"Text3", "30"}, {"Text4", "0"}, {"Text5", "0"}, {"Text6", "9"}}, {},
         {{"Text7", "12.55"}, {"Text8", "6.451"}, {"Text9", "-6.276"}, {"Text10", "-6.452"},
          {"Text11", "17.449"}, {"Text12", "2.208"}, {"Text13", "-8.725"}, {"Text14", "-2.209"}}},
        {"X-Y plane: I and J without halving",
         {{"Text1", "0"}, {"Text2", "0"}, {"Text3", "0"}, {"Text4", "10"}, {"Text5", "3"}, {"Text6", "5"}},
         {"OptionXY"},
         {{"Text7", "6"}, {"Text8", "0"}, {"Text9", "4"}, {"Text10", "3"},
          {"Text11", "14"}, {"Text12", "0"}, {"Text13", "-4"}, {"Text14", "3"}}},
    });
}

TEST_F(LineRTest, AnglesAbove180AreTakenOnceAroundTheCircle) {
    auto results = [](const char *angle) {
        CalcForm f = CaseForm(kResults, With(kExample, {{"Text3", angle}, {"Text4", "10"}}), {});
        Drawing drawing;
        EXPECT_TRUE(RunRecalc(RecalcLineR, f, drawing)) << angle;
        return ChangedBoxes(f, kResults);
    };
    EXPECT_EQ(results("200"), results("-160"));
    EXPECT_EQ(results("-200"), results("160"));
}

TEST_F(LineRTest, NoTwoPointsPrintTheFailureTextAndKeepEveryBox) {
    ExpectFailures(RecalcLineR, kResults, {
        {"radius 0", With(kExample, {{"Text6", "0"}}), {}, {}},
        {"the line misses the circle", With(kExample, {{"Text4", "40"}}), {}, {}},
        {"the line touches the circle straight above its point", With(kExample, {{"Text4", "20"}, {"Text5", "0"}}),
         {}, {}},
        {"the line touches the circle in the X-Y plane",
         {{"Text1", "0"}, {"Text2", "0"}, {"Text3", "0"}, {"Text4", "0"}, {"Text5", "-5"}, {"Text6", "5"}},
         {"OptionXY"}, {}},
    });
}

TEST_F(LineRTest, IncompleteInputsStopEarly) {
    // A line box empty: nothing changes, not even the drawing.
    EXPECT_EQ(DrawnWithoutResults(RecalcLineR, kResults, With(kExample, {{"Text2", ""}}), {}),
              QStringList({"scale 0 0 8835 4875", "line 0 0 1 1 #0000FF"}));
    // A circle box empty: the default view with the angle (200 as -160)
    // through its middle; the results of the last complete input stay.
    EXPECT_EQ(DrawnWithoutResults(RecalcLineR, kResults, With(kExample, {{"Text3", "200"}, {"Text6", ""}}), {}),
              QStringList({"scale 0 0 8835 4875", "scale -4417.5 -2437.5 8835 4875",
                           "line -9396.93 3420.2 9396.93 -3420.2 #0FFFFF"}));
}

TEST_F(LineRTest, DrawingOfTheWorkedExample) {
    EXPECT_EQ(Drawn(RecalcLineR, kExample, {}), QStringList({
        "scale 0 0 8835 4875",
        // The line point and the circle, 1.2 times their height.
        "scale -3.37385 -9 21.7477 12",
        // From the line point through point 2 to beyond the view.
        "line 0 -5 21.7477 -5 #0FFFFF",
        "circle 10 -3 5 #0FFFFF",
        "circle 5.41742 -5 0.0217477 #0000FF",
        "circle 10 -3 0.0217477 #0000FF",
        "circle 14.5826 -5 0.0217477 #0000FF",
        "text 5.41742 -5 #00FF00 1",
        "text 14.5826 -5 #00FF00 2",
    }));
}

TEST(LineRInsertTest, BlocksAreTheBoxTextsAsTheyStand) {
    EXPECT_EQ(LinearMoveLine("10", "5.417", Plane::XZ), "N000 G01 X10 Z5.417\r\n");
    EXPECT_EQ(LinearMoveLine("6", "0", Plane::XY), "N000 G01 X6 Y0\r\n");
    EXPECT_EQ(ArcBlockLine("40", "-12.5", "5", Plane::XZ), "N000 G0* X40 Z-12.5 L5\r\n");
    EXPECT_EQ(ArcBlockLine("40", "-12.5", "5", Plane::XY), "N000 G0* X40 Y-12.5 L5\r\n");
    // The radius as typed; empty boxes leave only the words.
    EXPECT_EQ(ArcBlockLine("", "", "5.0", Plane::XZ), "N000 G0* X Z L5.0\r\n");
}

}  // namespace
}  // namespace brennvik
