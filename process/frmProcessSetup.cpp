#include "frmProcessSetup.h"

#include "dialog_errors.h"
#include "form_widgets.h"
#include "platform/DialogWindows.h"
#include "platform/TextBoxes.h"
#include "frmProcess.h"
#include "machine_settings.h"
#include "process_state.h"
#include "workspace/frmMain.h"
#include "workspace/runtime.h"
#include "workspace/workspace_state.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace brennvik {

frmProcessSetup *g_frmProcessSetup = nullptr;

frmProcessSetup::~frmProcessSetup() {
    if (g_frmProcessSetup == this) g_frmProcessSetup = nullptr;
}

frmProcessSetup::frmProcessSetup(QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmProcessSetup"));
    setWindowTitle(QStringLiteral("パラメータ設定"));

    auto *fields = new QGridLayout;
    fields->addWidget(new QLabel(QStringLiteral("最高回転数"), this), 0, 0);
    fields->addWidget(new QLabel(QStringLiteral("S"), this), 0, 1);
    txtMaxS = MakeBox(this, "txtMaxS");
    fields->addWidget(txtMaxS, 0, 2);

    fields->addWidget(new QLabel(QStringLiteral("刃物台旋回位置"), this), 1, 0);
    LabelAppX = MakeLabel(this, "LabelAppX", QStringLiteral("X"));
    txtHomeX = MakeBox(this, "txtHomeX");
    LabelAppZ = MakeLabel(this, "LabelAppZ", QStringLiteral("Z"));
    txtHomeZ = MakeBox(this, "txtHomeZ");
    // Stands in the place of the Z field; only one of them is shown.
    chkM867 = MakeCheck(this, "chkM867", QStringLiteral("M867 (アンチ解除)"));
    fields->addWidget(LabelAppX, 1, 1);
    fields->addWidget(txtHomeX, 1, 2);
    fields->addWidget(LabelAppZ, 1, 3);
    fields->addWidget(txtHomeZ, 1, 4);
    fields->addWidget(chkM867, 1, 4);

    fields->addWidget(new QLabel(QStringLiteral("寄り付き位置"), this), 2, 0);
    fields->addWidget(new QLabel(QStringLiteral("X"), this), 2, 1);
    txtAppX = MakeBox(this, "txtAppX");
    fields->addWidget(txtAppX, 2, 2);
    fields->addWidget(new QLabel(QStringLiteral("Z"), this), 2, 3);
    txtAppZ = MakeBox(this, "txtAppZ");
    fields->addWidget(txtAppZ, 2, 4);

    auto *checks = new QGridLayout;
    chkToolLife = MakeCheck(this, "chkToolLife", QStringLiteral("工具寿命管理"));
    ChkOsp = MakeCheck(this, "ChkOsp", QStringLiteral("OSP-U100以降"));
    ChkBturret = MakeCheck(this, "ChkBturret", QStringLiteral("２サドル"));
    ChkMeasuer = MakeCheck(this, "ChkMeasuer", QStringLiteral("機内計測使用"));
    ChkPanel = MakeCheck(this, "ChkPanel", QStringLiteral("パネルチェック"));
    ChkDoor = MakeCheck(this, "ChkDoor", QStringLiteral("自動ドア使用"));
    ChkToolFrom = MakeCheck(this, "ChkToolFrom", QStringLiteral("工具形状出力"));
    ChkLoadMoniter = MakeCheck(this, "ChkLoadMoniter", QStringLiteral("ロードモニター"));
    ChkOptionalStop = MakeCheck(this, "ChkOptionalStop", QStringLiteral("オプショナル　　　　　　ストップ"));
    int i = 0;
    for (QCheckBox *box : {chkToolLife, ChkOsp, ChkBturret, ChkMeasuer, ChkPanel, ChkDoor, ChkToolFrom,
                           ChkLoadMoniter, ChkOptionalStop}) {
        checks->addWidget(box, i / 3, i % 3);
        ++i;
    }

    FrameMachine = MakeOptionFrame(
        this, "FrameMachine", QStringLiteral("機　種"),
        {{&mcOther, "mcOther", "その他"}, {&mcMacTurn, "mcMacTurn", "MacTurn"}, {&mcMULTUS, "mcMULTUS", "MULTUS"}},
        Qt::Vertical);
    TurretH = MakeOptionFrame(this, "TurretH", QStringLiteral("刃物台タイプ"), {{&H1, "H1", "H1"}, {&H2, "H2", "H2"}},
                              Qt::Vertical);
    AtcMacro = MakeOptionFrame(
        this, "AtcMacro", QStringLiteral("ATCマクロ"),
        {{&M321, "M321", "M321"}, {&M421, "M421", "M421"}, {&M441, "M441", "M441"}, {&TD, "TD", "TD指令"}},
        Qt::Vertical);
    chkToolType = MakeOptionFrame(this, "chkToolType", QStringLiteral("工具タイプ"),
                                  {{&HSK, "HSK", "HSK CAPT"}, {&BT, "BT", "BT"}}, Qt::Vertical);
    auto *frames = new QHBoxLayout;
    for (QGroupBox *frame : {FrameMachine, TurretH, AtcMacro, chkToolType}) frames->addWidget(frame);

    Command1 = MakeButton(this, "Command1", QStringLiteral("設　定"));
    Command2 = MakeButton(this, "Command2", QStringLiteral("キャンセル"));
    QHBoxLayout *buttons = MakeButtonRow({}, {Command1, Command2});

    auto *outer = new QVBoxLayout(this);
    outer->addLayout(fields);
    outer->addLayout(checks);
    outer->addLayout(frames);
    outer->addLayout(buttons);

    for (QLineEdit *box : {txtMaxS, txtHomeX, txtHomeZ, txtAppX, txtAppZ}) box->installEventFilter(this);
    connect(mcMacTurn, &QRadioButton::toggled, this, &frmProcessSetup::mcMacTurn_Click);
    connect(mcMULTUS, &QRadioButton::toggled, this, &frmProcessSetup::mcMULTUS_Click);
    connect(mcOther, &QRadioButton::toggled, this, &frmProcessSetup::mcOther_Click);
    connect(Command1, &QPushButton::clicked, this, &frmProcessSetup::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &frmProcessSetup::Command2_Click);
    KeepDesignSize(this);
}

