#include "fixtures.h"

#include "app/install_commands.h"
#include "calc_tangent/DrawingCalculatorWindow.h"
#include "editing/renumber_settings.h"
#include "editing/search_state.h"
#include "platform/Clock.h"
#include "platform/FontDialog.h"
#include "platform/KeyboardLocks.h"
#include "platform/Modal.h"
#include "platform/Printer.h"
#include "platform/PrinterDialog.h"
#include "platform/Screens.h"
#include "platform/SettingsStore.h"
#include "platform/WindowPrinter.h"
#include "process/block_steps.h"
#include "process/cutting_conditions.h"
#include "process/dialog_errors.h"
#include "process/frmProcess.h"
#include "process/frmProcessSetup.h"
#include "process/frmUGC.h"
#include "process/material.h"
#include "process/machine_settings.h"
#include "process/process_state.h"
#include "rotary/tilted_plane.h"
#include "workspace/PrintSetting.h"
#include "workspace/document_slots.h"
#include "workspace/frmAbout.h"
#include "workspace/frmMain.h"
#include "workspace/startup.h"
#include "workspace/workspace_state.h"

#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QSettings>

namespace brennvik {

void ProgramFixture::SetUp() {
    ASSERT_TRUE(m_dir.isValid());
    SetSettingsFilePath(m_dir.filePath(QStringLiteral("Brennvik.ini")));
    ClearSettingsWriteLog();
    ResetWorkspaceState();
    ResetDocumentSlots();
    ResetMachineSettings();
    ResetProcessState();
    ResetCuttingConditions();
    ResetMaterialState();
    ResetBlockSteps();
    ResetSearchState();
    ResetRenumberSettings();
    ResetTiltedPlaneState();
    ClearKeptDialogError();
    UseInProcessKeyStates(false, false, false);
    UseScreenAreas({kTestScreen});
    Printer::Reset();
    // A test that opens these dialogs scripts them.
    SetFontDialogResponder([](FontChoice &) {
        ADD_FAILURE() << "a font dialog was shown that the test did not script";
        return false;
    });
    SetPrinterSetupResponder([](QPrinter *) {
        ADD_FAILURE() << "a printer dialog was shown that the test did not script";
        return false;
    });
    m_msgBoxes.clear();
    SetMsgBoxResponder([this](const MsgBoxCall &call) {
        m_msgBoxes.push_back(call);
        return m_msgBoxAnswer ? m_msgBoxAnswer(call) : vbOK;
    });
    m_openFileAnswer.clear();
    m_openFileRequests.clear();
    SetFileDialogResponder([this](const FileDialogRequest &request) {
        m_openFileRequests.push_back(request);
        return m_openFileAnswer;
    });
}

namespace {
// Dialogs left loaded by a test, and those unloaded but not yet deleted.
void DestroyDialogs() {
    delete g_frmProcess;
    g_frmProcess = nullptr;
    delete g_frmProcessSetup;
    g_frmProcessSetup = nullptr;
    delete g_frmUGC;
    g_frmUGC = nullptr;
    delete g_PrintSetting;
    delete g_frmAbout;
    UnloadCalculatorWindows();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
}  // namespace

void ProgramFixture::TearDown() {
    if (m_main) CloseMain();
    DestroyDialogs();
    SetFileDialogResponder({});
    SetFontDialogResponder({});
    SetPrinterSetupResponder({});
    SetClock({});
    SetPrinterFactory({});
    SetModalDriver({});
    SetMsgBoxResponder({});
    SetSettingsFilePath(QString());
    UseScreenAreas({});
}

void ProgramFixture::WriteSettingsFile(const QByteArray &ini) {
    QFile f(SettingsFilePath());
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(ini);
}

QByteArray ProgramFixture::ReadSettingsFile() const {
    QFile f(SettingsFilePath());
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString ProgramFixture::StoredSetting(const QString &section, const QString &key) const {
    QSettings s(SettingsFilePath(), QSettings::IniFormat);
    const QVariant v = s.value(section + u'/' + key);
    return v.isValid() ? v.toString() : QString();
}

frmMain *ProgramFixture::StartMain(const QStringList &files) {
    m_main = StartUp(files, InstallAllCommands);
    return m_main;
}

void ProgramFixture::CloseMain() {
    frmMain *m = m_main;
    m_main = nullptr;
    m->setAttribute(Qt::WA_DeleteOnClose, false);
    m->close();
    delete m;
    QApplication::processEvents();
}

QString ProgramFixture::WriteFile(const QString &name, const QByteArray &bytes) {
    const QString path = m_dir.filePath(name);
    QFile f(path);
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    f.write(bytes);
    return path;
}

void ScriptNextModal(std::function<void(QWidget *)> script) {
    SetModalDriver([script](QWidget *w) {
        // Removing the driver destroys this lambda: run a copy of the script.
        const auto run = script;
        SetModalDriver({});
        run(w);
    });
}

}  // namespace brennvik
