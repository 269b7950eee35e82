#pragma once
// Number texts as printf's "%g" and "%.*f" write them in the "C" locale, whatever
// locale the process runs in: Qt sets the C library's locale from the desktop, and
// under de_DE or fr_FR printf writes "1,5", which no formula or CNC control reads.

#include <string>

namespace platform {

// "%g" with six significant digits, a three-digit exponent (1e-005, 1e+006) and
// no sign on a zero of either sign.
std::string FormatG(double value);

// "%.*f" with `places` digits after the point (0 to 17); a negative zero keeps
// its sign, as printf writes it.
std::string FormatFixed(double value, int places);

} // namespace platform
