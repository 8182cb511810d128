#pragma once
// The rotary-tool blocks' tests start from the generator tests' state (a
// first start's machine settings: neither MacTurn nor MULTUS, OSP-U100,
// home X500 Z500, approach X200 Z50), without tool-shape lines, and with the
// values of the face-drill example: tool 5, V 80, F 0.1, drill 10, a hole at
// X40 from the face at Z0 to Z-20, coolant on.

#include "process/generator_test_support.h"

#include "process/machine_settings.h"
#include "process/process_state.h"

namespace brennvik {

// The probe's zero offsets, starting from X60 Z5 and measuring at Z-10. The
// C axis: approach distance 3, shift angle 10, groove width 5 degrees, the
// feature at C10.7; the Z axis: approach 4, overtravel 2. The second touch
// and the good band are left out; W is the C axis's groove width.
inline void SetZeroOffsetExample() {
    g_ParamV = 3;
    g_ParamF = 10;
    g_ParamW = 5;
    g_ParamD = 4;
    g_ParamL = 2;
    g_ParamU = 0;
    g_ParamC = 0;
    g_StartX = 60;
    g_StartZ = 5;
    g_EndZ = -10;
    g_EndC = 10.7f;
}

class RotaryBlockTest : public GeneratorTest {
protected:
    void SetUp() override {
        GeneratorTest::SetUp();
        g_ToolFrom = false;
        g_ToolNumber = 5;
        g_ParamV = 80;
        g_ParamF = 0.1;
        g_ParamD = 0;
        g_ParamL = 0;
        g_ParamU = 10;
        g_ParamW = 0;
        g_ParamC = 1;
        g_StartX = 40;
        g_StartZ = 0;
        g_StartC = 0;
        g_EndX = 0;
        g_EndZ = -20;
        g_EndC = 0;
    }

    // On the tilted plane, neither turned nor shifted, starting at X20 (a
    // radius), Y5 and Z-10.
    static void StartOnTiltedPlane() {
        g_ParamB = 0;
        g_ParamC = 0;
        g_ParamSZ = 0;
        g_StartX = 20;
        g_StartZ = 5;
        g_StartC = -10;
    }

    // Both machine-type switches on, as a hand-edited settings store can say.
    static void SetBothMachineTypes() {
        g_MacTurn = true;
        g_MULTUS = true;
    }
};

}  // namespace brennvik
