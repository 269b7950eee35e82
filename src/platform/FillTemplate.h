#pragma once
// Printf-style "%g" templates: formula texts, program lines and the preview's value
// lines are written from them.

#include "platform/FormatG.h"

#include <span>
#include <string>
#include <string_view>

namespace platform {

// The number of "%g" in a template; -1 when it holds any other '%'. Every caller
// proves its templates with it in a static_assert, so a wrong count cannot build.
constexpr int CountPlaceholders(std::string_view tmpl)
{
    int count = 0;
    for (std::size_t i = 0; i < tmpl.size(); ++i) {
        if (tmpl[i] != '%')
            continue;
        if (i + 1 == tmpl.size() || tmpl[i + 1] != 'g')
            return -1;
        ++count;
        ++i;
    }
    return count;
}

using NumberFormatter = std::string (*)(double);

// Fills every "%g" of `tmpl`, in order, with the next value written by `format`.
// A placeholder beyond the values stays as written; values beyond the
// placeholders are not used.
std::string FillTemplate(std::string_view tmpl, std::span<const double> values,
                         NumberFormatter format = FormatG);

} // namespace platform
