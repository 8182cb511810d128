#include "frmReplace.h"

#include "dialog_boxes.h"
#include "document_search.h"
#include "search.h"
#include "search_state.h"
#include "platform/BusyPointer.h"
#include "platform/DialogWindows.h"
#include "platform/RichTextPane.h"
#include "workspace/document_slots.h"
#include "workspace/frmDocument.h"
#include "workspace/frmMain.h"
#include "workspace/runtime.h"
#include "workspace/workspace_state.h"

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>

namespace brennvik {

QPointer<frmReplace> g_frmReplace;

namespace {
const QString kTitle = QStringLiteral("置き換え");
const QString kNotFound = QStringLiteral(" 見つかりませんでした。");
}  // namespace

frmReplace::frmReplace(QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmReplace"));
    setWindowTitle(QStringLiteral("文字列の置き換え"));
    setAttribute(Qt::WA_DeleteOnClose);
    Label1 = Named(new QLabel(QStringLiteral("検索文字列"), this), "Label1");
    txtFind = Named(new QLineEdit(this), "txtFind");
    Label2 = Named(new QLabel(QStringLiteral("置き換え文字列"), this), "Label2");
    txtReplace = Named(new QLineEdit(this), "txtReplace");
    const ChangeControls c = MakeChangeControls(this);
    Check1 = c.Check1;
    Change = c.Change;
    NextFind = c.NextFind;
    AllChange = c.AllChange;
    Cancel = c.Cancel;
    LayOutChangeDialog(this, Label1, txtFind, Label2, txtReplace, c);

    connect(txtFind, &QLineEdit::textChanged, this, &frmReplace::txtFind_Change);
    connect(txtReplace, &QLineEdit::textChanged, this, &frmReplace::txtReplace_Change);
    connect(Change, &QPushButton::clicked, this, &frmReplace::Change_Click);
    connect(NextFind, &QPushButton::clicked, this, &frmReplace::NextFind_Click);
    connect(AllChange, &QPushButton::clicked, this, &frmReplace::AllChange_Click);
    connect(Cancel, &QPushButton::clicked, this, &frmReplace::Cancel_Click);
    // Enter presses 変　更 while it is the default button, else moves on.
    for (QLineEdit *box : {txtFind, txtReplace}) {
        SetBoxBehaviour(box, [this] {
            if (Change->isDefault() && Change->isEnabled()) Change->click();
            else focusNextChild();
        });
    }
    Form_Load();
    KeepDesignSize(this);
}

void frmReplace::Form_Load() {
    Check1->setChecked(true);
    g_FirstPress = -1;
    for (QPushButton *b : {NextFind, Change, AllChange}) b->setEnabled(false);
    Change->setDefault(false);
}

void frmReplace::txtFind_Change() {
    const bool any = !txtFind->text().isEmpty();
    for (QPushButton *b : {NextFind, Change, AllChange}) b->setEnabled(any);
    Change->setDefault(any);
    TakeBoxTexts();
    g_HitCount = 0;
}

void frmReplace::txtReplace_Change() {
    TakeBoxTexts();
    g_HitCount = 0;
}

void frmReplace::TakeBoxTexts() {
    g_FindWhat = txtFind->text();
    g_ReplaceWith = txtReplace->text();
}

void frmReplace::Change_Click() {
    if (!RefreshSearchState()) return;
    TakeBoxTexts();
    ApplyStartFromTop(Check1, true);
    if (g_FirstPress == -1)
        g_FirstPress = 0;
    else
        ReplaceNextInDocument();
    if (FindNextInDocument()) return;
    EndRun(QStringLiteral(" 回　変更しました。"), kNotFound, kTitle, Check1);
}

void frmReplace::NextFind_Click() {
    if (!RefreshSearchState()) return;
    TakeBoxTexts();
    ApplyStartFromTop(Check1, true);
    if (FindNextInDocument()) return;
    EndRun(QStringLiteral(" 回 変更しました。"), kNotFound, kTitle, nullptr);
}

void frmReplace::AllChange_Click() {
    RichTextPane *pane = RefreshSearchState();
    if (!pane) return;
    TakeBoxTexts();
    {
        BusyPointer busy;
        const ReplaceAllResult r = ReplaceAllFrom(g_SearchSubject, g_FindWhat, g_ReplaceWith, SweepStart(pane, Check1));
        TakeSweepResult(pane, r.text, r.caret, r.count);
    }
    EndRun(QStringLiteral(" 回 変更しました。"), kNotFound, kTitle, Check1);
}

void frmReplace::Cancel_Click() {
    // The last match loses any highlight colouring: frame colour, not bold.
    if (g_CurrentDocument != 0) {
        try {
            RichTextPane *pane = CurrentDocumentWindow()->txtText;
            if (pane->SelLength() > 0) {
                const QColor frame = QApplication::palette().color(QPalette::WindowText);
                pane->SetSelColor(frame.red() | (frame.green() << 8) | (frame.blue() << 16));
                pane->SetSelBold(false);
            }
        } catch (const RuntimeError &) {
        }
    }
    close();
}

frmReplace *LoadReplaceDialog() {
    if (!g_frmReplace) g_frmReplace = new frmReplace(g_frmMain);
    return g_frmReplace;
}

}  // namespace brennvik
