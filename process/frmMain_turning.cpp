// The roughing and finishing commands of the main window's process menu:
// each is its dialog set-up and its block.
#include "finishing.h"
#include "generator_frame.h"
#include "material.h"
#include "process_form_setup.h"
#include "roughing.h"
#include "workspace/frmMain.h"
#include "workspace/runtime.h"

namespace brennvik {

namespace {

using F = frmProcess;

// Fields by their letter label and box.
const UnusedField kFeed{&F::LabelF2, &F::F};
const UnusedField kAllowanceX{&F::LabelU2, &F::U};
const UnusedField kStep{&F::LabelD2, &F::D};
const UnusedField kPullOut{&F::LabelL2, &F::L};
const UnusedField kChamfer{&F::LabelC2, &F::C};
const UnusedField kStartC{&F::LabelStartC, &F::StartC};
const UnusedField kEndX{&F::LabelEndX, &F::EndX};
const UnusedField kEndZ{&F::LabelEndZ, &F::EndZ};
const UnusedField kEndC{&F::LabelEndC, &F::EndC};

// Preset texts, read from the material values when the dialog opens.
QString Zero() { return QStringLiteral("0"); }
QString MaterialOD() { return g_MaterialOD.Text(); }
QString MaterialID() { return NumberText(g_MaterialID); }
QString UgcOrigin() { return g_UgcOrigin.Text(); }
// The face of a bored blank is cut to 3 below the bore; a solid one to the centre.
QString FaceEndX() { return g_MaterialID != 0 ? NumberText(g_MaterialID - 3) : Zero(); }

const ProcessFormSetup kRoughOD{"外径荒引き",
                                {kPullOut, kStartC, kEndC},
                                {{&F::LabelD, "切込み量"}, {&F::LabelL, ""}},
                                {},
                                {},
                                5,
                                {{&F::EndX, MaterialOD}, {&F::StartZ, Zero}}};

const ProcessFormSetup kRoughFace{
    "外径端面荒引き",
    {kChamfer, kAllowanceX, kStep, kStartC, kEndC},
    {{&F::LabelD, ""}, {&F::LabelL, "端面切込量"}, {&F::LabelL2, "Z"}, {&F::LabelC, ""}, {&F::LabelU, ""}},
    {},
    {},
    4,
    {{&F::StartX, MaterialOD}, {&F::StartZ, UgcOrigin}, {&F::EndX, MaterialID}, {&F::EndZ, Zero}}};

const ProcessFormSetup kRoughFaceOD{"端面外径荒引き",
                                    {kStartC, kEndC},
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
                                {kPullOut, kStartC, kEndC},
                                {{&F::LabelD, "切込み量"}, {&F::LabelL, ""}},
                                {},
                                {},
                                6,
                                {{&F::EndX, MaterialID}, {&F::StartZ, Zero}}};

// A finishing block cuts the roughed contour again: it asks for no feed,
// step, pull-out, chamfer or end point.
ProcessFormSetup FinishingSetup(const char *caption, int row, std::vector<BoxPreset> presets = {}) {
    return {caption,
            {kFeed, kStep, kPullOut, kChamfer, kStartC, kEndX, kEndZ, kEndC},
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
                                     {kStep, kPullOut, kChamfer, kStartC, kEndZ, kEndC},
                                     {{&F::LabelD, ""}, {&F::LabelL, ""}, {&F::LabelC, "端面の"}},
                                     {&F::EndZ2},
                                     {},
                                     7,
                                     {{&F::EndX, MaterialID}, {&F::StartZ, Zero}}};

void Run(const ProcessFormSetup &setup, std::function<void()> build, std::function<void()> afterInsert = {}) {
    RunGenerator({[&setup] { AskProcessParameters(setup); }, std::move(build), std::move(afterInsert)});
}

}  // namespace

void frmMain::ProcessRoughFace_Click() { Run(kRoughFace, BuildRoughFaceBlock); }
void frmMain::ProcessRoughFaceOD_Click() { Run(kRoughFaceOD, BuildRoughFaceODBlock); }
void frmMain::ProcessRoughOD_Click() { Run(kRoughOD, BuildRoughODBlock); }
void frmMain::ProcessRoughID_Click() { Run(kRoughID, BuildRoughIDBlock, TakeRoughedBoreAsMaterialID); }
void frmMain::ProcessFinishFace_Click() { Run(kFinishFace, BuildFinishFaceBlock); }
void frmMain::ProcessFinishFaceOD_Click() { Run(kFinishFaceOD, BuildFinishFaceODBlock); }
void frmMain::ProcessFinishOD_Click() { Run(kFinishOD, BuildFinishODBlock); }
void frmMain::ProcessFinishID_Click() { Run(kFinishID, BuildFinishIDBlock); }

}  // namespace brennvik
