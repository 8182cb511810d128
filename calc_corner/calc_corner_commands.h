#pragma once
// The openers of the corner, conversion and cutting-condition calculators.

namespace brennvik {

class frmMain;

// Adds the entries of these calculators to 交点の計算 (among those of the
// tangent calculators, which must be installed first) and to the Tools menu.
void InstallCornerCalculators(frmMain &main);

}  // namespace brennvik
