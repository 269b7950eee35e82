#pragma once
// Numbers in program lines: no CNC control of the six dialects reads the
// exponent form, so a number that "%g" would write with an exponent is written
// in plain decimal notation instead.

#include <string>

namespace generator {

// "%g" where that form has no exponent (with a zero of either sign as "0");
// otherwise plain decimal rounded to 6 places with trailing zeros and a
// trailing point dropped, and a result of zero as "0" (5e-005 gives 0.00005,
// 3.7998e-007 gives 0, 1e+006 gives 1000000).
std::string FormatProgramNumber(double value);

} // namespace generator
