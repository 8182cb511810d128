// Process-menu commands of the main window.
#include "dialog_errors.h"
#include "frmProcessSetup.h"
#include "platform/Modal.h"
#include "workspace/frmMain.h"
#include "workspace/nc_text.h"
#include "workspace/runtime.h"

namespace brennvik {

void frmMain::ProcessSetup_Click() {
    try {
        if (!g_frmProcessSetup) g_frmProcessSetup = new frmProcessSetup;
        frmProcessSetup *dialog = g_frmProcessSetup;
        dialog->FillFromSettings();
        ClearKeptDialogError();
        ShowModal(dialog);
        // However the dialog closed, the entries follow the machine type.
        ApplyMachineTypeProcessEntries();
        RaiseKeptDialogError();
    } catch (const RuntimeError &error) {
        ShowErrorMessage(error.number());
    }
}

}  // namespace brennvik
