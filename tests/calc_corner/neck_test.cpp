// The relief groove computed without the window: box texts in, result boxes,
// drawing and the batch inserts out.
#include "calc_corner/neck.h"
#include "calc_tangent/calc_form_cases.h"
#include "calc_tangent/qt_printing.h"
#include "workspace/workspace_state.h"

#include <gtest/gtest.h>

namespace brennvik {
namespace {

const char *const kResultBoxes[] = {"Text6",  "Text7",  "Text8",  "Text9",  "Text10",
                                    "Text11", "Text12", "Text13", "Text14", "Text15"};

// Every result box holding "old", these inputs and one circle position
// selected ("Option2", the position "3", when the window opens).
CalcForm NeckForm(const Texts &inputs, const char *position = "Option2") {
    CalcForm form;
    for (const char *box : kResultBoxes) form.SetText(box, QStringLiteral("old"));
    SetTexts(form, inputs);
    if (position) form.SetOn(position, true);
    return form;
}

// The result boxes P1 X, P1 Z, P2 X, P2 Z, P3 X, P3 Z, I, K, P4 X, P4 Z.
QStringList Results(const CalcForm &form) {
    QStringList texts;
    for (const char *box : kResultBoxes) texts << form.Text(box);
    return texts;
}

class NeckTest : public ::testing::Test {
protected:
    void SetUp() override { g_Pi = 3.14159265398; }
};

const Texts kGroove = {{"Text1", "20"}, {"Text2", "0"}, {"Text3", "0.4"}, {"Text4", "30"}, {"Text5", "30"}};
const Texts kWithoutStart = {{"Text1", "20"}, {"Text2", "0"}, {"Text3", "0.4"}, {"Text4", "30"}};
const Texts kArcOnly = {{"Text1", "20"}, {"Text2", "0"}, {"Text3", "0.4"}};
const Texts kInnerGroove = {{"Text1", "20"}, {"Text2", "0"}, {"Text3", "0.4"}, {"Text4", "30"}, {"Text5", "10"}};

TEST_F(NeckTest, EachInputCaseWritesItsBoxes) {
    struct Case {
        const char *name;
        Texts inputs;
        const char *position;
        QStringList expected;
    };
    const std::vector<Case> cases = {
        // K is taken from the floored centre and P3: 0.601 - 0.4 lies a hair below 0.201.
        {"complete, position 4", kGroove, "Option1",
         {"20.8", "0", "20", "-0.4", "20.107", "-0.601", "0.346", "0.2", "30", "-9.168"}},
        {"complete, position 3", kGroove, "Option2",
         {"20.8", "0", "20", "0.4", "20.107", "0.6", "0.346", "-0.2", "30", "9.167"}},
        {"complete, position 1", kInnerGroove, "Option3",
         {"19.2", "0", "20", "-0.4", "19.892", "-0.601", "-0.347", "0.2", "10", "-9.168"}},
        {"complete, position 2", kInnerGroove, "Option4",
         {"19.2", "0", "20", "0.4", "19.892", "0.6", "-0.347", "-0.2", "10", "9.167"}},
        {"a blank start diameter counts as filled and reads as 0",
         {{"Text1", "20"}, {"Text2", "0"}, {"Text3", "0.4"}, {"Text4", "30"}, {"Text5", " "}}, "Option1",
         {"20.8", "0", "20", "-0.4", "20.107", "-0.601", "0.346", "0.2", "0", "16.813"}},
        // P3, I and K are nudged down by 0.0001 from unfloored values; P4 stays.
        {"no start diameter, position 4", kWithoutStart, "Option1",
         {"20.8", "0", "20", "-0.4", "20.107", "-0.601", "0.346", "0.199", "old", "old"}},
        {"bottom, end face and radius: the arc's points unformatted", kArcOnly, "Option1",
         {"20.8", "0", "20", "-0.4", "old", "old", "old", "old", "old", "old"}},
        {"more than three decimals show as they are",
         {{"Text1", "20"}, {"Text2", "0"}, {"Text3", "0.4125"}}, "Option1",
         {"20.825", "0", "20", "-0.4125", "old", "old", "old", "old", "old", "old"}},
        // An upright flank: tan 90 came out near -5e9, which put P4 a thousandth off
        // and the flank's guide 10^11 mm away.
        {"upright flank, position 4",
         {{"Text1", "20"}, {"Text2", "0"}, {"Text3", "0.4"}, {"Text4", "90"}, {"Text5", "30"}}, "Option1",
         {"20.8", "0", "20", "-0.4", "20.8", "-0.8", "0", "0.4", "30", "-0.8"}},
        {"upright flank without a start diameter",
         {{"Text1", "20"}, {"Text2", "0"}, {"Text3", "0.4"}, {"Text4", "90"}}, "Option1",
         {"20.8", "0", "20", "-0.4", "20.799", "-0.801", "-0.001", "0.399", "old", "old"}},
        {"bottom and end face only", {{"Text1", "20"}, {"Text2", "0"}}, "Option1",
         {"old", "old", "old", "old", "old", "old", "old", "old", "old", "old"}},
        {"bottom only", {{"Text1", "20"}}, "Option1",
         {"old", "old", "old", "old", "old", "old", "old", "old", "old", "old"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        CalcForm form = NeckForm(c.inputs, c.position);
        Drawing drawing;
        EXPECT_TRUE(RunRecalc(RecalcNeck, form, drawing));
        EXPECT_EQ(Results(form), c.expected);
        EXPECT_FALSE(drawing.PrintedTexts().contains(FailureText()));
    }
}

TEST_F(NeckTest, UnsolvableInputsPrintTheFailureAndKeepTheBoxes) {
    struct Case {
        const char *name;
        Texts inputs;
    };
    auto with = [](Texts base, const char *box, const char *text) {
        for (auto &[b, t] : base)
            if (QString::fromLatin1(b) == QString::fromLatin1(box)) t = text;
        return base;
    };
    const std::vector<Case> cases = {
        {"a gap: radius without end face", {{"Text1", "20"}, {"Text3", "0.4"}}},
        {"a gap: start diameter without angle",
         {{"Text1", "20"}, {"Text2", "0"}, {"Text3", "0.4"}, {"Text5", "30"}}},
        {"flank parallel to Z never reaches the start diameter", with(kGroove, "Text4", "0")},
        // tan 180 came out near 4e-10: P4's Z stood some 10^10 mm away.
        {"flank at 180 degrees, parallel to Z too", with(kGroove, "Text4", "180")},
        {"start diameter on the bottom: a view of no size", with(kGroove, "Text5", "20")},
        {"no radius, no arc", with(kArcOnly, "Text3", "0")},
        {"no radius without a start diameter", with(kWithoutStart, "Text3", "0")},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        CalcForm form = NeckForm(c.inputs);
        Drawing drawing;
        EXPECT_FALSE(RunRecalc(RecalcNeck, form, drawing));
        EXPECT_EQ(Results(form), QStringList(10, QStringLiteral("old")));
        EXPECT_EQ(drawing.PrintedTexts(), QStringList{FailureText()});
    }
}

TEST_F(NeckTest, AnEmptyBottomOnlyClearsTheDrawing) {
    CalcForm form = NeckForm({{"Text2", "0"}, {"Text3", "0.4"}});
    Drawing drawing;
    drawing.Line({0, 0}, {1, 1}, kRed);
    EXPECT_TRUE(RunRecalc(RecalcNeck, form, drawing));
    EXPECT_EQ(Results(form), QStringList(10, QStringLiteral("old")));
    EXPECT_EQ(Describe(drawing.Primitives()), QStringList{"scale 0 0 8835 4875"});
}

TEST_F(NeckTest, TheCompleteProfileIsDrawnWithTheFlooredPointsAndLabelled) {
    CalcForm form = NeckForm(kGroove, "Option1");
    Drawing drawing;
    EXPECT_TRUE(RunRecalc(RecalcNeck, form, drawing));
    const QStringList expected = {
        "scale 0 0 8835 4875",
        // 2.8 times the groove's depth wide; the end face 4/5 across.
        "scale 0 0 28 15.4499",
        "scale -22.4 -21.641 28 15.4499",
        "line -0.4 -9.98667 -0.4 -10.0133 #0000FF",
        "line 0.0133333 -10.4 -0.0133333 -10.4 #0000FF",
        "circle -0.4 -10.4 0.028 #0000FF",
        "circle -0.4 -10.4 0.3996 #0FFFFF",
        "circle -0.601 -10.0535 0.056 #0000FF",
        "circle -9.168 -15 0.056 #0000FF",
        "line 5000 -10 -5000 -10 #0FFFFF",
        "line 0 5000 0 -5000 #0FFFFF",
        "line -0.601 -10.0535 -9.168 -15 #0FFFFF",
        "line -9.168 -15 -1000 -15 #0FFFFF",
        "text 0 -10.4 #00FF00  1",
        "text -0.4 -10 #00FF00 2",
        "text -0.601 -10.0535 #00FF00 3",
        "text -9.168 -15 #00FF00 4",
    };
    EXPECT_EQ(Describe(drawing.Primitives()), expected);
}

TEST_F(NeckTest, BatchInsertsRunIntoAndOutOfTheGroove) {
    CalcForm form = NeckForm(kGroove, "Option1");
    Drawing drawing;
    ASSERT_TRUE(RunRecalc(RecalcNeck, form, drawing));
    EXPECT_EQ(NeckForwardLines(form).join(QString()),
              "N000 G01 X30 Z-9.168\r\n"
              "N000     X20.107 Z-0.601\r\n"
              "N000 G03 X20.8 Z0 L0.4\r\n");
    EXPECT_EQ(NeckReverseLines(form).join(QString()),
              "N000 G01 X20.8 Z0\r\n"
              "N000 G02 X20.107 Z-0.601 L0.4\r\n"
              "N000 G01 X30 Z-9.168\r\n");
    EXPECT_EQ(NeckForwardLines(form).size(), 3);
    EXPECT_EQ(NeckReverseLines(form).size(), 3);
}

TEST_F(NeckTest, TheArcTurnsByTheCirclePosition) {
    struct Case {
        const char *position;
        const char *forwardArc;
        const char *reverseArc;
    };
    const Case cases[] = {
        {"Option1", "N000 G03 X", "N000 G02 X"},  // "4"
        {"Option2", "N000 G02 X", "N000 G03 X"},  // "3"
        {"Option3", "N000 G02 X", "N000 G03 X"},  // "1"
        {"Option4", "N000 G03 X", "N000 G02 X"},  // "2"
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.position);
        // The radius goes in as typed; empty boxes insert their empty text.
        const CalcForm form = NeckForm({{"Text3", "0.40"}}, c.position);
        EXPECT_EQ(NeckForwardLines(form).last(), QString::fromLatin1(c.forwardArc) + "old Zold L0.40\r\n");
        EXPECT_EQ(NeckReverseLines(form).at(1), QString::fromLatin1(c.reverseArc) + "old Zold L0.40\r\n");
    }
    EXPECT_TRUE(NeckForwardLines(NeckForm(kGroove, nullptr)).isEmpty());
    EXPECT_TRUE(NeckReverseLines(NeckForm(kGroove, nullptr)).isEmpty());
    CalcForm empty;
    empty.SetOn("Option1", true);
    EXPECT_EQ(NeckForwardLines(empty).first(), "N000 G01 X Z\r\n");
}

}  // namespace
}  // namespace brennvik
