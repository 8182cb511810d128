#include "frmAbout.h"

#include "app_version.h"
#include "frmMain.h"
#include "platform/ControlNames.h"
#include "platform/DialogWindows.h"
#include "platform/ExternalPrograms.h"
#include "platform/Modal.h"
#include "platform/MsgBox.h"
#include "program_icon.h"
#include "workspace_state.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace brennvik {

QPointer<frmAbout> g_frmAbout;

namespace {
QFrame *Rule(QWidget *parent, const char *name) {
    auto *line = Named(new QFrame(parent), name);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}
}  // namespace

QString VersionText(int major, int minor, int revision) {
    return QStringLiteral("Version %1.%2.%3").arg(major).arg(minor).arg(revision);
}

QString SystemInformationProgram() {
    return FirstInstalledProgram({QStringLiteral("hardinfo2"), QStringLiteral("hardinfo"),
                                  QStringLiteral("kinfocenter")});
}

void StartSysInfo() {
    const QString program = SystemInformationProgram();
    QString error;
    if (program.isEmpty() || StartProgram(program, {}, QString(), &error) == 0)
        MsgBox(QStringLiteral("現時点ではｼｽﾃﾑ情報を使用できません"), vbOKOnly);
}

frmAbout::frmAbout(QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報 Brennvik"));
    setAttribute(Qt::WA_DeleteOnClose);
    picIcon = Named(new QLabel(this), "picIcon");
    picIcon->setPixmap(ProgramIcon().pixmap(48, 48));
    lblTitle = Named(new QLabel(this), "lblTitle");
    QFont title = lblTitle->font();
    title.setPointSizeF(title.pointSizeF() * 1.6);
    title.setBold(true);
    lblTitle->setFont(title);
    lblVersion = Named(new QLabel(this), "lblVersion");
    lblDescription = Named(new QLabel(QStringLiteral("NC プログラム エディタ (2 刃物台旋盤用)\n作成: Brennvik 開発チーム"),
                                      this),
                           "lblDescription");
    Line1_0 = Rule(this, "Line1_0");
    Line1_1 = Rule(this, "Line1_1");
    lblDisclaimer = Named(new QLabel(QStringLiteral("注意: このプログラムが作成・変更した NC プログラムは、"
                                                    "機械で実行する前に必ず内容を確認してください。"),
                                     this),
                          "lblDisclaimer");
    lblDisclaimer->setWordWrap(true);
    cmdOK = Named(new QPushButton(QStringLiteral("OK"), this), "cmdOK");
    cmdOK->setDefault(true);

    auto *grid = new QGridLayout(this);
    grid->addWidget(picIcon, 0, 0, 3, 1, Qt::AlignTop);
    grid->addWidget(lblTitle, 0, 1);
    grid->addWidget(lblVersion, 1, 1);
    grid->addWidget(lblDescription, 2, 1);
    grid->addWidget(Line1_0, 3, 0, 1, 2);
    grid->addWidget(Line1_1, 4, 0, 1, 2);
    grid->addWidget(lblDisclaimer, 5, 0, 1, 2);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    grid->addLayout(buttons, 6, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    setMinimumWidth(420);

    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    KeepDesignSize(this);
    Form_Load();
}

void frmAbout::Form_Load() {
    lblVersion->setText(VersionText(kVersionMajor, kVersionMinor, kVersionRevision));
    lblTitle->setText(ApplicationTitle());
}

void frmAbout::cmdOK_Click() { close(); }

void mnuHelpAbout_Click() {
    if (!g_frmAbout) g_frmAbout = new frmAbout(g_frmMain);
    ShowModal(g_frmAbout);
}

}  // namespace brennvik
