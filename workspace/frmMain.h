#pragma once
// The main window: menus, toolbar, status bar and the area that holds the
// document windows.

#include <QMainWindow>
#include <QStringList>

#include <array>
#include <cstdint>

class QAction;
class QLabel;
class QMdiArea;
class QMenu;
class QMimeData;
class QTimer;
class QToolBar;

namespace brennvik {

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
    void mnuSearchFind_Click();
    void mnuSearchNextFind_Click();
    void mnuSearchReplace_Click();
    // View menu.
    void mnuViewToolbar_Click();
    void mnuViewStatusBar_Click();
    void mnuAbView_Click();
    void mnuWindowTileHorizontal_Click();
    void mnuWindowTileVertical_Click();
    // Tools menu.
    void mnuToolsAutoNo_Click();
    void mnuToolsNumberArrange_Click();
    void mnuToolsSizeShift_Click();
    void mnuToolsrpm_Click();
    void mnuToolsFeed_Click();
    void mnuToolsCalculator_Click();
    void mnuToolCompe_Click();
    // Help menu.
    void VariableHelp_Click();
    void mnuHelpAbout_Click();
    // Process menu.
    void ProcessSetup_Click();
    // Turning processes: roughing and finishing.
    void ProcessRoughFace_Click();
    void ProcessRoughFaceOD_Click();
    void ProcessRoughOD_Click();
    void ProcessRoughID_Click();
    void ProcessFinishFace_Click();
    void ProcessFinishFaceOD_Click();
    void ProcessFinishOD_Click();
    void ProcessFinishID_Click();
    // Turning processes: threading, grooving and drilling.
    void ProcessThreadFace_Click();
    void ProcessThreadOD_Click();
    void ProcessThreadID_Click();
    void ProcessGrooveOD_Click();
    void ProcessGrooveID_Click();
    void ProcessGrooveFace_Click();
    void ProcessDrillHss_Click();
    void ProcessDrillU_Click();
    // Calculator openers.
    void AngleNoseR_Click();
    void LineAngle_Click();
    void LineCircleLine_Click();
    void LineCycle_Click();
    void LineCirclePoint_Click();
    void CirclePoint_Click();
    void Neck_Click();
    void CircleCircle_Click();
    void Line2Circle2_Click();
    void XY_XC_Click();
    void Chamfer_Click();

    QMdiArea *mdiArea = nullptr;
    QToolBar *tbToolBar = nullptr;

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
    QAction *mnuFileFont = nullptr;
    QAction *mnuFileCapsLock = nullptr;
    std::array<QAction *, 6> mnuFileRecentFile{};  // 1..5
    QAction *mnuFileExit = nullptr;

    QAction *mnuEditUndo = nullptr;
    QAction *mnuEditRedo = nullptr;
    QAction *mnuEditCut = nullptr;
    QAction *mnuEditCopy = nullptr;
    QAction *mnuEditPaste = nullptr;
    QAction *mnuSearchFind = nullptr;
    QAction *mnuSearchNextFind = nullptr;
    QAction *mnuSearchReplace = nullptr;

    QAction *mnuViewToolbar = nullptr;
    QAction *mnuViewStatusBar = nullptr;
    QAction *mnuAbView = nullptr;
    QAction *mnuWindowTileHorizontal = nullptr;
    QAction *mnuWindowTileVertical = nullptr;

    QAction *mnuToolsAutoNo = nullptr;
    QAction *mnuToolsNumberArrange = nullptr;
    QAction *mnuToolsSizeShift = nullptr;
    QAction *mnuToolsrpm = nullptr;
    QAction *mnuToolsFeed = nullptr;
    QAction *mnuToolsCalculator = nullptr;
    QAction *mnuToolCompe = nullptr;

    QAction *VariableHelp = nullptr;
    QAction *mnuHelpAbout = nullptr;

    QAction *ProcessSetup = nullptr;
    QAction *ProcessMT = nullptr;
    QAction *ProcessMDrillSlant = nullptr;
    QAction *ProcessMKeySlant = nullptr;
    QAction *ProcessMTapSlant = nullptr;
    QAction *ProcessMCircle = nullptr;
    QAction *ProcessMPlanetTap = nullptr;

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
    void BuildProcessMenu();
    void BuildToolsMenu();
    void BuildCalculatorMenu();
    void BuildViewMenu();
    void BuildHelpMenu();
    void BuildToolBar();
    void BuildStatusBar();
    QAction *AddEntry(QMenu *menu, const QString &name, const QString &caption, void (frmMain::*handler)() = nullptr,
                      const QKeySequence &shortcut = QKeySequence());
    void ApplyWindowPlacement();
    void SaveWindowPlacement();
    bool eventFilter(QObject *watched, QEvent *event) override;

    std::array<QAction *, 33> m_toolButtons{};
    std::array<QLabel *, 6> m_panels{};
    QTimer *m_clock = nullptr;
    // Placement as stored, in twips; written back unchanged unless the window moved.
    std::array<float, 4> m_placementTwips{};
    std::array<int, 4> m_placementPixels{};
    bool m_unloaded = false;
};

// Twips of the stored settings and layouts to screen pixels, and back.
constexpr int kTwipsPerPixel = 15;
int TwipsToPixels(double twips);

// Shows the six machine-type dependent Process entries on MacTurn and
// MULTUS, hides them otherwise.
void ApplyMachineTypeProcessEntries();

// Hides the document menus and toolbar buttons (no document open) and
// shows them again.
void DisableDocumentCommands();
void EnableDocumentCommands();

// The caption of a recent-file entry that holds no path yet begins with this.
inline QString RecentFilePlaceholder() { return QStringLiteral("RecentFile"); }

}  // namespace brennvik
