#include "roughing.h"

#include "block_steps.h"
#include "machine_settings.h"
#include "material.h"
#include "process_state.h"
#include "workspace/nc_text.h"
#include "workspace/runtime.h"

namespace brennvik {

namespace {

// An outer diameter is cut from outside to inside with the tool left of the
// path; a bore the other way round.
struct DiameterSide {
    const char *label;
    double towardsStock;  // -1 outside, +1 inside: where the chamfers lie
    const char *compensation;
    const char *angle;
};
constexpr DiameterSide kOuterDiameter{"NAP2", -1, " G42 F0.15", " A135"};
constexpr DiameterSide kInnerDiameter{"NAP3", +1, " G41 F0.15", " A-135"};

// The G85 cycle and its contour: chamfer at the start diameter, along to
// the end Z, chamfer into the shoulder.
void AppendDiameterRoughing(const DiameterSide &side) {
    const QString label = QLatin1String(side.label);
    AppendLine("N000 G85 " + label + " D" + FormatNcNumber(g_ParamD) + " U" + FormatNcNumber(g_ParamU) + " W" +
               FormatNcNumber(g_ParamW) + " F" + FormatNcNumber(g_ParamF));
    AppendLine(label + " G81");
    AppendLine("N000 G00 X" + FormatNcNumber(g_StartX + side.towardsStock * ((g_ParamC + 0.5) * 2)));
    AppendLine("N000 G01 Z" + FormatNcNumber(g_StartZ + 0.5) + side.compensation);
    AppendLine("N000     X" + FormatNcNumber(g_StartX) + side.angle);
    AppendLine("N000     Z" + FormatNcNumber(g_EndZ));
    AppendLine("N000     X" + FormatNcNumber(g_EndX + side.towardsStock * (2 * g_ParamC)));
    AppendLine("N000     X" + FormatNcNumber(g_EndX) + side.angle);
    AppendLine(QStringLiteral("N000 G40 K-1"));
    AppendLine(QStringLiteral("N000 G80"));
}

QString MaterialODApproach() { return FormatNcNumber(g_MaterialOD + 6); }
QString EndXApproach() { return FormatNcNumber(g_EndX); }

}  // namespace

QString BuildRoughODBlock() {
    AppendTurningOpening({g_StartX + 6, QStringLiteral("OD.ROUGH"), QStringLiteral("1"), QStringLiteral("55"),
                          {{QStringLiteral("A2"), QStringLiteral("3")}, {QStringLiteral("L"), QStringLiteral("40")}},
                          EndXApproach, MaterialODApproach, QStringLiteral(" M41 S")});
    AppendSequenceLine(FormatNcNumber(g_StartZ + 2));
    AppendLoadMonitorOn(QStringLiteral("2+8"));
    AppendDiameterRoughing(kOuterDiameter);
    AppendLoadMonitorOff();
    AppendRetreat();
    return CloseBlock();
}

QString BuildRoughFaceBlock() {
    AppendTurningOpening({g_StartX + 6, QStringLiteral("OD.ROUGH FACE"), QStringLiteral("1"), QStringLiteral("80"),
                          {{QStringLiteral("A2"), QStringLiteral("5")}, {QStringLiteral("L"), QStringLiteral("40")}},
                          [] { return FormatNcNumber(g_StartX + 6); }, MaterialODApproach, QStringLiteral(" M41 S")});
    AppendSequenceLine(FormatNcNumber(g_StartZ));
    AppendLoadMonitorOn(QStringLiteral("1+8"));
    AppendLine("N000 G85 NAP1 D" + FormatNcNumber(g_ParamL) + " W" + FormatNcNumber(g_ParamW) + " F" +
               FormatNcNumber(g_ParamF));
    AppendLine(QStringLiteral("NAP1 G82"));
    AppendLine("N000 G00 Z" + FormatNcNumber(g_EndZ));
    AppendLine("N000 G01 X" + FormatNcNumber(g_StartX) + " G41 F0.15");
    AppendLine("N000     X" + FormatNcNumber(g_EndX));
    AppendLine(QStringLiteral("N000 G40 I-1"));
    AppendLine(QStringLiteral("N000 G80"));
    AppendLoadMonitorOff();
    AppendRetreat();
    return CloseBlock();
}

QString BuildRoughFaceODBlock() {
    AppendTurningOpening({g_StartX + 6, QStringLiteral("OD.ROUGH"), QStringLiteral("1"), QStringLiteral("80"),
                          {{QStringLiteral("A2"), QStringLiteral("5")}, {QStringLiteral("L"), QStringLiteral("40")}},
                          MaterialODApproach, MaterialODApproach, QStringLiteral(" M41 S")});
    // The face is cut at a slower feed, in passes of L when the stock in
    // front of the finished face is more than one pass.
    const double faceStock = g_UgcOrigin - g_StartZ;
    if (faceStock > g_ParamL) {
        AppendSequenceLine(FormatNcNumber(g_UgcOrigin));
        AppendLoadMonitorOn(QStringLiteral("1+8"));
        AppendLine("N000 G85 NAP1 D" + FormatNcNumber(g_ParamL) + " W" + FormatNcNumber(g_ParamW) + " F" +
                   FormatNcNumber(g_ParamF * 0.8));
        AppendLine(QStringLiteral("NAP1 G82"));
        AppendLine("N000 G00 Z" + FormatNcNumber(g_StartZ));
        if (g_ParamSZ == 0)
            AppendFacingToCentre("N000 G01 X" + FormatNcNumber(g_MaterialOD) + " G41");
        else
            AppendLine("N000 G01 X" + FormatNcNumber(g_ParamSZ));
        AppendLine(QStringLiteral("N000 G80"));
    } else {
        AppendSequenceLine(FormatNcNumber(g_StartZ + g_ParamW));
        AppendLoadMonitorOn(QStringLiteral("1"));
        if (g_ParamSZ != 0) {
            const QString x = FormatNcNumber(g_ParamSZ);
            AppendLine("N000 G01 X" + x + " F" + FormatNcNumber(g_ParamF * 0.8));
        } else {
            const QString x = FormatNcNumber(g_MaterialOD);
            AppendFacingToCentre("N000 G01 X" + x + " G41 F" + FormatNcNumber(g_ParamF * 0.8));
        }
    }
    const QString x = FormatNcNumber(g_MaterialOD);
    AppendLine("N000 G00 X" + x + " Z" + FormatNcNumber(g_StartZ + 2));
    AppendDiameterRoughing(kOuterDiameter);
    AppendLoadMonitorOff();
    // The MULTUS return line has no Z of its own: clear the face first.
    if (g_MULTUS && !g_MacTurn) AppendLine("N000 G00 Z" + FormatNcNumber(g_AppZ));
    AppendRetreat();
    return CloseBlock();
}

QString BuildRoughIDBlock() {
    // The bore is taken as it is written, before anything is computed from it.
    NoteBoreAsWritten(FormatNcNumber(g_StartX));
    AppendTurningOpening({g_StartX + 6, QStringLiteral("ID.ROUGH"), QStringLiteral("2"), QStringLiteral("60"),
                          BoringBarShape(), EndXApproach, EndXApproach, QStringLiteral(" M42 S")});
    AppendSequenceLine(FormatNcNumber(g_StartZ + 2));
    AppendLoadMonitorOn(QStringLiteral("2+8"));
    AppendDiameterRoughing(kInnerDiameter);
    AppendLoadMonitorOff();
    AppendLine("N000 G00 Z" + FormatNcNumber(g_AppZ));
    AppendRetreat(RetreatMove::Continued);
    return CloseBlock();
}

}  // namespace brennvik
