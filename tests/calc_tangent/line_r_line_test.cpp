// The tangent circle of two lines and its nose-radius compensation, computed
// without the window: box texts in, box texts and drawing out.
#include "calc_cases.h"
#include "calc_tangent/line_r_line.h"
#include "workspace/workspace_state.h"

namespace brennvik {
namespace {

const Names kResultBoxes = {"Text7",  "Text8",  "Text10", "Text11", "Text12", "Text13", "Text14",
                            "Text15", "Text16", "Text17", "Text18", "Text19", "Text21", "Text22",
                            "Text23", "Text24", "Text25", "Text26", "Text27", "Text28", "Text29",
                            "Text30", "Text31", "Text32", "Text33", "Text34"};

class LineRLineTest : public ::testing::Test {
protected:
    void SetUp() override { g_Pi = 3.14159265398; }

    // A form with the window's start-up options, every result box holding
    // "old", and these inputs; each option in `on` is selected in its frame.
    static CalcForm Form(const Texts &inputs, const std::vector<const char *> &on = {}) {
        static const std::vector<QStringList> frames = {
            {"Option1", "Option2", "Option3", "Option4"},
            {"OptionXZ", "OptionXY"},
            {"Option5", "Option6"},
            {"NosePN_0", "NosePN_1", "NosePN_2", "NosePN_3", "NosePN_4", "NosePN_5", "NosePN_6", "NosePN_7"},
        };
        CalcForm form;
        for (const char *box : kResultBoxes) form.SetText(box, QStringLiteral("old"));
        SetTexts(form, inputs);
        for (const char *option : {"Option1", "OptionXZ", "Option5", "NosePN_2"}) form.SetOn(option, true);
        SelectOptions(form, frames, on);
        return form;
    }

