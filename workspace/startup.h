#pragma once
#include <QString>
#include <QStringList>
#include <cstdint>

namespace brennvik {

class frmMain;

// The start-up procedure: creates and shows the main window with the files
// of the command line, and switches Caps Lock on. Returns the main window's
// run result.
int Main(const QStringList &commandLineFiles);
// Everything of Main but running the event loop.
frmMain *StartUp(const QStringList &commandLineFiles);

// Simulated key strokes: one key (down, up) or a chord of two.
void PressKey(int16_t virtualKey);
void PressKey(int16_t first, int16_t second);

// The title the external calculator's window bears.
inline QString CalculatorWindowTitle() { return QStringLiteral(" 電卓"); }

}  // namespace brennvik
