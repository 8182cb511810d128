#include "DrawingCalculatorWindow.h"

#include "CalcPicture.h"
#include "platform/ControlNames.h"
#include "platform/FontFallback.h"
#include "platform/MsgBox.h"
#include "platform/WindowPrinter.h"
#include "workspace/frmMain.h"
#include "workspace/runtime.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

namespace brennvik {

namespace {

// Size of the read-out in twips.
constexpr double kReadoutWidthTwips = 2655;
constexpr double kReadoutHeightTwips = 300;

QString CaptionOf(QWidget *control) {
    if (auto *label = qobject_cast<QLabel *>(control)) return label->text();
    if (auto *button = qobject_cast<QAbstractButton *>(control)) return button->text();
    return {};
}

void SetCaptionOf(QWidget *control, const QString &caption) {
    if (auto *label = qobject_cast<QLabel *>(control)) label->setText(caption);
    else if (auto *button = qobject_cast<QAbstractButton *>(control)) button->setText(caption);
}

}  // namespace

DrawingCalculatorWindow::DrawingCalculatorWindow(const char *name, const QString &caption, QSizeF areaTwips)
    : CalculatorWindow(name, caption) {
    setMouseTracking(true);
    Picture1 = new CalcPicture(areaTwips, this);
    Picture3 = Named(new QLabel(Picture1), "Picture3");
    Picture3->setAutoFillBackground(true);
    QPalette palette = Picture3->palette();
    palette.setColor(QPalette::Window, Qt::black);
    palette.setColor(QPalette::WindowText, Qt::white);
    Picture3->setPalette(palette);
    // Where the named font is missing, the fixed-pitch stand-in of the panes.
    Picture3->setFont(PaneFont(QStringLiteral("ＭＳ ゴシック"), 12));
    Picture3->setAttribute(Qt::WA_TransparentForMouseEvents);
    Picture3->hide();
    SetReadoutWidthTwips(kReadoutWidthTwips);
    connect(Picture1, &CalcPicture::MouseMoved, this, &DrawingCalculatorWindow::ShowReadout);
    connect(Picture1, &CalcPicture::DrawingShown, this, [this] { FitReadouts(); });
}

DrawingCalculatorWindow::~DrawingCalculatorWindow() = default;

bool DrawingCalculatorWindow::Recalc() {
    CalcForm form = ReadForm();
    Drawing drawing = Picture1->CurrentDrawing();
    const bool solved = RunRecalc([this](CalcForm &f, Drawing &d) { Compute(f, d); }, form, drawing);
    WriteForm(form);
    Picture1->SetDrawing(drawing);
    return solved;
}

Plane DrawingCalculatorWindow::CurrentPlane() const {
    return OptionXY && OptionXY->isChecked() ? Plane::XY : Plane::XZ;
}

void DrawingCalculatorWindow::OptionPlane_Click() {
    const Plane plane = CurrentPlane();
    for (QWidget *control : m_planeCaptions) SetCaptionOf(control, PlaneCaption(CaptionOf(control), plane));
    PlaneChanged(plane);
    Recalc();
    if (m_firstBox) m_firstBox->setFocus(Qt::OtherFocusReason);
}

void DrawingCalculatorWindow::PrintWindow() {
    std::unique_ptr<QPrinter> printer = OpenDefaultPrinter();
    if (!printer) {
        MsgBox(QStringLiteral("プリンターが見つかりません。"), vbOKOnly | vbExclamation, QStringLiteral("印刷"));
        return;
    }
    Picture1->SetPrinting(true);
    Picture3->hide();
    Recalc();
    const bool printed = PrintWindowImage(*printer, this);
    Picture1->SetPrinting(false);
    Picture3->show();
    Recalc();
    if (!printed) MsgBox(QStringLiteral("印刷できませんでした。"), vbOKOnly | vbExclamation, QStringLiteral("印刷"));
}

void DrawingCalculatorWindow::SetKeepInFront(bool inFront) {
    if (bool(windowFlags() & Qt::WindowStaysOnTopHint) == inFront) return;
    const bool shown = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, inFront);
    // Changing a window's flags hides it.
    if (shown) show();
}

void DrawingCalculatorWindow::InputLeft(QLineEdit *, bool) { Recalc(); }

QLineEdit *DrawingCalculatorWindow::InputBox(const char *name, const QString &toolTip) {
    QLineEdit *box = EditBox(name, [this](QLineEdit *left, bool edited) { InputLeft(left, edited); }, toolTip);
    if (!m_firstBox) m_firstBox = box;
    return box;
}

int DrawingCalculatorWindow::StandardBoxWidth() { return TwipsToPixels(1095); }

void DrawingCalculatorWindow::PlaceLabelledBox(QGridLayout *grid, const LabelledBox &cell, int boxWidth) {
    QLineEdit *box = findChild<QLineEdit *>(QString::fromLatin1(cell.box));
    box->setFixedWidth(boxWidth);
    grid->addWidget(Label(cell.label, QString::fromUtf8(cell.caption)), cell.row, cell.column, Qt::AlignRight);
    grid->addWidget(box, cell.row, cell.column + 1);
}

QRadioButton *DrawingCalculatorWindow::RecalcOption(QWidget *parent, const char *name, const QString &caption) {
    auto *option = Named(new QRadioButton(caption, parent), name);
    connect(option, &QRadioButton::clicked, this, [this] { Recalc(); });
    return option;
}

