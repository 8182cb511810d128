#pragma once
// The machine-settings dialog "パラメータ設定". Its opening fills every
// field from the settings; confirming stores and saves them; both buttons
// and the close box unload it.

#include <QDialog>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace brennvik {

class frmProcessSetup : public QDialog {
    Q_OBJECT
public:
    explicit frmProcessSetup(QWidget *parent = nullptr);
    // Deleted with its owner, the window is no longer the loaded instance.
    ~frmProcessSetup() override;

    // Home-position fields and their labels by the stored machine type.
    void ShapeHomeFieldsForMachineType();
    // Puts the current machine settings into the fields.
    void FillFromSettings();

    void Command1_Click();  // "設　定"
    void Command2_Click();  // "キャンセル"
    // The machine-type rule; each does nothing unless its option is selected.
    void mcMacTurn_Click();
    void mcMULTUS_Click();
    void mcOther_Click();
    // The focus handler of the five number fields: select the whole text.
    void TextBox_GotFocus(QLineEdit *box, Qt::FocusReason reason);

    QLineEdit *txtMaxS = nullptr;
    QLineEdit *txtHomeX = nullptr;
    QLineEdit *txtHomeZ = nullptr;
    QLineEdit *txtAppX = nullptr;
    QLineEdit *txtAppZ = nullptr;
    QLabel *LabelAppX = nullptr;
    QLabel *LabelAppZ = nullptr;

    QCheckBox *chkToolLife = nullptr;
    QCheckBox *ChkOsp = nullptr;
    QCheckBox *chkM867 = nullptr;
    QCheckBox *ChkBturret = nullptr;
    QCheckBox *ChkMeasuer = nullptr;
    QCheckBox *ChkPanel = nullptr;
    QCheckBox *ChkDoor = nullptr;
    QCheckBox *ChkToolFrom = nullptr;
    QCheckBox *ChkLoadMoniter = nullptr;
    QCheckBox *ChkOptionalStop = nullptr;

    QGroupBox *FrameMachine = nullptr;  // "機　種"
    QRadioButton *mcOther = nullptr;
    QRadioButton *mcMacTurn = nullptr;
    QRadioButton *mcMULTUS = nullptr;
    QGroupBox *TurretH = nullptr;
    QRadioButton *H1 = nullptr;
    QRadioButton *H2 = nullptr;
    QGroupBox *AtcMacro = nullptr;
    QRadioButton *M321 = nullptr;
    QRadioButton *M421 = nullptr;
    QRadioButton *M441 = nullptr;
    QRadioButton *TD = nullptr;
    QGroupBox *chkToolType = nullptr;
    QRadioButton *HSK = nullptr;
    QRadioButton *BT = nullptr;

    QPushButton *Command1 = nullptr;
    QPushButton *Command2 = nullptr;

public slots:
    // Escape and the close box: unload with nothing changed; g_DialogOK stays.
    void reject() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    enum class Machine { MacTurn, MULTUS, Other };
    void ApplyMachineTypeRule(Machine machine);
    void ShapeHomeFields(Machine machine);
    void Unload();
};

extern frmProcessSetup *g_frmProcessSetup;

// Creates the dialog's instance if there is none and shapes it for the
// machine type.
void EnsureProcessSetupShaped();

}  // namespace brennvik
