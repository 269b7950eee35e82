#include "platform/FormatG.h"

#include <algorithm>
#include <charconv>
#include <iterator>
#include <limits>

namespace platform {

std::string FormatG(double value)
{
    if (value == 0.0)
        return "0";
    // std::to_chars never looks at the locale; with a precision it rounds as printf does.
    char buffer[32];  // "-1.23457e+308" at most
    const auto end = std::to_chars(buffer, std::end(buffer), value, std::chars_format::general, 6).ptr;
    std::string text(buffer, end);
    // printf writes at least two exponent digits; the program files and formula
    // texts carry three, as the Windows C library wrote them.
    const auto e = text.find('e');
    if (e != std::string::npos) {
        const std::size_t digits = text.size() - (e + 2);
        if (digits < 3)
            text.insert(e + 2, 3 - digits, '0');
    }
    return text;
}

std::string FormatFixed(double value, int places)
{
    // Sign, every integer digit of the largest double, point and places.
    constexpr int kMaxChars = 1 + std::numeric_limits<double>::max_exponent10 + 1 + 1 + 17;
    char buffer[kMaxChars];
    places = std::clamp(places, 0, 17);  // so the buffer always holds the text
    const auto end = std::to_chars(buffer, std::end(buffer), value, std::chars_format::fixed, places).ptr;
    return std::string(buffer, end);
}

} // namespace platform
