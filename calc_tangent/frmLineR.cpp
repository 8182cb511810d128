#include "frmLineR.h"

#include "CalcPicture.h"
#include "workspace/frmMain.h"
#include "line_r.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace brennvik {

QPointer<frmLineR> g_frmLineR;

namespace {

const LabelledBox kCells[] = {
    {"Label1", "直 線 　    X", "Text1", 1, 0},
    {"Label2", "Z", "Text2", 1, 2},
    {"Label3", "A", "Text3", 1, 4},
    {"Label4", "円の中心  X", "Text4", 2, 0},
    {"Label5", "Z", "Text5", 2, 2},
    {"Label8", "R", "Text6", 2, 4},
    {"Label7", "交 点 1     X", "Text7", 3, 0},
    {"Label6", "Z", "Text8", 3, 2},
    {"Label16", "I", "Text9", 3, 4},
    {"Label18", "K", "Text10", 3, 6},
    {"Label9", "交 点 2     X", "Text11", 4, 0},
    {"Label11", "Z", "Text12", 4, 2},
    {"Label17", "I", "Text13", 4, 4},
    {"Label19", "K", "Text14", 4, 6},
};

}  // namespace

frmLineR::frmLineR() : DrawingCalculatorWindow("frmLineR", QStringLiteral("直線と円の交点")) {
    Text1 = InputBox("Text1");
    Text2 = InputBox("Text2");
    Text3 = InputBox("Text3");
    Text4 = InputBox("Text4");
    Text5 = InputBox("Text5");
    Text6 = InputBox("Text6");
    Text7 = ResultBox("Text7");
    Text8 = ResultBox("Text8");
    Text9 = ResultBox("Text9");
    Text10 = ResultBox("Text10");
    Text11 = ResultBox("Text11");
    Text12 = ResultBox("Text12");
    Text13 = ResultBox("Text13");
    Text14 = ResultBox("Text14");

    Command1 = PointInsertButton("Command1", Text1, Text2);
    Command3 = PointInsertButton("Command3", Text4, Text5);
    Command4 = Button("Command4", QStringLiteral("X Z 挿入"),
                      [this] { Insert(LinearMoveLine(Text7->text(), Text8->text(), CurrentPlane())); });
    Command5 = Button("Command5", QStringLiteral("XZL挿入"), [this] {
        Insert(ArcBlockLine(Text11->text(), Text12->text(), Text6->text(), CurrentPlane()));
    });
    Command6 = CentreInsertButton("Command6", Text9, Text10);
    Command7 = CentreInsertButton("Command7", Text13, Text14);
    Command10 = Button("Command10", QStringLiteral("印　刷"), [this] { PrintWindow(); });
    Command2 = Button("Command2", QStringLiteral("キャンセル"), [this] { close(); });

    // Columns: row labels, then label and box pairs, then the insert buttons.
    auto *grid = new QGridLayout;
    grid->addWidget(PlaneFrame(), 0, 1, 1, 3, Qt::AlignLeft);
    PlaceLabelledBoxes(grid, kCells, StandardBoxWidth());
    grid->addWidget(Command1, 1, 8);
    grid->addWidget(Command3, 2, 8);
    grid->addWidget(Command4, 3, 8);
    grid->addWidget(Command6, 3, 9);
    grid->addWidget(Command5, 4, 8);
    grid->addWidget(Command7, 4, 9);
    grid->setRowMinimumHeight(5, 8);
    grid->addWidget(Command10, 6, 7);
    grid->addWidget(Command2, 6, 8, 1, 2);
    LayOut(grid, new QVBoxLayout);

    SetEnterOrder({Text1, Text2, Text3, Text4, Text5, Text6, Command1});
    SetTabOrder({Text1, Text2, Text3, Text4, Text5, Text6, Command1, Command3, Command4, Command6, Command5, Command7,
                 Command10, Command2});
    auto named = [this](const char *name) { return findChild<QWidget *>(QString::fromLatin1(name)); };
    SetPlaneCaptions({named("Label2"), named("Label5"), named("Label6"), named("Label11"), named("Label18"),
                      named("Label19"), Command1, Command3, Command4, Command5, Command6, Command7});
    RecalcWhenPictureFocused();
    Text1->setFocus();
}

void frmLineR::Compute(CalcForm &form, Drawing &drawing) { RecalcLineR(form, drawing); }

void LineCycle_Click() { ShowCalculator(g_frmLineR); }

}  // namespace brennvik
