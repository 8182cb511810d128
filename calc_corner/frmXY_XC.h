#pragma once
// The calculator "XY-XC座標変換": two points of the face between X-Y and
// X (diameter) / C, the line through them and its Y-axis mode position.

#include "calc_tangent/DrawingCalculatorWindow.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace brennvik {

class frmXY_XC : public DrawingCalculatorWindow {
    Q_OBJECT
public:
    frmXY_XC();

    // Point 1: x, y, X, C; point 2 likewise.
    QLineEdit *Text1, *Text2, *Text3, *Text4, *Text5, *Text6, *Text7, *Text8;
    // The line's angle A and length L, the reference angle C, the turned points.
    QLineEdit *Text9, *Text10, *Text11, *Text12, *Text13, *Text14, *Text15;
    // The mode: OptionXY (the frame's member) "Ｘ-Y" converts X-Y to X/C,
    // OptionXC "Ｘ－C" the other way.
    QGroupBox *Frame3;
    QRadioButton *OptionXC;
    // The polar read-out beside Picture3, and the axis captions.
    QLabel *Picture5 = nullptr, *Picture2 = nullptr, *Picture4 = nullptr;
    QLabel *Label5, *Label11, *Label17, *Label18, *Label21;
    QPushButton *Command1, *Command5, *Command3, *Command4, *Command7, *Command6, *Command8, *Command11, *Command13,
        *Command2;

    void Form_Load();
    // Switches the input boxes to the chosen mode; computes nothing.
    void OptionXY_Click();
    void OptionXC_Click();

protected:
    void Compute(CalcForm &form, Drawing &drawing) override;
    // Only an edited box converts again: converting back and forth the
    // floored values of the other side would move the points.
    void InputLeft(QLineEdit *box, bool edited) override;
    void ShowReadout(QPointF position) override;
    void FitReadouts() override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    void SetMode(bool fromXY);
};

extern QPointer<frmXY_XC> g_frmXY_XC;

// Opens the calculator (its single instance).
void XY_XC_Click();

}  // namespace brennvik
