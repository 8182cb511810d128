#include "process_menu.h"

#include "workspace/frmMain.h"

#include <QAction>
#include <QMenu>

namespace brennvik {

namespace {

struct MenuEntry {
    const char *name;
    const char *caption;  // UTF-8
    void (frmMain::*handler)();
};

void AddSubmenu(frmMain *main, QMenu *process, const char *name, const char *caption,
                std::initializer_list<MenuEntry> entries) {
    QMenu *submenu = process->addMenu(QString::fromUtf8(caption));
    submenu->setObjectName(QString::fromUtf8(name));
    submenu->menuAction()->setObjectName(QString::fromUtf8(name));
    for (const MenuEntry &entry : entries) {
        QAction *action = submenu->addAction(QString::fromUtf8(entry.caption));
        action->setObjectName(QString::fromUtf8(entry.name));
        QObject::connect(action, &QAction::triggered, main, [main, handler = entry.handler] { (main->*handler)(); });
    }
}

}  // namespace

void BuildTurningProcessMenus(frmMain *main, QMenu *process) {
    AddSubmenu(main, process, "ProcessRough", "荒引き",
               {{"ProcessRoughFace", "端面", &frmMain::ProcessRoughFace_Click},
                {"ProcessRoughFaceOD", "端面+外径", &frmMain::ProcessRoughFaceOD_Click},
                {"ProcessRoughOD", "外径", &frmMain::ProcessRoughOD_Click},
                {"ProcessRoughID", "内径", &frmMain::ProcessRoughID_Click}});
    AddSubmenu(main, process, "ProcessFinish", "仕上げ",
               {{"ProcessFinishFace", "端面", &frmMain::ProcessFinishFace_Click},
                {"ProcessFinishFaceOD", "端面+外径", &frmMain::ProcessFinishFaceOD_Click},
                {"ProcessFinishOD", "外径", &frmMain::ProcessFinishOD_Click},
                {"ProcessFinishID", "内径", &frmMain::ProcessFinishID_Click}});
    AddSubmenu(main, process, "ProcessThread", "ネジ切り",
               {{"ProcessThreadFace", "端面", &frmMain::ProcessThreadFace_Click},
                {"ProcessThreadOD", "外径", &frmMain::ProcessThreadOD_Click},
                {"ProcessThreadID", "内径", &frmMain::ProcessThreadID_Click}});
    AddSubmenu(main, process, "ProcessGroove", "ミゾ入れ",
               {{"ProcessGrooveOD", "外径", &frmMain::ProcessGrooveOD_Click},
                {"ProcessGrooveID", "内径", &frmMain::ProcessGrooveID_Click},
                {"ProcessGrooveFace", "端面", &frmMain::ProcessGrooveFace_Click}});
    AddSubmenu(main, process, "ProcessDrill", "ドリル",
               {{"ProcessDrillHss", "ハイス", &frmMain::ProcessDrillHss_Click},
                {"ProcessDrillU", "超硬", &frmMain::ProcessDrillU_Click}});
}

}  // namespace brennvik
