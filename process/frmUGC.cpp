#include "frmUGC.h"

#include "cutting_conditions.h"
#include "dialog_errors.h"
#include "form_widgets.h"
#include "machine_settings.h"
#include "material.h"
#include "platform/DialogWindows.h"
#include "platform/FileDialogs.h"
#include "platform/Modal.h"
#include "process_state.h"
#include "ugc_sketch.h"
#include "workspace/frmMain.h"
#include "workspace/runtime.h"
#include "workspace/workspace_state.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace brennvik {

frmUGC *g_frmUGC = nullptr;

namespace {

constexpr int kEnter = 13;

// The platform's system colours the dialog paints its boxes and sketch with.
QColor ButtonFace() { return QApplication::palette().color(QPalette::Button); }
QColor WindowBackground() { return QApplication::palette().color(QPalette::Base); }
QColor WindowText() { return QApplication::palette().color(QPalette::WindowText); }
QColor MenuColour() { return QApplication::palette("QMenu").color(QPalette::Window); }
const QColor kHighlight(0xFF, 0x00, 0xFF);

void SetBox(QLineEdit *box, bool enabled, const QColor &background) {
    box->setEnabled(enabled);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, background);
    box->setPalette(palette);
}

}  // namespace

frmUGC::~frmUGC() {
    if (g_frmUGC == this) g_frmUGC = nullptr;
}

frmUGC::frmUGC(QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmUGC"));
    setWindowTitle(QStringLiteral("素材定義"));

    auto *fields = new QGridLayout;
    const struct {
        QLineEdit *&box;
        const char *name;
        const char *label;
    } boxes[] = {
        {Text9, "Text9", "P-原点"},       {Text3, "Text3", "素材全長 OL"},  {Text5, "Text5", "素材外径 OD"},
        {Text4, "Text4", "素材内径 ID"},  {Text1, "Text1", "爪把握長"},     {Text2, "Text2", "爪把握段差"},
        {Text8, "Text8", "センタ軸長"},   {Text7, "Text7", "センタ軸径"},   {Text6, "Text6", "センタ穴径"},
    };
    int row = 0;
    for (const auto &b : boxes) {
        b.box = MakeBox(this, b.name);
        fields->addWidget(new QLabel(QString::fromUtf8(b.label), this), row, 0);
        fields->addWidget(b.box, row, 1);
        b.box->installEventFilter(this);
        ++row;
    }
    const QList<QWidget *> tabOrder = {Text9, Text3, Text5, Text4, Text1, Text2, Text8, Text7, Text6};
    for (int i = 0; i + 1 < tabOrder.size(); ++i) setTabOrder(tabOrder[i], tabOrder[i + 1]);

    ChuckingSelect = MakeOptionFrame(this, "ChuckingSelect", QStringLiteral("把握選択"),
                                     {{&OD, "OD", "外径"}, {&ID, "ID", "内径"}}, Qt::Horizontal);
    SpindleSelect = MakeOptionFrame(this, "SpindleSelect", QStringLiteral("主軸選択"),
                                    {{&MainSpindle, "MainSpindle", "メイン側"}, {&SubSpindle, "SubSpindle", "サブ側"}},
                                    Qt::Horizontal);
    OD->setChecked(true);
    MainSpindle->setChecked(true);
    Check1 = MakeCheck(this, "Check1", QStringLiteral("センタ有り"));
    Check2 = MakeCheck(this, "Check2", QStringLiteral("正面図有り"));
    Check3 = MakeCheck(this, "Check3", QStringLiteral("グラフィック有り"));

    Sketch = new UgcSketch(this);
    auto *right = new QVBoxLayout;
    right->addWidget(Sketch);
    right->addWidget(Check3);
    right->addWidget(ChuckingSelect);
    right->addWidget(SpindleSelect);
    right->addWidget(Check1);
    right->addWidget(Check2);
    right->addStretch();

    auto *top = new QHBoxLayout;
    top->addLayout(fields);
    top->addLayout(right);

    CsvFile = MakeBox(this, "CsvFile");
    CsvFile->setReadOnly(true);
    auto *file = new QHBoxLayout;
    file->addWidget(new QLabel(QStringLiteral("加工条件ファイル名："), this));
    file->addWidget(CsvFile, 1);

    Material = MakeButton(this, "Material", QStringLiteral("加工条件選択"));
    Command1 = MakeButton(this, "Command1", QStringLiteral("実　行"));
    Command2 = MakeButton(this, "Command2", QStringLiteral("キャンセル"));
    QHBoxLayout *buttons = MakeButtonRow({Material}, {Command1, Command2});

    auto *outer = new QVBoxLayout(this);
    outer->addLayout(top);
    outer->addLayout(file);
    outer->addLayout(buttons);

    connect(Check1, &QCheckBox::toggled, this, &frmUGC::Check1_Click);
    connect(Check3, &QCheckBox::toggled, this, &frmUGC::Check3_Click);
    connect(Command1, &QPushButton::clicked, this, &frmUGC::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &frmUGC::Command2_Click);
    connect(Material, &QPushButton::clicked, this, &frmUGC::Material_Click);
    Form_Load();
    KeepDesignSize(this);
}

QList<QWidget *> frmUGC::GraphicControls() const {
    return {ChuckingSelect, SpindleSelect, MainSpindle, SubSpindle, OD, ID, Check1, Check2};
}

void frmUGC::Form_Load() {
    // Only origin, length, diameters, the graphic check box and the buttons
    // are usable until graphic data is asked for.
    for (QWidget *w : GraphicControls()) w->setEnabled(false);
    for (QLineEdit *box : {Text1, Text2, Text6, Text7, Text8}) SetBox(box, false, ButtonFace());
}

