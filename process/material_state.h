#pragma once
// The workpiece values of the material definition that the turning
// generators read: the blank's diameters and the program origin.

namespace brennvik {

extern double g_UgcOrigin;
extern double g_MaterialOD;
// Single precision, as the material dialog stores the inner diameter.
extern float g_MaterialID;

void ResetMaterialState();

}  // namespace brennvik
