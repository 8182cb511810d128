#pragma once
// Hints shown on the size boxes of the drilling and tapping dialogs: the
// tap drill of each metric thread, and the pitch of each.

namespace brennvik {

inline constexpr char kTapDrillSizes[] = "M3=2.6 M4=3.4 M5=4.3 M6=5.1 M8=6.9 M10=8.7 M12=10.5 M16=14.3";
inline constexpr char kPitchesToM20[] =
    "M2=0.4 M2.5=0.45 M3=0.5 M4=0.7 M5=0.8 M6=1 M8=1.25 M10=1.5 M12=1.75 M16=2 M20=2.5";
inline constexpr char kPitchesToM24[] =
    "M2=0.4 M2.5=0.45 M3=0.5 M4=0.7 M5=0.8 M6=1 M8=1.25 M10=1.5 M12=1.75 M16=2 M20=2.5 M24=3";

}  // namespace brennvik
