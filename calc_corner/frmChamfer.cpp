#include "frmChamfer.h"

#include "chamfer.h"
#include "chamfer_drawing.h"
#include "platform/ControlNames.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace brennvik {

QPointer<frmChamfer> g_frmChamfer;

namespace {

const LabelledBox kCells[] = {
    {"Label1", "面取り位置  X", "Text1", 0, 0}, {"Label2", "Z", "Text2", 0, 2},
    {"Label3", "量と角度  C", "Text3", 1, 0},   {"Label8", "A", "Text4", 1, 2},
    {"Label4", "アプローチ距離X", "Text5", 2, 0}, {"Label5", "Z", "Text6", 2, 2},
    {"Label7", "ノーズ R", "Text7", 3, 0},      {"Label9", "始点  X", "Text8", 4, 0},
    {"Label10", "Z", "Text9", 4, 2},            {"Label13", "終点  X", "Text10", 5, 0},
    {"Label14", "Z", "Text11", 5, 2},
};

}  // namespace

frmChamfer::frmChamfer() : DrawingCalculatorWindow("frmChamfer", QStringLiteral("面取り"), ChamferAreaTwips()) {
    Text1 = InputBox("Text1");
    Text2 = InputBox("Text2");
    Text3 = InputBox("Text3");
    Text4 = InputBox("Text4");
    Text5 = InputBox("Text5");
    Text6 = InputBox("Text6");
    // The nose radius recomputes as it is typed, and only then.
    Text7 = Named(new QLineEdit(this), "Text7");
    Text7->setFocusPolicy(Qt::ClickFocus);
    Text4->setText(QStringLiteral("45"));
    Text8 = ResultBox("Text8");
    Text9 = ResultBox("Text9");
    Text10 = ResultBox("Text10");
    Text11 = ResultBox("Text11");

    auto *grid = new QGridLayout;
    PlaceLabelledBoxes(grid, kCells, 80);
    Label6 = Label("Label6", QStringLiteral("（面取量は長手距離です。）"));
    Label6->setStyleSheet(QStringLiteral("color: #FF0000"));
    grid->addWidget(Label6, 1, 4);
    Command1 = Button("Command1", QStringLiteral("X Z 挿入"), [this] { Command1_Click(); });
    Command2 = Button("Command2", QStringLiteral("X Z 挿入"), [this] { Command2_Click(); });
    Command3 = Button("Command3", QStringLiteral("キャンセル"), [this] { Command3_Click(); });
    grid->addWidget(Command1, 4, 4, Qt::AlignLeft);
    grid->addWidget(Command2, 5, 4, Qt::AlignLeft);

    // Three frames of two options each, the first selected.
    auto optionFrame = [this](const char *name, const QString &caption, QRadioButton *&first, const char *firstName,
                              const QString &firstCaption, QRadioButton *&second, const char *secondName,
                              const QString &secondCaption) {
        auto *frame = Named(new QGroupBox(caption, this), name);
        first = RecalcOption(frame, firstName, firstCaption);
        second = RecalcOption(frame, secondName, secondCaption);
        first->setChecked(true);
        auto *row = new QHBoxLayout(frame);
        row->addWidget(first);
        row->addWidget(second);
        return frame;
    };
    Frame2 = optionFrame("Frame2", QStringLiteral("加工位置"), OD, "OD", QStringLiteral("外径"), ID, "ID",
                         QStringLiteral("内径"));
    Frame1 = optionFrame("Frame1", QStringLiteral("進行方向"), Option1, "Option1", QStringLiteral("順方向"), Option2,
                         "Option2", QStringLiteral("逆方向"));
    Frame3 = optionFrame("Frame3", QStringLiteral("補正位置"), Option3, "Option3", QStringLiteral("左"), Option4,
                         "Option4", QStringLiteral("右"));

    auto *side = new QVBoxLayout;
    for (QWidget *w : {static_cast<QWidget *>(Frame2), static_cast<QWidget *>(Frame1), static_cast<QWidget *>(Frame3)})
        side->addWidget(w);
    side->addStretch();
    side->addWidget(Command3);
    LayOut(grid, side);

    SetEnterOrder({Text1, Text2, Text3, Text4, Text5, Text6, Text7});
    for (QLineEdit *box : {Text3, Text4, Text5, Text6, Text7})
        connect(box, &QLineEdit::textChanged, this, [this] { Recalc(); });
    Text1->setFocus();
    Recalc();
}

void frmChamfer::Command1_Click() { Insert(ChamferStartLine(Text8->text(), Text9->text())); }

void frmChamfer::Command2_Click() { Insert(ChamferEndLine(Text10->text(), Text11->text())); }

void frmChamfer::Command3_Click() { close(); }

void frmChamfer::Compute(CalcForm &form, Drawing &drawing) { RecalcChamfer(form, drawing); }

void frmChamfer::mouseMoveEvent(QMouseEvent *event) { QWidget::mouseMoveEvent(event); }

void Chamfer_Click() { ShowCalculator(g_frmChamfer); }

}  // namespace brennvik
