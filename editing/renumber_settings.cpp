#include "renumber_settings.h"

#include "workspace/runtime.h"
#include "workspace/workspace_state.h"

namespace brennvik {

int16_t g_SpaceN = 5;
int16_t g_DigitN = 3;
int16_t g_BDEL = 0;

namespace {
const QString kSettings = QStringLiteral("Settings");
}

void LoadRenumberSettings() {
    g_SpaceN = GetSettingInteger(kSettings, QStringLiteral("SpaceN"), 5);
    g_DigitN = GetSettingInteger(kSettings, QStringLiteral("DigitN"), 3);
    g_BDEL = GetSettingInteger(kSettings, QStringLiteral("BDEL"), 0);
}

void SaveRenumberSettings() {
    SaveSettingText(kSettings, QStringLiteral("DigitN"), NumberText(g_DigitN));
    SaveSettingText(kSettings, QStringLiteral("BDEL"), NumberText(g_BDEL));
    SaveSettingText(kSettings, QStringLiteral("SpaceN"), NumberText(g_SpaceN));
}

void ResetRenumberSettings() {
    g_SpaceN = 5;
    g_DigitN = 3;
    g_BDEL = 0;
}

}  // namespace brennvik
