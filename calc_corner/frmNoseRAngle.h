#pragma once
// The calculator "テーパーのノーズＲ補正": the nose-radius compensation
// amounts of a taper from the nose radius and the taper angle.

#include "calc_tangent/CalculatorWindow.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace brennvik {

class CalcPicture;

class frmNoseRAngle : public CalculatorWindow {
    Q_OBJECT
public:
    frmNoseRAngle();

    // The fixed sketch of what the amounts mean.
    CalcPicture *Picture1;
    QLineEdit *Text1, *Text2;          // nose radius, taper angle
    QLineEdit *Text3, *Text4, *Text5;  // X, Z, Z of a falling taper
    QLabel *Label1, *Label2, *Label3, *Label4, *Label5;
    QGroupBox *Frame1;
    QPushButton *Command1, *Command3, *Command4, *Command2;

    // Leaving either input computes the amounts; a failure changes no box.
    void Input_LostFocus();
};

extern QPointer<frmNoseRAngle> g_frmNoseRAngle;

// Opens the calculator (its single instance).
void AngleNoseR_Click();

}  // namespace brennvik
