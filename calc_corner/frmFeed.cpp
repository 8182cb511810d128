#include "frmFeed.h"

#include "cutting_data.h"
#include "platform/ControlNames.h"
#include "workspace/runtime.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace brennvik {

QPointer<frmFeed> g_frmFeed;

frmFeed::frmFeed() : CalculatorWindow("frmFeed", QStringLiteral(" 面粗さによる送り速度の計算")) {
    Frame1 = Named(new QGroupBox(QStringLiteral("面粗さ"), this), "Frame1");
    Option1 = Named(new QRadioButton(QStringLiteral("Ra"), Frame1), "Option1");
    Option2 = Named(new QRadioButton(QStringLiteral("Rｚ"), Frame1), "Option2");
    Option1->setChecked(true);
    auto *kinds = new QHBoxLayout(Frame1);
    kinds->addWidget(Option1);
    kinds->addWidget(Option2);
    RA = EditBox("RA");
    NoseR = EditBox("NoseR", {}, QStringLiteral("例：0.4、0.8、1.2など"));
    Label2 = Label("Label2", QStringLiteral("um"));
    Label1 = Label("Label1", QStringLiteral("ノーズR"));
    Label3 = Label("Label3", QStringLiteral("mm"));
    Label4 = Label("Label4", QStringLiteral("注意： 理論上の送りなので加工条件により面粗さは悪くなることがあります。"));
    Label4->setWordWrap(true);

    auto *grid = new QGridLayout;
    grid->addWidget(Frame1, 0, 0);
    grid->addWidget(RA, 0, 1);
    grid->addWidget(Label2, 0, 2);
    grid->addWidget(Label1, 1, 0, Qt::AlignRight);
    grid->addWidget(NoseR, 1, 1);
    grid->addWidget(Label3, 1, 2);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(Label4);
    Label4->setFixedWidth(360);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    SetEnterOrder({RA, NoseR});
    OnEnter(NoseR, [this] { NoseR_Enter(); });
}

void frmFeed::NoseR_Enter() {
    if (RA->text().isEmpty()) {
        RA->setFocus(Qt::OtherFocusReason);
        return;
    }
    InsertAndClose([this] { return FeedText(Val(RA->text()), Val(NoseR->text()), Option1->isChecked()); });
}

void mnuToolsFeed_Click() { ShowCalculator(g_frmFeed); }

}  // namespace brennvik
