#include "frmProcessSetup.h"

#include "machine_settings.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace brennvik {

frmProcessSetup *g_frmProcessSetup = nullptr;

frmProcessSetup::frmProcessSetup(QWidget *parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("パラメータ設定"));
    auto *grid = new QGridLayout(this);
    grid->addWidget(new QLabel(QStringLiteral("刃物台旋回位置"), this), 0, 0);
    LabelAppX = new QLabel(QStringLiteral("X"), this);
    LabelAppX->setObjectName(QStringLiteral("LabelAppX"));
    txtHomeX = new QLineEdit(this);
    txtHomeX->setObjectName(QStringLiteral("txtHomeX"));
    LabelAppZ = new QLabel(QStringLiteral("Z"), this);
    LabelAppZ->setObjectName(QStringLiteral("LabelAppZ"));
    txtHomeZ = new QLineEdit(this);
    txtHomeZ->setObjectName(QStringLiteral("txtHomeZ"));
    grid->addWidget(LabelAppX, 0, 1);
    grid->addWidget(txtHomeX, 0, 2);
    grid->addWidget(LabelAppZ, 0, 3);
    grid->addWidget(txtHomeZ, 0, 4);
}

void frmProcessSetup::ShapeHomeFieldsForMachineType() {
    const bool other = !g_MacTurn && !g_MULTUS;
    txtHomeX->setVisible(other);
    txtHomeZ->setVisible(other);
    LabelAppZ->setVisible(other);
    LabelAppX->setText(g_MacTurn ? QStringLiteral("G21 HP=4") : g_MULTUS ? QStringLiteral("G20 HP=4") : QStringLiteral("X"));
}

void EnsureProcessSetupShaped() {
    if (!g_frmProcessSetup) g_frmProcessSetup = new frmProcessSetup;
    g_frmProcessSetup->ShapeHomeFieldsForMachineType();
}

}  // namespace brennvik
