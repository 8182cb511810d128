#include "frmNeck.h"

#include "neck.h"
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

QPointer<frmNeck> g_frmNeck;

namespace {

const LabelledBox kCells[] = {
    {"Label1", "底径　X", "Text1", 0, 0},   {"Label2", "端面　Z", "Text2", 0, 2},  {"Label3", "R", "Text3", 0, 4},
    {"Label4", "角度　A", "Text4", 1, 0},   {"Label5", "始点　X", "Text5", 1, 2},
    {"Label6", "P 1　  X", "Text6", 2, 0},  {"Label7", "Z", "Text7", 2, 2},
    {"Label8", "P 2　  X", "Text8", 3, 0},  {"Label9", "Z", "Text9", 3, 2},
    {"Label10", "P 3　  X", "Text10", 4, 0}, {"Label11", "Z", "Text11", 4, 2},
    {"Label12", "I", "Text12", 5, 0},       {"Label13", "K", "Text13", 5, 2},
    {"Label14", "P 4　  X", "Text14", 6, 0}, {"Label15", "Z", "Text15", 6, 2},
};

}  // namespace

frmNeck::frmNeck() : DrawingCalculatorWindow("frmNeck", QStringLiteral("ヌスミ形状")) {
    Text1 = InputBox("Text1");
    Text2 = InputBox("Text2");
    Text3 = InputBox("Text3");
    Text4 = InputBox("Text4");
    Text5 = InputBox("Text5");
    using Box = QLineEdit *frmNeck::*;
    const std::pair<Box, const char *> results[] = {
        {&frmNeck::Text6, "Text6"},   {&frmNeck::Text7, "Text7"},   {&frmNeck::Text8, "Text8"},
        {&frmNeck::Text9, "Text9"},   {&frmNeck::Text10, "Text10"}, {&frmNeck::Text11, "Text11"},
        {&frmNeck::Text12, "Text12"}, {&frmNeck::Text13, "Text13"}, {&frmNeck::Text14, "Text14"},
        {&frmNeck::Text15, "Text15"},
    };
    for (const auto &[member, name] : results) this->*member = ResultBox(name);

    auto *grid = new QGridLayout;
    PlaceLabelledBoxes(grid, kCells, 80);
    Command8 = PointInsertButton("Command8", Text6, Text7);
    Command1 = PointInsertButton("Command1", Text8, Text9);
    Command3 = PointInsertButton("Command3", Text10, Text11);
    Command6 = CentreInsertButton("Command6", Text12, Text13);
    Command4 = PointInsertButton("Command4", Text14, Text15);
    int row = 2;
    for (QPushButton *insert : {Command8, Command1, Command3, Command6, Command4}) grid->addWidget(insert, row++, 4, 1, 2);

    Frame1 = Named(new QGroupBox(QStringLiteral("円の位置"), this), "Frame1");
    auto *positions = new QGridLayout(Frame1);
    Option1 = RecalcOption(Frame1, "Option1", QStringLiteral("4"));
    Option2 = RecalcOption(Frame1, "Option2", QStringLiteral("3"));
    Option3 = RecalcOption(Frame1, "Option3", QStringLiteral("1"));
    Option4 = RecalcOption(Frame1, "Option4", QStringLiteral("2"));
    positions->addWidget(Option1, 0, 0);
    positions->addWidget(Option2, 0, 1);
    positions->addWidget(Option3, 1, 0);
    positions->addWidget(Option4, 1, 1);
    Option2->setChecked(true);

    Frame2 = Named(new QGroupBox(QStringLiteral("一括挿入"), this), "Frame2");
    Command9 = Button("Command9", QStringLiteral("正方向"), [this] { Command9_Click(); });
    Command5 = Button("Command5", QStringLiteral("逆方向"), [this] { Command5_Click(); });
    auto *batch = new QHBoxLayout(Frame2);
    batch->addWidget(Command9);
    batch->addWidget(Command5);
    Command7 = Button("Command7", QStringLiteral("印　刷"), [this] { PrintWindow(); });
    Command2 = Button("Command2", QStringLiteral("キャンセル"), [this] { Command2_Click(); });

    Label20 = Label("Label20", QStringLiteral("※底径が分からない場合は『２直線に接する円』を使用してください。"));

    auto *side = new QVBoxLayout;
    side->addWidget(Frame1);
    side->addWidget(Frame2);
    side->addStretch();
    side->addWidget(Command7);
    side->addWidget(Command2);
    LayOut(grid, side, {Label20});

    SetEnterOrder({Text1, Text2, Text3, Text4, Text5, Text1});
    RecalcWhenPictureFocused();
    Text1->setFocus();
    Recalc();
}

void frmNeck::Command9_Click() {
    for (const QString &line : NeckForwardLines(ReadForm())) Insert(line);
}

void frmNeck::Command5_Click() {
    for (const QString &line : NeckReverseLines(ReadForm())) Insert(line);
}

void frmNeck::Command2_Click() { close(); }

void frmNeck::Compute(CalcForm &form, Drawing &drawing) { RecalcNeck(form, drawing); }

void Neck_Click() { ShowCalculator(g_frmNeck); }

}  // namespace brennvik
