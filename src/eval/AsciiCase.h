#pragma once
// Upper case for the ASCII letters only, whatever the locale: the evaluator
// matches keywords, the exponent letter and variable names without regard to case.

#include <algorithm>
#include <string_view>

namespace eval {

constexpr char ToUpper(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

constexpr bool EqualsIgnoringCase(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return ToUpper(x) == ToUpper(y); });
}

} // namespace eval
