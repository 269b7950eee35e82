#pragma once
// The "%g" templates of one curve's formula texts.

#include <initializer_list>

namespace curves {

struct FormulaTemplates {
    const char* x = nullptr;        // the formula in the depth x
    const char* hash = nullptr;     // "#3=" in "#2", radians
    const char* hashDeg = nullptr;  // "#3=" in degrees; null for the conic curves
    const char* r = nullptr;        // "R3=" in "R2"
};

// Fills every template with the same values, in order, and stores the texts in the
// shared curve state; the degree text only where the curve has one.
void WriteFormulas(const FormulaTemplates& templates, std::initializer_list<double> values);

} // namespace curves
