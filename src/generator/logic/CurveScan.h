#pragma once
// The generator's own pass over the current curve: the smallest and largest
// radius met on the finishing step's grid.

#include <optional>
#include <string>

namespace generator {

struct RadiusRange {
    float rMin;
    float rMax;
};

// rMin and rMax over the depths of curves::StepDepths with the finishing step,
// starting from the radius the preview measured at zStart (the start point itself
// is not evaluated again). The last depth is zEnd. None when the curve cannot be
// computed at one of them: an evaluation error or a radius that is not finite.
std::optional<RadiusRange> ScanCurve(const std::string& formulaX, float zStart, float zEnd,
                                     float xStart, float step);

} // namespace generator
