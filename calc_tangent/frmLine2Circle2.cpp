#include "frmLine2Circle2.h"

#include "CalcPicture.h"
#include "line2_circle2.h"
#include "platform/ControlNames.h"
#include "workspace/frmMain.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace brennvik {

QPointer<frmLine2Circle2> g_frmLine2Circle2;

namespace {

// The boxes in four columns, each behind its label.
const LabelledBox kCells[] = {
    {"Label1", "線と円の接点1 X", "Text1", 0, 0},  {"Label2", "Z", "Text2", 0, 2},
    {"Label3", "R", "Text3", 0, 4},                {"Label4", "線と円の接点2 X", "Text4", 1, 0},
    {"Label5", "Z", "Text5", 1, 2},                {"Label8", "R", "Text6", 1, 4},
    {"Label7", "円と円の接点3 X", "Text7", 2, 0},  {"Label6", "Z", "Text8", 2, 2},
    {"Label9", "第１円の中心  X", "Text9", 3, 0},  {"Label10", "Z", "Text10", 3, 2},
    {"Label11", "I", "Text11", 3, 4},              {"Label12", "K", "Text12", 3, 6},
    {"Label13", "第２円の中心  X", "Text13", 4, 0}, {"Label14", "Z", "Text14", 4, 2},
    {"Label15", "I", "Text15", 4, 4},              {"Label16", "K", "Text16", 4, 6},
};

const char kHorizontalNote[] = "※Z軸位置は接点１・接点２．接点３のいずれかを入力してください。";
const char kVerticalNote[] = "※X軸位置は接点１・接点２．接点３のいずれかを入力してください。";

}  // namespace

frmLine2Circle2::frmLine2Circle2() : DrawingCalculatorWindow("frmLine2Circle2", QStringLiteral("2直線と2円の接点")) {
    // Input boxes first: they lead the tab order.
    QLineEdit **inputs[] = {&Text1, &Text2, &Text3, &Text4, &Text5, &Text6, &Text7, &Text8};
    for (int i = 0; i < 8; ++i) *inputs[i] = InputBox(QByteArray("Text" + QByteArray::number(i + 1)).constData());
    QLineEdit **results[] = {&Text9, &Text10, &Text11, &Text12, &Text13, &Text14, &Text15, &Text16};
    for (int i = 0; i < 8; ++i) *results[i] = ResultBox(QByteArray("Text" + QByteArray::number(i + 9)).constData());

    auto *grid = new QGridLayout;
    PlaceLabelledBoxes(grid, kCells, StandardBoxWidth());
    auto pair = [this](QLineEdit *first, QChar a, QLineEdit *second, QChar b) {
        return [this, first, a, second, b] { Insert(WordPairLine(a, first->text(), b, second->text())); };
    };
    Command1 = Button("Command1", QStringLiteral("X Z 挿入"), pair(Text1, u'X', Text2, u'Z'));
    Command3 = Button("Command3", QStringLiteral("X Z 挿入"), pair(Text4, u'X', Text5, u'Z'));
    Command4 = Button("Command4", QStringLiteral("X Z 挿入"), pair(Text7, u'X', Text8, u'Z'));
    Command5 = Button("Command5", QStringLiteral("I K 挿入"), pair(Text11, u'I', Text12, u'K'));
    Command6 = Button("Command6", QStringLiteral("I K 挿入"), pair(Text15, u'I', Text16, u'K'));
    QPushButton *inserts[] = {Command1, Command3, Command4, Command5, Command6};
    for (int row = 0; row < 5; ++row) grid->addWidget(inserts[row], row, 8);

    Frame2 = Named(new QGroupBox(QStringLiteral("線の方向"), this), "Frame2");
    Option3 = Named(new QRadioButton(QStringLiteral("水平"), Frame2), "Option3");
    Option4 = Named(new QRadioButton(QStringLiteral("垂直"), Frame2), "Option4");
    Option3->setChecked(true);
    connect(Option3, &QRadioButton::clicked, this, &frmLine2Circle2::Option3_Click);
    connect(Option4, &QRadioButton::clicked, this, &frmLine2Circle2::Option4_Click);
    auto *directions = new QHBoxLayout(Frame2);
    directions->addWidget(Option3);
    directions->addWidget(Option4);

    Frame1 = SolutionFrame(QStringLiteral("円の位置"), {&Option1, &Option2});

    Label21 = Label("Label21", QString());
    Command10 = Button("Command10", QStringLiteral("印　刷"), [this] { PrintWindow(); });
    Command2 = Button("Command2", QStringLiteral("キャンセル"), [this] { close(); });

    auto *frames = new QHBoxLayout;
    frames->addWidget(Frame2);
    frames->addWidget(Frame1);
    frames->addStretch();
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(Label21, 1);
    bottom->addWidget(Command10);
    bottom->addWidget(Command2);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Picture1);
    layout->addLayout(frames);
    layout->addLayout(grid);
    layout->addLayout(bottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    SetEnterOrder({Text1, Text2, Text3, Text4, Text5, Text6, Text8, Text1});
    SetEnterOrder({Text7, Text1});
    Text1->setFocus();
    Form_Load();
}

void frmLine2Circle2::Form_Load() { SetDirection(false); }

void frmLine2Circle2::SetDirection(bool vertical) {
    SetBoxLocked(vertical ? Text8 : Text7, true);
    SetBoxLocked(vertical ? Text7 : Text8, false);
    Label21->setText(QString::fromUtf8(vertical ? kVerticalNote : kHorizontalNote));
}

void frmLine2Circle2::Option3_Click() {
    SetDirection(false);
    Text1->setFocus(Qt::OtherFocusReason);
    Recalc();
}

void frmLine2Circle2::Option4_Click() {
    SetDirection(true);
    Text1->setFocus(Qt::OtherFocusReason);
    Recalc();
}

void frmLine2Circle2::Compute(CalcForm &form, Drawing &drawing) { RecalcLine2Circle2(form, drawing); }

void frmLine2Circle2::InputLeft(QLineEdit *box, bool edited) {
    if (!edited) return;
    if (!box->text().isEmpty())
        for (const QString &name : BoxesClearedOnLeaving(box->objectName(), Option4->isChecked()))
            findChild<QLineEdit *>(name)->clear();
    Recalc();
}

void Line2Circle2_Click() { ShowCalculator(g_frmLine2Circle2); }

}  // namespace brennvik
