#pragma once
// The generator's own pass over the current curve: the radius at single depths
// and the smallest and largest radius met on the finishing step's grid.

#include <string>

namespace generator {

// The curve's radius at `depth`, by a fresh evaluator object; 0 when the formula
// cannot be evaluated there (the evaluator's result after an error).
double EvaluateRadius(const std::string& formulaX, float depth);

// Calls visit(z) for every depth the scan evaluates: the running sums of zStart
// and step in single precision while below zEnd, the last one clamped to zEnd.
// Where adding the step no longer moves z (a step below half a float's spacing
// at z, or a step that is not positive), the next depth is zEnd itself, so the
// scan always ends, and always ends on the end point.
template <typename Visit>
void ForEachScanDepth(float zStart, float zEnd, float step, Visit visit)
{
    float z = zStart;
    while (z < zEnd) {
        float next = z + step;
        if (next > zEnd || !(next > z))
            next = zEnd;
        z = next;
        visit(z);
    }
}

struct RadiusRange {
    float rMin;
    float rMax;
};

// rMin and rMax over the scan, starting from the radius the preview measured at
// zStart (the start point itself is not evaluated again).
RadiusRange ScanCurve(const std::string& formulaX, float zStart, float zEnd, float xStart,
                      float step);

} // namespace generator
