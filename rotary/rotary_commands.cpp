#include "rotary_commands.h"

#include "contour_milling.h"
#include "measuring_commands.h"
#include "rotary_frame.h"
#include "rotary_holes.h"
#include "size_hints.h"
#include "spindle_tapping.h"
#include "tilted_commands.h"
#include "process/frmProcess.h"
#include "process/process_form_setup.h"
#include "process/process_state.h"
#include "workspace/frmMain.h"

#include <QAction>
#include <QMenu>

namespace brennvik {

namespace {

using F = frmProcess;

QString Zero() { return QStringLiteral("0"); }

// A rotary tool works without the B axis and the tool-tip position of the
// turning tools.
const std::vector<ProcessFormControl> kNoBAxis = {&F::TipPostion, &F::LabelB, &F::LabelB2, &F::B};

// A hole on the face ends at a Z, one on the side at an X; neither asks
// for an end angle.
enum class HoleSurface { Face, Side };

// Hides the end boxes the hole does not use. On the side the hidden end Z
// would uncover the second end caption, which would stand there without a
// box, so that caption is blanked too.
void HideUnusedEnd(ProcessFormSetup &setup, HoleSurface surface) {
    setup.unusedFields.push_back(surface == HoleSurface::Face ? kFieldEndX : kFieldEndZ);
    setup.unusedFields.push_back(kFieldEndC);
    if (surface == HoleSurface::Side) setup.captions.push_back({&F::EndZ2, ""});
}

// A drill asks for its diameter, the dwell at the bottom and the number of
// holes.
const std::vector<LabelCaption> kDrillCaptions = {{&F::LabelU, "ドリル径"}, {&F::LabelU2, "D"},
                                                  {&F::LabelW, "終点ﾄﾞｳｪﾙ"}, {&F::LabelW2, "E"},
                                                  {&F::LabelC, "穴の数"},     {&F::LabelC2, "Q"}};

ProcessFormSetup DrillSetup(const char *caption, int row, HoleSurface surface) {
    ProcessFormSetup setup{caption, {}, kDrillCaptions, kNoBAxis, {}, row, {}, {{&F::U, kTapDrillSizes}}};
    HideUnusedEnd(setup, surface);
    return setup;
}

const ProcessFormSetup kDrillFace = DrillSetup("Mドリル端面", 17, HoleSurface::Face);
const ProcessFormSetup kDrillSide = DrillSetup("Mドリル側面", 18, HoleSurface::Side);

// A tap asks for its nominal size, thread angle, pitch and number of taps.
ProcessFormSetup TapSetup(const char *caption, int row, HoleSurface surface, const char *pitches,
                          std::vector<BoxPreset> presets) {
    ProcessFormSetup setup{caption,
                           {kFieldW, kFieldL},
                           {{&F::LabelU, "呼び径"},
                            {&F::LabelU2, "M"},
                            {&F::LabelW, ""},
                            {&F::LabelD, "ネジ角度"},
                            {&F::LabelL, ""},
                            {&F::LabelC, "タップ数"},
                            {&F::LabelC2, "Q"}},
                           kNoBAxis,
                           {},
                           row,
                           std::move(presets),
                           {{&F::F, pitches}}};
    HideUnusedEnd(setup, surface);
    return setup;
}

const ProcessFormSetup kTapFace =
    TapSetup("Mタップ端面", 20, HoleSurface::Face, kPitchesToM20, {{&F::StartZ, Zero}, {&F::StartC, Zero}});
const ProcessFormSetup kTapSide = TapSetup("Mタップ側面", 21, HoleSurface::Side, kPitchesToM24, {{&F::StartC, Zero}});

// An end mill asks for its diameter and the start and end points only.
ProcessFormSetup ContourSetup(const char *caption, int row) {
    return {caption,
            {kFieldC, kFieldD, kFieldW, kFieldL},
            {{&F::LabelU, "ｴﾝﾄﾞﾐﾙ径"},
             {&F::LabelU2, "D"},
             {&F::LabelC, ""},
             {&F::LabelD, ""},
             {&F::LabelW, ""},
             {&F::LabelL, ""}},
            kNoBAxis,
            {},
            row,
            {}};
}

const ProcessFormSetup kContourFace = ContourSetup("M創成加工端面", 26);
const ProcessFormSetup kContourSide = ContourSetup("M創成加工側面", 27);

// The main-spindle tap works on the centre line from the face at Z0; only
// the synchronised tap asks for a start angle. It keeps the spindle,
// coolant and tool-tip position choices.
ProcessFormSetup SpindleTapSetup(SpindleTap tap) {
    const bool floating = tap == SpindleTap::Floating;
    std::vector<UnusedField> unused = {kFieldW, kFieldL, kFieldC, kFieldStartX, kFieldStartC, kFieldEndX, kFieldEndC};
    std::vector<LabelCaption> captions = {{&F::LabelU, "呼び径"}, {&F::LabelU2, "M"}, {&F::LabelW, ""},
                                          {&F::LabelL, ""},       {&F::LabelC, ""}};
    if (floating) {
        unused.push_back(kFieldD);
        captions.push_back({&F::LabelD, ""});
    } else {
        captions.push_back({&F::LabelD, "開始角度"});
    }
    return {floating ? "主軸フローティング タップ" : "主軸同期タップ",
            std::move(unused),
            std::move(captions),
            {&F::LabelB, &F::LabelB2, &F::B},
            {},
            20,
            {{&F::StartZ, Zero}},
            {{&F::F, kPitchesToM24}}};
}

const ProcessFormSetup kSpindleTapFloating = SpindleTapSetup(SpindleTap::Floating);
const ProcessFormSetup kSpindleTapSynchronised = SpindleTapSetup(SpindleTap::Synchronised);

void InsertToolChangePreparation(MagazineSide side) {
    g_OutputBlock = ToolChangePreparationWords(side);
    InsertIntoFocusedPane(g_OutputBlock);
}

}  // namespace

void ProcessMDrillFace_Click() { RunRotaryCommand(kDrillFace, BuildFaceDrillBlock); }
void ProcessMDrillSide_Click() { RunRotaryCommand(kDrillSide, BuildSideDrillBlock); }
void ProcessMTapFace_Click() { RunRotaryCommand(kTapFace, BuildFaceTapBlock); }
void ProcessMTapSide_Click() { RunRotaryCommand(kTapSide, BuildSideTapBlock); }
void ProcessMSouseiFace_Click() { RunRotaryCommand(kContourFace, BuildFaceContourBlock); }
void ProcessMSouseiSide_Click() { RunRotaryCommand(kContourSide, BuildSideContourBlock); }

void SipndleTap_Click(int index) {
    const SpindleTap tap = index == 1 ? SpindleTap::Floating : SpindleTap::Synchronised;
    RunRotaryCommand(tap == SpindleTap::Floating ? kSpindleTapFloating : kSpindleTapSynchronised,
                     [tap] { return BuildSpindleTapBlock(tap); });
}

void ProcessMT1_Click() { InsertToolChangePreparation(MagazineSide::One); }
void ProcessMT3_Click() { InsertToolChangePreparation(MagazineSide::Three); }

void InstallRotaryCommands(frmMain &main) {
    QMenu *process = main.Process;
    main.AddSubmenu(process, "ProcessMDrill", "M軸ドリル",
                    {{"ProcessMDrillFace", "正面", ProcessMDrillFace_Click},
                     {"ProcessMDrillSide", "側面", ProcessMDrillSide_Click},
                     {"ProcessMDrillSlant", "Y/B軸加工", ProcessMDrillSlant_Click}});
    main.AddSubmenu(process, "ProcessMTap", "M軸タップ",
                    {{"ProcessMTapFace", "正面", ProcessMTapFace_Click},
                     {"ProcessMTapSide", "側面", ProcessMTapSide_Click},
                     {"ProcessMTapSlant", "Y/B軸加工", ProcessMTapSlant_Click}});
    main.AddSubmenu(process, "ProcessMKey", "M軸キーミゾ",
                    {{"ProcessMKeyFace", "正面", ProcessMKeyFace_Click},
                     {"ProcessMKeySide", "側面", ProcessMKeySide_Click},
                     {"ProcessMKeySlant", "Y/B軸加工", ProcessMKeySlant_Click}});
    main.AddSubmenu(process, "ProcessMSousei", "M軸創成",
                    {{"ProcessMSouseiFace", "正面", ProcessMSouseiFace_Click},
                     {"ProcessMSouseiSide", "側面", ProcessMSouseiSide_Click}});
    main.AddSubmenu(process, "ProcessMCircle", "M軸エンドミル円",
                    {{"ProcessMCircleFace", "正面"},
                     {"ProcessMCircleSide", "側面"},
                     {"ProcessMCircleSlant", "Y/B軸加工", ProcessMCircleSlant_Click}});
    main.AddSubmenu(process, "ProcessMPlanetTap", "M軸プラネットタップ",
                    {{"ProcessMPlanetTapFace", "正面"},
                     {"ProcessMPlanetTapSide", "側面"},
                     {"ProcessMPlanetTapSlant", "Y/B軸加工", ProcessMPlanetTapSlant_Click}});
    // Circle milling and planetary tapping exist on the tilted plane only.
    for (const char *name : {"ProcessMCircleFace", "ProcessMCircleSide", "ProcessMPlanetTapFace", "ProcessMPlanetTapSide"})
        main.Entry(QString::fromLatin1(name))->setEnabled(false);
    main.AddSubmenu(process, "mnuSpindleTap", "主軸タップ",
                    {{"SipndleTap_1", "フローティング タップ", [] { SipndleTap_Click(1); }},
                     {"SipndleTap_2", "同期タップ（リジット）", [] { SipndleTap_Click(2); }}});
    main.AddSubmenu(process, "ProcessMT", "ATC 準備指令",
                    {{"ProcessMT1", "Ｌ工具", ProcessMT1_Click}, {"ProcessMT3", "Ｍ工具", ProcessMT3_Click}});
    // Touch-probe measuring ends the menu: in the machine, then outside it.
    QMenu *inside = main.AddSubmenu(process, "ProcessMeasureInside", "機内計測");
    main.AddSubmenu(inside, "ProcessMeasuerZero", "原点設定",
                    {{"ProcessMeasuerZeroZaxis", "Z軸", ProcessMeasuerZeroZaxis_Click},
                     {"ProcessMeasuerZeroCaxis", "C軸", ProcessMeasuerZeroCaxis_Click}});
    main.AddSubmenu(inside, "ProcessMeasuerOut", "外径計測",
                    {{"ProcessMeasuerOutR", "半径計測", ProcessMeasuerOutR_Click},
                     {"ProcessMeasuerOutD", "直径計測", ProcessMeasuerOutD_Click}});
    main.AddSubmenu(inside, "ProcessMeasuerIn", "内径計測",
                    {{"ProcessMeasuerInR", "半径計測", ProcessMeasuerInR_Click},
                     {"ProcessMeasuerInD", "直径計測", ProcessMeasuerInD_Click}});
    main.AddEntry(process, "ProcessMeasuerOutside", "機外計測", ProcessMeasuerOutside_Click);
}

}  // namespace brennvik
