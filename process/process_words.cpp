#include "process_words.h"

#include "machine_settings.h"
#include "workspace/nc_text.h"

namespace brennvik {

ProcessWords BuildProcessWords(const ProcessOptions &options) {
    ProcessWords w;
    w.spindle = options.spindleForward ? QStringLiteral(" M03 M63") : QStringLiteral(" M04 M63");
    w.coolant = options.coolantOn ? QStringLiteral(" M08") : QStringLiteral(" M09");
    // Only machines with a B axis and a tool that can be turned over take
    // the tip-position and B-axis words.
    if ((g_ToolType == QLatin1String("HSK") && g_MacTurn) || g_MULTUS) {
        w.tipPosition = options.tipAtZeroDegrees ? QStringLiteral(" M602") : QStringLiteral(" M603");
        double b = options.bAngle;
        if (b == 90) {
            w.bAxis = QStringLiteral(" BT=1");
        } else if (b != 0) {
            w.g52 = QStringLiteral(" G52");
            w.bAxis = QStringLiteral(" BA=") + FormatNcNumber(b);
        }
    }
    if (g_MULTUS) w.m263 = QStringLiteral(" M263");
    return w;
}

}  // namespace brennvik
