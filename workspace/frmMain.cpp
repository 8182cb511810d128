#include "frmMain.h"

#include "PrintSetting.h"
#include "document_slots.h"
#include "document_windows.h"
#include "frmAbout.h"
#include "platform/ExternalPrograms.h"
#include "platform/KeyboardLocks.h"
#include "platform/Screens.h"
#include "platform/SettingsStore.h"
#include "program_files.h"
#include "runtime.h"
#include "startup.h"
#include "toolbar_icons.h"
#include "window_placement.h"
#include "workspace_state.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFontMetrics>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QThread>
#include <QTimer>
#include <QToolBar>
#include <QWindow>

#include <algorithm>
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

// The menu entry each toolbar key stands for, compared in this order: the
// one place that pairs keys with entries.
struct ToolCommand {
    const char *key;
    const char *entry;
};
const ToolCommand kToolCommands[] = {
    {"新規", "mnuFileNew"},
    {"開く", "mnuFileOpen"},
    {"保存", "mnuFileSave"},
    {"プリント", "mnuFilePrint"},
    {"元に戻す", "mnuEditUndo"},
    {"切り取り", "mnuEditCut"},
    {"コピー", "mnuEditCopy"},
    {"貼り付け", "mnuEditPaste"},
    {"検索", "mnuSearchFind"},
    {"自動シーケンス番号挿入", "mnuToolsAutoNo"},
    {"シーケンス番号アレンジ", "mnuToolsNumberArrange"},
    {"データの計算による変更", "mnuToolsSizeShift"},
    {"回転数の計算", "mnuToolsrpm"},
    {"面粗さによる送り速度", "mnuToolsFeed"},
    {"電卓", "mnuToolsCalculator"},
    {"ファイルの比較", "mnuToolCompe"},
    {"AB表示", "mnuAbView"},
    {"テーパーのノーズR補正", "AngleNoseR"},
    {"直線と角度", "LineAngle"},
    {"2直線と接する円", "LineCircleLine"},
    {"直線と円の交点", "LineCycle"},
    {"1点を通り直線に接する円", "LineCirclePoint"},
    {"円に接する点", "CirclePoint"},
    {"ヌスミ形状", "Neck"},
    {"2円の交点", "CircleCircle"},
    {"2直線と2円", "Line2Circle2"},
    {"XY-XC変換", "XY_XC"},
    {"面取り", "Chamfer"},
};

const QString kSettings = QStringLiteral("Settings");
const char *const kPlacementKeys[4] = {"MainLeft", "MainTop", "MainWidth", "MainHeight"};
const float kPlacementDefaults[4] = {1000, 1000, 15000, 12000};

}  // namespace

MainWindowHooks g_MainWindowHooks;

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
    FollowCapsLockKey(this, [this] { UpdateStatusPanels(); });
}

frmMain::~frmMain() {
    if (g_frmMain == this) g_frmMain = nullptr;
}

namespace {
// Also a separator or submenu action may anchor an insertion.
void InsertAction(QMenu *menu, QAction *action, QAction *before) {
    if (before && menu->actions().contains(before))
        menu->insertAction(before, action);
    else
        menu->addAction(action);
}
}  // namespace

QAction *frmMain::AddEntry(QMenu *menu, const QString &name, const QString &caption, Command command,
                           const QKeySequence &shortcut, QAction *before) {
    auto *action = new QAction(caption, menu);
    action->setObjectName(name);
    if (!shortcut.isEmpty()) action->setShortcut(shortcut);
    InsertAction(menu, action, before);
    if (command) SetCommand(name, std::move(command));
    connect(action, &QAction::triggered, this, [this, name] { RunCommand(name); });
    return action;
}

QMenu *frmMain::AddSubmenu(QMenu *menu, const QString &name, const QString &caption, QAction *before) {
    auto *submenu = new QMenu(caption, menu);
    submenu->setObjectName(name);
    submenu->menuAction()->setObjectName(name);
    InsertAction(menu, submenu->menuAction(), before);
    return submenu;
}