bool frmProcessSetup::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::FocusIn)
        if (auto *box = qobject_cast<QLineEdit *>(watched))
            TextBox_GotFocus(box, static_cast<QFocusEvent *>(event)->reason());
    return QDialog::eventFilter(watched, event);
}

void frmProcessSetup::TextBox_GotFocus(QLineEdit *box, Qt::FocusReason reason) { SelectWholeText(box, reason); }

void frmProcessSetup::ShapeHomeFieldsForMachineType() {
    ShapeHomeFields(g_MacTurn ? Machine::MacTurn : g_MULTUS ? Machine::MULTUS : Machine::Other);
}

// On MacTurn and MULTUS the return goes to a fixed home position, so only the
// approach X row remains, labelled with the return command.
void frmProcessSetup::ShapeHomeFields(Machine machine) {
    const bool other = machine == Machine::Other;
    txtHomeX->setVisible(other);
    txtHomeZ->setVisible(other);
    LabelAppZ->setVisible(other);
    LabelAppX->setText(machine == Machine::MacTurn ? QStringLiteral("G21 HP=4")
                       : machine == Machine::MULTUS ? QStringLiteral("G20 HP=4")
                                                    : QStringLiteral("X"));
}

void frmProcessSetup::FillFromSettings() {
    txtMaxS->setText(NumberText(g_MaxS));
    txtHomeX->setText(NumberText(g_HomeX));
    txtHomeZ->setText(NumberText(g_HomeZ));
    txtAppX->setText(NumberText(g_AppX));
    txtAppZ->setText(NumberText(g_AppZ));
    ChkDoor->setChecked(g_AutoDoor);
    ChkPanel->setChecked(g_PanelChk);
    ChkMeasuer->setChecked(g_Measuer);
    ChkBturret->setChecked(g_Bturret);
    chkToolLife->setChecked(g_TG);
    ChkOsp->setChecked(g_OSPU100);
    // Selecting the machine type applies its rule, as a click does; the
    // stored turret, macro and tool type are shown after it, even where the
    // rule selected or disabled another option.
    if (g_MacTurn) {
        mcMacTurn->setChecked(true);
        mcMacTurn_Click();
    } else if (g_MULTUS) {
        mcMULTUS->setChecked(true);
        mcMULTUS_Click();
    } else {
        mcOther->setChecked(true);
        mcOther_Click();
    }
    (g_TurretType == 1 ? H1 : H2)->setChecked(true);
    if (g_AtcMacroType == QLatin1String("M321")) M321->setChecked(true);
    else if (g_AtcMacroType == QLatin1String("M421")) M421->setChecked(true);
    else if (g_AtcMacroType == QLatin1String("M441")) M441->setChecked(true);
    else TD->setChecked(true);
    ChkToolFrom->setChecked(g_ToolFrom);
    ChkLoadMoniter->setChecked(g_LoadMoniter);
    ChkOptionalStop->setChecked(g_OptionalStop);
    (g_ToolType != QLatin1String("HSK") ? BT : HSK)->setChecked(true);
    chkM867->setChecked(g_swM867);
}

