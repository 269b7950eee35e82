#pragma once
// The generator's test of its fields' ranges, made before the dialect is settled.

#include "generator/logic/GenerateProgram.h"

namespace generator {

// Blank diameter, feed, both steps and retract point above 0, allowance at or
// above 0. A feed or step that the program would write as 0 counts as 0: its
// loop ("#1=#1-0", "#2=#2+0") would never end on the machine.
bool ValuesInRange(const MachiningParams& params);

} // namespace generator
