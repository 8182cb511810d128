#include "calc_grid.h"

#include "platform/ControlNames.h"
#include "workspace/frmMain.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace brennvik {

namespace {
constexpr double kBoxWidthTwips = 1095;
}

void PlaceLabelledBoxes(QGridLayout *grid, QWidget *window, std::initializer_list<LabelledBox> cells) {
    for (const LabelledBox &cell : cells) {
        grid->addWidget(Named(new QLabel(QString::fromUtf8(cell.caption), window), cell.label), cell.row, cell.column,
                        Qt::AlignRight | Qt::AlignVCenter);
        cell.box->setFixedWidth(TwipsToPixels(kBoxWidthTwips));
        grid->addWidget(cell.box, cell.row, cell.column + 1);
    }
}

void StackUnderDrawing(QWidget *window, QWidget *drawing, QGridLayout *grid) {
    auto *layout = new QVBoxLayout(window);
    layout->addWidget(drawing);
    layout->addLayout(grid);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void SetTabOrder(std::initializer_list<QWidget *> order) {
    QWidget *previous = nullptr;
    for (QWidget *control : order) {
        if (previous) QWidget::setTabOrder(previous, control);
        previous = control;
    }
}

}  // namespace brennvik
