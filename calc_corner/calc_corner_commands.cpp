#include "calc_corner_commands.h"

#include "RPM.h"
#include "frmChamfer.h"
#include "frmFeed.h"
#include "frmLineAngle.h"
#include "frmNeck.h"
#include "frmNoseRAngle.h"
#include "frmXY_XC.h"
#include "workspace/frmMain.h"

#include <QKeySequence>

namespace brennvik {

void InstallCornerCalculators(frmMain &main) {
    QMenu *menu = main.ClosPoint;
    QAction *firstTangent = main.Entry(QStringLiteral("LineCircleLine"));
    main.AddEntry(menu, "AngleNoseR", "面取り", AngleNoseR_Click, QKeySequence(), firstTangent);
    main.AddEntry(menu, "LineAngle", "直線と角度", LineAngle_Click, QKeySequence(), firstTangent);
    main.AddEntry(menu, "Neck", "ヌスミ形状", Neck_Click, QKeySequence(), main.Entry(QStringLiteral("CircleCircle")));
    main.AddEntry(menu, "XY_XC", "XY-XC座標変換", XY_XC_Click);
    main.AddEntry(menu, "Chamfer", "面取り", Chamfer_Click);

    QAction *calculator = main.Entry(QStringLiteral("mnuToolsCalculator"));
    main.AddEntry(main.mnuTools, "mnuToolsrpm", "回転数の計算(&N)", mnuToolsrpm_Click, QKeySequence("Ctrl+N"),
                  calculator);
    main.AddEntry(main.mnuTools, "mnuToolsFeed", "面粗さによる送りの計算(&F)", mnuToolsFeed_Click, QKeySequence(),
                  calculator);
}

}  // namespace brennvik
