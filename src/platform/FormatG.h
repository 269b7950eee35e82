#pragma once
// Number texts as the original C library wrote them with "%g".

#include <string>

namespace platform {

// "%g" with six significant digits, a three-digit exponent (1e-005, 1e+006) and
// no sign on a zero of either sign.
std::string FormatG(double value);

} // namespace platform
