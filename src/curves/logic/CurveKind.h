#pragma once
// What one curve dialog contributes to the shared OK sequence.

#include "curves/logic/CurveFields.h"
#include "curves/logic/FormulaTemplates.h"

#include <vector>

namespace curves {

struct CurveKind {
    // Negated in place after the two Z ends, which every curve negates.
    std::vector<FloatField> negated;
    // The curve's own check on the negated values; null for none.
    bool (*check)(const CurveFields& fields) = nullptr;
    const char* checkMessage = nullptr;
    // Radio index 0 and any index but 1; the only set of a curve without radios.
    FormulaTemplates templates{};
    // Radio index 1; unused without radios.
    FormulaTemplates secondRadioTemplates{};
    // Fills the chosen templates with the curve's arguments in their order.
    void (*writeFormulas)(const FormulaTemplates& templates, const CurveFields& fields) = nullptr;
    int formulaKind = 0;
};

} // namespace curves
