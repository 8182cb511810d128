// Work on a whole document shows the busy pointer while it changes the
// panes, and the normal pointer again before any message and at its end;
// every message comes after work done under it.
#include "editing_fixture.h"

#include "editing/character_colours.h"
#include "editing/document_compare.h"
#include "editing/editing_commands.h"
#include "editing/frmNumberArrange.h"
#include "editing/frmReplace.h"
#include "editing/frmSizeShift.h"
#include "editing/turret_view.h"
#include "platform/BusyPointer.h"
#include "workspace/frmMain.h"
#include "workspace/workspace_state.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

#include <functional>

namespace brennvik {
namespace {

const char *const kProgram = "O1\r\nG13\r\nN000 G01 X10. M01\r\nG14\r\nN000 G00 X20. M01\r\nNEND M02\r\n";

// Whether the pointer is the busy one now.
bool Busy() { return QApplication::overrideCursor() && QApplication::overrideCursor()->shape() == Qt::WaitCursor; }

class BusyPointerTest : public EditingFixture {
protected:
    void SetUp() override {
        EditingFixture::SetUp();
        m_msgBoxAnswer = [this](const MsgBoxCall &c) {
            m_busyAtMessages << Busy();
            m_shownAtMessages << BusyPointer::TimesShown();
            // Go on, and close documents without saving.
            return (c.buttons & 7) == vbYesNoCancel ? vbNo : (c.buttons & 7) == vbYesNo ? vbYes : vbOK;
        };
    }
    // Notes the pointer at each change of the panes' text or colours.
    void Watch(RichTextPane *pane) {
        QObject::connect(pane->document(), &QTextDocument::contentsChange, pane,
                         [this](int, int, int) { m_busyAtChanges << Busy(); });
    }
    QList<bool> m_busyAtChanges, m_busyAtMessages;
    QList<int> m_shownAtMessages;
};

TEST_F(BusyPointerTest, WholeDocumentCommandsShowItWhileTheyChangeThePane) {
    const struct {
        const char *name;
        std::function<void()> setUp, press;
        bool message;  // the press ends with a message
    } presses[] = {
        {"replace all", [] {
             mnuSearchReplace_Click();
             g_frmReplace->txtFind->setText("M01");
             g_frmReplace->txtReplace->setText("M00");
         }, [] { g_frmReplace->AllChange->click(); }, true},
        {"replace one", [] {
             mnuSearchReplace_Click();
             g_frmReplace->txtFind->setText("M01");
             g_frmReplace->Change->click();
         }, [] { g_frmReplace->Change->click(); }, false},
        {"size shift all", [] {
             mnuToolsSizeShift_Click();
             g_frmSizeShift->txtFind->setText("X");
             g_frmSizeShift->txtValue->setText("1");
         }, [] { g_frmSizeShift->AllChange->click(); }, true},
        {"renumbering", [] {
             mnuToolsNumberArrange_Click();
             g_frmNumberArrange->FromTop->setChecked(true);
         }, [] { g_frmNumberArrange->Command1->click(); }, false},
        {"colours", [] {}, [] { mnuColor_Click(); }, false},
        {"view on", [] {}, [] { mnuAbView_Click(); }, false},
        // The check whether the round trip changes the program, before its question.
        {"view on, asking first", [] {
             CurrentDocumentWindow()->txtText->LoadText(QString::fromUtf8(kProgram).replace("G13", "G13 (A)"));
         }, [] { mnuAbView_Click(); }, true},
        {"view off", [] { mnuAbView_Click(); }, [] { mnuAbView_Click(); }, false},
        {"comparison", [this] {
             OpenDocument(QString::fromUtf8(kProgram).replace("X10.", "X11."));
             g_CurrentDocument = 1;
         }, [] { mnuToolCompe_Click(); }, true},
    };
    for (const auto &p : presses) {
        SCOPED_TRACE(p.name);
        RichTextPane *pane = OpenDocument(QString::fromUtf8(kProgram));
        p.setUp();
        Watch(pane);
        m_busyAtChanges.clear();
        m_busyAtMessages.clear();
        m_shownAtMessages.clear();
        const int shownBefore = BusyPointer::TimesShown();
        p.press();
        EXPECT_FALSE(m_busyAtChanges.isEmpty());
        EXPECT_FALSE(m_busyAtChanges.contains(false));
        EXPECT_EQ(m_busyAtMessages.isEmpty(), !p.message);
        EXPECT_FALSE(m_busyAtMessages.contains(true));
        for (int shown : m_shownAtMessages) EXPECT_GT(shown, shownBefore);
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
        for (QWidget *d : {(QWidget *)g_frmReplace.data(), (QWidget *)g_frmSizeShift.data()})
            if (d) d->close();
        for (int n = 1; n <= kDocumentSlots; ++n)
            if (g_DocumentInUse[n]) g_Documents[n]->Unload();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

// Opening a file shows it while the file is read into its new window.
TEST_F(BusyPointerTest, OpeningAFileShowsIt) {
    m_openFileAnswer = WriteFile("A.MIN", kProgram);
    QList<bool> busyAtShow;
    struct Filter : QObject {
        QList<bool> *seen;
        bool eventFilter(QObject *o, QEvent *e) override {
            if (e->type() == QEvent::Show && qobject_cast<RichTextPane *>(o)) *seen << Busy();
            return false;
        }
    } filter;
    filter.seen = &busyAtShow;
    qApp->installEventFilter(&filter);
    m_main->RunCommand(QStringLiteral("mnuFileOpen"));
    qApp->removeEventFilter(&filter);
    EXPECT_FALSE(busyAtShow.isEmpty());
    EXPECT_FALSE(busyAtShow.contains(false));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

// Files named on the command line load in a main window already on the
// screen, under the busy pointer; it is normal again once they are in.
TEST_F(BusyPointerTest, CommandLineFilesLoadUnderItInAShownWindow) {
    const QString file = WriteFile("A.MIN", kProgram);
    CloseMain();
    struct Filter : QObject {
        QList<bool> busy, mainShown;
        bool eventFilter(QObject *o, QEvent *e) override {
            if (e->type() == QEvent::Show && qobject_cast<RichTextPane *>(o)) {
                busy << Busy();
                mainShown << (g_frmMain && g_frmMain->isVisible());
            }
            return false;
        }
    } filter;
    qApp->installEventFilter(&filter);
    StartMain({file});
    qApp->removeEventFilter(&filter);
    ASSERT_TRUE(g_DocumentInUse[1]);
    EXPECT_EQ(g_Documents[1]->txtText->Text(), QString::fromUtf8(kProgram));
    EXPECT_FALSE(filter.busy.isEmpty());
    EXPECT_FALSE(filter.busy.contains(false));
    EXPECT_FALSE(filter.mainShown.contains(false));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

}  // namespace
}  // namespace brennvik
