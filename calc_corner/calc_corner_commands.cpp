#include "calc_corner_commands.h"

#include "frmChamfer.h"
#include "frmNeck.h"
#include "workspace/frmMain.h"

#include <QKeySequence>

namespace brennvik {

void InstallCornerCalculators(frmMain &main) {
    QMenu *menu = main.ClosPoint;
    QAction *firstTangent = main.Entry(QStringLiteral("LineCircleLine"));
    main.AddEntry(menu, "AngleNoseR", "面取り", {}, QKeySequence(), firstTangent);
    main.AddEntry(menu, "LineAngle", "直線と角度", {}, QKeySequence(), firstTangent);
    main.AddEntry(menu, "Neck", "ヌスミ形状", Neck_Click, QKeySequence(), main.Entry(QStringLiteral("CircleCircle")));
    main.AddEntry(menu, "XY_XC", "XY-XC座標変換");
    main.AddEntry(menu, "Chamfer", "面取り", Chamfer_Click);

    QAction *calculator = main.Entry(QStringLiteral("mnuToolsCalculator"));
    main.AddEntry(main.mnuTools, "mnuToolsrpm", "回転数の計算(&N)", {}, QKeySequence("Ctrl+N"), calculator);
    main.AddEntry(main.mnuTools, "mnuToolsFeed", "面粗さによる送りの計算(&F)", {}, QKeySequence(), calculator);
}

}  // namespace brennvik
