#include "PrintSetting.h"

#include "frmMain.h"
#include "nc_text.h"
#include "platform/ControlNames.h"
#include "platform/DialogWindows.h"
#include "platform/FontDialog.h"
#include "platform/FontFallback.h"
#include "platform/PrinterDialog.h"
#include "runtime.h"
#include "workspace_state.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace brennvik {

QPointer<PrintSetting> g_PrintSetting;

PrintSetting::PrintSetting(QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("PrintSetting"));
    setWindowTitle(QStringLiteral("プリント設定"));
    setAttribute(Qt::WA_DeleteOnClose);

    Frame1 = Named(new QGroupBox(QStringLiteral("余白の行数"), this), "Frame1");
    Label1 = Named(new QLabel(QStringLiteral("左"), Frame1), "Label1");
    Text1 = Named(new QLineEdit(Frame1), "Text1");
    Label2 = Named(new QLabel(QStringLiteral("右"), Frame1), "Label2");
    Text2 = Named(new QLineEdit(Frame1), "Text2");
    auto *margins = new QGridLayout(Frame1);
    margins->addWidget(Label1, 0, 0);
    margins->addWidget(Text1, 0, 1);
    margins->addWidget(Label2, 1, 0);
    margins->addWidget(Text2, 1, 1);

    Frame2 = Named(new QGroupBox(QStringLiteral("列の数"), this), "Frame2");
    Option1 = Named(new QRadioButton(QStringLiteral("１列 （普通）"), Frame2), "Option1");
    Option2 = Named(new QRadioButton(QStringLiteral("２列 （分割）"), Frame2), "Option2");
    auto *columns = new QVBoxLayout(Frame2);
    columns->addWidget(Option1);
    columns->addWidget(Option2);

    Command1 = Named(new QPushButton(QStringLiteral("プリンターのプロパティー"), this), "Command1");
    Command2 = Named(new QPushButton(QStringLiteral("プリント時のフォント"), this), "Command2");
    Command3 = Named(new QPushButton(QStringLiteral("O K"), this), "Command3");
    Command4 = Named(new QPushButton(QStringLiteral("キャンセル"), this), "Command4");
    for (QPushButton *b : {Command1, Command2, Command3, Command4}) b->setAutoDefault(false);

    auto *grid = new QGridLayout(this);
    grid->addWidget(Frame1, 0, 0);
    grid->addWidget(Frame2, 0, 1);
    grid->addWidget(Command1, 1, 0);
    grid->addWidget(Command2, 1, 1);
    grid->addWidget(Command3, 2, 0);
    grid->addWidget(Command4, 2, 1);

    connect(Command1, &QPushButton::clicked, this, &PrintSetting::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &PrintSetting::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &PrintSetting::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &PrintSetting::Command4_Click);
    KeepDesignSize(this);
}

void PrintSetting::FillFromSettings() {
    // A column count other than 1 or 2 selects neither option.
    for (QRadioButton *o : {Option1, Option2}) o->setAutoExclusive(false);
    Option1->setChecked(g_PrintLineNo == 1);
    Option2->setChecked(g_PrintLineNo == 2);
    for (QRadioButton *o : {Option1, Option2}) o->setAutoExclusive(true);
    Text1->setText(NumberText(int(g_LeftMerge)));
    Text2->setText(NumberText(int(g_RightMerge)));
}

void PrintSetting::Command1_Click() {
    int orientation = g_PrinterOrientation;
    if (ShowPrinterSetupDialog(&orientation)) g_PrinterOrientation = int16_t(orientation);
}

void PrintSetting::Command2_Click() {
    FontChoice font{g_PrintFontName, double(g_PrintFontSize)};
    if (!ShowFontDialog(font, PrintFont(g_PrintFontName, int(g_PrintFontSize)), QStringLiteral("プリント時のフォント")))
        return;
    g_PrintFontName = font.name;
    g_PrintFontSize = CLng(font.size);
}

void PrintSetting::Command3_Click() {
    try {
        const int32_t left = CLng(Val(Text1->text()));
        const int32_t right = CLng(Val(Text2->text()));
        g_LeftMerge = left;
        g_RightMerge = right;
    } catch (const RuntimeError &e) {
        // A margin beyond any page: the window stays for a correction.
        ShowErrorMessage(e.number());
        return;
    }
    if (Option1->isChecked()) g_PrintLineNo = 1;
    if (Option2->isChecked()) g_PrintLineNo = 2;
    close();
}

void PrintSetting::Command4_Click() { close(); }

void mnuFilePrinterSetup_Click() {
    if (!g_PrintSetting) g_PrintSetting = new PrintSetting(g_frmMain);
    g_PrintSetting->FillFromSettings();
    g_PrintSetting->show();
    g_PrintSetting->raise();
    g_PrintSetting->activateWindow();
}

}  // namespace brennvik
