#pragma once
// A whole generation once the inputs have passed the generator's checks and the
// dialect is known: the curve scan, the stock, the start radius and the
// program's lines.

#include "generator/logic/CurveSnapshot.h"

#include <string>
#include <vector>

namespace generator {

// The generator dialog's fields.
struct MachiningParams {
    int machining = 0;  // MACHINING_SHAFT or MACHINING_HOLE
    float blankDia = 0;
    float feed = 0;     // above 0
    float roughStep = 0;
    float finishStep = 0;
    float retractX = 0;
    float allowanceX = 0;
};

std::vector<std::string> GenerateProgram(const MachiningParams& params, const CurveSnapshot& curve,
                                         int dialect);

} // namespace generator
