#include "platform/FormatG.h"

#include <cstdio>
#include <stdexcept>

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

std::string FillTemplate(std::string_view tmpl, std::initializer_list<double> values,
                         NumberFormatter format)
{
    std::string out;
    out.reserve(tmpl.size() + 12 * values.size());
    auto next = values.begin();
    for (std::size_t i = 0; i < tmpl.size(); ++i) {
        if (tmpl[i] == '%' && i + 1 < tmpl.size() && tmpl[i + 1] == 'g') {
            if (next == values.end())
                throw std::logic_error("FillTemplate: more placeholders than values");
            out += format(*next++);
            ++i;
        } else {
            out += tmpl[i];
        }
    }
    if (next != values.end())
        throw std::logic_error("FillTemplate: more values than placeholders");
    return out;
}

} // namespace platform
