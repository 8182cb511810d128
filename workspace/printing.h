#pragma once
// File > Print: the focused pane of the current document as a listing on the
// program's printer, laid out by the print settings.

#include "print_layout.h"

namespace brennvik {

// Prints the current document. A listing the settings cannot lay out, or a
// printer that cannot start, is reported; nothing is printed then.
void PrintActiveDocument();

// Applies the print settings to the printer and computes the print job
// values; returns what the listing is laid out with.
ListingSetup SetUpPrinter();

}  // namespace brennvik
