#pragma once
// The members of one curve dialog that its OK sequence reads and negates in place.
// A dialog points at the members it has and leaves the others null.

namespace curves {

struct CurveFields {
    float* zStart = nullptr;
    float* zEnd = nullptr;
    float* a = nullptr;
    float* b = nullptr;
    float* c = nullptr;
    float* d = nullptr;
    float* p = nullptr;
    int* direction = nullptr;  // radio index of the branch; null without radios
};

// A float member of the view, for the lists of negated fields.
using FloatField = float* CurveFields::*;

} // namespace curves
