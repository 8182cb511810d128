#pragma once
// Dialog windows behave as on the platform the program comes from: a
// dialog keeps the size of its design, and Enter on a focused button
// presses it.

class QDialog;

namespace brennvik {

// The dialog keeps the size its layout gives it: it can neither be resized
// nor maximised. Call once its layout is built.
void KeepDesignSize(QDialog *dialog);

// From now on Enter on a focused push button presses it, as Space does, in
// every window of the program. A box's own Enter handling is untouched.
void InstallButtonEnterKey();

}  // namespace brennvik
