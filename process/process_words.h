#pragma once
// The NC words the process dialog's options stand for, shaped by the
// machine settings (machine type and tool type).

#include <QString>

namespace brennvik {

struct ProcessOptions {
    bool spindleForward = false;   // SpindleCW
    bool coolantOn = false;        // CoolantON
    bool tipAtZeroDegrees = false; // M602
    double bAngle = 0;             // numeric value of the box B
};

struct ProcessWords {
    QString spindle;
    QString coolant;
    QString tipPosition;
    QString g52;
    QString bAxis;
    QString m263;
};

// Reads g_ToolType, g_MacTurn and g_MULTUS.
ProcessWords BuildProcessWords(const ProcessOptions &options);

}  // namespace brennvik
