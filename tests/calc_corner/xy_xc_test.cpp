// The XY to X/C conversion computed without the window: box texts in, box
// texts and drawing out.
#include "calc_corner/xy_xc.h"
#include "calc_tangent/qt_printing.h"
#include "workspace/workspace_state.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace brennvik {
namespace {

using Texts = std::vector<std::pair<const char *, const char *>>;

const char *const kBoxes[] = {"Text1", "Text2",  "Text3",  "Text4",  "Text5",  "Text6",  "Text7", "Text8",
                              "Text9", "Text10", "Text11", "Text12", "Text13", "Text14", "Text15"};

class XYXCTest : public ::testing::Test {
protected:
    void SetUp() override { g_Pi = 3.14159265398; }

    static CalcForm Form(const Texts &inputs, bool fromXY = true) {
        CalcForm form;
        for (const char *box : kBoxes) form.SetText(box, QString());
        for (const auto &[box, text] : inputs) form.SetText(box, QString::fromUtf8(text));
        form.SetOn("OptionXY", fromXY);
        form.SetOn("OptionXC", !fromXY);
        return form;
    }

    // Runs a recompute; every box whose text it changed, as "box=text".
    static QStringList Run(const CalcForm &before, Drawing *drawingOut = nullptr, bool *solved = nullptr) {
        CalcForm form = before;
        Drawing drawing = XYXCStartDrawing({8835, 5535});
        const bool ok = RunRecalc(RecalcXYXC, form, drawing);
        if (solved) *solved = ok;
        if (drawingOut) *drawingOut = drawing;
        QStringList changed;
        for (const char *box : kBoxes)
            if (before.Text(box) != form.Text(box)) changed << QString::fromLatin1(box) + u'=' + form.Text(box);
        return changed;
    }

