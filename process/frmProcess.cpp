#include "frmProcess.h"

#include "cutting_conditions.h"
#include "dialog_errors.h"
#include "form_widgets.h"
#include "platform/DialogWindows.h"
#include "platform/TextBoxes.h"
#include "platform/Modal.h"
#include "process_state.h"
#include "process_words.h"
#include "workspace/frmMain.h"
#include "workspace/runtime.h"
#include "workspace/workspace_state.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace brennvik {

frmProcess *g_frmProcess = nullptr;

namespace {

constexpr int kEnter = 13;

}  // namespace

frmProcess::~frmProcess() {
    if (g_frmProcess == this) g_frmProcess = nullptr;
}

frmProcess::frmProcess(QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmProcess"));
    setWindowTitle(QStringLiteral("工程データ"));
    auto *grid = new QGridLayout;
    m_grid = grid;

    struct Field {
        QLabel *&name;
        const char *nameObject;
        const char *nameCaption;
        QLabel *&letter;
        const char *letterObject;
        const char *letterCaption;
        QLineEdit *&box;
        const char *boxObject;
    };
    const Field single[] = {
        {Label1, "Label1", "工具番号", Label10, "Label10", "T", ToolNumber, "ToolNumber"},
        {LabelB, "LabelB", "B軸角度", LabelB2, "LabelB2", "B", B, "B"},
        {LabelV, "LabelV", "周　速(m/min)", Labelv2, "Labelv2", "V", V, "V"},
        {LabelF, "LabelF", "送り速度(mm/rev)", LabelF2, "LabelF2", "F", F, "F"},
        {LabelU, "LabelU", "仕上げ代", LabelU2, "LabelU2", "U", U, "U"},
        {LabelW, "LabelW", "仕上げ代", LabelW2, "LabelW2", "W", W, "W"},
        {LabelD, "LabelD", "ステップ", LabelD2, "LabelD2", "D", D, "D"},
        {LabelL, "LabelL", "引き抜き", LabelL2, "LabelL2", "L", L, "L"},
        {LabelC, "LabelC", "面取り量", LabelC2, "LabelC2", "C", C, "C"},
        {LabelCZ, "LabelCZ", "", LabelSZ, "LabelSZ", "Z", SZ, "SZ"},
    };
    int row = 0;
    for (const Field &f : single) {
        f.name = MakeLabel(this, f.nameObject, QString::fromUtf8(f.nameCaption));
        f.letter = MakeLabel(this, f.letterObject, QString::fromUtf8(f.letterCaption));
        f.box = MakeBox(this, f.boxObject);
        grid->addWidget(f.name, row, 0);
        grid->addWidget(f.letter, row, 1);
        grid->addWidget(f.box, row, 2);
        ++row;
    }
    B->setText(QStringLiteral("0"));

    LabelStart = MakeLabel(this, "LabelStart", QStringLiteral("開始点"));
    LabelStartX = MakeLabel(this, "LabelStartX", QStringLiteral("X"));
    StartX = MakeBox(this, "StartX");
    LabelStartZ = MakeLabel(this, "LabelStartZ", QStringLiteral("Z"));
    StartZ = MakeBox(this, "StartZ");
    LabelStartC = MakeLabel(this, "LabelStartC", QStringLiteral("C"));
    StartC = MakeBox(this, "StartC");
    LabelEnd = MakeLabel(this, "LabelEnd", QStringLiteral("終　点"));
    LabelEndX = MakeLabel(this, "LabelEndX", QStringLiteral("X"));
    EndX = MakeBox(this, "EndX");
    LabelEndZ = MakeLabel(this, "LabelEndZ", QStringLiteral("Z"));
    // Lies under the EndZ box: seen only while that box is hidden.
    EndZ2 = MakeLabel(this, "EndZ2", QStringLiteral("終　点"));
    EndZ = MakeBox(this, "EndZ");
    LabelEndC = MakeLabel(this, "LabelEndC", QStringLiteral("C"));
    EndC = MakeBox(this, "EndC");
    const int startRow = row;
    const int endRow = row + 1;
    grid->addWidget(LabelStart, startRow, 0);
    grid->addWidget(LabelStartX, startRow, 1);
    grid->addWidget(StartX, startRow, 2);
    grid->addWidget(LabelStartZ, startRow, 3);
    grid->addWidget(StartZ, startRow, 4);
    grid->addWidget(LabelStartC, startRow, 5);
    grid->addWidget(StartC, startRow, 6);
    grid->addWidget(LabelEnd, endRow, 0);
    grid->addWidget(LabelEndX, endRow, 1);
    grid->addWidget(EndX, endRow, 2);
    grid->addWidget(LabelEndZ, endRow, 3);
    grid->addWidget(EndZ2, endRow, 4);
    grid->addWidget(EndZ, endRow, 4);
    grid->addWidget(LabelEndC, endRow, 5);
    grid->addWidget(EndC, endRow, 6);

    LabelAttn = MakeLabel(this, "LabelAttn", QString());
    Label2 = MakeLabel(this, "Label2", QStringLiteral("注：入力個所の移動はTABキー      を押してください。"));
    grid->addWidget(LabelAttn, endRow + 1, 0, 1, 7);
    grid->addWidget(Label2, endRow + 2, 0, 1, 7);

    Frame1 = MakeOptionFrame(this, "Frame1", QStringLiteral("主軸"),
                             {{&SpindleCW, "SpindleCW", "正転"}, {&SpindleCCW, "SpindleCCW", "逆転"}}, Qt::Horizontal);
    Frame2 = MakeOptionFrame(this, "Frame2", QStringLiteral("切削水"),
                             {{&CoolantON, "CoolantON", "入り"}, {&CoolantOFF, "CoolantOFF", "切り"}}, Qt::Horizontal);
    TipPostion = MakeOptionFrame(this, "TipPostion", QStringLiteral("刃先位置"),
                                 {{&M602, "M602", "0°"}, {&M603, "M603", "180°"}}, Qt::Horizontal);
    Frame3 = MakeOptionFrame(this, "Frame3", QStringLiteral("面取り"),
                             {{&Option1, "Option1", "C"}, {&Option2, "Option2", "R"}}, Qt::Horizontal);
    M602->setChecked(true);
    Option1->setChecked(true);
    auto *frames = new QVBoxLayout;
    for (QGroupBox *frame : {Frame1, Frame2, TipPostion, Frame3}) frames->addWidget(frame);
    frames->addStretch();
    grid->addLayout(frames, 0, 3, startRow, 4);

    Command1 = MakeButton(this, "Command1", QStringLiteral("実　行"));
    Command2 = MakeButton(this, "Command2", QStringLiteral("キャンセル"));
    QHBoxLayout *buttons = MakeButtonRow({}, {Command1, Command2});
    auto *outer = new QVBoxLayout(this);
    outer->addLayout(grid);
    outer->addLayout(buttons);

    for (QWidget *w : {static_cast<QWidget *>(B), static_cast<QWidget *>(SZ), static_cast<QWidget *>(LabelB),
                       static_cast<QWidget *>(LabelB2), static_cast<QWidget *>(LabelSZ),
                       static_cast<QWidget *>(Frame3)})
        w->setVisible(false);

    const QList<QWidget *> tabOrder = {ToolNumber, B, V, F, U, W, D, L, C, SZ, StartX, StartZ,
                                       StartC, EndX, EndZ, EndC, Command1, Command2};
    for (int i = 0; i + 1 < tabOrder.size(); ++i) setTabOrder(tabOrder[i], tabOrder[i + 1]);
    for (QLineEdit *box : findChildren<QLineEdit *>()) box->installEventFilter(this);

    connect(Command1, &QPushButton::clicked, this, &frmProcess::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &frmProcess::Command2_Click);
    KeepDesignSize(this);
}

