#pragma once
// The calculator "直線と角度": a line from its start point and two of angle,
// end X and end Z; each insert puts one word at the caret and closes it.

#include "calc_tangent/CalculatorWindow.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace brennvik {

class CalcPicture;

class frmLineAngle : public CalculatorWindow {
    Q_OBJECT
public:
    frmLineAngle();

    // The fixed sketch of what the boxes mean.
    CalcPicture *Picture1;
    // X1, Z1, the angle A, X2, Z2.
    QLineEdit *Text1, *Text2, *Text3, *Text4, *Text5;
    QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6;
    QGroupBox *Frame1;
    QPushButton *Command1, *Command3, *Command4, *Command5, *Command2;

    // Leaving the end X or the end Z computes what they complete; a
    // failure changes no box.
    void Text4_LostFocus();
    void Text5_LostFocus();

private:
    // Runs a computation when a box was edited since the last result:
    // leaving the boxes as they are never solves again from a solved,
    // floored value, and an edit waits until a leave completes the line.
    void Solve(bool (*compute)(CalcForm &));

    bool m_edited = false;
};

extern QPointer<frmLineAngle> g_frmLineAngle;

// Opens the calculator (its single instance).
void LineAngle_Click();

}  // namespace brennvik
