#include "process_commands.h"

#include "cutting_conditions.h"
#include "dialog_errors.h"
#include "frmProcessSetup.h"
#include "machine_settings.h"
#include "program_skeleton.h"
#include "platform/Modal.h"
#include "workspace/frmMain.h"
#include "workspace/nc_text.h"
#include "workspace/runtime.h"
#include "workspace/workspace_state.h"

#include <QAction>
#include <QMenu>

namespace brennvik {

void ProcessSetup_Click() {
    try {
        if (!g_frmProcessSetup) g_frmProcessSetup = new frmProcessSetup(g_frmMain);
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

void ApplyMachineTypeProcessEntries() {
    if (!g_frmMain) return;
    const bool show = g_MacTurn || g_MULTUS;
    for (const char *name : {"ProcessMT", "ProcessMDrillSlant", "ProcessMKeySlant", "ProcessMTapSlant",
                             "ProcessMCircle", "ProcessMPlanetTap"})
        if (QAction *entry = g_frmMain->Entry(QString::fromLatin1(name))) entry->setVisible(show);
}

void InstallProcessCommands(frmMain &main) {
    main.AddEntry(main.Process, "ProcessSetup", "初期設定", ProcessSetup_Click);
    main.AddEntry(main.Process, "ProcessUGC", "素材形状入力", ProcessUGC_Click);
    main.AddSeparator(main.Process);
    main.AddSubmenu(main.Process, "ProcessRough", "荒引き",
               {{"ProcessRoughFace", "端面", ProcessRoughFace_Click},
                {"ProcessRoughFaceOD", "端面+外径", ProcessRoughFaceOD_Click},
                {"ProcessRoughOD", "外径", ProcessRoughOD_Click},
                {"ProcessRoughID", "内径", ProcessRoughID_Click}});
    main.AddSubmenu(main.Process, "ProcessFinish", "仕上げ",
               {{"ProcessFinishFace", "端面", ProcessFinishFace_Click},
                {"ProcessFinishFaceOD", "端面+外径", ProcessFinishFaceOD_Click},
                {"ProcessFinishOD", "外径", ProcessFinishOD_Click},
                {"ProcessFinishID", "内径", ProcessFinishID_Click}});
    main.AddSubmenu(main.Process, "ProcessThread", "ネジ切り",
               {{"ProcessThreadFace", "端面", ProcessThreadFace_Click},
                {"ProcessThreadOD", "外径", ProcessThreadOD_Click},
                {"ProcessThreadID", "内径", ProcessThreadID_Click}});
    main.AddSubmenu(main.Process, "ProcessGroove", "ミゾ入れ",
               {{"ProcessGrooveOD", "外径", ProcessGrooveOD_Click},
                {"ProcessGrooveID", "内径", ProcessGrooveID_Click},
                {"ProcessGrooveFace", "端面", ProcessGrooveFace_Click}});
    main.AddSubmenu(main.Process, "ProcessDrill", "ドリル",
               {{"ProcessDrillHss", "ハイス", ProcessDrillHss_Click},
                {"ProcessDrillU", "超硬", ProcessDrillU_Click}});

    g_MainWindowHooks.loadMachineSettings = LoadMachineSettings;
    g_MainWindowHooks.shapeMachineTypeControls = [] {
        EnsureProcessSetupShaped();
        ApplyMachineTypeProcessEntries();
    };
    g_MainWindowHooks.loadCuttingConditions = [] { LoadCuttingConditions(); };
    g_MainWindowHooks.storeMachineFiles = [] {
        SaveSettingText(QStringLiteral("Parameter"), "CsvPathName", g_CsvPathName);
        SaveSettingText(QStringLiteral("Parameter"), "CsvFileName", g_CsvFileName);
    };
}

}  // namespace brennvik
