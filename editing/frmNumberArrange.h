#pragma once
// The sequence-number arrangement dialog "シーケンスナンバーアレンジ":
// modeless, one instance, unloaded when the run starts.

#include <QDialog>
#include <QPointer>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace brennvik {

struct RenumberOptions;

class frmNumberArrange : public QDialog {
    Q_OBJECT
public:
    explicit frmNumberArrange(QWidget *parent = nullptr);

    QLabel *Label1 = nullptr;
    QLineEdit *DigitNo = nullptr;
    QLabel *Label3 = nullptr;
    QLineEdit *StartNo = nullptr;
    QLabel *Label2 = nullptr;
    QLineEdit *AddNo = nullptr;
    QGroupBox *Frame1 = nullptr;
    QRadioButton *WithoutSpace = nullptr;
    QRadioButton *With1Space = nullptr;
    QRadioButton *With5Space = nullptr;
    QCheckBox *FromTop = nullptr;
    QCheckBox *StopM02 = nullptr;
    QCheckBox *Continue = nullptr;
    QCheckBox *NoDelete = nullptr;
    QCheckBox *BSkip = nullptr;
    QPushButton *Command1 = nullptr;
    QPushButton *Cancel = nullptr;

    void Form_Load();
    void Command1_Click();
    void Cancel_Click();
    void NoDelete_Click();
    void StopM02_Click();

    // Is `code` an end code on the line the run has just numbered (from
    // g_CaretPos up to the line feed before g_LineEndPos)?
    bool MCheck(const QString &code) const;

private:
    // The dialog's choices; a message and false when a box holds no usable number.
    bool ReadOptions(RenumberOptions *options);
};

extern QPointer<frmNumberArrange> g_frmNumberArrange;

frmNumberArrange *LoadNumberArrangeDialog();

}  // namespace brennvik
