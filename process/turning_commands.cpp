// The turning commands of the process menu: each is its dialog set-up and
// its block.
#include "drilling.h"
#include "finishing.h"
#include "generator_frame.h"
#include "grooving.h"
#include "material.h"
#include "process_form_setup.h"
#include "roughing.h"
#include "threading.h"
#include "process_commands.h"
#include "workspace/runtime.h"

namespace brennvik {

namespace {

using F = frmProcess;

// Preset texts, read from the material values when the dialog opens.
QString Zero() { return QStringLiteral("0"); }
QString MaterialOD() { return g_MaterialOD.Text(); }
QString MaterialID() { return NumberText(g_MaterialID); }
QString UgcOrigin() { return g_UgcOrigin.Text(); }
// The face of a bored blank is cut to 3 below the bore; a solid one to the centre.
QString FaceEndX() { return g_MaterialID != 0 ? NumberText(g_MaterialID - 3) : Zero(); }

const ProcessFormSetup kRoughOD{"外径荒引き",
                                {kFieldL, kFieldStartC, kFieldEndC},
                                {{&F::LabelD, "切込み量"}, {&F::LabelL, ""}},
                                {},
                                {},
                                5,
                                {{&F::EndX, MaterialOD}, {&F::StartZ, Zero}}};

const ProcessFormSetup kRoughFace{
    "外径端面荒引き",
    {kFieldC, kFieldU, kFieldD, kFieldStartC, kFieldEndC},
    {{&F::LabelD, ""}, {&F::LabelL, "端面切込量"}, {&F::LabelL2, "Z"}, {&F::LabelC, ""}, {&F::LabelU, ""}},
    {},
    {},
    4,
    {{&F::StartX, MaterialOD}, {&F::StartZ, UgcOrigin}, {&F::EndX, MaterialID}, {&F::EndZ, Zero}}};

const ProcessFormSetup kRoughFaceOD{"端面外径荒引き",
                                    {kFieldStartC, kFieldEndC},
                                    {{&F::LabelD, "切込み量"},
                                     {&F::LabelD2, "X"},
                                     {&F::LabelCZ, "端面終点"},
                                     {&F::LabelSZ, "X"},
                                     {&F::LabelL, "端面切込量"},
                                     {&F::LabelL2, "Z"}},
                                    {},
                                    {&F::LabelSZ, &F::SZ},
                                    3,
                                    {{&F::EndX, MaterialOD}, {&F::StartZ, Zero}, {&F::SZ, FaceEndX}}};

const ProcessFormSetup kRoughID{"内径荒引き",
                                {kFieldL, kFieldStartC, kFieldEndC},
                                {{&F::LabelD, "切込み量"}, {&F::LabelL, ""}},
                                {},
                                {},
                                6,
                                {{&F::EndX, MaterialID}, {&F::StartZ, Zero}}};

// A finishing block cuts the roughed contour again: it asks for no feed,
// step, pull-out, chamfer or end point.
ProcessFormSetup FinishingSetup(const char *caption, int row, std::vector<BoxPreset> presets = {}) {
    return {caption,
            {kFieldF, kFieldD, kFieldL, kFieldC, kFieldStartC, kFieldEndX, kFieldEndZ, kFieldEndC},
            {{&F::LabelF, ""}, {&F::LabelD, ""}, {&F::LabelL, ""}, {&F::LabelC, ""}, {&F::LabelEnd, ""}},
            {&F::EndZ2},
            {},
            row,
            std::move(presets)};
}

const ProcessFormSetup kFinishFace = FinishingSetup("外径端面仕上げ", 8);
const ProcessFormSetup kFinishOD = FinishingSetup("外径仕上げ", 9);
const ProcessFormSetup kFinishID =
    FinishingSetup("内径仕上げ", 10, {{&F::StartX, MaterialID}, {&F::StartZ, Zero}});
// The face pass asks for its feed and the X it ends at.
const ProcessFormSetup kFinishFaceOD{"端面外径仕上げ",
                                     {kFieldD, kFieldL, kFieldC, kFieldStartC, kFieldEndZ, kFieldEndC},
                                     {{&F::LabelD, ""}, {&F::LabelL, ""}, {&F::LabelC, "端面の"}},
                                     {&F::EndZ2},
                                     {},
                                     7,
                                     {{&F::EndX, MaterialID}, {&F::StartZ, Zero}}};

// What the three threads ask for alike: the run-out, the depth of cut, the
// number of starts and the cycle's reference point; none takes an end C.
const std::vector<LabelCaption> kThreadCaptions = {{&F::LabelL, "切り上げ"},
                                                   {&F::LabelD, "切り込み量"},
                                                   {&F::LabelC, "条数"},
                                                   {&F::LabelC2, "J"},
                                                   {&F::LabelStart, "ｻｲｸﾙ基準点"}};

// A thread on a diameter has its allowance in X and ends at its nominal diameter.
ProcessFormSetup DiameterThreadSetup(const char *caption, int row) {
    std::vector<LabelCaption> captions = kThreadCaptions;
    captions.push_back({&F::LabelW, ""});
    captions.push_back({&F::LabelEnd, "呼び径"});
    return {caption, {kFieldW, kFieldEndC}, std::move(captions), {}, {}, row, {{&F::StartC, Zero}}};
}

ProcessFormSetup FaceThreadSetup() {
    std::vector<LabelCaption> captions = kThreadCaptions;
    captions.push_back({&F::LabelU, ""});
    return {"端面ネジ切り", {kFieldU, kFieldEndC}, std::move(captions), {}, {}, 14, {{&F::StartC, Zero}}};
}

const ProcessFormSetup kThreadFace = FaceThreadSetup();
const ProcessFormSetup kThreadOD = DiameterThreadSetup("外径ネジ切り", 15);
const ProcessFormSetup kThreadID = DiameterThreadSetup("内径ネジ切り", 16);

// A groove is cut with a tool of a width, between two walls chamfered or
// rounded as the chamfer option says; the note says which side the start
// point is on.
ProcessFormSetup GrooveSetup(const char *caption, int row, const char *widthLetter, const char *note) {
    return {caption,
            {kFieldStartC, kFieldEndC},
            {{&F::LabelL, "バイト巾"}, {&F::LabelL2, widthLetter}, {&F::LabelAttn, note}},
            {},
            {&F::Frame3},
            row,
            {}};
}

const char kMinusSideNote[] = "注：開始点のZ軸はマイナス側です。";
const ProcessFormSetup kGrooveOD = GrooveSetup("外径ミゾ入れ", 12, "K", kMinusSideNote);
const ProcessFormSetup kGrooveID = GrooveSetup("内径ミゾ入れ", 13, "K", kMinusSideNote);
const ProcessFormSetup kGrooveFace = GrooveSetup("端面ミゾ入れ", 11, "W", "注：開始点のX軸は径の小さい方です。");

// A drill works on the centre line from a start Z to an end Z: it asks for
// its diameter and no chamfer, Z allowance or X and C of the points.
ProcessFormSetup DrillSetup(const char *caption, int row, std::vector<LabelCaption> lengths) {
    std::vector<LabelCaption> captions = {
        {&F::LabelU, "ドリル径"}, {&F::LabelD2, "D"}, {&F::LabelC, ""}, {&F::LabelW, ""}};
    captions.insert(captions.end(), lengths.begin(), lengths.end());
    return {caption,
            {kFieldC, kFieldW, kFieldStartX, kFieldStartC, kFieldEndX, kFieldEndC},
            std::move(captions),
            {},
            {},
            row,
            {{&F::StartZ, UgcOrigin}}};
}

const ProcessFormSetup kDrillHss = DrillSetup("ハイスドリル", 1, {});
// The carbide drill feeds at half feed over an entry and an exit length.
const ProcessFormSetup kDrillCarbide = DrillSetup("超硬ドリル", 2, {{&F::LabelD, "入り際"}, {&F::LabelL, "抜け際"}});

void Run(const ProcessFormSetup &setup, std::function<void()> build, std::function<void()> afterInsert = {},
         std::function<void(frmProcess &)> arrange = {}) {
    RunGenerator({[&setup, arrange] { AskProcessParameters(setup, MachineFields::ByMachineType, arrange); },
                  std::move(build), std::move(afterInsert)});
}

// "端面の" says that the feed is the face pass's: it reads before the feed's caption.
void FaceQualifiesTheFeed(frmProcess &form) { form.PlaceLabelBefore(form.LabelC, form.LabelF); }

}  // namespace

void ProcessRoughFace_Click() { Run(kRoughFace, BuildRoughFaceBlock); }
void ProcessRoughFaceOD_Click() { Run(kRoughFaceOD, BuildRoughFaceODBlock); }
void ProcessRoughOD_Click() { Run(kRoughOD, BuildRoughODBlock); }
void ProcessRoughID_Click() { Run(kRoughID, BuildRoughIDBlock, TakeWrittenBoreAsMaterialID); }
void ProcessFinishFace_Click() { Run(kFinishFace, BuildFinishFaceBlock); }
void ProcessFinishFaceOD_Click() { Run(kFinishFaceOD, BuildFinishFaceODBlock, {}, FaceQualifiesTheFeed); }
void ProcessFinishOD_Click() { Run(kFinishOD, BuildFinishODBlock); }
void ProcessFinishID_Click() { Run(kFinishID, BuildFinishIDBlock); }

void ProcessThreadFace_Click() { Run(kThreadFace, BuildThreadFaceBlock); }
void ProcessThreadOD_Click() { Run(kThreadOD, BuildThreadODBlock); }
void ProcessThreadID_Click() { Run(kThreadID, BuildThreadIDBlock); }
void ProcessGrooveOD_Click() { Run(kGrooveOD, BuildGrooveODBlock); }
void ProcessGrooveID_Click() { Run(kGrooveID, BuildGrooveIDBlock); }
void ProcessGrooveFace_Click() { Run(kGrooveFace, BuildGrooveFaceBlock); }
void ProcessDrillHss_Click() { Run(kDrillHss, BuildDrillHssBlock, TakeWrittenBoreAsMaterialID); }
void ProcessDrillU_Click() { Run(kDrillCarbide, BuildDrillCarbideBlock, TakeWrittenBoreAsMaterialID); }

}  // namespace brennvik
