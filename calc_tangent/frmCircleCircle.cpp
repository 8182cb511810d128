#include "frmCircleCircle.h"

#include "CalcPicture.h"
#include "circle_circle.h"
#include "workspace/frmMain.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace brennvik {

QPointer<frmCircleCircle> g_frmCircleCircle;

namespace {

const LabelledBox kCells[] = {
    {"Label1", "第1円の中心  X", "Text1", 1, 0},
    {"Label2", "Z", "Text2", 1, 2},
    {"Label3", "R", "Text3", 1, 4},
    {"Label4", "第2円の中心　X", "Text4", 2, 0},
    {"Label5", "Z", "Text5", 2, 2},
    {"Label11", "R", "Text6", 2, 4},
    {"Label7", "交点  P 1　    X", "Text7", 4, 0},
    {"Label8", "Z", "Text8", 4, 2},
    {"Label12", "交点　P 2　    X", "Text11", 5, 0},
    {"Label14", "Z", "Text12", 5, 2},
};

// This window's read-out is narrower than the others'.
constexpr double kReadoutWidthTwips = 2415;

}  // namespace

frmCircleCircle::frmCircleCircle() : DrawingCalculatorWindow("frmCircleCircle", QStringLiteral("2円の交点")) {
    SetReadoutWidthTwips(kReadoutWidthTwips);
    Text1 = InputBox("Text1");
    Text2 = InputBox("Text2");
    Text3 = InputBox("Text3");
    Text4 = InputBox("Text4");
    Text5 = InputBox("Text5");
    Text6 = InputBox("Text6");
    Text7 = ResultBox("Text7");
    Text8 = ResultBox("Text8");
    Text11 = ResultBox("Text11");
    Text12 = ResultBox("Text12");

    Command1 = PointInsertButton("Command1", Text7, Text8);
    Command3 = PointInsertButton("Command3", Text11, Text12);
    Command7 = Button("Command7", QStringLiteral("印　刷"), [this] { PrintWindow(); });
    Command2 = Button("Command2", QStringLiteral("キャンセル"), [this] { close(); });

    // Columns: row labels, then label and box pairs, then the insert buttons.
    auto *grid = new QGridLayout;
    grid->addWidget(PlaneFrame(), 0, 1, 1, 3, Qt::AlignLeft);
    PlaceLabelledBoxes(grid, kCells, StandardBoxWidth());
    grid->setRowMinimumHeight(3, 8);
    grid->addWidget(Command1, 4, 6);
    grid->addWidget(Command3, 5, 6);
    grid->setRowMinimumHeight(6, 8);
    grid->addWidget(Command7, 7, 5);
    grid->addWidget(Command2, 7, 6);
    LayOut(grid, new QVBoxLayout);

    SetEnterOrder({Text1, Text2, Text3, Text4, Text5, Text6, Text1});
    // The drawing takes the focus first: it stands second in the tab order.
    RecalcWhenPictureFocused();
    SetTabOrder({Text1, Picture1, Text2, Text3, Text4, Text5, Text6, Command1, Command3, Command7, Command2});
    auto named = [this](const char *name) { return findChild<QWidget *>(QString::fromLatin1(name)); };
    SetPlaneCaptions({named("Label2"), named("Label5"), named("Label8"), named("Label14"), Command1, Command3});
    Text1->setFocus();
}

void frmCircleCircle::Compute(CalcForm &form, Drawing &drawing) { RecalcCircleCircle(form, drawing); }

void CircleCircle_Click() { ShowCalculator(g_frmCircleCircle); }

}  // namespace brennvik