QMenu *frmMain::AddSubmenu(QMenu *menu, const char *name, const char *caption,
                           std::initializer_list<EntrySpec> entries) {
    QMenu *submenu = AddSubmenu(menu, QString::fromUtf8(name), QString::fromUtf8(caption));
    for (const EntrySpec &entry : entries)
        AddEntry(submenu, QString::fromUtf8(entry.name), QString::fromUtf8(entry.caption), entry.command);
    return submenu;
}

QAction *frmMain::AddSeparator(QMenu *menu, const QString &name, QAction *before) {
    auto *separator = new QAction(menu);
    separator->setSeparator(true);
    separator->setObjectName(name);
    InsertAction(menu, separator, before);
    return separator;
}

QAction *frmMain::Entry(const QString &name) const {
    if (name.isEmpty()) return nullptr;
    for (QMenu *top : {mnuFile, mnuEdit, mnuInsert, Gcode, Mcode, Process, mnuTools, ClosPoint, mnuView, mnuHelp}) {
        if (!top) continue;
        if (top->menuAction()->objectName() == name) return top->menuAction();
        if (auto *a = top->findChild<QAction *>(name)) return a;
    }
    return nullptr;
}

void frmMain::SetCommand(const QString &name, Command command) { m_commands[name] = std::move(command); }

bool frmMain::HasCommand(const QString &name) const {
    const auto it = m_commands.find(name);
    return it != m_commands.end() && it->second;
}

bool frmMain::RunCommand(const QString &name) {
    const auto it = m_commands.find(name);
    if (it == m_commands.end() || !it->second) return false;
    // A copy: the command may replace itself.
    const Command command = it->second;
    command();
    return true;
}

Command frmMain::On(void (frmMain::*handler)()) {
    return [this, handler] { (this->*handler)(); };
}

QMenu *frmMain::AddTopMenu(const QString &name, const QString &caption) {
    QMenu *menu = menuBar()->addMenu(caption);
    menu->setObjectName(name);
    menu->menuAction()->setObjectName(name);
    return menu;
}

void frmMain::BuildMenus() {
    BuildFileMenu();
    BuildEditMenu();
    mnuInsert = AddTopMenu(QStringLiteral("mnuInsert"), QStringLiteral("挿入"));
    Gcode = AddTopMenu(QStringLiteral("Gcode"), QStringLiteral("G コード(&G)"));
    Mcode = AddTopMenu(QStringLiteral("Mcode"), QStringLiteral("M コード(&M)"));
    Process = AddTopMenu(QStringLiteral("Process"), QStringLiteral("工程作成(&P)"));
    BuildToolsMenu();
    ClosPoint = AddTopMenu(QStringLiteral("ClosPoint"), QStringLiteral("交点の計算(&C)"));
    BuildViewMenu();
    BuildHelpMenu();
}

void frmMain::BuildFileMenu() {
    mnuFile = AddTopMenu(QStringLiteral("mnuFile"), QStringLiteral("ファイル(&F)"));
    // A member handler as a command of this window.
    mnuFileNew = AddEntry(mnuFile, "mnuFileNew", "新規(&N)", On(&frmMain::mnuFileNew_Click));
    mnuFileOpen = AddEntry(mnuFile, "mnuFileOpen", "開く(&O)", On(&frmMain::mnuFileOpen_Click), QKeySequence("Ctrl+O"));
    mnuFileClose = AddEntry(mnuFile, "mnuFileClose", "閉じる(&C)", On(&frmMain::mnuFileClose_Click));
    AddSeparator(mnuFile);
    mnuFileSave = AddEntry(mnuFile, "mnuFileSave", "保存(&S)", On(&frmMain::mnuFileSave_Click), QKeySequence("Ctrl+S"));
    mnuFileSaveAs = AddEntry(mnuFile, "mnuFileSaveAs", "名前を付けて保存(&A)...", On(&frmMain::mnuFileSaveAs_Click));
    AddSeparator(mnuFile);
    mnuFilePrint = AddEntry(mnuFile, "mnuFilePrint", "プリント(&P)", On(&frmMain::mnuFilePrint_Click),
                            QKeySequence("Ctrl+P"));
    mnuFilePrinterSetup = AddEntry(mnuFile, "mnuFilePrinterSetup", "プリンターの設定", mnuFilePrinterSetup_Click);
    AddSeparator(mnuFile);
    mnuFileFont = AddEntry(mnuFile, "mnuFileFont", "画面表示のフォント(&F)...", On(&frmMain::mnuFileFont_Click),
                           QKeySequence("Ctrl+F"));
    mnuFileCapsLock = AddEntry(mnuFile, "mnuFileCapsLock", "終了時 CapsLockを維持", On(&frmMain::mnuFileCapsLock_Click));
    mnuFileCapsLock->setCheckable(true);
    AddSeparator(mnuFile);
    for (int n = 1; n <= 5; ++n) {
        QAction *a = mnuFile->addAction(RecentFilePlaceholder() + QString::number(n));
        a->setObjectName(QStringLiteral("mnuFileRecentFile%1").arg(n));
        a->setVisible(false);
        connect(a, &QAction::triggered, this, [this, n] { mnuFileRecentFile_Click(n); });
        mnuFileRecentFile[size_t(n)] = a;
    }
    AddSeparator(mnuFile);
    mnuFileExit = AddEntry(mnuFile, "mnuFileExit", "Brennvikの終了(&X)", On(&frmMain::mnuFileExit_Click));
    // Enabled once a document is open.
    for (QAction *a : {mnuFileSave, mnuFileSaveAs, mnuFileClose, mnuFilePrint}) a->setEnabled(false);
}

