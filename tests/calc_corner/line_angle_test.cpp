// The line from a point and an angle, computed without the window: what
// leaving the end X and leaving the end Z write.
#include "calc_corner/line_angle.h"
#include "calc_tangent/qt_printing.h"
#include "workspace/runtime.h"
#include "workspace/workspace_state.h"

#include <gtest/gtest.h>

#include <vector>

namespace brennvik {
namespace {

// The five boxes X1, Z1, A, X2, Z2 as texts.
struct Boxes {
    const char *x1, *z1, *a, *x2, *z2;
};

CalcForm Form(const Boxes &b) {
    CalcForm form;
    const char *names[] = {"Text1", "Text2", "Text3", "Text4", "Text5"};
    const char *texts[] = {b.x1, b.z1, b.a, b.x2, b.z2};
    for (int i = 0; i < 5; ++i) form.SetText(names[i], QString::fromUtf8(texts[i]));
    return form;
}

QStringList Texts(const CalcForm &form) {
    QStringList texts;
    for (const char *box : {"Text1", "Text2", "Text3", "Text4", "Text5"}) texts << form.Text(box);
    return texts;
}

enum class Left { EndX, EndZ };

TEST(LineAngleTest, LeavingAnEndBoxCompletesTheLine) {
    g_Pi = 3.14159265398;
    const struct {
        const char *name;
        Left left;
        Boxes in;
        Boxes out;
    } cases[] = {
        {"end Z from the angle and X2", Left::EndX, {"20", "0", "30", "40", ""}, {"20", "0", "30", "40", "17.32"}},
        {"angle from X2 and Z2 towards -Z", Left::EndZ, {"20", "0", "", "40", "-10"}, {"20", "0", "135", "40", "-10"}},
        {"X1 > X2 towards -Z", Left::EndZ, {"20", "0", "", "0", "-10"}, {"20", "0", "-135", "0", "-10"}},
        {"towards +Z and -X: a negative angle", Left::EndZ, {"20", "0", "", "0", "10"}, {"20", "0", "-45", "0", "10"}},
        {"the angle wins over X2", Left::EndZ, {"20", "0", "30", "99", "10"}, {"20", "0", "30", "31.547", "10"}},
        {"along the axis towards -Z reads 180", Left::EndZ, {"20", "0", "", "20", "-10"}, {"20", "0", "180", "20", "-10"}},
        {"180 degrees: X2 stays X1", Left::EndZ, {"20", "0", "180", "", "-10"}, {"20", "0", "180", "20", "-10"}},
        {"90 degrees: Z2 stays Z1", Left::EndX, {"20", "-5", "90", "40", ""}, {"20", "-5", "90", "40", "-5"}},
        {"end X without the angle computes nothing", Left::EndX, {"20", "0", "", "40", ""}, {"20", "0", "", "40", ""}},
        {"end Z with neither angle nor X2", Left::EndZ, {"20", "0", "", "", "10"}, {"20", "0", "", "", "10"}},
        {"no start point", Left::EndZ, {"", "0", "30", "", "10"}, {"", "0", "30", "", "10"}},
    };
    for (const auto &c : cases) {
        CalcForm form = Form(c.in);
        const bool solved = c.left == Left::EndX ? LineAngleEndXLeft(form) : LineAngleEndZLeft(form);
        EXPECT_EQ(Texts(form), Texts(Form(c.out))) << c.name;
        // Every case that computes changes a box: the window keeps an edit
        // pending until a leave says it solved.
        EXPECT_EQ(solved, Texts(Form(c.in)) != Texts(Form(c.out))) << c.name;
    }
}

TEST(LineAngleTest, LinesThatCannotBeCompletedFail) {
    g_Pi = 3.14159265398;
    const struct {
        const char *name;
        Left left;
        Boxes in;
    } cases[] = {
        {"a line along Z reaches no other X", Left::EndX, {"20", "0", "0", "40", ""}},
        {"nor at 180 degrees", Left::EndX, {"20", "0", "180", "40", ""}},
        {"a line along X reaches no other Z", Left::EndZ, {"20", "0", "90", "", "10"}},
        {"nor at -90 degrees", Left::EndZ, {"20", "0", "-90", "", "10"}},
        {"no angle of a line of no Z length", Left::EndZ, {"20", "0", "", "40", "0"}},
    };
    for (const auto &c : cases) {
        CalcForm form = Form(c.in);
        if (c.left == Left::EndX)
            EXPECT_THROW(LineAngleEndXLeft(form), RuntimeError) << c.name;
        else
            EXPECT_THROW(LineAngleEndZLeft(form), RuntimeError) << c.name;
    }
}

}  // namespace
}  // namespace brennvik
