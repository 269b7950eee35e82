#include "platform/FormatG.h"

#include <cstdio>

namespace platform {

std::string FormatG(double value)
{
    if (value == 0.0)
        return "0";
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%g", value);
    std::string text = buffer;
    // glibc writes at least two exponent digits, the reference library three.
    const auto e = text.find('e');
    if (e != std::string::npos) {
        const std::size_t digits = text.size() - (e + 2);
        if (digits < 3)
            text.insert(e + 2, 3 - digits, '0');
    }
    return text;
}

} // namespace platform
