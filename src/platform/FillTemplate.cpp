#include "platform/FillTemplate.h"

namespace platform {

std::string FillTemplate(std::string_view tmpl, std::span<const double> values,
                         NumberFormatter format)
{
    std::string out;
    out.reserve(tmpl.size() + 12 * values.size());
    auto next = values.begin();
    for (std::size_t i = 0; i < tmpl.size(); ++i) {
        if (tmpl[i] == '%' && i + 1 < tmpl.size() && tmpl[i + 1] == 'g' && next != values.end()) {
            out += format(*next++);
            ++i;
        } else {
            out += tmpl[i];
        }
    }
    return out;
}

} // namespace platform
