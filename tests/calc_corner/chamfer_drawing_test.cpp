// What the chamfer window draws, primitive by primitive: the fitted view,
// the corner, the approach envelope, the paths, the nose circles and the
// labels.
#include "calc_corner/chamfer.h"
#include "calc_corner/chamfer_drawing.h"
#include "chamfer_form.h"
#include "calc_tangent/qt_printing.h"
#include "workspace/workspace_state.h"

#include <gtest/gtest.h>

namespace brennvik {
namespace {

Drawing Drawn(const Texts &inputs, const std::vector<const char *> &on) {
    CalcForm form = ChamferForm(inputs, on);
    Drawing drawing(ChamferAreaTwips());
    EXPECT_TRUE(RunRecalc(RecalcChamfer, form, drawing));
    return drawing;
}

class ChamferDrawingTest : public ::testing::Test {
protected:
    void SetUp() override { g_Pi = 3.14159265398; }
};

TEST_F(ChamferDrawingTest, ExamplesDrawTheirPrimitives) {
    struct Case {
        const char *name;
        Texts inputs;
        std::vector<const char *> on;
        QStringList expected;
    };
    const std::vector<Case> cases = {
        {"on opening: the bare corner at the origin, 2/3 across and 1/3 down a 20 x 12.9 view",
         {},
         {},
         {
          "scale 0 0 8835 5715",
          "scale -13.3333 -4.3 20 12.9",
          "line -2000 0 0 0 #00FFFF",
          "line 0 0 0 1000 #00FFFF",
         }},
        {"X 50, Z 0, C 1: a 4 x 2.58 view; the start lies just below X48 and is labelled so, with 90 - A",
         kCorner,
         {},
         {
          "scale -13.3333 -29.3 20 12.9",
          "scale -2.66667 -25.86 4 2.58",
          "line -2000 -25 0 -25 #80000011 dotted",
          "line 0 -25 0 1000 #80000011 dotted",
          "line -2000 -25 0 -25 #00FFFF",
          "line 0 -25 0 1000 #00FFFF",
          "line -1 -25 0 -24 #00FF00",
          "circle 0 -25 0.0108346 #00FFFF",
          "circle 0 -25 0.0135433 #00FFFF",
          "circle 0 -25 0.0154781 #00FFFF",
          "text 0.0541732 -25.2167 #FFFFFF X50",
          "text 0.0541732 -25.1083 #FFFFFF Z0",
          "circle -1 -25 0.0108346 #00FF00",
          "circle -1 -25 0.0135433 #00FF00",
          "circle -1 -25 0.0154781 #00FF00",
          "text -0.945827 -25.325 #FFFFFF X50",
          "text -0.945827 -25.2167 #FFFFFF Z-1",
          "text -0.945827 -25.1083 #FFFFFF A45",
          "circle 0 -24 0.0108346 #00FF00",
          "circle 0 -24 0.0135433 #00FF00",
          "circle 0 -24 0.0154781 #00FF00",
          "text 0.0541732 -24.325 #FFFFFF X48",
          "text 0.0541732 -24.2167 #FFFFFF Z0",
          "text 0.0541732 -24.1083 #FFFFFF A45",
         }},
        {"nose 0.4, right edge: the red path 0.8 right of the left one, the same nose circles, the end without its angle",
         With(kCorner, {{"Text7", "0.4"}}),
         {"Option4"},
         {
          "scale -13.3333 -29.3 20 12.9",
          "scale -3.73333 -26.204 5.6 3.612",
          "line -2000 -25 0 -25 #80000011 dotted",
          "line 0 -25 0 1000 #80000011 dotted",
          "line -2000 -25 0 -25 #00FFFF",
          "line 0 -25 0 1000 #00FFFF",
          "line -1 -25 0 -24 #00FF00",
          "circle 0 -25 0.0151685 #00FFFF",
          "circle 0 -25 0.0189606 #00FFFF",
          "circle 0 -25 0.0216693 #00FFFF",
          "text 0.0758425 -25.3034 #FFFFFF X50",
          "text 0.0758425 -25.1517 #FFFFFF Z0",
          "line -0.434315 -25 0.8 -23.7657 #0000FF",
          "circle -0.834315 -25.4 0.4 #0000FF",
          "line -0.434315 -25 -0.834315 -25 #80000010",
          "line -0.434315 -25 -0.434315 -25.4 #80000010",
          "circle 0.4 -24.1657 0.4 #0000FF",
          "line 0.8 -23.7657 0.4 -23.7657 #80000010",
          "line 0.8 -23.7657 0.8 -24.1657 #80000010",
          "circle -0.434315 -25 0.0151685 #00FF00",
          "circle -0.434315 -25 0.0189606 #00FF00",
          "circle -0.434315 -25 0.0216693 #00FF00",
          "text -1.04105 -25 #FFFFFF X50",
          "text -1.04105 -24.8483 #FFFFFF Z-0.4343",
          "circle 0.8 -23.7657 0.0151685 #00FF00",
          "circle 0.8 -23.7657 0.0189606 #00FF00",
          "circle 0.8 -23.7657 0.0216693 #00FF00",
          "text 0.875843 -24.2207 #FFFFFF X47.5314",
          "text 0.875843 -24.0691 #FFFFFF Z0.8",
          "text 0.875843 -23.9174 #FFFFFF A45",
         }},
        {"nose 0.4, left edge: ticks of length R from the reference points to the nose centres",
         With(kCorner, {{"Text7", "0.4"}}),
         {},
         {
          "scale -13.3333 -29.3 20 12.9",
          "scale -3.73333 -26.204 5.6 3.612",
          "line -2000 -25 0 -25 #80000011 dotted",
          "line 0 -25 0 1000 #80000011 dotted",
          "line -2000 -25 0 -25 #00FFFF",
          "line 0 -25 0 1000 #00FFFF",
          "line -1 -25 0 -24 #00FF00",
          "circle 0 -25 0.0151685 #00FFFF",
          "circle 0 -25 0.0189606 #00FFFF",
          "circle 0 -25 0.0216693 #00FFFF",
          "text 0.0758425 -25.3034 #FFFFFF X50",
          "text 0.0758425 -25.1517 #FFFFFF Z0",
          "line -1.23431 -25 0 -23.7657 #0000FF",
          "circle -0.834315 -25.4 0.4 #0000FF",
          "line -1.23431 -25 -0.834315 -25 #80000010",
          "line -1.23431 -25 -1.23431 -25.4 #80000010",
          "circle 0.4 -24.1657 0.4 #0000FF",
          "line 0 -23.7657 0.4 -23.7657 #80000010",
          "line 0 -23.7657 0 -24.1657 #80000010",
          "circle -1.23431 -25 0.0151685 #00FF00",
          "circle -1.23431 -25 0.0189606 #00FF00",
          "circle -1.23431 -25 0.0216693 #00FF00",
          "text -1.15847 -25.4551 #FFFFFF X50",
          "text -1.15847 -25.3034 #FFFFFF Z-1.2343",
          "text -1.15847 -25.1517 #FFFFFF A45",
          "circle 0 -23.7657 0.0151685 #00FF00",
          "circle 0 -23.7657 0.0189606 #00FF00",
          "circle 0 -23.7657 0.0216693 #00FF00",
          "text 0.0758425 -24.2207 #FFFFFF X47.5314",
          "text 0.0758425 -24.0691 #FFFFFF Z0",
          "text 0.0758425 -23.9174 #FFFFFF A45",
         }},
        {"outer reverse without nose: the start labelled left of the point in two lines",
         kCorner,
         {"Option2"},
         {
          "scale -6.66667 -29.3 20 12.9",
          "scale -1.33333 -25.86 4 2.58",
          "line 2000 -25 0 -25 #80000011 dotted",
          "line 0 -25 0 1000 #80000011 dotted",
          "line 2000 -25 0 -25 #00FFFF",
          "line 0 -25 0 1000 #00FFFF",
          "line 1 -25 0 -24 #00FF00",
          "circle 0 -25 0.0108346 #00FFFF",
          "circle 0 -25 0.0135433 #00FFFF",
          "circle 0 -25 0.0154781 #00FFFF",
          "text 0.0541732 -25.2167 #FFFFFF X50",
          "text 0.0541732 -25.1083 #FFFFFF Z0",
          "circle 1 -25 0.0108346 #00FF00",
          "circle 1 -25 0.0135433 #00FF00",
          "circle 1 -25 0.0154781 #00FF00",
          "text 1.05417 -25.325 #FFFFFF X50",
          "text 1.05417 -25.2167 #FFFFFF Z1",
          "text 1.05417 -25.1083 #FFFFFF A45",
          "circle 0 -24 0.0108346 #00FF00",
          "circle 0 -24 0.0135433 #00FF00",
          "circle 0 -24 0.0154781 #00FF00",
          "text -0.433386 -24 #FFFFFF X48",
          "text -0.433386 -23.8917 #FFFFFF Z0",
         }},
        {"approach 2 and 1: the dotted envelope and the chamfer's own ends labelled",
         With(kCorner, {{"Text5", "2"}, {"Text6", "1"}}),
         {},
         {
          "scale -13.3333 -29.3 20 12.9",
          "scale -10.6667 -28.44 16 10.32",
          "line -2000 -26 1 -26 #80000011 dotted",
          "line 1 -26 1 1000 #80000011 dotted",
          "line -2000 -25 0 -25 #00FFFF",
          "line 0 -25 0 1000 #00FFFF",
          "line -2 -26 1 -23 #00FF00",
          "circle 0 -25 0.0433386 #00FFFF",
          "circle 0 -25 0.0541732 #00FFFF",
          "circle 0 -25 0.0619123 #00FFFF",
          "text 0.216693 -25.8668 #FFFFFF X50",
          "text 0.216693 -25.4334 #FFFFFF Z0",
          "circle -1 -25 0.0433386 #00FFFF",
          "circle -1 -25 0.0541732 #00FFFF",
          "circle -1 -25 0.0619123 #00FFFF",
          "text -2.73354 -25 #FFFFFF X50",
          "text -2.73354 -24.5666 #FFFFFF Z-1",
          "circle 0 -24 0.0433386 #00FFFF",
          "circle 0 -24 0.0541732 #00FFFF",
          "circle 0 -24 0.0619123 #00FFFF",
          "text -1.73354 -24 #FFFFFF X48",
          "text -1.73354 -23.5666 #FFFFFF Z0",
          "circle -2 -26 0.0433386 #00FF00",
          "circle -2 -26 0.0541732 #00FF00",
          "circle -2 -26 0.0619123 #00FF00",
          "text -1.78331 -27.3002 #FFFFFF X52",
          "text -1.78331 -26.8668 #FFFFFF Z-2",
          "text -1.78331 -26.4334 #FFFFFF A45",
          "circle 1 -23 0.0433386 #00FF00",
          "circle 1 -23 0.0541732 #00FF00",
          "circle 1 -23 0.0619123 #00FF00",
          "text 1.21669 -24.3002 #FFFFFF X46",
          "text 1.21669 -23.8668 #FFFFFF Z1",
          "text 1.21669 -23.4334 #FFFFFF A45",
         }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Describe(Drawn(c.inputs, c.on).Primitives()), c.expected);
    }
}

// The corner label comes first, then, with an approach, the chamfer's own
// ends, then the end point and the start point: with their angle (three
// lines) or without (two lines), as each case labels them.
TEST_F(ChamferDrawingTest, EveryCaseLabelsItsPoints) {
    struct Case {
        const char *name;
        Texts inputs;
        std::vector<const char *> on;
        const char *texts;
    };
    const Texts nose = With(kCorner, {{"Text7", "0.4"}});
    const std::vector<Case> cases = {
        {"inner forward with nose", nose, {"ID"}, "X50 Z0 X50 Z-1.2343 X52.4686 Z0 A45"},
        {"outer reverse with nose, right edge", nose, {"Option2", "Option4"}, "X50 Z0 X50 Z1.2343 A45 X47.5314 Z0 A45"},
        {"inner reverse with nose, left edge", nose, {"ID", "Option2"}, "X50 Z0 X50 Z0.4343 X52.4686 Z-0.8 A45"},
        {"inner forward without nose", kCorner, {"ID"}, "X50 Z0 X50 Z-1 A45 X52 Z0 A45"},
        // Labelled as with a nose, rather than not at all.
        {"inner reverse without nose", kCorner, {"ID", "Option2"}, "X50 Z0 X50 Z1 X52 Z0 A45"},
        {"inner reverse with approach: the chamfer's ends on the diameter and the face",
         With(kCorner, {{"Text5", "2"}, {"Text6", "1"}}), {"ID", "Option2"},
         "X50 Z0 X50 Z1 X52 Z0 X48 Z2 X54 Z-1 A45"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Drawn(c.inputs, c.on).PrintedTexts().join(u' '), QString::fromUtf8(c.texts));
    }
}

}  // namespace
}  // namespace brennvik
