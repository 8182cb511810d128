// The taper nose-radius compensation amounts.
#include "calc_corner/nose_r_angle.h"
#include "calc_tangent/qt_printing.h"
#include "workspace/runtime.h"
#include "workspace/workspace_state.h"

#include <gtest/gtest.h>

namespace brennvik {
namespace {

CalcForm Form(const char *noseR, const char *angle) {
    CalcForm form;
    form.SetText("Text1", QString::fromLatin1(noseR));
    form.SetText("Text2", QString::fromLatin1(angle));
    for (const char *box : {"Text3", "Text4", "Text5"}) form.SetText(box, QStringLiteral("old"));
    return form;
}

QStringList Amounts(const CalcForm &form) { return {form.Text("Text3"), form.Text("Text4"), form.Text("Text5")}; }

TEST(NoseRAngleTest, AmountsOfTheXTheZAndTheFallingZ) {
    g_Pi = 3.14159265398;
    const struct {
        const char *noseR, *angle;
        QStringList xzz2;
    } cases[] = {
        // X comes from Z before it is floored: 0.676, not 0.675.
        {"0.8", "30", {"0.676", "0.585", "1.014"}},
        {"0.8", "0", {"0", "0.8", "0.8"}},
        {"0.4", "45", {"0.468", "0.234", "0.565"}},
        {"1.2", "-30", {"-1.757", "1.521", "0.878"}},
        {"0.8", "179", {"3.172", "-90.871", "92.47"}},
        // Only one input: nothing is computed.
        {"0.8", "", {"old", "old", "old"}},
        {"", "30", {"old", "old", "old"}},
    };
    for (const auto &c : cases) {
        CalcForm form = Form(c.noseR, c.angle);
        RecalcNoseRAngle(form);
        EXPECT_EQ(Amounts(form), c.xzz2) << c.noseR << " " << c.angle;
    }
}

TEST(NoseRAngleTest, AnglesAt180DegreesHaveNoCompensation) {
    g_Pi = 3.14159265398;
    for (const char *angle : {"180", "-180", "540", "179.9999999999", "180.0000000001"}) {
        CalcForm form = Form("0.8", angle);
        EXPECT_THROW(RecalcNoseRAngle(form), RuntimeError) << angle;
    }
}

}  // namespace
}  // namespace brennvik
