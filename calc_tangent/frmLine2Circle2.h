#pragma once
// The calculator "2直線と2円の接点": two parallel lines joined by two circles
// that touch each other, with the tangent and contact points, the centres
// and the I/K words of both arcs.

#include "DrawingCalculatorWindow.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace brennvik {

class frmLine2Circle2 : public DrawingCalculatorWindow {
    Q_OBJECT
public:
    frmLine2Circle2();

    // Points 1 to 3 and the radii; which boxes are inputs depends on the
    // line direction.
    QLineEdit *Text1, *Text2, *Text3, *Text4, *Text5, *Text6, *Text7, *Text8;
    // The centres and the I/K words of both arcs.
    QLineEdit *Text9, *Text10, *Text11, *Text12, *Text13, *Text14, *Text15, *Text16;
    // Frame2 (the frame's member) holds the line direction here.
    QGroupBox *Frame1;
    QRadioButton *Option1, *Option2, *Option3, *Option4;
    QPushButton *Command1, *Command3, *Command4, *Command5, *Command6, *Command10, *Command2;
    QLabel *Label21;

    void Form_Load();
    void Option3_Click();
    void Option4_Click();

protected:
    void Compute(CalcForm &form, Drawing &drawing) override;
    // An edited along-line box becomes the one the solution starts from;
    // leaving a box unedited solves nothing again, so that flooring cannot
    // creep through the boxes.
    void InputLeft(QLineEdit *box, bool edited) override;

private:
    // Locks the point-3 box that lies across the lines and words the note.
    void SetDirection(bool vertical);
};

extern QPointer<frmLine2Circle2> g_frmLine2Circle2;

// Opens the calculator (its single instance).
void Line2Circle2_Click();

}  // namespace brennvik
