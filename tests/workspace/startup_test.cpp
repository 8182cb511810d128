#include "support/fixtures.h"

#include "platform/KeyboardLocks.h"
#include "platform/SettingsStore.h"
#include "process/frmProcessSetup.h"
#include "process/machine_settings.h"
#include "workspace/document_slots.h"
#include "workspace/frmMain.h"
#include "workspace/workspace_state.h"

#include <QAction>
#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QStatusBar>

namespace brennvik {
namespace {

class StartupTest : public ProgramFixture {};

TEST_F(StartupTest, EmptyStoreGivesEveryDefault) {
    frmMain *m = StartMain();
    EXPECT_EQ(m->windowTitle(), "Brennvik Ver.3.14");
    EXPECT_EQ(m->pos(), QPoint(67, 67));  // 1000 twips
    EXPECT_EQ(m->size(), QSize(1000, 800));
    EXPECT_EQ(g_OpenPathName, RootFolder());
    EXPECT_EQ(g_SavePathName, RootFolder());
    EXPECT_EQ(g_InsertPathName, JoinPath(ApplicationFolder(), "Program"));
    EXPECT_EQ(g_ScreenFontName, "ＭＳ ゴシック");
    EXPECT_EQ(g_ScreenFontSize, 12);
    EXPECT_EQ(g_PrintFontName, "ＭＳ 明朝");
    EXPECT_EQ(g_PrintFontSize, 11);
    EXPECT_EQ(g_PrinterOrientation, 1);
    EXPECT_EQ(g_LeftMerge, 10);
    EXPECT_EQ(g_RightMerge, 0);
    EXPECT_EQ(g_PrintLineNo, 1);
    EXPECT_FALSE(g_CapsLockKeep);
    EXPECT_FALSE(m->mnuFileCapsLock->isChecked());
    EXPECT_DOUBLE_EQ(g_Pi, 3.14159265398);
    EXPECT_EQ(g_MaxS, 2500.0f);
    EXPECT_EQ(g_CsvFileName, JoinPath(ApplicationFolder(), "加工条件/S45C.CSV"));
    EXPECT_EQ(g_M867Word, "");
    EXPECT_EQ(g_M866Line, "");
    for (int n = 1; n <= 5; ++n) EXPECT_FALSE(m->mnuFileRecentFile[size_t(n)]->isVisible());
}

// A desktop font without Japanese drew kanji and kana of one caption in two
// different fallback faces.
TEST_F(StartupTest, EveryCaptionIsInOneJapaneseFace) {
    const QFont runnerFont = QApplication::font();
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
    frmMain *m = StartMain();
    const QFont app = QApplication::font();
    QApplication::setFont(runnerFont);

    const QString family = QFontInfo(app).family();
    EXPECT_TRUE(QFontDatabase::writingSystems(family).contains(QFontDatabase::Japanese)) << family.toStdString();
    EXPECT_EQ(app.pointSizeF(), 9.0);  // the desktop's size
    QMessageBox box;
    const std::pair<const char *, QFont> kinds[] = {
        {"menu", m->findChild<QMenu *>(QStringLiteral("Gcode"))->font()},
        {"status bar", m->statusBar()->font()},
        {"message box", box.font()},
        {"tool tip", QApplication::font("QTipLabel")},
    };
    for (const auto &[kind, font] : kinds) EXPECT_EQ(QFontInfo(font).family(), family) << kind;
}

TEST_F(StartupTest, OnlyFileViewHelpAndNewOpenShowWithoutDocuments) {
    frmMain *m = StartMain();
    QStringList visibleMenus;
    for (QAction *a : m->menuBar()->actions())
        if (a->isVisible()) visibleMenus << a->text();
    EXPECT_EQ(visibleMenus, QStringList({"ファイル(&F)", "表示(&V)", "ヘルプ(&H)"}));
    QList<int> visibleButtons;
    for (int i = 1; i <= 33; ++i)
        if (m->ToolButton(i)->isVisible()) visibleButtons << i;
    EXPECT_EQ(visibleButtons, QList<int>({1, 2, 4}));
    EXPECT_FALSE(m->mnuEditUndo->isEnabled());
    EXPECT_FALSE(m->mnuEditRedo->isEnabled());
    EXPECT_FALSE(m->ToolButton(12)->isEnabled());
    EXPECT_EQ(m->ToolButton(14)->toolTip(), "自動N000 挿入");
    EXPECT_EQ(m->ToolButton(31)->toolTip(), "2直線と2円の接点");
}

TEST_F(StartupTest, StoredValuesThatDoNotReadGiveTheirDefault) {
    WriteSettingsFile("[Settings]\nMainLeft=abc\nMainTop=2000\nScreenFontSize=twelve\nCapsLockKeep=maybe\n"
                      "PrintLineNo=99999\n[Parameter]\nMaxS=fast\nTurretType=x\nMacTurn=True\nAppX=12.5\n");
    frmMain *m = StartMain();
    EXPECT_EQ(m->pos(), QPoint(67, 133));
    EXPECT_EQ(g_ScreenFontSize, 12);
    EXPECT_FALSE(g_CapsLockKeep);
    EXPECT_EQ(g_PrintLineNo, 1);
    EXPECT_EQ(g_MaxS, 2500.0f);
    EXPECT_EQ(g_TurretType, 2);
    EXPECT_TRUE(g_MacTurn);
    EXPECT_EQ(g_AppX, 12.5);
}

TEST_F(StartupTest, MachineTypeShapesSetupFieldsAndProcessEntries) {
    const struct {
        const char *ini;
        bool entriesVisible;
        const char *labelAppX;
    } cases[] = {
        {"[Parameter]\nMacTurn=True\n", true, "G21 HP=4"},
        {"[Parameter]\nMULTUS=True\n", true, "G20 HP=4"},
        {"[Parameter]\nMacTurn=False\nMULTUS=False\n", false, "X"},
    };
    for (const auto &c : cases) {
        WriteSettingsFile(c.ini);
        ResetMachineSettings();
        frmMain *m = StartMain();
        for (QAction *a : {m->Entry("ProcessMT"), m->Entry("ProcessMDrillSlant"), m->Entry("ProcessMKeySlant"), m->Entry("ProcessMTapSlant"),
                           m->Entry("ProcessMCircle"), m->Entry("ProcessMPlanetTap")})
            EXPECT_EQ(a->isVisible(), c.entriesVisible) << c.ini << a->objectName().toStdString();
        ASSERT_TRUE(g_frmProcessSetup);
        EXPECT_EQ(g_frmProcessSetup->LabelAppX->text(), QString::fromUtf8(c.labelAppX));
        EXPECT_EQ(g_frmProcessSetup->txtHomeX->isVisibleTo(g_frmProcessSetup), !c.entriesVisible);
        EXPECT_EQ(g_frmProcessSetup->LabelAppZ->isVisibleTo(g_frmProcessSetup), !c.entriesVisible);
        CloseMain();
        delete g_frmProcessSetup;
        g_frmProcessSetup = nullptr;
    }
}

TEST_F(StartupTest, NormalExitWritesEveryKeyInOrder) {
    WriteSettingsFile("[Settings]\nRecentFile1=/tmp/a.min\nRecentFile2=/tmp/b.min\nCapsLockKeep=True\n");
    StartMain();
    ClearSettingsWriteLog();
    CloseMain();
    const QStringList expected = {
        "Settings/MainLeft",        "Settings/MainTop",       "Settings/MainWidth",
        "Settings/MainHeight",      "Settings/OpenPathName",  "Settings/InsertPathName",
        "Settings/SavePathName",    "Settings/ScreenFontName", "Settings/ScreenFontSize",
        "Settings/PrintFontName",   "Settings/PrintFontSize", "Settings/PrinterOrientation",
        "Settings/LeftMerge",       "Settings/RightMerge",    "Settings/PrintLineNo",
        "Parameter/CsvPathName",    "Parameter/CsvFileName",  "Settings/CapsLockKeep",
        "Settings/RecentFile1",     "Settings/RecentFile2",
    };
    EXPECT_EQ(SettingsWriteLog(), expected);
    EXPECT_EQ(StoredSetting("Settings", "MainLeft"), "1000");
    EXPECT_EQ(StoredSetting("Settings", "MainWidth"), "15000");
    EXPECT_EQ(StoredSetting("Settings", "CapsLockKeep"), "True");
    EXPECT_EQ(StoredSetting("Settings", "RecentFile1"), "/tmp/a.min");
    EXPECT_TRUE(ReadSettingsFile().contains("CapsLockKeep=True"));
}

TEST_F(StartupTest, MinimisedExitWritesOnlyTheRecentFiles) {
    WriteSettingsFile("[Settings]\nRecentFile1=/tmp/a.min\nMainLeft=3000\n");
    frmMain *m = StartMain();
    m->showMinimized();
    ClearSettingsWriteLog();
    CloseMain();
    EXPECT_EQ(SettingsWriteLog(), QStringList({"Settings/RecentFile1"}));
    EXPECT_EQ(StoredSetting("Settings", "MainLeft"), "3000");
}

TEST_F(StartupTest, UnusedRecentEntryKeepsItsStoredValue) {
    WriteSettingsFile("[Settings]\nRecentFile3=/kept.min\n");
    frmMain *m = StartMain();
    // Entry 3 shows the stored path; entry 4 still has its placeholder caption.
    EXPECT_EQ(m->mnuFileRecentFile[3]->text(), "/kept.min");
    EXPECT_EQ(m->mnuFileRecentFile[4]->text(), "RecentFile4");
    ClearSettingsWriteLog();
    CloseMain();
    const QStringList log = SettingsWriteLog();
    EXPECT_TRUE(log.contains("Settings/RecentFile3"));
    EXPECT_FALSE(log.contains("Settings/RecentFile4"));
    EXPECT_FALSE(log.contains("Settings/RecentFile1"));
    EXPECT_EQ(StoredSetting("Settings", "RecentFile3"), "/kept.min");
}

TEST_F(StartupTest, BooleansAreStoredAsTrueAndFalse) {
    StartMain();
    CloseMain();
    EXPECT_TRUE(ReadSettingsFile().contains("CapsLockKeep=False"));
}

TEST_F(StartupTest, CapsLockIsSwitchedOnAtStartAndBackOffAtExit) {
    const struct {
        bool keep;
        bool before;
        bool afterStart;
        bool afterExit;
    } cases[] = {
        {false, false, true, false},
        {false, true, true, false},
        {true, false, true, true},
        {true, true, true, true},
    };
    for (const auto &c : cases) {
        WriteSettingsFile(c.keep ? "[Settings]\nCapsLockKeep=True\n" : "[Settings]\nCapsLockKeep=False\n");
        UseInProcessKeyStates(c.before, false, false);
        StartMain();
        EXPECT_EQ(KeyLockState(VK_CAPITAL), c.afterStart);
        CloseMain();
        EXPECT_EQ(KeyLockState(VK_CAPITAL), c.afterExit) << c.keep << c.before;
    }
}

TEST_F(StartupTest, CommandLineArgumentsAreEachOnePath) {
    const QString a = WriteFile("a.min", "N000 G00\r\n");
    const QString b = WriteFile("b c.min", "N000 G01\r\n");
    StartMain({a, QString(), b});
    EXPECT_TRUE(g_DocumentInUse[1]);
    EXPECT_TRUE(g_DocumentInUse[2]);
    EXPECT_FALSE(g_DocumentInUse[3]);
    EXPECT_TRUE(m_main->mnuEdit->menuAction()->isVisible());
}

TEST_F(StartupTest, ExitWithNoCalculatorRunningIsNoError) {
    StartMain();
    EXPECT_NO_THROW(CloseMain());
    EXPECT_TRUE(m_msgBoxes.empty());
}

}  // namespace
}  // namespace brennvik
