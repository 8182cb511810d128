#include "frmNumberArrange.h"

#include "dialog_boxes.h"
#include "document_search.h"
#include "renumber.h"
#include "renumber_settings.h"
#include "search_state.h"
#include "platform/BusyPointer.h"
#include "platform/DialogWindows.h"
#include "platform/MsgBox.h"
#include "platform/RichTextPane.h"
#include "workspace/frmMain.h"
#include "workspace/runtime.h"
#include "workspace/workspace_state.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <cmath>

namespace brennvik {

QPointer<frmNumberArrange> g_frmNumberArrange;

namespace {

const QString kTitle = QStringLiteral("シーケンスナンバーアレンジ");
const QString kStartOrStepMessage = QStringLiteral("開始番号と番号の加算量は、番号が ") +
                                    QString::number(kLargestSequenceNumber) +
                                    QStringLiteral(" を超えない 0 以上の整数を入力してください。");

// A whole number of 0 or more written in the box, else false. Digits are
// read exactly up to the largest sequence number; another numeric form
// ("1e3", "10.0") only as far as a double holds every whole number.
bool ReadWholeNumber(const QLineEdit *box, qint64 *value) {
    const QString text = box->text().trimmed();
    bool digits = false;
    const qint64 exact = text.toLongLong(&digits);
    if (digits) {
        if (exact < 0) return false;
        *value = exact;
        return true;
    }
    double v = 0;
    if (!TryParseNumber(text, &v) || v != std::floor(v) || v < 0 || v > 9007199254740992.0) return false;
    *value = qint64(v);
    return true;
}

}  // namespace

frmNumberArrange::frmNumberArrange(QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmNumberArrange"));
    setWindowTitle(kTitle);
    setAttribute(Qt::WA_DeleteOnClose);
    auto box = [&](const char *name, const char *text, const char *tip) {
        QLineEdit *b = Named(new QLineEdit(QString::fromUtf8(text), this), name);
        b->setToolTip(QString::fromUtf8(tip));
        return b;
    };
    Label1 = Named(new QLabel(QStringLiteral("番号の桁数"), this), "Label1");
    DigitNo = box("DigitNo", "3", "3=N000 , 4=N0000...");
    Label3 = Named(new QLabel(QStringLiteral("開始番号"), this), "Label3");
    StartNo = box("StartNo", "1", "100=N100, N101...");
    Label2 = Named(new QLabel(QStringLiteral("番号の加算量"), this), "Label2");
    AddNo = box("AddNo", "1", "1=N001, N002...");
    Frame1 = Named(new QGroupBox(QStringLiteral("ｽﾍﾟｰｽ"), this), "Frame1");
    WithoutSpace = Named(new QRadioButton(QStringLiteral("無し"), Frame1), "WithoutSpace");
    WithoutSpace->setToolTip(QStringLiteral("N000X100..."));
    With1Space = Named(new QRadioButton(QStringLiteral("１個"), Frame1), "With1Space");
    With1Space->setToolTip(QStringLiteral("N000 X100..."));
    With5Space = Named(new QRadioButton(QStringLiteral("５個"), Frame1), "With5Space");
    With5Space->setToolTip(QStringLiteral("N000     X100..."));
    With5Space->setChecked(true);
    auto *spaces = new QHBoxLayout(Frame1);
    for (QRadioButton *o : {WithoutSpace, With1Space, With5Space}) spaces->addWidget(o);
    FromTop = Named(new QCheckBox(QStringLiteral("先頭から開始"), this), "FromTop");
    StopM02 = Named(new QCheckBox(QStringLiteral("M02及びRTSで停止"), this), "StopM02");
    Continue = Named(new QCheckBox(QStringLiteral("連続番号"), this), "Continue");
    NoDelete = Named(new QCheckBox(QStringLiteral("番号の削除"), this), "NoDelete");
    BSkip = Named(new QCheckBox(QStringLiteral("N000/ → /N000"), this), "BSkip");
    Command1 = Named(new QPushButton(QStringLiteral("実行"), this), "Command1");
    Cancel = Named(new QPushButton(QStringLiteral("キャンセル"), this), "Cancel");
    for (QPushButton *b : {Command1, Cancel}) b->setAutoDefault(false);

    auto *grid = new QGridLayout(this);
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(DigitNo, 0, 1);
    grid->addWidget(Label3, 1, 0);
    grid->addWidget(StartNo, 1, 1);
    grid->addWidget(Label2, 2, 0);
    grid->addWidget(AddNo, 2, 1);
    grid->addWidget(Frame1, 3, 0, 1, 2);
    int row = 0;
    for (QCheckBox *c : {FromTop, StopM02, Continue, NoDelete, BSkip}) grid->addWidget(c, row++, 2);
    grid->addWidget(Command1, 0, 3);
    grid->addWidget(Cancel, 1, 3);

    connect(Command1, &QPushButton::clicked, this, &frmNumberArrange::Command1_Click);
    connect(Cancel, &QPushButton::clicked, this, &frmNumberArrange::Cancel_Click);
    connect(NoDelete, &QCheckBox::toggled, this, &frmNumberArrange::NoDelete_Click);
    connect(StopM02, &QCheckBox::toggled, this, &frmNumberArrange::StopM02_Click);
    SetBoxBehaviour(DigitNo, [this] { StartNo->setFocus(); });
    SetBoxBehaviour(StartNo, [this] { AddNo->setFocus(); });
    SetBoxBehaviour(AddNo, [this] { Command1->setFocus(); });
    Form_Load();
    KeepDesignSize(this);
}

void frmNumberArrange::Form_Load() {
    LoadRenumberSettings();
    BSkip->setChecked(g_BDEL == 1);
    if (g_SpaceN == 0) WithoutSpace->setChecked(true);
    if (g_SpaceN == 1) With1Space->setChecked(true);
    if (g_SpaceN == 5) With5Space->setChecked(true);
    DigitNo->setText(NumberText(g_DigitN));
}

void frmNumberArrange::NoDelete_Click() {
    for (QLineEdit *b : {DigitNo, StartNo, AddNo}) b->setEnabled(!NoDelete->isChecked());
}

void frmNumberArrange::StopM02_Click() { Continue->setEnabled(!StopM02->isChecked()); }

void frmNumberArrange::Cancel_Click() { close(); }

bool frmNumberArrange::MCheck(const QString &code) const {
    return EndCodeInRegion(g_SearchSubject, g_CaretPos, g_LineEndPos - 1, code);
}

bool frmNumberArrange::ReadOptions(RenumberOptions *o) {
    o->deleteNumbers = NoDelete->isChecked();
    // Deleting writes no numbers: the three boxes are disabled and not read.
    if (!o->deleteNumbers) {
        if (!DigitCountFromText(DigitNo->text(), &o->digits)) {
            MsgBox(QStringLiteral("番号の桁数は 1 から 9 までの整数を入力してください。"), vbOKOnly | vbExclamation,
                   kTitle);
            return false;
        }
        if (!ReadWholeNumber(StartNo, &o->start) || !ReadWholeNumber(AddNo, &o->step)) {
            MsgBox(kStartOrStepMessage, vbOKOnly | vbExclamation, kTitle);
            return false;
        }
    } else if (!DigitCountFromText(DigitNo->text(), &o->digits)) {
        o->digits = g_DigitN;
    }
    o->stopAtEnd = StopM02->isChecked();
    o->continuous = Continue->isChecked();
    o->bdel = BSkip->isChecked() ? 1 : 0;
    o->spaceN = With1Space->isChecked() ? 1 : With5Space->isChecked() ? 5 : 0;
    return true;
}

void frmNumberArrange::Command1_Click() {
    RichTextPane *pane = FocusedPane();
    if (!pane) return;
    RenumberOptions options;
    if (!ReadOptions(&options)) return;
    // The pane as it is now, and its own caret.
    TakeSearchSnapshot(pane);
    if (FromTop->isChecked()) g_CaretPos = 0;
    // The hourglass over every window, the pane's too, while the run lasts.
    BusyPointer busy;
    // A number beyond the largest is refused before anything changes.
    bool numbersFit = true;
    const QString renumbered = RenumberText(g_SearchSubject, g_CaretPos, options, &numbersFit);
    if (!numbersFit) {
        busy.Restore();
        MsgBox(kStartOrStepMessage, vbOKOnly | vbExclamation, kTitle);
        return;
    }
    g_DigitN = int16_t(options.digits);
    g_BDEL = int16_t(options.bdel);
    g_SpaceN = int16_t(options.spaceN);
    SaveRenumberSettings();
    close();
    g_SearchSubject = renumbered;
    WriteSearchSubject(pane, int(g_SearchSubject.size()));
}

frmNumberArrange *LoadNumberArrangeDialog() {
    if (!g_frmNumberArrange) g_frmNumberArrange = new frmNumberArrange(g_frmMain);
    return g_frmNumberArrange;
}

}  // namespace brennvik
