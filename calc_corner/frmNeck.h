#pragma once
// The calculator "ヌスミ形状": the profile of a relief groove with an arc at
// its bottom, its points and centre, and the whole profile as NC lines.

#include "calc_tangent/DrawingCalculatorWindow.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace brennvik {

class frmNeck : public DrawingCalculatorWindow {
    Q_OBJECT
public:
    frmNeck();

    // Inputs: bottom diameter, end face, radius, flank angle, start diameter.
    QLineEdit *Text1, *Text2, *Text3, *Text4, *Text5;
    // Results: P1, P2, P3, I/K, P4.
    QLineEdit *Text6, *Text7, *Text8, *Text9, *Text10, *Text11, *Text12, *Text13, *Text14, *Text15;
    QGroupBox *Frame1, *Frame2;
    // The circle positions "4", "3", "1", "2".
    QRadioButton *Option1, *Option2, *Option3, *Option4;
    QPushButton *Command8, *Command1, *Command3, *Command4, *Command6, *Command9, *Command5, *Command7, *Command2;
    QLabel *Label20;

    // The profile into the groove, and out of it.
    void Command9_Click();
    void Command5_Click();
    void Command2_Click();

protected:
    void Compute(CalcForm &form, Drawing &drawing) override;
};

extern QPointer<frmNeck> g_frmNeck;

// Opens the calculator (its single instance).
void Neck_Click();

}  // namespace brennvik