void frmProcessSetup::mcMacTurn_Click() {
    if (mcMacTurn->isChecked()) ApplyMachineTypeRule(Machine::MacTurn);
}

void frmProcessSetup::mcMULTUS_Click() {
    if (mcMULTUS->isChecked()) ApplyMachineTypeRule(Machine::MULTUS);
}

void frmProcessSetup::mcOther_Click() {
    if (mcOther->isChecked()) ApplyMachineTypeRule(Machine::Other);
}

void frmProcessSetup::ApplyMachineTypeRule(Machine machine) {
    const bool other = machine == Machine::Other;
    const bool macTurn = machine == Machine::MacTurn;
    const bool multus = machine == Machine::MULTUS;
    ShapeHomeFields(machine);
    TurretH->setEnabled(!other);
    AtcMacro->setEnabled(!other);
    H1->setEnabled(!other);
    if (multus) H1->setChecked(true);
    H2->setEnabled(macTurn);
    for (QRadioButton *macro : {M321, M421, M441, TD}) macro->setEnabled(!other);
    if (multus) HSK->setChecked(true);
    else HSK->setEnabled(macTurn);
    BT->setEnabled(macTurn);
    chkToolType->setEnabled(macTurn);
    chkM867->setVisible(multus);
}

void frmProcessSetup::Command1_Click() {
    float maxS = 0;
    double homeX = 0, homeZ = 0, appX = 0, appZ = 0;
    try {
        maxS = CSng(Val(txtMaxS->text()));
        homeX = Val(txtHomeX->text());
        homeZ = Val(txtHomeZ->text());
        appX = Val(txtAppX->text());
        appZ = Val(txtAppZ->text());
    } catch (const RuntimeError &error) {
        // Nothing is stored; the command that opened the dialog reports it.
        KeepDialogError(error);
        g_DialogOK = false;
        Unload();
        return;
    }
    g_MaxS = maxS;
    g_HomeX = homeX;
    g_HomeZ = homeZ;
    g_AppX = appX;
    g_AppZ = appZ;
    g_AutoDoor = ChkDoor->isChecked();
    g_PanelChk = ChkPanel->isChecked();
    g_Measuer = ChkMeasuer->isChecked();
    g_TG = chkToolLife->isChecked();
    g_Bturret = ChkBturret->isChecked();
    g_OSPU100 = ChkOsp->isChecked();
    g_AtcMacroType = M321->isChecked()   ? QStringLiteral("M321")
                     : M421->isChecked() ? QStringLiteral("M421")
                     : M441->isChecked() ? QStringLiteral("M441")
                                         : QStringLiteral("TD");
    g_MacTurn = mcMacTurn->isChecked();
    g_MULTUS = !g_MacTurn && mcMULTUS->isChecked();
    const bool bAxis = g_MacTurn || g_MULTUS;
    if (!bAxis) g_AtcMacroType = QStringLiteral("M321");
    frmProcess *process = EnsureProcessForm();
    for (QWidget *w : {static_cast<QWidget *>(process->LabelB), static_cast<QWidget *>(process->LabelB2),
                       static_cast<QWidget *>(process->B), static_cast<QWidget *>(process->TipPostion)})
        w->setVisible(bAxis);
    g_TurretType = H1->isChecked() ? 1 : 2;
    g_ToolFrom = ChkToolFrom->isChecked();
    g_LoadMoniter = ChkLoadMoniter->isChecked();
    g_OptionalStop = ChkOptionalStop->isChecked();
    g_ToolType = HSK->isChecked() ? QStringLiteral("HSK") : QStringLiteral("BT");
    g_swM867 = chkM867->isChecked();
    DeriveM867Words();
    SaveMachineSettings();
    g_DialogOK = true;
    Unload();
}

void frmProcessSetup::Command2_Click() {
    g_DialogOK = false;
    Unload();
}

void frmProcessSetup::reject() { Unload(); }

void frmProcessSetup::Unload() { UnloadForm(this, g_frmProcessSetup); }

void EnsureProcessSetupShaped() {
    if (!g_frmProcessSetup) g_frmProcessSetup = new frmProcessSetup(g_frmMain);
    g_frmProcessSetup->ShapeHomeFieldsForMachineType();
}

}  // namespace brennvik