bool frmProcess::eventFilter(QObject *watched, QEvent *event) {
    auto *box = qobject_cast<QLineEdit *>(watched);
    if (!box) return QDialog::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::FocusIn:
        TextBox_GotFocus(box, static_cast<QFocusEvent *>(event)->reason());
        break;
    case QEvent::FocusOut:
        if (box == B) B_LostFocus();
        break;
    case QEvent::KeyPress: {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) break;
        if (box == ToolNumber) ToolNumber_KeyPress(kEnter);
        else if (box == V) V_KeyPress(kEnter);
        else if (box == F) F_KeyPress(kEnter);
        // Enter never reaches a button: it only moves along the chain.
        return true;
    }
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}

void frmProcess::TextBox_GotFocus(QLineEdit *box, Qt::FocusReason reason) { SelectWholeText(box, reason); }

void frmProcess::PlaceLabelBefore(QLabel *label, QLabel *anchor) {
    const int index = m_grid->indexOf(anchor);
    if (index < 0) return;
    int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
    m_grid->getItemPosition(index, &row, &column, &rowSpan, &columnSpan);
    m_grid->removeWidget(label);
    m_grid->removeWidget(anchor);
    auto *caption = new QHBoxLayout;
    caption->setSpacing(0);
    caption->addWidget(label);
    caption->addWidget(anchor);
    caption->addStretch();
    m_grid->addLayout(caption, row, column, rowSpan, columnSpan);
}

