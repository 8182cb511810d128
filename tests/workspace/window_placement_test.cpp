#include "support/fixtures.h"

#include "platform/Screens.h"
#include "workspace/frmMain.h"
#include "workspace/window_placement.h"

#include <cmath>
#include <limits>

namespace brennvik {
namespace {

const QRect kWide(0, 0, 1920, 1040);
const QRect kSquare(0, 0, 1280, 1024);
const QRect kSmall(0, 0, 800, 600);
const QRect kBelowAPanel(0, 32, 1024, 736);  // a panel along the top
const QRect kRightOfWide(1920, 0, 1280, 1024);
const QRect kTiny(0, 0, 320, 240);

// 1e10 in the settings made a 32767 x 32767 window, and a placement far off
// the screen one that nobody could see, stored back at every exit.
TEST(WindowPlacementTest, APlacementIsFittedToTheScreenItIsOn) {
    const double huge = 1e10 / kTwipsPerPixel;
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        const char *what;
        double left, top, width, height;
        QList<QRect> screens;
        QRect placed;
    } cases[] = {
        {"on the screen", 67, 67, 1000, 800, {kWide}, QRect(67, 67, 1000, 800)},
        {"larger than the screen", 67, 67, 1000, 800, {kSmall}, QRect(0, 0, 800, 600)},
        {"huge", 67, 67, huge, huge, {kSquare}, QRect(0, 0, 1280, 1024)},
        {"huge below a panel", 67, 67, huge, huge, {kBelowAPanel}, kBelowAPanel},
        {"far right and down", huge, huge, 1000, 800, {kWide}, QRect(920, 240, 1000, 800)},
        {"far left and up", -huge, -huge, 1000, 800, {kSquare}, QRect(0, 0, 1000, 800)},
        {"title bar above the screen", 100, -50, 1000, 800, {kWide}, QRect(100, 0, 1000, 800)},
        {"title bar under a panel", 100, 0, 800, 600, {kBelowAPanel}, QRect(100, 32, 800, 600)},
        {"half off the right edge", 1500, 100, 1000, 800, {kWide}, QRect(920, 100, 1000, 800)},
        {"no size", 67, 67, 0, -500, {kWide}, QRect(67, 67, 400, 300)},
        {"screen smaller than the least size", 67, 67, 1000, 800, {kTiny}, kTiny},
        {"not a number", nan, nan, nan, nan, {kWide}, QRect(0, 0, 400, 300)},
        {"infinite", -inf, inf, inf, -inf, {kWide}, QRect(0, 740, 1920, 300)},
        {"on the second screen", 2000, 100, 1000, 800, {kWide, kRightOfWide}, QRect(2000, 100, 1000, 800)},
        {"mostly on the second screen", 1800, 100, 1000, 800, {kWide, kRightOfWide}, QRect(1920, 100, 1000, 800)},
        {"beyond every screen", 9000, 100, 1000, 800, {kWide, kRightOfWide}, QRect(920, 100, 1000, 800)},
        {"beyond a second screen set left", -3000, 100, 1000, 800, {kWide, QRect(-1280, 0, 1280, 1024)},
         QRect(0, 100, 1000, 800)},
    };
    for (const auto &c : cases)
        EXPECT_EQ(FitWindowToScreens(c.left, c.top, c.width, c.height, c.screens), c.placed) << c.what;
}

// The frame was left out: a placement fitted to the screen's full height
// put the status bar below the screen's edge, under the title bar above it.
TEST(WindowPlacementTest, TheWindowManagersFrameLiesOnTheScreenToo) {
    const double huge = 1e10 / kTwipsPerPixel;
    const QMargins frame(1, 20, 1, 5);  // left, title bar, right, bottom
    const struct {
        const char *what;
        double left, top, width, height;
        QRect screen;
        QRect placed;  // the frame's corner, the inside's size
    } cases[] = {
        {"on the screen", 67, 67, 1000, 800, kWide, QRect(67, 67, 1000, 800)},
        {"far off and larger than the screen", 6000, 6000, 3333, 2667, kSquare, QRect(0, 0, 1278, 999)},
        {"larger, below a panel", 67, 67, huge, huge, kBelowAPanel, QRect(0, 32, 1022, 711)},
        {"far right and down", huge, huge, 1000, 800, kWide, QRect(918, 215, 1000, 800)},
        {"bottom edge just past the screen", 100, 230, 1000, 800, kWide, QRect(100, 215, 1000, 800)},
        {"screen smaller than the least size", 67, 67, 1000, 800, kTiny, QRect(0, 0, 318, 215)},
    };
    for (const auto &c : cases)
        EXPECT_EQ(FitWindowToScreens(c.left, c.top, c.width, c.height, {c.screen}, frame), c.placed) << c.what;
}

class WindowPlacementStartTest : public ProgramFixture {};

TEST_F(WindowPlacementStartTest, TheWindowStartsOnTheScreenAndTheExitStoresWhereItWas) {
    const struct {
        const char *settings;
        QList<QRect> screens;
        QRect placed;
        const char *stored[4];  // MainLeft, MainTop, MainWidth, MainHeight after the exit
    } cases[] = {
        {"MainWidth=1e10\nMainHeight=1e10\n", {kSquare}, QRect(0, 0, 1280, 1024), {"0", "0", "19200", "15360"}},
        {"MainLeft=1e10\nMainTop=-1e10\n", {kWide}, QRect(920, 0, 1000, 800), {"13800", "0", "15000", "12000"}},
        {"MainLeft=-3.4e38\nMainTop=3.4e38\nMainWidth=-1\nMainHeight=0\n", {kWide}, QRect(0, 740, 400, 300),
         {"0", "11100", "6000", "4500"}},
        {"", {kSmall}, QRect(0, 0, 800, 600), {"0", "0", "12000", "9000"}},
        // A placement that fits is stored back as it was, to the twip.
        {"MainLeft=30007\nMainTop=1507\n", {kWide, kRightOfWide}, QRect(2000, 100, 1000, 800),
         {"30007", "1507", "15000", "12000"}},
    };
    for (const auto &c : cases) {
        WriteSettingsFile(QByteArray("[Settings]\n") + c.settings);
        UseScreenAreas(c.screens);
        frmMain *m = StartMain();
        EXPECT_EQ(QRect(m->pos(), m->size()), c.placed) << c.settings;
        CloseMain();
        const char *keys[] = {"MainLeft", "MainTop", "MainWidth", "MainHeight"};
        for (int i = 0; i < 4; ++i) EXPECT_EQ(StoredSetting("Settings", keys[i]), c.stored[i]) << c.settings << keys[i];
        // The next start finds the window where it was.
        m = StartMain();
        EXPECT_EQ(QRect(m->pos(), m->size()), c.placed) << c.settings;
        CloseMain();
    }
}

}  // namespace
}  // namespace brennvik
