#pragma once
// The main window: menus, toolbar, status bar and the area that holds the
// document windows.

#include <QMainWindow>
#include <QMargins>
#include <QStringList>

#include <array>
#include <cstdint>
#include <functional>
#include <map>

class QAction;
class QLabel;
class QMdiArea;
class QMenu;
class QMimeData;
class QTimer;
class QToolBar;

namespace brennvik {

// A command of the main window: what a menu entry (and the toolbar button
// that stands for it) runs.
using Command = std::function<void()>;

// Work of the other subsystems at fixed steps of loading and unloading the
// main window, and of the document panes; each subsystem fills its own.
struct MainWindowHooks {
    Command loadMachineSettings;       // load step 2: section "Parameter"
    Command shapeMachineTypeControls;  // load steps 6 and 7
    Command loadCuttingConditions;     // load step 9
    Command storeMachineFiles;         // unload: the cutting-condition file, before "CapsLockKeep"
    Command paneFocused;               // a document pane got the focus
};
extern MainWindowHooks g_MainWindowHooks;

class frmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit frmMain(QWidget *parent = nullptr);
    ~frmMain() override;

    static QString Caption() { return QStringLiteral("Brennvik Ver.3.14"); }

    // Window events.
    void MDIForm_Load(const QStringList &commandLineFiles);
    void MDIForm_Unload();
    void MDIForm_Resize();
    // Files dropped on the window open in new documents, in the order given.
    void MDIForm_OLEDragDrop(const QMimeData *data);

    // Menu entries. Every subsystem adds its own through these; an entry's
    // object name finds it and its command. `before` is an entry, submenu or
    // named separator of `menu`; without it the entry goes to the end.
    QAction *AddEntry(QMenu *menu, const QString &name, const QString &caption, Command command = {},
                      const QKeySequence &shortcut = QKeySequence(), QAction *before = nullptr);
    QMenu *AddSubmenu(QMenu *menu, const QString &name, const QString &caption, QAction *before = nullptr);
    // A submenu with its entries (object name, caption in UTF-8, command).
    struct EntrySpec {
        const char *name;
        const char *caption;
        Command command = {};
    };
    QMenu *AddSubmenu(QMenu *menu, const char *name, const char *caption, std::initializer_list<EntrySpec> entries);
    QAction *AddSeparator(QMenu *menu, const QString &name = QString(), QAction *before = nullptr);
    // The entry, submenu or named separator with that object name; nullptr when there is none.
    QAction *Entry(const QString &name) const;
    // Gives the entry `name` its command (an entry may get it after it was added).
    void SetCommand(const QString &name, Command command);
    bool HasCommand(const QString &name) const;
    // Runs the command of the entry `name`, whatever the entry's state;
    // false when the entry has no command.
    bool RunCommand(const QString &name);

    // Toolbar button by its number 1..33 (separators included).
    QAction *ToolButton(int number) const { return m_toolButtons.at(size_t(number - 1)); }
    // The keyed toolbar button with that key.
    QAction *ToolButtonByKey(const QString &key) const;
    // Status bar panel 1..6.
    QLabel *StatusPanel(int number) const { return m_panels.at(size_t(number - 1)); }
    // Refreshes the key-state, date and time panels.
    void UpdateStatusPanels();

    // Handlers of the toolbar and the status bar.
    void tbToolBar_ButtonClick(QAction *button);
    void sbStatusBar_PanelClick(int panel);

    // File menu.
    void mnuFileNew_Click();
    void mnuFileOpen_Click();
    void mnuFileClose_Click();
    void mnuFileSave_Click();
    void mnuFileSaveAs_Click();
    void mnuFilePrint_Click();
    void mnuFileFont_Click();
    void mnuFileCapsLock_Click();
    void mnuFileRecentFile_Click(int index);
    void mnuFileExit_Click();
    // Edit menu.
    void mnuEditUndo_Click();
    void mnuEditRedo_Click();
    void mnuEditCut_Click();
    void mnuEditCopy_Click();
    void mnuEditPaste_Click();
    // View menu.
    void mnuViewToolbar_Click();
    void mnuViewStatusBar_Click();
    void mnuWindowTileHorizontal_Click();
    void mnuWindowTileVertical_Click();
    // The list of open document windows at the end of the View menu, the
    // active one checked; made afresh whenever the menu opens.
    void UpdateWindowList();
    // Tools and Help menus.
    void mnuToolsCalculator_Click();
    void VariableHelp_Click();

