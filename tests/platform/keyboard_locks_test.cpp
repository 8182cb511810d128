#include "platform/KeyboardLocks.h"
#include "workspace/startup.h"

#include <gtest/gtest.h>

namespace brennvik {
namespace {

TEST(KeyboardLocksTest, AKeyStrokeTogglesItsLock) {
    UseInProcessKeyStates(false, true, false);
    PressKey(VK_CAPITAL);
    EXPECT_TRUE(KeyLockState(VK_CAPITAL));
    PressKey(VK_NUMLOCK);
    EXPECT_FALSE(KeyLockState(VK_NUMLOCK));
    PressKey(VK_INSERT);
    EXPECT_TRUE(KeyLockState(VK_INSERT));
    // Only the release toggles: a key held down changes nothing yet.
    keybd_event(VK_CAPITAL, KEYEVENTF_KEYDOWN);
    EXPECT_TRUE(KeyLockState(VK_CAPITAL));
    keybd_event(VK_CAPITAL, KEYEVENTF_KEYUP);
    EXPECT_FALSE(KeyLockState(VK_CAPITAL));
    // A chord toggles both keys.
    PressKey(VK_CAPITAL, VK_NUMLOCK);
    EXPECT_TRUE(KeyLockState(VK_CAPITAL));
    EXPECT_TRUE(KeyLockState(VK_NUMLOCK));
}

}  // namespace
}  // namespace brennvik
