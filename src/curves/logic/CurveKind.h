#pragma once
// What one curve dialog contributes to the shared OK sequence.

#include "curves/logic/CurveFields.h"
#include "curves/logic/FormulaTemplates.h"

#include <array>

namespace curves {

inline constexpr int kMaxFormulaArguments = 7;

struct CurveKind {
    // Negated in place after the two Z ends, which every curve negates; unused
    // entries null.
    std::array<FloatField, 3> negated{};
    // The curve's own check on the negated values; null for none.
    bool (*check)(const CurveFields& fields) = nullptr;
    const char* checkMessage = nullptr;
    // Radio index 0 and any index but 1; the only set of a curve without radios.
    FormulaTemplates templates{};
    // Radio index 1; empty without radios.
    FormulaTemplates secondRadioTemplates{};
    // The members whose values fill every template's "%g", in order (a negated
    // member with its negated value); unused entries null, after the used ones.
    std::array<FloatField, kMaxFormulaArguments> arguments{};
    int formulaKind = 0;
};

// The number of used entries of kind.arguments; -1 when a used one follows an
// unused one.
constexpr int CountArguments(const CurveKind& kind)
{
    int count = 0;
    for (const FloatField argument : kind.arguments) {
        if (!argument)
            break;
        ++count;
    }
    for (int i = count; i < kMaxFormulaArguments; ++i) {
        if (kind.arguments[i])
            return -1;
    }
    return count;
}

// Every kind proves its templates with this in a static_assert, so a template
// whose placeholders do not match the arguments cannot build.
constexpr bool FormulasFillable(const CurveKind& kind)
{
    const int count = CountArguments(kind);
    return count >= 0 && kind.templates.x && TakesValues(kind.templates, count)
           && TakesValues(kind.secondRadioTemplates, count);
}

} // namespace curves
