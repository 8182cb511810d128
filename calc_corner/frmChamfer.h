#pragma once
// The calculator "面取り": the start and end points of the tool path that cuts
// a chamfer at an outer or inner corner, with approach and nose-radius
// compensation, inserted as two NC lines.

#include "calc_tangent/DrawingCalculatorWindow.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace brennvik {

class frmChamfer : public DrawingCalculatorWindow {
    Q_OBJECT
public:
    frmChamfer();

    // Inputs: the corner, the chamfer, the approach, the nose radius.
    QLineEdit *Text1, *Text2, *Text3, *Text4, *Text5, *Text6, *Text7;
    // Results: the start and end points.
    QLineEdit *Text8, *Text9, *Text10, *Text11;
    QGroupBox *Frame1, *Frame2, *Frame3;
    QRadioButton *OD, *ID, *Option1, *Option2, *Option3, *Option4;
    QPushButton *Command1, *Command2, *Command3;
    QLabel *Label6;

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();

protected:
    void Compute(CalcForm &form, Drawing &drawing) override;
    // The read-out, once shown, stays: moving over the window hides nothing.
    void mouseMoveEvent(QMouseEvent *event) override;
};

extern QPointer<frmChamfer> g_frmChamfer;

// Opens the calculator (its single instance).
void Chamfer_Click();

}  // namespace brennvik
