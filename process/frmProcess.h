#pragma once
// The process dialog every process command asks its parameters in. A
// command relabels and hides fields, pre-fills it, shows it modally and,
// when it was confirmed, reads the process variables its OK button wrote.
// Both buttons and the close box unload it, so every command starts from
// the design state.

#include <QDialog>

class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace brennvik {

class frmProcess : public QDialog {
    Q_OBJECT
public:
    explicit frmProcess(QWidget *parent = nullptr);
    // Deleted with its owner, the window is no longer the loaded instance.
    ~frmProcess() override;

    void Command1_Click();  // "実　行"
    void Command2_Click();  // "キャンセル"
    void B_LostFocus();
    // Enter in ToolNumber, V and F moves along T -> V -> F -> U.
    void ToolNumber_KeyPress(int keyAscii);
    void V_KeyPress(int keyAscii);
    void F_KeyPress(int keyAscii);
    // The GotFocus handler of every text box: a box that is not empty gets
    // its whole text selected.
    void TextBox_GotFocus(QLineEdit *box, Qt::FocusReason reason);
    // Moves a name label out of its own row to stand right before `anchor`,
    // so that a caption qualifying another field reads with that field's
    // caption. The next command finds the form as designed again.
    void PlaceLabelBefore(QLabel *label, QLabel *anchor);

    // Text boxes in tab order.
    QLineEdit *ToolNumber = nullptr;
    QLineEdit *B = nullptr;
    QLineEdit *V = nullptr;
    QLineEdit *F = nullptr;
    QLineEdit *U = nullptr;
    QLineEdit *W = nullptr;
    QLineEdit *D = nullptr;
    QLineEdit *L = nullptr;
    QLineEdit *C = nullptr;
    QLineEdit *SZ = nullptr;
    QLineEdit *StartX = nullptr;
    QLineEdit *StartZ = nullptr;
    QLineEdit *StartC = nullptr;
    QLineEdit *EndX = nullptr;
    QLineEdit *EndZ = nullptr;
    QLineEdit *EndC = nullptr;

    QLabel *Label1 = nullptr;
    QLabel *Label10 = nullptr;
    QLabel *LabelB = nullptr;
    QLabel *LabelB2 = nullptr;
    QLabel *LabelV = nullptr;
    QLabel *Labelv2 = nullptr;
    QLabel *LabelF = nullptr;
    QLabel *LabelF2 = nullptr;
    QLabel *LabelU = nullptr;
    QLabel *LabelU2 = nullptr;
    QLabel *LabelW = nullptr;
    QLabel *LabelW2 = nullptr;
    QLabel *LabelD = nullptr;
    QLabel *LabelD2 = nullptr;
    QLabel *LabelL = nullptr;
    QLabel *LabelL2 = nullptr;
    QLabel *LabelC = nullptr;
    QLabel *LabelC2 = nullptr;
    QLabel *LabelCZ = nullptr;
    QLabel *LabelSZ = nullptr;
    QLabel *LabelStart = nullptr;
    QLabel *LabelStartX = nullptr;
    QLabel *LabelStartZ = nullptr;
    QLabel *LabelStartC = nullptr;
    QLabel *LabelEnd = nullptr;
    QLabel *LabelEndX = nullptr;
    QLabel *LabelEndZ = nullptr;
    QLabel *LabelEndC = nullptr;
    QLabel *EndZ2 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *LabelAttn = nullptr;

    QGroupBox *Frame1 = nullptr;  // spindle
    QRadioButton *SpindleCW = nullptr;
    QRadioButton *SpindleCCW = nullptr;
    QGroupBox *Frame2 = nullptr;  // coolant
    QRadioButton *CoolantON = nullptr;
    QRadioButton *CoolantOFF = nullptr;
    QGroupBox *TipPostion = nullptr;
    QRadioButton *M602 = nullptr;
    QRadioButton *M603 = nullptr;
    QGroupBox *Frame3 = nullptr;  // chamfer kind
    QRadioButton *Option1 = nullptr;
    QRadioButton *Option2 = nullptr;

    QPushButton *Command1 = nullptr;
    QPushButton *Command2 = nullptr;

public slots:
    // Escape and the close box: cancel.
    void reject() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Unload();
    QGridLayout *m_grid = nullptr;
};

// The dialog's single instance, or nullptr while it is unloaded.
extern frmProcess *g_frmProcess;

// Creates the instance if there is none.
frmProcess *EnsureProcessForm();

// Shows the dialog modally. An error the OK button met while reading the
// fields (a value too large for its variable) is raised here, in the
// calling command's trap; g_DialogOK is then False.
void ShowProcessDialog();

// Copies every field into the process variables and builds the words. Reads
// everything before it changes anything, so an overflow leaves all as it was.
void ReadProcessDialog();

// Fills the tool number, spindle and coolant options and V, F, D, L, U, W, C
// from a row of the cutting-condition table. Error 13 when the spindle or
// coolant cell is empty or no number.
void PrefillProcessDialog(int row);

}  // namespace brennvik
