#pragma once
// Machining types, as the generator dialog's radio group indexes them.

namespace generator {

constexpr int MACHINING_SHAFT = 0;  // outside turning
constexpr int MACHINING_HOLE = 1;   // boring

} // namespace generator
