#pragma once
// The program's version numbers.

namespace brennvik {

constexpr int kVersionMajor = 3;
constexpr int kVersionMinor = 14;
constexpr int kVersionRevision = 0;

}  // namespace brennvik
