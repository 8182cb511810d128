#include "frmFind.h"

#include "dialog_boxes.h"
#include "document_search.h"
#include "search_state.h"
#include "platform/DialogWindows.h"
#include "workspace/frmMain.h"
#include "workspace/workspace_state.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace brennvik {

QPointer<frmFind> g_frmFind;

frmFind::frmFind(QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmFind"));
    setWindowTitle(QStringLiteral("検索"));
    setAttribute(Qt::WA_DeleteOnClose);
    Label1 = Named(new QLabel(QStringLiteral("検索文字列        :"), this), "Label1");
    txtFind = Named(new QLineEdit(this), "txtFind");
    Check1 = Named(new QCheckBox(QStringLiteral("先頭から検索"), this), "Check1");
    NextFind = Named(new QPushButton(QStringLiteral("次を検索"), this), "NextFind");
    Cancel = Named(new QPushButton(QStringLiteral("キャンセル"), this), "Cancel");
    for (QPushButton *b : {NextFind, Cancel}) b->setAutoDefault(false);

    auto *grid = new QGridLayout(this);
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(txtFind, 0, 1);
    grid->addWidget(NextFind, 0, 2);
    grid->addWidget(Check1, 1, 1);
    grid->addWidget(Cancel, 1, 2);

    connect(txtFind, &QLineEdit::textChanged, this, &frmFind::txtFind_Change);
    connect(NextFind, &QPushButton::clicked, this, &frmFind::NextFind_Click);
    connect(Cancel, &QPushButton::clicked, this, &frmFind::Cancel_Click);
    SetBoxBehaviour(txtFind, [this] { focusNextChild(); });
    Form_Load();
    KeepDesignSize(this);
}

void frmFind::Form_Load() {
    Check1->setChecked(true);
    g_FirstPress = -1;
    NextFind->setEnabled(false);
}

void frmFind::txtFind_Change() {
    NextFind->setEnabled(!txtFind->text().isEmpty());
    g_FindWhat = txtFind->text();
}

void frmFind::NextFind_Click() {
    if (!RefreshSearchState()) return;
    g_FindWhat = txtFind->text();
    ApplyStartFromTop(Check1, true);
    if (FindNextInDocument()) {
        CountHits();
        return;
    }
    ShowRunEndMessage(QStringLiteral(" 回 見つかりました。"), QStringLiteral(" は見つかりませんでした。"),
                      QStringLiteral("検索"));
    Check1->setChecked(true);
    g_HitCount = 0;
}

void frmFind::Cancel_Click() { close(); }

frmFind *LoadFindDialog() {
    if (!g_frmFind) g_frmFind = new frmFind(g_frmMain);
    return g_frmFind;
}

}  // namespace brennvik
