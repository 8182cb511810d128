#include "frmNoseRAngle.h"

#include "calc_tangent/CalcPicture.h"
#include "nose_r_angle.h"
#include "sketches.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace brennvik {

QPointer<frmNoseRAngle> g_frmNoseRAngle;

namespace {
const QSizeF kSketchTwips(4200, 2700);
}  // namespace

frmNoseRAngle::frmNoseRAngle() : CalculatorWindow("frmNoseRAngle", QStringLiteral("テーパーのノーズＲ補正")) {
    Picture1 = new CalcPicture(kSketchTwips, this);
    Picture1->SetDrawing(NoseRAngleSketch(kSketchTwips));

    Text1 = EditBox("Text1", [this](QLineEdit *, bool) { Input_LostFocus(); });
    Text2 = EditBox("Text2", [this](QLineEdit *, bool) { Input_LostFocus(); });
    Text3 = ResultBox("Text3");
    Text4 = ResultBox("Text4");
    Text5 = ResultBox("Text5");
    Label1 = Label("Label1", QStringLiteral("ノーズR"));
    Label2 = Label("Label2", QStringLiteral("角　　度"));
    Label3 = Label("Label3", QStringLiteral("補正量 Ｘ"));
    Label4 = Label("Label4", QStringLiteral("　　　　　Ｚ"));
    Label5 = Label("Label5", QStringLiteral("下り　 　Ｚ2"));

    // Each insert: a blank and the amount, nothing else.
    Command1 = Button("Command1", QStringLiteral("X"), [this] { Insert(u' ' + Text3->text()); });
    Command3 = Button("Command3", QStringLiteral("Z"), [this] { Insert(u' ' + Text4->text()); });
    Command4 = Button("Command4", QStringLiteral("Z2"), [this] { Insert(u' ' + Text5->text()); });
    Frame1 = ButtonFrame("Frame1", QStringLiteral("挿　入"), {Command1, Command3, Command4}, Qt::Horizontal);
    Command2 = Button("Command2", QStringLiteral("キャンセル"), [this] { close(); });

    QGridLayout *boxes =
        LabelledRows({{Label1, Text1}, {Label2, Text2}, {Label3, Text3}, {Label4, Text4}, {Label5, Text5}});
    auto *side = new QVBoxLayout;
    side->addWidget(Frame1);
    side->addStretch();
    side->addWidget(Command2);
    auto *lower = new QHBoxLayout;
    lower->addLayout(boxes);
    lower->addLayout(side);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Picture1);
    layout->addLayout(lower);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    SetEnterOrder({Text1, Text2, Text1});
    Text1->setFocus();
}

void frmNoseRAngle::Input_LostFocus() { ApplyToBoxes(RecalcNoseRAngle); }

void AngleNoseR_Click() { ShowCalculator(g_frmNoseRAngle); }

}  // namespace brennvik
