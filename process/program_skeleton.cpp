#include "program_skeleton.h"

#include "block_steps.h"
#include "editing/turret_view.h"
#include "frmUGC.h"
#include "machine_settings.h"
#include "material.h"
#include "platform/RichTextPane.h"
#include "process_state.h"
#include "workspace/document_slots.h"
#include "workspace/frmDocument.h"
#include "workspace/nc_text.h"
#include "workspace/runtime.h"

namespace brennvik {

namespace {
void AppendLoadMonitorEnd() {
    if (g_LoadMoniter) AppendLine(QStringLiteral("N000 M215"));
}
void AppendToolLifeLines() {
    if (!g_TG) return;
    AppendLine(QStringLiteral("N000 M100"));
    AppendLine(QStringLiteral("N000 TLID"));
}
void AppendPanelCheck() {
    if (g_PanelChk) AppendLine(QStringLiteral("N000 CALL OPCHK (PANEL CHECK)"));
}
void AppendSpindleLimit() { AppendLine("NMAX G50 S" + FormatNcNumber(g_MaxS)); }
void AppendHomeByAxes() { AppendLine("N000 G00 X" + FormatNcNumber(g_HomeX) + " Z" + FormatNcNumber(g_HomeZ)); }
}  // namespace

void BuildSkeletonStart() {
    g_OutputBlock.clear();
    if (g_AutoDoor) AppendLine(QStringLiteral("N000 M90"));
    AppendSpindleLimit();
    if (g_MacTurn) {
        AppendLine(QStringLiteral("N000 G21 HP=4 M109"));
    } else if (g_MULTUS) {
        AppendLine("N000 G20 HP=4 M109" + g_M867Word);
        g_OutputBlock += g_M866Line;
    } else {
        AppendHomeByAxes();
    }
    AppendPanelCheck();
    if (g_UgcGraphicOn) AppendLine(QStringLiteral("N000 CALL OUGC  (GRAPHIC DATA)"));
    if (g_LoadMoniter) AppendLine(QStringLiteral("N000 M216"));
    AppendLine(QString());
}

void BuildSkeletonTurretAEnd(bool plainView) {
    g_OutputBlock.clear();
    AppendLine(QString());
    AppendLine(QString());
    AppendLoadMonitorEnd();
    if (g_Measuer) AppendLine(QStringLiteral("N000 CALL OMSSF"));
    AppendToolLifeLines();
    if (g_AutoDoor) AppendLine(QStringLiteral("N000 M91"));
    if (plainView) {
        AppendLine(QString());
        AppendLine(QStringLiteral("G14 (-----< B:TURRET >-----)"));
    }
}

void BuildSkeletonTurretBStart() {
    g_OutputBlock.clear();
    if (g_AutoDoor) AppendLine(QStringLiteral("N000 M90"));
    AppendSpindleLimit();
    // Turret B returns by its axes on every machine type.
    AppendHomeByAxes();
    AppendPanelCheck();
    if (g_LoadMoniter) AppendLine(QStringLiteral("N000 M216"));
    AppendLine(QString());
    AppendLine(QString());
}

void BuildSkeletonProgramEnd(bool plainView) {
    g_OutputBlock.clear();
    AppendLine(QString());
    AppendLoadMonitorEnd();
    if (g_Measuer) {
        AppendLine(QStringLiteral("N000 CALL OMSSF"));
        AppendLine(QStringLiteral("N000 CALL OCNCK"));
    }
    AppendToolLifeLines();
    if (g_AutoDoor) AppendLine(QStringLiteral("N000 M91"));
    if (plainView) AppendLine(QStringLiteral("NEND M02"));
}

void ProcessUGC_Click() {
    try {
        g_UgcGraphicOn = false;
        // Only a confirmation in this showing counts.
        g_DialogOK = false;
        ShowMaterialDialog();
        if (!g_DialogOK) return;
        const QString graphicBlock = g_UgcGraphicOn ? g_OutputBlock : QString();

        frmDocument *doc = CurrentDocumentWindow();
        const bool plainView = !g_DocumentSplit[doc->Slot()];
        RichTextPane *paneA = doc->txtText;
        // In the two-turret view turret B's lines go to its own pane.
        RichTextPane *paneB = plainView ? doc->txtText : doc->txtTextB;
        if (g_Bturret && plainView) doc->ActivePane()->SetSelText(QStringLiteral("G13 (-----< A:TURRET >-----)\r\n"));
        BuildSkeletonStart();
        paneA->SetSelText(g_OutputBlock);
        const int caret = paneA->SelStart();
        if (g_Bturret) {
            BuildSkeletonTurretAEnd(plainView);
            paneA->SetSelText(g_OutputBlock);
            BuildSkeletonTurretBStart();
            paneB->SetSelText(g_OutputBlock);
        }
        BuildSkeletonProgramEnd(plainView);
        paneB->SetSelText(g_OutputBlock);
        // Behind everything, in the two-turret view behind "NEND M02".
        AppendAtProgramEnd(graphicBlock);
        paneA->SetSelStart(caret);
    } catch (const RuntimeError &error) {
        ShowErrorMessage(error.number());
    }
}

}  // namespace brennvik
