#pragma once
// The find dialog "検索": modeless, one instance.

#include <QDialog>
#include <QPointer>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace brennvik {

class frmFind : public QDialog {
    Q_OBJECT
public:
    explicit frmFind(QWidget *parent = nullptr);

    QLabel *Label1 = nullptr;
    QLineEdit *txtFind = nullptr;
    QCheckBox *Check1 = nullptr;
    QPushButton *NextFind = nullptr;
    QPushButton *Cancel = nullptr;

    void Form_Load();
    void txtFind_Change();
    void NextFind_Click();
    void Cancel_Click();
};

extern QPointer<frmFind> g_frmFind;

// The instance, created (loaded, not shown) on first use.
frmFind *LoadFindDialog();

}  // namespace brennvik
