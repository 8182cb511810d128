#pragma once
// The replace dialog "文字列の置き換え": modeless, one instance.

#include <QDialog>
#include <QPointer>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace brennvik {

class frmReplace : public QDialog {
    Q_OBJECT
public:
    explicit frmReplace(QWidget *parent = nullptr);

    QLabel *Label1 = nullptr;
    QLineEdit *txtFind = nullptr;
    QLabel *Label2 = nullptr;
    QLineEdit *txtReplace = nullptr;
    QCheckBox *Check1 = nullptr;
    QPushButton *Change = nullptr;
    QPushButton *NextFind = nullptr;
    QPushButton *AllChange = nullptr;
    QPushButton *Cancel = nullptr;

    void Form_Load();
    void txtFind_Change();
    void txtReplace_Change();
    void Change_Click();
    void NextFind_Click();
    void AllChange_Click();
    void Cancel_Click();

private:
    // The boxes of this dialog become the search and replacement texts.
    void TakeBoxTexts();
};

extern QPointer<frmReplace> g_frmReplace;

frmReplace *LoadReplaceDialog();

}  // namespace brennvik