    static QStringList Changed(const CalcForm &form) { return ChangedBoxes(form, kResultBoxes); }
    static QStringList Expected(const Texts &texts) { return BoxTexts(texts); }
};

const Texts kExampleLines = {{"Text1", "100"}, {"Text2", "0"}, {"Text3", "0"},
                             {"Text4", "0"},   {"Text5", "-50"}, {"Text6", "90"}};

TEST_F(LineRLineTest, WorkedExamplesGiveTheirBoxesDigitForDigit) {
    struct Case {
        const char *name;
        Texts inputs;
        std::vector<const char *> on;
        Texts expected;  // every result box the run writes, in box order
    };
    const std::vector<Case> cases = {
        {"line parallel to Z and a line at 90 degrees, R 5, sector 1",
         With(kExampleLines, {{"Text9", "5"}}),
         {},
         {{"Text7", "100"}, {"Text8", "-50"}, {"Text10", "110"}, {"Text11", "-45"}, {"Text12", "100"},
          {"Text13", "-45"}, {"Text14", "110"}, {"Text15", "-50"}, {"Text16", "5"}, {"Text17", "0"},
          {"Text18", "0"}, {"Text19", "5"}}},
        {"nose 0.8 outside, tip 3: Z values end in 1 (no nudge)",
         With(kExampleLines, {{"Text9", "5"}, {"Text20", "0.8"}}),
         {},
         {{"Text7", "100"},    {"Text8", "-50"},     {"Text10", "110"},    {"Text11", "-45"},   {"Text12", "100"},
          {"Text13", "-45"},   {"Text14", "110"},    {"Text15", "-50"},    {"Text16", "5"},     {"Text17", "0"},
          {"Text18", "0"},     {"Text19", "5"},      {"Text21", "98.4"},   {"Text22", "-45.001"},
          {"Text23", "5.8"},   {"Text24", "96.8"},   {"Text25", "-45.801"}, {"Text26", "5.8"},  {"Text27", "0"},
          {"Text28", "110"},   {"Text29", "-50.801"}, {"Text30", "5.8"},   {"Text31", "108.4"},
          {"Text32", "-51.601"}, {"Text33", "0"},    {"Text34", "5.8"}}},
        {"nose 0.8 inside",
         With(kExampleLines, {{"Text9", "5"}, {"Text20", "0.8"}}),
         {"Option6"},
         {{"Text7", "100"},    {"Text8", "-50"},     {"Text10", "110"},    {"Text11", "-45"},   {"Text12", "100"},
          {"Text13", "-45"},   {"Text14", "110"},    {"Text15", "-50"},    {"Text16", "5"},     {"Text17", "0"},
          {"Text18", "0"},     {"Text19", "5"},      {"Text21", "101.6"},  {"Text22", "-45.001"},
          {"Text23", "4.2"},   {"Text24", "100"},    {"Text25", "-45.801"}, {"Text26", "4.2"},  {"Text27", "0"},
          {"Text28", "110"},   {"Text29", "-49.201"}, {"Text30", "4.2"},   {"Text31", "108.4"},
          {"Text32", "-50.001"}, {"Text33", "0"},    {"Text34", "4.2"}}},
        // A corner radius ground to the insert's own nose radius: R' 0, the
        // nose centres on the arc's centre, the tips offset from there.
        {"nose 5 inside an arc of its own radius, tip 3",
         With(kExampleLines, {{"Text9", "5"}, {"Text20", "5"}}),
         {"Option6"},
         {{"Text7", "100"},    {"Text8", "-50"},     {"Text10", "110"},    {"Text11", "-45"},   {"Text12", "100"},
          {"Text13", "-45"},   {"Text14", "110"},    {"Text15", "-50"},    {"Text16", "5"},     {"Text17", "0"},
          {"Text18", "0"},     {"Text19", "5"},      {"Text21", "110"},    {"Text22", "-45.001"},
          {"Text23", "0"},     {"Text24", "100"},    {"Text25", "-50.001"}, {"Text26", "0"},    {"Text27", "0"},
          {"Text28", "110"},   {"Text29", "-45.001"}, {"Text30", "0"},     {"Text31", "100"},
          {"Text32", "-50.001"}, {"Text33", "0"},    {"Text34", "0"}}},
        {"tip position 1 moves only the tips",
         With(kExampleLines, {{"Text9", "5"}, {"Text20", "0.8"}}),
         {"NosePN_0"},
         {{"Text7", "100"},    {"Text8", "-50"},     {"Text10", "110"},    {"Text11", "-45"},   {"Text12", "100"},
          {"Text13", "-45"},   {"Text14", "110"},    {"Text15", "-50"},    {"Text16", "5"},     {"Text17", "0"},
          {"Text18", "0"},     {"Text19", "5"},      {"Text21", "98.4"},   {"Text22", "-45.001"},
          {"Text23", "5.8"},   {"Text24", "100"},    {"Text25", "-44.201"}, {"Text26", "5.8"},  {"Text27", "0"},
          {"Text28", "110"},   {"Text29", "-50.801"}, {"Text30", "5.8"},   {"Text31", "111.6"},
          {"Text32", "-50.001"}, {"Text33", "0"},    {"Text34", "5.8"}}},
        {"X-Y plane: 45 and 135 degrees meet at X 5 Y 5; I is CX - PX without halving",
         {{"Text1", "0"}, {"Text2", "0"}, {"Text3", "45"}, {"Text4", "10"}, {"Text5", "0"}, {"Text6", "135"},
          {"Text9", "2"}},
         {"OptionXY"},
         {{"Text7", "5"}, {"Text8", "5"}, {"Text10", "5"}, {"Text11", "7.828"}, {"Text12", "6.414"},
          {"Text13", "6.414"}, {"Text14", "3.585"}, {"Text15", "6.414"}, {"Text16", "-1.415"}, {"Text17", "1.414"},
          {"Text18", "1.414"}, {"Text19", "1.414"}}},
        {"X-Y plane with a nose: no tool tips, the tip boxes emptied",
         {{"Text1", "0"}, {"Text2", "0"}, {"Text3", "45"}, {"Text4", "10"}, {"Text5", "0"}, {"Text6", "135"},
          {"Text9", "2"}, {"Text20", "0.5"}},
         {"OptionXY"},
         {{"Text7", "5"},       {"Text8", "5"},       {"Text10", "5"},      {"Text11", "7.828"},
          {"Text12", "6.414"},  {"Text13", "6.414"},  {"Text14", "3.585"},  {"Text15", "6.414"},
          {"Text16", "-1.415"}, {"Text17", "1.414"},  {"Text18", "1.414"},  {"Text19", "1.414"},
          {"Text21", "6.768"},  {"Text22", "6.061"},  {"Text23", "2.5"},    {"Text24", ""},
          {"Text25", ""},       {"Text26", "-1.769"}, {"Text27", "1.767"},  {"Text28", "3.232"},
          {"Text29", "6.061"},  {"Text30", "2.5"},    {"Text31", ""},       {"Text32", ""},
          {"Text33", "1.767"},  {"Text34", "1.767"}}},
        {"sector 3 in the X-Y plane: between the opposite rays, scaled by s",
         {{"Text1", "0"}, {"Text2", "0"}, {"Text3", "45"}, {"Text4", "10"}, {"Text5", "0"}, {"Text6", "135"},
          {"Text9", "2"}},
         {"OptionXY", "Option3"},
         {{"Text7", "5"}, {"Text8", "5"}, {"Text10", "2.171"}, {"Text11", "5"}, {"Text12", "3.585"},
          {"Text13", "3.585"}, {"Text14", "3.585"}, {"Text15", "6.414"}, {"Text16", "-1.415"}, {"Text17", "1.414"},
          {"Text18", "-1.415"}, {"Text19", "-1.415"}}},
        {"sector 2 in the X-Z plane: the opposite circle",
         With(kExampleLines, {{"Text9", "5"}}),
         {"Option2"},
         {{"Text7", "100"}, {"Text8", "-50"}, {"Text10", "90"}, {"Text11", "-55"}, {"Text12", "100"},
          {"Text13", "-55"}, {"Text14", "90"}, {"Text15", "-50"}, {"Text16", "-5"}, {"Text17", "0"},
          {"Text18", "0"}, {"Text19", "-5"}}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        CalcForm f = Form(c.inputs, c.on);
        Drawing drawing;
        EXPECT_TRUE(RunRecalc(RecalcLineRLine, f, drawing));
        EXPECT_EQ(Changed(f), Expected(c.expected));
        EXPECT_FALSE(drawing.PrintedTexts().contains(FailureText()));
    }
}

const Texts kCircleResults = {{"Text7", "100"}, {"Text8", "-50"},  {"Text10", "110"}, {"Text11", "-45"},
                              {"Text12", "100"}, {"Text13", "-45"}, {"Text14", "110"}, {"Text15", "-50"},
                              {"Text16", "5"},   {"Text17", "0"},   {"Text18", "0"},   {"Text19", "5"}};

TEST_F(LineRLineTest, FailuresKeepTheBoxesNotYetWrittenAndPrintTheFailureText) {
    struct Case {
        const char *name;
        Texts inputs;
        std::vector<const char *> on;
        Texts expected;  // boxes written before the failure
    };
    const std::vector<Case> cases = {
        {"same angles: parallel lines",
         {{"Text1", "100"}, {"Text2", "0"}, {"Text3", "30"}, {"Text4", "100"}, {"Text5", "10"}, {"Text6", "30"},
          {"Text9", "5"}},
         {},
         {}},
        // tan 180 is not exactly tan 0 with the program's pi: no intersection 10^10 away.
        {"0 and 180 degrees: parallel lines too",
         {{"Text1", "100"}, {"Text2", "0"}, {"Text3", "0"}, {"Text4", "110"}, {"Text5", "0"}, {"Text6", "180"},
          {"Text9", "5"}},
         {},
         {}},
        {"90 and -90 degrees: parallel lines too",
         {{"Text1", "100"}, {"Text2", "0"}, {"Text3", "90"}, {"Text4", "110"}, {"Text5", "5"}, {"Text6", "-90"},
          {"Text9", "5"}},
         {},
         {}},
        {"R 0 with a nose radius: the compensated radius is written, then I/K divide by zero",
         With(kExampleLines, {{"Text9", "0"}, {"Text20", "0.8"}}),
         {},
         {{"Text7", "100"}, {"Text8", "-50"}, {"Text10", "100"}, {"Text11", "-50"}, {"Text12", "100"},
          {"Text13", "-50"}, {"Text14", "100"}, {"Text15", "-50"}, {"Text16", "0"}, {"Text17", "0"},
          {"Text18", "0"}, {"Text19", "0"}, {"Text23", "0.8"}, {"Text30", "0.8"}}},
        {"a nose inside an arc smaller than itself", With(kExampleLines, {{"Text9", "5"}, {"Text20", "6"}}),
         {"Option6"}, kCircleResults},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        CalcForm f = Form(c.inputs, c.on);
        Drawing drawing;
        EXPECT_FALSE(RunRecalc(RecalcLineRLine, f, drawing));
        EXPECT_EQ(Changed(f), Expected(c.expected));
        EXPECT_EQ(drawing.PrintedTexts().last(), FailureText());
        EXPECT_EQ(drawing.Primitives().back().colour, kRed);
    }
}

TEST_F(LineRLineTest, IncompleteInputsStopEarlyAndKeepWhatTheyDoNotReach) {
    // Text1 empty: nothing at all, not even the drawing changes.
    {
        CalcForm f = Form(With(kExampleLines, {{"Text1", ""}, {"Text9", "5"}}));
        Drawing drawing;
        drawing.Line({0, 0}, {1, 1}, kRed);
        RecalcLineRLine(f, drawing);
        EXPECT_EQ(Changed(f), QStringList());
        EXPECT_EQ(drawing.Primitives().size(), 2u);
    }
    // Only line 1: the default view with its direction through the middle.
    {
        CalcForm f = Form({{"Text1", "100"}, {"Text2", "20"}, {"Text3", "90"}});
        Drawing drawing;
        RecalcLineRLine(f, drawing);
        EXPECT_EQ(Changed(f), QStringList());
        EXPECT_EQ(Describe(drawing.Primitives()),
                  QStringList({"scale 0 0 8835 4875", "scale -4417.5 -2437.5 8835 4875",
                               "line -1.95103e-06 -10000 1.95103e-06 10000 #0FFFFF"}));
    }
    // No R after a full computation: only the intersection is rewritten,
    // and the centred view cannot be chosen.
    {
        CalcForm f = Form(With(kExampleLines, {{"Text20", "0.8"}}));
        Drawing drawing;
        RecalcLineRLine(f, drawing);
        EXPECT_EQ(Changed(f), Expected({{"Text7", "100"}, {"Text8", "-50"}}));
        EXPECT_FALSE(f.IsEnabled(QStringLiteral("Check1")));
    }
    // R but no nose radius: the nose boxes keep their text.
    {
        CalcForm f = Form(With(kExampleLines, {{"Text9", "5"}}));
        Drawing drawing;
        RecalcLineRLine(f, drawing);
        EXPECT_EQ(Changed(f), Expected(kCircleResults));
        EXPECT_TRUE(f.IsEnabled(QStringLiteral("Check1")));
    }
}

TEST_F(LineRLineTest, DrawingOfTheWorkedExample) {
    CalcForm f = Form(With(kExampleLines, {{"Text9", "5"}, {"Text20", "0.8"}}));
    Drawing drawing;
    RecalcLineRLine(f, drawing);
    EXPECT_EQ(Describe(drawing.Primitives()), QStringList({
        "scale 0 0 8835 4875",
        // The three points fitted 1.4 times their extent, and both lines
        // from their points through the intersection (Z -50, radius 50).
        "scale -88.4308 -60 126.862 70",
        "line 0 -50 -126.862 -50 #0FFFFF",
        "line -50 0 -50 -126.862 #0FFFFF",
        // The circle with its centre mark, the crossed tangent points and their numbers.
        "circle -45 -55 5 #0FFFFF",
        "circle -45 -55 0.126862 #0000FF",
        "line -45.7612 -50 -44.2388 -50 #0000FF",
        "line -45 -50.7612 -45 -49.2388 #0000FF",
        "line -50.7612 -55 -49.2388 -55 #0000FF",
        "line -50 -55.7612 -50 -54.2388 #0000FF",
        "text -45 -50 #00FF00 1",
        "text -50 -55 #00FF00 2",
        // The nose circles and the grey lines from each tool tip to them.
        "circle -45.001 -49.2 0.8 #FF00FF",
        "circle -50.801 -55 0.8 #FF00FF",
        "line -45.801 -48.4 -45.801 -49.2 #80000010",
        "line -45.801 -48.4 -45.001 -48.4 #80000010",
        "line -51.601 -54.2 -51.601 -55 #80000010",
        "line -51.601 -54.2 -50.801 -54.2 #80000010",
    }));
}

TEST_F(LineRLineTest, ViewsOfTheCircleAndOfCoincidingPoints) {
    // Ticked: five radii wide, centred on the circle, the lines drawn again.
    {
        CalcForm f = Form(With(kExampleLines, {{"Text9", "5"}}), {"Check1"});
        Drawing drawing;
        RecalcLineRLine(f, drawing);
        const QStringList d = Describe(drawing.Primitives());
        EXPECT_EQ(d.mid(1, 4), QStringList({"scale -57.5 -61.8973 25 13.7946", "line 0 -50 -126.862 -50 #0FFFFF",
                                            "line -50 0 -50 -126.862 #0FFFFF", "circle -45 -55 5 #0FFFFF"}));
    }
    // Both lines start at their intersection: a view 14 mm high around it,
    // where there used to be one of no size.
    {
        CalcForm f = Form({{"Text1", "0"}, {"Text2", "0"}, {"Text3", "30"}, {"Text4", "0"}, {"Text5", "0"},
                           {"Text6", "60"}, {"Text9", "2"}});
        Drawing drawing;
        EXPECT_TRUE(RunRecalc(RecalcLineRLine, f, drawing));
        EXPECT_EQ(Describe(drawing.Primitives()).at(1), "scale -12.6862 -7 25.3723 14");
        EXPECT_EQ(f.Text("Text7"), "0");
        EXPECT_EQ(f.Text("Text8"), "0");
    }
}

}  // namespace
}  // namespace brennvik