void frmMain::BuildEditMenu() {
    mnuEdit = AddTopMenu(QStringLiteral("mnuEdit"), QStringLiteral("編集(&E)"));
    mnuEditUndo = AddEntry(mnuEdit, "mnuEditUndo", "元に戻す(&U)", On(&frmMain::mnuEditUndo_Click));
    mnuEditRedo = AddEntry(mnuEdit, "mnuEditRedo", "やり直し(&R)", On(&frmMain::mnuEditRedo_Click));
    AddSeparator(mnuEdit);
    mnuEditCut = AddEntry(mnuEdit, "mnuEditCut", "切り取り(&T)", On(&frmMain::mnuEditCut_Click));
    mnuEditCopy = AddEntry(mnuEdit, "mnuEditCopy", "コピー(&C)", On(&frmMain::mnuEditCopy_Click));
    mnuEditPaste = AddEntry(mnuEdit, "mnuEditPaste", "貼り付け(&P)", On(&frmMain::mnuEditPaste_Click));
    // The search commands follow.
    AddSeparator(mnuEdit, QStringLiteral("mnuEditBar2"));
    for (QAction *a : {mnuEditCut, mnuEditCopy, mnuEditPaste}) a->setEnabled(false);
}

void frmMain::BuildToolsMenu() {
    mnuTools = AddTopMenu(QStringLiteral("mnuTools"), QStringLiteral("ツール(&T)"));
    // The editing tools stand before the first bar, the calculators before
    // 電卓, the comparison after the second bar.
    AddSeparator(mnuTools, QStringLiteral("mnuToolsBar1"));
    mnuToolsCalculator = AddEntry(mnuTools, "mnuToolsCalculator", "電卓", On(&frmMain::mnuToolsCalculator_Click));
    AddSeparator(mnuTools, QStringLiteral("mnuToolsBar2"));
}

void frmMain::BuildViewMenu() {
    mnuView = AddTopMenu(QStringLiteral("mnuView"), QStringLiteral("表示(&V)"));
    mnuViewToolbar = AddEntry(mnuView, "mnuViewToolbar", "ツールバー(&T)", On(&frmMain::mnuViewToolbar_Click));
    mnuViewStatusBar = AddEntry(mnuView, "mnuViewStatusBar", "ステータスバー(&B)", On(&frmMain::mnuViewStatusBar_Click));
    for (QAction *a : {mnuViewToolbar, mnuViewStatusBar}) {
        a->setCheckable(true);
        a->setChecked(true);
    }
    // The two-turret view stands between the bars.
    AddSeparator(mnuView, QStringLiteral("mnuViewBar1"));
    AddSeparator(mnuView, QStringLiteral("mnuViewBar2"));
    mnuWindowTileHorizontal = AddEntry(mnuView, "mnuWindowTileHorizontal", "横列(&H)",
                                       On(&frmMain::mnuWindowTileHorizontal_Click));
    mnuWindowTileVertical = AddEntry(mnuView, "mnuWindowTileVertical", "縦列(&V)",
                                     On(&frmMain::mnuWindowTileVertical_Click));
    mnuWindowTileHorizontal->setCheckable(true);
    mnuWindowTileVertical->setCheckable(true);
    mnuWindowTileVertical->setChecked(true);
    connect(mnuView, &QMenu::aboutToShow, this, &frmMain::UpdateWindowList);
}

