// The chamfer path computed without the window: box texts in, the four
// result boxes and the inserted lines out.
#include "calc_corner/chamfer.h"
#include "calc_corner/chamfer_drawing.h"
#include "chamfer_form.h"
#include "calc_tangent/qt_printing.h"
#include "workspace/workspace_state.h"

#include <gtest/gtest.h>

namespace brennvik {
namespace {

// The four result boxes, start X, start Z, end X, end Z.
QStringList Results(const CalcForm &form) {
    return {form.Text("Text8"), form.Text("Text9"), form.Text("Text10"), form.Text("Text11")};
}

class ChamferTest : public ::testing::Test {
protected:
    void SetUp() override { g_Pi = 3.14159265398; }
};

TEST_F(ChamferTest, CasesGiveTheirStartAndEndPoints) {
    struct Case {
        const char *name;
        Texts inputs;
        std::vector<const char *> on;
        QStringList expected;  // Text8, Text9, Text10, Text11
    };
    const std::vector<Case> cases = {
        {"outer forward: tan 45 lies above 1, so the start X floors below 48", kCorner, {},
         {"47.999", "0", "50", "-1"}},
        {"inner forward", kCorner, {"ID"}, {"52", "0", "50", "-1"}},
        {"outer forward with approach", With(kCorner, {{"Text5", "2"}, {"Text6", "1"}}), {},
         {"45.999", "1", "52", "-2"}},
        {"outer forward, nose 0.4, left edge", With(kCorner, {{"Text7", "0.4"}}), {},
         {"47.531", "0", "50", "-1.235"}},
        {"outer forward, nose 0.4, right edge: both Z 2R further", With(kCorner, {{"Text7", "0.4"}}), {"Option4"},
         {"47.531", "0.8", "50", "-0.435"}},
        {"outer reverse, nose 0.4, right edge", With(kCorner, {{"Text7", "0.4"}}), {"Option2", "Option4"},
         {"47.531", "0", "50", "1.234"}},
        {"outer reverse, nose 0.4, left edge: both Z 2R back", With(kCorner, {{"Text7", "0.4"}}), {"Option2"},
         {"47.531", "-0.8", "50", "0.434"}},
        {"outer forward at 30 degrees with approach and nose",
         {{"Text1", "40"}, {"Text2", "-10"}, {"Text3", "1.5"}, {"Text4", "30"}, {"Text5", "1"}, {"Text6", "0.5"},
          {"Text7", "0.8"}},
         {},
         {"37.014", "-9.5", "41", "-12.952"}},
        {"inner reverse with approach and nose, left edge",
         With(kCorner, {{"Text5", "2"}, {"Text6", "1"}, {"Text7", "0.4"}}),
         {"ID", "Option2"},
         {"54.468", "-1.8", "48", "1.434"}},
        {"a negative nose radius is used as it is", With(kCorner, {{"Text7", "-0.4"}}), {},
         {"48.468", "0", "50", "-0.766"}},
        {"text that is no number reads as 0", With(kCorner, {{"Text5", "abc"}}), {}, {"47.999", "0", "50", "-1"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        CalcForm form = ChamferForm(c.inputs, c.on);
        Drawing drawing(ChamferAreaTwips());
        EXPECT_TRUE(RunRecalc(RecalcChamfer, form, drawing));
        EXPECT_EQ(Results(form), c.expected);
        EXPECT_FALSE(drawing.PrintedTexts().contains(FailureText()));
    }
}

TEST_F(ChamferTest, IncompleteOrUnsolvableInputsKeepTheResultBoxes) {
    struct Case {
        const char *name;
        Texts inputs;
        bool fails;  // the failure text is printed
    };
    const std::vector<Case> cases = {
        {"nothing entered", {}, false},
        {"only the corner", {{"Text1", "50"}, {"Text2", "0"}}, false},
        {"no Z", {{"Text1", "50"}, {"Text3", "1"}}, false},
        {"no angle", {{"Text1", "50"}, {"Text2", "0"}, {"Text3", "1"}, {"Text4", ""}}, false},
        {"angle 0: the chamfer never reaches the diameter", With(kCorner, {{"Text4", "0"}}), true},
        // The tangent of 90 degrees ran away to some -5e9: the start X stood 10^10 mm off.
        {"angle 90: no chamfer of a length along Z", With(kCorner, {{"Text4", "90"}}), true},
        {"angle 90 with a nose radius", With(kCorner, {{"Text4", "90"}, {"Text7", "0.4"}}), true},
        // tan 180 came out near 4e-10 instead of 0: the end Z ran away with the approach.
        {"angle 180 with approach", With(kCorner, {{"Text4", "180"}, {"Text5", "2"}}), true},
        {"angle 180 without approach", With(kCorner, {{"Text4", "180"}}), true},
        {"chamfer, approach and nose all 0: a view of no size", {{"Text1", "50"}, {"Text2", "0"}, {"Text3", "0"}},
         true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        CalcForm form = ChamferForm(c.inputs);
        Drawing drawing(ChamferAreaTwips());
        EXPECT_EQ(RunRecalc(RecalcChamfer, form, drawing), !c.fails);
        EXPECT_EQ(Results(form), QStringList({"old", "old", "old", "old"}));
        EXPECT_EQ(drawing.PrintedTexts().contains(FailureText()), c.fails);
    }
}

TEST_F(ChamferTest, InsertLinesUseTheBoxesAsTheyStand) {
    EXPECT_EQ(ChamferStartLine("47.999", "0"), "N000 G01 X47.999 Z0\r\n");
    EXPECT_EQ(ChamferEndLine("50", "-1"), "N000     X50 Z-1\r\n");
    EXPECT_EQ(ChamferStartLine("", ""), "N000 G01 X Z\r\n");
    EXPECT_EQ(ChamferEndLine("", ""), "N000     X Z\r\n");
}

}  // namespace
}  // namespace brennvik
