#include "tilted_commands.h"

#include "circle_milling.h"
#include "key_grooves.h"
#include "rotary_frame.h"
#include "size_hints.h"
#include "thread_milling.h"
#include "tilted_holes.h"
#include "tilted_plane.h"
#include "process/frmProcess.h"
#include "process/process_form_setup.h"

namespace brennvik {

namespace {

using F = frmProcess;

const char kRadiusNote[] = "注：Ｘ軸は半径指令です。";

// On the tilted plane the dialog asks for B and the origin shift (C for X,
// SZ for Z, filled as the earlier dialogs left them), the start point as X
// (a radius, which `note` says), Y and Z, and the end Z in the C column.
// A rotary tool has no tool-tip position.
ProcessFormSetup TiltedSetup(const char *caption, int row, const char *note, std::vector<LabelCaption> captions) {
    const std::vector<LabelCaption> plane = {{&F::LabelC, "原点移動量"}, {&F::LabelC2, "X"}, {&F::LabelCZ, "原点移動量"},
                                             {&F::LabelAttn, note},       {&F::LabelStartZ, "Y"}, {&F::LabelStartC, "Z"},
                                             {&F::LabelEndC, "Z"}};
    captions.insert(captions.end(), plane.begin(), plane.end());
    return {caption,
            {},
            std::move(captions),
            {&F::TipPostion},
            {&F::LabelB, &F::LabelB2, &F::B, &F::LabelSZ, &F::SZ},
            row,
            TiltedPlanePresets()};
}

// Without an end Z box (its second caption "終　点" shows in its place): the
// end row holds `endX` under the caption `end`, and the end Z.
ProcessFormSetup WithoutEndZ(ProcessFormSetup setup, const char *end, const char *endX) {
    setup.captions.push_back({&F::LabelEnd, end});
    setup.captions.push_back({&F::LabelEndX, endX});
    setup.hidden.insert(setup.hidden.end(), {&F::LabelEndZ, &F::EndZ});
    setup.shown.push_back(&F::EndZ2);
    return setup;
}

// One hole at the reference angle in the end X box; the end box holds the
// hole's bottom Z, or its X when B is 90.
ProcessFormSetup DrillSlantSetup() {
    ProcessFormSetup setup = WithoutEndZ(
        TiltedSetup("Y/B軸 Mドリル", 19, kRadiusNote,
                    {{&F::LabelU, "ドリル径"}, {&F::LabelU2, "D"}, {&F::LabelW, "終点ﾄﾞｳｪﾙ"}, {&F::LabelW2, "E"}}),
        "基準角度", "C");
    setup.tooltips = {{&F::U, kTapDrillSizes}};
    return setup;
}

ProcessFormSetup TapSlantSetup() {
    ProcessFormSetup setup = WithoutEndZ(
        TiltedSetup("Y/B軸 Mタップ", 22, kRadiusNote,
                    {{&F::LabelU, "呼び径"}, {&F::LabelU2, "M"}, {&F::LabelD, ""}, {&F::LabelL, ""}}),
        "基準角度", "C");
    setup.unusedFields = {kFieldD, kFieldL};
    setup.hidden.insert(setup.hidden.end(), {&F::LabelW, &F::LabelW2, &F::W});
    setup.tooltips = {{&F::F, kPitchesToM24}};
    return setup;
}

// An end mill cuts the key groove at the depth of cut D, plunging at W.
const std::vector<LabelCaption> kKeyCaptions = {
    {&F::LabelU, "ｴﾝﾄﾞﾐﾙ径"}, {&F::LabelU2, "D"}, {&F::LabelD, "切込量"}, {&F::LabelW, "切込速度(mm/min)"}, {&F::LabelW2, "E"}};

// On the face and the side: the number of keys in C and the finish
// allowance in L, written as W on the face and as U on the side.
ProcessFormSetup KeySetup(const char *caption, int row, const char *allowance) {
    std::vector<LabelCaption> captions = kKeyCaptions;
    captions.insert(captions.end(), {{&F::LabelC, "キーの数"}, {&F::LabelC2, "Q"}, {&F::LabelL, "仕上げ代"},
                                     {&F::LabelL2, allowance}});
    return {caption, {kFieldEndC}, std::move(captions), {&F::TipPostion, &F::LabelB, &F::LabelB2, &F::B}, {}, row, {}};
}

// On the tilted plane: the reference angle in L, the end point as X, Y, Z.
ProcessFormSetup KeySlantSetup() {
    std::vector<LabelCaption> captions = kKeyCaptions;
    captions.insert(captions.end(), {{&F::LabelL, "基準角度"}, {&F::LabelL2, "C"}, {&F::LabelEnd, "終　点"},
                                     {&F::LabelEndX, "X"}, {&F::LabelEndZ, "Y"}});
    return TiltedSetup("Y/B軸 Mキーミゾ", 25, kRadiusNote, std::move(captions));
}

// The circle's centre at the start X and Y, its radius R in the end row,
// from the start Z down to the end Z; the reference angle in W.
ProcessFormSetup CircleSlantSetup() {
    return WithoutEndZ(TiltedSetup("エンドミル円傾斜面", 30, "注意：X軸は半径指令",
                                   {{&F::LabelU, "エンドミル径"},
                                    {&F::LabelU2, "D"},
                                    {&F::LabelW, "基準角度"},
                                    {&F::LabelW2, "C"},
                                    {&F::LabelD, "切り込み量"},
                                    {&F::LabelD2, "t"},
                                    {&F::LabelL, "仕上げ代"},
                                    {&F::LabelL2, "U"}}),
                       "半径", "R");
}

// The thread's centre at the start X and Y, its radius R in the end row,
// its pitch in D, cut upwards from the end Z; the reference angle in W.
ProcessFormSetup ThreadSlantSetup() {
    ProcessFormSetup setup = WithoutEndZ(TiltedSetup("プラネットタップ傾斜面", 33, "注意：X軸は半径指令です。",
                                                     {{&F::LabelU, "タップ径"},
                                                      {&F::LabelU2, "D"},
                                                      {&F::LabelW, "基準角度"},
                                                      {&F::LabelW2, "C"},
                                                      {&F::LabelD, "ネジピッチ"},
                                                      {&F::LabelD2, "P"},
                                                      {&F::LabelL, ""}}),
                                         "半径", "R");
    setup.unusedFields = {kFieldL};
    return setup;
}

const ProcessFormSetup kDrillSlant = DrillSlantSetup();
const ProcessFormSetup kTapSlant = TapSlantSetup();
const ProcessFormSetup kKeyFace = KeySetup("Mキーミゾ端面", 23, "W");
const ProcessFormSetup kKeySide = KeySetup("Mキーミゾ側面", 24, "U");
const ProcessFormSetup kKeySlant = KeySlantSetup();
const ProcessFormSetup kCircleSlant = CircleSlantSetup();
const ProcessFormSetup kThreadSlant = ThreadSlantSetup();

}  // namespace

void ProcessMDrillSlant_Click() { RunTiltedPlaneCommand(kDrillSlant, BuildTiltedDrillBlock); }
void ProcessMTapSlant_Click() { RunTiltedPlaneCommand(kTapSlant, BuildTiltedTapBlock); }
void ProcessMKeyFace_Click() { RunRotaryCommand(kKeyFace, BuildFaceKeyGrooveBlock); }
void ProcessMKeySide_Click() { RunRotaryCommand(kKeySide, BuildSideKeyGrooveBlock); }
void ProcessMKeySlant_Click() { RunTiltedPlaneCommand(kKeySlant, BuildTiltedKeyGrooveBlock); }
void ProcessMCircleSlant_Click() { RunTiltedPlaneCommand(kCircleSlant, BuildTiltedCircleBlock); }
void ProcessMPlanetTapSlant_Click() { RunTiltedPlaneCommand(kThreadSlant, BuildTiltedThreadBlock); }

}  // namespace brennvik
