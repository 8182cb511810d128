#include "material.h"

#include "workspace/nc_text.h"
#include "workspace/runtime.h"

namespace brennvik {

VariantNumber g_UgcOrigin;
VariantNumber g_MaterialLength;
VariantNumber g_MaterialOD;
float g_MaterialID = 0;
VariantNumber g_JawGripLength;
VariantNumber g_JawGripStep;
bool g_UgcGraphicOn = false;

namespace {
float s_boreAsWritten = 0;
}  // namespace

void ResetMaterialState() {
    g_UgcOrigin.Clear();
    g_MaterialLength.Clear();
    g_MaterialOD.Clear();
    g_MaterialID = 0;
    g_JawGripLength.Clear();
    g_JawGripStep.Clear();
    g_UgcGraphicOn = false;
    s_boreAsWritten = 0;
}

void NoteBoreAsWritten(const QString &written) { s_boreAsWritten = CSng(Val(written)); }

void TakeWrittenBoreAsMaterialID() { g_MaterialID = s_boreAsWritten; }

QString BuildUserGraphicBlock(const MaterialInput &in) {
    const QString crlf = QStringLiteral("\r\n");
    const QString p = FormatNcNumber(double(in.origin));
    const QString ol = FormatNcNumber(double(in.length));
    const QString od = FormatNcNumber(double(in.outerDiameter));
    const QString id = FormatNcNumber(float(in.innerDiameter));
    const QString spindle = in.subSpindle ? QStringLiteral("[S]") : QString();
    const QString chucked = in.chuckOnOuterDiameter ? od : id;

    QString b = crlf + crlf + crlf;
    b += QStringLiteral("----------< USER GRAPHIC COMMAND >----------") + crlf;
    b += QStringLiteral("OUGC") + crlf;
    b += QStringLiteral("NOEX VCHKX=") + chucked + QStringLiteral(" VCHKZ=") + FormatNcNumber(in.origin - in.length) + crlf;
    b += QStringLiteral("NOEX VCHKD=") + FormatNcNumber(double(in.jawGripStep)) + QStringLiteral(" VCHKL=") +
         FormatNcNumber(double(in.jawGripLength)) + crlf;
    if (in.centre) {
        b += QStringLiteral("NOEX VTSDA=") + FormatNcNumber(double(in.centreHoleDiameter)) + QStringLiteral(" VTSDB=") +
             FormatNcNumber(double(in.centreDiameter)) + crlf;
        b += QStringLiteral("NOEX VTSL=") + FormatNcNumber(double(in.centreLength)) + QStringLiteral(" VWKR=") + p + crlf;
    } else if (!in.subSpindle) {
        b += QStringLiteral("NOEX VWKR=9999") + crlf;
    }
    b += QStringLiteral("N000 CLEAR") + crlf;
    b += QStringLiteral("N000 DEF WORK") + spindle + crlf;
    b += QStringLiteral("N000 PS RC,[") + FormatNcNumber(Fix(in.origin)) + QStringLiteral(",0],[") + ol + u',' + od +
         u']' + crlf;
    if (in.innerDiameter > 0)
        b += QStringLiteral("N000 PS RC,[") + p + QStringLiteral(",0],[") + ol + u',' + id + QStringLiteral("],0") + crlf;
    b += QStringLiteral("N000 END") + crlf;
    if (in.frontView) {
        b += QStringLiteral("N000 DEF WORKF") + spindle + crlf;
        b += QStringLiteral("N000 PF 0,[0,0],") + od + QStringLiteral(",D") + crlf;
        if (in.innerDiameter > 0) {
            const QString h = FormatNcNumber(Fix(in.innerDiameter / 2.0f));
            b += QStringLiteral("N000 PF 0,[0,0],") + id + QStringLiteral(",D,0") + crlf;
            b += QStringLiteral("N000 PO [0,") + h + u']' + crlf;
            b += QStringLiteral("N000 CI [0,0],[0,-") + h + QStringLiteral("],R,0") + crlf;
        }
        b += QStringLiteral("N000 END") + crlf;
    }
    b += QStringLiteral("N000 DRAW") + crlf;
    b += QStringLiteral("NRTS RTS") + crlf;
    return b;
}

}  // namespace brennvik