    QMdiArea *mdiArea = nullptr;
    QToolBar *tbToolBar = nullptr;

    // The top-level menus, in the menu bar's order.
    QMenu *mnuFile = nullptr;
    QMenu *mnuEdit = nullptr;
    QMenu *mnuInsert = nullptr;
    QMenu *Gcode = nullptr;
    QMenu *Mcode = nullptr;
    QMenu *Process = nullptr;
    QMenu *mnuTools = nullptr;
    QMenu *ClosPoint = nullptr;
    QMenu *mnuView = nullptr;
    QMenu *mnuHelp = nullptr;

    QAction *mnuFileNew = nullptr;
    QAction *mnuFileOpen = nullptr;
    QAction *mnuFileClose = nullptr;
    QAction *mnuFileSave = nullptr;
    QAction *mnuFileSaveAs = nullptr;
    QAction *mnuFilePrint = nullptr;
    QAction *mnuFilePrinterSetup = nullptr;
    QAction *mnuFileFont = nullptr;
    QAction *mnuFileCapsLock = nullptr;
    std::array<QAction *, 6> mnuFileRecentFile{};  // 1..5
    QAction *mnuFileExit = nullptr;

    QAction *mnuEditUndo = nullptr;
    QAction *mnuEditRedo = nullptr;
    QAction *mnuEditCut = nullptr;
    QAction *mnuEditCopy = nullptr;
    QAction *mnuEditPaste = nullptr;

    QAction *mnuViewToolbar = nullptr;
    QAction *mnuViewStatusBar = nullptr;
    QAction *mnuWindowTileHorizontal = nullptr;
    QAction *mnuWindowTileVertical = nullptr;

    QAction *mnuToolsCalculator = nullptr;
    QAction *VariableHelp = nullptr;
    QAction *mnuHelpAbout = nullptr;

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void BuildMenus();
    void BuildFileMenu();
    void BuildEditMenu();
    void BuildToolsMenu();
    void BuildViewMenu();
    void BuildHelpMenu();
    void BuildToolBar();
    void BuildStatusBar();
    QMenu *AddTopMenu(const QString &name, const QString &caption);
    // A handler of this window as a command.
    Command On(void (frmMain::*handler)());
    void ApplyWindowPlacement();
    // The stored placement fitted to the screen with this frame around it.
    void PlaceWindow(const QMargins &frame);
    void SaveWindowPlacement();
    bool eventFilter(QObject *watched, QEvent *event) override;

    std::array<QAction *, 33> m_toolButtons{};
    std::array<QLabel *, 6> m_panels{};
    QList<QAction *> m_windowList;
    std::map<QString, Command> m_commands;
    QTimer *m_clock = nullptr;
    // Placement as stored, in twips; written back unchanged unless the window moved.
    std::array<float, 4> m_storedTwips{};
    std::array<float, 4> m_placementTwips{};
    std::array<int, 4> m_placementPixels{};
    bool m_unloaded = false;
};

// Twips of the stored settings and layouts to screen pixels, and back.
constexpr int kTwipsPerPixel = 15;
int TwipsToPixels(double twips);

// Enables the entries of the document commands with these object names
// (an entry no subsystem added is passed over).
void EnableEntries(std::initializer_list<const char *> names);

// Hides the document menus and toolbar buttons (no document open) and
// shows them again.
void DisableDocumentCommands();
void EnableDocumentCommands();

// The caption of a recent-file entry that holds no path yet begins with this.
inline QString RecentFilePlaceholder() { return QStringLiteral("RecentFile"); }

}  // namespace brennvik
