#include "startup.h"

#include "frmMain.h"
#include "platform/DialogWindows.h"
#include "platform/InterfaceFont.h"
#include "platform/KeyboardLocks.h"
#include "platform/TextBoxes.h"
#include "platform/Translations.h"
#include "program_icon.h"
#include "workspace_state.h"

#include <QApplication>
#include <QLabel>

namespace brennvik {

void PressKey(int16_t virtualKey) {
    keybd_event(virtualKey, KEYEVENTF_KEYDOWN);
    keybd_event(virtualKey, KEYEVENTF_KEYUP);
}

void PressKey(int16_t first, int16_t second) {
    keybd_event(first, KEYEVENTF_KEYDOWN);
    keybd_event(second, KEYEVENTF_KEYDOWN);
    keybd_event(second, KEYEVENTF_KEYUP);
    keybd_event(first, KEYEVENTF_KEYUP);
}

frmMain *StartUp(const QStringList &commandLineFiles, const CommandInstaller &install) {
    // Standard dialogs, keys, captions and window icons as a user of the
    // program expects them.
    LoadToolkitTranslations();
    UseInterfaceFont();
    InstallButtonEnterKey();
    IgnoreUntakenCommandChords();
    QApplication::setWindowIcon(ProgramIcon());
    auto *window = new frmMain;
    if (install) install(*window);
    window->setAttribute(Qt::WA_DeleteOnClose);
    g_frmMain = window;
    g_Pi = 3.14159265398;
    window->MDIForm_Load(commandLineFiles);
    window->show();
    // The Caps Lock panel tells the state.
    window->UpdateStatusPanels();
    if (!window->StatusPanel(3)->property("keyOn").toBool()) {
        PressKey(VK_CAPITAL);
        window->UpdateStatusPanels();
    }
    return window;
}

int Main(const QStringList &commandLineFiles, const CommandInstaller &install) {
    StartUp(commandLineFiles, install);
    return QApplication::exec();
}

}  // namespace brennvik
