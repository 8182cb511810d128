#pragma once
// The calculator " 回転数の計算": the spindle speed for a cutting speed and
// a diameter, inserted at the caret when Enter is pressed in the diameter.

#include "calc_tangent/CalculatorWindow.h"

class QLabel;
class QLineEdit;

namespace brennvik {

class RPM : public CalculatorWindow {
    Q_OBJECT
public:
    RPM();

    QLineEdit *V, *Diameter;
    QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6;

    // Enter in the diameter: with a cutting speed, computes, inserts and
    // closes; a failure closes without inserting.
    void Diameter_Enter();
};

extern QPointer<RPM> g_RPM;

// Opens the calculator (its single instance).
void mnuToolsrpm_Click();

}  // namespace brennvik
