#include "rotary_commands.h"

#include "workspace/frmMain.h"

#include <QAction>
#include <QMenu>

namespace brennvik {

void InstallRotaryCommands(frmMain &main) {
    QMenu *process = main.Process;
    main.AddSubmenu(process, "ProcessMDrill", "M軸ドリル",
                    {{"ProcessMDrillFace", "正面"}, {"ProcessMDrillSide", "側面"}, {"ProcessMDrillSlant", "Y/B軸加工"}});
    main.AddSubmenu(process, "ProcessMTap", "M軸タップ",
                    {{"ProcessMTapFace", "正面"}, {"ProcessMTapSide", "側面"}, {"ProcessMTapSlant", "Y/B軸加工"}});
    main.AddSubmenu(process, "ProcessMKey", "M軸キーミゾ",
                    {{"ProcessMKeyFace", "正面"}, {"ProcessMKeySide", "側面"}, {"ProcessMKeySlant", "Y/B軸加工"}});
    main.AddSubmenu(process, "ProcessMSousei", "M軸創成", {{"ProcessMSouseiFace", "正面"}, {"ProcessMSouseiSide", "側面"}});
    main.AddSubmenu(process, "ProcessMCircle", "M軸エンドミル円",
                    {{"ProcessMCircleFace", "正面"}, {"ProcessMCircleSide", "側面"}, {"ProcessMCircleSlant", "Y/B軸加工"}});
    main.AddSubmenu(process, "ProcessMPlanetTap", "M軸プラネットタップ",
                    {{"ProcessMPlanetTapFace", "正面"},
                     {"ProcessMPlanetTapSide", "側面"},
                     {"ProcessMPlanetTapSlant", "Y/B軸加工"}});
    // Circle milling and planetary tapping exist on the tilted plane only.
    for (const char *name : {"ProcessMCircleFace", "ProcessMCircleSide", "ProcessMPlanetTapFace", "ProcessMPlanetTapSide"})
        main.Entry(QString::fromLatin1(name))->setEnabled(false);
    main.AddSubmenu(process, "mnuSpindleTap", "主軸タップ",
                    {{"SipndleTap1", "フローティング タップ"}, {"SipndleTap2", "同期タップ（リジット）"}});
    main.AddSubmenu(process, "ProcessMT", "ATC 準備指令", {{"ProcessMT1", "Ｌ工具"}, {"ProcessMT3", "Ｍ工具"}});
}

}  // namespace brennvik
