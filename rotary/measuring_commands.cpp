#include "measuring_commands.h"

#include "probe_measuring.h"
#include "rotary_frame.h"
#include "zero_offset.h"
#include "editing/turret_view.h"
#include "platform/RichTextPane.h"
#include "process/frmProcess.h"
#include "process/generator_frame.h"
#include "process/process_form_setup.h"
#include "process/process_state.h"
#include "workspace/document_slots.h"
#include "workspace/nc_text.h"
#include "workspace/runtime.h"

namespace brennvik {

namespace {

using F = frmProcess;

// Every probe command takes its defaults from this row of the condition table.
constexpr int kProbeConditionRow = 34;

constexpr char kProbeNumber[] = "ｾﾝｻ-番号";
constexpr char kMayBeLeftEmpty[] = "省略可能";

// A probe measures with the number of the probe, the offset to correct and
// the good and reject bands at a target X and Z; only the outer diameter
// also asks where the probe starts.
ProcessFormSetup ProbeSetup(const char *caption, const char *offsetCaption, bool startPoint) {
    std::vector<UnusedField> unused = {kFieldF, kFieldD, kFieldL, kFieldC, kFieldStartC, kFieldEndC};
    std::vector<LabelCaption> captions = {{&F::Label1, kProbeNumber}, {&F::LabelV, offsetCaption},
                                          {&F::LabelU, "OK範囲"},      {&F::LabelW, "NG範囲"},
                                          {&F::LabelEnd, "目標位置"},  {&F::LabelF, ""},
                                          {&F::LabelD, ""},            {&F::LabelL, ""},
                                          {&F::LabelC, ""}};
    if (!startPoint) {
        unused.insert(unused.end(), {kFieldStartX, kFieldStartZ});
        captions.push_back({&F::LabelStart, ""});
    }
    return {caption, std::move(unused), std::move(captions), {}, {}, kProbeConditionRow, {}};
}

const ProcessFormSetup kInnerDiameter = ProbeSetup("内径直径計測", "工具補正", false);
const ProcessFormSetup kInnerRadius = ProbeSetup("内径半径計測", "工具補正", false);
const ProcessFormSetup kOuterDiameter = ProbeSetup("外径直径計測", "工具補正", true);
const ProcessFormSetup kOuterRadius = ProbeSetup("外径半径計測", "補正先No", false);

// Both axes start the probe from a point and measure at a target Z; the
// second touch may be left out.
ProcessFormSetup ZeroOffsetSetup(const char *caption, std::vector<UnusedField> unused,
                                 std::vector<LabelCaption> captions, std::vector<BoxTooltip> tooltips) {
    unused.insert(unused.end(), {kFieldStartC, kFieldEndX});
    captions.insert(captions.end(), {{&F::Label1, kProbeNumber}, {&F::LabelC, "2度当り"}, {&F::LabelEnd, "目標位置"}});
    tooltips.push_back({&F::C, kMayBeLeftEmpty});
    return {caption, std::move(unused), std::move(captions), {}, {}, kProbeConditionRow, {}, std::move(tooltips)};
}

// The C axis: the approach distance, the shift angle, the groove width as
// an angle and the C the feature is to have. The approach angle is asked
// too, though no macro word carries it.
const ProcessFormSetup kZeroOffsetC = ZeroOffsetSetup(
    "C軸-自動原点オフセット", {kFieldU, kFieldL},
    {{&F::LabelV, "ｱﾌﾟﾛｰﾁ距離"}, {&F::LabelF, "ｼﾌﾄ角度"}, {&F::LabelU, ""}, {&F::LabelW, "ﾐｿﾞ幅角度"},
     {&F::LabelD, "ｱﾌﾟﾛｰﾁ角"}, {&F::LabelL, ""}},
    {});

// The Z axis: the approach and overtravel amounts and the optional bands.
const ProcessFormSetup kZeroOffsetZ = ZeroOffsetSetup(
    "Z軸-自動原点オフセット", {kFieldV, kFieldF, kFieldEndC},
    {{&F::LabelV, ""}, {&F::LabelF, ""}, {&F::LabelU, "OK範囲"}, {&F::LabelW, "NG範囲"}, {&F::LabelD, "ｱﾌﾟﾛｰﾁ量"},
     {&F::LabelL, "ｵｰﾊﾞｰ量"}},
    {{&F::U, kMayBeLeftEmpty}, {&F::W, kMayBeLeftEmpty}});

// Puts the call at the caret and the subprogram at the end of the program
// (in the two-turret view behind its end line), then the caret back to the
// start of the call. Both are built before anything is written, and the
// pane is found first: a failure leaves the program as it was.
void InsertCallWithSubprogram(const QString &call, const QString &subprogram) {
    RichTextPane *pane = ActivePaneOfCurrentDocument();
    const int start = pane->SelStart();
    pane->SetSelText(call);
    AppendAtProgramEnd(subprogram);
    pane->SetSelStart(start);
}

void RunProbeCommand(const ProcessFormSetup &setup, ProbeMeasuring measuring) {
    try {
        // Only a confirmation in this showing counts.
        g_DialogOK = false;
        AskProcessParameters(setup);
        if (!g_DialogOK) return;
        const QString call = ProbeCallLine(measuring);
        InsertCallWithSubprogram(call, BuildProbeSubprogram(measuring));
    } catch (const RuntimeError &error) {
        ShowErrorMessage(error.number());
    }
}

void RunZeroOffsetCommand(const ProcessFormSetup &setup, ZeroOffsetAxis axis) {
    RunGenerator({[&setup] { AskProcessParameters(setup); }, [axis] { BuildZeroOffsetBlock(axis); }, {}});
}

}  // namespace

void ProcessMeasuerInD_Click() { RunProbeCommand(kInnerDiameter, ProbeMeasuring::InnerDiameter); }
void ProcessMeasuerInR_Click() { RunProbeCommand(kInnerRadius, ProbeMeasuring::InnerRadius); }
void ProcessMeasuerOutD_Click() { RunProbeCommand(kOuterDiameter, ProbeMeasuring::OuterDiameter); }
void ProcessMeasuerOutR_Click() { RunProbeCommand(kOuterRadius, ProbeMeasuring::OuterRadius); }

void ProcessMeasuerOutside_Click() {
    g_OutputBlock = OutsideMeasuringCall();
    InsertIntoFocusedPane(g_OutputBlock);
}

void ProcessMeasuerZeroCaxis_Click() { RunZeroOffsetCommand(kZeroOffsetC, ZeroOffsetAxis::C); }
void ProcessMeasuerZeroZaxis_Click() { RunZeroOffsetCommand(kZeroOffsetZ, ZeroOffsetAxis::Z); }

}  // namespace brennvik
