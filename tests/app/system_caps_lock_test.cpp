// The Caps Lock key on a real X display: the program's lock and its panel
// switch, the system's lock stays as it was, so dialog boxes and file names
// keep typing as before.
#include "support/dialog_helpers.h"
#include "support/fixtures.h"

#include "editing/frmFind.h"
#include "platform/RichTextPane.h"
#include "workspace/document_slots.h"
#include "workspace/frmMain.h"

#include <QApplication>
#include <QLabel>

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

namespace brennvik {
namespace {

// A connection of the test's own, as another program would have.
class SystemKeyboard {
public:
    SystemKeyboard() : m_display(XOpenDisplay(nullptr)) {}
    ~SystemKeyboard() {
        if (m_display) XCloseDisplay(m_display);
    }
    bool Open() const { return m_display != nullptr; }

    bool CapsLock() {
        XkbStateRec state;
        XkbGetState(m_display, XkbUseCoreKbd, &state);
        return (state.locked_mods & LockMask) != 0;
    }
    void SetCapsLock(bool on) {
        XkbLockModifiers(m_display, XkbUseCoreKbd, LockMask, on ? LockMask : 0);
        XSync(m_display, False);
    }
    // Keys go to that window, as a window manager would have it.
    void Focus(QWidget *window) {
        XSetInputFocus(m_display, Window(window->winId()), RevertToParent, CurrentTime);
        XSync(m_display, False);
    }
    // A real stroke of the key, as the keyboard sends it.
    void Stroke(KeySym key) {
        const KeyCode code = XKeysymToKeycode(m_display, key);
        XTestFakeKeyEvent(m_display, code, True, CurrentTime);
        XTestFakeKeyEvent(m_display, code, False, CurrentTime);
        XSync(m_display, False);
    }

private:
    Display *m_display;
};

class SystemCapsLockTest : public ProgramFixture {};

// One press made the panes type small letters and every dialog box capitals:
// "/tmp/h1" typed into Save As came out "/TMP/H1".
TEST_F(SystemCapsLockTest, TheKeySwitchesTheProgramsLockAndLeavesTheSystemsAlone) {
    SystemKeyboard keyboard;
    ASSERT_TRUE(keyboard.Open());
    StartMain();
    m_main->mnuFileNew->trigger();
    RichTextPane *pane = ActivePaneOfCurrentDocument();
    auto panel = [this] { return m_main->StatusPanel(3)->property("keyOn").toBool(); };
    for (const bool systemLock : {false, true}) {
        SCOPED_TRACE(systemLock ? "system lock on" : "system lock off");
        keyboard.SetCapsLock(systemLock);
        ASSERT_TRUE(ActivateWindow(m_main));
        keyboard.Focus(m_main);
        pane->setFocus();
        const bool before = panel();
        keyboard.Stroke(XK_Caps_Lock);
        EXPECT_TRUE(QTest::qWaitFor([&] { return panel() != before; }));
        QTest::qWait(200);  // the release, and whatever the system does with it
        EXPECT_EQ(panel(), !before);
        EXPECT_EQ(keyboard.CapsLock(), systemLock);

        // The pane types as the panel says, the dialog's box as the system's lock.
        pane->SetText(QString());
        keyboard.Stroke(XK_g);
        EXPECT_TRUE(QTest::qWaitFor([&] { return !pane->Text().isEmpty(); }));
        EXPECT_EQ(pane->Text(), panel() ? "G" : "g");
        ASSERT_TRUE(m_main->RunCommand(QStringLiteral("mnuSearchFind")));
        ASSERT_TRUE(ActivateWindow(g_frmFind));
        keyboard.Focus(g_frmFind);
        g_frmFind->txtFind->setFocus();
        g_frmFind->txtFind->clear();
        keyboard.Stroke(XK_h);
        EXPECT_TRUE(QTest::qWaitFor([&] { return !g_frmFind->txtFind->text().isEmpty(); }));
        EXPECT_EQ(g_frmFind->txtFind->text(), systemLock ? "H" : "h");

        // Pressed in the dialog, the key does the same.
        const bool inDialog = panel();
        keyboard.Stroke(XK_Caps_Lock);
        EXPECT_TRUE(QTest::qWaitFor([&] { return panel() != inDialog; }));
        QTest::qWait(200);
        EXPECT_EQ(keyboard.CapsLock(), systemLock);
        g_frmFind->close();
    }
    keyboard.SetCapsLock(false);
}

}  // namespace
}  // namespace brennvik
