#pragma once
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>

namespace brennvik {

class frmMain;

// Adds the other subsystems' commands to the main window before it loads.
using CommandInstaller = std::function<void(frmMain &)>;

// The start-up procedure: creates the main window, lets `install` add every
// subsystem's commands, loads and shows it (before the files of the command
// line are opened, when there are any), and switches Caps Lock on. Returns the main window's run result.
int Main(const QStringList &commandLineFiles, const CommandInstaller &install);
// Everything of Main but running the event loop.
frmMain *StartUp(const QStringList &commandLineFiles, const CommandInstaller &install);

// Simulated key strokes: one key (down, up) or a chord of two.
void PressKey(int16_t virtualKey);
void PressKey(int16_t first, int16_t second);

// The title the external calculator's window bears.
inline QString CalculatorWindowTitle() { return QStringLiteral(" 電卓"); }

}  // namespace brennvik
