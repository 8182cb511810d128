#pragma once
// The program's own icon, drawn here: a bar in the chuck of a lathe with a
// tool of each turret at it.

#include <QIcon>

namespace brennvik {

QIcon ProgramIcon();

}  // namespace brennvik
