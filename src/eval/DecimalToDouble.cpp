#include "eval/DecimalToDouble.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace eval {
namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The decimal exponent of the leading significant digit plus one, e.g. 3 for
// "123.4" and -2 for "0.001"; only its sign matters here.
int Magnitude(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && text[i] == '0')
        ++i;
    int nMagnitude = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i)
        ++nMagnitude;
    if (nMagnitude == 0 && i < text.size() && text[i] == '.')
        for (++i; i < text.size() && text[i] == '0'; ++i)
            --nMagnitude;
    i = text.find_first_of("Ee", i);
    if (i == std::string_view::npos)
        return nMagnitude;
    ++i;
    const bool bNegative = i < text.size() && text[i] == '-';
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        ++i;
    int nExponent = 0;
    // Capped far beyond the double range so that the sum cannot overflow.
    for (; i < text.size() && IsDigit(text[i]); ++i)
        nExponent = std::min(nExponent * 10 + (text[i] - '0'), 1000000);
    return nMagnitude + (bNegative ? -nExponent : nExponent);
}

} // namespace

double DecimalToDouble(std::string_view text)
{
    double value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec == std::errc::result_out_of_range)
        return Magnitude(text) > 0 ? HUGE_VAL : 0.0;
    return value;
}

} // namespace eval
