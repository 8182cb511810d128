#pragma once
// The calculator " 面粗さによる送り速度の計算": the feed per revolution that
// gives a surface roughness with a nose radius, inserted at the caret when
// Enter is pressed in the nose radius.

#include "calc_tangent/CalculatorWindow.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace brennvik {

class frmFeed : public CalculatorWindow {
    Q_OBJECT
public:
    frmFeed();

    QGroupBox *Frame1;
    QRadioButton *Option1, *Option2;  // Ra, Rz
    QLineEdit *RA, *NoseR;
    QLabel *Label1, *Label2, *Label3, *Label4;

    // Enter in the nose radius: with a roughness, computes, inserts and
    // closes; a failure closes without inserting.
    void NoseR_Enter();
};

extern QPointer<frmFeed> g_frmFeed;

// Opens the calculator (its single instance).
void mnuToolsFeed_Click();

}  // namespace brennvik
