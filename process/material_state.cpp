#include "material_state.h"

namespace brennvik {

double g_UgcOrigin = 0;
double g_MaterialOD = 0;
float g_MaterialID = 0;

void ResetMaterialState() {
    g_UgcOrigin = 0;
    g_MaterialOD = 0;
    g_MaterialID = 0;
}

}  // namespace brennvik
