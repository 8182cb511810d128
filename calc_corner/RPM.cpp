#include "RPM.h"

#include "cutting_data.h"
#include "workspace/runtime.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace brennvik {

QPointer<RPM> g_RPM;

RPM::RPM() : CalculatorWindow("RPM", QStringLiteral(" 回転数の計算")) {
    V = EditBox("V");
    Diameter = EditBox("Diameter", {}, QStringLiteral("mm"));
    Label1 = Label("Label1", QStringLiteral("切削速度"));
    Label3 = Label("Label3", QStringLiteral("V"));
    Label5 = Label("Label5", QStringLiteral("m/min"));
    Label2 = Label("Label2", QStringLiteral("直　径"));
    Label4 = Label("Label4", QStringLiteral("D"));
    Label6 = Label("Label6", QStringLiteral("mm"));
    auto *grid = new QGridLayout(this);
    QWidget *rows[2][4] = {{Label1, Label3, V, Label5}, {Label2, Label4, Diameter, Label6}};
    for (int row = 0; row < 2; ++row)
        for (int column = 0; column < 4; ++column) grid->addWidget(rows[row][column], row, column);
    grid->setSizeConstraint(QLayout::SetFixedSize);

    SetEnterOrder({V, Diameter});
    OnEnter(Diameter, [this] { Diameter_Enter(); });
    V->setFocus();
}

void RPM::Diameter_Enter() {
    if (V->text().isEmpty()) {
        V->setFocus(Qt::OtherFocusReason);
        return;
    }
    InsertAndClose([this] { return SpindleSpeedText(Val(V->text()), Val(Diameter->text())); });
}

void mnuToolsrpm_Click() { ShowCalculator(g_RPM); }

}  // namespace brennvik
