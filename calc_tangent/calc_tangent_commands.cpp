#include "calc_tangent_commands.h"

#include "frmLineRLine.h"
#include "workspace/frmMain.h"

namespace brennvik {

void InstallTangentCalculators(frmMain &main) {
    QMenu *menu = main.ClosPoint;
    main.AddEntry(menu, "LineCircleLine", "2直線と接する円", LineCircleLine_Click);
    main.AddEntry(menu, "LineCycle", "直線と円の交点");
    main.AddEntry(menu, "LineCirclePoint", "1点を通り直線に接する円");
    main.AddEntry(menu, "CirclePoint", "円に接する点");
    main.AddEntry(menu, "CircleCircle", "2円の交点");
    main.AddEntry(menu, "Line2Circle2", "2直線と2円の接点");
}

}  // namespace brennvik
