#pragma once
// How the text boxes of the editing dialogs behave: a box that gets the
// focus has its whole text selected, and Enter runs the box's own step
// (usually moving on to the next box).

#include "platform/ControlNames.h"

#include <QString>
#include <functional>

class QCheckBox;
class QDialog;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;

namespace brennvik {

void SetBoxBehaviour(QLineEdit *box, std::function<void()> onEnter);

// The start-from-top box and the buttons of the replace and size-shift dialogs.
struct ChangeControls {
    QCheckBox *Check1 = nullptr;
    QPushButton *Change = nullptr;
    QPushButton *NextFind = nullptr;
    QPushButton *AllChange = nullptr;
    QPushButton *Cancel = nullptr;
};
ChangeControls MakeChangeControls(QDialog *dialog);

// Two labelled boxes with the buttons beside them and the start-from-top box
// below; further rows can be added to the grid returned.
QGridLayout *LayOutChangeDialog(QDialog *dialog, QLabel *label1, QLineEdit *box1, QLabel *label2, QLineEdit *box2,
                                const ChangeControls &controls);

}  // namespace brennvik
