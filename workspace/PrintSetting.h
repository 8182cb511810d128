#pragma once
// The print-settings window "プリント設定": margins, columns, the printer
// and the print font. Modeless, one instance; "O K" and "キャンセル" unload it.

#include <QDialog>
#include <QPointer>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace brennvik {

class PrintSetting : public QDialog {
    Q_OBJECT
public:
    explicit PrintSetting(QWidget *parent = nullptr);

    QGroupBox *Frame1 = nullptr;  // "余白の行数"
    QLabel *Label1 = nullptr;     // "左"
    QLineEdit *Text1 = nullptr;   // left margin
    QLabel *Label2 = nullptr;     // "右"
    QLineEdit *Text2 = nullptr;   // right margin
    QGroupBox *Frame2 = nullptr;  // "列の数"
    QRadioButton *Option1 = nullptr;
    QRadioButton *Option2 = nullptr;
    QPushButton *Command1 = nullptr;
    QPushButton *Command2 = nullptr;
    QPushButton *Command3 = nullptr;
    QPushButton *Command4 = nullptr;

    // Puts the print settings into the controls.
    void FillFromSettings();

    void Command1_Click();  // the printer set-up dialog
    void Command2_Click();  // the print font
    void Command3_Click();  // "O K"
    void Command4_Click();  // "キャンセル"
};

extern QPointer<PrintSetting> g_PrintSetting;

// File > プリンターの設定: fills and shows the window.
void mnuFilePrinterSetup_Click();

}  // namespace brennvik
