#include "frmLineRLine.h"

#include "CalcPicture.h"
#include "line_r_line.h"
#include "platform/ControlNames.h"
#include "platform/Screens.h"
#include "workspace/frmMain.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QVBoxLayout>

namespace brennvik {

QPointer<frmLineRLine> g_frmLineRLine;

namespace {

// Distance of the window from the screen's lower-right corner, in twips.
constexpr double kRightTwips = 1450;
constexpr double kBottomTwips = 950;

const LabelledBox kCells[] = {
    {"Label1", "直 線 １    X", "Text1", 0, 0},
    {"Label2", "Z", "Text2", 0, 2},
    {"Label3", "A", "Text3", 0, 4},
    {"Label4", "直 線 ２    X", "Text4", 1, 0},
    {"Label5", "Z", "Text5", 1, 2},
    {"Label8", "A", "Text6", 1, 4},
    {"Label10", "R", "Text9", 2, 0},
    {"Label24", "NR", "Text20", 2, 2},
    {"Label7", "線の交点  X", "Text7", 3, 0},
    {"Label6", "Z", "Text8", 3, 2},
    {"Label9", "接する円 CX", "Text10", 4, 0},
    {"Label11", "CZ", "Text11", 4, 2},
    {"Label12", "接 点 １    X", "Text12", 5, 0},
    {"Label14", "Z", "Text13", 5, 2},
    {"Label16", "I", "Text16", 5, 4},
    {"Label18", "K", "Text17", 5, 6},
    {"Label13", "接 点 ２    X", "Text14", 6, 0},
    {"Label15", "Z", "Text15", 6, 2},
    {"Label17", "I", "Text18", 6, 4},
    {"Label19", "K", "Text19", 6, 6},
    {"Label20", "刃 先  1　CX", "Text21", 7, 0},
    {"Label25", "CZ", "Text22", 7, 2},
    {"Label26", "R", "Text23", 7, 4},
    {"Label27", "X", "Text24", 8, 0},
    {"Label28", "Z", "Text25", 8, 2},
    {"Label29", "I", "Text26", 8, 4},
    {"Label30", "K", "Text27", 8, 6},
    {"Label31", "刃 先  ２  CX", "Text28", 9, 0},
    {"Label23", "CZ", "Text29", 9, 2},
    {"Label32", "R", "Text30", 9, 4},
    {"Label36", "X", "Text31", 10, 0},
    {"Label33", "Z", "Text32", 10, 2},
    {"Label35", "I", "Text33", 10, 4},
    {"Label34", "K", "Text34", 10, 6},
};

struct BoxTip {
    const char *box;
    const char *tip;  // UTF-8
};
const BoxTip kToolTips[] = {
    {"Text3", "直線1の角度"},          {"Text6", "直線2の角度"},          {"Text9", "接する円の半径"},
    {"Text20", "ノーズR"},             {"Text10", "接する円の中心位置"},  {"Text11", "接する円の中心位置"},
    {"Text21", "ノーズRの中心位置"},   {"Text22", "ノーズRの中心位置"},   {"Text28", "ノーズRの中心位置"},
    {"Text29", "ノーズRの中心位置"},   {"Text23", "ノーズRを含んだ半径"}, {"Text30", "ノーズRを含んだ半径"},
};

// Where each tip-position button stands around the cross: its place is the
// direction from the tool tip to the nose centre (up +X, right +Z).
struct TipPlace {
    int row;
    int column;
};
const TipPlace kTipPlaces[8] = {{2, 0}, {2, 2}, {0, 2}, {0, 0}, {1, 0}, {2, 1}, {1, 2}, {0, 1}};

// The small blue cross in the middle of the tip positions.
class TipCross : public QWidget {
public:
    using QWidget::QWidget;
    QSize sizeHint() const override { return {16, 16}; }

protected:
    void paintEvent(QPaintEvent *) override {
        QPainter painter(this);
        painter.setPen(Qt::blue);
        const QRect r = rect().adjusted(3, 3, -3, -3);
        painter.drawLine(r.center().x(), r.top(), r.center().x(), r.bottom());
        painter.drawLine(r.left(), r.center().y(), r.right(), r.center().y());
    }
};

// The window keeps about the size of its design, 8895 x 9390 twips, so
// that it fits a small screen at the lower right: its eleven rows of boxes
// and buttons stand closer than in the other calculators.
constexpr int kRowHeight = 20;
constexpr int kRowGap = 1;
constexpr int kColumnGap = 3;
constexpr int kMargin = 6;
constexpr int kGap = 4;
// Room on either side of an insert button's caption.
constexpr int kButtonPadding = 8;

void Compact(QWidget *window, QGridLayout *grid, std::initializer_list<QGroupBox *> frames,
             std::initializer_list<QPushButton *> inserts) {
    window->layout()->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
    window->layout()->setSpacing(kGap);
    grid->setVerticalSpacing(kRowGap);
    grid->setHorizontalSpacing(kColumnGap);
    for (QLineEdit *box : window->findChildren<QLineEdit *>()) box->setFixedHeight(kRowHeight);
    for (QAbstractButton *button : window->findChildren<QAbstractButton *>()) button->setFixedHeight(kRowHeight);
    for (QPushButton *button : inserts)
        button->setFixedWidth(button->fontMetrics().horizontalAdvance(button->text()) + 2 * kButtonPadding);
    for (QGroupBox *frame : frames) {
        frame->layout()->setContentsMargins(kMargin, 0, kMargin, kGap);
        frame->layout()->setSpacing(kRowGap);
    }
}

}  // namespace

frmLineRLine::frmLineRLine() : DrawingCalculatorWindow("frmLineRLine", QStringLiteral(" 2直線と接する円")) {
    // Input boxes first: they lead the tab order.
    Text1 = InputBox("Text1");
    Text2 = InputBox("Text2");
    Text3 = InputBox("Text3");
    Text4 = InputBox("Text4");
    Text5 = InputBox("Text5");
    Text6 = InputBox("Text6");
    Text9 = InputBox("Text9");
    Text20 = InputBox("Text20");
    using Box = QLineEdit *frmLineRLine::*;
    const std::pair<Box, const char *> results[] = {
        {&frmLineRLine::Text7, "Text7"},   {&frmLineRLine::Text8, "Text8"},   {&frmLineRLine::Text10, "Text10"},
        {&frmLineRLine::Text11, "Text11"}, {&frmLineRLine::Text12, "Text12"}, {&frmLineRLine::Text13, "Text13"},
        {&frmLineRLine::Text14, "Text14"}, {&frmLineRLine::Text15, "Text15"}, {&frmLineRLine::Text16, "Text16"},
        {&frmLineRLine::Text17, "Text17"}, {&frmLineRLine::Text18, "Text18"}, {&frmLineRLine::Text19, "Text19"},
        {&frmLineRLine::Text21, "Text21"}, {&frmLineRLine::Text22, "Text22"}, {&frmLineRLine::Text23, "Text23"},
        {&frmLineRLine::Text24, "Text24"}, {&frmLineRLine::Text25, "Text25"}, {&frmLineRLine::Text26, "Text26"},
        {&frmLineRLine::Text27, "Text27"}, {&frmLineRLine::Text28, "Text28"}, {&frmLineRLine::Text29, "Text29"},
        {&frmLineRLine::Text30, "Text30"}, {&frmLineRLine::Text31, "Text31"}, {&frmLineRLine::Text32, "Text32"},
        {&frmLineRLine::Text33, "Text33"}, {&frmLineRLine::Text34, "Text34"},
    };
    for (const auto &[member, name] : results) this->*member = ResultBox(name);
    auto *grid = new QGridLayout;
    PlaceLabelledBoxes(grid, kCells, StandardBoxWidth());
    for (const BoxTip &tip : kToolTips)
        findChild<QLineEdit *>(QString::fromLatin1(tip.box))->setToolTip(QString::fromUtf8(tip.tip));

    Command4 = PointInsertButton("Command4", Text7, Text8);
    Command5 = PointInsertButton("Command5", Text10, Text11);
    Command8 = PointInsertButton("Command8", Text12, Text13);
    Command9 = PointInsertButton("Command9", Text14, Text15);
    grid->addWidget(Command4, 3, 4, 1, 2);
    grid->addWidget(Command5, 4, 4, 1, 2);
    grid->addWidget(Command8, 5, 8);
    grid->addWidget(Command9, 6, 8);

    Frame1 = SolutionFrame(QStringLiteral("円の位置"), {&Option1, &Option2, &Option3, &Option4});

    Frame3 = Named(new QGroupBox(QStringLiteral("ノーズの位置"), this), "Frame3");
    Option5 = RecalcOption(Frame3, "Option5", QStringLiteral("外"));
    Option6 = RecalcOption(Frame3, "Option6", QStringLiteral("内"));
    Option5->setChecked(true);
    auto *nose = new QHBoxLayout(Frame3);
    nose->addWidget(Option5);
    nose->addWidget(Option6);

    Frame4 = Named(new QGroupBox(QStringLiteral("補正位置"), this), "Frame4");
    auto *tips = new QGridLayout(Frame4);
    for (int i = 0; i < 8; ++i) {
        NosePN[size_t(i)] = RecalcOption(Frame4, QByteArray("NosePN_" + QByteArray::number(i)).constData(),
                                         QString::number(i + 1));
        tips->addWidget(NosePN[size_t(i)], kTipPlaces[i].row, kTipPlaces[i].column);
    }
    tips->addWidget(new TipCross(Frame4), 1, 1, Qt::AlignCenter);
    NosePN[2]->setChecked(true);

    Check1 = RecalcCheck(this, "Check1", QStringLiteral("円の基準表示"));
    Check1->setEnabled(false);
    Check2 = Named(new QCheckBox(QStringLiteral("手前に表示"), this), "Check2");
    Check2->setChecked(true);
    connect(Check2, &QCheckBox::clicked, this, &frmLineRLine::Check2_Click);
    Command2 = Button("Command2", QStringLiteral("キャンセル"), [this] { Command2_Click(); });

    Label21 = Label("Label21", QStringLiteral("※直線２の開始点が直線１上にあるときは線が交差するように0.0001ずらしてください。"));
    Label21->setStyleSheet(QStringLiteral("color: red"));
    Label21->setWordWrap(true);
    Label22 = Label("Label22", QStringLiteral("※図を描き直すには、入力欄でEnterキーを押してください。"));

    // The circle's options fill the room the short rows leave at the right.
    auto *circle = new QVBoxLayout;
    circle->addWidget(Frame1);
    circle->addWidget(PlaneFrame());
    circle->addStretch();
    grid->addLayout(circle, 0, 6, 5, 3);
    auto *side = new QVBoxLayout;
    for (QWidget *w : {static_cast<QWidget *>(Frame3), static_cast<QWidget *>(Frame4), static_cast<QWidget *>(Check1),
                       static_cast<QWidget *>(Check2)})
        side->addWidget(w);
    side->addStretch();
    side->addWidget(Command2);
    LayOut(grid, side, {Label21, Label22});
    Compact(this, grid, {Frame1, Frame2, Frame3, Frame4}, {Command4, Command5, Command8, Command9});

    SetEnterOrder({Text1, Text2, Text3, Text4, Text5, Text6, Text9, Option1});
    SetEnterOrder({Text20, Option5});
    auto named = [this](const char *name) { return findChild<QWidget *>(QString::fromLatin1(name)); };
    SetPlaneCaptions({named("Label2"), named("Label5"), named("Label6"), named("Label14"), named("Label15"),
                      named("Label28"), named("Label33"), named("Label18"), named("Label19"), named("Label30"),
                      named("Label34"), named("Label11"), Command4, Command5, Command8, Command9});
    Text1->setFocus();
    Form_Load();
}

void frmLineRLine::Form_Load() {
    adjustSize();
    PlaceWithFrame(this, [this](const QMargins &frame) {
        PlaceAtLowerRight((screen() ? screen() : QGuiApplication::primaryScreen())->geometry(), frame);
    });
    SetKeepInFront(true);
}

void frmLineRLine::PlaceAtLowerRight(const QRect &screen, const QMargins &frame) {
    // A window's position is that of its frame.
    move(LowerRightPlacement(screen, size().grownBy(frame), TwipsToPixels(kRightTwips), TwipsToPixels(kBottomTwips)));
}

void frmLineRLine::Check2_Click() { SetKeepInFront(Check2->isChecked()); }

void frmLineRLine::Command2_Click() { close(); }

void frmLineRLine::Compute(CalcForm &form, Drawing &drawing) { RecalcLineRLine(form, drawing); }

void frmLineRLine::PlaneChanged(Plane plane) { Frame4->setEnabled(plane == Plane::XZ); }

void LineCircleLine_Click() { ShowCalculator(g_frmLineRLine); }

}  // namespace brennvik
