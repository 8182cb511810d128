#include "process_form_setup.h"

#include "form_widgets.h"
#include "machine_settings.h"
#include "workspace/runtime.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace brennvik {

void ConfigureProcessFormForMachine() {
    frmProcess *form = EnsureProcessForm();
    const bool bAxis = g_MacTurn || g_MULTUS;
    for (QWidget *w : {static_cast<QWidget *>(form->LabelB), static_cast<QWidget *>(form->LabelB2),
                       static_cast<QWidget *>(form->B)})
        w->setVisible(bAxis);
    form->TipPostion->setVisible(bAxis && g_ToolType == QStringLiteral("HSK"));
}

void ApplyProcessFormSetup(frmProcess &form, const ProcessFormSetup &setup) {
    form.setWindowTitle(QString::fromUtf8(setup.caption));
    for (const UnusedField &field : setup.unusedFields) {
        (form.*field.letter)->setText(QString());
        (form.*field.box)->setVisible(false);
    }
    for (const LabelCaption &c : setup.captions) (form.*c.label)->setText(QString::fromUtf8(c.caption));
    for (const ProcessFormControl &control : setup.hidden) control.In(form)->setVisible(false);
    for (const ProcessFormControl &control : setup.shown) control.In(form)->setVisible(true);
    for (const BoxTooltip &tip : setup.tooltips) (form.*tip.box)->setToolTip(QString::fromUtf8(tip.text));
}

void AskProcessParameters(const ProcessFormSetup &setup, MachineFields fields,
                          const std::function<void(frmProcess &)> &arrange) {
    frmProcess *form = EnsureProcessForm();
    try {
        ApplyProcessFormSetup(*form, setup);
        if (arrange) arrange(*form);
        PrefillProcessDialog(setup.conditionRow);
        for (const BoxPreset &preset : setup.presets) (form->*preset.box)->setText(preset.text());
        if (fields == MachineFields::ByMachineType) ConfigureProcessFormForMachine();
    } catch (const RuntimeError &) {
        UnloadForm(form, g_frmProcess);
        throw;
    }
    ShowProcessDialog();
}

}  // namespace brennvik
