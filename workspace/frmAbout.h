#pragma once
// The about box "ﾊﾞｰｼﾞｮﾝ情報 Brennvik": title, version, author line and a
// notice. Modal; "OK" and the close box unload it.

#include <QDialog>
#include <QPointer>

class QFrame;
class QLabel;
class QPushButton;

namespace brennvik {

class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(QWidget *parent = nullptr);

    QLabel *picIcon = nullptr;
    QLabel *lblTitle = nullptr;
    QLabel *lblVersion = nullptr;
    QLabel *lblDescription = nullptr;
    QLabel *lblDisclaimer = nullptr;
    QFrame *Line1_0 = nullptr;
    QFrame *Line1_1 = nullptr;
    QPushButton *cmdOK = nullptr;

    void Form_Load();
    void cmdOK_Click();
};

extern QPointer<frmAbout> g_frmAbout;

// The version label's text: "Version " and the three numbers.
QString VersionText(int major, int minor, int revision);

// The system-information program of this platform; empty when it has none.
QString SystemInformationProgram();
// Starts that program, or says that there is none. The box offers it, but
// no control of the box calls it.
void StartSysInfo();

// Help > バージョン情報: shows the box modally above the main window.
void mnuHelpAbout_Click();

}  // namespace brennvik
