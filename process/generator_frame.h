#pragma once
// The frame every process command runs in: show the process dialog, and
// only when it was confirmed build the block and put it at the caret of the
// focused pane of the current document. A run-time error anywhere ends the
// command with its message and nothing inserted.

#include <functional>

namespace brennvik {

struct GeneratorCommand {
    // Sets up the process dialog for the command (caption, fields, pre-fill,
    // presets, machine-type fields) and shows it modally; returns when it
    // has closed. The dialog's OK button sets g_DialogOK.
    std::function<void()> showDialog;
    // Builds the block in g_OutputBlock from the process variables.
    std::function<void()> buildBlock;
    // Optional: runs once the block is in the document.
    std::function<void()> afterInsert;
};

void RunGenerator(const GeneratorCommand &command);

}  // namespace brennvik
