#pragma once
// The material dialog "素材定義": the blank, its chucking and the choice of
// the cutting-condition file. Confirming stores the material values and
// builds the user graphic command block in g_OutputBlock.

#include <QDialog>

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace brennvik {

class UgcSketch;

class frmUGC : public QDialog {
    Q_OBJECT
public:
    explicit frmUGC(QWidget *parent = nullptr);
    // Deleted with its owner, the window is no longer the loaded instance.
    ~frmUGC() override;

    void Form_Load();
    void Check1_Click();
    void Check3_Click();
    void Command1_Click();  // "実　行"
    void Command2_Click();  // "キャンセル"
    void Material_Click();  // "加工条件選択"
    // The highlight family: a box's sketch line is drawn thick in magenta
    // while the box has the focus.
    void TextBox_GotFocus(QLineEdit *box);
    void TextBox_LostFocus(QLineEdit *box);
    void Text1_KeyPress(int keyAscii);

    QLineEdit *Text1 = nullptr;  // jaw grip length
    QLineEdit *Text2 = nullptr;  // jaw grip step
    QLineEdit *Text3 = nullptr;  // blank length OL
    QLineEdit *Text4 = nullptr;  // blank inner diameter ID
    QLineEdit *Text5 = nullptr;  // blank outer diameter OD
    QLineEdit *Text6 = nullptr;  // centre hole diameter
    QLineEdit *Text7 = nullptr;  // centre diameter
    QLineEdit *Text8 = nullptr;  // centre length
    QLineEdit *Text9 = nullptr;  // program origin P
    QGroupBox *ChuckingSelect = nullptr;
    QRadioButton *OD = nullptr;
    QRadioButton *ID = nullptr;
    QGroupBox *SpindleSelect = nullptr;
    QRadioButton *MainSpindle = nullptr;
    QRadioButton *SubSpindle = nullptr;
    QCheckBox *Check1 = nullptr;  // "センタ有り"
    QCheckBox *Check2 = nullptr;  // "正面図有り"
    QCheckBox *Check3 = nullptr;  // "グラフィック有り"
    QLineEdit *CsvFile = nullptr;
    QPushButton *Material = nullptr;
    QPushButton *Command1 = nullptr;
    QPushButton *Command2 = nullptr;
    UgcSketch *Sketch = nullptr;

public slots:
    // Escape and the close box: cancel.
    void reject() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The controls that only graphic data makes usable.
    QList<QWidget *> GraphicControls() const;
    int SketchLineOf(const QLineEdit *box) const;
    void Unload();
};

extern frmUGC *g_frmUGC;

frmUGC *EnsureMaterialForm();

// Creates the dialog if needed, shows the current condition file in its box
// CsvFile and shows it modally. An error the OK button met (a value too
// large for its variable) is raised here, in the calling command's trap;
// g_DialogOK is then False.
void ShowMaterialDialog();

}  // namespace brennvik
