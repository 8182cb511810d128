// The main window's own commands: status-bar panels and the Insert key, the
// screen font, the window list, the external calculator, help files and the
// about box.
#include "documents_fixture.h"

#include "platform/FontDialog.h"
#include "platform/KeyboardLocks.h"
#include "platform/RichTextPane.h"
#include "support/dialog_helpers.h"
#include "workspace/document_slots.h"
#include "workspace/document_windows.h"
#include "workspace/external_tools.h"
#include "workspace/frmAbout.h"
#include "workspace/frmDocument.h"
#include "workspace/frmMain.h"
#include "workspace/workspace_state.h"

#include <QAction>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFontInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

namespace brennvik {
namespace {

class MainCommandsTest : public DocumentsFixture {
protected:
    // An executable shell script in the temporary folder.
    QString Script(const QString &name, const QByteArray &body) {
        const QString path = WriteFile(name, "#!/bin/sh\n" + body);
        QFile::setPermissions(path, QFile::permissions(path) | QFile::ExeOwner);
        return path;
    }
    void Store(const QString &key, const QString &value) {
        WriteSettingsFile("[Settings]\n" + key.toUtf8() + "=" + value.toUtf8() + "\n");
    }
    // Waits until `path` holds text, as a started program writes it.
    static QString WaitForFile(const QString &path) {
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < 5000) {
            QFile f(path);
            if (f.open(QIODevice::ReadOnly)) {
                const QByteArray bytes = f.readAll();
                if (bytes.endsWith("end\n")) return QString::fromUtf8(bytes);
            }
            QTest::qWait(20);
        }
        return QString();
    }
    // A process that is gone or only waits to be reaped.
    static bool ProcessEnded(qint64 pid) {
        QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
        if (!stat.open(QIODevice::ReadOnly)) return true;
        const QByteArray s = stat.readAll();
        return s.mid(s.lastIndexOf(')') + 2, 1) == "Z";
    }
    static bool WaitUntilEnded(qint64 pid) {
        QElapsedTimer t;
        t.start();
        while (!ProcessEnded(pid) && t.elapsed() < 5000) QTest::qWait(20);
        return ProcessEnded(pid);
    }
};

TEST_F(MainCommandsTest, PanelClicksToggleTheirKeyStatesAndOtherPanelsDoNothing) {
    frmMain *m = StartMain();
    const struct {
        int panel;
        bool insert, caps, num;
    } rows[] = {{1, false, false, false}, {2, true, false, false}, {3, false, true, false},
                {4, false, false, true},  {5, false, false, false}, {6, false, false, false}};
    for (const auto &r : rows) {
        UseInProcessKeyStates(false, false, false);
        m->UpdateStatusPanels();
        QTest::mouseClick(m->StatusPanel(r.panel), Qt::LeftButton);
        EXPECT_EQ(KeyLockState(VK_INSERT), r.insert) << "panel " << r.panel;
        EXPECT_EQ(KeyLockState(VK_CAPITAL), r.caps) << "panel " << r.panel;
        EXPECT_EQ(KeyLockState(VK_NUMLOCK), r.num) << "panel " << r.panel;
        // A panel shows its key's new state at once.
        for (int p = 2; p <= 4; ++p)
            EXPECT_EQ(m->StatusPanel(p)->property("keyOn").toBool(), p == r.panel) << "panel " << p;
    }
}

TEST_F(MainCommandsTest, InsertKeyAndItsPanelSwitchTheFocusedPaneBetweenInsertingAndOverwriting) {
    frmMain *m = StartMain();
    m->mnuFileNew_Click();
    RichTextPane *pane = g_Documents[1]->txtText;
    pane->SetText(QStringLiteral("ABCD"));
    pane->SetSelStart(0);
    QTest::keyClick(pane, Qt::Key_Insert);
    EXPECT_TRUE(KeyLockState(VK_INSERT));
    QTest::keyClicks(pane, "X");
    EXPECT_EQ(pane->Text(), "XBCD");
    QTest::keyClick(pane, Qt::Key_Insert);
    QTest::keyClicks(pane, "Y");
    EXPECT_EQ(pane->Text(), "XYBCD");
    // The panel switches the pane as the key does.
    QTest::mouseClick(m->StatusPanel(2), Qt::LeftButton);
    EXPECT_TRUE(pane->overwriteMode());
    QTest::keyClicks(pane, "Z");
    EXPECT_EQ(pane->Text(), "XYZCD");
    QTest::mouseClick(m->StatusPanel(2), Qt::LeftButton);
    EXPECT_FALSE(pane->overwriteMode());
    // Shift+Insert still pastes rather than switching.
    QTest::keyClick(pane, Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_FALSE(KeyLockState(VK_INSERT));
}

TEST_F(MainCommandsTest, ScreenFontOfTenAndAHalfStoresTenAndChangesTheActiveWindowOnly) {
    frmMain *m = StartMain();
    m->mnuFileNew_Click();
    m->mnuFileNew_Click();
    ASSERT_EQ(ActiveDocumentWindow(), g_Documents[2]);
    SetFontDialogResponder([](FontChoice &c) {
        c = {QStringLiteral("Noto Sans CJK JP"), 10.5};
        return true;
    });
    m->RunCommand(QStringLiteral("mnuFileFont"));
    EXPECT_EQ(g_ScreenFontName, "Noto Sans CJK JP");
    EXPECT_EQ(g_ScreenFontSize, 10);
    for (RichTextPane *p : {g_Documents[2]->txtText, g_Documents[2]->txtTextB}) {
        EXPECT_EQ(p->font().family(), "Noto Sans CJK JP");
        EXPECT_EQ(p->font().pointSize(), 10);
    }
    for (RichTextPane *p : {g_Documents[1]->txtText, g_Documents[1]->txtTextB}) EXPECT_EQ(p->font().pointSize(), 12);
    // A cancel changes nothing.
    SetFontDialogResponder([](FontChoice &c) {
        c = {QStringLiteral("Other"), 30};
        return false;
    });
    m->RunCommand(QStringLiteral("mnuFileFont"));
    EXPECT_EQ(g_ScreenFontSize, 10);
    EXPECT_EQ(g_Documents[2]->txtText->font().pointSize(), 10);
    CloseMain();
    EXPECT_EQ(StoredSetting("Settings", "ScreenFontSize"), "10");
}

// The dialog used to open on the toolkit's default face, as the stored one is
// not installed, and OK alone stored that proportional face for the panes.
TEST_F(MainCommandsTest, ScreenFontDialogOpensOnTheFaceThePanesShowAndOkAloneKeepsIt) {
    frmMain *m = StartMain();
    m->mnuFileNew_Click();
    RichTextPane *pane = g_Documents[1]->txtText;
    const QString shownFace = QFontInfo(pane->font()).family();
    ASSERT_NE(shownFace, "ＭＳ ゴシック") << "the stored default is not installed here";
    const struct {
        double size;  // what the user sets; the face stays as shown
        int32_t stored;
    } cases[] = {{12, 12}, {14, 14}};
    for (const auto &c : cases) {
        FontChoice preset;
        SetFontDialogResponder([&](FontChoice &f) {
            preset = f;
            f.size = c.size;
            return true;
        });
        m->RunCommand(QStringLiteral("mnuFileFont"));
        EXPECT_EQ(preset.name, shownFace);
        EXPECT_EQ(g_ScreenFontName, "ＭＳ ゴシック");
        EXPECT_EQ(g_ScreenFontSize, c.stored);
        EXPECT_EQ(QFontInfo(pane->font()).family(), shownFace);
        EXPECT_EQ(pane->font().pointSize(), c.stored);
    }
    CloseMain();
    EXPECT_EQ(StoredSetting("Settings", "ScreenFontName"), "ＭＳ ゴシック");
}

TEST_F(MainCommandsTest, ViewMenuListsTheOpenWindowsWithTheActiveOneChecked) {
    frmMain *m = StartMain();
    m->mnuFileNew_Click();
    m->mnuFileNew_Click();
    m->UpdateWindowList();
    QAction *first = m->Entry("mnuWindowList_1");
    QAction *second = m->Entry("mnuWindowList_2");
    ASSERT_TRUE(first && second);
    EXPECT_EQ(first->text(), "&1 無題 1");
    EXPECT_FALSE(first->isChecked());
    EXPECT_TRUE(second->isChecked());
    EXPECT_EQ(m->mnuView->actions().last(), second);
    first->trigger();
    EXPECT_EQ(ActiveDocumentWindow(), g_Documents[1]);
    // Made afresh: a closed window leaves the list.
    g_Documents[2]->Unload();
    m->UpdateWindowList();
    EXPECT_NE(m->Entry("mnuWindowList_1"), nullptr);
    EXPECT_EQ(m->Entry("mnuWindowList_2"), nullptr);
}

TEST_F(MainCommandsTest, AMissingCalculatorIsReportedAndTheProgramGoesOn) {
    Store("CalculatorProgram", m_dir.filePath("no-calculator"));
    frmMain *m = StartMain();
    m->RunCommand(QStringLiteral("mnuToolsCalculator"));
    ASSERT_EQ(Prompts().size(), 1u);
    EXPECT_TRUE(Prompts()[0].startsWith(m_dir.filePath("no-calculator") + QStringLiteral(": ファイルが見つかりません。")))
        << Prompts()[0].toStdString();
    EXPECT_TRUE(Prompts()[0].contains(QStringLiteral("CalculatorProgram")));
    EXPECT_EQ(m_msgBoxes[0].buttons, vbOKOnly);
    EXPECT_EQ(m_msgBoxes[0].title, "Brennvik");
    EXPECT_EQ(g_CalculatorTask, 0);
    EXPECT_TRUE(m->isVisible());
}

TEST_F(MainCommandsTest, CalculatorsThisProgramStartedAreClosedAtExitAndNoOthers) {
    Store("CalculatorProgram", Script("calculator", "exec sleep 30\n"));
    frmMain *m = StartMain();
    m->RunCommand(QStringLiteral("mnuToolsCalculator"));
    const qint64 first = g_CalculatorTask;
    m->RunCommand(QStringLiteral("mnuToolsCalculator"));
    const qint64 second = g_CalculatorTask;
    ASSERT_NE(first, 0);
    ASSERT_NE(second, first);
    EXPECT_TRUE(m_msgBoxes.empty());
    QProcess other;
    other.start(QStringLiteral("sleep"), {QStringLiteral("30")});
    ASSERT_TRUE(other.waitForStarted());
    EXPECT_FALSE(ProcessEnded(first));
    CloseMain();
    EXPECT_TRUE(WaitUntilEnded(first));
    EXPECT_TRUE(WaitUntilEnded(second));
    EXPECT_EQ(other.state(), QProcess::Running);
    other.kill();
    other.waitForFinished();
}

// The calculator's process object was never freed: the program's end came
// before the calculator's, and the leak checker found the object at exit.
TEST_F(MainCommandsTest, TheCalculatorsProcessIsOwnedAndFreedAtExit) {
    Store("CalculatorProgram", Script("calculator", "exec sleep 30\n"));
    frmMain *m = StartMain();
    m->RunCommand(QStringLiteral("mnuToolsCalculator"));
    const QList<QProcess *> owned = QCoreApplication::instance()->findChildren<QProcess *>();
    ASSERT_EQ(owned.size(), 1) << "owned by the application while it runs";
    const QPointer<QProcess> process = owned[0];
    CloseMain();
    EXPECT_TRUE(process.isNull()) << "freed when the calculator is closed at exit";
    EXPECT_TRUE(ProcessEnded(g_CalculatorTask));
}

TEST_F(MainCommandsTest, HelpFileGoesToTheViewerAsOneArgumentEvenWithABlankInItsFolder) {
    const QString out = m_dir.filePath("arguments.txt");
    Store("HelpViewer", Script("viewer", "{ echo $#; for a in \"$@\"; do echo \"$a\"; done; echo end; } > '" +
                                             out.toUtf8() + "'\n"));
    StartMain();
    ASSERT_TRUE(QDir(m_dir.path()).mkpath("help files"));
    const QString help = WriteFile("help files/G-code.hlp", "help");
    ShowHelpFile(help);
    EXPECT_TRUE(m_msgBoxes.empty());
    EXPECT_EQ(WaitForFile(out), "1\n" + help + "\nend\n");
}

TEST_F(MainCommandsTest, AMissingHelpFileOrViewerIsReported) {
    Store("HelpViewer", m_dir.filePath("no-viewer"));
    frmMain *m = StartMain();
    m->RunCommand(QStringLiteral("VariableHelp"));
    const QString variableHelp = JoinPath(ApplicationFolder(), "help/Variable.hlp");
    ShowHelpFile(WriteFile("G-code.hlp", "help"));
    ASSERT_EQ(Prompts().size(), 2u);
    EXPECT_EQ(Prompts()[0], variableHelp + QStringLiteral("\r\nヘルプファイルが見つかりません。"));
    EXPECT_TRUE(Prompts()[1].startsWith(m_dir.filePath("no-viewer") + QStringLiteral(": ファイルが見つかりません。")));
    EXPECT_TRUE(Prompts()[1].contains(QStringLiteral("HelpViewer")));
    for (const MsgBoxCall &c : m_msgBoxes) {
        EXPECT_EQ(c.buttons, vbOKOnly);
        EXPECT_EQ(c.title, "Brennvik");
    }
}

TEST_F(MainCommandsTest, AboutBoxShowsTitleAndVersionAndBlocksUntilOk) {
    frmMain *m = StartMain();
    bool returned = false;
    bool shown = false;
    ScriptNextModal([&](QWidget *w) {
        shown = true;
        auto *about = qobject_cast<frmAbout *>(w);
        ASSERT_NE(about, nullptr);
        EXPECT_FALSE(returned);
        EXPECT_EQ(about->windowTitle(), "ﾊﾞｰｼﾞｮﾝ情報 Brennvik");
        EXPECT_EQ(about->lblTitle->text(), "Brennvik");
        EXPECT_TRUE(QRegularExpression("^Version (0|[1-9][0-9]*)\\.(0|[1-9][0-9]*)\\.(0|[1-9][0-9]*)$")
                        .match(about->lblVersion->text())
                        .hasMatch())
            << about->lblVersion->text().toStdString();
        EXPECT_FALSE(about->lblDescription->text().isEmpty());
        EXPECT_FALSE(about->lblDisclaimer->text().isEmpty());
        EXPECT_EQ(about->parentWidget(), m);
        // The system-information operation has no button of its own.
        EXPECT_EQ(about->findChild<QPushButton *>(QStringLiteral("cmdSysInfo")), nullptr);
        ClickControl(about, "cmdOK");
    });
    m->RunCommand(QStringLiteral("mnuHelpAbout"));
    returned = true;
    EXPECT_TRUE(shown);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(g_frmAbout);
    EXPECT_EQ(VersionText(3, 4, 10), "Version 3.4.10");
}

}  // namespace
}  // namespace brennvik
