#pragma once
// Number texts as printf's "%g" and "%.*f" write them in the "C" locale, whatever
// locale the process runs in: Qt sets the C library's locale from the desktop, and
// under de_DE or fr_FR printf writes "1,5", which no formula or CNC control reads.

#include <initializer_list>
#include <string>
#include <string_view>

namespace platform {

// "%g" with six significant digits, a three-digit exponent (1e-005, 1e+006) and
// no sign on a zero of either sign.
std::string FormatG(double value);

// "%.*f" with `places` digits after the point (0 to 17); a negative zero keeps
// its sign, as printf writes it.
std::string FormatFixed(double value, int places);

using NumberFormatter = std::string (*)(double);

// Fills every "%g" of a printf-style template, in order, with the next value
// written by `format`. Throws std::logic_error when the counts differ.
std::string FillTemplate(std::string_view tmpl, std::initializer_list<double> values,
                         NumberFormatter format = FormatG);

} // namespace platform
