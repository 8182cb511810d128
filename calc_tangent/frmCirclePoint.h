#pragma once
// The calculator "円と接する点": the point of a circle where the tangent
// runs at a given angle, and I and K from it to the centre.

#include "DrawingCalculatorWindow.h"

class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace brennvik {

class frmCirclePoint : public DrawingCalculatorWindow {
    Q_OBJECT
public:
    frmCirclePoint();

    // Inputs: the centre (X, Z), the radius and the tangent's angle.
    QLineEdit *Text1, *Text2, *Text3, *Text4;
    // Results: the point, I and K.
    QLineEdit *Text5, *Text6, *Text7, *Text8;
    // Which of the two points.
    QGroupBox *Frame1;
    QRadioButton *Option1, *Option2;
    QPushButton *Command1, *Command3, *Command10, *Command2;

protected:
    void Compute(CalcForm &form, Drawing &drawing) override;
};

extern QPointer<frmCirclePoint> g_frmCirclePoint;

// Opens the calculator (its single instance).
void CirclePoint_Click();

}  // namespace brennvik
