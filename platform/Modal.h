#pragma once
// The one seam through which windows are shown modally. In the program it
// runs the dialog's own event loop; tests install a driver that scripts the
// dialog (fills boxes, clicks buttons, closes it) instead.

#include <functional>

class QWidget;

namespace brennvik {

using ModalDriver = std::function<void(QWidget *)>;

// Shows `window` modally and returns when it is closed.
void ShowModal(QWidget *window);

// Installs a driver for the following ShowModal calls; an empty one restores
// real modal showing.
void SetModalDriver(ModalDriver driver);

}  // namespace brennvik