void frmProcess::ToolNumber_KeyPress(int keyAscii) {
    if (keyAscii == kEnter) V->setFocus();
}

void frmProcess::V_KeyPress(int keyAscii) {
    if (keyAscii == kEnter) F->setFocus();
}

void frmProcess::F_KeyPress(int keyAscii) {
    if (keyAscii == kEnter) U->setFocus();
}

void frmProcess::B_LostFocus() {
    const QString caption = windowTitle();
    if (caption != QStringLiteral("Y/B軸 Mタップ") && caption != QStringLiteral("Y/B軸 Mドリル")) return;
    double b = 0;
    try {
        b = Val(B->text());
    } catch (const RuntimeError &) {
        b = 0;  // a number beyond any range is no 90
    }
    LabelEndC->setText(b == 90 ? QStringLiteral("X") : QStringLiteral("Z"));
}

void frmProcess::Command1_Click() {
    try {
        ReadProcessDialog();
        g_DialogOK = true;
    } catch (const RuntimeError &error) {
        g_DialogOK = false;
        KeepDialogError(error);
    }
    Unload();
}

void frmProcess::Command2_Click() {
    g_DialogOK = false;
    Unload();
}

void frmProcess::reject() { Command2_Click(); }

void frmProcess::Unload() { UnloadForm(this, g_frmProcess); }

frmProcess *EnsureProcessForm() {
    if (!g_frmProcess) g_frmProcess = new frmProcess(g_frmMain);
    return g_frmProcess;
}

void ShowProcessDialog() {
    ClearKeptDialogError();
    ShowModal(EnsureProcessForm());
    RaiseKeptDialogError();
}

void ReadProcessDialog() {
    const frmProcess *f = EnsureProcessForm();
    ProcessOptions options;
    options.spindleForward = f->SpindleCW->isChecked();
    options.coolantOn = f->CoolantON->isChecked();
    options.tipAtZeroDegrees = f->M602->isChecked();
    options.bAngle = Val(f->B->text());
    const ProcessWords words = BuildProcessWords(options);

    const double tool = Val(f->ToolNumber->text());
    const double v = Val(f->V->text());
    const double feed = Val(f->F->text());
    const double u = Val(f->U->text());
    const double w = Val(f->W->text());
    const double d = Val(f->D->text());
    const double l = Val(f->L->text());
    const float c = CSng(Val(f->C->text()));
    const double b = Val(f->B->text());
    const double sz = Val(f->SZ->text());
    const double startX = Val(f->StartX->text());
    const double startZ = Val(f->StartZ->text());
    const float startC = CSng(Val(f->StartC->text()));
    const double endX = Val(f->EndX->text());
    const double endZ = Val(f->EndZ->text());
    const float endC = CSng(Val(f->EndC->text()));

    g_SpindleWord = words.spindle;
    g_CoolantWord = words.coolant;
    g_TipPositionWord = words.tipPosition;
    g_G52Word = words.g52;
    g_BAxisWord = words.bAxis;
    g_M263Word = words.m263;
    g_ToolNumber = tool;
    g_ParamV = v;
    g_ParamF = feed;
    g_ParamU = u;
    g_ParamW = w;
    g_ParamD = d;
    g_ParamL = l;
    g_ParamC = c;
    g_ParamB = b;
    g_ParamSZ = sz;
    g_StartX = startX;
    g_StartZ = startZ;
    g_StartC = startC;
    g_EndX = endX;
    g_EndZ = endZ;
    g_EndC = endC;
    g_ChamferIsC = f->Option1->isChecked();
}

namespace {

QString ConditionCell(int row, int column) {
    if (row < 1 || row > kCuttingConditionRows) return QString();
    return g_CuttingConditions[row][column];
}

// The strict conversion of a spindle or coolant cell.
double ConditionNumber(int row, int column) {
    double value = 0;
    if (!TryParseNumber(ConditionCell(row, column), &value)) RaiseError(kErrTypeMismatch);
    return value;
}

}  // namespace

void PrefillProcessDialog(int row) {
    frmProcess *f = EnsureProcessForm();
    f->ToolNumber->setText(ConditionCell(row, 3));
    (ConditionNumber(row, 4) == 0 ? f->SpindleCW : f->SpindleCCW)->setChecked(true);
    (ConditionNumber(row, 5) == 1 ? f->CoolantON : f->CoolantOFF)->setChecked(true);
    QLineEdit *const boxes[] = {f->V, f->F, f->D, f->L, f->U, f->W, f->C};
    int column = 6;
    for (QLineEdit *box : boxes) box->setText(ConditionCell(row, column++));
}

}  // namespace brennvik
