#pragma once
// A whole generation once the inputs have passed the generator's checks and the
// control is known: the curve scan, the stock, the start radius and the
// program's lines.

#include "generator/logic/CncControl.h"
#include "generator/logic/CurveSnapshot.h"

#include <optional>
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

// None when the curve cannot be computed where the tool must go: at the Z start,
// at a scan point or at the Z end (an evaluation error or a radius that is not
// finite), or when a number the program would write is not finite.
std::optional<std::vector<std::string>> GenerateProgram(const MachiningParams& params,
                                                        const CurveSnapshot& curve, CncControl control);

} // namespace generator
