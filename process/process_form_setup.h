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

// The fields by their box, with the letter label beside it.
inline constexpr UnusedField kFieldV{&frmProcess::Labelv2, &frmProcess::V};
inline constexpr UnusedField kFieldF{&frmProcess::LabelF2, &frmProcess::F};
inline constexpr UnusedField kFieldU{&frmProcess::LabelU2, &frmProcess::U};
inline constexpr UnusedField kFieldW{&frmProcess::LabelW2, &frmProcess::W};
inline constexpr UnusedField kFieldD{&frmProcess::LabelD2, &frmProcess::D};
inline constexpr UnusedField kFieldL{&frmProcess::LabelL2, &frmProcess::L};
inline constexpr UnusedField kFieldC{&frmProcess::LabelC2, &frmProcess::C};
inline constexpr UnusedField kFieldStartX{&frmProcess::LabelStartX, &frmProcess::StartX};
inline constexpr UnusedField kFieldStartZ{&frmProcess::LabelStartZ, &frmProcess::StartZ};
inline constexpr UnusedField kFieldStartC{&frmProcess::LabelStartC, &frmProcess::StartC};
inline constexpr UnusedField kFieldEndX{&frmProcess::LabelEndX, &frmProcess::EndX};
inline constexpr UnusedField kFieldEndZ{&frmProcess::LabelEndZ, &frmProcess::EndZ};
inline constexpr UnusedField kFieldEndC{&frmProcess::LabelEndC, &frmProcess::EndC};

struct LabelCaption {
    ProcessFormLabel label;
    const char *caption;  // UTF-8
};

// A box filled after the pre-fill, from the material values of the moment.
struct BoxPreset {
    ProcessFormBox box;
    std::function<QString()> text;
};

// A hint shown on a box, such as the sizes a value is usually chosen from.
struct BoxTooltip {
    ProcessFormBox box;
    const char *text;  // UTF-8
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
    std::vector<BoxTooltip> tooltips{};
};

// Applies caption, fields, captions, visibility and tooltips to the dialog.
void ApplyProcessFormSetup(frmProcess &form, const ProcessFormSetup &setup);

// Whether the dialog step shows the B-axis and tool-tip position fields by
// the machine type, or leaves them as the set-up put them.
enum class MachineFields { ByMachineType, AsSetUp };

// The dialog step of a process command: creates the dialog if needed,
// applies the set-up, pre-fills it from the condition row, fills the
// presets, adapts it to the machine type (unless told not to) and shows it
// modally. An error before the showing (a condition row that cannot be
// read) unloads the half-prepared dialog, so the next command finds it as
// designed. `arrange`, when given, rearranges the dialog's controls after
// the set-up.
void AskProcessParameters(const ProcessFormSetup &setup, MachineFields fields = MachineFields::ByMachineType,
                          const std::function<void(frmProcess &)> &arrange = {});

}  // namespace brennvik