void frmMain::BuildHelpMenu() {
    mnuHelp = AddTopMenu(QStringLiteral("mnuHelp"), QStringLiteral("ヘルプ(&H)"));
    // The help entries of the G and M codes and the mnemonics stand around this one.
    VariableHelp = AddEntry(mnuHelp, "VariableHelp", "システム変数", On(&frmMain::VariableHelp_Click));
    AddSeparator(mnuHelp, QStringLiteral("mnuHelpBar1"));
    mnuHelpAbout = AddEntry(mnuHelp, "mnuHelpAbout", "バージョン情報(&A)", mnuHelpAbout_Click);
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
            RunCommand(QString::fromLatin1(c.entry));
            break;
        }
    }
    if (g_AutoSequenceNo) ToolButton(14)->setChecked(true);
}

void frmMain::BuildStatusBar() {
    struct PanelDef {
        const char *text;
        const char *tip;
        const char *widest;  // the widest text the panel shows
    };
    const PanelDef panels[6] = {
        {"ここをクリックしても切り替えが出来ます。―→", "ここをクリックしても切り替えが出来ます。―→", ""},
        {"INS", "挿入／重ね書き", "INS"},
        {"CAPS", "大文字／小文字", "CAPS"},
        {"NUM", "テンキーON／OFF", "NUM"},
        {"", "日付", "8888/88/88"},
        {"", "時間", "88:88"},
    };
    statusBar()->setObjectName(QStringLiteral("sbStatusBar"));
    for (int i = 0; i < 6; ++i) {
        auto *label = new QLabel(QString::fromUtf8(panels[i].text), this);
        label->setObjectName(QStringLiteral("sbPanel%1").arg(i + 1));
        label->setToolTip(QString::fromUtf8(panels[i].tip));
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        // Room for the widest text with a little space on each side of it.
        const QFontMetrics metrics(label->font());
        const int room = metrics.horizontalAdvance(QString::fromLatin1(panels[i].widest)) + 2 * label->frameWidth() +
                         metrics.averageCharWidth();
        label->setMinimumWidth(i == 0 ? 0 : std::max(48, room));
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
    case 2: PressKey(VK_INSERT); PanesFollowInsertKeyState(); break;
    case 3: PressKey(VK_CAPITAL); break;
    case 4: PressKey(VK_NUMLOCK); break;
    default: return;
    }
    UpdateStatusPanels();
}

void frmMain::ApplyWindowPlacement() {
    for (int i = 0; i < 4; ++i)
        m_storedTwips[size_t(i)] = GetSettingSingle(kSettings, QString::fromLatin1(kPlacementKeys[i]),
                                                    kPlacementDefaults[i]);
    PlaceWithFrame(this, [this](const QMargins &frame) { PlaceWindow(frame); });
}

