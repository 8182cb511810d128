#include "frmLineAngle.h"

#include "calc_tangent/CalcPicture.h"
#include "line_angle.h"
#include "sketches.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace brennvik {

QPointer<frmLineAngle> g_frmLineAngle;

namespace {
const QSizeF kSketchTwips(4200, 2400);
}  // namespace

frmLineAngle::frmLineAngle() : CalculatorWindow("frmLineAngle", QStringLiteral("直線と角度")) {
    Picture1 = new CalcPicture(kSketchTwips, this);
    Picture1->SetDrawing(LineAngleSketch(kSketchTwips));

    auto noteEdit = [this](QLineEdit *, bool edited) { m_edited = m_edited || edited; };
    Text1 = EditBox("Text1", noteEdit);
    Text2 = EditBox("Text2", noteEdit);
    Text3 = EditBox("Text3", noteEdit);
    Text4 = EditBox("Text4", [this](QLineEdit *, bool edited) {
        m_edited = m_edited || edited;
        Text4_LostFocus();
    });
    Text5 = EditBox("Text5", [this](QLineEdit *, bool edited) {
        m_edited = m_edited || edited;
        Text5_LostFocus();
    });
    Label1 = Label("Label1", QStringLiteral("始  点   X1"));
    Label2 = Label("Label2", QStringLiteral("　　　　　 Z1"));
    Label3 = Label("Label3", QStringLiteral("角　度   A"));
    Label4 = Label("Label4", QStringLiteral("終　点   X2"));
    Label5 = Label("Label5", QStringLiteral("　　　　   Z2"));
    Label6 = Label("Label6", QStringLiteral("始点とＡ，Ｘ２，Ｚ２のいずれか２箇所を入力してください。"));
    Label6->setWordWrap(true);

    Command1 =
        Button("Command1", QStringLiteral("X 2"), [this] { InsertAndClose([this] { return u'X' + Text4->text(); }); });
    Command3 =
        Button("Command3", QStringLiteral("Z 2"), [this] { InsertAndClose([this] { return u'Z' + Text5->text(); }); });
    Command4 = Button("Command4", QStringLiteral("X2 , Z2"), [this] {
        InsertAndClose([this] { return u'X' + Text4->text() + QStringLiteral(" Z") + Text5->text(); });
    });
    Command5 =
        Button("Command5", QStringLiteral("A"), [this] { InsertAndClose([this] { return u'A' + Text3->text(); }); });
    Frame1 = ButtonFrame("Frame1", QStringLiteral("挿　入"), {Command1, Command3, Command4, Command5}, Qt::Vertical);
    Command2 = Button("Command2", QStringLiteral("キャンセル"), [this] { close(); });

    QGridLayout *boxes =
        LabelledRows({{Label1, Text1}, {Label2, Text2}, {Label3, Text3}, {Label4, Text4}, {Label5, Text5}});
    boxes->addWidget(Frame1, 0, 2, 5, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Picture1);
    layout->addWidget(Label6);
    layout->addLayout(boxes);
    layout->addWidget(Command2, 0, Qt::AlignRight);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    SetEnterOrder({Text1, Text2, Text3, Text4, Text5, Command1});
    Text1->setFocus();
}

void frmLineAngle::Text4_LostFocus() { Solve(LineAngleEndXLeft); }

void frmLineAngle::Text5_LostFocus() { Solve(LineAngleEndZLeft); }

void frmLineAngle::Solve(bool (*compute)(CalcForm &)) {
    if (!m_edited) return;
    bool solved = false;
    ApplyToBoxes([&](CalcForm &form) { solved = compute(form); });
    // A leave that found too little to compute, or failed, keeps the edit
    // for the next one.
    if (solved) m_edited = false;
}

void LineAngle_Click() { ShowCalculator(g_frmLineAngle); }

}  // namespace brennvik
