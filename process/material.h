#pragma once
// The blank and its chucking as the material dialog last confirmed them,
// and the user graphic command block built from them.

#include "variant_number.h"

#include <QString>

namespace brennvik {

extern VariantNumber g_UgcOrigin;       // program origin P
extern VariantNumber g_MaterialLength;  // blank length OL, whole number
extern VariantNumber g_MaterialOD;      // blank outer diameter, whole number
extern float g_MaterialID;              // blank inner diameter, whole number
extern VariantNumber g_JawGripLength;
extern VariantNumber g_JawGripStep;
// Set when a confirmation asked for graphic data; the program skeleton then
// appends the block.
extern bool g_UgcGraphicOn;

void ResetMaterialState();

// The bore a drilling or bore roughing block was built for, as the block
// wrote it. Once that block is in the program, it is the material's inner
// diameter for the processes that follow.
void NoteBoreAsWritten(const QString &written);
void TakeWrittenBoreAsMaterialID();

struct MaterialInput {
    double origin = 0;          // P
    double length = 0;          // OL
    double outerDiameter = 0;   // OD
    float innerDiameter = 0;    // ID
    double jawGripLength = 0;
    double jawGripStep = 0;
    double centreLength = 0;
    double centreDiameter = 0;
    double centreHoleDiameter = 0;
    bool chuckOnOuterDiameter = true;
    bool subSpindle = false;
    bool centre = false;
    bool frontView = false;
};

// The subprogram OUGC that declares chuck and blank to the control's
// graphic display, preceded by three empty lines; every line ends in CR LF.
QString BuildUserGraphicBlock(const MaterialInput &input);

}  // namespace brennvik
