#pragma once
// Upper case for the ASCII letters only, whatever the locale: the evaluator
// matches keywords, the exponent letter and variable names without regard to case.

namespace eval {

constexpr char ToUpper(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

} // namespace eval