void frmUGC::Check3_Click() {
    const bool on = Check3->isChecked();
    for (QWidget *w : GraphicControls()) w->setEnabled(on);
    if (on) {
        SetBox(Text1, true, WindowBackground());
        SetBox(Text2, true, WindowBackground());
        if (Check1->isChecked())
            for (QLineEdit *box : {Text6, Text7, Text8}) SetBox(box, true, WindowBackground());
    } else {
        for (QLineEdit *box : {Text1, Text2, Text6, Text7, Text8}) SetBox(box, false, ButtonFace());
    }
}

void frmUGC::Check1_Click() {
    const bool centre = Check1->isChecked();
    SetBox(Text4, !centre, centre ? MenuColour() : WindowBackground());
    for (QLineEdit *box : {Text6, Text7, Text8})
        SetBox(box, centre, centre ? WindowBackground() : ButtonFace());
    Sketch->SetLineVisible(5, !centre);
    for (int n : {12, 13, 15, 16, 17}) Sketch->SetLineVisible(n, centre);
    Sketch->SetLineColour(19, centre ? MenuColour() : WindowText());
    Sketch->Label11->setVisible(centre);
}

int frmUGC::SketchLineOf(const QLineEdit *box) const {
    const std::pair<const QLineEdit *, int> lines[] = {{Text1, 6}, {Text2, 7}, {Text3, 3},  {Text4, 19}, {Text5, 2},
                                                       {Text6, 19}, {Text7, 17}, {Text8, 13}, {Text9, 18}};
    for (const auto &l : lines)
        if (l.first == box) return l.second;
    return 0;
}

void frmUGC::TextBox_GotFocus(QLineEdit *box) {
    if (const int line = SketchLineOf(box)) Sketch->SetLine(line, kHighlight, 2);
}

void frmUGC::TextBox_LostFocus(QLineEdit *box) {
    // The centre hole's line keeps the colour a centre gives it.
    if (const int line = SketchLineOf(box)) Sketch->SetLine(line, box == Text6 ? MenuColour() : WindowText(), 1);
}

void frmUGC::Text1_KeyPress(int keyAscii) {
    if (keyAscii == kEnter && !Text1->text().isEmpty()) Text2->setFocus();
}

bool frmUGC::eventFilter(QObject *watched, QEvent *event) {
    if (auto *box = qobject_cast<QLineEdit *>(watched)) {
        if (event->type() == QEvent::FocusIn) TextBox_GotFocus(box);
        else if (event->type() == QEvent::FocusOut) TextBox_LostFocus(box);
        else if (event->type() == QEvent::KeyPress && box == Text1) {
            const int key = static_cast<QKeyEvent *>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) Text1_KeyPress(kEnter);
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmUGC::Command1_Click() {
    try {
        // Everything is read and built before anything is stored, so a value
        // too large for its variable leaves the material as it was.
        MaterialInput in;
        in.origin = Val(Text9->text());
        in.jawGripLength = Val(Text1->text());
        in.jawGripStep = Val(Text2->text());
        in.outerDiameter = Fix(Val(Text5->text()));
        in.length = Fix(Val(Text3->text()));
        in.innerDiameter = CSng(Fix(Val(Text4->text())));
        in.centreLength = Val(Text8->text());
        in.centreDiameter = Val(Text7->text());
        in.centreHoleDiameter = Val(Text6->text());
        in.chuckOnOuterDiameter = OD->isChecked();
        in.subSpindle = SubSpindle->isChecked();
        in.centre = Check1->isChecked();
        in.frontView = Check2->isChecked();
        const QString block = BuildUserGraphicBlock(in);

        g_UgcOrigin = in.origin;
        g_JawGripLength = in.jawGripLength;
        g_JawGripStep = in.jawGripStep;
        g_MaterialOD = in.outerDiameter;
        g_MaterialLength = in.length;
        g_MaterialID = in.innerDiameter;
        g_OutputBlock = block;
        g_DialogOK = true;
        if (Check3->isChecked()) g_UgcGraphicOn = true;
    } catch (const RuntimeError &error) {
        g_DialogOK = false;
        KeepDialogError(error);
    }
    Unload();
}

void frmUGC::Command2_Click() {
    g_DialogOK = false;
    Unload();
}

// The close box counts as cancelling: a command that showed the dialog must
// not go on because an earlier dialog had been confirmed.
void frmUGC::reject() { Command2_Click(); }

void frmUGC::Material_Click() {
    try {
        FileDialogRequest request;
        request.kind = FileDialogRequest::Kind::Open;
        request.title = QStringLiteral("加工条件選択");
        request.filter = QStringLiteral("CSV Files(*.csv)|*.csv|All Files(*.*)|*.*");
        request.initialFolder = g_CsvPathName;
        const QString chosen = ShowFileDialog(request);
        // Cancelling keeps the file in use.
        if (chosen.isEmpty()) return;
        // A file that cannot be read is reported by the loader and leaves
        // the table, and with it the file in use, as they were.
        if (!LoadCuttingConditionsFrom(chosen)) return;
        g_CsvPathName = QDir::toNativeSeparators(QFileInfo(chosen).absolutePath());
        g_CsvFileName = chosen;
        CsvFile->setText(g_CsvFileName);
    } catch (const RuntimeError &) {
        // The choice ends without a message.
    }
}

void frmUGC::Unload() { UnloadForm(this, g_frmUGC); }

frmUGC *EnsureMaterialForm() {
    if (!g_frmUGC) g_frmUGC = new frmUGC(g_frmMain);
    return g_frmUGC;
}

void ShowMaterialDialog() {
    frmUGC *f = EnsureMaterialForm();
    f->CsvFile->setText(g_CsvFileName);
    ClearKeptDialogError();
    ShowModal(f);
    RaiseKeptDialogError();
}

}  // namespace brennvik
