// Two parallel lines joined by two touching circles, computed without the
// window: box texts in, box texts and drawing out.
#include "calc_tangent/line2_circle2.h"
#include "qt_printing.h"
#include "workspace/workspace_state.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace brennvik {
namespace {

using Texts = std::vector<std::pair<const char *, const char *>>;

const char *const kBoxes[] = {"Text1",  "Text2",  "Text3",  "Text4",  "Text5",  "Text6",  "Text7",  "Text8",
                              "Text9",  "Text10", "Text11", "Text12", "Text13", "Text14", "Text15", "Text16"};

// A form with every box empty but the given ones; "垂直" and "2" on request.
CalcForm Form(const Texts &inputs, bool vertical = false, bool minusSide = false) {
    CalcForm form;
    for (const char *box : kBoxes) form.SetText(box, QString());
    for (const auto &[box, text] : inputs) form.SetText(box, QString::fromUtf8(text));
    form.SetOn("Option3", !vertical);
    form.SetOn("Option4", vertical);
    form.SetOn("Option1", !minusSide);
    form.SetOn("Option2", minusSide);
    return form;
}

// Every box whose text the run changed, as "box=text".
QStringList Changed(const CalcForm &before, const CalcForm &after) {
    QStringList changed;
    for (const char *box : kBoxes)
        if (before.Text(box) != after.Text(box)) changed << QString::fromLatin1(box) + u'=' + after.Text(box);
    return changed;
}

QStringList Expected(const Texts &texts) {
    QStringList list;
    for (const auto &[box, text] : texts) list << QString::fromLatin1(box) + u'=' + QString::fromUtf8(text);
    return list;
}

const Texts kLines = {{"Text1", "50"}, {"Text4", "30"}, {"Text3", "8"}, {"Text6", "6"}};
const Texts kVerticalLines = {{"Text2", "0"}, {"Text5", "20"}, {"Text3", "8"}, {"Text6", "6"}};

Texts With(Texts base, const Texts &more) {
    base.insert(base.end(), more.begin(), more.end());
    return base;
}

TEST(Line2Circle2Test, SolutionsFromEachKnownPointInBothDirections) {
    g_Pi = 3.14159265398;
    struct Case {
        const char *name;
        Texts inputs;
        bool vertical;
        bool minusSide;
        Texts expected;  // every box the run changes, in box order
    };
    const std::vector<Case> cases = {
        {"horizontal, Z1 0, circle 2 on the plus side", With(kLines, {{"Text2", "0"}}), false, false,
         {{"Text5", "13.416"}, {"Text7", "38.571"}, {"Text8", "7.666"}, {"Text9", "34"}, {"Text10", "0"},
          {"Text11", "-2.286"}, {"Text12", "-7.666"}, {"Text13", "42"}, {"Text14", "13.416"}, {"Text15", "1.714"},
          {"Text16", "5.75"}}},
        {"horizontal, Z1 0, minus side: flooring goes towards minus infinity", With(kLines, {{"Text2", "0"}}), false,
         true,
         {{"Text5", "-13.417"}, {"Text7", "38.571"}, {"Text8", "-7.667"}, {"Text9", "34"}, {"Text10", "0"},
          {"Text11", "-2.286"}, {"Text12", "7.667"}, {"Text13", "42"}, {"Text14", "-13.417"}, {"Text15", "1.714"},
          {"Text16", "-5.75"}}},
        // Each value is floored as it is written, with no tolerance, and I/K
        // come from the floored values: 13.415 and -7.668 here.
        {"horizontal, from Z3: points 1 and 2 follow", With(kLines, {{"Text8", "7.666"}}),
         false, false,
         {{"Text2", "-0.001"}, {"Text5", "13.415"}, {"Text7", "38.571"}, {"Text9", "34"}, {"Text10", "-0.001"},
          {"Text11", "-2.286"}, {"Text12", "-7.668"}, {"Text13", "42"}, {"Text14", "13.415"}, {"Text15", "1.714"},
          {"Text16", "5.748"}}},
        {"horizontal, from Z2, line 1 below line 2", {{"Text1", "30"}, {"Text4", "50"}, {"Text3", "6"}, {"Text6", "8"},
                                                      {"Text5", "10"}}, false, false,
         {{"Text2", "-3.417"}, {"Text7", "38.571"}, {"Text8", "2.333"}, {"Text9", "42"}, {"Text10", "-3.417"},
          {"Text11", "1.714"}, {"Text12", "-5.75"}, {"Text13", "34"}, {"Text14", "10"}, {"Text15", "-2.286"},
          {"Text16", "7.667"}}},
        {"horizontal, no along-line box: all three start at 0", kLines, false, false,
         {{"Text2", "0"}, {"Text5", "0"}, {"Text7", "38.571"}, {"Text8", "0"}, {"Text9", "34"}, {"Text10", "0"},
          {"Text11", "-2.286"}, {"Text12", "0"}, {"Text13", "42"}, {"Text14", "0"}, {"Text15", "1.714"},
          {"Text16", "0"}}},
        {"vertical, X1 100", With(kVerticalLines, {{"Text1", "100"}}), true, false,
         {{"Text4", "125.298"}, {"Text7", "114.456"}, {"Text8", "11.428"}, {"Text9", "100"}, {"Text10", "8"},
          {"Text11", "-7.229"}, {"Text12", "-3.429"}, {"Text13", "125.298"}, {"Text14", "14"}, {"Text15", "5.42"},
          {"Text16", "2.571"}}},
        {"vertical, from X3 on the minus side", With(kVerticalLines, {{"Text7", "114.456"}}), true, true,
         {{"Text1", "128.912"}, {"Text4", "103.613"}, {"Text8", "11.428"}, {"Text9", "128.912"}, {"Text10", "8"},
          {"Text11", "7.228"}, {"Text12", "-3.429"}, {"Text13", "103.613"}, {"Text14", "14"}, {"Text15", "-5.422"},
          {"Text16", "2.571"}}},
    };
    for (const Case &c : cases) {
        const CalcForm before = Form(c.inputs, c.vertical, c.minusSide);
        CalcForm form = before;
        Drawing drawing;
        EXPECT_TRUE(RunRecalc(RecalcLine2Circle2, form, drawing)) << c.name;
        EXPECT_EQ(Changed(before, form), Expected(c.expected)) << c.name;
        EXPECT_EQ(drawing.PrintedTexts(), QStringList({"1", "2", "3"})) << c.name;
    }
}

TEST(Line2Circle2Test, DrawingOfASolution) {
    g_Pi = 3.14159265398;
    CalcForm form = Form(With(kLines, {{"Text2", "0"}}));
    Drawing drawing;
    RecalcLine2Circle2(form, drawing);
    const QStringList lines = Describe(drawing.Primitives());
    // The view is four line distances high around the two tangent points;
    // the lines in white, the circles in the construction colour.
    const QStringList expected = {
        "scale 0 0 8835 4875",
        "scale -29.532 -40 72.48 40",
        "line -1000 -25 1000 -25 #FFFFFF",
        "line -1000 -15 1000 -15 #FFFFFF",
        "circle 0 -17 8 #0FFFFF",
        "circle 13.416 -21 6 #0FFFFF",
    };
    ASSERT_GE(lines.size(), 6 + 10 + 3);
    EXPECT_EQ(lines.mid(0, 6), expected);
    // Red crosses: the horizontal arms of the five points, then the vertical ones.
    EXPECT_EQ(lines.at(6), "line -0.50736 -25 0.50736 -25 #0000FF");
    EXPECT_EQ(lines.at(11), "line 0 -25.5074 0 -24.4926 #0000FF");
    EXPECT_EQ(lines.mid(16), QStringList({"text 0 -25 #00FF00 1", "text 13.416 -15 #00FF00 2",
                                          "text 7.666 -19.2855 #00FF00 3"}));
}

TEST(Line2Circle2Test, IncompleteInputsDrawOnlyTheLines) {
    const struct {
        const char *name;
        Texts inputs;
        bool vertical;
        QStringList drawn;
    } cases[] = {
        {"nothing", {}, false, {"scale 0 0 8835 4875"}},
        {"line 1 alone", {{"Text1", "50"}, {"Text2", "5"}}, false,
         {"scale 0 0 8835 4875", "scale -906 -525 1812 1000", "line -1000 -25 1000 -25 #FFFFFF"}},
        {"line 2 alone", {{"Text4", "30"}}, false,
         {"scale 0 0 8835 4875", "scale -906 -515 1812 1000", "line -1000 -15 1000 -15 #FFFFFF"}},
        {"both lines, a radius missing", {{"Text1", "50"}, {"Text4", "30"}, {"Text3", "8"}}, false,
         {"scale 0 0 8835 4875", "scale -18.12 -30 36.24 20", "line -1000 -25 1000 -25 #FFFFFF",
          "line -1000 -15 1000 -15 #FFFFFF"}},
        {"vertical, line 2 alone", {{"Text5", "20"}}, true,
         {"scale 0 0 8835 4875", "scale -886 -500 1812 1000", "line 20 -1000 20 1000 #FFFFFF"}},
        {"vertical, both lines, a radius missing", {{"Text2", "0"}, {"Text5", "20"}, {"Text6", "6"}}, true,
         {"scale 0 0 8835 4875", "scale -26.24 -20 72.48 40", "line 0 -1000 0 1000 #FFFFFF",
          "line 20 -1000 20 1000 #FFFFFF"}},
    };
    for (const auto &c : cases) {
        const CalcForm before = Form(c.inputs, c.vertical);
        CalcForm form = before;
        Drawing drawing;
        EXPECT_TRUE(RunRecalc(RecalcLine2Circle2, form, drawing)) << c.name;
        EXPECT_EQ(Changed(before, form), QStringList()) << c.name;
        EXPECT_EQ(Describe(drawing.Primitives()), c.drawn) << c.name;
    }
}

TEST(Line2Circle2Test, ImpossibleGeometryKeepsEveryBoxAndShowsOnlyTheFailure) {
    const struct {
        const char *name;
        Texts inputs;
        bool vertical;
    } cases[] = {
        {"the lines coincide", {{"Text1", "50"}, {"Text4", "50"}, {"Text3", "8"}, {"Text6", "6"}}, false},
        {"the lines exactly 2 x (R1 + R2) apart", {{"Text1", "50"}, {"Text4", "-6"}, {"Text3", "8"}, {"Text6", "6"}},
         false},
        {"the lines farther apart", {{"Text2", "0"}, {"Text5", "40"}, {"Text3", "8"}, {"Text6", "6"}}, true},
        {"both radii 0", {{"Text1", "50"}, {"Text4", "30"}, {"Text3", "0"}, {"Text6", "0"}, {"Text2", "1"}}, false},
        {"coinciding lines without radii", {{"Text2", "5"}, {"Text5", "5"}}, true},
    };
    for (const auto &c : cases) {
        const CalcForm before = Form(c.inputs, c.vertical);
        CalcForm form = before;
        Drawing drawing;
        EXPECT_FALSE(RunRecalc(RecalcLine2Circle2, form, drawing)) << c.name;
        EXPECT_EQ(Changed(before, form), QStringList()) << c.name;
        EXPECT_EQ(drawing.PrintedTexts(), QStringList({FailureText()})) << c.name;
        EXPECT_EQ(drawing.Primitives().size(), 2u) << c.name;
    }
}

TEST(Line2Circle2Test, LeavingAnEditedAlongLineBoxEmptiesTheOtherTwo) {
    const struct {
        const char *box;
        bool vertical;
        QStringList cleared;
    } cases[] = {
        {"Text1", true, {"Text4", "Text7"}},  {"Text4", true, {"Text1", "Text7"}},
        {"Text7", true, {"Text1", "Text4"}},  {"Text2", false, {"Text5", "Text8"}},
        {"Text5", false, {"Text2", "Text8"}}, {"Text8", false, {"Text2", "Text5"}},
        // Boxes across the lines and the radii empty nothing.
        {"Text1", false, {}},                 {"Text8", true, {}},
        {"Text3", false, {}},                 {"Text6", true, {}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(BoxesClearedOnLeaving(c.box, c.vertical), c.cleared) << c.box << (c.vertical ? " vertical" : "");
}

}  // namespace
}  // namespace brennvik
