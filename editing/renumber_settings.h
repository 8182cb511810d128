#pragma once
// The stored choices of the sequence-number arrangement (section "Settings").

#include <cstdint>

namespace brennvik {

extern int16_t g_SpaceN;  // "SpaceN": blanks after a new number, 0, 1 or 5
extern int16_t g_DigitN;  // "DigitN": digits of a new number
extern int16_t g_BDEL;    // "BDEL": 1 "/N000", 0 "N000/" on block-skip lines

void LoadRenumberSettings();
void SaveRenumberSettings();
void ResetRenumberSettings();

}  // namespace brennvik
