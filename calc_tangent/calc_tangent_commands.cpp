#include "calc_tangent_commands.h"

#include "frmCircleCircle.h"
#include "frmCirclePoint.h"
#include "frmLine2Circle2.h"
#include "frmLineR.h"
#include "frmLineRLine.h"
#include "frmLineRPoint.h"
#include "workspace/frmMain.h"

namespace brennvik {

void InstallTangentCalculators(frmMain &main) {
    QMenu *menu = main.ClosPoint;
    main.AddEntry(menu, "LineCircleLine", "2直線と接する円", LineCircleLine_Click);
    main.AddEntry(menu, "LineCycle", "直線と円の交点", LineCycle_Click);
    main.AddEntry(menu, "LineCirclePoint", "1点を通り直線に接する円", LineCirclePoint_Click);
    main.AddEntry(menu, "CirclePoint", "円に接する点", CirclePoint_Click);
    main.AddEntry(menu, "CircleCircle", "2円の交点", CircleCircle_Click);
    main.AddEntry(menu, "Line2Circle2", "2直線と2円の接点", Line2Circle2_Click);
}

}  // namespace brennvik
