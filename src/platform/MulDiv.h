#pragma once
// a × b / c as the Windows MulDiv computes it, used to turn HIMETRIC sizes into
// pixels at a resolution.

#include <cstdint>
#include <limits>

namespace platform {

// The exact quotient of the 64-bit product, rounded to the nearest integer with
// halves away from zero; -1 when c is 0 or the result does not fit an int.
constexpr int MulDiv(int a, int b, int c)
{
    if (c == 0)
        return -1;
    const std::int64_t product = static_cast<std::int64_t>(a) * b;
    std::int64_t quotient = product / c;
    const std::int64_t remainder = product % c;
    const std::int64_t twiceRemainder = remainder < 0 ? -2 * remainder : 2 * remainder;
    const std::int64_t divisor = c < 0 ? -static_cast<std::int64_t>(c) : c;
    if (twiceRemainder >= divisor)
        quotient += (product < 0) != (c < 0) ? -1 : 1;
    if (quotient > std::numeric_limits<int>::max() || quotient < std::numeric_limits<int>::min())
        return -1;
    return static_cast<int>(quotient);
}

} // namespace platform
