#pragma once
// The calculator "2円の交点": the two points where two circles cut each other.

#include "DrawingCalculatorWindow.h"

class QLineEdit;
class QPushButton;

namespace brennvik {

class frmCircleCircle : public DrawingCalculatorWindow {
    Q_OBJECT
public:
    frmCircleCircle();

    // Inputs: circle 1 and circle 2, each centre X, Z and radius.
    QLineEdit *Text1, *Text2, *Text3, *Text4, *Text5, *Text6;
    // Results: the points P1 and P2.
    QLineEdit *Text7, *Text8, *Text11, *Text12;
    QPushButton *Command1, *Command3, *Command7, *Command2;

protected:
    void Compute(CalcForm &form, Drawing &drawing) override;
};

extern QPointer<frmCircleCircle> g_frmCircleCircle;

// Opens the calculator (its single instance).
void CircleCircle_Click();

}  // namespace brennvik