    static QStringList Expected(const Texts &texts) {
        QStringList list;
        for (const auto &[box, text] : texts) list << QString::fromLatin1(box) + u'=' + QString::fromUtf8(text);
        return list;
    }
};

TEST_F(XYXCTest, OnePointConvertsBothWays) {
    const struct {
        const char *from1, *from2;
        bool fromXY;
        const char *to1, *to2;
    } cases[] = {
        {"10", "10", true, "28.284", "45"},
        {"20", "0", true, "40", "0"},
        {"-10", "0", true, "20", "180"},
        {"-10", "5", true, "22.36", "153.435"},
        {"-10", "-5", true, "22.36", "206.565"},
        {"0", "10", true, "20", "90"},
        {"10", "-10", true, "28.284", "-45"},
        // On the Y axis below the centre: -90, which converts back below it.
        {"0", "-10", true, "20", "-90"},
        {"0", "0", true, "0", "90"},
        {"20", "90", false, "-0.001", "10"},
        {"20", "-90", false, "-0.001", "-10"},
        {"28.284", "45", false, "9.999", "9.999"},
        {"40", "180", false, "-20", "-0.001"},
        {"20", "0", false, "10", "0"},
    };
    for (const auto &c : cases) {
        const char *in[2] = {c.fromXY ? "Text1" : "Text3", c.fromXY ? "Text2" : "Text4"};
        const char *out[2] = {c.fromXY ? "Text3" : "Text1", c.fromXY ? "Text4" : "Text2"};
        EXPECT_EQ(Run(Form({{in[0], c.from1}, {in[1], c.from2}}, c.fromXY)),
                  Expected({{out[0], c.to1}, {out[1], c.to2}}))
            << c.from1 << " " << c.from2;
    }
}

TEST_F(XYXCTest, TwoPointsGiveTheLineAndItsYAxisModePosition) {
    const struct {
        const char *name;
        Texts inputs;
        bool fromXY;
        Texts expected;  // every box the run changes, in box order
    } cases[] = {
        {"(10, 10) and (20, 0)", {{"Text1", "10"}, {"Text2", "10"}, {"Text5", "20"}, {"Text6", "0"}}, true,
         {{"Text3", "28.284"}, {"Text4", "45"}, {"Text7", "40"}, {"Text8", "0"}, {"Text9", "-45"}, {"Text10", "14.142"},
          {"Text11", "45"}, {"Text12", "14.142"}, {"Text13", "0"}, {"Text14", "14.142"}, {"Text15", "14.142"}}},
        {"the same from X/C: the floored x and y make the line",
         {{"Text3", "28.284"}, {"Text4", "45"}, {"Text7", "40"}, {"Text8", "0"}}, false,
         {{"Text1", "9.999"}, {"Text2", "9.999"}, {"Text5", "20"}, {"Text6", "0"}, {"Text9", "-44.995"},
          {"Text10", "14.142"}, {"Text11", "45.005"}, {"Text12", "14.141"}, {"Text13", "0.001"}, {"Text14", "14.141"},
          {"Text15", "14.143"}}},
        {"point 1 on the Y axis", {{"Text1", "0"}, {"Text2", "10"}, {"Text5", "20"}, {"Text6", "0"}}, true,
         {{"Text3", "20"}, {"Text4", "90"}, {"Text7", "40"}, {"Text8", "0"}, {"Text9", "-26.565"}, {"Text10", "22.36"},
          {"Text11", "63.435"}, {"Text12", "8.944"}, {"Text13", "4.473"}, {"Text14", "8.944"}, {"Text15", "17.888"}}},
        {"point 2 on the Y axis", {{"Text1", "20"}, {"Text2", "0"}, {"Text5", "0"}, {"Text6", "10"}}, true,
         {{"Text3", "40"}, {"Text4", "0"}, {"Text7", "20"}, {"Text8", "90"}, {"Text9", "-26.565"}, {"Text10", "22.36"},
          {"Text11", "63.435"}, {"Text12", "8.944"}, {"Text13", "17.888"}, {"Text14", "8.944"}, {"Text15", "4.473"}}},
        {"only point 1: no line", {{"Text1", "10"}, {"Text2", "10"}, {"Text5", "20"}}, true,
         {{"Text3", "28.284"}, {"Text4", "45"}}},
        // Point 2's x and y left from an earlier pass are no point 2.
        {"from X/C, point 2's X/C empty", {{"Text3", "20"}, {"Text4", "0"}, {"Text5", "5"}, {"Text6", "5"}}, false,
         {{"Text1", "10"}, {"Text2", "0"}}},
    };
    for (const auto &c : cases) {
        bool solved = false;
        EXPECT_EQ(Run(Form(c.inputs, c.fromXY), nullptr, &solved), Expected(c.expected)) << c.name;
        EXPECT_TRUE(solved) << c.name;
    }
}

TEST_F(XYXCTest, ALineParallelToYHasNoAngleAndKeepsTheDerivedBoxes) {
    Drawing drawing;
    bool solved = true;
    const QStringList changed =
        Run(Form({{"Text1", "10"}, {"Text2", "10"}, {"Text5", "10"}, {"Text6", "-5"}}), &drawing, &solved);
    EXPECT_FALSE(solved);
    EXPECT_EQ(changed, Expected({{"Text3", "28.284"}, {"Text4", "45"}, {"Text7", "22.36"}, {"Text8", "-26.565"}}));
    EXPECT_EQ(drawing.PrintedTexts(), QStringList({"1", "2", FailureText()}));
}

TEST_F(XYXCTest, DrawingOnTheFixedView) {
    Drawing drawing;
    Run(Form({{"Text1", "10"}, {"Text2", "10"}, {"Text5", "20"}, {"Text6", "0"}}), &drawing);
    EXPECT_EQ(
        Describe(drawing.Primitives()),
        QStringList({"scale -250 -156.621 500 313.243", "line 250 0 -250 0 #80000010", "line 0 250 0 -250 #80000010",
                     "line 7 -10 13 -10 #0000FF", "line 10 -7 10 -13 #0000FF", "line 17 0 23 0 #0080FF",
                     "line 20 3 20 -3 #0080FF", "line 10 -10 20 0 #0FFFFF", "text 10 -10 #00FF00 1",
                     "text 20 0 #00FF00 2", "line 0 0 353.553 -353.553 #FF0000", "line 0 0 -353.553 353.553 #FF0000"}));
}

TEST_F(XYXCTest, PolarReadoutGoesRoundFrom0To360) {
    const struct {
        double x, y;
        const char *text;
    } cases[] = {
        {10, -10, "X 28.284  C 45 "}, {-10, 0, "X 20  C 180 "}, {10, 10, "X 28.284  C 315 "},
        {0, -10, "X 20  C 90 "},      {0, 10, "X 20  C 270 "},  {0, 0, "X 0  C 0 "},
    };
    for (const auto &c : cases) EXPECT_EQ(PolarReadoutText(c.x, c.y), QString::fromUtf8(c.text)) << c.text;
}

// No polar read-out of the window's view is longer than its longest ones.
TEST_F(XYXCTest, LongestPolarReadoutsAreAsLongAsAnyOfTheView) {
    const ViewScale view = XYXCView();
    qsizetype longest = 0;
    for (const QString &t : LongestPolarReadouts(view)) longest = std::max(longest, t.size());
    qsizetype swept = 0;
    for (int i = 0; i < 200; ++i)
        for (int k = 0; k < 200; ++k)
            swept = std::max(swept, PolarReadoutText(view.left + view.width * (i + 0.371) / 200,
                                                     view.top + view.height * (k + 0.629) / 200)
                                        .size());
    EXPECT_GE(longest, swept);
    EXPECT_LE(longest, swept + 1);
}

}  // namespace
}  // namespace brennvik
