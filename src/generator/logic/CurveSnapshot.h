#pragma once
// What a generation reads of the current curve, copied from the shared state.

#include <string>

namespace generator {

struct CurveSnapshot {
    std::string formulaX;        // radius in the depth x, the evaluator's syntax
    std::string formulaHash;     // "#3=" in "#2", radians
    std::string formulaHashDeg;  // "#3=" with angles in degrees (trigonometric curves)
    std::string formulaR;        // "R3=" in "R2"
    int formulaKind = 0;         // FORMULA_CONIC, FORMULA_TRIG or 0
    float zStart = 0;            // depths
    float zEnd = 0;
    float xStart = 0;            // radii the preview measured at the two ends
    float xEnd = 0;
};

CurveSnapshot CurrentCurve();

} // namespace generator
