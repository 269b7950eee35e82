#pragma once
// The value a reduction gives its rule's left side: the one place that knows
// what each rule computes.

#include "eval/Arithmetic.h"

namespace eval {

// right holds the values of the rule's right side in pushed order; nFunction is
// the function of rule 16 (an index in kFunctionNames). False, leaving dValue
// alone, when the computation is refused.
inline bool RuleValue(int nRule, const double* right, int nFunction, double& dValue)
{
    switch (nRule) {
    case 1: dValue = right[0] + right[2]; return true;
    case 2: dValue = right[0] - right[2]; return true;
    case 4: dValue = right[0] * right[2]; return true;
    case 5: return Divide(right[0], right[2], dValue);
    case 7: return Power(right[0], right[2], dValue);
    case 100: return Modulo(right[0], right[2], dValue);
    case 9: dValue = -right[1]; return true;
    case 14: dValue = right[1]; return true;
    case 16: return ApplyFunction(nFunction, right[2], dValue);
    default: dValue = right[0]; return true;  // the chain rules 3, 6, 8, 10, 12 and 15
    }
}

} // namespace eval
