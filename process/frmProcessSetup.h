#pragma once
// The machine-settings dialog "パラメータ設定".

#include <QDialog>

class QLabel;
class QLineEdit;

namespace brennvik {

class frmProcessSetup : public QDialog {
    Q_OBJECT
public:
    explicit frmProcessSetup(QWidget *parent = nullptr);

    // Home-position fields and their labels by the stored machine type.
    void ShapeHomeFieldsForMachineType();

    QLineEdit *txtHomeX = nullptr;
    QLineEdit *txtHomeZ = nullptr;
    QLabel *LabelAppX = nullptr;
    QLabel *LabelAppZ = nullptr;
};

extern frmProcessSetup *g_frmProcessSetup;

// Creates the dialog's instance if there is none and shapes it for the
// machine type.
void EnsureProcessSetupShaped();

}  // namespace brennvik
