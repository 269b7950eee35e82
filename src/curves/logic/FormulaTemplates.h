#pragma once
// The "%g" templates of one curve's formula texts.

#include "platform/FillTemplate.h"

#include <span>

namespace curves {

struct FormulaTemplates {
    const char* x = nullptr;        // the formula in the depth x
    const char* hash = nullptr;     // "#3=" in "#2", radians
    const char* hashDeg = nullptr;  // "#3=" in degrees; null for the conic curves
    const char* r = nullptr;        // "R3=" in "R2"
};

// Whether every text of the set holds exactly `count` "%g" and no other '%', and
// the set has its x, "#3=" and "R3=" texts. An empty set (every text null) passes.
constexpr bool TakesValues(const FormulaTemplates& t, int count)
{
    if (!t.x && !t.hash && !t.hashDeg && !t.r)
        return true;
    if (!t.x || !t.hash || !t.r)
        return false;
    for (const char* text : {t.x, t.hash, t.hashDeg, t.r}) {
        if (text && platform::CountPlaceholders(text) != count)
            return false;
    }
    return true;
}

// Fills every template with the same values, in order, and stores the texts in the
// shared curve state; the degree text only where the curve has one.
void WriteFormulas(const FormulaTemplates& templates, std::span<const double> values);

} // namespace curves
