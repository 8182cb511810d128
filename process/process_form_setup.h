#pragma once
// How a process command sets up the process dialog before showing it: its
// caption, the labels it recaptions, the fields it does not use, the
// controls it shows, its row of the cutting-condition table and the boxes
// it fills from the material values. A command is one ProcessFormSetup.

#include "frmProcess.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QString>

#include <functional>
#include <vector>

namespace brennvik {

// Shows B and its labels on MacTurn and MULTUS machines, and the tool-tip
// position there only with HSK tools; hides all of them on other machines.
// Creates the dialog if there is none.
void ConfigureProcessFormForMachine();

// A control of the process dialog, named by its member.
class ProcessFormControl {
public:
    // Implicit, so that a list of controls reads as a list of members.
    template <typename Widget>
    ProcessFormControl(Widget *frmProcess::*member)
        : m_widget([member](frmProcess &form) -> QWidget * { return form.*member; }) {}
    QWidget *In(frmProcess &form) const { return m_widget(form); }

private:
    std::function<QWidget *(frmProcess &)> m_widget;
};

using ProcessFormLabel = QLabel *frmProcess::*;
using ProcessFormBox = QLineEdit *frmProcess::*;

// A field the command does not use: its letter label loses its caption and
// its box is hidden. Its name label is recaptioned separately where the
// command blanks it too.
struct UnusedField {
    ProcessFormLabel letter;
    ProcessFormBox box;
};

struct LabelCaption {
    ProcessFormLabel label;
    const char *caption;  // UTF-8
};

// A box filled after the pre-fill, from the material values of the moment.
struct BoxPreset {
    ProcessFormBox box;
    std::function<QString()> text;
};

struct ProcessFormSetup {
    const char *caption;  // UTF-8
    std::vector<UnusedField> unusedFields;
    // Applied after the unused fields, in order, so a later caption wins.
    std::vector<LabelCaption> captions;
    std::vector<ProcessFormControl> hidden;
    std::vector<ProcessFormControl> shown;
    int conditionRow;
    std::vector<BoxPreset> presets;
};

// Applies caption, fields, captions and visibility to the dialog.
void ApplyProcessFormSetup(frmProcess &form, const ProcessFormSetup &setup);

// The dialog step of a process command: creates the dialog if needed,
// applies the set-up, pre-fills it from the condition row, fills the
// presets, adapts it to the machine type and shows it modally. An error
// before the showing (a condition row that cannot be read) unloads the
// half-prepared dialog, so the next command finds it as designed.
// `arrange`, when given, rearranges the dialog's controls after the set-up.
void AskProcessParameters(const ProcessFormSetup &setup, const std::function<void(frmProcess &)> &arrange = {});

}  // namespace brennvik
