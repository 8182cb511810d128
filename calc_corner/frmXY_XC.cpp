#include "frmXY_XC.h"

#include "calc_tangent/CalcPicture.h"
#include "platform/ControlNames.h"
#include "workspace/frmMain.h"
#include "xy_xc.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace brennvik {

QPointer<frmXY_XC> g_frmXY_XC;

namespace {

// The inside of the drawing area; its fixed view is 500 wide.
const QSizeF kAreaTwips(8835, 5535);
// The width of the polar read-out.
constexpr double kPolarReadoutTwips = 3600;

// A control of the grid, by object name: a box, a label (with its caption)
// or an insert button (with its caption).
struct Cell {
    const char *name;
    const char *caption;  // UTF-8; nullptr for a box
    int row;
    int column;
};
const Cell kCells[] = {
    // Point 1, point 2: x, y and X, C.
    {"Label17", "◆", 0, 0}, {"Label1", "ポイント1 X", 0, 1}, {"Text1", nullptr, 0, 2}, {"Label2", "Y", 0, 3},
    {"Text2", nullptr, 0, 4}, {"Label3", "X", 0, 6}, {"Text3", nullptr, 0, 7}, {"Label4", "C", 0, 8},
    {"Text4", nullptr, 0, 9},
    {"Label18", "◆", 1, 0}, {"Label6", "ポイント2 X", 1, 1}, {"Text5", nullptr, 1, 2}, {"Label7", "Y", 1, 3},
    {"Text6", nullptr, 1, 4}, {"Label8", "X", 1, 6}, {"Text7", nullptr, 1, 7}, {"Label9", "C", 1, 8},
    {"Text8", nullptr, 1, 9},
    // The line, the reference angle, the turned points.
    {"Label11", "◆", 2, 0}, {"Label10", "直線長さ L", 2, 1}, {"Text10", nullptr, 2, 2},
    {"Label12", "直線角度 A", 2, 6}, {"Text9", nullptr, 2, 7},
    {"Label21", "◆", 3, 0}, {"Label19", "Y軸中心線", 3, 1}, {"Label20", "基準角度 C", 3, 3}, {"Text11", nullptr, 3, 4},
    // The long caption of the turned points stands on a line of its own above their boxes.
    {"Text12", nullptr, 5, 2}, {"Label23", "Y", 5, 3}, {"Text13", nullptr, 5, 4}, {"Label24", "ポイント2 X", 5, 6},
    {"Text14", nullptr, 5, 7}, {"Label25", "Y", 5, 8}, {"Text15", nullptr, 5, 9},
};

// The colours of the "◆" marks: the items' colours in the drawing.
const std::pair<const char *, const char *> kMarkColours[] = {
    {"Label17", "red"}, {"Label18", "#FF8000"}, {"Label11", "#C8C800"}, {"Label21", "blue"}};

QLabel *AxisCaption(QWidget *parent, const char *name, const QString &text) {
    auto *caption = Named(new QLabel(text, parent), name);
    caption->setStyleSheet(QStringLiteral("color: white; background: black"));
    caption->adjustSize();
    return caption;
}

}  // namespace

