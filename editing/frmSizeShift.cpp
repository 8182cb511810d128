#include "frmSizeShift.h"

#include "dialog_boxes.h"
#include "document_search.h"
#include "search_state.h"
#include "size_shift.h"
#include "platform/BusyPointer.h"
#include "platform/DialogWindows.h"
#include "platform/MsgBox.h"
#include "platform/RichTextPane.h"
#include "workspace/frmMain.h"
#include "workspace/nc_text.h"
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

namespace brennvik {

QPointer<frmSizeShift> g_frmSizeShift;

namespace {
const QString kTitle = QStringLiteral("計算による変更");
const QString kNotFound = QStringLiteral(" 見つかりません。");
}  // namespace

void ShiftCoordinateWords(const ShiftFormula &formula) {
    RichTextPane *pane = g_SearchPane;
    if (!pane || !SelectionIsSearchText(pane)) return;
    BusyPointer busy;
    const int s = pane->SelStart();
    const std::optional<ShiftRewrite> w = RewriteAt(g_SearchSubject, s, g_FindWhat, formula, g_ShiftFormat);
    if (!w) {
        g_CaretPos = s + 1;
        return;
    }
    g_SearchSubject = g_SearchSubject.left(s) + w->word + g_SearchSubject.mid(s + w->replacedLength);
    // Behind the new word, so an address that the new number contains is not met again.
    g_CaretPos = s + int(w->word.size());
    WriteSearchSubject(pane, g_CaretPos);
    CountHits();
}

frmSizeShift::frmSizeShift(QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmSizeShift"));
    setWindowTitle(QStringLiteral("計算によるデータの変更"));
    setAttribute(Qt::WA_DeleteOnClose);
    Label1 = Named(new QLabel(QStringLiteral("変更するデータのキャラクター"), this), "Label1");
    txtFind = Named(new QLineEdit(this), "txtFind");
    txtFind->setToolTip(QStringLiteral("例: X , Z , S , SB , DA ,etc..."));
    Label2 = Named(new QLabel(QStringLiteral("計算式"), this), "Label2");
    txtValue = Named(new QLineEdit(this), "txtValue");
    txtValue->setToolTip(QStringLiteral("例: 100 , -10 , *0.8 , /2 , etc..."));
    Label3 = Named(new QLabel(QStringLiteral("(+,-,*,/のみ)"), this), "Label3");
    Frame1 = Named(new QGroupBox(QStringLiteral("出力フォーマット"), this), "Frame1");
    Option1 = Named(new QRadioButton(QStringLiteral("1"), Frame1), "Option1");
    Option2 = Named(new QRadioButton(QStringLiteral("1．"), Frame1), "Option2");
    Option3 = Named(new QRadioButton(QStringLiteral("1．0"), Frame1), "Option3");
    Option4 = Named(new QRadioButton(QStringLiteral("01"), Frame1), "Option4");
    auto *options = new QHBoxLayout(Frame1);
    for (QRadioButton *o : {Option1, Option2, Option3, Option4}) options->addWidget(o);
    const ChangeControls c = MakeChangeControls(this);
    Check1 = c.Check1;
    Change = c.Change;
    NextFind = c.NextFind;
    AllChange = c.AllChange;
    Cancel = c.Cancel;
    QGridLayout *grid = LayOutChangeDialog(this, Label1, txtFind, Label2, txtValue, c);
    grid->addWidget(Label3, 2, 1);
    grid->addWidget(Frame1, 4, 0, 1, 3);

    connect(txtFind, &QLineEdit::textChanged, this, &frmSizeShift::txtFind_Change);
    connect(txtValue, &QLineEdit::textChanged, this, &frmSizeShift::txtValue_Change);
    connect(Change, &QPushButton::clicked, this, &frmSizeShift::Change_Click);
    connect(NextFind, &QPushButton::clicked, this, &frmSizeShift::NextFind_Click);
    connect(AllChange, &QPushButton::clicked, this, &frmSizeShift::AllChange_Click);
    connect(Cancel, &QPushButton::clicked, this, &frmSizeShift::Cancel_Click);
    SetBoxBehaviour(txtFind, [this] { txtFind_KeyPress(); });
    SetBoxBehaviour(txtValue, [this] { txtValue_KeyPress(); });
    Option1->setChecked(true);
    Check1->setChecked(true);
    for (QPushButton *b : {Change, NextFind, AllChange}) b->setEnabled(false);
    Form_Load();
    KeepDesignSize(this);
}

void frmSizeShift::Form_Load() { g_FirstPress = -1; }

void frmSizeShift::txtFind_Change() {
    const bool both = !txtFind->text().isEmpty() && !txtValue->text().isEmpty();
    for (QPushButton *b : {NextFind, Change, AllChange}) b->setEnabled(both);
    Change->setDefault(both);
    TakeBoxTexts();
    g_HitCount = 0;
}

void frmSizeShift::txtValue_Change() { txtFind_Change(); }

void frmSizeShift::txtFind_KeyPress() { txtValue->setFocus(); }

void frmSizeShift::txtValue_KeyPress() {
    if (!txtFind->text().isEmpty() && !txtValue->text().isEmpty()) Change->setFocus();
    else txtFind->setFocus();
}

void frmSizeShift::TakeBoxTexts() {
    g_FindWhat = txtFind->text();
    g_ReplaceWith = txtValue->text();
}

int16_t frmSizeShift::ChosenFormat() const {
    if (Option1->isChecked()) return 1;
    if (Option2->isChecked()) return 2;
    if (Option3->isChecked()) return 3;
    return 4;
}

bool frmSizeShift::ReadFormula(ShiftFormula *formula) {
    switch (ReadShiftFormula(txtValue->text(), formula)) {
    case FormulaStatus::Ok: return true;
    case FormulaStatus::DivisionByZero:
        MsgBox(QStringLiteral("０で割ることはできません。"), vbOKOnly | vbExclamation, kTitle);
        return false;
    case FormulaStatus::NotANumber:
        MsgBox(QStringLiteral("計算式が正しくありません。(+,-,*,/と数値のみ)"), vbOKOnly | vbExclamation, kTitle);
        return false;
    }
    return false;
}

void frmSizeShift::Change_Click() {
    if (!RefreshSearchState()) return;
    TakeBoxTexts();
    ShiftFormula formula;
    if (!ReadFormula(&formula)) return;
    ApplyStartFromTop(Check1, true);
    g_ShiftFormat = ChosenFormat();
    if (g_FirstPress == -1) {
        g_FirstPress = 0;
    } else {
        try {
            ShiftCoordinateWords(formula);
        } catch (const RuntimeError &e) {
            ShowErrorMessage(e.number());
            return;
        }
    }
    if (FindNextInDocument()) return;
    EndRun(QStringLiteral(" 回 データを変更しました."), kNotFound, QStringLiteral("データ変更"), Check1);
}

void frmSizeShift::NextFind_Click() {
    if (!RefreshSearchState()) return;
    TakeBoxTexts();
    ApplyStartFromTop(Check1, true);
    if (FindNextInDocument()) return;
    EndRun(QStringLiteral(" 回変更いたしました。"), kNotFound, kTitle, nullptr);
}

void frmSizeShift::AllChange_Click() {
    RichTextPane *pane = RefreshSearchState();
    if (!pane) return;
    TakeBoxTexts();
    ShiftFormula formula;
    if (!ReadFormula(&formula)) return;
    g_ShiftFormat = ChosenFormat();
    try {
        BusyPointer busy;
        const ShiftAllResult r =
            ShiftAllFrom(g_SearchSubject, g_FindWhat, formula, g_ShiftFormat, SweepStart(pane, Check1));
        TakeSweepResult(pane, r.text, r.caret, r.count);
    } catch (const RuntimeError &e) {
        ShowErrorMessage(e.number());
        return;
    }
    EndRun(QStringLiteral(" 回変更しました。"), kNotFound, kTitle, Check1);
}

void frmSizeShift::Cancel_Click() { close(); }

frmSizeShift *LoadSizeShiftDialog() {
    if (!g_frmSizeShift) g_frmSizeShift = new frmSizeShift(g_frmMain);
    return g_frmSizeShift;
}

}  // namespace brennvik
