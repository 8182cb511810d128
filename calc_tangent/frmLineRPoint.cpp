#include "frmLineRPoint.h"

#include "CalcPicture.h"
#include "workspace/frmMain.h"
#include "line_r_point.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace brennvik {

QPointer<frmLineRPoint> g_frmLineRPoint;

namespace {

const LabelledBox kCells[] = {
    {"Label1", "直 線       X", "Text1", 1, 0},
    {"Label2", "Z", "Text2", 1, 2},
    {"Label3", "A", "Text3", 1, 4},
    {"Label4", "終 点       X", "Text4", 2, 0},
    {"Label5", "Z", "Text5", 2, 2},
    {"Label9", "円の中心CX", "Text6", 3, 0},
    {"Label11", "CZ", "Text7", 3, 2},
    {"Label10", "R", "Text8", 3, 4},
    {"Label12", "円の始点  X", "Text9", 4, 0},
    {"Label14", "Z", "Text10", 4, 2},
    {"Label16", "I", "Text11", 4, 4},
    {"Label18", "K", "Text12", 4, 6},
};

}  // namespace

frmLineRPoint::frmLineRPoint() : DrawingCalculatorWindow("frmLineRPoint", QStringLiteral("1点を通り直線と接する円")) {
    Text1 = InputBox("Text1");
    Text2 = InputBox("Text2");
    Text3 = InputBox("Text3");
    Text4 = InputBox("Text4");
    Text5 = InputBox("Text5");
    Text8 = InputBox("Text8");
    Text6 = ResultBox("Text6");
    Text7 = ResultBox("Text7");
    Text9 = ResultBox("Text9");
    Text10 = ResultBox("Text10");
    Text11 = ResultBox("Text11");
    Text12 = ResultBox("Text12");
    Text6->installEventFilter(this);

    Frame1 = SolutionFrame(QStringLiteral("円の位置"), {&Option1, &Option2});

    Command1 = PointInsertButton("Command1", Text1, Text2);
    Command3 = PointInsertButton("Command3", Text4, Text5);
    Command4 = PointInsertButton("Command4", Text6, Text7);
    Command5 = PointInsertButton("Command5", Text9, Text10);
    Command6 = CentreInsertButton("Command6", Text11, Text12);
    Command10 = Button("Command10", QStringLiteral("印　刷"), [this] { PrintWindow(); });
    Command2 = Button("Command2", QStringLiteral("キャンセル"), [this] { close(); });

    // Columns: row labels, then label and box pairs, then the insert buttons.
    auto *grid = new QGridLayout;
    grid->addWidget(PlaneFrame(), 0, 1, 1, 3, Qt::AlignLeft);
    grid->addWidget(Frame1, 0, 5, 1, 2, Qt::AlignLeft);
    PlaceLabelledBoxes(grid, kCells, StandardBoxWidth());
    grid->addWidget(Command1, 1, 8);
    grid->addWidget(Command3, 2, 8);
    grid->addWidget(Command4, 3, 8);
    grid->addWidget(Command5, 4, 8);
    grid->addWidget(Command6, 4, 9);
    grid->setRowMinimumHeight(5, 8);
    grid->addWidget(Command10, 6, 7);
    grid->addWidget(Command2, 6, 8, 1, 2);
    LayOut(grid, new QVBoxLayout);

    SetEnterOrder({Text1, Text2, Text3, Text4, Text5, Text8, Command1});
    SetTabOrder({Text1, Text2, Text3, Text4, Text5, Text8, Option1, Option2, Command1, Command3, Command4, Command5,
                 Command6, Command10, Command2});
    auto named = [this](const char *name) { return findChild<QWidget *>(QString::fromLatin1(name)); };
    SetPlaneCaptions({named("Label2"), named("Label5"), named("Label14"), named("Label11"), named("Label18"),
                      Command1, Command3, Command4, Command5, Command6});
    RecalcWhenPictureFocused();
    Text1->setFocus();
}

void frmLineRPoint::Compute(CalcForm &form, Drawing &drawing) { RecalcLineRPoint(form, drawing); }

bool frmLineRPoint::eventFilter(QObject *watched, QEvent *event) {
    if (watched == Text6) {
        if (event->type() == QEvent::FocusOut) {
            Recalc();
        } else if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent *>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) Text9->setFocus(Qt::OtherFocusReason);
        }
    }
    return DrawingCalculatorWindow::eventFilter(watched, event);
}

void LineCirclePoint_Click() { ShowCalculator(g_frmLineRPoint); }

}  // namespace brennvik
