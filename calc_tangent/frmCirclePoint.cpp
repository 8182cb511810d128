#include "frmCirclePoint.h"

#include "CalcPicture.h"
#include "workspace/frmMain.h"
#include "circle_point.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace brennvik {

QPointer<frmCirclePoint> g_frmCirclePoint;

namespace {

const LabelledBox kCells[] = {
    {"Label9", "円の中心 X", "Text1", 1, 0},
    {"Label11", "Z", "Text2", 1, 2},
    {"Label10", "R", "Text3", 1, 4},
    {"Label12", "接　　点    X", "Text5", 3, 0},
    {"Label14", "Z", "Text6", 3, 2},
    {"Label16", "I", "Text7", 3, 4},
    {"Label18", "K", "Text8", 3, 6},
};

}  // namespace

frmCirclePoint::frmCirclePoint() : DrawingCalculatorWindow("frmCirclePoint", QStringLiteral("円と接する点")) {
    Text1 = InputBox("Text1");
    Text2 = InputBox("Text2");
    Text3 = InputBox("Text3");
    Text4 = InputBox("Text4");
    Text5 = ResultBox("Text5");
    Text6 = ResultBox("Text6");
    Text7 = ResultBox("Text7");
    Text8 = ResultBox("Text8");

    Frame1 = SolutionFrame(QStringLiteral("接する位置"), {&Option1, &Option2});

    // These two insert words only, without a line end.
    Command1 = Button("Command1", QStringLiteral("X Z 挿入"),
                      [this] { Insert(PointWords(Text5->text(), Text6->text(), CurrentPlane())); });
    Command3 = Button("Command3", QStringLiteral("I K 挿入"),
                      [this] { Insert(CentreWords(Text7->text(), Text8->text(), CurrentPlane())); });
    Command10 = Button("Command10", QStringLiteral("印　刷"), [this] { PrintWindow(); });
    Command2 = Button("Command2", QStringLiteral("キャンセル"), [this] { close(); });

    // Columns: row labels, then label and box pairs, then the insert buttons.
    auto *grid = new QGridLayout;
    grid->addWidget(PlaneFrame(), 0, 1, 1, 3, Qt::AlignLeft);
    grid->addWidget(Frame1, 0, 5, 1, 2, Qt::AlignLeft);
    PlaceLabelledBoxes(grid, kCells, StandardBoxWidth());
    // The angle's row label stands before its short label "A", the two held
    // apart by the row's spacing however wide the other row labels are.
    auto *angle = new QHBoxLayout;
    angle->addWidget(Label("Label4", QStringLiteral("接する角度")));
    angle->addStretch();
    angle->addWidget(Label("Label5", QStringLiteral("A")));
    grid->addLayout(angle, 2, 0);
    Text4->setFixedWidth(StandardBoxWidth());
    grid->addWidget(Text4, 2, 1);
    grid->addWidget(Command1, 3, 8);
    grid->addWidget(Command3, 3, 9);
    grid->setRowMinimumHeight(4, 8);
    grid->addWidget(Command10, 5, 7);
    grid->addWidget(Command2, 5, 8, 1, 2);
    LayOut(grid, new QVBoxLayout);

    SetEnterOrder({Text1, Text2, Text3, Text4, Command3});
    auto named = [this](const char *name) { return findChild<QWidget *>(QString::fromLatin1(name)); };
    SetPlaneCaptions({named("Label11"), named("Label14"), named("Label18"), Command1, Command3});
    RecalcWhenPictureFocused();
    Text1->setFocus();
}

void frmCirclePoint::Compute(CalcForm &form, Drawing &drawing) { RecalcCirclePoint(form, drawing); }

void CirclePoint_Click() { ShowCalculator(g_frmCirclePoint); }

}  // namespace brennvik
