#pragma once
// The calculator "直線と円の交点": the two points where a line, given by a
// point and an angle, cuts a circle, with I and K from each to the centre.

#include "DrawingCalculatorWindow.h"

class QLineEdit;
class QPushButton;

namespace brennvik {

class frmLineR : public DrawingCalculatorWindow {
    Q_OBJECT
public:
    frmLineR();

    // Inputs: the line (X, Z, angle) and the circle (centre X, Z, radius).
    QLineEdit *Text1, *Text2, *Text3, *Text4, *Text5, *Text6;
    // Results: point 1 with its I and K, point 2 with its I and K.
    QLineEdit *Text7, *Text8, *Text9, *Text10, *Text11, *Text12, *Text13, *Text14;
    QPushButton *Command1, *Command3, *Command4, *Command5, *Command6, *Command7, *Command10, *Command2;

protected:
    void Compute(CalcForm &form, Drawing &drawing) override;
};

extern QPointer<frmLineR> g_frmLineR;

// Opens the calculator (its single instance).
void LineCycle_Click();

}  // namespace brennvik
