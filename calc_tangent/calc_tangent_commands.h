#pragma once
// The openers of the tangent and intersection calculators.

namespace brennvik {

class frmMain;

// Adds the entries of the tangent and intersection calculators to
// 交点の計算.
void InstallTangentCalculators(frmMain &main);

}  // namespace brennvik
