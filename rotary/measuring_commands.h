#pragma once
// The touch-probe commands of the process menu: measuring a bore or an
// outer diameter (a call at the caret, its measuring subprogram at the end
// of the program), measuring outside the machine, and setting the zero
// offset of the C or the Z axis.

namespace brennvik {

// Diameter and radius of a bore and of an outer diameter. The caret ends
// at the start of the call line.
void ProcessMeasuerInD_Click();
void ProcessMeasuerInR_Click();
void ProcessMeasuerOutD_Click();
void ProcessMeasuerOutR_Click();
// The call of the measuring outside the machine, without a dialog.
void ProcessMeasuerOutside_Click();
// The zero-offset blocks of the C and the Z axis, at the caret.
void ProcessMeasuerZeroCaxis_Click();
void ProcessMeasuerZeroZaxis_Click();

}  // namespace brennvik
