#include "generator/logic/ProgramNumber.h"

#include "platform/FormatG.h"

#include <cstdio>

namespace generator {

std::string FormatProgramNumber(double value)
{
    std::string text = platform::FormatG(value);
    if (text.find('e') == std::string::npos)
        return text;
    // %f of a double needs at most 309 digits before the point.
    char buffer[400];
    std::snprintf(buffer, sizeof buffer, "%.6f", value);
    text = buffer;
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.')
        text.pop_back();
    return text == "-0" ? "0" : text;
}

} // namespace generator
