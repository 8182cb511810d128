#include "frmMain.h"

#include "document_slots.h"
#include "platform/ExternalPrograms.h"
#include "platform/KeyboardLocks.h"
#include "platform/SettingsStore.h"
#include "process/cutting_conditions.h"
#include "process/frmProcessSetup.h"
#include "process/machine_settings.h"
#include "process/process_menu.h"
#include "program_files.h"
#include "runtime.h"
#include "startup.h"
#include "toolbar_icons.h"
#include "workspace_state.h"

#include <QCloseEvent>
#include <QDate>
#include <QDir>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

#include <cmath>

namespace brennvik {

namespace {

// Toolbar buttons in order; an empty key is a separator.
struct ToolButtonDef {
    const char *key;
    const char *tip;
};
const ToolButtonDef kToolButtons[33] = {
    {"新規", "新規"},
    {"開く", "開く"},
    {"保存", "保存"},
    {"", ""},
    {"プリント", "プリント"},
    {"", ""},
    {"切り取り", "切り取り"},
    {"コピー", "コピー"},
    {"貼り付け", "貼り付け"},
    {"検索", "検索"},
    {"", ""},
    {"元に戻す", "元に戻す"},
    {"", ""},
    {"自動シーケンス番号挿入", "自動N000 挿入"},
    {"シーケンス番号アレンジ", "シーケンス番号アレンジ"},
    {"データの計算による変更", "データの計算による変更"},
    {"回転数の計算", "回転数の計算"},
    {"面粗さによる送り速度", "面粗さによる送り速度"},
    {"電卓", "電卓"},
    {"ファイルの比較", "ファイルの比較"},
    {"AB表示", "AB表示"},
    {"", ""},
    {"テーパーのノーズR補正", "テーパーのノーズR補正"},
    {"直線と角度", "直線と角度"},
    {"2直線と接する円", "2直線と接する円"},
    {"直線と円の交点", "直線と円の交点"},
    {"1点を通り直線に接する円", "1点を通り直線に接する円"},
    {"円に接する点", "円に接する点"},
    {"ヌスミ形状", "ヌスミ形状"},
    {"2円の交点", "2円の交点"},
    {"2直線と2円", "2直線と2円の接点"},
    {"XY-XC変換", "XY-XC座標変換"},
    {"面取り", "面取り"},
};

// The command of each toolbar key, compared in this order.
struct ToolCommand {
    const char *key;
    void (frmMain::*handler)();
};
const ToolCommand kToolCommands[] = {
    {"新規", &frmMain::mnuFileNew_Click},
    {"開く", &frmMain::mnuFileOpen_Click},
    {"保存", &frmMain::mnuFileSave_Click},
    {"プリント", &frmMain::mnuFilePrint_Click},
    {"元に戻す", &frmMain::mnuEditUndo_Click},
    {"切り取り", &frmMain::mnuEditCut_Click},
    {"コピー", &frmMain::mnuEditCopy_Click},
    {"貼り付け", &frmMain::mnuEditPaste_Click},
    {"検索", &frmMain::mnuSearchFind_Click},
    {"自動シーケンス番号挿入", &frmMain::mnuToolsAutoNo_Click},
    {"シーケンス番号アレンジ", &frmMain::mnuToolsNumberArrange_Click},
    {"データの計算による変更", &frmMain::mnuToolsSizeShift_Click},
    {"回転数の計算", &frmMain::mnuToolsrpm_Click},
    {"面粗さによる送り速度", &frmMain::mnuToolsFeed_Click},
    {"電卓", &frmMain::mnuToolsCalculator_Click},
    {"ファイルの比較", &frmMain::mnuToolCompe_Click},
    {"AB表示", &frmMain::mnuAbView_Click},
    {"テーパーのノーズR補正", &frmMain::AngleNoseR_Click},
    {"直線と角度", &frmMain::LineAngle_Click},
    {"2直線と接する円", &frmMain::LineCircleLine_Click},
    {"直線と円の交点", &frmMain::LineCycle_Click},
    {"1点を通り直線に接する円", &frmMain::LineCirclePoint_Click},
    {"円に接する点", &frmMain::CirclePoint_Click},
    {"ヌスミ形状", &frmMain::Neck_Click},
    {"2円の交点", &frmMain::CircleCircle_Click},
    {"2直線と2円", &frmMain::Line2Circle2_Click},
    {"XY-XC変換", &frmMain::XY_XC_Click},
    {"面取り", &frmMain::Chamfer_Click},
};

const QString kSettings = QStringLiteral("Settings");
const char *const kPlacementKeys[4] = {"MainLeft", "MainTop", "MainWidth", "MainHeight"};
const float kPlacementDefaults[4] = {1000, 1000, 15000, 12000};

}  // namespace

int TwipsToPixels(double twips) { return int(std::lround(twips / kTwipsPerPixel)); }

frmMain::frmMain(QWidget *parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(Caption());
    setAcceptDrops(true);
    mdiArea = new QMdiArea(this);
    mdiArea->setObjectName(QStringLiteral("mdiArea"));
    setCentralWidget(mdiArea);
    BuildMenus();
    BuildToolBar();
    BuildStatusBar();
}

frmMain::~frmMain() {
    if (g_frmMain == this) g_frmMain = nullptr;
}

QAction *frmMain::AddEntry(QMenu *menu, const QString &name, const QString &caption, void (frmMain::*handler)(),
                           const QKeySequence &shortcut) {
    QAction *action = menu->addAction(caption);
    action->setObjectName(name);
    if (!shortcut.isEmpty()) action->setShortcut(shortcut);
    if (handler) connect(action, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
    return action;
}

void frmMain::BuildMenus() {
    BuildFileMenu();
    BuildEditMenu();
    mnuInsert = menuBar()->addMenu(QStringLiteral("挿入"));
    mnuInsert->setObjectName(QStringLiteral("mnuInsert"));
    Gcode = menuBar()->addMenu(QStringLiteral("G コード(&G)"));
    Gcode->setObjectName(QStringLiteral("Gcode"));
    Mcode = menuBar()->addMenu(QStringLiteral("M コード(&M)"));
    Mcode->setObjectName(QStringLiteral("Mcode"));
    BuildProcessMenu();
    BuildToolsMenu();
    BuildCalculatorMenu();
    BuildViewMenu();
    BuildHelpMenu();
}

void frmMain::BuildFileMenu() {
    mnuFile = menuBar()->addMenu(QStringLiteral("ファイル(&F)"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuFileNew = AddEntry(mnuFile, "mnuFileNew", "新規(&N)", &frmMain::mnuFileNew_Click);
    mnuFileOpen = AddEntry(mnuFile, "mnuFileOpen", "開く(&O)", &frmMain::mnuFileOpen_Click, QKeySequence("Ctrl+O"));
    mnuFileClose = AddEntry(mnuFile, "mnuFileClose", "閉じる(&C)", &frmMain::mnuFileClose_Click);
    mnuFile->addSeparator();
    mnuFileSave = AddEntry(mnuFile, "mnuFileSave", "保存(&S)", &frmMain::mnuFileSave_Click, QKeySequence("Ctrl+S"));
    mnuFileSaveAs = AddEntry(mnuFile, "mnuFileSaveAs", "名前を付けて保存(&A)...", &frmMain::mnuFileSaveAs_Click);
    mnuFile->addSeparator();
    mnuFilePrint = AddEntry(mnuFile, "mnuFilePrint", "プリント(&P)", &frmMain::mnuFilePrint_Click, QKeySequence("Ctrl+P"));
    mnuFile->addSeparator();
    mnuFileFont = AddEntry(mnuFile, "mnuFileFont", "画面表示のフォント(&F)...", &frmMain::mnuFileFont_Click,
                           QKeySequence("Ctrl+F"));
    mnuFileCapsLock = AddEntry(mnuFile, "mnuFileCapsLock", "終了時 CapsLockを維持", &frmMain::mnuFileCapsLock_Click);
    mnuFileCapsLock->setCheckable(true);
    mnuFile->addSeparator();
    for (int n = 1; n <= 5; ++n) {
        QAction *a = mnuFile->addAction(RecentFilePlaceholder() + QString::number(n));
        a->setObjectName(QStringLiteral("mnuFileRecentFile%1").arg(n));
        a->setVisible(false);
        connect(a, &QAction::triggered, this, [this, n] { mnuFileRecentFile_Click(n); });
        mnuFileRecentFile[size_t(n)] = a;
    }
    mnuFile->addSeparator();
    mnuFileExit = AddEntry(mnuFile, "mnuFileExit", "Brennvikの終了(&X)", &frmMain::mnuFileExit_Click);
    // Enabled once a document is open.
    for (QAction *a : {mnuFileSave, mnuFileSaveAs, mnuFileClose, mnuFilePrint}) a->setEnabled(false);
}

void frmMain::BuildEditMenu() {
    mnuEdit = menuBar()->addMenu(QStringLiteral("編集(&E)"));
    mnuEdit->setObjectName(QStringLiteral("mnuEdit"));
    mnuEditUndo = AddEntry(mnuEdit, "mnuEditUndo", "元に戻す(&U)", &frmMain::mnuEditUndo_Click);
    mnuEditRedo = AddEntry(mnuEdit, "mnuEditRedo", "やり直し(&R)", &frmMain::mnuEditRedo_Click);
    mnuEdit->addSeparator();
    mnuEditCut = AddEntry(mnuEdit, "mnuEditCut", "切り取り(&T)", &frmMain::mnuEditCut_Click);
    mnuEditCopy = AddEntry(mnuEdit, "mnuEditCopy", "コピー(&C)", &frmMain::mnuEditCopy_Click);
    mnuEditPaste = AddEntry(mnuEdit, "mnuEditPaste", "貼り付け(&P)", &frmMain::mnuEditPaste_Click);
    mnuEdit->addSeparator();
    mnuSearchFind = AddEntry(mnuEdit, "mnuSearchFind", "検索(&F)", &frmMain::mnuSearchFind_Click);
    mnuSearchNextFind = AddEntry(mnuEdit, "mnuSearchNextFind", "次の検索(&N)", &frmMain::mnuSearchNextFind_Click,
                                 QKeySequence(Qt::Key_F3));
    mnuSearchReplace = AddEntry(mnuEdit, "mnuSearchReplace", "置き換え(&R)", &frmMain::mnuSearchReplace_Click);
    mnuSearchNextFind->setEnabled(false);
    for (QAction *a : {mnuEditCut, mnuEditCopy, mnuEditPaste}) a->setEnabled(false);
}

void frmMain::BuildProcessMenu() {
    Process = menuBar()->addMenu(QStringLiteral("工程作成(&P)"));
    Process->setObjectName(QStringLiteral("Process"));
    ProcessSetup = AddEntry(Process, "ProcessSetup", "初期設定", &frmMain::ProcessSetup_Click);
    Process->addSeparator();
    BuildTurningProcessMenus(this, Process);

    auto submenu = [this](const char *name, const char *caption) {
        QMenu *m = Process->addMenu(QString::fromUtf8(caption));
        m->setObjectName(QString::fromUtf8(name));
        m->menuAction()->setObjectName(QString::fromUtf8(name));
        return m;
    };
    // Rotary-tool submenus; the face and side entries get their commands with
    // the rotary-tool generators.
    QMenu *drill = submenu("ProcessMDrill", "M軸ドリル");
    AddEntry(drill, "ProcessMDrillFace", "正面");
    AddEntry(drill, "ProcessMDrillSide", "側面");
    ProcessMDrillSlant = AddEntry(drill, "ProcessMDrillSlant", "Y/B軸加工");
    QMenu *tap = submenu("ProcessMTap", "M軸タップ");
    AddEntry(tap, "ProcessMTapFace", "正面");
    AddEntry(tap, "ProcessMTapSide", "側面");
    ProcessMTapSlant = AddEntry(tap, "ProcessMTapSlant", "Y/B軸加工");
    QMenu *key = submenu("ProcessMKey", "M軸キーミゾ");
    AddEntry(key, "ProcessMKeyFace", "正面");
    AddEntry(key, "ProcessMKeySide", "側面");
    ProcessMKeySlant = AddEntry(key, "ProcessMKeySlant", "Y/B軸加工");
    QMenu *sousei = submenu("ProcessMSousei", "M軸創成");
    AddEntry(sousei, "ProcessMSouseiFace", "正面");
    AddEntry(sousei, "ProcessMSouseiSide", "側面");
    QMenu *circle = submenu("ProcessMCircle", "M軸エンドミル円");
    AddEntry(circle, "ProcessMCircleFace", "正面")->setEnabled(false);
    AddEntry(circle, "ProcessMCircleSide", "側面")->setEnabled(false);
    AddEntry(circle, "ProcessMCircleSlant", "Y/B軸加工");
    ProcessMCircle = circle->menuAction();
    QMenu *planet = submenu("ProcessMPlanetTap", "M軸プラネットタップ");
    AddEntry(planet, "ProcessMPlanetTapFace", "正面")->setEnabled(false);
    AddEntry(planet, "ProcessMPlanetTapSide", "側面")->setEnabled(false);
    AddEntry(planet, "ProcessMPlanetTapSlant", "Y/B軸加工");
    ProcessMPlanetTap = planet->menuAction();
    QMenu *spindleTap = submenu("mnuSpindleTap", "主軸タップ");
    AddEntry(spindleTap, "SipndleTap1", "フローティング タップ");
    AddEntry(spindleTap, "SipndleTap2", "同期タップ（リジット）");
    QMenu *mt = submenu("ProcessMT", "ATC 準備指令");
    AddEntry(mt, "ProcessMT1", "Ｌ工具");
    AddEntry(mt, "ProcessMT3", "Ｍ工具");
    ProcessMT = mt->menuAction();
}

void frmMain::BuildToolsMenu() {
    mnuTools = menuBar()->addMenu(QStringLiteral("ツール(&T)"));
    mnuTools->setObjectName(QStringLiteral("mnuTools"));
    mnuToolsAutoNo = AddEntry(mnuTools, "mnuToolsAutoNo", "自動シーケンス番号挿入", &frmMain::mnuToolsAutoNo_Click,
                              QKeySequence(Qt::Key_F1));
    mnuToolsAutoNo->setCheckable(true);
    mnuToolsNumberArrange = AddEntry(mnuTools, "mnuToolsNumberArrange", "シーケンス番号アレンジ(&A)",
                                     &frmMain::mnuToolsNumberArrange_Click, QKeySequence(Qt::Key_F2));
    mnuToolsSizeShift = AddEntry(mnuTools, "mnuToolsSizeShift", "計算によるデータの変更(&S)",
                                 &frmMain::mnuToolsSizeShift_Click);
    mnuTools->addSeparator();
    mnuToolsrpm = AddEntry(mnuTools, "mnuToolsrpm", "回転数の計算(&N)", &frmMain::mnuToolsrpm_Click,
                           QKeySequence("Ctrl+N"));
    mnuToolsFeed = AddEntry(mnuTools, "mnuToolsFeed", "面粗さによる送りの計算(&F)", &frmMain::mnuToolsFeed_Click);
    mnuToolsCalculator = AddEntry(mnuTools, "mnuToolsCalculator", "電卓", &frmMain::mnuToolsCalculator_Click);
    mnuTools->addSeparator();
    mnuToolCompe = AddEntry(mnuTools, "mnuToolCompe", "ファイルの比較", &frmMain::mnuToolCompe_Click);
    for (QAction *a : {mnuToolsSizeShift, mnuToolsNumberArrange}) a->setEnabled(false);
}

void frmMain::BuildCalculatorMenu() {
    ClosPoint = menuBar()->addMenu(QStringLiteral("交点の計算(&C)"));
    ClosPoint->setObjectName(QStringLiteral("ClosPoint"));
    AddEntry(ClosPoint, "AngleNoseR", "面取り", &frmMain::AngleNoseR_Click);
    AddEntry(ClosPoint, "LineAngle", "直線と角度", &frmMain::LineAngle_Click);
    AddEntry(ClosPoint, "LineCircleLine", "2直線と接する円", &frmMain::LineCircleLine_Click);
    AddEntry(ClosPoint, "LineCycle", "直線と円の交点", &frmMain::LineCycle_Click);
    AddEntry(ClosPoint, "LineCirclePoint", "1点を通り直線に接する円", &frmMain::LineCirclePoint_Click);
    AddEntry(ClosPoint, "CirclePoint", "円に接する点", &frmMain::CirclePoint_Click);
    AddEntry(ClosPoint, "Neck", "ヌスミ形状", &frmMain::Neck_Click);
    AddEntry(ClosPoint, "CircleCircle", "2円の交点", &frmMain::CircleCircle_Click);
    AddEntry(ClosPoint, "Line2Circle2", "2直線と2円の接点", &frmMain::Line2Circle2_Click);
    AddEntry(ClosPoint, "XY_XC", "XY-XC座標変換", &frmMain::XY_XC_Click);
    AddEntry(ClosPoint, "Chamfer", "面取り", &frmMain::Chamfer_Click);
}

void frmMain::BuildViewMenu() {
    mnuView = menuBar()->addMenu(QStringLiteral("表示(&V)"));
    mnuView->setObjectName(QStringLiteral("mnuView"));
    mnuViewToolbar = AddEntry(mnuView, "mnuViewToolbar", "ツールバー(&T)", &frmMain::mnuViewToolbar_Click);
    mnuViewStatusBar = AddEntry(mnuView, "mnuViewStatusBar", "ステータスバー(&B)", &frmMain::mnuViewStatusBar_Click);
    for (QAction *a : {mnuViewToolbar, mnuViewStatusBar}) {
        a->setCheckable(true);
        a->setChecked(true);
    }
    mnuView->addSeparator();
    mnuAbView = AddEntry(mnuView, "mnuAbView", "AB表示", &frmMain::mnuAbView_Click);
    mnuView->addSeparator();
    mnuWindowTileHorizontal = AddEntry(mnuView, "mnuWindowTileHorizontal", "横列(&H)",
                                       &frmMain::mnuWindowTileHorizontal_Click);
    mnuWindowTileVertical = AddEntry(mnuView, "mnuWindowTileVertical", "縦列(&V)", &frmMain::mnuWindowTileVertical_Click);
    mnuWindowTileHorizontal->setCheckable(true);
    mnuWindowTileVertical->setCheckable(true);
    mnuWindowTileVertical->setChecked(true);
}

void frmMain::BuildHelpMenu() {
    mnuHelp = menuBar()->addMenu(QStringLiteral("ヘルプ(&H)"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    VariableHelp = AddEntry(mnuHelp, "VariableHelp", "システム変数", &frmMain::VariableHelp_Click);
    mnuHelp->addSeparator();
    mnuHelpAbout = AddEntry(mnuHelp, "mnuHelpAbout", "バージョン情報(&A)", &frmMain::mnuHelpAbout_Click);
}

void frmMain::BuildToolBar() {
    tbToolBar = addToolBar(QStringLiteral("tbToolBar"));
    tbToolBar->setObjectName(QStringLiteral("tbToolBar"));
    tbToolBar->setMovable(false);
    for (int i = 0; i < 33; ++i) {
        const QString key = QString::fromUtf8(kToolButtons[i].key);
        QAction *a = nullptr;
        if (key.isEmpty()) {
            a = tbToolBar->addSeparator();
        } else {
            a = tbToolBar->addAction(ToolbarIcon(key), key);
            a->setToolTip(QString::fromUtf8(kToolButtons[i].tip));
            a->setData(key);
            connect(a, &QAction::triggered, this, [this, a] { tbToolBar_ButtonClick(a); });
        }
        a->setObjectName(QStringLiteral("tbButton%1").arg(i + 1));
        m_toolButtons[size_t(i)] = a;
    }
    ToolButton(14)->setCheckable(true);
}

QAction *frmMain::ToolButtonByKey(const QString &key) const {
    for (QAction *a : m_toolButtons)
        if (a->data().toString() == key) return a;
    return nullptr;
}

void frmMain::tbToolBar_ButtonClick(QAction *button) {
    const QString key = button->data().toString();
    for (const ToolCommand &c : kToolCommands) {
        if (key == QString::fromUtf8(c.key)) {
            (this->*c.handler)();
            break;
        }
    }
    if (g_AutoSequenceNo) ToolButton(14)->setChecked(true);
}

void frmMain::BuildStatusBar() {
    struct PanelDef {
        const char *text;
        const char *tip;
    };
    const PanelDef panels[6] = {
        {"ここをクリックしても切り替えが出来ます。―→", "ここをクリックしても切り替えが出来ます。―→"},
        {"INS", "挿入／重ね書き"},
        {"CAPS", "大文字／小文字"},
        {"NUM", "テンキーON／OFF"},
        {"", "日付"},
        {"", "時間"},
    };
    statusBar()->setObjectName(QStringLiteral("sbStatusBar"));
    for (int i = 0; i < 6; ++i) {
        auto *label = new QLabel(QString::fromUtf8(panels[i].text), this);
        label->setObjectName(QStringLiteral("sbPanel%1").arg(i + 1));
        label->setToolTip(QString::fromUtf8(panels[i].tip));
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setMinimumWidth(i == 0 ? 0 : 48);
        label->setAlignment(Qt::AlignCenter);
        label->installEventFilter(this);
        if (i == 0)
            statusBar()->addWidget(label, 1);
        else
            statusBar()->addPermanentWidget(label);
        m_panels[size_t(i)] = label;
    }
    m_clock = new QTimer(this);
    connect(m_clock, &QTimer::timeout, this, &frmMain::UpdateStatusPanels);
    m_clock->start(250);
    UpdateStatusPanels();
}

void frmMain::UpdateStatusPanels() {
    // A key state that is off shows its text greyed, as a lock light would.
    const struct {
        int panel;
        int16_t key;
    } keys[3] = {{2, VK_INSERT}, {3, VK_CAPITAL}, {4, VK_NUMLOCK}};
    for (const auto &k : keys) {
        const bool on = KeyLockState(k.key);
        QLabel *label = StatusPanel(k.panel);
        label->setEnabled(on);
        label->setProperty("keyOn", on);
    }
    const QDateTime now = QDateTime::currentDateTime();
    StatusPanel(5)->setText(now.date().toString(QStringLiteral("yyyy/MM/dd")));
    StatusPanel(6)->setText(now.time().toString(QStringLiteral("H:mm")));
}

bool frmMain::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::MouseButtonPress) {
        for (int i = 0; i < 6; ++i)
            if (watched == m_panels[size_t(i)]) sbStatusBar_PanelClick(i + 1);
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmMain::sbStatusBar_PanelClick(int panel) {
    switch (panel) {
    case 2: PressKey(VK_INSERT); break;
    case 3: PressKey(VK_CAPITAL); break;
    case 4: PressKey(VK_NUMLOCK); break;
    default: return;
    }
    UpdateStatusPanels();
}

void frmMain::ApplyWindowPlacement() {
    for (int i = 0; i < 4; ++i) {
        m_placementTwips[size_t(i)] = GetSettingSingle(kSettings, QString::fromLatin1(kPlacementKeys[i]),
                                                       kPlacementDefaults[i]);
        m_placementPixels[size_t(i)] = TwipsToPixels(m_placementTwips[size_t(i)]);
    }
    move(m_placementPixels[0], m_placementPixels[1]);
    resize(m_placementPixels[2], m_placementPixels[3]);
}

void frmMain::SaveWindowPlacement() {
    // A value the window still shows as it was placed goes back as stored, so
    // the rounding to pixels never makes the window creep.
    const int now[4] = {pos().x(), pos().y(), width(), height()};
    for (int i = 0; i < 4; ++i) {
        float twips = m_placementTwips[size_t(i)];
        if (now[i] != m_placementPixels[size_t(i)]) twips = float(now[i] * kTwipsPerPixel);
        SaveSettingText(kSettings, QString::fromLatin1(kPlacementKeys[i]), NumberText(twips));
    }
}

void frmMain::MDIForm_Load(const QStringList &commandLineFiles) {
    // 1. Workspace settings, in their stored order.
    ApplyWindowPlacement();
    g_OpenPathName = GetSettingText(kSettings, "OpenPathName", RootFolder());
    g_InsertPathName = GetSettingText(kSettings, "InsertPathName", JoinPath(ApplicationFolder(), "Program"));
    g_SavePathName = GetSettingText(kSettings, "SavePathName", RootFolder());
    g_ScreenFontName = GetSettingText(kSettings, "ScreenFontName", QStringLiteral("ＭＳ ゴシック"));
    g_ScreenFontSize = GetSettingLong(kSettings, "ScreenFontSize", 12);
    g_PrintFontName = GetSettingText(kSettings, "PrintFontName", QStringLiteral("ＭＳ 明朝"));
    g_PrintFontSize = GetSettingLong(kSettings, "PrintFontSize", 11);
    g_PrinterOrientation = GetSettingInteger(kSettings, "PrinterOrientation", 1);
    g_LeftMerge = GetSettingLong(kSettings, "LeftMerge", 10);
    g_RightMerge = GetSettingLong(kSettings, "RightMerge", 0);
    g_PrintLineNo = GetSettingInteger(kSettings, "PrintLineNo", 1);
    g_CapsLockKeep = GetSettingBoolean(kSettings, "CapsLockKeep", false);
    // 2. Machine settings and the words derived from them.
    LoadMachineSettings();
    // 3, 4.
    DisableDocumentCommands();
    g_RetilePending = false;
    // 5.
    mnuFileCapsLock->setChecked(g_CapsLockKeep);
    // 6, 7. Fields and menu entries that follow the machine type.
    EnsureProcessSetupShaped();
    ApplyMachineTypeProcessEntries();
    // 8. Recent files.
    for (int n = 1; n <= 5; ++n) {
        const QString path = GetSettingText(kSettings, RecentFilePlaceholder() + QString::number(n), QString());
        if (!path.isEmpty()) {
            mnuFileRecentFile[size_t(n)]->setText(path);
            mnuFileRecentFile[size_t(n)]->setVisible(true);
        }
    }
    // 9.
    LoadCuttingConditions();
    // 10. Each argument is one path; an empty one opens nothing.
    bool opened = false;
    for (const QString &path : commandLineFiles) {
        if (path.isEmpty()) continue;
        OpenFileInNewDocument(path);
        opened = true;
    }
    if (opened) EnableDocumentCommands();
}

void frmMain::MDIForm_Unload() {
    if (m_unloaded) return;
    m_unloaded = true;
    // 1. Only a window that is not minimised stores its placement and settings.
    if (!isMinimized()) {
        SaveWindowPlacement();
        SaveSettingText(kSettings, "OpenPathName", g_OpenPathName);
        SaveSettingText(kSettings, "InsertPathName", g_InsertPathName);
        SaveSettingText(kSettings, "SavePathName", g_SavePathName);
        SaveSettingText(kSettings, "ScreenFontName", g_ScreenFontName);
        SaveSettingText(kSettings, "ScreenFontSize", NumberText(int(g_ScreenFontSize)));
        SaveSettingText(kSettings, "PrintFontName", g_PrintFontName);
        SaveSettingText(kSettings, "PrintFontSize", NumberText(int(g_PrintFontSize)));
        SaveSettingText(kSettings, "PrinterOrientation", NumberText(g_PrinterOrientation));
        SaveSettingText(kSettings, "LeftMerge", NumberText(int(g_LeftMerge)));
        SaveSettingText(kSettings, "RightMerge", NumberText(int(g_RightMerge)));
        SaveSettingText(kSettings, "PrintLineNo", NumberText(g_PrintLineNo));
        SaveSettingText(QStringLiteral("Parameter"), "CsvPathName", g_CsvPathName);
        SaveSettingText(QStringLiteral("Parameter"), "CsvFileName", g_CsvFileName);
        SaveSettingText(kSettings, "CapsLockKeep", BooleanText(g_CapsLockKeep));
    }
    // 2. Recent files, always; an unused entry leaves its stored value.
    for (int n = 1; n <= 5; ++n) {
        const QString caption = mnuFileRecentFile[size_t(n)]->text();
        if (caption.left(10) != RecentFilePlaceholder())
            SaveSettingText(kSettings, RecentFilePlaceholder() + QString::number(n), caption);
    }
    // 3. Caps Lock back off unless the user keeps it.
    if (!g_CapsLockKeep && KeyLockState(VK_CAPITAL)) PressKey(VK_CAPITAL);
    // 4, 5.
    QDir::setCurrent(RootFolder());
    CloseProgramWindowsByTitle(CalculatorWindowTitle());
}

void frmMain::closeEvent(QCloseEvent *event) {
    // Every document passes its own close check first; one cancel keeps all open.
    if (!CloseAllDocuments()) {
        event->ignore();
        return;
    }
    MDIForm_Unload();
    event->accept();
}

void frmMain::resizeEvent(QResizeEvent *event) {
    QMainWindow::resizeEvent(event);
    MDIForm_Resize();
}

void frmMain::mnuFileCapsLock_Click() {
    g_CapsLockKeep = !g_CapsLockKeep;
    mnuFileCapsLock->setChecked(g_CapsLockKeep);
}

void frmMain::mnuFileExit_Click() { close(); }

void frmMain::mnuViewToolbar_Click() {
    const bool show = !tbToolBar->isVisible();
    tbToolBar->setVisible(show);
    mnuViewToolbar->setChecked(show);
}

void frmMain::mnuViewStatusBar_Click() {
    const bool show = !statusBar()->isVisible();
    statusBar()->setVisible(show);
    mnuViewStatusBar->setChecked(show);
}

void ApplyMachineTypeProcessEntries() {
    if (!g_frmMain) return;
    const bool show = g_MacTurn || g_MULTUS;
    for (QAction *a : {g_frmMain->ProcessMT, g_frmMain->ProcessMDrillSlant, g_frmMain->ProcessMKeySlant,
                       g_frmMain->ProcessMTapSlant, g_frmMain->ProcessMCircle, g_frmMain->ProcessMPlanetTap})
        a->setVisible(show);
}

namespace {
QList<QMenu *> DocumentMenus(frmMain *m) {
    return {m->mnuEdit, m->mnuInsert, m->Process, m->mnuTools, m->ClosPoint, m->Gcode, m->Mcode};
}
}  // namespace

void DisableDocumentCommands() {
    frmMain *m = g_frmMain;
    for (QMenu *menu : DocumentMenus(m)) menu->menuAction()->setVisible(false);
    m->ToolButton(3)->setVisible(false);
    for (int i = 5; i <= 33; ++i) m->ToolButton(i)->setVisible(false);
    m->mnuEditUndo->setEnabled(false);
    m->ToolButtonByKey(QStringLiteral("元に戻す"))->setEnabled(false);
    m->mnuEditRedo->setEnabled(false);
}

void EnableDocumentCommands() {
    frmMain *m = g_frmMain;
    for (QMenu *menu : DocumentMenus(m)) menu->menuAction()->setVisible(true);
    for (int i = 3; i <= 33; ++i) m->ToolButton(i)->setVisible(true);
}

}  // namespace brennvik
