#pragma once
// Converts a decimal number text as the C library's atof does, whatever the
// process locale: digits with at most one ".", then an optional exponent
// ("E" or "e", a sign, digits). Conversion stops at the first character that
// does not fit; a text too large gives +infinity, one too small 0.

#include <string_view>

namespace eval {

double DecimalToDouble(std::string_view text);

// "0" to "9" only, whatever the locale.
constexpr bool IsDecimalDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace eval
