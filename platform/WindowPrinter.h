#pragma once
// Printing a window's image on the default printer, one page, at the
// screen's resolution. Tests install a factory that prints to a PDF file, or one
// that reports no printer.

#include <functional>
#include <memory>

class QPrinter;
class QWidget;

namespace brennvik {

using PrinterFactory = std::function<std::unique_ptr<QPrinter>()>;

// The default printer at the screen's resolution, or nullptr when the
// system has none.
std::unique_ptr<QPrinter> OpenDefaultPrinter();

// Installs the factory OpenDefaultPrinter uses; an empty one restores the
// system's default printer.
void SetPrinterFactory(PrinterFactory factory);

// Draws the window with its children on one page; false when the printer
// could not start.
bool PrintWindowImage(QPrinter &printer, QWidget *window);

}  // namespace brennvik
