#pragma once
// The size-shift dialog "計算によるデータの変更": modeless, one instance.

#include <QDialog>
#include <QPointer>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace brennvik {

struct ShiftFormula;

class frmSizeShift : public QDialog {
    Q_OBJECT
public:
    explicit frmSizeShift(QWidget *parent = nullptr);

    QLabel *Label1 = nullptr;
    QLineEdit *txtFind = nullptr;
    QLabel *Label2 = nullptr;
    QLineEdit *txtValue = nullptr;
    QLabel *Label3 = nullptr;
    QGroupBox *Frame1 = nullptr;
    QRadioButton *Option1 = nullptr;
    QRadioButton *Option2 = nullptr;
    QRadioButton *Option3 = nullptr;
    QRadioButton *Option4 = nullptr;
    QCheckBox *Check1 = nullptr;
    QPushButton *Change = nullptr;
    QPushButton *NextFind = nullptr;
    QPushButton *AllChange = nullptr;
    QPushButton *Cancel = nullptr;

    void Form_Load();
    void txtFind_Change();
    void txtValue_Change();
    void txtFind_KeyPress();
    void txtValue_KeyPress();
    void Change_Click();
    void NextFind_Click();
    void AllChange_Click();
    void Cancel_Click();

private:
    void TakeBoxTexts();
    int16_t ChosenFormat() const;
    // The formula of txtValue; a message and false when it cannot be used.
    bool ReadFormula(ShiftFormula *formula);
};

extern QPointer<frmSizeShift> g_frmSizeShift;

frmSizeShift *LoadSizeShiftDialog();

// Rewrites the number after the address the pane's selection holds (the
// address found last), by `formula` in g_ShiftFormat; nothing when the
// selection is not the address or no number follows it.
void ShiftCoordinateWords(const ShiftFormula &formula);

}  // namespace brennvik