void frmMain::PlaceWindow(const QMargins &frame) {
    double pixels[4];
    for (int i = 0; i < 4; ++i) pixels[i] = double(m_storedTwips[size_t(i)]) / kTwipsPerPixel;
    // A placement that would not fit, or not be seen, is brought onto a
    // screen, frame and all; what was applied is what the exit stores.
    const QRect placed =
        FitWindowToScreens(pixels[0], pixels[1], pixels[2], pixels[3], AvailableScreenAreas(), frame);
    const int applied[4] = {placed.x(), placed.y(), placed.width(), placed.height()};
    for (int i = 0; i < 4; ++i) {
        m_placementTwips[size_t(i)] = m_storedTwips[size_t(i)];
        if (applied[i] != std::round(pixels[i])) m_placementTwips[size_t(i)] = float(applied[i] * kTwipsPerPixel);
        m_placementPixels[size_t(i)] = applied[i];
    }
    move(placed.topLeft());
    resize(placed.size());
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

namespace {

// Shows the window and lets it paint before work that holds the event loop.
// The window system maps a window in its own time: a second at the most.
void ShowBeforeLongWork(QWidget *window) {
    window->show();
    QElapsedTimer waited;
    waited.start();
    constexpr QEventLoop::ProcessEventsFlags kNoInput = QEventLoop::ExcludeUserInputEvents;
    while (!(window->windowHandle() && window->windowHandle()->isExposed()) && waited.elapsed() < 1000) {
        QCoreApplication::processEvents(kNoInput);
        QThread::msleep(10);
    }
    QCoreApplication::processEvents(kNoInput);
}

}  // namespace

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
    if (g_MainWindowHooks.loadMachineSettings) g_MainWindowHooks.loadMachineSettings();
    // 3, 4.
    DisableDocumentCommands();
    g_RetilePending = false;
    // 5.
    mnuFileCapsLock->setChecked(g_CapsLockKeep);
    // 6, 7. Fields and menu entries that follow the machine type.
    if (g_MainWindowHooks.shapeMachineTypeControls) g_MainWindowHooks.shapeMachineTypeControls();
    // 8. Recent files.
    for (int n = 1; n <= 5; ++n) {
        const QString path = GetSettingText(kSettings, RecentFilePlaceholder() + QString::number(n), QString());
        if (!path.isEmpty()) {
            mnuFileRecentFile[size_t(n)]->setText(path);
            mnuFileRecentFile[size_t(n)]->setVisible(true);
        }
    }
    // 9.
    if (g_MainWindowHooks.loadCuttingConditions) g_MainWindowHooks.loadCuttingConditions();
    // 10. Each argument is one path; an empty one opens nothing. The window
    // is on the screen first, so a long file loads under the busy pointer in
    // view, not behind an empty screen.
    QStringList files = commandLineFiles;
    files.removeAll(QString());
    if (files.isEmpty()) return;
    ShowBeforeLongWork(this);
    OpenFilesInNewDocuments(files);
    EnableDocumentCommands();
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
        if (g_MainWindowHooks.storeMachineFiles) g_MainWindowHooks.storeMachineFiles();
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

void EnableEntries(std::initializer_list<const char *> names) {
    if (!g_frmMain) return;
    for (const char *name : names)
        if (QAction *a = g_frmMain->Entry(QString::fromLatin1(name))) a->setEnabled(true);
}

namespace {
QList<QMenu *> DocumentMenus(frmMain *m) {
    return {m->mnuEdit, m->mnuInsert, m->Process, m->mnuTools, m->ClosPoint, m->Gcode, m->Mcode};
}

// A hidden menu's shortcuts do nothing, whatever the platform's menu bar
// makes of them: Ctrl+N must not open the speed calculator with no document
// to insert into. While hidden, an entry's shortcut belongs to its menu
// alone, which cannot have the focus then.
void ShortcutsWork(QMenu *menu, bool work) {
    for (QAction *a : menu->actions()) {
        if (a->menu()) ShortcutsWork(a->menu(), work);
        a->setShortcutContext(work ? Qt::WindowShortcut : Qt::WidgetShortcut);
    }
}

void ShowMenu(QMenu *menu, bool shown) {
    menu->menuAction()->setVisible(shown);
    ShortcutsWork(menu, shown);
}
}  // namespace

void DisableDocumentCommands() {
    frmMain *m = g_frmMain;
    for (QMenu *menu : DocumentMenus(m)) ShowMenu(menu, false);
    m->ToolButton(3)->setVisible(false);
    for (int i = 5; i <= 33; ++i) m->ToolButton(i)->setVisible(false);
    m->mnuEditUndo->setEnabled(false);
    m->ToolButtonByKey(QStringLiteral("元に戻す"))->setEnabled(false);
    m->mnuEditRedo->setEnabled(false);
}

void EnableDocumentCommands() {
    frmMain *m = g_frmMain;
    for (QMenu *menu : DocumentMenus(m)) ShowMenu(menu, true);
    for (int i = 3; i <= 33; ++i) m->ToolButton(i)->setVisible(true);
}

}  // namespace brennvik
