#pragma once
// Tapping on the spindle axis while the main spindle turns the work, with a
// floating holder (G77/G78) or synchronised (G107/G108); and the words that
// prepare a tool change.

#include <QString>

namespace brennvik {

enum class SpindleTap { Floating, Synchronised };

// Builds g_OutputBlock and returns it.
QString BuildSpindleTapBlock(SpindleTap tap);

// "N000 MT=1" (turret type 1 magazine side) or "N000 MT=3", with " TG="
// for the tool group to be typed after it under tool-life management: the
// words alone, without a line end.
enum class MagazineSide { One = 1, Three = 3 };
QString ToolChangePreparationWords(MagazineSide side);

}  // namespace brennvik
