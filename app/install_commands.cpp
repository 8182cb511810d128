#include "install_commands.h"

#include "calc_corner/calc_corner_commands.h"
#include "calc_tangent/calc_tangent_commands.h"
#include "editing/editing_commands.h"
#include "process/process_commands.h"
#include "rotary/rotary_commands.h"

namespace brennvik {

void InstallAllCommands(frmMain &main) {
    InstallEditingCommands(main);
    InstallProcessCommands(main);
    // Behind the turning submenus.
    InstallRotaryCommands(main);
    // The corner calculators place their entries among the tangent ones.
    InstallTangentCalculators(main);
    InstallCornerCalculators(main);
}

}  // namespace brennvik
