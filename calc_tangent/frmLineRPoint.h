#pragma once
// The calculator "1点を通り直線と接する円": a circle of given radius that
// touches a line, given by a point and an angle, and passes through an end
// point; its centre, the start point where it touches the line, and I and K.

#include "DrawingCalculatorWindow.h"

class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace brennvik {

class frmLineRPoint : public DrawingCalculatorWindow {
    Q_OBJECT
public:
    frmLineRPoint();

    // Inputs: the line (X, Z, angle), the end point (X, Z) and the radius.
    QLineEdit *Text1, *Text2, *Text3, *Text4, *Text5, *Text8;
    // Results: the centre, the start point, I and K.
    QLineEdit *Text6, *Text7, *Text9, *Text10, *Text11, *Text12;
    // Which of the two circles.
    QGroupBox *Frame1;
    QRadioButton *Option1, *Option2;
    QPushButton *Command1, *Command3, *Command4, *Command5, *Command6, *Command10, *Command2;

protected:
    void Compute(CalcForm &form, Drawing &drawing) override;
    // The centre box recomputes when it loses the focus, and Enter in it
    // moves on to the start point.
    bool eventFilter(QObject *watched, QEvent *event) override;
};

extern QPointer<frmLineRPoint> g_frmLineRPoint;

// Opens the calculator (its single instance).
void LineCirclePoint_Click();

}  // namespace brennvik
