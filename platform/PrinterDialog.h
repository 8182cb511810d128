#pragma once
// The printer set-up dialog: which printer (or a PDF file) and its
// orientation. The printer chosen becomes the program's printer. Tests
// install a responder that sets up the printer instead of a dialog.

#include <functional>

class QPrinter;

namespace brennvik {

// Sets up `printer` as the user would; true for OK, false for cancel.
using PrinterSetupResponder = std::function<bool(QPrinter *printer)>;

// Shows the dialog preset to `orientation` (1 portrait, 2 landscape). On OK
// the chosen printer is kept and *orientation is the chosen one; a cancel
// changes neither. Returns true on OK.
bool ShowPrinterSetupDialog(int *orientation);

// Installs a responder; an empty one restores the real dialog.
void SetPrinterSetupResponder(PrinterSetupResponder responder);

}  // namespace brennvik
