#include "generator_frame.h"

#include "process_state.h"
#include "platform/RichTextPane.h"
#include "workspace/document_slots.h"
#include "workspace/nc_text.h"
#include "workspace/runtime.h"

namespace brennvik {

void RunGenerator(const GeneratorCommand &command) {
    try {
        // Only a confirmation in this showing counts: a dialog closed by its
        // close box sets nothing, and an earlier dialog's OK must not carry over.
        g_DialogOK = false;
        command.showDialog();
        if (!g_DialogOK) return;
        command.buildBlock();
        ActivePaneOfCurrentDocument()->SetSelText(g_OutputBlock);
        if (command.afterInsert) command.afterInsert();
    } catch (const RuntimeError &error) {
        ShowErrorMessage(error.number());
    }
}

}  // namespace brennvik
