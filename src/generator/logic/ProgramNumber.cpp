#include "generator/logic/ProgramNumber.h"

#include "platform/FormatG.h"

namespace generator {

std::string FormatProgramNumber(double value)
{
    std::string text = platform::FormatG(value);
    if (text.find('e') == std::string::npos)
        return text;
    text = platform::FormatFixed(value, 6);
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.')
        text.pop_back();
    return text == "-0" ? "0" : text;
}

} // namespace generator
