#pragma once
// Number texts as the original C library wrote them with "%g".

#include <initializer_list>
#include <string>
#include <string_view>

namespace platform {

// "%g" with six significant digits, a three-digit exponent (1e-005, 1e+006) and
// no sign on a zero of either sign.
std::string FormatG(double value);

using NumberFormatter = std::string (*)(double);

// Fills every "%g" of a printf-style template, in order, with the next value
// written by `format`. Throws std::logic_error when the counts differ.
std::string FillTemplate(std::string_view tmpl, std::initializer_list<double> values,
                         NumberFormatter format = FormatG);

} // namespace platform
