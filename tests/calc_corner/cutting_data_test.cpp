// Spindle speed and feed as the values they insert.
#include "calc_corner/cutting_data.h"
#include "calc_tangent/qt_printing.h"
#include "workspace/runtime.h"

#include <gtest/gtest.h>

namespace brennvik {
namespace {

TEST(CuttingDataTest, SpindleSpeedIsTruncatedToTensWithPiAs314) {
    const struct {
        double v, d;
        const char *text;
    } cases[] = {
        {150, 40, "1190"},                       // 1194.27 down to a multiple of 10
        {0, 40, "0"},      {200, 12.5, "5090"},  // 5095.54
        {120, 1000, "30"}, {1, 40, "0"},
    };
    for (const auto &c : cases) EXPECT_EQ(SpindleSpeedText(c.v, c.d), QString::fromLatin1(c.text)) << c.v << " " << c.d;
}

TEST(CuttingDataTest, FeedFromRoughnessIsTruncatedToHundredths) {
    const struct {
        double roughness, noseR;
        bool ra;
        const char *text;
    } cases[] = {
        {3.2, 0.8, true, "F0.28"},   // Rz 12.8
        {6.3, 0.4, false, "F0.14"},  // Rz as given
        {3.2, 0, true, "F0"},       {25, 1.2, true, "F0.97"}, {200, 2, false, "F1.78"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(FeedText(c.roughness, c.noseR, c.ra), QString::fromLatin1(c.text)) << c.roughness << " " << c.noseR;
}

TEST(CuttingDataTest, NoValueForZeroDiameterOrNegativeData) {
    EXPECT_THROW(SpindleSpeedText(150, 0), RuntimeError);
    // A negative speed, and a positive one from two negative inputs.
    EXPECT_THROW(SpindleSpeedText(-150, 40), RuntimeError);
    EXPECT_THROW(SpindleSpeedText(150, -40), RuntimeError);
    EXPECT_THROW(SpindleSpeedText(-150, -40), RuntimeError);
    EXPECT_THROW(FeedText(-3.2, 0.8, true), RuntimeError);
    EXPECT_THROW(FeedText(3.2, -0.8, false), RuntimeError);
    EXPECT_THROW(FeedText(-3.2, -0.8, true), RuntimeError);
}

}  // namespace
}  // namespace brennvik
