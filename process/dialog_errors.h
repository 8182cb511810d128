#pragma once
// A run-time error raised by a dialog's button cannot travel through the
// modal event loop. The button keeps it here and the command that showed the
// dialog raises it again after the dialog has closed, inside its own trap.

#include "workspace/runtime.h"

namespace brennvik {

void KeepDialogError(const RuntimeError &error);
// Raises the kept error, if any, and forgets it.
void RaiseKeptDialogError();
// Forgets a kept error without raising it.
void ClearKeptDialogError();

}  // namespace brennvik
