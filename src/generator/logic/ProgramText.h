#pragma once
// The macro program's lines: 33 statement slots filled from the dialect's
// templates, with three copies of the curve's formula line between them.

#include "generator/logic/CncControl.h"
#include "generator/logic/CurveSnapshot.h"

#include <string>
#include <vector>

namespace generator {

// The numbers a program is written with, each in double precision from the
// single-precision inputs.
struct ProgramNumbers {
    double zStart;        // depths
    double zEnd;
    double blankDia;
    double stock;         // T
    double roughStep;
    double finishStep;
    double feed;
    double retractX;
    double rem;
    double startDia;      // 2 * Xs
    double semiStartDia;  // 2 * Xs + rem for a shaft, - rem for a hole
    double endDia;        // twice the radius at the Z end
    double semiEndDia;    // endDia + rem for a shaft, - rem for a hole
};

// Whether every number a slot of any dialect writes is finite: an infinite or
// undefined value in a program line would be read by no control.
bool WritesOnlyFiniteNumbers(const ProgramNumbers& numbers);

// Slots 1-7, formula line, 8-18, formula line, 19-28, formula line, 29-33: 36
// lines. The formula line is curve.formulaR for Siemens, curve.formulaHash for
// Huazhong, and for the others formulaHash (conic) or formulaHashDeg
// (trigonometric); with a formula kind of neither sort those controls get no
// formula line at all.
std::vector<std::string> ProgramLines(CncControl control, int machining, const ProgramNumbers& numbers,
                                      const CurveSnapshot& curve);

} // namespace generator