QCheckBox *DrawingCalculatorWindow::RecalcCheck(QWidget *parent, const char *name, const QString &caption) {
    auto *check = Named(new QCheckBox(caption, parent), name);
    connect(check, &QCheckBox::clicked, this, [this] { Recalc(); });
    return check;
}

QPushButton *DrawingCalculatorWindow::PointInsertButton(const char *name, QLineEdit *x, QLineEdit *z) {
    return Button(name, QStringLiteral("X Z 挿入"),
                  [this, x, z] { Insert(PointLine(x->text(), z->text(), CurrentPlane())); });
}

QPushButton *DrawingCalculatorWindow::CentreInsertButton(const char *name, QLineEdit *i, QLineEdit *k) {
    return Button(name, QStringLiteral("I K 挿入"),
                  [this, i, k] { Insert(CentreLine(i->text(), k->text(), CurrentPlane())); });
}

QGroupBox *DrawingCalculatorWindow::PlaneFrame() {
    Frame2 = Named(new QGroupBox(QStringLiteral("座標"), this), "Frame2");
    OptionXZ = Named(new QRadioButton(QStringLiteral("Ｘ-Ｚ"), Frame2), "OptionXZ");
    OptionXY = Named(new QRadioButton(QStringLiteral("Ｘ－Ｙ"), Frame2), "OptionXY");
    OptionXZ->setChecked(true);
    auto *layout = new QHBoxLayout(Frame2);
    layout->addWidget(OptionXZ);
    layout->addWidget(OptionXY);
    for (QRadioButton *option : {OptionXZ, OptionXY})
        connect(option, &QRadioButton::clicked, this, &DrawingCalculatorWindow::OptionPlane_Click);
    return Frame2;
}

QGroupBox *DrawingCalculatorWindow::SolutionFrame(const QString &caption,
                                                  std::initializer_list<QRadioButton **> options) {
    auto *frame = Named(new QGroupBox(caption, this), "Frame1");
    auto *layout = new QHBoxLayout(frame);
    int number = 0;
    for (QRadioButton **option : options) {
        ++number;
        *option = RecalcOption(frame, QByteArray("Option" + QByteArray::number(number)).constData(),
                               QString::number(number));
        layout->addWidget(*option);
    }
    (**options.begin())->setChecked(true);
    return frame;
}

void DrawingCalculatorWindow::SetTabOrder(std::initializer_list<QWidget *> order) {
    QWidget *previous = nullptr;
    for (QWidget *control : order) {
        if (previous) QWidget::setTabOrder(previous, control);
        previous = control;
    }
}

void DrawingCalculatorWindow::SetPlaneCaptions(std::initializer_list<QWidget *> controls) {
    m_planeCaptions.insert(m_planeCaptions.end(), controls.begin(), controls.end());
}

void DrawingCalculatorWindow::LayOut(QLayout *boxes, QLayout *side, std::initializer_list<QWidget *> notes) {
    auto *middle = new QHBoxLayout;
    middle->addLayout(boxes);
    middle->addStretch();
    middle->addLayout(side);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Picture1);
    layout->addLayout(middle);
    for (QWidget *note : notes) layout->addWidget(note);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void DrawingCalculatorWindow::RecalcWhenPictureFocused() {
    Picture1->setFocusPolicy(Qt::StrongFocus);
    connect(Picture1, &CalcPicture::GotFocus, this, [this] { Recalc(); });
}

void DrawingCalculatorWindow::ShowReadout(QPointF position) {
    Picture1->setCursor(Qt::CrossCursor);
    Picture3->setText(ReadoutText(position.x(), position.y(), CurrentPlane()));
    Picture3->show();
}

void DrawingCalculatorWindow::SetReadoutWidthTwips(double twips) {
    m_readoutWidthTwips = twips;
    FitReadouts();
}

QSize DrawingCalculatorWindow::ReadoutDesignSize() const {
    return {TwipsToPixels(m_readoutWidthTwips), TwipsToPixels(kReadoutHeightTwips)};
}

void DrawingCalculatorWindow::FitReadouts() {
    FitReadoutBox(Picture3, ReadoutDesignSize(), LongestReadouts(Picture1->CurrentDrawing().Scale(), CurrentPlane()), 0);
}

void FitReadoutBox(QLabel *box, QSize design, const QStringList &longest, int left) {
    const QFontMetrics metrics(box->font());
    int width = 0;
    for (const QString &text : longest) width = std::max(width, metrics.horizontalAdvance(text));
    // A read-out ends in a blank: no room is added after it.
    const QSize size(std::max(design.width(), width), std::max(design.height(), metrics.height()));
    const QWidget *area = box->parentWidget();
    box->setGeometry(left, area->height() - size.height(), size.width(), size.height());
}

void DrawingCalculatorWindow::mouseMoveEvent(QMouseEvent *event) {
    Picture3->hide();
    QWidget::mouseMoveEvent(event);
}

QPoint LowerRightPlacement(const QRect &screen, const QSize &window, int right, int bottom) {
    return {std::max(screen.left(), screen.right() + 1 - window.width() - right),
            std::max(screen.top(), screen.bottom() + 1 - window.height() - bottom)};
}

}  // namespace brennvik