frmXY_XC::frmXY_XC() : DrawingCalculatorWindow("frmXY_XC", QStringLiteral("XY-XC座標変換"), kAreaTwips) {
    // Input boxes of both modes first: they lead the tab order.
    QLineEdit **boxes[] = {&Text1, &Text2, &Text5, &Text6, &Text3, &Text4, &Text7, &Text8};
    const char *boxNames[] = {"Text1", "Text2", "Text5", "Text6", "Text3", "Text4", "Text7", "Text8"};
    for (int i = 0; i < 8; ++i) {
        *boxes[i] = InputBox(boxNames[i]);
        SelectWholeTextOnFocus(*boxes[i]);
    }
    QLineEdit **results[] = {&Text9, &Text10, &Text11, &Text12, &Text13, &Text14, &Text15};
    for (int i = 0; i < 7; ++i) *results[i] = ResultBox(QByteArray("Text" + QByteArray::number(i + 9)).constData());

    auto *grid = new QGridLayout;
    for (const Cell &cell : kCells) {
        QWidget *control = cell.caption ? Label(cell.name, QString::fromUtf8(cell.caption))
                                        : findChild<QWidget *>(QString::fromLatin1(cell.name));
        if (!cell.caption) control->setFixedWidth(StandardBoxWidth());
        grid->addWidget(control, cell.row, cell.column, cell.caption ? Qt::AlignRight : Qt::Alignment());
    }
    grid->addWidget(Label("Label22", QStringLiteral("基準角度CのY軸モード中　ポイント1 X")), 4, 0, 1, 5);
    for (const auto &[name, colour] : kMarkColours)
        findChild<QLabel *>(QString::fromLatin1(name))
            ->setStyleSheet(QStringLiteral("color: %1").arg(QString::fromLatin1(colour)));
    Label11 = findChild<QLabel *>(QStringLiteral("Label11"));
    Label17 = findChild<QLabel *>(QStringLiteral("Label17"));
    Label18 = findChild<QLabel *>(QStringLiteral("Label18"));
    Label21 = findChild<QLabel *>(QStringLiteral("Label21"));

    auto words = [this](QChar a, QLineEdit *first, QChar b, QLineEdit *second) {
        return [this, a, first, b, second] { Insert(WordPairLine(a, first->text(), b, second->text())); };
    };
    auto word = [this](QChar a, QLineEdit *box) { return [this, a, box] { Insert(a + box->text()); }; };
    Command1 = Button("Command1", QStringLiteral("X Y 挿入"), words(u'X', Text1, u'Y', Text2));
    Command5 = Button("Command5", QStringLiteral("X C 挿入"), words(u'C', Text4, u'X', Text3));
    Command3 = Button("Command3", QStringLiteral("X Y 挿入"), words(u'X', Text5, u'Y', Text6));
    Command4 = Button("Command4", QStringLiteral("X C 挿入"), words(u'C', Text8, u'X', Text7));
    Command7 = Button("Command7", QStringLiteral(" L   挿入"), word(u'L', Text10));
    Command6 = Button("Command6", QStringLiteral(" A   挿入"), word(u'A', Text9));
    Command8 = Button("Command8", QStringLiteral(" C   挿入"), word(u'C', Text11));
    Command11 = Button("Command11", QStringLiteral("X Y 挿入"), words(u'X', Text12, u'Y', Text13));
    Command13 = Button("Command13", QStringLiteral("X Y 挿入"), words(u'X', Text14, u'Y', Text15));
    const std::tuple<QPushButton *, int, int> buttons[] = {{Command1, 0, 5},  {Command5, 0, 10}, {Command3, 1, 5},
                                                           {Command4, 1, 10}, {Command7, 2, 5},  {Command6, 2, 10},
                                                           {Command8, 3, 5},  {Command11, 5, 5}, {Command13, 5, 10}};
    for (const auto &[button, row, column] : buttons) grid->addWidget(button, row, column);

    Label5 = Label("Label5", QStringLiteral("※Y軸モード中の値は絶対値です。符号を考慮してプログラムして下さい。"));
    Label5->setStyleSheet(QStringLiteral("color: red"));

    Frame3 = Named(new QGroupBox(QStringLiteral("座標"), this), "Frame3");
    OptionXY = Named(new QRadioButton(QStringLiteral("Ｘ-Y"), Frame3), "OptionXY");
    OptionXC = Named(new QRadioButton(QStringLiteral("Ｘ－C"), Frame3), "OptionXC");
    OptionXY->setChecked(true);
    connect(OptionXY, &QRadioButton::clicked, this, &frmXY_XC::OptionXY_Click);
    connect(OptionXC, &QRadioButton::clicked, this, &frmXY_XC::OptionXC_Click);
    auto *modes = new QHBoxLayout(Frame3);
    modes->addWidget(OptionXY);
    modes->addWidget(OptionXC);
    Command2 = Button("Command2", QStringLiteral("キャンセル"), [this] { close(); });

    // The polar read-out lies beside the X-Y one; the axis captions at the
    // top and the right of the drawing.
    Picture5 = Named(new QLabel(Picture1), "Picture5");
    Picture5->setAutoFillBackground(true);
    Picture5->setPalette(Picture3->palette());
    Picture5->setFont(Picture3->font());
    Picture5->setAttribute(Qt::WA_TransparentForMouseEvents);
    Picture5->hide();
    Picture2 = AxisCaption(Picture1, "Picture2", QStringLiteral("Y"));
    Picture2->move(Picture1->width() / 2 + 4, 2);
    Picture4 = AxisCaption(Picture1, "Picture4", QStringLiteral("X C0"));
    Picture4->move(Picture1->width() - Picture4->width() - 2, Picture1->height() / 2 + 2);

    auto *bottom = new QHBoxLayout;
    bottom->addWidget(Frame3);
    bottom->addWidget(Label5, 1);
    bottom->addWidget(Command2);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Picture1);
    layout->addLayout(grid);
    layout->addLayout(bottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    SetEnterOrder({Text1, Text2, Text5, Text6, Text1});
    SetEnterOrder({Text3, Text4, Text7, Text8, Text3});
    Form_Load();
    Text1->setFocus();
}

void frmXY_XC::Form_Load() {
    Picture1->SetDrawing(XYXCStartDrawing(kAreaTwips));
    SetMode(true);
}

void frmXY_XC::SetMode(bool fromXY) {
    for (QLineEdit *box : {Text1, Text2, Text5, Text6}) SetBoxLocked(box, !fromXY);
    for (QLineEdit *box : {Text3, Text4, Text7, Text8}) SetBoxLocked(box, fromXY);
}

void frmXY_XC::OptionXY_Click() {
    SetMode(true);
    Text1->setFocus(Qt::OtherFocusReason);
}

void frmXY_XC::OptionXC_Click() {
    SetMode(false);
    Text3->setFocus(Qt::OtherFocusReason);
}

void frmXY_XC::Compute(CalcForm &form, Drawing &drawing) { RecalcXYXC(form, drawing); }

void frmXY_XC::InputLeft(QLineEdit *, bool edited) {
    if (edited) Recalc();
}

void frmXY_XC::ShowReadout(QPointF position) {
    Picture1->setCursor(Qt::CrossCursor);
    Picture3->setText(ReadoutText(position.x(), position.y(), Plane::XY));
    Picture5->setText(PolarReadoutText(position.x(), position.y()));
    Picture3->show();
    Picture5->show();
}

void frmXY_XC::FitReadouts() {
    // The frame fits its read-out before this window has made Picture5.
    if (!Picture5) return;
    const ViewScale &view = Picture1->CurrentDrawing().Scale();
    FitReadoutBox(Picture3, ReadoutDesignSize(), LongestReadouts(view, Plane::XY), 0);
    // Wider than Picture3: a diameter and an angle up to 360.
    const QSize polar(TwipsToPixels(kPolarReadoutTwips), ReadoutDesignSize().height());
    FitReadoutBox(Picture5, polar, LongestPolarReadouts(view), Picture3->x() + Picture3->width() + 6);
}

void frmXY_XC::mouseMoveEvent(QMouseEvent *event) {
    Picture5->hide();
    DrawingCalculatorWindow::mouseMoveEvent(event);
}

void XY_XC_Click() { ShowCalculator(g_frmXY_XC); }

}  // namespace brennvik
