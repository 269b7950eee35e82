#include "eval/DecimalToDouble.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace eval {
namespace {

// The decimal exponent of the leading significant digit plus one, e.g. 3 for
// "123.4" and -2 for "0.001"; only its sign matters here.
int Magnitude(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && text[i] == '0')
        ++i;
    int nMagnitude = 0;
    for (; i < text.size() && IsDecimalDigit(text[i]); ++i)
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
    for (; i < text.size() && IsDecimalDigit(text[i]); ++i)
        nExponent = std::min(nExponent * 10 + (text[i] - '0'), 1000000);
    return nMagnitude + (bNegative ? -nExponent : nExponent);
}

// The common short numbers in one exact step: a mantissa of at most 15 digits
// and a power of ten up to 1e22 are both exact doubles, so one multiplication or
// division rounds correctly. Gives false for any other text.
bool ConvertShort(std::string_view text, double& value)
{
    static constexpr double kPowers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                  1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    constexpr int kMaxPower = 22;
    constexpr int kMaxDigits = 15;
    std::uint64_t nMantissa = 0;
    int nDigits = 0;  // from the first non-zero one
    int nPower = 0;   // of ten, to scale the mantissa with
    bool bPoint = false;
    std::size_t i = 0;
    for (; i < text.size() && (IsDecimalDigit(text[i]) || (text[i] == '.' && !bPoint)); ++i) {
        if (text[i] == '.') {
            bPoint = true;
            continue;
        }
        nMantissa = nMantissa * 10 + static_cast<unsigned>(text[i] - '0');
        nDigits += nMantissa != 0 ? 1 : 0;
        nPower -= bPoint ? 1 : 0;
        if (nDigits > kMaxDigits || nPower < -kMaxPower)
            return false;
    }
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
        std::size_t j = i + 1;
        const bool bNegative = j < text.size() && text[j] == '-';
        if (j < text.size() && (text[j] == '-' || text[j] == '+'))
            ++j;
        int nExponent = 0;
        for (; j < text.size() && IsDecimalDigit(text[j]); ++j) {
            nExponent = nExponent * 10 + (text[j] - '0');
            if (nExponent > 2 * kMaxPower)
                return false;
        }
        nPower += bNegative ? -nExponent : nExponent;
    }
    if (nPower < -kMaxPower || nPower > kMaxPower)
        return false;
    const double dMantissa = static_cast<double>(nMantissa);
    value = nPower >= 0 ? dMantissa * kPowers[nPower] : dMantissa / kPowers[-nPower];
    return true;
}

} // namespace

double DecimalToDouble(std::string_view text)
{
    double value = 0;
    if (ConvertShort(text, value))
        return value;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec == std::errc::result_out_of_range)
        return Magnitude(text) > 0 ? HUGE_VAL : 0.0;
    return value;
}

} // namespace eval
