#pragma once
// The generator's test of its fields' ranges, made before the dialect is settled.

#include "generator/logic/GenerateProgram.h"

namespace generator {

// The smallest feed or step that the program writes as typed: its loop lines have
// six decimal places, so anything smaller is written rounded, down to "0" (a loop
// "#1=#1-0" or "#2=#2+0" that never ends on the machine).
inline constexpr float kSmallestStep = 0.000001f;

enum class InputRange {
    Accepted,
    NotPositive,        // a field at or below 0 (the allowance: below 0)
    BelowSmallestStep,  // every field positive, yet a feed or step below kSmallestStep
};

// Blank diameter, feed, both steps and retract point above 0, allowance at or above
// 0, and the feed and both steps at least kSmallestStep. A field at or below 0 is
// reported before a step too small, wherever the two stand.
InputRange CheckInputRange(const MachiningParams& params);

} // namespace generator
