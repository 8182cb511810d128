#pragma once
// The calculator " 2直線と接する円": the circle of radius R tangent to two
// lines, its tangent points and I/K, and the nose-radius compensation of a
// turning tool cutting it.

#include "DrawingCalculatorWindow.h"

#include <QMargins>
#include <QRect>

#include <array>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace brennvik {

class frmLineRLine : public DrawingCalculatorWindow {
    Q_OBJECT
public:
    frmLineRLine();

    // Inputs: line 1, line 2, the radius and the nose radius.
    QLineEdit *Text1, *Text2, *Text3, *Text4, *Text5, *Text6, *Text9, *Text20;
    // Results of the circle.
    QLineEdit *Text7, *Text8, *Text10, *Text11, *Text12, *Text13, *Text14, *Text15, *Text16, *Text17, *Text18,
        *Text19;
    // Results of the nose-radius compensation.
    QLineEdit *Text21, *Text22, *Text23, *Text24, *Text25, *Text26, *Text27, *Text28, *Text29, *Text30, *Text31,
        *Text32, *Text33, *Text34;

    QGroupBox *Frame1, *Frame3, *Frame4;
    QRadioButton *Option1, *Option2, *Option3, *Option4, *Option5, *Option6;
    std::array<QRadioButton *, 8> NosePN{};
    QCheckBox *Check1, *Check2;
    QPushButton *Command4, *Command5, *Command8, *Command9, *Command2;
    QLabel *Label21, *Label22;

    void Form_Load();
    // Puts the window, `frame` and all, near the lower-right corner of `screen`.
    void PlaceAtLowerRight(const QRect &screen, const QMargins &frame);
    void Check2_Click();
    void Command2_Click();

protected:
    void Compute(CalcForm &form, Drawing &drawing) override;
    void PlaneChanged(Plane plane) override;
};

extern QPointer<frmLineRLine> g_frmLineRLine;

// Opens the calculator (its single instance).
void LineCircleLine_Click();

}  // namespace brennvik
